#include "CliSupport.h"

#include "document/CReqDoc.h"
#include "document/CReqDocFile.h"
#include "document/DVOverviewFigures.h"

#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

namespace {

QJsonObject TallyJson(const PhaseTally& tally) {
    return QJsonObject{
        {"n", tally.n},         {"cost", tally.cost},         {"duration", tally.duration},
        {"nDone", tally.nDone}, {"costDone", tally.costDone}, {"durationDone", tally.durationDone}};
}

QJsonArray PhasesJson(const std::array<PhaseTally, 4>& phases) {
    QJsonArray array;
    for (const PhaseTally& tally : phases)
        array.append(TallyJson(tally));
    return array;
}

QJsonObject OverviewOf(const QString& path) {
    const CliRun run = RunCli({QStringLiteral("overview"), path});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

// The JSON holds the figures the chart draws, in its form.
TEST(CliOverview, PrintsTheFiguresOfBothExamples) {
    for (const char* name : {"CoffeeMachine", "InfusionPump"}) {
        SCOPED_TRACE(name);
        const QString path =
            QStringLiteral(DV_SOURCE_DIR "/resources/Examples/%1.dvx").arg(QLatin1String(name));
        CReqDoc doc;
        ASSERT_TRUE(CReqDocFile(doc).OpenDocument(path).ok);
        DVOverviewFigures figures;
        figures.Compute(doc);
        QJsonArray rows;
        for (const DVPOData& row : figures.Rows())
            rows.append(QJsonObject{{"name", row.strName}, {"phases", PhasesJson(row.own)}});
        const QJsonObject expected{
            {"rows", rows}, {"total", PhasesJson(figures.Total().own)}, {"sum", TallyJson(figures.Sum())}};
        EXPECT_EQ(OverviewOf(path), expected);
        EXPECT_GE(rows.size(), 3);
    }
}

TEST(CliOverview, NonFiniteFiguresAndErrors) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.dvx"));
    {
        CReqDoc doc;
        doc.CreateDefaultContent();
        doc.m_stepApproval.m_dCost = std::numeric_limits<double>::quiet_NaN();
        doc.m_requirements.at(1)->m_verification.m_dDuration = std::numeric_limits<double>::infinity();
        ASSERT_TRUE(CReqDocFile(doc).SaveDocument(path).ok);
    }
    const QJsonObject overview = OverviewOf(path);
    const QJsonArray total = overview["total"].toArray();
    EXPECT_EQ(total[0].toObject()["cost"].toString(), QStringLiteral("NaN"));
    EXPECT_EQ(total[2].toObject()["duration"].toString(), QStringLiteral("Infinity"));
    EXPECT_EQ(overview["rows"].toArray().size(), 4);
    EXPECT_EQ(overview["sum"].toObject()["n"].toInt(), 4);

    const CliRun missing = RunCli({QStringLiteral("overview"), dir.filePath(QStringLiteral("none.dvx"))});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(RunCli({QStringLiteral("overview")}).exitCode, 1);
}

}  // namespace
