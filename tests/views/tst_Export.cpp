#include "ViewFixture.h"

#include "document/DVStoredViewExport.h"
#include "model/StringIds.h"
#include "views/CViewTreelist.h"
#include "views/CViewUseCaseSteps.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class ExportViewTest : public ViewTest {
protected:
    ExportViewTest() {
        CDVViewHost::Instance().exportFileName = [this](QWidget*, const QString& filter,
                                                        const QString& suffix) {
            asked.append(filter + QLatin1Char('|') + suffix);
            return chosen;
        };
    }

    QByteArray Read(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The bytes the core writes for the stored view, with the lines of the column widths left out,
    // since the view's widths follow its window.
    QByteArray WithoutWidths(QByteArray bytes) const {
        QList<QByteArray> lines = bytes.split('\n');
        lines.removeIf([](const QByteArray& line) { return line.startsWith("<ss:Column "); });
        return lines.join('\n');
    }
    QByteArray StoredExport(DVExportWriter::Format format, int viewType, CUseCase* useCase = nullptr) {
        QByteArray bytes;
        DVExportWriter::Write(format, DVStoredViewExport(doc, viewType, useCase),
                              [&](QByteArrayView chunk) { bytes += chunk; });
        return bytes;
    }

    QTemporaryDir dir;
    QString chosen;
    QStringList asked;
};

// The view writes what the command-line tool writes for the stored view: same headers, same rows in
// tree order with collapsed branches, same cell texts; only the widths are the window's.
TEST_F(ExportViewTest, EachFormatWritesTheRowsOfTheView) {
    doc.CreateDefaultContent();
    doc.m_colsRequirements.m_fieldIds = {FIELD_TITLE, FIELD_ID, FIELD_DESCRIPTION, FIELD_APPROVED,
                                         FIELD_LINKAGE};
    doc.m_colsRequirements.m_flags.assign(5, 0);
    doc.m_userHeaders.push_back({FIELD_DESCRIPTION, QStringLiteral("Wörter")});
    Requirement* parent = AddRequirement(QStringLiteral("Brew & <serve>"));
    AddRequirement(QString::fromUtf8("Caf\u00e9 \U0001F600; hot"), parent->m_nId)->m_strDescription =
        QStringLiteral("line one\nline two");
    Requirement* deep = AddRequirement(QStringLiteral("Grinder"), parent->m_nId);
    AddRequirement(QStringLiteral("Burrs"), deep->m_nId);
    auto* view = Open<CViewTreelist>();
    view->GetGrid()->Expand(view->FindRowOfObject(parent->m_nId), TVE_COLLAPSE);

    struct Case {
        int command;
        DVExportWriter::Format format;
        const char* asked;
    };
    for (const Case& c :
         {Case{DVCmd::ExportXml, DVExportWriter::Format::Xml,
               "Extensible Markup Language Data (Excel compatible) (*.xml)|xml"},
          Case{DVCmd::ExportCsv, DVExportWriter::Format::Csv, "Comma-Separated Values Data (*.csv)|csv"},
          Case{DVCmd::ExportCsvUtf8, DVExportWriter::Format::CsvUtf8,
               "Comma-Separated Values Data (*.csv)|csv"}}) {
        SCOPED_TRACE(c.command);
        MessageRecorder messages;
        messages.answers = {DV::IDNO};
        chosen = dir.filePath(QStringLiteral("out%1").arg(c.command));
        asked.clear();
        EXPECT_TRUE(view->QueryCommand(c.command).enabled);
        view->RunRoutedCommand(c.command);
        EXPECT_EQ(asked, QStringList{QLatin1String(c.asked)});
        const QByteArray written = Read(chosen);
        messages.answers = {DV::IDNO};
        EXPECT_EQ(WithoutWidths(written), WithoutWidths(StoredExport(c.format, CReqDoc::ViewRequirements)));
        EXPECT_TRUE(written.contains(c.format == DVExportWriter::Format::Xml ? "Burrs</ss:Data>" : "Burrs;"));
    }
    // The widths are the grid's current ones.
    const QByteArray xml = Read(dir.filePath(QStringLiteral("out%1").arg(DVCmd::ExportXml)));
    EXPECT_TRUE(xml.contains(QStringLiteral("<ss:Column ss:Width=\"%1\"/>")
                                 .arg(view->GetGrid()->GetLayout()->ColumnWidth(0))
                                 .toLatin1()));
}

TEST_F(ExportViewTest, CancelWritesNothingAndAFailureIsReported) {
    doc.CreateDefaultContent();
    auto* view = Open<CViewTreelist>();
    MessageRecorder messages;
    chosen.clear();
    view->RunRoutedCommand(DVCmd::ExportCsv);
    EXPECT_EQ(asked.size(), 1);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(messages.texts.isEmpty());

    // A folder stands where the file would go: the reason is shown and nothing is left behind.
    chosen = dir.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    view->RunRoutedCommand(DVCmd::ExportXml);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(chosen));
    EXPECT_EQ(messages.types[0], DV::MB_OK | DV::MB_ICONEXCLAMATION);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("folder")});

    // Without the file dialog of the application the commands are off.
    CDVViewHost::Instance().exportFileName = nullptr;
    EXPECT_FALSE(view->QueryCommand(DVCmd::ExportCsvUtf8).enabled);
}

TEST_F(ExportViewTest, TheStepsViewExportsItsUseCase) {
    doc.CreateDefaultContent();
    CUseCase* useCase = AddUseCase(QStringLiteral("Brew"));
    AddStep(useCase, QStringLiteral("Press the button"));
    AddStep(useCase, QStringLiteral("Coffee flows"));
    auto* view = Open<CViewUseCaseSteps>(useCase);
    chosen = dir.filePath(QStringLiteral("steps.csv"));
    view->RunRoutedCommand(DVCmd::ExportCsvUtf8);
    EXPECT_EQ(Read(chosen), StoredExport(DVExportWriter::Format::CsvUtf8, CReqDoc::ViewSteps, useCase));
}

}  // namespace
