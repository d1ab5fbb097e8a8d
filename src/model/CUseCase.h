#pragma once

#include "model/CDVVerificationData.h"
#include "model/CStep.h"
#include "model/DVObjectList.h"

// One use of the system, with its scenario of steps.
class CUseCase : public CDVVerificationData {
public:
    enum Kind { KindUseCase = 0, KindFolder = 1 };

    explicit CUseCase(qint32 id = 0);
    // Copies the source; the steps keep their identifiers.
    CUseCase(qint32 id, const CUseCase& source);

    DVFamily Family() const override { return DVFamily::UseCase; }
    int GetImageIndex() const override { return m_nKind == KindFolder ? 3 : 10; }
    bool SetFieldText(const QString& text, int fieldId, bool& handled, CReqProject* doc) override;
    CDVVerificationData* FindById(qint32 id, const CReqProject* doc) const override;
    int GetNextInList(const CReqProject* doc) const override;

    // Removes the first occurrence of the requirement from every step that lists it; each changed step
    // gets its version touched and its time set. Returns whether a step changed.
    bool RemoveRequirementFromSteps(quint32 requirementId, CReqProject* doc);

    qint32 m_nKind = KindUseCase;
    DVObjectList<CStep> m_steps;
    qint32 m_nTopStepId = 0;
    qint32 m_nLastStepId = 0;
};
