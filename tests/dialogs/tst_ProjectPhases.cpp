// "Project Phases": the optional phases, the default cost and duration of each phase, the units.
#include "ProjectOptionsTest.h"

#include "dialogs/Dlg_Project_Phases.h"
#include "model/StringIds.h"

#include <QCheckBox>

using namespace ProjectIds;

namespace {

using Phase = CDVDevelopmentStep::Phase;

QPoint CellCentre(DV_TreeList* grid, HTREEITEM row, int column) {
    // The whole-row rectangle of the first column spans the row: take its text only.
    QRect rect;
    grid->GetItemRect(row, &rect, column == 0, column);
    return rect.center();
}

class ProjectPhasesTest : public ProjectOptionsTest {
protected:
    static QStringList Column(Dlg_Project_Phases* page, int column) {
        QStringList texts;
        for (int phase = Phase::Approval; phase <= Phase::Validation; ++phase) {
            texts.append(page->PhaseGrid()->GetItemText(page->PhaseRow(phase), column));
        }
        return texts;
    }
};

TEST_F(ProjectPhasesTest, CostsAndDurationsAreEditedInTheGridAndReadAsNumbers) {
    RunSheet([&](Dlg_Project_Options_Sheet& sheet) {
        auto* page = ShowPage<Dlg_Project_Phases>(sheet, Dlg_Project_Options_Sheet::PhasesPage);
        DV_TreeList* grid = page->PhaseGrid();
        QWidget* viewport = grid->viewport();
        EXPECT_EQ(Column(page, Dlg_Project_Phases::PhaseColumn),
                  (QStringList{"Approval", "Implementation", "Verification", "Validation"}));
        EXPECT_EQ(Column(page, Dlg_Project_Phases::CostColumn),
                  (QStringList{"1 kEUR", "8 kEUR", "3 kEUR", "1 kEUR"}));
        EXPECT_EQ(Column(page, Dlg_Project_Phases::DurationColumn),
                  (QStringList{"0.5 days", "5 days", "2 days", "0.5 days"}));
        EXPECT_TRUE(page->ImplementationCheck()->isChecked());
        EXPECT_FALSE(page->ValidationCheck()->isChecked());

        // A double-click on a cost cell; "0" is a number.
        const HTREEITEM implementation = page->PhaseRow(Phase::Implementation);
        QTest::mouseDClick(viewport, Qt::LeftButton, {},
                           CellCentre(grid, implementation, Dlg_Project_Phases::CostColumn));
        TypeIntoEditor(QStringLiteral("0"));
        EXPECT_EQ(grid->GetItemText(implementation, Dlg_Project_Phases::CostColumn),
                  QStringLiteral("0 kEUR"));
        EXPECT_EQ(page->WorkingStep(Phase::Implementation).m_dCost, 0.0);

        // A right-click on a duration cell; a text that is no number is refused and changes nothing.
        const HTREEITEM validation = page->PhaseRow(Phase::Validation);
        QTest::mouseClick(viewport, Qt::RightButton, {},
                          CellCentre(grid, validation, Dlg_Project_Phases::DurationColumn));
        boxes.Clear();
        TypeIntoEditor(QStringLiteral("soon"));
        ASSERT_EQ(boxes.texts, QStringList{"Invalid Number. Please enter a valid number."});
        EXPECT_EQ(boxes.types[0], DV::MB_OK | DV::MB_ICONEXCLAMATION);
        EXPECT_EQ(page->WorkingStep(Phase::Validation).m_dDuration, 0.5);
        EXPECT_EQ(grid->GetItemText(validation, Dlg_Project_Phases::DurationColumn),
                  QStringLiteral("0.5 days"));

        // Enter on a duration cell edits it from the keyboard.
        const HTREEITEM verification = page->PhaseRow(Phase::Verification);
        grid->SelectCell(verification, Dlg_Project_Phases::DurationColumn);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Return);
        TypeIntoEditor(QStringLiteral("2.5"));
        EXPECT_EQ(page->WorkingStep(Phase::Verification).m_dDuration, 2.5);

        // The phase names stay.
        QTest::mouseDClick(viewport, Qt::LeftButton, {},
                           CellCentre(grid, verification, Dlg_Project_Phases::PhaseColumn));
        EXPECT_EQ(grid->GetEditControl(), nullptr);

        // Units redraw every row at once; an empty unit shows the project's.
        page->CurrencyEdit()->setText(QStringLiteral("EUR"));
        EXPECT_EQ(Column(page, Dlg_Project_Phases::CostColumn),
                  (QStringList{"1 EUR", "0 EUR", "3 EUR", "1 EUR"}));
        page->DurationUnitEdit()->clear();
        EXPECT_EQ(Column(page, Dlg_Project_Phases::DurationColumn),
                  (QStringList{"0.5 days", "5 days", "2.5 days", "0.5 days"}));
        page->DurationUnitEdit()->setText(QStringLiteral("weeks"));
    });
    EXPECT_EQ(doc->m_stepImplementation.m_dCost, 0.0);
    EXPECT_EQ(doc->m_stepVerification.m_dDuration, 2.5);
    EXPECT_EQ(doc->m_stepValidation.m_dDuration, 0.5);
    EXPECT_EQ(doc->m_strCurrency, QStringLiteral("EUR"));
    EXPECT_EQ(doc->m_strDurationUnit, QStringLiteral("weeks"));
    EXPECT_TRUE(doc->IsModified());

