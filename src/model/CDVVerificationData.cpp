#include "model/CDVVerificationData.h"

#include "model/CReqProject.h"
#include "model/CUseCase.h"
#include "model/DVParameter.h"
#include "model/PhaseWithdrawal.h"
#include "model/Requirement.h"
#include "model/StringIds.h"
#include "platform/DVClock.h"
#include "platform/DVMessageBox.h"

namespace {

const QString kApprovalNotice = QStringLiteral(
    "Please note, that approvals and verifications of following\nRequirements and Use-Cases will also be "
    "removed:\n\n");
const QString kVerificationNotice = QStringLiteral(
    "Please note, that verifications of following\nRequirements and Use-Cases will also be removed:\n\n");

void Show(const QString& message) {
    DVMessageBox(message, DV::MB_ICONEXCLAMATION | DV::MB_OK);
}

// Walks up the parent chain of a requirement; the walk is bounded so that a parent cycle in damaged
// data cannot hang it.
template <typename Visit>
void ForEachAncestor(const CDVVerificationData* object, CReqProject* doc, Visit visit) {
    int budget = doc->m_requirements.size();
    qint32 parentId = object->m_nParentId;
    while (parentId != 0 && budget-- > 0) {
        Requirement* ancestor = doc->FindRequirement(parentId);
        if (ancestor == nullptr || !visit(ancestor)) {
            return;
        }
        parentId = ancestor->m_nParentId;
    }
}

}  // namespace

CDVVerificationData::CDVVerificationData(qint32 id, QString title)
    : CDVUserDefinedParList(id, std::move(title)) {}

CDVVerificationData::CDVVerificationData(qint32 id, const CDVVerificationData& source)
    : CDVUserDefinedParList(id, source),
      m_approval(source.m_approval),
      m_implementation(source.m_implementation),
      m_verification(source.m_verification),
      m_validation(source.m_validation),
      m_createdRequirements(source.m_createdRequirements),
      m_derivedFromRequirements(source.m_derivedFromRequirements) {
    m_approval.m_nPhase = CDVDevelopmentStep::Approval;
    m_implementation.m_nPhase = CDVDevelopmentStep::Implementation;
    m_verification.m_nPhase = CDVDevelopmentStep::Verification;
    m_validation.m_nPhase = CDVDevelopmentStep::Validation;
}

CDVDevelopmentStep& CDVVerificationData::PhaseRecord(int phase) {
    switch (phase) {
        case CDVDevelopmentStep::Implementation:
            return m_implementation;
        case CDVDevelopmentStep::Verification:
            return m_verification;
        case CDVDevelopmentStep::Validation:
            return m_validation;
        default:
            return m_approval;
    }
}

const CDVDevelopmentStep& CDVVerificationData::PhaseRecord(int phase) const {
    return const_cast<CDVVerificationData*>(this)->PhaseRecord(phase);
}

VersionNumber NextPhaseVersion(const CReqProject* doc, const CDVData& object) {
    VersionNumber version = doc->m_version;
    version.nCount = object.m_version.SameNumbering(doc->m_version) ? object.m_version.nCount + 1 : 1;
    return version;
}

bool CDVVerificationData::SetFieldText(const QString& text, int fieldId, bool& handled, CReqProject* doc) {
    const bool result = CDVUserDefinedParList::SetFieldText(text, fieldId, handled, doc);
    if (handled) {
        return result;
    }
    if (fieldId < FIELD_APPROVAL_DURATION || fieldId > FIELD_VALIDATION_COST) {
        handled = false;
        return false;
    }
    handled = true;
    const int offset = fieldId - FIELD_APPROVAL_DURATION;
    CDVDevelopmentStep& record = PhaseRecord(offset / 2);
    const bool isCost = offset % 2 == 1;
    const double before = isCost ? record.GetEffectiveCost(doc) : record.GetEffectiveDuration(doc);
    double number = 0.0;
    if (!ParseNumber(text, number)) {
        Show(QStringLiteral("Invalid Number. Please enter a valid number."));
        return false;
    }
    (isCost ? record.m_dCost : record.m_dDuration) = number;
    return number != before;
}

