// Link maintenance between requirements and use cases. Every list is kept in ascending order; each side
// is changed by its own call because the dialogs first edit one side on a copy.
#include "model/CReqProject.h"

#include <algorithm>

namespace {

// Inserts before the first element greater than the value (duplicates are not checked).
void InsertSorted(DVIdArray& ids, quint32 value) {
    ids.insert(std::upper_bound(ids.begin(), ids.end(), value), value);
}

bool Contains(const DVIdArray& ids, quint32 value) {
    return std::find(ids.begin(), ids.end(), value) != ids.end();
}

// Removes the first occurrence.
void RemoveFirst(DVIdArray& ids, quint32 value) {
    const auto it = std::find(ids.begin(), ids.end(), value);
    if (it != ids.end()) {
        ids.erase(it);
    }
}

quint32 Id(qint32 id) {
    return static_cast<quint32>(id);
}

}  // namespace

void CReqProject::AddRequirementLink(qint32 derivedId, qint32 sourceId, bool ownSide) {
    Requirement* derived = FindRequirement(derivedId);
    Requirement* source = FindRequirement(sourceId);
    if (derived == nullptr || source == nullptr) {
        return;
    }
    if (ownSide) {
        BeforeChange(source);
        InsertSorted(source->m_createdRequirements, Id(derivedId));
        MarkModified(source);
    } else {
        BeforeChange(derived);
        InsertSorted(derived->m_derivedFromRequirements, Id(sourceId));
        MarkModified(derived);
    }
}

void CReqProject::RemoveRequirementLink(qint32 derivedId, qint32 sourceId, bool ownSide) {
    Requirement* derived = FindRequirement(derivedId);
    Requirement* source = FindRequirement(sourceId);
    if (derived == nullptr || source == nullptr) {
        return;
    }
    if (ownSide) {
        BeforeChange(source);
        RemoveFirst(source->m_createdRequirements, Id(derivedId));
        MarkModified(source);
    } else {
        BeforeChange(derived);
        RemoveFirst(derived->m_derivedFromRequirements, Id(sourceId));
        MarkModified(derived);
    }
}

void CReqProject::AddUseCaseOfRequirement(qint32 useCaseId, qint32 requirementId, bool ownSide) {
    CUseCase* useCase = FindUseCase(useCaseId);
    Requirement* requirement = FindRequirement(requirementId);
    if (useCase == nullptr || requirement == nullptr) {
        return;
    }
    if (ownSide) {
        BeforeChange(requirement);
        InsertSorted(requirement->m_createdUseCases, Id(useCaseId));
        MarkModified(requirement);
    } else {
        BeforeChange(useCase);
        InsertSorted(useCase->m_derivedFromRequirements, Id(requirementId));
        MarkModified(useCase);
    }
}

void CReqProject::RemoveUseCaseOfRequirement(qint32 useCaseId, qint32 requirementId, bool ownSide) {
    CUseCase* useCase = FindUseCase(useCaseId);
    Requirement* requirement = FindRequirement(requirementId);
    if (useCase == nullptr || requirement == nullptr) {
        return;
    }
    if (ownSide) {
        BeforeChange(requirement);
        RemoveFirst(requirement->m_createdUseCases, Id(useCaseId));
        MarkModified(requirement);
    } else {
        BeforeChange(useCase);
        RemoveFirst(useCase->m_derivedFromRequirements, Id(requirementId));
        MarkModified(useCase);
    }
}

bool CReqProject::AddRequirementOfUseCase(qint32 useCaseId, qint32 requirementId, bool useCaseSide,
                                          bool bothSides) {
    CUseCase* useCase = FindUseCase(useCaseId);
    Requirement* requirement = FindRequirement(requirementId);
    if (useCase == nullptr || requirement == nullptr) {
        return false;
    }
    bool firstChanged = false;
    if (useCaseSide || bothSides) {
        if (!Contains(useCase->m_createdRequirements, Id(requirementId))) {
            BeforeChange(useCase);
            InsertSorted(useCase->m_createdRequirements, Id(requirementId));
            MarkModified(useCase);
            firstChanged = true;
        }
        if (!bothSides) {
            return firstChanged;
        }
    }
    if (Contains(requirement->m_derivedFromUseCases, Id(useCaseId))) {
        return firstChanged;
    }
    BeforeChange(requirement);
    InsertSorted(requirement->m_derivedFromUseCases, Id(useCaseId));
    MarkModified(requirement);
    return true;
}

void CReqProject::RemoveRequirementOfUseCase(qint32 useCaseId, qint32 requirementId, bool useCaseSide,
                                             bool bothSides) {
    CUseCase* useCase = FindUseCase(useCaseId);
    Requirement* requirement = FindRequirement(requirementId);
    if (useCase == nullptr || requirement == nullptr) {
        return;
    }
    if (useCaseSide || bothSides) {
        BeforeChange(useCase);
        RemoveFirst(useCase->m_createdRequirements, Id(requirementId));
        MarkModified(useCase);
        if (!bothSides) {
            useCase->RemoveRequirementFromSteps(Id(requirementId), this);
            return;
        }
    }
    BeforeChange(requirement);
    RemoveFirst(requirement->m_derivedFromUseCases, Id(useCaseId));
    MarkModified(requirement);
    useCase->RemoveRequirementFromSteps(Id(requirementId), this);
}
