#include "platform/DVFormat.h"

#include <algorithm>
#include <charconv>
#include <ctime>

QString FormatG(double value) {
    // std::to_chars in general form with precision 6 is printf's %g in the C locale.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer).toUpper();
    return text;
}

QString FormatTime(qint64 seconds) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (localtime_r(&t, &local) == nullptr) {
        return QString();
    }
    char buffer[128];
    const std::size_t n = std::strftime(buffer, sizeof buffer, "%x %X", &local);
    // Most locales write times in ASCII, which every local code page shares and Latin-1 reads fastest.
    if (std::all_of(buffer, buffer + n, [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        return QString::fromLatin1(buffer, static_cast<qsizetype>(n));
    }
    return QString::fromLocal8Bit(buffer, static_cast<qsizetype>(n));
}
