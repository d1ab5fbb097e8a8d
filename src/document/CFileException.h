#pragma once

#include "document/CDVException.h"

// A project file that cannot be opened, read or written.
class CFileException : public CDVException {
public:
    enum Cause { fileNotFound, notAFile, accessDenied, corrupt, writeFailed };

    CFileException(Cause cause, const QString& reason) : CDVException(reason), m_cause(cause) {}

    Cause GetCause() const { return m_cause; }

private:
    Cause m_cause;
};
