#pragma once

#include <QString>

class CDVVerificationData;
class CReqProject;

// The cascading withdrawal of approvals and verifications. Dependencies between objects can form
// chains as long as the project (each requirement derived from the one before), so the cascade runs on
// an explicit stack instead of the call stack; it visits and reports in the same order as the
// recursive rule: an object's own withdrawal, then its dependents one by one, each followed at once by
// its own cascade.
class PhaseWithdrawal {
public:
    explicit PhaseWithdrawal(CReqProject* doc) : m_doc(doc) {}

    // Withdraws the approval (or verification) of the object and returns the collected notice lines.
    // A direct withdrawal (not cascade) leaves the object pending; cascaded ones are out of date.
    QString WithdrawApproval(CDVVerificationData* object, bool cascade);
    QString WithdrawVerification(CDVVerificationData* object, bool cascade);

private:
    CReqProject* m_doc;
};
