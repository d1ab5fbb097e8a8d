#include "document/DVJsonWriter.h"

#include <QIODevice>
#include <QLocale>

#include <charconv>
#include <cmath>

namespace {

constexpr std::size_t kFlushSize = 1 << 20;

char HexDigit(unsigned value) {
    return char(value < 10 ? '0' + value : 'a' + value - 10);
}

char* PutUnicodeEscape(char* out, char16_t unit) {
    *out++ = '\\';
    *out++ = 'u';
    *out++ = HexDigit((unit >> 12) & 0xF);
    *out++ = HexDigit((unit >> 8) & 0xF);
    *out++ = HexDigit((unit >> 4) & 0xF);
    *out++ = HexDigit(unit & 0xF);
    return out;
}

char* PutUtf8(char* out, char32_t code) {
    if (code < 0x800) {
        *out++ = char(0xC0 | (code >> 6));
    } else if (code < 0x10000) {
        *out++ = char(0xE0 | (code >> 12));
        *out++ = char(0x80 | ((code >> 6) & 0x3F));
    } else {
        *out++ = char(0xF0 | (code >> 18));
        *out++ = char(0x80 | ((code >> 12) & 0x3F));
        *out++ = char(0x80 | ((code >> 6) & 0x3F));
    }
    *out++ = char(0x80 | (code & 0x3F));
    return out;
}

// The letter of JSON's two-character escape of an ASCII unit, 0 for none.
char ShortEscape(char16_t unit) {
    switch (unit) {
        case u'"':
            return '"';
        case u'\\':
            return '\\';
        case u'\b':
            return 'b';
        case u'\f':
            return 'f';
        case u'\n':
            return 'n';
        case u'\r':
            return 'r';
        case u'\t':
            return 't';
        default:
            return 0;
    }
}

char* PutShortEscape(char* out, char letter) {
    *out++ = '\\';
    *out++ = letter;
    return out;
}

// The escaping of QJsonDocument: the short escapes, \u00xx for other control characters, UTF-8 for
// the rest, and \uxxxx for a surrogate without its partner. out has room for six bytes a unit.
char* PutEscaped(char* out, const QString& text) {
    const auto* it = reinterpret_cast<const char16_t*>(text.utf16());
    const char16_t* const end = it + text.size();
    while (it != end) {
        const char16_t unit = *it++;
        if (unit >= 0x80) {
            if (QChar::isHighSurrogate(unit) && it != end && QChar::isLowSurrogate(*it))
                out = PutUtf8(out, QChar::surrogateToUcs4(unit, *it++));
            else if (QChar::isSurrogate(unit))
                out = PutUnicodeEscape(out, unit);
            else
                out = PutUtf8(out, unit);
            continue;
        }
        if (const char letter = ShortEscape(unit))
            out = PutShortEscape(out, letter);
        else if (unit < 0x20)
            out = PutUnicodeEscape(out, unit);
        else
            *out++ = char(unit);
    }
    return out;
}

}  // namespace

DVJsonWriter::DVJsonWriter(QIODevice& out) : m_out(out) {
    m_buffer.reserve(2 * kFlushSize);
}

bool DVJsonWriter::Finish() {
    if (!m_buffer.empty() && m_out.write(m_buffer.data(), qint64(m_buffer.size())) != qint64(m_buffer.size()))
        m_failed = true;
    m_buffer.clear();
    return !m_failed;
}

void DVJsonWriter::FlushIfFull() {
    if (m_buffer.size() >= kFlushSize)
        Finish();
}

void DVJsonWriter::Indent() {
    m_buffer.append(4 * m_counts.size(), ' ');
}

void DVJsonWriter::BeginValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_counts.empty())
        return;
    if (m_counts.back()++ > 0)
        Raw(",\n", 2);
    Indent();
}

DVJsonWriter& DVJsonWriter::Key(const char* key) {
    BeginValue();
    Raw("\"", 1);
    Raw(QByteArrayView(key));
    Raw("\": ", 3);
    m_afterKey = true;
    return *this;
}

int DVJsonWriter::PopLevel() {
    const int count = m_counts.back();
    m_counts.pop_back();
    return count;
}

void DVJsonWriter::BeginObject() {
    BeginValue();
    Raw("{\n", 2);
    m_counts.push_back(0);
}

void DVJsonWriter::EndObject() {
    if (PopLevel() > 0)
        Raw("\n", 1);
    Indent();
    Raw("}", 1);
    if (m_counts.empty())
        Raw("\n", 1);
    FlushIfFull();
}

void DVJsonWriter::BeginArray() {
    BeginValue();
    Raw("[\n", 2);
    m_counts.push_back(0);
}

void DVJsonWriter::EndArray() {
    if (PopLevel() > 0)
        Raw("\n", 1);
    Indent();
    Raw("]", 1);
    FlushIfFull();
}

void DVJsonWriter::Int(qint64 value) {
    BeginValue();
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    Raw(text, std::size_t(result.ptr - text));
}

void DVJsonWriter::Bool(bool value) {
    BeginValue();
    Raw(value ? QByteArrayView("true") : QByteArrayView("false"));
}

void DVJsonWriter::Double(double value) {
    if (std::isnan(value))
        return String(QStringLiteral("NaN"));
    if (std::isinf(value))
        return String(value > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity"));
    BeginValue();
    if (value == 0.0 && std::signbit(value))
        return Raw("-0.0", 4);
    // QJsonDocument prints whole numbers that fit a qint64 as integers.
    if (std::abs(value) < 9223372036854775808.0 && std::trunc(value) == value) {
        char text[24];
        const auto result = std::to_chars(text, text + sizeof text, qint64(value));
        return Raw(text, std::size_t(result.ptr - text));
    }
    Raw(QByteArray::number(value, 'g', QLocale::FloatingPointShortest));
}

void DVJsonWriter::String(const QString& text) {
    BeginValue();
    const std::size_t start = m_buffer.size();
    m_buffer.resize(start + 6 * std::size_t(text.size()) + 2);
    char* out = m_buffer.data() + start;
    *out++ = '"';
    out = PutEscaped(out, text);
    *out++ = '"';
    m_buffer.resize(std::size_t(out - m_buffer.data()));
}

void DVJsonWriter::Null() {
    BeginValue();
    Raw("null", 4);
}
