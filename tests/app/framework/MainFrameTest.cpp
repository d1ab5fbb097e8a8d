#include "MainFrameFixture.h"
#include "app/framework/CChildFrame.h"
#include "app/framework/CDVCommandManager.h"
#include "app/framework/CDocManager.h"
#include "app/framework/CDovalintra2App.h"
#include "app/framework/CMainFrame.h"
#include "app/framework/CommandIds.h"
#include "app/shell/CRibbonApplicationMenu.h"
#include "app/shell/CRibbonBar.h"
#include "dialogs/Dlg_Project_General.h"
#include "dialogs/Dlg_Project_Options_Sheet.h"
#include "document/CReqDoc.h"
#include "document/CReqDocFile.h"
#include "support/DVTestSupport.h"
#include "support/PdfWords.h"
#include "views/CViewChildDV.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QLockFile>
#include <QMdiArea>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace CommandIds;

namespace {

// Runs the action on the next modal dialog that opens (the project properties sheet after New).
void OnNextModal(std::function<void(QDialog*)> action) {
    QTimer::singleShot(0, [action] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            action(dialog);
        }
    });
}

bool SaveNewProject(const QString& path) {
    CReqDoc project;
    project.CreateDefaultContent();
    return CReqDocFile(project).SaveDocument(path).ok;
}

class MainFrameTest : public MainFrameFixture {
protected:
    bool Enabled(int id) {
        frame->Commands().UpdateActions();
        return frame->Commands().Action(id)->isEnabled();
    }
    CReqDoc* NewWithoutProperties() {
        OnNextModal([](QDialog* dialog) { dialog->reject(); });
        frame->Commands().Action(ID_FILE_NEW)->trigger();
        return frame->ActiveDocument();
    }
};

TEST_F(MainFrameTest, CommandsWithAndWithoutADocument) {
    EXPECT_EQ(frame->MdiArea()->subWindowList().size(), 0);
    EXPECT_TRUE(Enabled(ID_FILE_NEW));
    EXPECT_TRUE(Enabled(ID_FILE_OPEN));
    EXPECT_FALSE(Enabled(ID_FILE_SAVE));
    EXPECT_FALSE(Enabled(ID_PROJECT_PROPERTIES));
    EXPECT_FALSE(Enabled(DVCmd::ViewActors));
    EXPECT_FALSE(Enabled(99999));  // nobody handles it
    NewWithoutProperties();
    EXPECT_TRUE(Enabled(ID_FILE_SAVE));
    EXPECT_TRUE(Enabled(ID_PROJECT_PROPERTIES));
    EXPECT_TRUE(Enabled(ID_VIEW_ACTORS_WINDOW));
    EXPECT_FALSE(Enabled(ID_LINK_PROJECT));  // only embedded documents link
}

TEST_F(MainFrameTest, NewShowsTheGeneralPageAndCancelKeepsTheDefaults) {
    QString firstPage;
    OnNextModal([&firstPage](QDialog* dialog) {
        auto* sheet = qobject_cast<Dlg_Project_Options_Sheet*>(dialog);
        auto* general = sheet != nullptr ? qobject_cast<Dlg_Project_General*>(sheet->Page(0)) : nullptr;
        if (general != nullptr) {
            firstPage = general->Title();
            general->NameEdit()->setText(QStringLiteral("Changed"));
        }
        dialog->reject();
    });
    frame->Commands().Action(ID_FILE_NEW)->trigger();
    EXPECT_EQ(firstPage, QStringLiteral("General Project Properties"));
    CReqDoc* doc = frame->ActiveDocument();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->m_requirements.size(), 4);
    EXPECT_EQ(doc->m_strProjectName, QStringLiteral("Dovalintra Project"));
    ASSERT_NE(frame->ActiveView(), nullptr);
    EXPECT_EQ(frame->ActiveView()->ViewType(), CReqDoc::ViewRequirements);
}

