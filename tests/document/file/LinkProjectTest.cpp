#include "ProjectFileSupport.h"

#include "document/CDVDocumentView.h"
#include "document/CLinkedStorage.h"
#include "document/CReqDocLink.h"
#include "document/DVFileError.h"
#include "document/DVLinkedFileChooser.h"
#include "model/Requirement.h"
#include "support/DVTestSupport.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

const QString kLoadAndLink =
    QStringLiteral("Are you sure that you want to load and link a new project?\nUnsaved data will be lost!");
const QString kUnlinkModified = QStringLiteral(
    "Are you sure that you want to unlink the project from the actual document?\n\nUnsaved data will be "
    "lost!");
const QString kUnlink =
    QStringLiteral("Are you sure that you want to unlink the project from the actual document?");
constexpr unsigned kWarningQuestion = DV::MB_YESNO | DV::MB_ICONWARNING | DV::MB_DEFBUTTON2;

// A hosted view of a given type, as the document sees it.
class FakeView : public CDVDocumentView {
public:
    explicit FakeView(int viewType) : m_viewType(viewType) {}
    bool IsChildView() const override { return true; }
    int ViewType() const override { return m_viewType; }

private:
    int m_viewType;
};

// Answers the file choice with a fixed path while it lives, and records what was offered.
class ScriptedChooser {
public:
    explicit ScriptedChooser(QString answer) {
        m_previous = SetDVLinkedFileChooser([this, answer](const QString& initial) {
            offered.append(initial);
            return answer;
        });
    }
    ~ScriptedChooser() { SetDVLinkedFileChooser(m_previous); }

    QStringList offered;

private:
    DVLinkedFileChooser m_previous;
};

class LinkProject : public testing::Test {
protected:
    void SetUp() override {
        // The project file: its identifiers run up to 9, and it has its own extent and view type.
        CReqDoc project;
        project.CreateDefaultContent();
        for (int i = 0; i < 5; ++i)
            project.m_requirements.Append(project.NewRequirement());
        project.m_requirements.at(0)->m_strTitle = QStringLiteral("From the file");
        project.m_sizeExtent = {1111, 2222};
        project.m_nViewType = CReqDoc::ViewActors;
        ASSERT_TRUE(CReqDocFile(project).SaveDocument(m_linkedPath).ok);

        // A new embedded project with its default content, counted as modified.
        doc.m_bEmbedded = true;
        doc.CreateDefaultContent();
        doc.SetModifiedFlag(true);
        doc.m_sizeExtent = {5000, 6000};
        doc.m_nViewType = CReqDoc::ViewUseCases;
    }

    QString Path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

    QTemporaryDir m_dir;
    const QString m_linkedPath = m_dir.filePath(QStringLiteral("linked.dvx"));
    CReqDoc doc;
    MessageRecorder boxes;
};

TEST_F(LinkProject, LoadAndLinkRightAfterCreationAsksNothing) {
    ScriptedChooser chooser(m_linkedPath);
    CReqDocLink(doc).LoadAndLink();
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join(u'\n').toStdString();
    EXPECT_TRUE(doc.m_bLinked);
    EXPECT_EQ(doc.m_strLinkedPath, m_linkedPath);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.m_bOnlyDefaults);
    EXPECT_EQ(doc.m_requirements.at(0)->m_strTitle, QStringLiteral("From the file"));
    // The container keeps its own extent and view type; the file's are kept for its next write.
    EXPECT_EQ(doc.m_sizeExtent, (DVSize{5000, 6000}));
    EXPECT_EQ(doc.m_nViewType, CReqDoc::ViewUseCases);
    EXPECT_EQ(doc.m_sizeExtentLinked, (DVSize{1111, 2222}));
    EXPECT_EQ(doc.m_nViewTypeLinked, CReqDoc::ViewActors);
    // A second load-and-link while linked does nothing.
    CReqDocLink(doc).LoadAndLink();
    EXPECT_EQ(chooser.offered.size(), 1);
}

TEST_F(LinkProject, LoadAndLinkOverEditedWorkAsks) {
    doc.m_bOnlyDefaults = false;
    ScriptedChooser chooser(m_linkedPath);
    boxes.answers = {DV::IDNO};
    CReqDocLink(doc).LoadAndLink();
    EXPECT_EQ(boxes.texts, QStringList{kLoadAndLink});
    EXPECT_EQ(boxes.types, std::vector<unsigned>{kWarningQuestion});
    EXPECT_FALSE(doc.m_bLinked);
    EXPECT_TRUE(chooser.offered.isEmpty());
    EXPECT_EQ(doc.m_requirements.size(), 4);

    boxes.answers = {DV::IDYES};
    CReqDocLink(doc).LoadAndLink();
    EXPECT_TRUE(doc.m_bLinked);
    EXPECT_EQ(doc.m_requirements.size(), 9);
}

TEST_F(LinkProject, CancelledChoiceLinksNothing) {
    ScriptedChooser chooser{QString()};
    EXPECT_FALSE(CReqDocLink(doc).LinkProject(QString()));
    EXPECT_FALSE(doc.m_bLinked);
    EXPECT_EQ(doc.m_requirements.size(), 4);
}

