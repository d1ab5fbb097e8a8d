#pragma once

#include "platform/CDVException.h"

// A project file that cannot be opened, read or written.
class CFileException : public CDVException {
public:
    // missingContents: a compound file without the stream "Contents", which only a linked project
    // file may be (it then holds an empty project).
    enum Cause { fileNotFound, notAFile, accessDenied, corrupt, missingContents, writeFailed };

    CFileException(Cause cause, const QString& reason) : CDVException(reason), m_cause(cause) {}

    Cause GetCause() const { return m_cause; }

private:
    Cause m_cause;
};
