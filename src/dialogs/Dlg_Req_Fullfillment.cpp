#include "dialogs/Dlg_Req_Fullfillment.h"

#include "dialogs/DVPageWidgets.h"
#include "document/CReqDoc.h"
#include "model/CDVVerificationData.h"
#include "model/StringIds.h"
#include "platform/DVFormat.h"

#include <QFormLayout>

namespace {

constexpr int kVersionName = 517;

}  // namespace

Dlg_Req_Fullfillment::Dlg_Req_Fullfillment(CReqDoc* doc, CDVVerificationData* object, bool* changed,
                                           QWidget* parent)
    : CDVPropertyPage(doc, QStringLiteral("Approval and Verification"), parent),
      m_pObject(object),
      m_pChanged(changed),
      m_approved(new QComboBox(this)),
      m_approvalDescription(MultiLineEdit(this)),
      m_lastApproval(ReadOnlyLine(this)),
      m_verified(new QComboBox(this)),
      m_verificationDescription(MultiLineEdit(this)),
      m_lastVerification(ReadOnlyLine(this)) {
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Approved:"), m_approved);
    form->addRow(QStringLiteral("Approval Description:"), m_approvalDescription);
    form->addRow(QStringLiteral("Last Approval:"), m_lastApproval);
    form->addRow(QStringLiteral("Tested / Verified:"), m_verified);
    form->addRow(QStringLiteral("Verification Description:"), m_verificationDescription);
    form->addRow(QStringLiteral("Last Verification:"), m_lastVerification);
}

void Dlg_Req_Fullfillment::FillPhase(QComboBox* combo, QLineEdit* last, const CDVDevelopmentStep& record,
                                     int neverId) {
    QString no = m_pDocument->GetValueName(VALUE_NO);
    if (record.m_nState == CDVDevelopmentStep::OutOfDate) {
        no += QStringLiteral(" (out-of-date)");
    } else if (!record.IsDone()) {
        no += QStringLiteral(" (pendant)");
    }
    combo->addItem(no);
    combo->addItem(m_pDocument->GetValueName(VALUE_YES));
    combo->setCurrentIndex(record.IsDone() ? 1 : 0);
    last->setText(record.EverDone()
                      ? QStringLiteral("%1, %2 %3")
                            .arg(FormatTime(record.m_timeLast), m_pDocument->GetValueName(kVersionName),
                                 CReqProject::FormatVersion(record.m_versionLast))
                      : m_pDocument->GetValueName(neverId));
}

void Dlg_Req_Fullfillment::OnInitPage() {
    m_bReady = m_pObject != nullptr && m_pDocument != nullptr && m_pChanged != nullptr;
    if (!m_bReady) {
        return;
    }
    FillPhase(m_approved, m_lastApproval, m_pObject->m_approval, VALUE_NEVER_APPROVED);
    FillPhase(m_verified, m_lastVerification, m_pObject->m_verification, VALUE_NEVER_VERIFIED);
    m_approvalDescription->setPlainText(m_pObject->m_approval.m_strDescription);
    m_verificationDescription->setPlainText(m_pObject->m_verification.m_strDescription);
    for (QComboBox* combo : {m_approved, m_verified}) {
        connect(combo, &QComboBox::currentIndexChanged, this,
                [this, combo](int index) { OnPhaseSelected(combo, index); });
    }
}

void Dlg_Req_Fullfillment::OnPhaseSelected(QComboBox* combo, int index) {
    if (index != 1) {
        return;
    }
    // Checks only: the operation shows why it refuses but changes nothing.
    bool ok = true;
    if (combo == m_approved) {
        m_pObject->Approve(true, m_pDocument, false, ok, true);
    } else {
        m_pObject->Verify(true, m_pDocument, false, ok, true);
    }
    if (!ok) {
        combo->setCurrentIndex(0);
    }
}

bool Dlg_Req_Fullfillment::ApplyPage() {
    if (!m_bReady) {
        return false;
    }
    CDVDevelopmentStep& approval = m_pObject->m_approval;
    CDVDevelopmentStep& verification = m_pObject->m_verification;
    const QString approvalText = EditedText(m_approvalDescription, approval.m_strDescription);
    const QString verificationText = EditedText(m_verificationDescription, verification.m_strDescription);
    bool changed =
        approvalText != approval.m_strDescription || verificationText != verification.m_strDescription;
    approval.m_strDescription = approvalText;
    verification.m_strDescription = verificationText;
    const int approvalState = approval.m_nState;
    const int verificationState = verification.m_nState;
    // Approval first: a withdrawn approval takes the verification with it, and verifying is then refused.
    bool ok = true;
    m_pObject->Approve(m_approved->currentIndex() == 1, m_pDocument, false, ok, false);
    m_pObject->Verify(m_verified->currentIndex() == 1, m_pDocument, false, ok, false);
    changed = changed || approval.m_nState != approvalState || verification.m_nState != verificationState;
    if (changed) {
        *m_pChanged = true;
    }
    return changed;
}
