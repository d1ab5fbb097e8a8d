// The embedding server: an object file opened in a window of its own, its picture and extent written
// by Update, and the same picture drawn headless by --render.
#include "app/framework/CDVCommandManager.h"
#include "app/framework/CEmbeddedFrame.h"
#include "dialogs/Dlg_EmbeddedDocumentOptions.h"
#include "document/CEmbeddedObjectFile.h"
#include "document/CReqDoc.h"
#include "document/CReqDocFile.h"
#include "support/DVTestSupport.h"
#include "views/CViewChildDV.h"
#include "views/CViewDVTreeList.h"
#include "views/CViewMotherDV.h"
#include "views/DVCommandIds.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QImage PictureOf(const CEmbeddedObjectFile& object) {
    return QImage::fromData(object.picture, "PNG");
}

class EmbeddedServerTest : public ::testing::Test {
protected:
    // Opens the object in its window as the server start does; the dialog that opens by itself for a
    // new object is recorded and cancelled.
    void Start() {
        optionsOpened = false;
        frame = CEmbeddedFrame::Open(objectPath);
        ASSERT_NE(frame, nullptr);
        frame->OnInitialUpdate();
        frame->show();
        QTimer::singleShot(0, [this] {
            if (auto* dialog =
                    qobject_cast<Dlg_EmbeddedDocumentOptions*>(QApplication::activeModalWidget())) {
                optionsOpened = true;
                dialog->reject();
            }
        });
        frame->MotherView()->Activate();
        QCoreApplication::processEvents();
    }
    void Update() {
        frame->Commands().UpdateActions();
        frame->Commands().Action(CEmbeddedFrame::ID_FILE_UPDATE)->trigger();
    }

    QTemporaryDir dir;
    const QString objectPath = dir.filePath(QStringLiteral("object.dvo"));
    std::unique_ptr<CEmbeddedFrame> frame;
    bool optionsOpened = false;
    MessageRecorder boxes;
};

TEST_F(EmbeddedServerTest, NewObjectOpensTheOptionsAndUpdateWritesProjectPictureAndExtent) {
    Start();
    EXPECT_TRUE(optionsOpened);
    CReqDoc& doc = frame->Document();
    EXPECT_TRUE(doc.IsEmbedded());
    EXPECT_EQ(doc.m_requirements.size(), 4);
    EXPECT_TRUE(frame->Commands().Action(DVCmd::EmbeddedDocument)->isEnabled());
    EXPECT_EQ(frame->Commands().Action(CEmbeddedFrame::ID_FILE_UPDATE)->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_S));

    doc.m_requirements.at(0)->m_strTitle = QStringLiteral("Edited in the server");
    doc.SetModifiedFlag(true);
    Update();
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join(u'\n').toStdString();
    EXPECT_FALSE(doc.IsModified());

    const CEmbeddedObjectFile object = CEmbeddedObjectFile::Read(objectPath);
    CReqDoc reread;
    CReqDocFile(reread).LoadArchive(object.contents);
    EXPECT_EQ(reread.m_requirements.at(0)->m_strTitle, QStringLiteral("Edited in the server"));
    const QImage picture = PictureOf(object);
    ASSERT_FALSE(picture.isNull());
    // The picture is the view's at the top left of the extent; the extent is the document's.
    const qreal dpi = frame->ActiveView()->logicalDpiX();
    EXPECT_NEAR(picture.width(), doc.m_sizeExtent.cx * dpi / 2540.0, 1);
    EXPECT_NEAR(picture.height(), doc.m_sizeExtent.cy * dpi / 2540.0, 1);
    EXPECT_NEAR(picture.width(), frame->ActiveView()->width(), 1);
    EXPECT_EQ(object.extent, doc.m_sizeExtent);
    EXPECT_GT(object.extent.cx, 3000);
}

TEST_F(EmbeddedServerTest, ExtentOfThirtyMillimetresOrLessIsNotReported) {
    Start();
    CReqDoc& doc = frame->Document();
    frame->resize(400, 300);
    QCoreApplication::processEvents();
    doc.m_sizeExtent = {3000, 20000};
    ASSERT_TRUE(frame->Update());
    // The picture is the view's own, and its size is what the container is told.
    const CEmbeddedObjectFile object = CEmbeddedObjectFile::Read(objectPath);
    const QImage picture = PictureOf(object);
    ASSERT_FALSE(picture.isNull());
    const qreal dpi = frame->ActiveView()->logicalDpiX();
    EXPECT_NE(object.extent, (DVSize{3000, 20000}));
    EXPECT_NEAR(object.extent.cx, picture.width() * 2540.0 / dpi, 1);
}

