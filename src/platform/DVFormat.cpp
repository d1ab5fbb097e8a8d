#include "platform/DVFormat.h"

#include <algorithm>
#include <charconv>
#include <ctime>

#include <langinfo.h>

QString FormatG(double value) {
    // std::to_chars in general form with precision 6 is printf's %g in the C locale.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer).toUpper();
    return text;
}

namespace {

// Text written into a fixed buffer; full when it would overflow.
struct TextBuffer {
    char data[256];
    std::size_t size = 0;
    bool full = false;

    void Append(char c) {
        if (size < sizeof data) {
            data[size++] = c;
        } else {
            full = true;
        }
    }
    void Append(const char* text) {
        for (; *text != '\0'; ++text) {
            Append(*text);
        }
    }
};

void AppendTwoDigits(TextBuffer& out, int value, char pad = '0') {
    out.Append(value < 10 ? pad : char('0' + value / 10));
    out.Append(char('0' + value % 10));
}

// The fields strftime writes as other fields together, or null.
const char* CompositeField(char field) {
    switch (field) {
        case 'T':
            return "%H:%M:%S";
        case 'R':
            return "%H:%M";
        case 'D':
            return "%m/%d/%y";
        case 'F':
            return "%Y-%m-%d";
        case 'r': {
            const char* ampm = nl_langinfo(T_FMT_AMPM);
            return ampm != nullptr && *ampm != '\0' ? ampm : "%I:%M:%S %p";
        }
        default:
            return nullptr;
    }
}

// Writes the fields of a strftime format that are numbers or composites of numbers, as strftime writes
// them; false at any other field or an unusual year, and the caller leaves the whole text to strftime.
bool AppendNumericFields(TextBuffer& out, const char* format, const std::tm& t, int depth = 0) {
    const int year = t.tm_year + 1900;
    const auto expand = [&](const char* composite) {
        return depth < 2 && AppendNumericFields(out, composite, t, depth + 1);
    };
    for (const char* at = format; *at != '\0'; ++at) {
        if (*at != '%') {
            out.Append(*at);
            continue;
        }
        if (const char* composite = CompositeField(*++at)) {
            if (!expand(composite)) {
                return false;
            }
            continue;
        }
        switch (*at) {
            case 'd':
                AppendTwoDigits(out, t.tm_mday);
                break;
            case 'e':
                AppendTwoDigits(out, t.tm_mday, ' ');
                break;
            case 'm':
                AppendTwoDigits(out, t.tm_mon + 1);
                break;
            case 'y':
            case 'Y':
                if (year < 1000 || year > 9999) {
                    return false;
                }
                if (*at == 'Y') {
                    AppendTwoDigits(out, year / 100);
                }
                AppendTwoDigits(out, year % 100);
                break;
            case 'H':
                AppendTwoDigits(out, t.tm_hour);
                break;
            case 'I':
                AppendTwoDigits(out, (t.tm_hour + 11) % 12 + 1);
                break;
            case 'M':
                AppendTwoDigits(out, t.tm_min);
                break;
            case 'S':
                AppendTwoDigits(out, t.tm_sec);
                break;
            case 'p': {
                const char* marker = nl_langinfo(t.tm_hour < 12 ? AM_STR : PM_STR);
                out.Append(marker != nullptr ? marker : "");
                break;
            }
            case '%':
                out.Append('%');
                break;
            default:
                return false;
        }
    }
    return !out.full;
}

}  // namespace

QString FormatTm(const char* format, const std::tm& time) {
    TextBuffer text;
    if (!AppendNumericFields(text, format, time)) {
        text.size = std::strftime(text.data, sizeof text.data, format, &time);
    }
    const char* begin = text.data;
    const char* end = begin + text.size;
    // Most locales write times in ASCII, which every local code page shares and Latin-1 reads fastest.
    if (std::all_of(begin, end, [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        return QString::fromLatin1(text.data, static_cast<qsizetype>(text.size));
    }
    return QString::fromLocal8Bit(text.data, static_cast<qsizetype>(text.size));
}

QString FormatTime(qint64 seconds) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (localtime_r(&t, &local) == nullptr) {
        return QString();
    }
    // "%x %X" with the locale's formats spelled out, so that the numeric fields need no strftime: a
    // search formats the time of every row.
    TextBuffer format;
    format.Append(nl_langinfo(D_FMT));
    format.Append(' ');
    format.Append(nl_langinfo(T_FMT));
    format.Append('\0');
    return format.full ? FormatTm("%x %X", local) : FormatTm(format.data, local);
}
