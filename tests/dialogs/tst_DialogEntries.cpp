// The views open the dialogs through the host entries: link cells and Edit All.
#include "DialogTestSupport.h"

#include "dialogs/DVDialogEntries.h"
#include "dialogs/DlgSheet_Req_Edit.h"
#include "dialogs/Dlg_Req_Parameters.h"
#include "model/StringIds.h"
#include "views/CViewTreelist.h"
#include "views/CViewUseCaseSteps.h"

#include <QTabWidget>

namespace {

class DialogEntries : public ViewTest {
protected:
    DialogEntries() { InstallDialogEntries(CDVViewHost::Instance()); }

    // Enter in the cell of the object's row under the field's column.
    static void EnterInCell(CViewDVTreeList* view, qint32 id, int fieldId) {
        const int column = FieldColumn(view, fieldId);
        ASSERT_GE(column, 0) << "no column " << fieldId;
        Select(view, id, column);
        view->OnCommand(DVCmd::EditField);
    }
};

TEST_F(DialogEntries, ALinkCellOpensTheQuickSelectionAndBothRowsFollow) {
    Requirement* a = AddRequirement(QStringLiteral("A"));
    Requirement* b = AddRequirement(QStringLiteral("B"));
    SetColumns(doc.m_colsRequirements, {FIELD_TITLE, FIELD_REQUIREMENTS, FIELD_DERIVED_FROM_REQUIREMENTS});
    auto* view = Open<CViewTreelist>();
    bool opened = false;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<Dlg_QuickSelect*>(modal);
        ASSERT_NE(dialog, nullptr);
        opened = true;
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Quick-Select: Created Requirements by Requirement"));
        dialog->FindItem(quint32(b->m_nId))->setCheckState(0, Qt::Checked);
        dialog->accept();
    });
    EnterInCell(view, a->m_nId, FIELD_REQUIREMENTS);
    ASSERT_TRUE(opened);
    EXPECT_EQ(a->m_createdRequirements, Ids({quint32(b->m_nId)}));
    EXPECT_EQ(Cell(view, a->m_nId, FieldColumn(view, FIELD_REQUIREMENTS)), QStringLiteral("B(2)"));
    EXPECT_EQ(Cell(view, b->m_nId, FieldColumn(view, FIELD_DERIVED_FROM_REQUIREMENTS)),
              QStringLiteral("A(1)"));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DialogEntries, TheStepRequirementsCellPassesTheShownUseCase) {
    Requirement* r = AddRequirement(QStringLiteral("R"));
    CUseCase* useCase = AddUseCase(QStringLiteral("UC"));
    CStep* step = AddStep(useCase, QStringLiteral("S"));
    SetColumns(doc.m_colsSteps, {FIELD_TITLE, FIELD_STEP_REQUIREMENTS});
    auto* view = Open<CViewUseCaseSteps>(useCase);
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<Dlg_QuickSelect*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->Tree()->topLevelItemCount(), 1);
        dialog->FindItem(quint32(r->m_nId))->setCheckState(0, Qt::Checked);
        dialog->accept();
    });
    EnterInCell(view, step->m_nId, FIELD_STEP_REQUIREMENTS);
    EXPECT_EQ(step->m_stepRequirements, Ids({quint32(r->m_nId)}));
    EXPECT_EQ(useCase->m_createdRequirements, Ids({quint32(r->m_nId)}));
    EXPECT_EQ(r->m_derivedFromUseCases, Ids({quint32(useCase->m_nId)}));
}

class EditAllEntry : public DialogEntries {
protected:
    EditAllEntry() {
        auto definition = std::make_unique<DVParameter>();
        definition->m_nId = ++doc.m_nLastParameterId;
        definition->m_strName = QStringLiteral("Cost");
        cost = doc.m_parameters.Append(std::move(definition));
        requirement = AddRequirement(QStringLiteral("A"));
        requirement->AddParameterValue(cost->m_nId).m_strText = QStringLiteral("high");
        SetColumns(doc.m_colsRequirements, {FIELD_TITLE, FIELD_FIRST_PARAMETER, FIELD_ID});
    }
    DVParameter* cost;
    Requirement* requirement;
};

TEST_F(EditAllEntry, DeletingAParameterTakesItsColumnAndOkMarksIt) {
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        auto* view = Open<CViewTreelist>();
        Select(view, requirement->m_nId);
        WhenModal([&](QWidget* modal) {
            auto* sheet = qobject_cast<DlgSheet_Req_Edit*>(modal);
            ASSERT_NE(sheet, nullptr);
            EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Edit Requirement A, ID=1"));
            sheet->Tabs()->setCurrentIndex(DlgSheet_Req_Edit::ParametersPage);
            sheet->Parameters()->List()->selectRow(0);
            messages.answers = {DV::IDYES};
            sheet->Parameters()->DeleteParameter();
            EXPECT_EQ(FieldColumn(view, FIELD_FIRST_PARAMETER), -1);
            ok ? sheet->accept() : sheet->reject();
        });
        view->OnCommand(DVCmd::EditAll);
        EXPECT_EQ(cost->m_bDeleted, ok);
        EXPECT_EQ(requirement->m_pParameterValues->empty(), ok);
        // Columns and grid still agree, and the identifier column shows identifiers.
        EXPECT_EQ(view->GetGrid()->GetColumnCount(), 2);
        EXPECT_EQ(view->ViewColumns().ColumnCount(), 2);
        EXPECT_EQ(Cell(view, requirement->m_nId, FieldColumn(view, FIELD_ID)), QStringLiteral("1"));
        // A new view of the project finds no column of a deleted definition; a cancelled one still has it.
        cost->m_bDeleted = false;
        requirement->AddParameterValue(cost->m_nId).m_strText = QStringLiteral("high");
        SetColumns(doc.m_colsRequirements, {FIELD_TITLE, FIELD_FIRST_PARAMETER, FIELD_ID});
    }
}

TEST_F(EditAllEntry, ActorPagesAskedOfAnotherObjectOpenItsSheetAtTheFirstPage) {
    auto* view = Open<CViewTreelist>();
    int shownPage = -1;
    WhenModal([&](QWidget* modal) {
        auto* sheet = qobject_cast<DlgSheet_Req_Edit*>(modal);
        ASSERT_NE(sheet, nullptr);
        shownPage = sheet->Tabs()->currentIndex();
        sheet->reject();
    });
    bool parametersChanged = false;
    EXPECT_FALSE(CDVViewHost::Instance().editSheet(view, requirement, CDVViewHost::SheetPageFunctions,
                                                   parametersChanged));
    EXPECT_EQ(shownPage, DlgSheet_Req_Edit::DescriptionPage);
    EXPECT_FALSE(parametersChanged);
}

}  // namespace
