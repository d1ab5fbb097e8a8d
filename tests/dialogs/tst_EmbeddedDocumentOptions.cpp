// "Embedded Document Options" and the link commands of an embedded project in its window.
#include "ProjectOptionsTest.h"

#include "dialogs/Dlg_EmbeddedDocumentOptions.h"
#include "document/DVLinkedFileChooser.h"
#include "views/CViewChildDV.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

using Options = Dlg_EmbeddedDocumentOptions;

const QString kRelink =
    QStringLiteral("Are you sure that you want to link to another project?\nUnsaved data will be lost.");

class EmbeddedDocumentOptionsTest : public ProjectOptionsTest {
protected:
    void SetUp() override {
        ProjectOptionsTest::SetUp();
        doc->m_bEmbedded = true;
        CReqDoc project;
        project.CreateDefaultContent();
        project.m_requirements.at(0)->m_strTitle = QStringLiteral("Linked needs");
        ASSERT_TRUE(CReqDocFile(project).SaveDocument(linkedPath).ok);
        project.m_requirements.at(0)->m_strTitle = QStringLiteral("Other needs");
        ASSERT_TRUE(CReqDocFile(project).SaveDocument(otherPath).ok);
        m_previousChooser = SetDVLinkedFileChooser([this](const QString&) { return chosenPath; });
    }
    void TearDown() override {
        SetDVLinkedFileChooser(m_previousChooser);
        ProjectOptionsTest::TearDown();
    }

    bool Enabled(int id) {
        frame->Commands().UpdateActions();
        return frame->Commands().Action(id)->isEnabled();
    }
    void RunOptions(const std::function<void(Options&)>& act, bool ok = true) {
        WithModal<Options>([this] { Run(DVCmd::EmbeddedDocument); }, act, ok);
    }
    // The state of the controls: path text, path enabled and writable, search, unlink, properties.
    static std::tuple<QString, bool, bool, bool, bool, bool> State(const Options& dialog) {
        return {dialog.PathEdit()->text(),          dialog.PathEdit()->isEnabled(),
                !dialog.PathEdit()->isReadOnly(),   dialog.SearchButton()->isEnabled(),
                dialog.UnlinkButton()->isEnabled(), dialog.PropertiesButton()->isEnabled()};
    }
    QString FirstTitle() const { return doc->m_requirements.at(0)->m_strTitle; }

    const QString linkedPath = dir.filePath(QStringLiteral("linked.dvx"));
    const QString otherPath = dir.filePath(QStringLiteral("other.dvx"));
    QString chosenPath = linkedPath;

private:
    DVLinkedFileChooser m_previousChooser;
};

TEST_F(EmbeddedDocumentOptionsTest, LinkCommandsOnlyWhileEmbedded) {
    using namespace CommandIds;
    doc->m_bEmbedded = false;
    EXPECT_FALSE(Enabled(ID_LINK_PROJECT));
    EXPECT_FALSE(Enabled(ID_UNLINK_PROJECT));
    EXPECT_FALSE(Enabled(DVCmd::EmbeddedDocument));
    EXPECT_TRUE(Enabled(DVCmd::SaveColumnsAutomatically));
    doc->m_bEmbedded = true;
    EXPECT_TRUE(Enabled(ID_LINK_PROJECT));
    EXPECT_FALSE(Enabled(ID_UNLINK_PROJECT));
    EXPECT_TRUE(Enabled(DVCmd::EmbeddedDocument));
    EXPECT_FALSE(Enabled(DVCmd::SaveColumnsAutomatically));
    boxes.answers = {DV::IDYES};
    Run(ID_LINK_PROJECT);
    EXPECT_TRUE(doc->m_bLinked);
    EXPECT_FALSE(Enabled(ID_LINK_PROJECT));
    EXPECT_TRUE(Enabled(ID_UNLINK_PROJECT));
    // The view shows the linked project.
    EXPECT_EQ(ActiveMatrix()->GetGrid()->GetItemText(ActiveMatrix()->GetGrid()->GetItemOfRow(0), 0),
              QStringLiteral("Linked needs"));
}

