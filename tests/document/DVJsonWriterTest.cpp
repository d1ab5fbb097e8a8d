#include "document/DVJsonWriter.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

QByteArray Written(const std::function<void(DVJsonWriter&)>& write) {
    QByteArray text;
    QBuffer buffer(&text);
    buffer.open(QIODevice::WriteOnly);
    DVJsonWriter json(buffer);
    write(json);
    EXPECT_TRUE(json.Finish());
    return text;
}

// The writer's text is the text QJsonDocument makes of the same values, to the byte.
TEST(DVJsonWriter, WritesWhatQJsonDocumentWrites) {
    const double numbers[] = {0.0,
                              5.0,
                              -3.0,
                              0.1,
                              0.25,
                              1e-7,
                              2.5e-310,
                              1234567.0,
                              1e15,
                              1e19,
                              1.5e19,
                              18446744073709551616.0,
                              1e20,
                              1e300,
                              9007199254740993.0,
                              std::numeric_limits<double>::max(),
                              std::numeric_limits<double>::denorm_min()};
    QString controls;
    for (char16_t c = 0; c < 0x20; ++c)
        controls += QChar(c);
    const QString strings[] = {QString(),
                               QStringLiteral("plain"),
                               controls,
                               QStringLiteral("\"quoted\" \\ / \x7f"),
                               QStringLiteral(u"Müller € \u2028 \uFDD0 \uFFFF"),
                               QString::fromUcs4(U"\U0001F600"),
                               QString(QChar(0xD800)) + u'x' + QChar(0xDC00)};
    const qint64 integers[] = {0, -1, 2147483647, -2147483648LL, 1LL << 40};

    QJsonArray numberArray, stringArray, integerArray;
    for (double number : numbers)
        numberArray.append(number);
    for (const QString& string : strings)
        stringArray.append(string);
    for (qint64 integer : integers)
        integerArray.append(integer);
    const QJsonObject expected{{"a", QJsonArray{}},
                               {"b", QJsonObject{}},
                               {"c", QJsonArray{QJsonArray{}, QJsonArray{true, false, QJsonValue()}}},
                               {"integers", integerArray},
                               {"numbers", numberArray},
                               {"strings", stringArray}};

    const QByteArray written = Written([&](DVJsonWriter& json) {
        json.BeginObject();
        json.Key("a").BeginArray();
        json.EndArray();
        json.Key("b").BeginObject();
        json.EndObject();
        json.Key("c").BeginArray();
        json.BeginArray();
        json.EndArray();
        json.BeginArray();
        json.Bool(true);
        json.Bool(false);
        json.Null();
        json.EndArray();
        json.EndArray();
        json.Key("integers").BeginArray();
        for (qint64 integer : integers)
            json.Int(integer);
        json.EndArray();
        json.Key("numbers").BeginArray();
        for (double number : numbers)
            json.Double(number);
        json.EndArray();
        json.Key("strings").BeginArray();
        for (const QString& string : strings)
            json.String(string);
        json.EndArray();
        json.EndObject();
    });
    EXPECT_EQ(written.toStdString(), QJsonDocument(expected).toJson(QJsonDocument::Indented).toStdString());
}

// What JSON has no number for keeps its value: negative zero and the non-finite values.
TEST(DVJsonWriter, SpecialDoubles) {
    const QByteArray written = Written([](DVJsonWriter& json) {
        json.BeginArray();
        json.Double(-0.0);
        json.Double(std::nan(""));
        json.Double(std::numeric_limits<double>::infinity());
        json.Double(-std::numeric_limits<double>::infinity());
        json.EndArray();
    });
    EXPECT_EQ(written, QByteArray("[\n    -0.0,\n    \"NaN\",\n    \"Infinity\",\n    \"-Infinity\"\n]"));
}

}  // namespace
