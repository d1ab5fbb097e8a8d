#pragma once

#include "controls/treelist/DV_TreeList.h"
#include "dialogs/CDVPropertyPage.h"
#include "model/CDVDevelopmentStep.h"

#include <array>

class QCheckBox;
class QLineEdit;

// "Project Phases": the optional implementation and validation phases, the default cost and duration
// of every phase (edited in place in a small grid) and the project's units.
class Dlg_Project_Phases : public CDVPropertyPage, private ITreeListNotify {
    Q_OBJECT
public:
    enum Column { PhaseColumn, CostColumn, DurationColumn };

    explicit Dlg_Project_Phases(CReqDoc* doc, QWidget* parent = nullptr);

    bool ApplyPage() override;

    QCheckBox* ImplementationCheck() const { return m_implementation; }
    QCheckBox* ValidationCheck() const { return m_validation; }
    QLineEdit* CurrencyEdit() const { return m_currency; }
    QLineEdit* DurationUnitEdit() const { return m_durationUnit; }
    DV_TreeList* PhaseGrid() const { return m_grid; }
    // The grid row of a phase (CDVDevelopmentStep::Phase).
    HTREEITEM PhaseRow(int phase) const { return m_rows[size_t(phase)]; }
    const CDVDevelopmentStep& WorkingStep(int phase) const { return m_steps[size_t(phase)]; }

protected:
    void OnInitPage() override;

private:
    qintptr OnTreeListNotify(DV_TreeList& control, TLNotify& notify) override;
    bool BeginCellEdit(HTREEITEM row, int column);
    void EndCellEdit(HTREEITEM row, int column, const QString& text);
    void RedrawRows();
    CDVDevelopmentStep& DocumentStep(int phase) const;

    QCheckBox* m_implementation;
    QCheckBox* m_validation;
    QLineEdit* m_currency;
    QLineEdit* m_durationUnit;
    DV_TreeList* m_grid;
    std::array<HTREEITEM, 4> m_rows{};
    std::array<CDVDevelopmentStep, 4> m_steps{CDVDevelopmentStep(CDVDevelopmentStep::Approval),
                                              CDVDevelopmentStep(CDVDevelopmentStep::Implementation),
                                              CDVDevelopmentStep(CDVDevelopmentStep::Verification),
                                              CDVDevelopmentStep(CDVDevelopmentStep::Validation)};
};
