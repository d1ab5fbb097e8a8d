#pragma once

#include "document/CReqDoc.h"
#include "document/CReqDocFile.h"
#include "document/CompoundFile.h"
#include "document/ProjectDump.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

inline QString Fixture(const QString& name) {
    return QStringLiteral(DV_FIXTURES_DIR "/") + name;
}

inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

inline QJsonValue ParseJson(const QByteArray& text) {
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(text, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return json.isObject() ? QJsonValue(json.object()) : QJsonValue(json.array());
}

// The first path at which the two values differ, empty when they are equal; numbers must be the
// same double bit for bit, so that -0 and 0 differ.
inline QString JsonDifference(const QJsonValue& a, const QJsonValue& b, const QString& path = QString()) {
    if (a.type() != b.type())
        return path + QStringLiteral(": type");
    if (a.isDouble()) {
        const double x = a.toDouble();
        const double y = b.toDouble();
        return std::memcmp(&x, &y, sizeof x) == 0 ? QString()
                                                  : path + QStringLiteral(": %1 != %2").arg(x).arg(y);
    }
    if (a.isArray()) {
        const QJsonArray x = a.toArray();
        const QJsonArray y = b.toArray();
        if (x.size() != y.size())
            return path + QStringLiteral(": length");
        for (qsizetype i = 0; i < x.size(); ++i)
            if (QString d = JsonDifference(x[i], y[i], path + QStringLiteral("[%1]").arg(i)); !d.isEmpty())
                return d;
        return QString();
    }
    if (a.isObject()) {
        const QJsonObject x = a.toObject();
        const QJsonObject y = b.toObject();
        if (x.keys() != y.keys())
            return path + QStringLiteral(": keys");
        for (auto it = x.begin(); it != x.end(); ++it)
            if (QString d = JsonDifference(it.value(), y.value(it.key()), path + u'.' + it.key());
                !d.isEmpty())
                return d;
        return QString();
    }
    return a == b ? QString() : path + QStringLiteral(": value");
}

// A document with the file that opens and saves it.
struct OpenedProject {
    CReqDoc doc;
    CReqDocFile file{doc};

    QByteArray Dump() const { return ProjectDump::Dump(doc, file.FileFormat(), file.LinkedFileFormat()); }
};
