#include "document/CArchiveException.h"
#include "document/CArchiveReader.h"
#include "document/CArchiveWriter.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

QByteArray Written(const std::function<void(CArchiveWriter&)>& write) {
    CArchiveWriter writer;
    write(writer);
    return writer.TakeBytes();
}

QString Repeated(QChar c, qsizetype n) {
    return QString(n, c);
}

TEST(CArchiveWriter, ScalarsAreLittleEndian) {
    struct Case {
        const char* name;
        std::function<void(CArchiveWriter&)> write;
        const char* hex;
    } cases[] = {
        {"int32", [](CArchiveWriter& w) { w.WriteInt32(-2); }, "feffffff"},
        {"uint32", [](CArchiveWriter& w) { w.WriteUInt32(0x12345678); }, "78563412"},
        {"int16", [](CArchiveWriter& w) { w.WriteInt16(-3); }, "fdff"},
        {"uint16", [](CArchiveWriter& w) { w.WriteUInt16(0xABCD); }, "cdab"},
        {"bool", [](CArchiveWriter& w) { w.WriteBool(true), w.WriteBool(false); }, "0100"},
        {"double", [](CArchiveWriter& w) { w.WriteDouble(-1.0); }, "000000000000f0bf"},
        {"time 0", [](CArchiveWriter& w) { w.WriteTime(0); }, "0a0000800000000000000000"},
        {"time 64-bit", [](CArchiveWriter& w) { w.WriteTime(-0x100000000LL); }, "0a00008000000000ffffffff"},
        {"no ids", [](CArchiveWriter& w) { w.WriteIdArray({}); }, "0000"},
        {"ids",
         [](CArchiveWriter& w) {
             w.WriteIdArray({1, 0xFFFFFFFF});
         },
         "020001000000ffffffff"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Written(c.write).toHex(), QByteArray(c.hex)) << c.name;
}

// Each length form at the edges where it changes, written and read back.
TEST(CArchiveWriter, StringLengthForms) {
    struct Case {
        qsizetype length;
        const char* head;
    } cases[] = {
        {0, "fffeff00"},
        {3, "fffeff03"},
        {254, "fffefffe"},
        {255, "fffeffff ff00"},
        {0xFFFD, "fffeffff fdff"},
        {0xFFFE, "fffeffff ffff feff0000"},
        {0x10000, "fffeffff ffff 00000100"},
    };
    for (const Case& c : cases) {
        const QString text = Repeated(QChar(0x20AC), c.length);
        const QByteArray bytes = Written([&](CArchiveWriter& w) { w.WriteString(text); });
        const QByteArray head = Hex(c.head);
        EXPECT_EQ(bytes.left(head.size()).toHex(), head.toHex()) << c.length;
        EXPECT_EQ(bytes.size(), head.size() + 2 * c.length) << c.length;
        EXPECT_EQ(bytes.mid(head.size()), QByteArray("\xAC\x20", 2).repeated(c.length)) << c.length;

        CArchiveReader reader(bytes.constData(), bytes.size());
        EXPECT_EQ(reader.ReadString(), text) << c.length;
        EXPECT_TRUE(reader.AtEnd()) << c.length;
    }
    EXPECT_EQ(Written([](CArchiveWriter& w) { w.WriteString(QStringLiteral("abc")); }),
              Hex("fffeff03610062006300"));
}

TEST(CArchiveWriter, IdArrayCountForms) {
    for (quint32 count : {0xFFFEu, 0xFFFFu, 0x10000u}) {
        std::vector<quint32> ids(count);
        for (quint32 i = 0; i < count; ++i)
            ids[i] = i * 7;
        const QByteArray bytes = Written([&](CArchiveWriter& w) { w.WriteIdArray(ids); });
        const QByteArray head = count < 0xFFFF ? Written([&](CArchiveWriter& w) { w.WriteUInt16(count); })
                                               : Written([&](CArchiveWriter& w) {
                                                     w.WriteUInt16(0xFFFF);
                                                     w.WriteUInt32(count);
                                                 });
        EXPECT_TRUE(bytes.startsWith(head)) << count;
        EXPECT_EQ(bytes.size(), head.size() + 4 * qsizetype(count)) << count;

        CArchiveReader reader(bytes.constData(), bytes.size());
        EXPECT_EQ(reader.ReadIdArray(), ids) << count;
        EXPECT_TRUE(reader.AtEnd()) << count;
    }
}

// Every value survives a round trip, including the awkward ones.
TEST(CArchiveWriter, RoundTrip) {
    const QString surrogates = QString(QChar(0xD800)) + QChar(0xDC00) + QChar(0xDFFF) + QChar(0xD800);
    const QByteArray bytes = Written([&](CArchiveWriter& w) {
        w.WriteInt32(std::numeric_limits<qint32>::min());
        w.WriteUInt32(std::numeric_limits<quint32>::max());
        w.WriteInt16(std::numeric_limits<qint16>::min());
        w.WriteDouble(std::numeric_limits<double>::denorm_min());
        w.WriteDouble(-0.0);
        w.WriteString(surrogates);
        w.WriteString(QString(1, QChar(0)));
        w.WriteTime(std::numeric_limits<qint64>::min());
        w.WriteTime(std::numeric_limits<qint64>::max());
        w.WriteBool(true);
    });
    CArchiveReader r(bytes.constData(), bytes.size());
    EXPECT_EQ(r.ReadInt32(), std::numeric_limits<qint32>::min());
    EXPECT_EQ(r.ReadUInt32(), std::numeric_limits<quint32>::max());
    EXPECT_EQ(r.ReadInt16(), std::numeric_limits<qint16>::min());
    EXPECT_EQ(r.ReadDouble(), std::numeric_limits<double>::denorm_min());
    EXPECT_TRUE(std::signbit(r.ReadDouble()));
    EXPECT_EQ(r.ReadString(), surrogates);
    EXPECT_EQ(r.ReadString(), QString(1, QChar(0)));
    EXPECT_EQ(r.ReadTime(), std::numeric_limits<qint64>::min());
    EXPECT_EQ(r.ReadTime(), std::numeric_limits<qint64>::max());
    EXPECT_TRUE(r.ReadBool());
    EXPECT_TRUE(r.AtEnd());
}

// Room is made in large steps; only what was written is handed over, and the writer starts again.
TEST(CArchiveWriter, HandsOverExactlyWhatWasWritten) {
    CArchiveWriter writer;
    const QString text(5000, QChar('x'));
    for (int i = 0; i < 3; ++i)
        writer.WriteString(text);
    writer.WriteByte(0x7F);
    const QByteArray first = writer.TakeBytes();
    EXPECT_EQ(first.size(), 3 * (6 + 10000) + 1);
    EXPECT_EQ(first.back(), '\x7F');
    writer.WriteInt16(2);
    EXPECT_EQ(writer.TakeBytes(), QByteArray("\x02\x00", 2));
    EXPECT_TRUE(writer.TakeBytes().isEmpty());
}

}  // namespace
