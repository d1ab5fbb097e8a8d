// Finding, replacing and going to an identifier in the matrix views.
#include "ViewFixture.h"

#include "document/DVCellEdit.h"
#include "model/FieldCatalogue.h"
#include "model/StringIds.h"
#include "support/UndoDump.h"
#include "undo/CReqDocHistory.h"
#include "views/CViewActors.h"
#include "views/CViewFindBar.h"
#include "views/CViewTreelist.h"
#include "views/CViewUseCaseList.h"
#include "views/CViewUseCaseSteps.h"
#include "views/DVViewSearch.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

class FindInViewTest : public ViewTest {
protected:
    void SetUp() override {
        AddParameter(QStringLiteral("Note"), DVParameter::TypeText);      // column field 100000
        AddParameter(QStringLiteral("Weight"), DVParameter::TypeNumber);  // 100001
        auto priority = AddParameter(QStringLiteral("Priority"), DVParameter::TypeList);
        priority->m_items = {QStringLiteral("Pump first"), QStringLiteral("Later")};
        SetColumns(doc.m_colsRequirements, {407, 402, 403, 412, 404, 482, 100000, 100001, 100002});

        plant = AddRequirement(QStringLiteral("Plant"));
        unit = AddRequirement(QStringLiteral("Pump unit"), plant->m_nId);
        // Rows below the top level start collapsed: the seal's row is hidden in the unit's branch.
        seal = AddRequirement(QStringLiteral("Seal"), unit->m_nId);
        seal->m_strDescription = QStringLiteral("Keeps the PUMP dry");
        other = AddRequirement(QStringLiteral("Controls"));
        other->m_strComment = QStringLiteral("see pump unit");
    }

    DVParameter* AddParameter(const QString& name, int type) {
        auto definition = doc.NewParameter();
        definition->m_strName = name;
        definition->m_nType = type;
        return doc.m_parameters.Append(std::move(definition));
    }

    void SetValue(CDVData* object, int fieldId, const QString& text) {
        ASSERT_TRUE(DVCellEdit::Apply(doc, *object, fieldId, text).changed) << fieldId;
    }

    CViewFindBar* OpenBar(CViewDVTreeList* view, int command = DVCmd::Find) {
        // Keys and focus go to the window of the view.
        view->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(view));
        EXPECT_TRUE(view->OnCommand(command));
        CViewFindBar* bar = CViewFindBar::Of(*view);
        EXPECT_NE(bar, nullptr);
        return bar;
    }

    static void Type(CViewFindBar* bar, const QString& text) {
        bar->FindField()->selectAll();
        QTest::keyClicks(bar->FindField(), text);
    }

    // The object and field id of the selected cell.
    static std::pair<qint32, int> Selected(CViewDVTreeList* view) {
        const CDVData* object = view->FamilyObjectOf(view->SelectedItem());
        return {object != nullptr ? object->m_nId : 0, view->SelectedFieldId()};
    }

    Requirement* plant = nullptr;
    Requirement* unit = nullptr;
    Requirement* seal = nullptr;
    Requirement* other = nullptr;
};

TEST_F(FindInViewTest, FindsInEveryColumnAndRevealsCollapsedBranches) {
    SetValue(plant, 100000, QStringLiteral("pumps twice"));
    auto* view = Open<CViewTreelist>();
    CTreeListCtrl* grid = view->GetGrid();
    ASSERT_FALSE(grid->GetItemState(view->FindRowOfObject(unit->m_nId), TVIS_EXPANDED) & TVIS_EXPANDED);

    CViewFindBar* bar = OpenBar(view);
    ASSERT_FALSE(bar->isHidden());
    EXPECT_TRUE(bar->FindField()->hasFocus());
    EXPECT_EQ(grid->geometry().bottom() + 1, bar->geometry().top());
    Type(bar, QStringLiteral("pump"));

    // Typing selects the first match at or after the selection; the list parameter's "Pump first" is
    // no value of any object, so it is not found.
    const std::vector<std::pair<qint32, int>> order = {{plant->m_nId, 100000},
                                                       {unit->m_nId, FIELD_TITLE},
                                                       {seal->m_nId, FIELD_DESCRIPTION},
                                                       {other->m_nId, FIELD_COMMENT}};
    EXPECT_EQ(Selected(view), order[0]);
    EXPECT_EQ(bar->StatusText(), QStringLiteral("1 of 4"));
    for (size_t i = 1; i < order.size(); ++i) {
        view->OnCommand(DVCmd::FindNext);
        EXPECT_EQ(Selected(view), order[i]) << i;
        EXPECT_EQ(bar->StatusText(), QStringLiteral("%1 of 4").arg(i + 1));
    }
    // The seal's row was revealed on the way: its parent is open now.
    EXPECT_TRUE(grid->GetItemState(view->FindRowOfObject(unit->m_nId), TVIS_EXPANDED) & TVIS_EXPANDED);

    // Matching the case narrows the matches; the selected comment still matches and stays selected.
    bar->MatchCaseBox()->setChecked(true);
    EXPECT_EQ(Selected(view), order[3]);
    EXPECT_EQ(bar->StatusText(), QStringLiteral("2 of 2"));
    Type(bar, QStringLiteral("PUMP"));
    EXPECT_EQ(Selected(view), std::make_pair(seal->m_nId, int(FIELD_DESCRIPTION)));
    EXPECT_EQ(bar->StatusText(), QStringLiteral("1 of 1"));
}