TEST_F(EmbeddedServerTest, OverviewPictureIsTheChartAtTheExtentAndTheViewTypeIsKept) {
    Start();
    frame->Commands().UpdateActions();
    frame->Commands().Action(DVCmd::ViewOverview)->trigger();
    ASSERT_EQ(frame->ActiveView()->ViewType(), CReqDoc::ViewOverview);
    // One window: the switch replaced the view in it.
    EXPECT_EQ(frame->MotherView()->GetHostedView(), frame->ActiveView());
    ASSERT_TRUE(frame->Update());
    const CEmbeddedObjectFile object = CEmbeddedObjectFile::Read(objectPath);
    const QImage picture = PictureOf(object);
    const qreal dpi = frame->ActiveView()->logicalDpiX();
    EXPECT_NEAR(picture.width(), frame->Document().m_sizeExtent.cx * dpi / 2540.0, 1);

    // Opened again, the object shows the overview at its extent.
    const DVSize extent = frame->Document().m_sizeExtent;
    frame.reset();
    Start();
    EXPECT_FALSE(optionsOpened);
    EXPECT_EQ(frame->ActiveView()->ViewType(), CReqDoc::ViewOverview);
    EXPECT_NEAR(frame->ActiveView()->width(), extent.cx * dpi / 2540.0, 2);
}

TEST_F(EmbeddedServerTest, UseCaseStepsAndViewCommandsOpenInTheSameWindow) {
    Start();
    frame->Commands().UpdateActions();
    frame->Commands().Action(32775)->trigger();  // the document's "Use Cases"
    QCoreApplication::processEvents();
    ASSERT_EQ(frame->ActiveView()->ViewType(), CReqDoc::ViewUseCases);
    CTreeListCtrl* grid = static_cast<CViewDVTreeList*>(frame->ActiveView())->GetGrid();
    grid->SelectItem(grid->GetItemOfRow(0), TVGN_CARET);
    frame->Commands().Action(DVCmd::EditUseCaseSteps)->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(frame->ActiveView()->ViewType(), CReqDoc::ViewSteps);
    EXPECT_EQ(frame->Document().m_nStepsUseCaseId, frame->Document().m_useCases.first()->m_nId);
}

TEST_F(EmbeddedServerTest, UpdateCollectsTheColumnLayoutOfTheView) {
    Start();
    CTreeListCtrl* grid = static_cast<CViewDVTreeList*>(frame->ActiveView())->GetGrid();
    grid->SetColumnWidth(1, 123);
    ASSERT_TRUE(frame->Update());
    // The column choice opens in the embedded window as in the main window's.
    bool chooserOpened = false;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            chooserOpened = true;
            dialog->reject();
        }
    });
    frame->Commands().UpdateActions();
    frame->Commands().Action(DVCmd::ChooseColumns)->trigger();
    EXPECT_TRUE(chooserOpened);
    // So does export, which asks for its file as there.
    EXPECT_TRUE(frame->Commands().Action(DVCmd::ExportCsv)->isEnabled());
    CReqDoc reread;
    CReqDocFile(reread).LoadArchive(CEmbeddedObjectFile::Read(objectPath).contents);
    ASSERT_GT(reread.m_colsRequirements.m_widths.size(), 1u);
    EXPECT_EQ(reread.m_colsRequirements.m_widths[1], 123);
}

TEST_F(EmbeddedServerTest, HugeStoredExtentOpensAtTheDefaultExtent) {
    CReqDoc project;
    project.CreateDefaultContent();
    project.m_sizeExtent = {2000000000, 2000000000};
    CEmbeddedObjectFile object;
    object.contents = CReqDocFile(project).StoreArchive();
    object.Write(objectPath);
    Start();
    // The view follows its window, so the extent comes back through whole pixels.
    EXPECT_NEAR(frame->Document().m_sizeExtent.cx, 19000, 30);
    EXPECT_NEAR(frame->Document().m_sizeExtent.cy, 10000, 30);
    EXPECT_LT(frame->width(), 2000);
}

TEST_F(EmbeddedServerTest, UnreadableObjectIsReportedAndNotOpened) {
    QFile file(objectPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a project");
    file.close();
    EXPECT_EQ(CEmbeddedFrame::Open(objectPath), nullptr);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts.front().startsWith(QStringLiteral("Failed to open document.")));
}

TEST_F(EmbeddedServerTest, RenderWritesThePictureAndPrintsTheExtent) {
    Start();
    ASSERT_TRUE(frame->Update());
    const CEmbeddedObjectFile object = CEmbeddedObjectFile::Read(objectPath);
    frame.reset();

    const struct {
        QStringList arguments;
        int exitCode;
    } runs[] = {
        {{QStringLiteral("--render"), objectPath, QStringLiteral("-o"),
          dir.filePath(QStringLiteral("p.png"))},
         0},
        {{QStringLiteral("--render"), dir.filePath(QStringLiteral("missing.dvo")), QStringLiteral("-o"),
          dir.filePath(QStringLiteral("q.png"))},
         2},
        {{QStringLiteral("--render"), objectPath}, 1},
    };
    for (const auto& run : runs) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.remove(QStringLiteral("DISPLAY"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(DV_APP_PATH), run.arguments);
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), run.exitCode) << run.arguments.join(u' ').toStdString();
        if (run.exitCode == 0) {
            EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()).trimmed(),
                      QStringLiteral("%1 %2").arg(object.extent.cx).arg(object.extent.cy));
            const QImage picture(dir.filePath(QStringLiteral("p.png")));
            EXPECT_EQ(picture.size(), PictureOf(object).size());
        }
    }
}

}  // namespace
