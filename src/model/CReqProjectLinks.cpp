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

void CReqProject::ChangeLinkList(CDVData* owner, DVIdArray& ids, qint32 id, bool add) {
    BeforeChange(owner);
    if (add) {
        InsertSorted(ids, Id(id));
    } else {
        RemoveFirst(ids, Id(id));
    }
    MarkModified(owner);
}

void CReqProject::AddRequirementLink(qint32 derivedId, qint32 sourceId, bool ownSide) {
    Requirement* derived = FindRequirement(derivedId);
    Requirement* source = FindRequirement(sourceId);
    if (derived == nullptr || source == nullptr) {
        return;
    }
    if (ownSide) {
        ChangeLinkList(source, source->m_createdRequirements, derivedId, true);
    } else {
        ChangeLinkList(derived, derived->m_derivedFromRequirements, sourceId, true);
    }
}

void CReqProject::RemoveRequirementLink(qint32 derivedId, qint32 sourceId, bool ownSide) {
    Requirement* derived = FindRequirement(derivedId);
    Requirement* source = FindRequirement(sourceId);
    if (derived == nullptr || source == nullptr) {
        return;
    }
    if (ownSide) {
        ChangeLinkList(source, source->m_createdRequirements, derivedId, false);
    } else {
        ChangeLinkList(derived, derived->m_derivedFromRequirements, sourceId, false);
    }
}

void CReqProject::AddUseCaseOfRequirement(qint32 useCaseId, qint32 requirementId, bool ownSide) {
    CUseCase* useCase = FindUseCase(useCaseId);
    Requirement* requirement = FindRequirement(requirementId);
    if (useCase == nullptr || requirement == nullptr) {
        return;
    }
    if (ownSide) {
        ChangeLinkList(requirement, requirement->m_createdUseCases, useCaseId, true);
    } else {
        ChangeLinkList(useCase, useCase->m_derivedFromRequirements, requirementId, true);
    }
}

void CReqProject::RemoveUseCaseOfRequirement(qint32 useCaseId, qint32 requirementId, bool ownSide) {
    CUseCase* useCase = FindUseCase(useCaseId);
    Requirement* requirement = FindRequirement(requirementId);
    if (useCase == nullptr || requirement == nullptr) {
        return;
    }
    if (ownSide) {
        ChangeLinkList(requirement, requirement->m_createdUseCases, useCaseId, false);
    } else {
        ChangeLinkList(useCase, useCase->m_derivedFromRequirements, requirementId, false);
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
            ChangeLinkList(useCase, useCase->m_createdRequirements, requirementId, true);
            firstChanged = true;
        }
        if (!bothSides) {
            return firstChanged;
        }
    }
    if (Contains(requirement->m_derivedFromUseCases, Id(useCaseId))) {
        return firstChanged;
    }
    ChangeLinkList(requirement, requirement->m_derivedFromUseCases, useCaseId, true);
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
        ChangeLinkList(useCase, useCase->m_createdRequirements, requirementId, false);
        if (!bothSides) {
            useCase->RemoveRequirementFromSteps(Id(requirementId), this);
            return;
        }
    }
    ChangeLinkList(requirement, requirement->m_derivedFromUseCases, useCaseId, false);
    useCase->RemoveRequirementFromSteps(Id(requirementId), this);
}
