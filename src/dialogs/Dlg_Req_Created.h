#pragma once

#include "dialogs/CDVPropertyPage.h"
#include "model/CDVVerificationData.h"

#include <vector>

class CDVUserDefinedParList;
class CViewDVTreeList;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// "Created Reqs / Use Cases": the created and derived-from links of a requirement or a use case, or the
// requirements of a step. The "Edit" buttons change only the edited object's list (a deferred quick
// selection); OK brings the partners into line, Cancel puts the lists back.
class Dlg_Req_Created : public CDVPropertyPage {
    Q_OBJECT
public:
    enum Mode { RequirementMode, UseCaseMode, StepMode };
    static constexpr int kRowCount = 4;

    Dlg_Req_Created(CReqDoc* doc, Mode mode, CDVUserDefinedParList* object, CViewDVTreeList* view,
                    bool* changed, QWidget* parent = nullptr);

    bool ApplyPage() override;
    void CancelPage() override;

    // The "Edit" button of the row (0 to 3).
    void EditRow(int row);

    QPlainTextEdit* ListEdit(int row) const { return m_lists[row]; }
    QPushButton* EditButton(int row) const { return m_buttons[row]; }

protected:
    void OnInitPage() override;

private:
    // One list the mode uses: the edited object's ids, the field id its "Edit" button passes, the quick
    // selection mode whose partner updates OK performs, and the family the ids name.
    struct Link {
        DVIdArray* ids;
        int fieldId;
        int quickSelectMode;
        bool useCases;
    };
    std::vector<Link> Links() const;
    void ShowLists();
    void UpdateStepPartners(const DVIdArray& added, const DVIdArray& removed);

    Mode m_nMode;
    CDVUserDefinedParList* m_pObject;
    CViewDVTreeList* m_pView;
    bool* m_pChanged;
    bool m_bReady = false;
    // The lists as they were when the page was initialised, in the order of Links().
    std::vector<DVIdArray> m_original;
    // Step mode: requirements whose removal from the use case the user confirmed.
    DVIdArray m_confirmedRemovals;

    QLabel* m_labels[kRowCount];
    QPlainTextEdit* m_lists[kRowCount];
    QPushButton* m_buttons[kRowCount];
};