bool CDVVerificationData::SetPhaseFieldText(const QString& text, int fieldId, bool& handled, CReqProject* doc,
                                            int approvedId, int verifiedId, int approvalDescriptionId,
                                            int verificationDescriptionId) {
    handled = true;
    if (fieldId == approvalDescriptionId) {
        return AssignText(m_approval.m_strDescription, text);
    }
    if (fieldId == verificationDescriptionId) {
        return AssignText(m_verification.m_strDescription, text);
    }
    if (fieldId == FIELD_IMPLEMENTATION_DESCRIPTION) {
        return AssignText(m_implementation.m_strDescription, text);
    }
    if (fieldId == FIELD_VALIDATION_DESCRIPTION) {
        return AssignText(m_validation.m_strDescription, text);
    }
    CDVDevelopmentStep* record = nullptr;
    if (fieldId == approvedId) {
        record = &m_approval;
    } else if (fieldId == verifiedId) {
        record = &m_verification;
    } else if (fieldId == FIELD_IMPLEMENTED) {
        record = &m_implementation;
    } else if (fieldId == FIELD_VALIDATED) {
        record = &m_validation;
    } else {
        handled = false;
        return false;
    }
    if (doc == nullptr) {
        return false;
    }
    const bool bDo = doc->GetYesNoChoices().split(u'|').indexOf(text) == 1;
    const qint32 stateBefore = record->m_nState;
    bool ok = true;
    if (record == &m_approval) {
        Approve(bDo, doc, false, ok, false);
    } else if (record == &m_verification) {
        Verify(bDo, doc, false, ok, false);
    } else if (record == &m_implementation) {
        Implement(bDo, doc, ok);
    } else {
        Validate(bDo, doc, ok);
    }
    return record->m_nState != stateBefore;
}

void CDVVerificationData::MarkDone(CDVDevelopmentStep& record, CReqProject* doc) {
    record.m_nState = CDVDevelopmentStep::Done;
    record.m_timeLast = DVNow();
    record.m_versionLast = NextPhaseVersion(doc, *this);
}

QString CDVVerificationData::Refuse(CDVDevelopmentStep& record, const QString& message, bool& ok,
                                    bool checkOnly) {
    Show(message);
    ok = false;
    if (!checkOnly) {
        KeepOrDropToPending(record);
    }
    return message;
}

// A refused run leaves a phase pending, except one that is done: dropping that without its cascade
// would contradict what depends on it, and the user's earlier decision stands.
void CDVVerificationData::KeepOrDropToPending(CDVDevelopmentStep& record) {
    if (!record.IsDone()) {
        record.m_nState = CDVDevelopmentStep::Pending;
    }
}

QString CDVVerificationData::Approve(bool bDo, CReqProject* doc, bool cascade, bool& ok, bool checkOnly) {
    if (doc == nullptr) {
        ok = false;
        return QString();
    }
    return bDo ? CheckApproval(doc, ok, checkOnly) : (ok = true, WithdrawApproval(doc, cascade));
}

QString CDVVerificationData::CheckApproval(CReqProject* doc, bool& ok, bool checkOnly) {
    const Requirement* self = AsRequirement(this);
    if (self != nullptr) {
        const Requirement* unapproved = nullptr;
        ForEachAncestor(this, doc, [&](Requirement* ancestor) {
            if (!ancestor->m_approval.IsDone()) {
                unapproved = ancestor;
                return false;
            }
            return true;
        });
        if (unapproved != nullptr) {
            return Refuse(
                m_approval,
                QStringLiteral("\"%1\" cannot be approved now, because the parent \"%2\" has not been "
                               "approved so far.")
                    .arg(m_strTitle, unapproved->m_strTitle),
                ok, checkOnly);
        }
    }
    for (quint32 id : m_derivedFromRequirements) {
        const Requirement* source = doc->FindRequirement(static_cast<qint32>(id));
        if (source != nullptr && !source->m_approval.IsDone() && source->m_nLinkage != Requirement::Ignore) {
            return Refuse(
                m_approval,
                QStringLiteral("\"%1\" cannot be approved now, because it is derived from Requirement "
                               "\"%2\" which has not been approved so far.")
                    .arg(m_strTitle, source->m_strTitle),
                ok, checkOnly);
        }
    }
    if (self != nullptr) {
        for (quint32 id : self->m_derivedFromUseCases) {
            const CUseCase* source = doc->FindUseCase(static_cast<qint32>(id));
            if (source != nullptr && !source->m_approval.IsDone()) {
                return Refuse(
                    m_approval,
                    QStringLiteral("\"%1\" cannot be approved now, because it is derived from Use-Case "
                                   "\"%2\" which has not been approved so far.")
                        .arg(m_strTitle, source->m_strTitle),
                    ok, checkOnly);
            }
        }
    }
    ok = true;
    if (!checkOnly) {
        MarkDone(m_approval, doc);
    }
    return QString();
}

QString CDVVerificationData::WithdrawApproval(CReqProject* doc, bool cascade) {
    QString text = PhaseWithdrawal(doc).WithdrawApproval(this, cascade);
    if (!text.isEmpty() && !cascade) {
        text.prepend(kApprovalNotice);
        Show(text);
    }
    return text;
}

QString CDVVerificationData::Verify(bool bDo, CReqProject* doc, bool cascade, bool& ok, bool checkOnly) {
    if (doc == nullptr) {
        ok = false;
        return QString();
    }
    return bDo ? CheckVerification(doc, ok, checkOnly) : (ok = true, WithdrawVerification(doc, cascade));
}