    const std::unique_ptr<CReqDoc> reopened = SaveAndReopen();
    EXPECT_EQ(reopened->m_stepImplementation.m_dCost, 0.0);
    EXPECT_EQ(reopened->m_stepVerification.m_dDuration, 2.5);
    EXPECT_EQ(reopened->m_strCurrency, QStringLiteral("EUR"));
    EXPECT_EQ(reopened->m_strDurationUnit, QStringLiteral("weeks"));
}

TEST_F(ProjectPhasesTest, NewDefaultsReachOnlyRecordsThatHaveNotTakenADefault) {
    Requirement* untouched = doc->FindRequirement(BusinessRequirements);
    Requirement* shownBefore = doc->FindRequirement(Features);
    ASSERT_EQ(untouched->m_approval.m_dCost, -1.0);
    EXPECT_EQ(shownBefore->m_approval.GetEffectiveCost(doc), 1.0);  // takes today's default

    RunSheet([&](Dlg_Project_Options_Sheet& sheet) {
        auto* page = ShowPage<Dlg_Project_Phases>(sheet, Dlg_Project_Options_Sheet::PhasesPage);
        const HTREEITEM approval = page->PhaseRow(Phase::Approval);
        page->PhaseGrid()->SelectCell(approval, Dlg_Project_Phases::CostColumn);
        page->PhaseGrid()->setFocus();
        QTest::keyClick(page->PhaseGrid(), Qt::Key_Return);
        TypeIntoEditor(QStringLiteral("4"));
    });
    CViewDVTreeList* view = ActiveMatrix();
    ShowColumns(view, {407, FIELD_APPROVAL_COST});
    EXPECT_EQ(CellText(view, BusinessRequirements, FIELD_APPROVAL_COST), QStringLiteral("4 kEUR"));
    EXPECT_EQ(CellText(view, Features, FIELD_APPROVAL_COST), QStringLiteral("1 kEUR"));

    const std::unique_ptr<CReqDoc> reopened = SaveAndReopen();
    EXPECT_EQ(reopened->m_stepApproval.m_dCost, 4.0);
    EXPECT_EQ(reopened->FindRequirement(BusinessRequirements)->m_approval.m_dCost, 4.0);
    EXPECT_EQ(reopened->FindRequirement(Features)->m_approval.m_dCost, 1.0);
}

TEST_F(ProjectPhasesTest, TurningTheImplementationPhaseOffRemovesItsColumnsAndItsRule) {
    CViewDVTreeList* first = ActiveMatrix();
    CViewDVTreeList* second = OpenWindow(CommandIds::ID_VIEW_REQUIREMENTS_WINDOW);
    for (CViewDVTreeList* view : {first, second}) {
        ShowColumns(view, {407, 402, FIELD_APPROVED, FIELD_IMPLEMENTED, FIELD_IMPLEMENTATION_DESCRIPTION,
                           FIELD_VERIFIED});
    }
    Requirement* userNeeds = doc->FindRequirement(1);
    bool ok = false;
    userNeeds->Approve(true, doc, false, ok, false);
    ASSERT_TRUE(ok);
    userNeeds->Verify(true, doc, false, ok, true);
    EXPECT_FALSE(ok);
    EXPECT_EQ(boxes.texts.last(),
              QStringLiteral("\"User Needs\" cannot be verified before it has been implemented!"));
    doc->m_nOverviewApprImpl = 3;

    RunSheet([&](Dlg_Project_Options_Sheet& sheet) {
        ShowPage<Dlg_Project_Phases>(sheet, Dlg_Project_Options_Sheet::PhasesPage)
            ->ImplementationCheck()
            ->click();
    });
    EXPECT_FALSE(doc->m_bImplementationPhase);
    for (CViewDVTreeList* view : {first, second}) {
        EXPECT_EQ(FieldIds(view), (std::vector<quint32>{407, 402, FIELD_APPROVED, FIELD_VERIFIED}));
    }
    EXPECT_EQ(doc->m_nOverviewApprImpl, 1);  // the chart shows approvals only
    boxes.Clear();
    userNeeds->Verify(true, doc, false, ok, false);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(boxes.texts.isEmpty());

    EXPECT_FALSE(SaveAndReopen()->m_bImplementationPhase);
}

}  // namespace