TEST_F(FindInViewTest, SearchReadsTheObjectsNotTheCellsShown) {
    auto* view = Open<CViewTreelist>();
    // Changed behind the grid's back: the cell still shows the old text.
    seal->m_strTitle = QStringLiteral("Gasket");
    const auto result = DVViewSearch::Find(*view, QStringLiteral("gasket"), Qt::CaseInsensitive, {});
    ASSERT_EQ(result.matches.size(), 1u);
    EXPECT_EQ(result.matches[0].row, view->FindRowOfObject(seal->m_nId));
    EXPECT_EQ(result.matches[0].column, 0);
}

TEST_F(FindInViewTest, NextAndPreviousWrapAtTheEnds) {
    auto* view = Open<CViewTreelist>();
    CViewFindBar* bar = OpenBar(view);
    Type(bar, QStringLiteral("pump"));
    struct Step {
        int command;
        qint32 id;
        const char* status;
    };
    // Three matches: the unit's title, the seal's description, the comment of Controls.
    const Step steps[] = {
        {DVCmd::FindPrevious, other->m_nId, "3 of 3"},  // before the first: wraps to the last
        {DVCmd::FindNext, unit->m_nId, "1 of 3"},       // after the last: wraps to the first
        {DVCmd::FindNext, seal->m_nId, "2 of 3"},
        {DVCmd::FindPrevious, unit->m_nId, "1 of 3"},
    };
    for (const Step& step : steps) {
        view->OnCommand(step.command);
        EXPECT_EQ(Selected(view).first, step.id) << step.status;
        EXPECT_EQ(bar->StatusText(), QString::fromUtf8(step.status));
    }
    // Enter and Shift+Enter in the text step as well.
    QTest::keyClick(bar->FindField(), Qt::Key_Return);
    EXPECT_EQ(Selected(view).first, seal->m_nId);
    QTest::keyClick(bar->FindField(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(Selected(view).first, unit->m_nId);

    // A text found nowhere selects nothing new.
    Type(bar, QStringLiteral("turbine"));
    view->OnCommand(DVCmd::FindNext);
    EXPECT_EQ(Selected(view).first, unit->m_nId);
    EXPECT_EQ(bar->StatusText(), QStringLiteral("No matches"));
}

TEST_F(FindInViewTest, ReplaceChangesOnlyFreeTextCells) {
    // The seal's identifier in every kind of cell of its row, its ID cell included.
    const QString n = QString::number(seal->m_nId);
    doc.m_parameters.at(2)->m_items = {QStringLiteral("Level ") + n, QStringLiteral("Later")};
    SetValue(seal, FIELD_TITLE, QStringLiteral("Seal ") + n);
    SetValue(seal, FIELD_DESCRIPTION, n + QStringLiteral(" bar"));
    SetValue(seal, FIELD_COMMENT, QStringLiteral("tested at ") + n);
    SetValue(seal, 100000, n + QStringLiteral(" pieces"));
    SetValue(seal, 100001, n);
    SetValue(seal, 100002, QStringLiteral("Level ") + n);
    SetValue(seal, FIELD_APPROVAL_COST, n);
    const QString cost = FieldCatalogue::CellText(&doc, seal, FIELD_APPROVAL_COST);
    ASSERT_TRUE(cost.contains(n));
    auto* view = Open<CViewTreelist>();
    const qint64 modifiedBefore = seal->m_timeModified;
    clock.Set(1800000000);

    CViewFindBar* bar = OpenBar(view, DVCmd::Replace);
    ASSERT_TRUE(bar->ReplaceField()->isVisible());
    Type(bar, n);
    bar->ReplaceField()->setText(QStringLiteral("X"));
    EXPECT_EQ(bar->ReplaceAll(), 4);
    EXPECT_EQ(bar->StatusText(), QStringLiteral("4 replaced"));

    struct Case {
        int fieldId;
        QString text;
    };
    const Case cases[] = {
        {FIELD_TITLE, "Seal X"},
        {FIELD_DESCRIPTION, "X bar"},
        {FIELD_COMMENT, "tested at X"},
        {100000, "X pieces"},
        {FIELD_ID, n},                           // read-only
        {100001, n},                             // number
        {100002, QStringLiteral("Level ") + n},  // choice
        {FIELD_APPROVAL_COST, cost},             // number
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FieldCatalogue::CellText(&doc, seal, c.fieldId), c.text) << c.fieldId;
    }
    // The road of a cell edit: stamped, shown and the document modified.
    EXPECT_EQ(seal->m_timeModified, 1800000000);
    EXPECT_NE(modifiedBefore, 1800000000);
    EXPECT_EQ(Cell(view, seal->m_nId, 0), QStringLiteral("Seal X"));
    EXPECT_TRUE(doc.IsModified());

    // Replace steps over what it may not change.
    bar->ReplaceCurrent();
    EXPECT_EQ(bar->StatusText(), QStringLiteral("No replaceable matches"));
    EXPECT_EQ(FieldCatalogue::CellText(&doc, seal, 100001), n);
}

TEST_F(FindInViewTest, ReplaceAllIsOneUndoStep) {
    QUndoStack* stack = CReqDocHistory::Attach(doc);
    auto* view = Open<CViewTreelist>();
    doc.AddView(view);
    const QByteArray before = UndoComparableDump(doc);

    CViewFindBar* bar = OpenBar(view, DVCmd::Replace);
    Type(bar, QStringLiteral("pump"));
    bar->ReplaceField()->setText(QStringLiteral("valve"));
    EXPECT_EQ(bar->ReplaceAll(), 3);
    const QByteArray after = UndoComparableDump(doc);
    ASSERT_EQ(stack->count(), 1);
    EXPECT_EQ(stack->undoText(), QStringLiteral("Replace All"));

    stack->undo();
    EXPECT_TRUE(SameDump(UndoComparableDump(doc), before));
    EXPECT_EQ(Cell(view, unit->m_nId, 0), QStringLiteral("Pump unit"));
    stack->redo();
    EXPECT_TRUE(SameDump(UndoComparableDump(doc), after));
}

TEST_F(FindInViewTest, ReplaceChangesTheSelectedMatchThenMovesOn) {
    auto* view = Open<CViewTreelist>();
    CViewFindBar* bar = OpenBar(view, DVCmd::Replace);
    Type(bar, QStringLiteral("pump"));
    ASSERT_EQ(Selected(view).first, unit->m_nId);
    bar->ReplaceField()->setText(QStringLiteral("Fan"));
    QTest::keyClick(bar->ReplaceField(), Qt::Key_Return);
    EXPECT_EQ(unit->m_strTitle, QStringLiteral("Fan unit"));
    EXPECT_EQ(seal->m_strDescription, QStringLiteral("Keeps the PUMP dry"));
    EXPECT_EQ(Selected(view), std::make_pair(seal->m_nId, int(FIELD_DESCRIPTION)));
    EXPECT_EQ(bar->StatusText(), QStringLiteral("1 of 2"));
}

TEST_F(FindInViewTest, GoToIdSelectsShownObjectsAndExplainsTheOthers) {
    CUseCase* useCase = AddUseCase(QStringLiteral("Order"));
    CStep* kept = AddStep(useCase, QStringLiteral("Kept"));
    CStep* removed = AddStep(useCase, QStringLiteral("Removed"));
    auto* requirements = Open<CViewTreelist>();
    auto* steps = Open<CViewUseCaseSteps>(useCase);

    // Deleted through the views, as a user deletes.
    Select(requirements, other->m_nId);
    messages.answers = {DV::IDYES};
    requirements->OnCommand(DVCmd::Delete);
    ASSERT_EQ(requirements->FindRowOfObject(other->m_nId), 0u);
    Select(steps, removed->m_nId);
    messages.answers = {DV::IDYES};
    steps->OnCommand(DVCmd::Delete);
    ASSERT_EQ(steps->FindRowOfObject(removed->m_nId), 0u);
    messages.Clear();

    struct Case {
        CViewDVTreeList* view;
        qint32 id;
        const char* message;  // empty: the object's row is selected
    };
    const Case cases[] = {
        {requirements, seal->m_nId, ""},
        {requirements, other->m_nId, "The requirement with the ID %1 has been deleted."},
        {requirements, 999, "There is no requirement with the ID %1 in this view."},
        {steps, kept->m_nId, ""},
        {steps, removed->m_nId, "The step with the ID %1 has been deleted."},
        {steps, seal->m_nId, "There is no step with the ID %1 in this view."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        messages.Clear();
        c.view->GetGrid()->SelectCell(0, 0);
        CViewFindBar* bar = OpenBar(c.view, DVCmd::GoToId);
        EXPECT_TRUE(bar->IdField()->hasFocus());
        QTest::keyClicks(bar->IdField(), QString::number(c.id));
        QTest::keyClick(bar->IdField(), Qt::Key_Return);
        if (*c.message == 0) {
            EXPECT_TRUE(messages.texts.isEmpty());
            EXPECT_EQ(Selected(c.view).first, c.id);
            EXPECT_TRUE(c.view->GetGrid()->hasFocus());
        } else {
            ASSERT_EQ(messages.texts.size(), 1);
            EXPECT_EQ(messages.texts[0], QString::fromUtf8(c.message).arg(c.id));
            EXPECT_EQ(messages.types[0], DV::MB_OK | DV::MB_ICONEXCLAMATION);
            EXPECT_EQ(c.view->SelectedItem(), 0u);
        }
        bar->IdField()->clear();
    }
    // The seal's row was in a collapsed branch.
    EXPECT_TRUE(
        requirements->GetGrid()->GetItemState(requirements->FindRowOfObject(unit->m_nId), TVIS_EXPANDED) &
        TVIS_EXPANDED);
}

TEST_F(FindInViewTest, EveryMatrixViewFindsAndEscapeClosesTheBar) {
    CActor* actor = AddActor(QStringLiteral("Pump operator"));
    CUseCase* useCase = AddUseCase(QStringLiteral("Start the pump"));
    CStep* step = AddStep(useCase, QStringLiteral("Prime the pump"));
    const struct {
        CViewDVTreeList* view;
        qint32 found;
    } cases[] = {
        {Open<CViewTreelist>(), unit->m_nId},
        {Open<CViewActors>(), actor->m_nId},
        {Open<CViewUseCaseList>(), useCase->m_nId},
        {Open<CViewUseCaseSteps>(useCase), step->m_nId},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.found);
        const int fullHeight = c.view->GetGrid()->height();
        CViewFindBar* bar = OpenBar(c.view);
        EXPECT_LT(c.view->GetGrid()->height(), fullHeight);
        Type(bar, QStringLiteral("pump"));
        EXPECT_EQ(Selected(c.view).first, c.found);

        CDVCommandState state;
        ASSERT_TRUE(c.view->OnUpdateCommand(DVCmd::Escape, state));
        EXPECT_TRUE(c.view->OnCommand(DVCmd::Escape));
        EXPECT_TRUE(bar->isHidden());
        EXPECT_EQ(c.view->GetGrid()->height(), fullHeight);
        // Closed, the bar leaves Escape to others.
        EXPECT_FALSE(c.view->OnUpdateCommand(DVCmd::Escape, state));
        EXPECT_FALSE(c.view->OnCommand(DVCmd::Escape));

        // F3 without a text opens the bar; Escape typed in it closes it too.
        bar->FindField()->clear();
        c.view->OnCommand(DVCmd::FindNext);
        EXPECT_FALSE(bar->isHidden());
        QTest::keyClick(bar->FindField(), Qt::Key_Escape);
        EXPECT_TRUE(bar->isHidden());
    }
}

}  // namespace
