#pragma once

#include <QString>

#include <exception>

// Base of the typed file errors, so that the document can report any of them with its reason.
class CDVException : public std::exception {
public:
    explicit CDVException(QString reason) : m_reason(std::move(reason)), m_what(m_reason.toUtf8()) {}

    const QString& Reason() const { return m_reason; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    QString m_reason;
    QByteArray m_what;
};