TEST_F(MainFrameTest, GeneralPageAsksBeforeALowerVersion) {
    CReqDoc doc;
    doc.m_version = {true, QString(), 2, 0, 0};
    for (int answer : {DV::IDNO, DV::IDYES}) {
        Dlg_Project_Options_Sheet sheet(&doc);
        auto* general = qobject_cast<Dlg_Project_General*>(sheet.Page(0));
        general->EnsureInitialised();
        general->NameEdit()->setText(QStringLiteral("Renamed"));
        general->MajorSpin()->setValue(1);
        general->MinorSpin()->setValue(5);
        boxes.Clear();
        boxes.answers = {answer};
        sheet.accept();
        ASSERT_EQ(boxes.texts.size(), 1);
        EXPECT_EQ(boxes.texts[0],
                  QStringLiteral("New Version Number 1.5 would be lower than actual Version Number "
                                 "2.0!\nAre you sure that you want this new Version Number?"));
        EXPECT_EQ(boxes.types[0], DV::MB_YESNO | DV::MB_ICONWARNING | DV::MB_DEFBUTTON2);
        EXPECT_EQ(sheet.Changed(), answer == DV::IDYES);
    }
    EXPECT_EQ(FormatVersion(doc.m_version), QStringLiteral("1.5.0"));
    EXPECT_EQ(doc.m_strProjectName, QStringLiteral("Renamed"));
    // Switching to user-defined numbering keeps major and minor.
    Dlg_Project_Options_Sheet sheet(&doc);
    auto* general = qobject_cast<Dlg_Project_General*>(sheet.Page(0));
    general->EnsureInitialised();
    EXPECT_FALSE(general->PrefixEdit()->isEnabled());
    general->UserDefinedRadio()->setChecked(true);
    EXPECT_TRUE(general->PrefixEdit()->isEnabled());
    EXPECT_FALSE(general->MajorSpin()->isEnabled());
    general->PrefixEdit()->setText(QStringLiteral("A.B."));
    sheet.accept();
    EXPECT_TRUE(sheet.Changed());
    EXPECT_FALSE(doc.m_version.bThreeDigit);
    EXPECT_EQ(doc.m_version.nMajor, 1);
    EXPECT_EQ(doc.m_version.nMinor, 5);
}

TEST_F(MainFrameTest, OpenSaveRoundTripAndTheClosePrompt) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("project.dvx"));
    {
        CReqDoc source;
        source.CreateDefaultContent();
        source.m_strProjectName = QStringLiteral("Round Trip");
        ASSERT_TRUE(CReqDocFile(source).SaveDocument(path).ok);
    }
    CReqDoc* doc = frame->Documents().OpenDocument(path);
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->m_strProjectName, QStringLiteral("Round Trip"));
    EXPECT_EQ(frame->Documents().TitleOf(doc), QStringLiteral("project.dvx"));
    EXPECT_EQ(frame->Documents().OpenDocument(path), doc);  // already open: no second copy
    EXPECT_EQ(frame->Documents().DocumentCount(), 1);

    doc->m_strProjectName = QStringLiteral("Edited");
    doc->SetModifiedFlag(true);
    boxes.answers = {DV::IDCANCEL};
    EXPECT_FALSE(frame->Documents().CloseDocument(doc));
    EXPECT_EQ(boxes.texts.last(), QStringLiteral("Save changes to project.dvx?"));
    EXPECT_EQ(frame->Documents().DocumentCount(), 1);
    boxes.answers = {DV::IDYES};
    EXPECT_TRUE(frame->Documents().CloseDocument(doc));
    EXPECT_EQ(frame->Documents().DocumentCount(), 0);
    QApplication::processEvents();
    EXPECT_TRUE(frame->MdiArea()->subWindowList().isEmpty());

    doc = frame->Documents().OpenDocument(path);
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->m_strProjectName, QStringLiteral("Edited"));
    doc->SetModifiedFlag(true);
    boxes.answers = {DV::IDNO};
    EXPECT_TRUE(frame->Documents().CloseDocument(doc));
    ASSERT_NE(frame->Documents().OpenDocument(path), nullptr);
    EXPECT_EQ(frame->ActiveDocument()->m_strProjectName, QStringLiteral("Edited"));
    EXPECT_EQ(frame->Documents().RecentFiles().value(0), QFileInfo(path).absoluteFilePath());
}

TEST_F(MainFrameTest, AFailedOpenReportsAndOpensNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("broken.dvx"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a project");
    file.close();
    EXPECT_EQ(frame->Documents().OpenDocument(path), nullptr);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].startsWith(QStringLiteral("Failed to open document.\n")));
    EXPECT_EQ(frame->Documents().DocumentCount(), 0);
    EXPECT_TRUE(frame->MdiArea()->subWindowList().isEmpty());
}

