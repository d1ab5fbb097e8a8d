#include "CliSupport.h"

#include "document/CReqDoc.h"
#include "document/CReqDocFile.h"
#include "document/DVStoredViewExport.h"
#include "model/StringIds.h"

#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CliExport : public testing::Test {
protected:
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

QString Example(const QString& name) {
    return QStringLiteral(DV_SOURCE_DIR "/resources/Examples/") + name + QStringLiteral(".dvx");
}

// The file read back by python3 the way a spreadsheet program reads it: rows of cell texts.
QJsonArray ReadAsSpreadsheet(const QString& format, const QString& path) {
    QProcess python;
    python.start(QStringLiteral(DV_PYTHON3), {QStringLiteral(DV_READ_EXPORT_SCRIPT), format, path});
    EXPECT_TRUE(python.waitForFinished(60000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
}

// Standard output as bytes: the exports are no UTF-8 text to decode.
QByteArray RawOutput(const QStringList& arguments) {
    QProcess process;
    StartCli(process, arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

TEST_F(CliExport, ExamplesMatchTheirGoldenFiles) {
    for (const QString& example : {QStringLiteral("CoffeeMachine"), QStringLiteral("InfusionPump")}) {
        for (const auto& [format, suffix] :
             {std::pair{"xml", "xml"}, {"csv", "csv"}, {"csv-utf8", "utf8.csv"}}) {
            SCOPED_TRACE((example + QLatin1Char(' ') + QLatin1String(format)).toStdString());
            const QString golden =
                QStringLiteral(DV_SOURCE_DIR "/tests/cli/golden/%1-requirements.%2").arg(example, suffix);
            const QStringList arguments{QStringLiteral("export"),   Example(example),
                                        QStringLiteral("--view"),   QStringLiteral("requirements"),
                                        QStringLiteral("--format"), QLatin1String(format)};
            EXPECT_EQ(RawOutput(arguments), FileBytes(golden));
            const QString out = Path(QStringLiteral("out"));
            ASSERT_EQ(RunCli(arguments + QStringList{QStringLiteral("-o"), out}).exitCode, 0);
            EXPECT_EQ(FileBytes(out), FileBytes(golden));
        }
    }
}

// Every view of a project exports; the steps view names its use case.
TEST_F(CliExport, EveryViewAndItsUsageErrors) {
    const QString file = Example(QStringLiteral("CoffeeMachine"));
    CReqDoc doc;
    ASSERT_TRUE(CReqDocFile(doc).OpenDocument(file).ok);
    qint32 withSteps = 0;
    for (const CUseCase* useCase : doc.m_useCases)
        if (withSteps == 0 && useCase->m_steps.size() > 0)
            withSteps = useCase->m_nId;
    ASSERT_NE(withSteps, 0);
    const QString steps = QStringLiteral("steps=%1").arg(withSteps);
    for (const QString& view : {QStringLiteral("actors"), QStringLiteral("use-cases"), steps}) {
        SCOPED_TRACE(view.toStdString());
        const CliRun run = RunCli({QStringLiteral("export"), file, QStringLiteral("--format"),
                                   QStringLiteral("csv"), QStringLiteral("--view"), view});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        int rows = 0;
        DVStoredViewExport(doc,
                           view == steps       ? CReqDoc::ViewSteps
                           : view == u"actors" ? CReqDoc::ViewActors
                                               : CReqDoc::ViewUseCases,
                           doc.FindUseCase(withSteps))
            .ForEachRow([&](const QStringList&) { ++rows; });
        EXPECT_GT(rows, 0);
        EXPECT_EQ(run.out.count(u'\n'), rows + 1);
    }
    struct Bad {
        QStringList arguments;
        int exitCode;
    };
    for (const Bad& bad : std::vector<Bad>{
             {{QStringLiteral("--view"), QStringLiteral("overview"), QStringLiteral("--format"),
               QStringLiteral("xml")},
              1},
             {{QStringLiteral("--view"), QStringLiteral("steps=999"), QStringLiteral("--format"),
               QStringLiteral("xml")},
              1},
             {{QStringLiteral("--view"), QStringLiteral("actors"), QStringLiteral("--format"),
               QStringLiteral("pdf")},
              1},
             {{QStringLiteral("--view"), QStringLiteral("actors"), QStringLiteral("--view"),
               QStringLiteral("actors")},
              1},
         }) {
        const CliRun run = RunCli(QStringList{QStringLiteral("export"), file} + bad.arguments);
        EXPECT_EQ(run.exitCode, bad.exitCode) << bad.arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    const CliRun missing =
        RunCli({QStringLiteral("export"), Path(QStringLiteral("none.dvx")), QStringLiteral("--view"),
                QStringLiteral("actors"), QStringLiteral("--format"), QStringLiteral("xml")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.err.startsWith(QStringLiteral("Failed to open document.")));
}

// python3 reads the XML and the UTF-8 CSV and finds every cell text, characters beyond the code page
// and beyond the basic plane included; the ";" question is answered with its default, Yes, and shown on
// standard error.
TEST_F(CliExport, SpreadsheetReadersFindEveryText) {
    const QString project = Path(QStringLiteral("texts.dvx"));
    {
        CReqDoc doc;
        doc.CreateDefaultContent();
        const QString texts[] = {
            QString::fromUtf8("M\u00fcller & <S\u00f6hne> \u20ac 5"),
            QString::fromUtf8("emoji \U0001F600 and \u4e2d\u6587"),
            QStringLiteral("two\nlines; \"quoted\""),
            QStringLiteral("  spaced  "),
        };
        for (int i = 0; i < 4; ++i) {
            doc.m_requirements.at(i)->m_strTitle = texts[i];
            doc.m_requirements.at(i)->m_strDescription = texts[3 - i];
        }
        ASSERT_TRUE(CReqDocFile(doc).SaveDocument(project).ok);
    }
    CReqDoc doc;
    ASSERT_TRUE(CReqDocFile(doc).OpenDocument(project).ok);
    const DVStoredViewExport source(doc, CReqDoc::ViewRequirements);
    QJsonArray expected;
    QJsonArray header;
    for (const DVExportColumn& column : source.Columns())
        header.append(column.header);
    expected.append(header);
    source.ForEachRow([&](const QStringList& cells) { expected.append(QJsonArray::fromStringList(cells)); });
    ASSERT_EQ(expected.size(), 5);

    for (const QString& format : {QStringLiteral("xml"), QStringLiteral("csv-utf8")}) {
        SCOPED_TRACE(format.toStdString());
        const QString out = Path(QStringLiteral("out.") + format);
        const CliRun run = RunCli({QStringLiteral("export"), project, QStringLiteral("--view"),
                                   QStringLiteral("requirements"), QStringLiteral("--format"), format,
                                   QStringLiteral("-o"), out});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.err.isEmpty());
        EXPECT_EQ(ReadAsSpreadsheet(format, out), expected);
    }
    const CliRun csv =
        RunCli({QStringLiteral("export"), project, QStringLiteral("--view"), QStringLiteral("requirements"),
                QStringLiteral("--format"), QStringLiteral("csv")});
    EXPECT_EQ(csv.exitCode, 0);
    const QStringList boxes = csv.err.trimmed().split(u'\n');
    ASSERT_EQ(boxes.size(), 1);
    const QJsonObject box = QJsonDocument::fromJson(boxes[0].toUtf8()).object();
    EXPECT_EQ(box["box"].toString(),
              QStringLiteral("Do you want to replace all \";\"-characters with \":\"?"));
    EXPECT_EQ(box["answer"].toString(), QStringLiteral("yes"));
    EXPECT_TRUE(csv.out.contains(QStringLiteral("two\nlines: \"quoted\"")));
}

}  // namespace