TEST_F(LinkProject, UnlinkKeepsCountersEmptiesAndReplacesAStepsView) {
    ASSERT_TRUE(CReqDocLink(doc).LinkProject(m_linkedPath));
    FakeView steps(CReqDoc::ViewSteps);
    doc.m_pChildView = &steps;
    int switches = 0;
    CReqDocLink link(doc, [&] { ++switches; });

    // Not modified: the short question; No keeps the link.
    boxes.answers = {DV::IDNO};
    link.Unlink();
    EXPECT_EQ(boxes.texts, QStringList{kUnlink});
    EXPECT_EQ(boxes.types, std::vector<unsigned>{kWarningQuestion});
    EXPECT_TRUE(doc.m_bLinked);

    boxes.Clear();
    doc.SetModifiedFlag(true);
    boxes.answers = {DV::IDYES};
    link.Unlink();
    EXPECT_EQ(boxes.texts, QStringList{kUnlinkModified});
    EXPECT_FALSE(doc.m_bLinked);
    EXPECT_TRUE(doc.m_strLinkedPath.isEmpty());
    EXPECT_EQ(doc.m_pLinkedStorage, nullptr);
    EXPECT_EQ(switches, 1);
    EXPECT_TRUE(doc.m_requirements.empty());
    EXPECT_TRUE(doc.m_useCases.empty());
    EXPECT_EQ(doc.NewRequirement()->m_nId, 10);
    doc.m_pChildView = nullptr;

    // Not linked any more: nothing is asked.
    boxes.Clear();
    link.Unlink();
    EXPECT_TRUE(boxes.texts.isEmpty());
}

TEST_F(LinkProject, OnlyAStepsViewIsReplaced) {
    ASSERT_TRUE(CReqDocLink(doc).LinkProject(m_linkedPath));
    FakeView actors(CReqDoc::ViewActors);
    doc.m_pChildView = &actors;
    int switches = 0;
    CReqDocLink(doc, [&] { ++switches; }).UnlinkProject();
    EXPECT_EQ(switches, 0);
    doc.m_pChildView = nullptr;
}

TEST_F(LinkProject, RelinkingReplacesTheFirstLink) {
    ASSERT_TRUE(CReqDocLink(doc).LinkProject(m_linkedPath));
    CReqDoc other;
    other.CreateDefaultContent();
    other.m_requirements.at(0)->m_strTitle = QStringLiteral("Other file");
    const QString otherPath = Path("other.dvx");
    ASSERT_TRUE(CReqDocFile(other).SaveDocument(otherPath).ok);

    ASSERT_TRUE(CReqDocLink(doc).LinkProject(otherPath));
    EXPECT_EQ(doc.m_strLinkedPath, otherPath);
    EXPECT_EQ(doc.m_pLinkedStorage->Path(), otherPath);
    EXPECT_EQ(doc.m_requirements.at(0)->m_strTitle, QStringLiteral("Other file"));
}

TEST_F(LinkProject, FileThatDoesNotOpenIsReportedAndLeavesTheDocumentEmptyAndUnlinked) {
    EXPECT_FALSE(CReqDocLink(doc).LinkProject(Path("missing.dvx")));
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts.front().startsWith(QString::fromLatin1(kDVFailedToOpenDocument)));
    EXPECT_FALSE(doc.m_bLinked);
    EXPECT_TRUE(doc.m_requirements.empty());
    EXPECT_EQ(doc.m_sizeExtent, (DVSize{5000, 6000}));
}

TEST_F(LinkProject, BareArchiveIsConvertedToACompoundFileWhenLinked) {
    CReqDoc project;
    project.CreateDefaultContent();
    const QByteArray archive = CReqDocFile(project).StoreArchive();
    const QString bare = Path("bare.dvx");
    WriteFile(bare, archive);

    ASSERT_TRUE(CReqDocLink(doc).LinkProject(bare));
    bool compound = false;
    EXPECT_EQ(CompoundFile::ReadContentsStream(bare, &compound), archive);
    EXPECT_TRUE(compound);
}

TEST_F(LinkProject, TwoContainersShareOneProjectFile) {
    CReqDoc second;
    second.m_bEmbedded = true;
    ASSERT_TRUE(CReqDocLink(doc).LinkProject(m_linkedPath));
    ASSERT_TRUE(CReqDocLink(second).LinkProject(m_linkedPath));
    ASSERT_TRUE(CReqDocFile(second).SaveDocument(Path("second.dvx")).ok);

    // The first container saves an edit; the second finds it the next time it is opened.
    doc.m_requirements.at(0)->m_strTitle = QStringLiteral("Edited in the first");
    ASSERT_TRUE(CReqDocFile(doc).SaveDocument(Path("first.dvx")).ok);
    OpenedProject reopened;
    ASSERT_TRUE(reopened.file.OpenDocument(Path("second.dvx")).ok);
    EXPECT_TRUE(reopened.doc.m_bLinked);
    EXPECT_EQ(reopened.doc.m_requirements.at(0)->m_strTitle, QStringLiteral("Edited in the first"));
}

TEST_F(LinkProject, PickedPathOfAMovedFileIsStoredAtTheNextSave) {
    ASSERT_TRUE(CReqDocLink(doc).LinkProject(m_linkedPath));
    const QString container = Path("container.dvx");
    ASSERT_TRUE(CReqDocFile(doc).SaveDocument(container).ok);
    const QString moved = Path("moved.dvx");
    doc.m_pLinkedStorage.reset();
    ASSERT_TRUE(QFile::rename(m_linkedPath, moved));

    boxes.answers = {DV::IDYES};
    {
        ScriptedChooser chooser(moved);
        OpenedProject opened;
        ASSERT_TRUE(opened.file.OpenDocument(container).ok);
        ASSERT_TRUE(opened.file.SaveDocument(container).ok);
    }
    OpenedProject again;
    ASSERT_TRUE(again.file.OpenDocument(container).ok);
    EXPECT_EQ(again.doc.m_strLinkedPath, moved);
    EXPECT_EQ(again.doc.m_requirements.size(), 9);
}

}  // namespace
