#include "document/CArchiveException.h"
#include "document/CArchiveReader.h"
#include "document/CArchiveWriter.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

CArchiveException::Cause CauseOf(const QByteArray& bytes, const std::function<void(CArchiveReader&)>& read) {
    CArchiveReader reader(bytes.constData(), bytes.size());
    try {
        read(reader);
    } catch (const CArchiveException& e) {
        EXPECT_FALSE(e.Reason().isEmpty());
        return e.GetCause();
    }
    ADD_FAILURE() << "no exception for " << bytes.left(32).toHex().constData();
    return CArchiveException::generic;
}

TEST(CArchiveReader, StringForms) {
    struct Case {
        const char* name;
        const char* hex;
        QString text;
    } cases[] = {
        {"8-bit", "03616263", QStringLiteral("abc")},
        {"8-bit empty", "00", QString()},
        {"8-bit latin-1 half", "03a0e4ff", QStringLiteral("\u00a0\u00e4\u00ff")},
        {"8-bit 2-byte length", "ff0300616263", QStringLiteral("abc")},
        {"8-bit 4-byte length", "ffffff03000000616263", QStringLiteral("abc")},
        {"8-bit 8-byte length", "ffffffffffffff0300000000000000616263", QStringLiteral("abc")},
        {"wide", "fffeff026100ac20", QStringLiteral("a\u20ac")},
        {"wide 2-byte length", "fffeffff02006100ac20", QStringLiteral("a\u20ac")},
        {"wide 4-byte length", "fffeffffffff020000006100ac20", QStringLiteral("a\u20ac")},
        {"wide 8-byte length", "fffeffffffffffffffff02000000000000006100ac20", QStringLiteral("a\u20ac")},
        {"lone surrogate", "fffeff0100d8", QString(QChar(0xD800))},
    };
    for (const Case& c : cases) {
        const QByteArray bytes = Hex(c.hex);
        CArchiveReader reader(bytes.constData(), bytes.size());
        EXPECT_EQ(reader.ReadString(), c.text) << c.name;
        EXPECT_TRUE(reader.AtEnd()) << c.name;
    }
}

// The whole upper control range of the code page, including the five undefined bytes.
TEST(CArchiveReader, Windows1252ControlRange) {
    QByteArray bytes(1, char(32));
    for (int b = 0x80; b < 0xA0; ++b)
        bytes.append(char(b));
    const QString expected = QString::fromUtf8(
        "\u20ac\u0081\u201a\u0192\u201e\u2026\u2020\u2021\u02c6\u2030\u0160\u2039\u0152\u008d\u017d\u008f"
        "\u0090\u2018\u2019\u201c\u201d\u2022\u2013\u2014\u02dc\u2122\u0161\u203a\u0153\u009d\u017e\u0178");
    CArchiveReader reader(bytes.constData(), bytes.size());
    EXPECT_EQ(reader.ReadString(), expected);
}

TEST(CArchiveReader, TimeMarkerAndFallback) {
    struct Case {
        const char* hex;
        qint64 seconds;
    } cases[] = {
        {"0a000080 0000000000000000", 0},
        {"0a000080 0000000001000000", 0x100000000LL},
        {"01000000", 1},
        {"ffffffff", -1},
        {"00000080", std::numeric_limits<qint32>::min()},
        {"0b000080", qint32(0x8000000B)},
    };
    for (const Case& c : cases) {
        const QByteArray bytes = Hex(c.hex);
        CArchiveReader reader(bytes.constData(), bytes.size());
        EXPECT_EQ(reader.ReadTime(), c.seconds) << c.hex;
        EXPECT_TRUE(reader.AtEnd()) << c.hex;
    }
}

TEST(CArchiveReader, BoolAndIdArrayForms) {
    const QByteArray bytes = Hex("02 ff 00 ffff02000000 0100000002000000 0000");
    CArchiveReader reader(bytes.constData(), bytes.size());
    EXPECT_TRUE(reader.ReadBool());
    EXPECT_TRUE(reader.ReadBool());
    EXPECT_FALSE(reader.ReadBool());
    EXPECT_EQ(reader.ReadIdArray(), (std::vector<quint32>{1, 2}));
    EXPECT_TRUE(reader.ReadIdArray().empty());
    EXPECT_TRUE(reader.AtEnd());
}

