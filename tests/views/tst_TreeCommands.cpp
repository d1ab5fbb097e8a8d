// The tree editing commands, on the requirements view.
#include "ViewFixture.h"

#include "views/CViewTreelist.h"

#include <QMouseEvent>

#include <map>

namespace {

class TreeCommandsTest : public ViewTest {
protected:
    void SetUp() override {
        SetColumns(doc.m_colsRequirements, {407, 402});
        idOf = AddOutlineOfRequirements();
        view = Open<CViewTreelist>();
    }

    void SelectTitle(const QString& title, int column = 0) { Select(view, idOf.at(title), column); }
    void Close() { view->GetGrid()->EndEditLabelNow(true); }

    const QStringList initial{"A", ".A1", ".A2", "..A21", "B", "C"};
    std::map<QString, qint32> idOf;
    CViewDVTreeList* view = nullptr;
};

TEST_F(TreeCommandsTest, InsertNewMakesTheFirstRowOfAnEmptyGridOnly) {
    doc.m_requirements.DeleteAll();
    view->Rebuild();
    view->OnCommand(DVCmd::InsertNew);
    Close();
    ASSERT_EQ(doc.m_requirements.size(), 1);
    EXPECT_EQ(doc.m_requirements.first()->m_nId, 7);
    view->ClearSelection();
    view->OnCommand(DVCmd::InsertNew);
    EXPECT_EQ(doc.m_requirements.size(), 1);
}

TEST_F(TreeCommandsTest, InsertNewChildIsTheLastChildAndOpensTheTitleEditor) {
    doc.m_version = VersionNumber{true, QString(), 4, 1, 9};
    SelectTitle(QStringLiteral("A"));
    view->OnCommand(DVCmd::InsertNewChild);
    EXPECT_NE(view->GetGrid()->GetEditControl(), nullptr);
    Close();
    EXPECT_EQ(Outline(view), (QStringList{"A", ".A1", ".A2", "..A21", ".New Requirement", "B", "C"}));
    const Requirement* added = doc.FindRequirement(7);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->m_version.nMajor, 4);
    EXPECT_EQ(added->m_version.nMinor, 1);
    EXPECT_TRUE(view->GetGrid()->GetItemState(view->FindRowOfObject(idOf["A"]), TVIS_EXPANDED) != 0);
    ExpectTreeInvariants(view);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(TreeCommandsTest, PasteCopiesOrMovesAndRefusesTheBranchItself) {
    struct Case {
        const char* name;
        int mark;
        const char* source;
        const char* target;
        QStringList outline;
        int messages;
    };
    const QStringList unchanged{"A", ".A1", ".A2", "..A21", "B", "C"};
    const Case cases[] = {
        {"copy one object",
         DVCmd::CopySelected,
         "A",
         "B",
         {"A", ".A1", ".A2", "..A21", "B", ".Copy of A", "C"},
         0},
        {"copy a branch onto itself",
         DVCmd::CopyBranch,
         "A",
         "A",
         {"A", ".A1", ".A2", "..A21", "Copy of A", ".Copy of A1", ".Copy of A2", "..Copy of A21", "B", "C"},
         0},
        {"copy a branch onto its parent", DVCmd::CopyBranch, "A2", "A", unchanged, 0},
        {"copy a branch into itself", DVCmd::CopyBranch, "A", "A21", unchanged, 1},
        {"move a branch", DVCmd::Cut, "A2", "C", {"A", ".A1", "B", "C", ".A2", "..A21"}, 0},
        {"move a branch onto itself", DVCmd::Cut, "A2", "A2", unchanged, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.m_requirements.DeleteAll();
        doc.m_nLastRequirementId = 0;
        SetUp();
        messages.Clear();
        SelectTitle(QString::fromUtf8(c.source));
        view->OnCommand(c.mark);
        SelectTitle(QString::fromUtf8(c.target));
        view->OnCommand(DVCmd::Paste);
        EXPECT_EQ(Outline(view), c.outline);
        EXPECT_EQ(messages.texts.size(), c.messages);
        if (c.messages > 0) {
            EXPECT_EQ(messages.texts.front(),
                      QStringLiteral("Moving/ copying to a child-requirement is not permitted."));
        }
        ExpectTreeInvariants(view);
        // Copies get new identifiers, moved objects keep theirs.
        for (const Requirement* r : doc.m_requirements) {
            if (r->m_strTitle.startsWith(QStringLiteral("Copy of"))) {
                EXPECT_GT(r->m_nId, 6);
            } else {
                EXPECT_EQ(r->m_nId, idOf.at(r->m_strTitle));
            }
        }
    }
}

TEST_F(TreeCommandsTest, CutMarksTheRowRedUntilTheNextCopy) {
    SelectTitle(QStringLiteral("A1"));
    view->OnCommand(DVCmd::Cut);
    CTreeListCtrl* grid = view->GetGrid();
    const HTREEITEM row = view->FindRowOfObject(idOf["A1"]);
    for (int c = 0; c < grid->GetColumnCount(); ++c) {
        EXPECT_EQ(grid->GetCellTextColor(TLCellId(row, c)), 0x005555F7u);
        EXPECT_NE(grid->GetItemState(row, TVIS_CUT, c), 0u);
    }
    SelectTitle(QStringLiteral("B"));
    view->OnCommand(DVCmd::CopySelected);
    EXPECT_EQ(view->GetCutItem(), 0u);
    EXPECT_EQ(grid->GetItemState(row, TVIS_CUT, 1), 0u);
    EXPECT_EQ(grid->GetCellTextColor(TLCellId(row, 1)), CLR_NONE);
    EXPECT_EQ(view->GetCopySource(), view->FindRowOfObject(idOf["B"]));
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(TreeCommandsTest, IndentOutdentAndMovesKeepTheObjects) {
    struct Case {
        int command;
        const char* selected;
        QStringList outline;
    };
    const Case cases[] = {
        {DVCmd::IncreaseIndent, "A2", {"A", ".A1", "..A2", "...A21", "B", "C"}},
        {DVCmd::DecreaseIndent, "A1", {"A", ".A2", "..A21", "A1", "B", "C"}},
        {DVCmd::MoveUp, "A2", {"A", ".A2", "..A21", ".A1", "B", "C"}},
        {DVCmd::MoveDown, "A", {"B", "A", ".A1", ".A2", "..A21", "C"}},
        {DVCmd::MoveUp, "C", {"A", ".A1", ".A2", "..A21", "C", "B"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selected);
        doc.m_requirements.DeleteAll();
        doc.m_nLastRequirementId = 0;
        SetUp();
        SelectTitle(QString::fromUtf8(c.selected));
        view->OnCommand(c.command);
        EXPECT_EQ(Outline(view), c.outline);
        ExpectTreeInvariants(view);
        EXPECT_EQ(view->ObjectOf(view->SelectedItem())->m_strTitle, QString::fromUtf8(c.selected));
        EXPECT_EQ(doc.m_nLastRequirementId, 6);
    }
}

TEST_F(TreeCommandsTest, StructureCommandsAreDisabledWhereTheyCannotAct) {
    struct Case {
        const char* selected;
        int command;
        bool enabled;
    };
    const Case cases[] = {
        {"A1", DVCmd::IncreaseIndent, false}, {"A2", DVCmd::IncreaseIndent, true},
        {"A", DVCmd::DecreaseIndent, false},  {"A1", DVCmd::DecreaseIndent, true},
        {"A1", DVCmd::MoveUp, false},         {"A2", DVCmd::MoveUp, true},
        {"A2", DVCmd::MoveDown, false},       {"A", DVCmd::MoveDown, true},
        {"C", DVCmd::MoveDown, false},        {nullptr, DVCmd::MoveDown, true},
    };
    for (const Case& c : cases) {
        if (c.selected != nullptr) {
            SelectTitle(QString::fromUtf8(c.selected));
        } else {
            view->ClearSelection();
        }
        EXPECT_EQ(view->QueryCommand(c.command).enabled, c.enabled)
            << (c.selected ? c.selected : "none") << " " << c.command;
    }
}

TEST_F(TreeCommandsTest, DeleteAsksFirstAndMovesTheBranchToTheDeletedList) {
    SelectTitle(QStringLiteral("A2"));
    messages.answers = {DV::IDNO};
    view->OnCommand(DVCmd::Delete);
    EXPECT_EQ(Outline(view), initial);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(messages.texts[0],
              QStringLiteral("Are you sure that you want to delete A2, ID 3,\n\nAND ALL ITS "
                             "CHILD-REQUIREMENTS AT THE SAME TIME?"));
    EXPECT_EQ(messages.types[0], DV::MB_YESNO | DV::MB_ICONEXCLAMATION | DV::MB_DEFBUTTON2);

    messages.answers = {DV::IDYES};
    view->OnCommand(DVCmd::Delete);
    EXPECT_EQ(Outline(view), (QStringList{"A", ".A1", "B", "C"}));
    EXPECT_EQ(ListIds(doc.m_deletedRequirements), (std::vector<qint32>{3, 4}));
    for (const Requirement* r : doc.m_deletedRequirements) {
        EXPECT_TRUE(r->m_bDeleted);
    }
    EXPECT_EQ(view->ObjectOf(view->SelectedItem())->m_nId, idOf["A"]);
    ExpectTreeInvariants(view);

    SelectTitle(QStringLiteral("C"));
    messages.answers = {DV::IDYES};
    view->OnCommand(DVCmd::Delete);
    EXPECT_EQ(messages.texts.last(), QStringLiteral("Are you sure that you want to delete C, ID 6?"));
    EXPECT_EQ(Outline(view), (QStringList{"A", ".A1", "B"}));
}

TEST_F(TreeCommandsTest, DeletingTheFirstTopLevelRowRebuildsTheView) {
    SelectTitle(QStringLiteral("A"));
    messages.answers = {DV::IDYES};
    view->OnCommand(DVCmd::Delete);
    EXPECT_EQ(Outline(view), (QStringList{"B", "C"}));
    ExpectTreeInvariants(view);
    EXPECT_EQ(doc.m_deletedRequirements.size(), 4);
}

TEST_F(TreeCommandsTest, DraggingARowMakesItsBranchTheLastChildOfTheDropRow) {
    CTreeListCtrl* grid = view->GetGrid();
    QWidget* viewport = grid->viewport();
    auto centre = [&](const char* title) {
        QRect rect;
        grid->GetItemRect(view->FindRowOfObject(idOf.at(QString::fromUtf8(title))), &rect, false, 1);
        return rect.center();
    };
    auto send = [&](QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
        QMouseEvent event(type, pos, viewport->mapToGlobal(pos), Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &event);
    };
    send(QEvent::MouseButtonPress, centre("A2"), Qt::LeftButton);
    send(QEvent::MouseMove, centre("A2") + QPoint(0, 3), Qt::LeftButton);
    send(QEvent::MouseMove, centre("B"), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, centre("B"), Qt::NoButton);
    EXPECT_EQ(Outline(view), (QStringList{"A", ".A1", "B", ".A2", "..A21", "C"}));
    ExpectTreeInvariants(view);

    // Dropping a row onto itself changes nothing.
    send(QEvent::MouseButtonPress, centre("C"), Qt::LeftButton);
    send(QEvent::MouseMove, centre("C") + QPoint(0, 3), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, centre("C"), Qt::NoButton);
    EXPECT_EQ(Outline(view), (QStringList{"A", ".A1", "B", ".A2", "..A21", "C"}));
}

}  // namespace
