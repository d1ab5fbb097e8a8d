#pragma once

#include "document/CReqDoc.h"
#include "document/ProjectDump.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

// The project's dump for comparisons across undo and redo: identifier counters are never turned back,
// so they are left out.
inline QByteArray UndoComparableDump(const CReqDoc& doc) {
    QJsonObject dump = QJsonDocument::fromJson(ProjectDump::Dump(doc, QStringLiteral("undo"))).object();
    for (const QString& key : dump.keys()) {
        if (key.startsWith(QLatin1String("m_nLast")))
            dump.remove(key);
    }
    return QJsonDocument(dump).toJson();
}

// Equal dumps, or the first lines where they part.
inline testing::AssertionResult SameDump(const QByteArray& actual, const QByteArray& expected) {
    if (actual == expected)
        return testing::AssertionSuccess();
    const QStringList a = QString::fromUtf8(actual).split(u'\n');
    const QStringList e = QString::fromUtf8(expected).split(u'\n');
    qsizetype line = 0;
    while (line < a.size() && line < e.size() && a[line] == e[line])
        ++line;
    auto result = testing::AssertionFailure() << "dumps part at line " << line << ":\n";
    for (qsizetype i = std::max<qsizetype>(0, line - 12); i < line + 4; ++i)
        result << (i < a.size() ? a[i].toStdString() : "") << "  |  "
               << (i < e.size() ? e[i].toStdString() : "") << "\n";
    return result;
}