TEST_F(EmbeddedDocumentOptionsTest, ControlsFollowTheLinkState) {
    RunOptions(
        [&](Options& dialog) {
            EXPECT_EQ(State(dialog), std::make_tuple(QString(), false, false, true, false, false));
            // Searching links the chosen file at once; the controls follow.
            boxes.answers = {DV::IDYES};
            dialog.SearchButton()->click();
            EXPECT_EQ(State(dialog), std::make_tuple(linkedPath, true, false, false, true, true));
            dialog.EditManuallyCheck()->click();
            EXPECT_TRUE(!dialog.PathEdit()->isReadOnly());
            dialog.EditManuallyCheck()->click();
            EXPECT_TRUE(dialog.PathEdit()->isReadOnly());
            // Unlinking asks; Yes empties the project and the path.
            boxes.answers = {DV::IDYES};
            dialog.UnlinkButton()->click();
            EXPECT_EQ(State(dialog), std::make_tuple(QString(), false, false, true, false, false));
        },
        false);
    EXPECT_FALSE(doc->m_bLinked);
    EXPECT_TRUE(doc->m_requirements.empty());
}

TEST_F(EmbeddedDocumentOptionsTest, OkLinksATypedPath) {
    bool closed = false;
    RunOptions([&](Options& dialog) {
        dialog.EditManuallyCheck()->click();
        EXPECT_TRUE(dialog.PathEdit()->isEnabled());
        dialog.PathEdit()->setText(dir.filePath(QStringLiteral("missing.dvx")));
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible()) << "a path that does not open keeps the dialog";
        ASSERT_EQ(boxes.texts.size(), 1);
        dialog.PathEdit()->setText(linkedPath);
        dialog.accept();
        closed = !dialog.isVisible();
    });
    EXPECT_TRUE(closed);
    EXPECT_TRUE(doc->m_bLinked);
    EXPECT_EQ(FirstTitle(), QStringLiteral("Linked needs"));
}

TEST_F(EmbeddedDocumentOptionsTest, ChangedPathAsksAndNoKeepsDialogAndLink) {
    boxes.answers = {DV::IDYES};
    Run(CommandIds::ID_LINK_PROJECT);
    ASSERT_TRUE(doc->m_bLinked);
    boxes.Clear();
    RunOptions([&](Options& dialog) {
        dialog.EditManuallyCheck()->click();
        dialog.PathEdit()->setText(otherPath);
        boxes.answers = {DV::IDNO};
        dialog.accept();
        EXPECT_EQ(boxes.texts, QStringList{kRelink});
        EXPECT_EQ(boxes.types, std::vector<unsigned>{DV::MB_YESNO | DV::MB_ICONWARNING | DV::MB_DEFBUTTON2});
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(doc->m_strLinkedPath, linkedPath);
        EXPECT_EQ(FirstTitle(), QStringLiteral("Linked needs"));
        boxes.answers = {DV::IDYES};
        dialog.accept();
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(doc->m_strLinkedPath, otherPath);
    EXPECT_EQ(FirstTitle(), QStringLiteral("Other needs"));

    // The same path asks nothing.
    boxes.Clear();
    RunOptions([](Options&) {});
    EXPECT_TRUE(boxes.texts.isEmpty());
}

TEST_F(EmbeddedDocumentOptionsTest, PropertiesButtonOpensTheSheetOnMatrixProperties) {
    boxes.answers = {DV::IDYES};
    Run(CommandIds::ID_LINK_PROJECT);
    int shownPage = -1;
    RunOptions(
        [&](Options& dialog) {
            QTimer::singleShot(0, [&] {
                auto* sheet = qobject_cast<Dlg_Project_Options_Sheet*>(QApplication::activeModalWidget());
                ASSERT_NE(sheet, nullptr);
                shownPage = sheet->findChild<QTabWidget*>()->currentIndex();
                sheet->reject();
            });
            dialog.PropertiesButton()->click();
        },
        false);
    EXPECT_EQ(shownPage, Dlg_Project_Options_Sheet::MatrixPage);
}

TEST_F(EmbeddedDocumentOptionsTest, UnlinkReplacesAStepsView) {
    boxes.answers = {DV::IDYES};
    Run(CommandIds::ID_LINK_PROJECT);
    frame->ActiveFrame()->SwitchViewType(CReqDoc::ViewSteps);
    ASSERT_EQ(frame->ActiveView()->ViewType(), CReqDoc::ViewSteps);
    const qint32 lastRequirement = doc->m_nLastRequirementId;
    boxes.answers = {DV::IDYES};
    Run(CommandIds::ID_UNLINK_PROJECT);
    EXPECT_FALSE(doc->m_bLinked);
    EXPECT_EQ(frame->ActiveView()->ViewType(), CReqDoc::ViewUseCases);
    EXPECT_EQ(doc->m_nLastRequirementId, lastRequirement);
    EXPECT_TRUE(doc->m_useCases.empty());
}

}  // namespace