QString CDVVerificationData::CheckVerification(CReqProject* doc, bool& ok, bool checkOnly) {
    if (!m_approval.IsDone()) {
        return Refuse(
            m_verification,
            QStringLiteral("\"%1\" cannot be verified before it has been approved!").arg(m_strTitle), ok,
            checkOnly);
    }
    if (!m_implementation.IsDone() && doc->m_bImplementationPhase) {
        return Refuse(
            m_verification,
            QStringLiteral("\"%1\" cannot be verified before it has been implemented!").arg(m_strTitle), ok,
            checkOnly);
    }
    const Requirement* self = AsRequirement(this);
    if (self != nullptr) {
        bool orChildExists = false;
        bool orChildVerified = false;
        QString andRefusal;
        for (const Requirement* child : self->Children(doc)) {
            if (child->m_nLinkage == Requirement::Or) {
                orChildExists = true;
                orChildVerified = orChildVerified || child->m_verification.IsDone();
            } else if (child->m_nLinkage == Requirement::And && !child->m_verification.IsDone()) {
                andRefusal =
                    QStringLiteral(
                        "The verification of \"%1\" is not permitted,\nbecause the child \"%2\" has not "
                        "been verified yet.\n")
                        .arg(m_strTitle, child->m_strTitle);
                Show(andRefusal);
                break;
            }
        }
        if (orChildExists && !orChildVerified) {
            return andRefusal +
                   Refuse(m_verification,
                          QStringLiteral("The verification of \"%1\" is not permitted,\nbecause no "
                                         "child with an \"OR\"-Linkage has been verified yet.\n")
                              .arg(m_strTitle),
                          ok, checkOnly);
        }
        if (!andRefusal.isEmpty()) {
            ok = false;
            if (!checkOnly) {
                KeepOrDropToPending(m_verification);
            }
            return andRefusal;
        }
    }
    for (quint32 id : m_createdRequirements) {
        const Requirement* created = doc->FindRequirement(static_cast<qint32>(id));
        if (created != nullptr && !created->m_verification.IsDone() &&
            created->m_nLinkage != Requirement::Ignore) {
            return Refuse(m_verification,
                          QStringLiteral("The verification of \"%1\" is not permitted,\nbecause the created "
                                         "Requirement \"%2\" has not been verified yet.\n")
                              .arg(m_strTitle, created->m_strTitle),
                          ok, checkOnly);
        }
    }
    if (self != nullptr) {
        for (quint32 id : self->m_createdUseCases) {
            const CUseCase* created = doc->FindUseCase(static_cast<qint32>(id));
            if (created != nullptr && !created->m_verification.IsDone()) {
                return Refuse(
                    m_verification,
                    QStringLiteral("The verification of \"%1\" is not permitted,\nbecause the created "
                                   "Use-Case \"%2\" has not been verified yet.\n")
                        .arg(m_strTitle, created->m_strTitle),
                    ok, checkOnly);
            }
        }
    }
    ok = true;
    if (!checkOnly) {
        MarkDone(m_verification, doc);
    }
    return QString();
}

QString CDVVerificationData::WithdrawVerification(CReqProject* doc, bool cascade) {
    QString text = PhaseWithdrawal(doc).WithdrawVerification(this, cascade);
    if (!text.isEmpty() && !cascade) {
        text.prepend(kVerificationNotice);
        Show(text);
    }
    return text;
}

QString CDVVerificationData::Implement(bool bDo, CReqProject* doc, bool& ok) {
    ok = doc != nullptr;
    if (doc == nullptr) {
        return QString();
    }
    if (bDo) {
        if (!m_approval.IsDone()) {
            return Refuse(
                m_implementation,
                QStringLiteral("\"%1\" cannot be implemented before it has been approved!").arg(m_strTitle),
                ok, false);
        }
        MarkDone(m_implementation, doc);
        return QString();
    }
    if (!m_implementation.IsDone()) {
        return QString();
    }
    m_implementation.m_nState = CDVDevelopmentStep::Pending;
    QString text;
    if (m_verification.IsDone()) {
        bool cascadeOk = true;
        text = Verify(false, doc, true, cascadeOk, false);
        if (!text.isEmpty()) {
            text.prepend(kVerificationNotice);
            Show(text);
        }
    }
    return text;
}

QString CDVVerificationData::Validate(bool bDo, CReqProject* doc, bool& ok) {
    ok = doc != nullptr;
    if (doc == nullptr) {
        return QString();
    }
    if (bDo) {
        if (!m_verification.IsDone()) {
            return Refuse(
                m_validation,
                QStringLiteral("\"%1\" cannot be validated before it has been verified!").arg(m_strTitle), ok,
                false);
        }
        MarkDone(m_validation, doc);
        return QString();
    }
    if (m_validation.IsDone()) {
        m_validation.m_nState = CDVDevelopmentStep::Pending;
    }
    return QString();
}
