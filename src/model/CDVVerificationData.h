#pragma once

#include "model/CDVDevelopmentStep.h"
#include "model/CDVUserDefinedParList.h"

#include <vector>

using DVIdArray = std::vector<quint32>;

// Base of requirements and use cases: the four phase records, the requirement links and the phase rules.
class CDVVerificationData : public CDVUserDefinedParList {
public:
    CDVVerificationData(qint32 id, QString title);
    CDVVerificationData(qint32 id, const CDVVerificationData& source);

    // Durations and costs of the four phases (fields 481 to 488).
    bool SetFieldText(const QString& text, int fieldId, bool& handled, CReqProject* doc) override;

    // The first object of the own family list with that identifier, or null.
    virtual CDVVerificationData* FindById(qint32 id, const CReqProject* doc) const = 0;
    // Position just after this object in its family list; -1 when it is last or not in the list.
    virtual int GetNextInList(const CReqProject* doc) const = 0;

    // The phase operations. Each reports through ok and returns the message text it collected or showed.
    QString Approve(bool bDo, CReqProject* doc, bool cascade, bool& ok, bool checkOnly);
    QString Verify(bool bDo, CReqProject* doc, bool cascade, bool& ok, bool checkOnly);
    QString Implement(bool bDo, CReqProject* doc, bool& ok);
    QString Validate(bool bDo, CReqProject* doc, bool& ok);

    CDVDevelopmentStep& PhaseRecord(int phase);
    const CDVDevelopmentStep& PhaseRecord(int phase) const;

    CDVDevelopmentStep m_approval{CDVDevelopmentStep::Approval};
    CDVDevelopmentStep m_implementation{CDVDevelopmentStep::Implementation};
    CDVDevelopmentStep m_verification{CDVDevelopmentStep::Verification};
    CDVDevelopmentStep m_validation{CDVDevelopmentStep::Validation};
    DVIdArray m_createdRequirements;
    DVIdArray m_derivedFromRequirements;

protected:
    // The phase and phase-description fields; the families pass their own ids for approval and
    // verification (requirements 404/405/409/410, use cases 437/438/439/440).
    bool SetPhaseFieldText(const QString& text, int fieldId, bool& handled, CReqProject* doc, int approvedId,
                           int verifiedId, int approvalDescriptionId, int verificationDescriptionId);

private:
    void MarkDone(CDVDevelopmentStep& record, CReqProject* doc);
    QString Refuse(CDVDevelopmentStep& record, const QString& message, bool& ok, bool checkOnly);
    static void KeepOrDropToPending(CDVDevelopmentStep& record);
    QString WithdrawApproval(CReqProject* doc, bool cascade);
    QString WithdrawVerification(CReqProject* doc, bool cascade);
    QString CheckApproval(CReqProject* doc, bool& ok, bool checkOnly);
    QString CheckVerification(CReqProject* doc, bool& ok, bool checkOnly);
};

// The version the object's next modification will give it, for the record of a phase done now.
VersionNumber NextPhaseVersion(const CReqProject* doc, const CDVData& object);