// Another program holding the project's lock: the user is warned and may open the file anyway.
TEST_F(MainFrameTest, OpeningAProjectOpenElsewhereAsksFirst) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("shared.dvx"));
    ASSERT_TRUE(SaveNewProject(path));
    // Held as another instance of the program would hold it: by a live process.
    QLockFile other(dir.filePath(QStringLiteral(".shared.dvx.lock")));
    ASSERT_TRUE(other.tryLock(0));

    boxes.answers = {DV::IDNO};
    EXPECT_EQ(frame->Documents().OpenDocument(path), nullptr);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].startsWith(QStringLiteral("\"shared.dvx\" is already open in process %1")
                                              .arg(QCoreApplication::applicationPid())))
        << boxes.texts[0].toStdString();
    EXPECT_EQ(boxes.types[0], DV::MB_YESNO | DV::MB_ICONWARNING | DV::MB_DEFBUTTON2);
    EXPECT_EQ(frame->Documents().DocumentCount(), 0);

    boxes.answers = {DV::IDYES};
    EXPECT_NE(frame->Documents().OpenDocument(path), nullptr);
    EXPECT_EQ(boxes.texts.size(), 2);
}

// While the application has a project open, it holds the lock that other programs wait for.
TEST_F(MainFrameTest, AnOpenProjectHoldsItsLock) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mine.dvx"));
    ASSERT_TRUE(SaveNewProject(path));
    CReqDoc* doc = frame->Documents().OpenDocument(path);
    ASSERT_NE(doc, nullptr);
    EXPECT_TRUE(boxes.texts.isEmpty());
    QLockFile probe(dir.filePath(QStringLiteral(".mine.dvx.lock")));
    EXPECT_FALSE(probe.tryLock(0));
    EXPECT_TRUE(frame->Documents().CloseDocument(doc));
    EXPECT_TRUE(probe.tryLock(0));
}

TEST_F(MainFrameTest, ViewTypeSwitchInTheSameWindow) {
    NewWithoutProperties();
    CChildFrame* window = frame->ActiveFrame();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(Enabled(DVCmd::ViewRequirements));
    EXPECT_TRUE(Enabled(DVCmd::ViewActors));
    EXPECT_TRUE(Enabled(DVCmd::ViewUseCases));
    frame->Commands().Action(DVCmd::ViewActors)->trigger();
    EXPECT_EQ(frame->ActiveFrame(), window);
    ASSERT_NE(window->GetActiveView(), nullptr);
    EXPECT_EQ(window->GetActiveView()->ViewType(), CReqDoc::ViewActors);
    EXPECT_FALSE(Enabled(DVCmd::ViewActors));
    EXPECT_TRUE(Enabled(DVCmd::ViewRequirements));
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("Actors of ")));
}

TEST_F(MainFrameTest, SeveralWindowsOfOneDocument) {
    CReqDoc* doc = NewWithoutProperties();
    frame->Commands().Action(ID_VIEW_USE_CASES_WINDOW)->trigger();
    EXPECT_EQ(frame->WindowsOf(doc).size(), 2);
    EXPECT_EQ(frame->ActiveView()->ViewType(), CReqDoc::ViewUseCases);
    EXPECT_EQ(doc->m_nNextViewType, CReqDoc::ViewNone);
    // Closing one of two windows asks nothing and keeps the document.
    doc->SetModifiedFlag(true);
    frame->ActiveFrame()->close();
    QApplication::processEvents();
    EXPECT_TRUE(boxes.texts.isEmpty());
    EXPECT_EQ(frame->Documents().DocumentCount(), 1);
    EXPECT_EQ(frame->WindowsOf(doc).size(), 1);
}

