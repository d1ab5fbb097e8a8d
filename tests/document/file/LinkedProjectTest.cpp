#include "ProjectFileSupport.h"

#include "document/DVFileError.h"
#include "document/DVLinkedFileChooser.h"
#include "support/DVTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

class LinkedProject : public testing::Test {
protected:
    void SetUp() override {
        // The linked file: a project with its own extent and view type.
        CReqDoc project;
        project.CreateDefaultContent();
        project.m_requirements.at(0)->m_strTitle = QStringLiteral("Linked needs");
        project.m_sizeExtent = {1111, 2222};
        project.m_nViewType = CReqDoc::ViewUseCases;
        ASSERT_TRUE(CReqDocFile(project).SaveDocument(m_linkedPath).ok);

        // The container: linked to it, with its own extent, view type and view columns.
        CReqDoc& doc = m_container.doc;
        ASSERT_TRUE(m_container.file.OpenLinkedProject(m_linkedPath, true));
        doc.m_bLinked = true;
        doc.m_strLinkedPath = m_linkedPath;
        doc.m_sizeExtentLinked = doc.m_sizeExtent;
        doc.m_nViewTypeLinked = doc.m_nViewType;
        doc.m_sizeExtent = {5000, 6000};
        doc.m_nViewType = CReqDoc::ViewActors;
        doc.m_colsActors.Clear();
        doc.m_colsActors.AddColumn(407, 120, 1);
        doc.m_clrAltLinked = 0x123456;
        doc.m_requirements.at(0)->m_strTitle = QStringLiteral("Edited in the container");
    }

    QString Path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

    QTemporaryDir m_dir;
    const QString m_linkedPath = m_dir.filePath(QStringLiteral("linked.dvx"));
    const QString m_containerPath = m_dir.filePath(QStringLiteral("container.dvx"));
    OpenedProject m_container;
    MessageRecorder m_boxes;
};

TEST_F(LinkedProject, SaveWritesBothFilesAndOpenReadsThem) {
    ASSERT_TRUE(m_container.file.SaveDocument(m_containerPath).ok);
    EXPECT_TRUE(m_boxes.texts.isEmpty()) << m_boxes.texts.join(u'\n').toStdString();
    // The container's own values survive its save.
    EXPECT_EQ(m_container.doc.m_sizeExtent, (DVSize{5000, 6000}));
    EXPECT_TRUE(m_container.doc.m_bLinked);

    // The linked file holds the project with its own extent and view type, not the container's.
    OpenedProject linked;
    ASSERT_TRUE(linked.file.OpenDocument(m_linkedPath).ok);
    EXPECT_FALSE(linked.doc.m_bLinked);
    EXPECT_EQ(linked.doc.m_sizeExtentShown, (DVSize{1111, 2222}));
    EXPECT_EQ(linked.doc.m_nViewType, CReqDoc::ViewUseCases);
    EXPECT_EQ(linked.doc.m_requirements.at(0)->m_strTitle, QStringLiteral("Edited in the container"));
    EXPECT_EQ(linked.doc.m_colsActors.ColumnCount(), 1);

    OpenedProject reopened;
    ASSERT_TRUE(reopened.file.OpenDocument(m_containerPath).ok);
    const CReqDoc& doc = reopened.doc;
    EXPECT_TRUE(doc.m_bLinked);
    EXPECT_EQ(doc.m_strLinkedPath, m_linkedPath);
    EXPECT_EQ(doc.m_sizeExtent, (DVSize{5000, 6000}));
    EXPECT_EQ(doc.m_sizeExtentShown, (DVSize{5000, 6000}));
    EXPECT_EQ(doc.m_sizeExtentLinked, (DVSize{1111, 2222}));
    EXPECT_EQ(doc.m_nViewType, CReqDoc::ViewActors);
    EXPECT_EQ(doc.m_nNextViewType, CReqDoc::ViewActors);
    EXPECT_EQ(doc.m_nViewTypeLinked, CReqDoc::ViewUseCases);
    EXPECT_EQ(doc.m_clrAltLinked, 0x123456);
    EXPECT_EQ(doc.m_colsActors.m_widths, std::vector<qint32>{120});
    EXPECT_EQ(doc.m_requirements.size(), 4);

    const QJsonObject dump = ParseJson(reopened.Dump()).toObject();
    EXPECT_EQ(dump.value("m_sizeExtent").toArray(), (QJsonArray{5000, 6000}));
    EXPECT_EQ(dump.value("viewColumns").toObject().value("m_widths").toArray(), QJsonArray{120});
    const QJsonObject linkedDump = dump.value("linkedProject").toObject();
    EXPECT_EQ(linkedDump.value("m_sizeExtent").toArray(), (QJsonArray{1111, 2222}));
    EXPECT_EQ(linkedDump.value("fileFormat").toString(), QStringLiteral("2.0.3"));
    EXPECT_EQ(JsonDifference(linkedDump, ParseJson(linked.Dump())), QString());
}

