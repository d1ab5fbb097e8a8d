// The steps view: prepared structures, numbering, deletion, and a view without a use case.
#include "ViewFixture.h"

#include "views/CViewUseCaseSteps.h"

namespace {

class StepsViewTest : public ViewTest {
protected:
    void SetUp() override {
        AddRequirement(QStringLiteral("R"));
        useCase = AddUseCase(QStringLiteral("Order"));
        first = AddStep(useCase, QStringLiteral("First"));
        last = AddStep(useCase, QStringLiteral("Last"));
        SetColumns(doc.m_colsSteps, {407, 415, 403});
        view = Open<CViewUseCaseSteps>(useCase);
    }

    // Type and number of each row's step in pre-order.
    std::vector<std::pair<int, QString>> TypesAndNumbers() {
        std::vector<std::pair<int, QString>> out;
        int position = view->GetFamilyListHead();
        while (CDVData* object = view->GetNextObject(position)) {
            const auto* step = static_cast<const CStep*>(object);
            out.emplace_back(step->m_nType, step->m_strNumber);
        }
        return out;
    }

    CUseCase* useCase = nullptr;
    CStep* first = nullptr;
    CStep* last = nullptr;
    CViewUseCaseSteps* view = nullptr;
};

TEST_F(StepsViewTest, StructuresAreInsertedAfterTheSelectionAndNumberedInPreOrder) {
    struct Case {
        int command;
        QStringList outline;
        std::vector<int> types;
        bool editorOpen;
    };
    const Case cases[] = {
        {DVCmd::StepSimple, {"First", "New Step", "Last"}, {0, 0, 0}, true},
        {DVCmd::StepIf,
         {"First", "If-statement", ".New Step", "Else", ".New Step", "Endif", "Last"},
         {0, 1, 0, 3, 0, 4, 0},
         true},
        {DVCmd::StepFork,
         {"First", "Fork Node", ".Fork Thread A", "..New Step", ".Fork Thread B", "..New Step", "Join Node",
          "Last"},
         {0, 5, 5, 0, 5, 0, 6, 0},
         true},
        {DVCmd::StepForkThread, {"First", "Fork Thread X", ".New Step", "Last"}, {0, 5, 0, 0}, true},
        {DVCmd::StepElseIf, {"First", "Else If", "Last"}, {0, 2, 0}, false},
        {DVCmd::StepElse, {"First", "Else", "Last"}, {0, 3, 0}, false},
        {DVCmd::StepGoto, {"First", "Goto", "Last"}, {0, 7, 0}, true},
        {DVCmd::StepSuccessfulEnd, {"First", "Successful End", "Last"}, {0, 8, 0}, false},
        {DVCmd::StepUnsuccessfulEnd, {"First", "Unsuccessful End", "Last"}, {0, 9, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        useCase->m_steps.DeleteAll();
        useCase->m_nLastStepId = 0;
        first = AddStep(useCase, QStringLiteral("First"));
        last = AddStep(useCase, QStringLiteral("Last"));
        view->Rebuild();
        useCase->m_timeModified = 0;
        Select(view, first->m_nId);
        view->OnCommand(c.command);
        EXPECT_EQ(view->GetGrid()->GetEditControl() != nullptr, c.editorOpen);
        view->GetGrid()->EndEditLabelNow(true);
        ExpectTreeInvariants(view);
        std::vector<int> types;
        QStringList numbers;
        int n = 0;
        for (const auto& [type, number] : TypesAndNumbers()) {
            types.push_back(type);
            EXPECT_EQ(number, QString::number(++n));
        }
        EXPECT_EQ(types, c.types);
        EXPECT_EQ(useCase->m_timeModified, 1700000000);
        // The step-number column shows the numbers as well.
        EXPECT_EQ(Cell(view, last->m_nId, 1), QString::number(int(c.types.size())));
        QStringList titles = Outline(view);
        QStringList expected = c.outline;
        for (QString& line : expected) {
            // Value names of the project for the structure titles.
            line.replace(QStringLiteral("If-statement"), doc.GetValueName(521));
            line.replace(QStringLiteral("Endif"), doc.GetValueName(522));
            line.replace(QStringLiteral("Else If"), doc.GetValueName(524));
            line.replace(QStringLiteral("Goto"), doc.GetValueName(530));
        }
        EXPECT_EQ(titles, expected);
    }
}

TEST_F(StepsViewTest, ForkNodesDescribeTheirThreads) {
    Select(view, first->m_nId);
    view->OnCommand(DVCmd::StepFork);
    view->GetGrid()->EndEditLabelNow(true);
    QStringList descriptions;
    for (const CStep* step : useCase->m_steps) {
        if (step->m_nType == CStep::Fork || step->m_nType == CStep::Join) {
            descriptions.append(step->m_strDescription);
        }
    }
    EXPECT_EQ(descriptions, (QStringList{"Split in two Threads A and B", "", "", "Joins Threads A and B"}));
}

TEST_F(StepsViewTest, TheTitleEditorOfAnIfOpensOnTheStepInsideTheIf) {
    Select(view, first->m_nId);
    view->OnCommand(DVCmd::StepIf);
    const HTREEITEM editing = view->SelectedItem();
    const HTREEITEM parent = view->GetGrid()->GetNextItem(editing, TVGN_PARENT);
    EXPECT_EQ(static_cast<CStep*>(view->ObjectOf(parent))->m_nType, CStep::If);
    EXPECT_NE(view->GetGrid()->GetEditControl(), nullptr);
}

TEST_F(StepsViewTest, DeletingAStepDestroysItAndTheNumbersCloseTheGap) {
    Select(view, first->m_nId);
    messages.answers = {DV::IDYES};
    view->OnCommand(DVCmd::Delete);
    ASSERT_EQ(useCase->m_steps.size(), 1);
    EXPECT_EQ(useCase->m_steps.first(), last);
    EXPECT_EQ(last->m_strNumber, QStringLiteral("1"));
    EXPECT_EQ(useCase->m_timeModified, 1700000000);
}

TEST_F(StepsViewTest, AStepsViewWithoutUseCaseShowsAndCreatesNothing) {
    auto* empty = Open<CViewUseCaseSteps>(nullptr);
    QString title;
    empty->GetViewTitle(title, &doc);
    EXPECT_EQ(title, QStringLiteral("Steps - Demo"));
    EXPECT_EQ(empty->GetGrid()->GetCount(), 0);
    empty->OnCommand(DVCmd::StepIf);
    empty->OnCommand(DVCmd::InsertNew);
    EXPECT_EQ(empty->GetGrid()->GetCount(), 0);
    empty->StoreTopObjectId();

    view->GetViewTitle(title, &doc);
    EXPECT_EQ(title, QStringLiteral("Steps of Use Case Order - Demo"));
}

TEST_F(StepsViewTest, AUseCaseDeletedWhileShownLeavesNoRowsAfterARebuild) {
    doc.m_deletedUseCases.Append(doc.m_useCases.Take(useCase));
    view->Rebuild();
    EXPECT_EQ(view->GetGrid()->GetCount(), 0);
    EXPECT_EQ(view->GetStoredTopObjectId(), 0);
}

TEST_F(StepsViewTest, RowsOfAStepAnotherViewDestroyedAreLeftAlone) {
    auto* second = Open<CViewUseCaseSteps>(useCase);
    Select(view, first->m_nId);
    messages.answers = {DV::IDYES};
    view->OnCommand(DVCmd::Delete);
    // The other view still has the row; refreshing, editing and moving must not touch the step.
    second->RefreshVisibleRows(true);
    Select(second, last->m_nId);
    second->OnCommand(DVCmd::MoveUp);
    second->RenumberSteps();
    EXPECT_EQ(useCase->m_steps.size(), 1);
}

TEST_F(StepsViewTest, ARowMovedBelowAStepAnotherViewDestroyedDoesNotNameIt) {
    useCase->m_steps.DeleteAll();
    first = AddStep(useCase, QStringLiteral("First"));
    const qint32 childId = AddStep(useCase, QStringLiteral("Child"), first->m_nId)->m_nId;
    last = AddStep(useCase, QStringLiteral("Last"));
    view->Rebuild();
    auto* second = Open<CViewUseCaseSteps>(useCase);
    Select(view, childId);
    messages.answers = {DV::IDYES};
    view->OnCommand(DVCmd::Delete);
    // The other view still shows the destroyed child under First; Last moves in below it.
    Select(second, last->m_nId);
    second->OnCommand(DVCmd::Cut);
    Select(second, first->m_nId);
    second->OnCommand(DVCmd::Paste);
    EXPECT_EQ(last->m_nParentId, first->m_nId);
    EXPECT_EQ(last->m_nPrevSiblingId, 0);
    EXPECT_EQ(ListIds(useCase->m_steps), (std::vector<qint32>{first->m_nId, last->m_nId}));
}

TEST_F(StepsViewTest, ADeletedStepLeavesTheProjectButNotItsAddressToANewStep) {
    auto* second = Open<CViewUseCaseSteps>(useCase);
    const CStep* deleted = first;
    Select(view, first->m_nId);
    messages.answers = {DV::IDYES};
    view->OnCommand(DVCmd::Delete);
    EXPECT_FALSE(doc.ContainsStep(deleted));
    EXPECT_EQ(ListIds(useCase->m_steps), std::vector<qint32>{last->m_nId});
    // The other view still has a row at the deleted step's address: a new step must not take it.
    Select(second, last->m_nId);
    second->OnCommand(DVCmd::StepSimple);
    for (const CStep* step : useCase->m_steps) {
        EXPECT_NE(step, deleted);
    }
    EXPECT_EQ(useCase->m_steps.size(), 2);
}

}  // namespace
