// Two windows of the same rows: a structure edit in one never hides objects from the other.
#include "ProjectWindows.h"
#include "support/ViewRows.h"

using namespace CommandIds;
using namespace ProjectIds;

namespace {

qint32 SelectedId(CViewDVTreeList* view) {
    const CDVData* object = view->FamilyObjectOf(view->SelectedItem());
    return object != nullptr ? object->m_nId : 0;
}

struct EditCase {
    const char* name;
    bool steps;
    qint32 parentInA;
    std::vector<int> commandsInA;  // make a new object under parentInA and leave it selected
    qint32 selectedInB;
    qint32 collapsedInB;  // 0: none
    int commandInB;
};

class StructureEditWindowsTest : public ProjectWindowsTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(StructureEditWindowsTest, AnObjectMadeInOneWindowSurvivesAnEditInTheOther) {
    const EditCase& c = GetParam();
    CViewDVTreeList* a = c.steps ? OpenStepsWindow() : ActiveMatrix();
    CViewDVTreeList* b = c.steps ? OpenStepsWindow() : OpenWindow(ID_VIEW_REQUIREMENTS_WINDOW);
    ASSERT_NE(a, b);
    Select(b, c.selectedInB);
    if (c.collapsedInB != 0) {
        b->GetGrid()->Expand(b->FindRowOfObject(c.collapsedInB), TVE_COLLAPSE);
    }

    Activate(a);
    Select(a, c.parentInA);
    for (int id : c.commandsInA) {
        Run(id);
        a->GetGrid()->EndEditLabelNow(false);
    }
    const qint32 made = SelectedId(a);
    const CDVData* madeObject = a->FamilyObjectOf(a->FindRowOfObject(made));
    ASSERT_NE(madeObject, nullptr);
    EXPECT_EQ(madeObject->m_nParentId, c.parentInA);
    // The other window keeps what its user left there.
    EXPECT_EQ(SelectedId(b), c.selectedInB);
    if (c.collapsedInB != 0) {
        EXPECT_EQ(b->GetGrid()->GetItemState(b->FindRowOfObject(c.collapsedInB), TVIS_EXPANDED), 0u);
    }

    Activate(b);
    Run(c.commandInB);
    for (CViewDVTreeList* view : {a, b}) {
        const std::vector<qint32> rows = RowIds(view);
        EXPECT_EQ(rows, FamilyListIds(view)) << "view type " << view->ViewType();
        EXPECT_NE(std::find(rows.begin(), rows.end(), made), rows.end()) << "view type " << view->ViewType();
    }
    EXPECT_EQ(madeObject->m_nParentId, c.parentInA);
}

INSTANTIATE_TEST_SUITE_P(Families, StructureEditWindowsTest,
                         ::testing::Values(EditCase{"Requirements",
                                                    false,
                                                    Features,
                                                    {DVCmd::InsertNewChild},
                                                    BusinessRequirements,
                                                    Specifications,
                                                    DVCmd::MoveDown},
                                           EditCase{"StepsOfOneUseCase",
                                                    true,
                                                    InsertCup,
                                                    {DVCmd::StepSimple, DVCmd::IncreaseIndent},
                                                    PressButton,
                                                    0,
                                                    DVCmd::MoveDown}),
                         [](const ::testing::TestParamInfo<EditCase>& test) {
                             return std::string(test.param.name);
                         });

}  // namespace