TEST_F(LinkedProject, MissingLinkedFileAsksForAnother) {
    ASSERT_TRUE(m_container.file.SaveDocument(m_containerPath).ok);
    const QString moved = Path("moved.dvx");
    ASSERT_TRUE(QFile::rename(m_linkedPath, moved));
    const QString question =
        QStringLiteral("Error on opening %1.\n\nDo you want to link to another project?").arg(m_linkedPath);

    // Declined: the container does not open and stays empty.
    OpenedProject declined;
    const DVFileResult failed = declined.file.OpenDocument(m_containerPath);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.headline, QString::fromLatin1(kDVFailedToOpenDocument));
    EXPECT_EQ(m_boxes.texts, QStringList{question});
    EXPECT_EQ(m_boxes.types, std::vector<unsigned>{DV::MB_YESNO | DV::MB_ICONWARNING | DV::MB_DEFBUTTON2});
    EXPECT_TRUE(declined.doc.m_requirements.empty());
    EXPECT_FALSE(declined.doc.m_bLinked);

    // Accepted and a file chosen: it opens and becomes the link.
    m_boxes.Clear();
    m_boxes.answers = {DV::IDYES};
    QStringList offered;
    const DVLinkedFileChooser previous = SetDVLinkedFileChooser([&](const QString& failedPath) {
        offered.append(failedPath);
        return moved;
    });
    OpenedProject relinked;
    EXPECT_TRUE(relinked.file.OpenDocument(m_containerPath).ok);
    SetDVLinkedFileChooser(previous);
    EXPECT_EQ(offered, QStringList{m_linkedPath});
    EXPECT_EQ(relinked.doc.m_strLinkedPath, moved);
    EXPECT_EQ(relinked.doc.m_requirements.size(), 4);
}

TEST_F(LinkedProject, RelativeLinkIsFoundInTheApplicationFolder) {
    int argc = 1;
    char name[] = "file_tests";
    char* argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);
    const QString relative = QStringLiteral("linked-%1.dvx").arg(QCoreApplication::applicationPid());
    const QString inAppFolder = QCoreApplication::applicationDirPath() + u'/' + relative;
    ASSERT_TRUE(QFile::copy(m_linkedPath, inAppFolder));
    m_container.doc.m_strLinkedPath = relative;
    const bool saved = m_container.file.SaveDocument(m_containerPath).ok;

    OpenedProject reopened;
    const bool opened = reopened.file.OpenDocument(m_containerPath).ok;
    QFile::remove(inAppFolder);
    EXPECT_TRUE(saved);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(m_boxes.texts.isEmpty());
    EXPECT_EQ(reopened.doc.m_strLinkedPath, relative);
}

