#pragma once

#include "model/CDVUserDefinedParList.h"
#include "model/CDVVerificationData.h"

// One step of a use-case scenario.
class CStep : public CDVUserDefinedParList {
public:
    enum Type {
        Simple = 0,
        If = 1,
        ElseIf = 2,
        Else = 3,
        EndIf = 4,
        Fork = 5,
        Join = 6,
        Goto = 7,
        SuccessfulEnd = 8,
        UnsuccessfulEnd = 9
    };

    explicit CStep(qint32 id = 0);
    // A copy that keeps the source's identifier.
    explicit CStep(const CStep& source);
    CStep(qint32 id, const CStep& source);

    DVFamily Family() const override { return DVFamily::Step; }
    int GetImageIndex() const override { return m_nType + 11; }
    bool SetFieldText(const QString& text, int fieldId, bool& handled, CReqProject* doc) override;

    // Compares the step fields (not title, description, comment or parameter values).
    bool IsEqual(const CStep& other, const CReqProject* doc) const;

    // Cell texts.
    QString ActorText(const CReqProject* doc) const;
    QString ActsOnText(const CReqProject* doc) const;
    QString CallingFunctionsText(const CReqProject* doc) const;
    static QString ValuesText(const CReqProject* doc, const std::vector<DVParameterValue>& values);

    QString m_strNumber;
    qint32 m_nType = Simple;
    QString m_strTimeRequirement;
    DVIdArray m_stepRequirements;
    qint32 m_nActorId = 0;
    DVIdArray m_actsOn;
    std::vector<DVParameterValue> m_inputValues;
    std::vector<DVParameterValue> m_outputValues;
    DVIdArray m_callingFunctions;
    // Requirement identifiers whose removal a dialog confirmed and that are still to be carried out.
    DVIdArray m_pendingRemovals;
};

// Same parameter identifier, the definition exists among the actors' parameters, same displayed text.
bool ValuesEqual(const CReqProject* doc, const DVParameterValue& a, const DVParameterValue& b);
// The same number of values, pairwise equal in order.
bool ValueArraysEqual(const CReqProject* doc, const std::vector<DVParameterValue>& a,
                      const std::vector<DVParameterValue>& b);