// Cutting a small archive anywhere must end in the end-of-file exception, never in a wrong value.
TEST(CArchiveReader, TruncationAtEveryLengthIsEndOfFile) {
    CArchiveWriter writer;
    writer.WriteInt32(7);
    writer.WriteString(QStringLiteral("title"));
    writer.WriteString(QString(300, QChar('x')));
    writer.WriteBool(true);
    writer.WriteDouble(2.5);
    writer.WriteTime(1234567890);
    writer.WriteIdArray({1, 2, 3});
    writer.WriteInt16(-1);
    const QByteArray full = writer.TakeBytes() + Hex("ff0200c4e4");  // an 8-bit string with a 2-byte length
    const auto readAll = [](CArchiveReader& r) {
        EXPECT_EQ(r.ReadInt32(), 7);
        EXPECT_EQ(r.ReadString(), QStringLiteral("title"));
        EXPECT_EQ(r.ReadString().size(), 300);
        EXPECT_TRUE(r.ReadBool());
        EXPECT_EQ(r.ReadDouble(), 2.5);
        EXPECT_EQ(r.ReadTime(), 1234567890);
        EXPECT_EQ(r.ReadIdArray().size(), 3u);
        EXPECT_EQ(r.ReadInt16(), -1);
        EXPECT_EQ(r.ReadString(), QStringLiteral("\u00c4\u00e4"));
    };
    for (qsizetype length = 0; length < full.size(); ++length)
        EXPECT_EQ(CauseOf(full.left(length), readAll), CArchiveException::endOfFile) << length;
    CArchiveReader reader(full.constData(), full.size());
    readAll(reader);
    EXPECT_TRUE(reader.AtEnd());
}

// Lengths and counts far beyond the data are refused before anything is allocated for them.
TEST(CArchiveReader, HugeLengthsAndCounts) {
    const auto string = [](CArchiveReader& r) { r.ReadString(); };
    const auto ids = [](CArchiveReader& r) { r.ReadIdArray(); };
    const auto count = [](CArchiveReader& r) { r.ReadCount(1); };
    struct Case {
        const char* name;
        const char* hex;
        std::function<void(CArchiveReader&)> read;
        CArchiveException::Cause cause;
    } cases[] = {
        {"8-bit 2^31-1", "ffffffffffff7f 6162", string, CArchiveException::endOfFile},
        {"wide 2^31-1", "fffeffffffffffffff7f 6100", string, CArchiveException::endOfFile},
        {"wide longer than the rest", "fffeff03 61006200", string, CArchiveException::endOfFile},
        {"4-byte length above 2^31-1", "ffffff00000080", string, CArchiveException::generic},
        {"8-byte length above 2^31-1", "ffffffffffffff0000008000000000", string, CArchiveException::generic},
        {"8-byte length all ones", "fffeffffffffffffffffffffffffffffffff", string,
         CArchiveException::generic},
        {"id count 2^32-1", "ffffffffffff 01000000", ids, CArchiveException::endOfFile},
        {"id count 0xfffe", "feff 01000000", ids, CArchiveException::endOfFile},
        {"count 2^31-1", "ffffff7f 00", count, CArchiveException::endOfFile},
        {"negative count", "ffffffff", count, CArchiveException::generic},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CauseOf(Hex(c.hex), c.read), c.cause) << c.name;
}

TEST(CArchiveReader, CountMustFitTheRemainingBytes) {
    const QByteArray bytes = Hex("02000000 aaaaaaaa bbbbbbbb");
    CArchiveReader fits(bytes.constData(), bytes.size());
    EXPECT_EQ(fits.ReadCount(4), 2);
    EXPECT_EQ(fits.Remaining(), 8);
    EXPECT_EQ(CauseOf(bytes, [](CArchiveReader& r) { r.ReadCount(5); }), CArchiveException::endOfFile);
}

}  // namespace