// Print Setup, Print, Quick Print and Print Preview work on the one printer of the application, so the
// paper chosen once holds for all of them.
TEST_F(MainFrameTest, PrintCommandsShareTheApplicationsPrinter) {
    NewWithoutProperties();
    QTemporaryDir dir;
    QPrinter* printer = frame->Printer();
    ASSERT_NE(printer, nullptr);
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF()));
    printer->setOutputFileName(dir.filePath(QStringLiteral("quick.pdf")));
    frame->Commands().Action(ID_FILE_PRINT_DIRECT)->trigger();
    const PdfText quick = ReadPdfWords(dir.filePath(QStringLiteral("quick.pdf")));
    ASSERT_TRUE(quick.read) << quick.error.toStdString();
    ASSERT_EQ(quick.pages.size(), 1u);
    EXPECT_NEAR(quick.pages[0].size.width(), 595, 1);  // A5 across
    EXPECT_NEAR(quick.pages[0].size.height(), 420, 1);
    EXPECT_FALSE(quick.pages[0].words.empty());

    struct Shown {
        QPrinter* printer = nullptr;
        int pages = 0;
        QPageLayout::Orientation orientation = QPageLayout::Portrait;
    } print, preview;
    OnNextModal([&print](QDialog* dialog) {
        if (auto* shown = qobject_cast<QPrintDialog*>(dialog)) {
            print.printer = shown->printer();
        }
        dialog->reject();
    });
    frame->Commands().Action(ID_FILE_PRINT)->trigger();
    EXPECT_EQ(print.printer, printer);
    OnNextModal([&preview](QDialog* dialog) {
        if (auto* shown = qobject_cast<QPrintPreviewDialog*>(dialog)) {
            preview.printer = shown->printer();
            if (auto* pages = shown->findChild<QPrintPreviewWidget*>()) {
                preview.pages = pages->pageCount();
                preview.orientation = pages->orientation();
            }
        }
        dialog->reject();
    });
    frame->Commands().Action(ID_FILE_PRINT_PREVIEW)->trigger();
    EXPECT_EQ(preview.printer, printer);
    EXPECT_EQ(preview.pages, 1);
    EXPECT_EQ(preview.orientation, QPageLayout::Landscape);
}

// Before anything was printed Quick Print has nowhere to go: it asks like Print.
TEST_F(MainFrameTest, QuickPrintWithoutADestinationAsksFirst) {
    NewWithoutProperties();
    frame->Printer()->setPrinterName(QString());
    frame->Printer()->setOutputFileName(QString());
    bool asked = false;
    OnNextModal([&asked](QDialog* dialog) {
        asked = qobject_cast<QPrintDialog*>(dialog) != nullptr;
        dialog->reject();
    });
    frame->Commands().Action(ID_FILE_PRINT_DIRECT)->trigger();
    EXPECT_TRUE(asked);
    EXPECT_TRUE(boxes.texts.isEmpty());
}

TEST_F(MainFrameTest, StylePersistsAcrossARestart) {
    EXPECT_EQ(frame->CurrentStyle(), ID_STYLE_DEFAULT);
    frame->Commands().Action(217)->trigger();
    EXPECT_TRUE(frame->Commands().Action(217)->isChecked());
    frame.reset();
    frame = std::make_unique<CMainFrame>();
    EXPECT_EQ(frame->CurrentStyle(), 217);
    EXPECT_EQ(QSettings().value(QStringLiteral("ApplicationLook")).toInt(), 217);
}

TEST(Application, PlainStartOpensNoDocument) {
    QSettings().clear();
    CDovalintra2App app(*qApp);
    int exitCode = -1;
    ASSERT_TRUE(app.InitInstance({QStringLiteral("dovalintra"), QStringLiteral("--no-splash")}, exitCode));
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(app.MainFrame()->Documents().DocumentCount(), 0);
    EXPECT_TRUE(app.MainFrame()->isVisible());
    QApplication::processEvents();
    ASSERT_NE(app.MainFrame()->Ribbon()->ApplicationMenu(), nullptr);
    EXPECT_TRUE(app.MainFrame()->Ribbon()->ApplicationMenu()->isVisible());
    app.MainFrame()->Ribbon()->ApplicationMenu()->hide();
}

TEST(Application, FailedOpenEndsTheStart) {
    MessageRecorder boxes;
    CDovalintra2App app(*qApp);
    int exitCode = 0;
    EXPECT_FALSE(app.InitInstance({QStringLiteral("dovalintra"), QStringLiteral("--no-splash"),
                                   QStringLiteral("/nonexistent/missing.dvx")},
                                  exitCode));
    EXPECT_EQ(exitCode, 1);
}

}  // namespace