// The container is still written, but the save is a failure: the edits live in the linked file.
TEST_F(LinkedProject, FailedLinkedSaveFailsTheSaveAndTheContainerIsStillWritten) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("sub")));
    const QString linkedInSub = Path("sub/linked.dvx");
    ASSERT_TRUE(QFile::copy(m_linkedPath, linkedInSub));
    OpenedProject container;
    ASSERT_TRUE(container.file.OpenLinkedProject(linkedInSub, true));
    container.doc.m_bLinked = true;
    container.doc.m_strLinkedPath = linkedInSub;
    container.doc.SetModifiedFlag(true);
    ASSERT_TRUE(QDir(Path("sub")).removeRecursively());

    const DVFileResult result = container.file.SaveDocument(m_containerPath);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.headline, QString::fromLatin1(kDVFailedToSaveDocument));
    EXPECT_TRUE(result.reason.contains(linkedInSub)) << result.reason.toStdString();
    EXPECT_TRUE(m_boxes.texts.isEmpty());
    EXPECT_TRUE(QFile::exists(m_containerPath));
    EXPECT_TRUE(container.doc.IsModified());
    EXPECT_TRUE(container.doc.m_bLinked);
    EXPECT_EQ(container.doc.m_strLinkedPath, linkedInSub);
}

// A relative link means the file beside the container, wherever the program was started.
TEST_F(LinkedProject, RelativeLinkIsTakenFromTheContainersFolder) {
    m_container.doc.m_strLinkedPath = QStringLiteral("linked.dvx");
    ASSERT_TRUE(m_container.file.SaveDocument(m_containerPath).ok);

    QTemporaryDir elsewhere;
    CReqDoc decoy;
    decoy.CreateDefaultContent();
    ASSERT_TRUE(CReqDocFile(decoy).SaveDocument(elsewhere.filePath(QStringLiteral("linked.dvx"))).ok);
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    OpenedProject reopened;
    const DVFileResult result = reopened.file.OpenDocument(m_containerPath);
    QDir::setCurrent(previous);
    ASSERT_TRUE(result.ok) << result.Message().toStdString();
    EXPECT_EQ(reopened.doc.m_strLinkedPath, QStringLiteral("linked.dvx"));
    EXPECT_EQ(reopened.doc.m_requirements.at(0)->m_strTitle, QStringLiteral("Edited in the container"));
}

// A link to something that is no project, or no file at all, is refused without reading it as a
// project, waiting on it or ever writing to it.
TEST_F(LinkedProject, LinkToAnythingButAProjectIsRefusedAndLeftAlone) {
    CompoundFile::WriteContentsStream(Path("other.doc"), "a word-processor document");
    QByteArray otherDocument = FileBytes(Path("other.doc"));
    otherDocument.replace(QByteArray(reinterpret_cast<const char*>(u"Contents"), 16),
                          QByteArray(reinterpret_cast<const char*>(u"WordDocu"), 16));
    WriteFile(Path("other.doc"), otherDocument);
    WriteFile(Path("notes.txt"), "Some notes.\n");
    WriteFile(Path("empty.dvx"), QByteArray());
    ASSERT_EQ(mkfifo(QFile::encodeName(Path("pipe.dvx")).constData(), 0600), 0);

    for (const char* name : {"other.doc", "notes.txt", "empty.dvx", "pipe.dvx"}) {
        SCOPED_TRACE(name);
        const QString target = Path(name);
        const QByteArray before = QFileInfo(target).isFile() ? FileBytes(target) : QByteArray();
        m_container.doc.m_strLinkedPath = target;
        m_boxes.Clear();
        ASSERT_TRUE(m_container.file.SaveDocument(m_containerPath).ok);
        OpenedProject reopened;
        EXPECT_FALSE(reopened.file.OpenDocument(m_containerPath).ok);
        EXPECT_EQ(m_boxes.texts.size(), 1);

        OpenedProject linking;
        EXPECT_FALSE(linking.file.OpenLinkedProject(target, false));
        EXPECT_EQ(QFileInfo(target).isFile() ? FileBytes(target) : QByteArray(), before);
    }
}

// A linked project file that claims to be linked itself is refused instead of followed.
TEST_F(LinkedProject, LinkedFileThatIsAContainerIsRefused) {
    ASSERT_TRUE(m_container.file.SaveDocument(m_containerPath).ok);
    m_container.doc.m_strLinkedPath = m_containerPath;
    ASSERT_TRUE(m_container.file.SaveDocument(m_containerPath).ok);
    OpenedProject loop;
    EXPECT_FALSE(loop.file.OpenDocument(m_containerPath).ok);
}

}  // namespace
