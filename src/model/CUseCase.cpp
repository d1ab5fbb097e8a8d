#include "model/CUseCase.h"

#include "model/CReqProject.h"
#include "model/StringIds.h"

#include <algorithm>

CUseCase::CUseCase(qint32 id) : CDVVerificationData(id, QStringLiteral("New Use-Case")) {}

CUseCase::CUseCase(qint32 id, const CUseCase& source)
    : CDVVerificationData(id, source),
      m_nKind(source.m_nKind),
      m_nTopStepId(source.m_nTopStepId),
      m_nLastStepId(source.m_nLastStepId) {
    for (const CStep* step : source.m_steps) {
        m_steps.Append(std::make_unique<CStep>(*step));
    }
}

bool CUseCase::SetFieldText(const QString& text, int fieldId, bool& handled, CReqProject* doc) {
    const bool result = CDVVerificationData::SetFieldText(text, fieldId, handled, doc);
    if (handled) {
        return result;
    }
    if (fieldId == FIELD_UC_DERIVED_FROM_REQUIREMENTS || fieldId == FIELD_UC_REQUIREMENTS) {
        handled = true;
        return true;
    }
    return SetPhaseFieldText(text, fieldId, handled, doc, FIELD_UC_APPROVED, FIELD_UC_VERIFIED,
                             FIELD_UC_APPROVAL_DESCRIPTION, FIELD_UC_VERIFICATION_DESCRIPTION);
}

CDVVerificationData* CUseCase::FindById(qint32 id, const CReqProject* doc) const {
    return doc != nullptr ? doc->FindUseCase(id) : nullptr;
}

int CUseCase::GetNextInList(const CReqProject* doc) const {
    if (doc == nullptr) {
        return -1;
    }
    const int index = doc->m_useCases.IndexOf(this);
    return index < 0 || index + 1 >= doc->m_useCases.size() ? -1 : index + 1;
}

bool CUseCase::RemoveRequirementFromSteps(quint32 requirementId, CReqProject* doc) {
    bool changed = false;
    for (CStep* step : m_steps) {
        auto it = std::find(step->m_stepRequirements.begin(), step->m_stepRequirements.end(), requirementId);
        if (it != step->m_stepRequirements.end()) {
            if (doc != nullptr) {
                doc->BeforeChange(step);
            }
            step->m_stepRequirements.erase(it);
            if (doc != nullptr) {
                doc->MarkModified(step);
            }
            changed = true;
        }
    }
    return changed;
}
