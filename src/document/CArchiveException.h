#pragma once

#include "platform/CDVException.h"

// A malformed or truncated archive.
class CArchiveException : public CDVException {
public:
    enum Cause { endOfFile, generic };

    explicit CArchiveException(Cause cause) : CArchiveException(cause, DefaultReason(cause)) {}
    CArchiveException(Cause cause, const QString& reason) : CDVException(reason), m_cause(cause) {}

    Cause GetCause() const { return m_cause; }
    // Whether the reason only restates the cause, so that a caller may say it better.
    bool HasDefaultReason() const { return Reason() == DefaultReason(m_cause); }

    static QString DefaultReason(Cause cause) {
        return cause == endOfFile ? QStringLiteral("Unexpected end of file.")
                                  : QStringLiteral("The file is corrupt.");
    }

private:
    Cause m_cause;
};
