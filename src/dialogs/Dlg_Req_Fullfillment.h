#pragma once

#include "dialogs/CDVPropertyPage.h"

class CDVDevelopmentStep;
class CDVVerificationData;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// "Approval and Verification" of a requirement or a use case. Choosing "Yes" checks at once, without
// changing anything, whether the phase may be done; OK runs the operations for real, approval first.
class Dlg_Req_Fullfillment : public CDVPropertyPage {
    Q_OBJECT
public:
    Dlg_Req_Fullfillment(CReqDoc* doc, CDVVerificationData* object, bool* changed, QWidget* parent = nullptr);

    bool ApplyPage() override;

    QComboBox* ApprovedCombo() const { return m_approved; }
    QComboBox* VerifiedCombo() const { return m_verified; }
    QPlainTextEdit* ApprovalDescriptionEdit() const { return m_approvalDescription; }
    QPlainTextEdit* VerificationDescriptionEdit() const { return m_verificationDescription; }
    QLineEdit* LastApprovalEdit() const { return m_lastApproval; }
    QLineEdit* LastVerificationEdit() const { return m_lastVerification; }

protected:
    void OnInitPage() override;

private:
    void FillPhase(QComboBox* combo, QLineEdit* last, const CDVDevelopmentStep& record, int neverId);
    void OnPhaseSelected(QComboBox* combo, int index);

    CDVVerificationData* m_pObject;
    bool* m_pChanged;
    bool m_bReady = false;

    QComboBox* m_approved;
    QPlainTextEdit* m_approvalDescription;
    QLineEdit* m_lastApproval;
    QComboBox* m_verified;
    QPlainTextEdit* m_verificationDescription;
    QLineEdit* m_lastVerification;
};
