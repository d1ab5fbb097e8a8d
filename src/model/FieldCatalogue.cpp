#include "model/FieldCatalogue.h"

#include "model/CActor.h"
#include "model/CReqProject.h"
#include "model/CStep.h"
#include "model/CUseCase.h"
#include "model/Requirement.h"
#include "model/StringIds.h"
#include "platform/DVFormat.h"
#include "platform/DVStringTable.h"

namespace FieldCatalogue {

namespace {

enum FamilyMask : unsigned {
    R = 1u << static_cast<int>(DVFamily::Requirement),
    A = 1u << static_cast<int>(DVFamily::Actor),
    U = 1u << static_cast<int>(DVFamily::UseCase),
    S = 1u << static_cast<int>(DVFamily::Step),
    ALL = R | A | U | S,
};

unsigned Families(int fieldId) {
    switch (fieldId) {
        case FIELD_ID:
        case FIELD_DESCRIPTION:
        case FIELD_TITLE:
        case FIELD_VERSION:
        case FIELD_COMMENT:
        case FIELD_LAST_MODIFIED:
        case FIELD_TITLE_COLUMN:
            return ALL;
        case FIELD_LINKAGE:
        case FIELD_APPROVED:
        case FIELD_VERIFIED:
        case FIELD_REQUIREMENT_TYPE:
        case FIELD_APPROVAL_DESCRIPTION:
        case FIELD_VERIFICATION_DESCRIPTION:
        case FIELD_USE_CASES:
        case FIELD_DERIVED_FROM_USE_CASES:
        case FIELD_LINKAGE_TEXT:
        case FIELD_REQUIREMENTS:
        case FIELD_DERIVED_FROM_REQUIREMENTS:
            return R;
        case FIELD_UC_DERIVED_FROM_REQUIREMENTS:
        case FIELD_UC_REQUIREMENTS:
        case FIELD_UC_APPROVED:
        case FIELD_UC_VERIFIED:
        case FIELD_UC_APPROVAL_DESCRIPTION:
        case FIELD_UC_VERIFICATION_DESCRIPTION:
            return U;
        case FIELD_STEP_NUMBER:
        case FIELD_TIME_REQUIREMENT:
        case FIELD_INPUT_VALUES:
        case FIELD_ACTOR:
        case FIELD_ACTS_ON:
        case FIELD_OUTPUT_VALUES:
        case FIELD_STEP_REQUIREMENTS:
        case FIELD_CALLING_FUNCTIONS:
            return S;
        case FIELD_ACTOR_PARAMETER:
        case FIELD_ACTOR_FUNCTIONS:
            return A;
        default:
            break;
    }
    if ((fieldId >= FIELD_LAST_APPROVAL_TIME && fieldId <= FIELD_LAST_VERIFICATION_VERSION) ||
        (fieldId >= FIELD_IMPLEMENTED && fieldId <= FIELD_VALIDATION_COST)) {
        return R | U;
    }
    return 0;
}

QString DoneText(const CReqProject* doc, const CDVDevelopmentStep& record) {
    return doc->GetValueName(record.IsDone() ? VALUE_YES : VALUE_NO);
}

// A value name of an enumeration; values outside the range show an error text.
QString EnumText(const CReqProject* doc, int firstId, int count, qint32 value) {
    if (value < 0 || value >= count) {
        return QStringLiteral("Error, index invalid");
    }
    return doc->GetValueName(firstId + value);
}

// Fields of requirements and use cases: one rule for both families.
QString VerificationCellText(CReqProject* doc, CDVVerificationData* object, int fieldId, int approvedId,
                             int verifiedId, int approvalDescriptionId, int verificationDescriptionId) {
    if (fieldId == approvedId) {
        return DoneText(doc, object->m_approval);
    }
    if (fieldId == verifiedId) {
        return DoneText(doc, object->m_verification);
    }
    if (fieldId == approvalDescriptionId) {
        return object->m_approval.m_strDescription;
    }
    if (fieldId == verificationDescriptionId) {
        return object->m_verification.m_strDescription;
    }
    switch (fieldId) {
        case FIELD_LAST_APPROVAL_TIME:
            return object->m_approval.LastTimeText(doc);
        case FIELD_LAST_VERIFICATION_TIME:
            return object->m_verification.LastTimeText(doc);
        case FIELD_LAST_APPROVAL_VERSION:
            return object->m_approval.LastVersionText(doc);
        case FIELD_LAST_VERIFICATION_VERSION:
            return object->m_verification.LastVersionText(doc);
        case FIELD_IMPLEMENTED:
            return DoneText(doc, object->m_implementation);
        case FIELD_IMPLEMENTATION_DESCRIPTION:
            return object->m_implementation.m_strDescription;
        case FIELD_LAST_IMPLEMENTATION_TIME:
            return object->m_implementation.LastTimeText(doc);
        case FIELD_LAST_IMPLEMENTATION_VERSION:
            return object->m_implementation.LastVersionText(doc);
        case FIELD_VALIDATED:
            return DoneText(doc, object->m_validation);
        case FIELD_VALIDATION_DESCRIPTION:
            return object->m_validation.m_strDescription;
        case FIELD_LAST_VALIDATION_TIME:
            return object->m_validation.LastTimeText(doc);
        case FIELD_LAST_VALIDATION_VERSION:
            return object->m_validation.LastVersionText(doc);
        default:
            break;
    }
    if (fieldId >= FIELD_APPROVAL_DURATION && fieldId <= FIELD_VALIDATION_COST) {
        const int offset = fieldId - FIELD_APPROVAL_DURATION;
        CDVDevelopmentStep& record = object->PhaseRecord(offset / 2);
        return offset % 2 == 0 ? record.DurationText(doc) : record.CostText(doc);
    }
    return QString();
}

QString RequirementCellText(CReqProject* doc, Requirement* requirement, int fieldId) {
    switch (fieldId) {
        case FIELD_LINKAGE:
        case FIELD_LINKAGE_TEXT:
            return EnumText(doc, VALUE_AND, 3, requirement->m_nLinkage);
        case FIELD_REQUIREMENT_TYPE:
            return EnumText(doc, VALUE_FUNCTIONAL, 4, requirement->m_nType);
        case FIELD_USE_CASES:
            return FormatIdList(doc, requirement->m_createdUseCases, true);
        case FIELD_DERIVED_FROM_USE_CASES:
            return FormatIdList(doc, requirement->m_derivedFromUseCases, true);
        case FIELD_REQUIREMENTS:
            return FormatIdList(doc, requirement->m_createdRequirements, false);
        case FIELD_DERIVED_FROM_REQUIREMENTS:
            return FormatIdList(doc, requirement->m_derivedFromRequirements, false);
        default:
            return VerificationCellText(doc, requirement, fieldId, FIELD_APPROVED, FIELD_VERIFIED,
                                        FIELD_APPROVAL_DESCRIPTION, FIELD_VERIFICATION_DESCRIPTION);
    }
}

QString UseCaseCellText(CReqProject* doc, CUseCase* useCase, int fieldId) {
    switch (fieldId) {
        case FIELD_UC_DERIVED_FROM_REQUIREMENTS:
            return FormatIdList(doc, useCase->m_derivedFromRequirements, false);
        case FIELD_UC_REQUIREMENTS:
            return FormatIdList(doc, useCase->m_createdRequirements, false);
        default:
            return VerificationCellText(doc, useCase, fieldId, FIELD_UC_APPROVED, FIELD_UC_VERIFIED,
                                        FIELD_UC_APPROVAL_DESCRIPTION, FIELD_UC_VERIFICATION_DESCRIPTION);
    }
}

QString StepCellText(const CReqProject* doc, const CStep* step, int fieldId) {
    switch (fieldId) {
        case FIELD_STEP_NUMBER:
            return step->m_strNumber;
        case FIELD_TIME_REQUIREMENT:
            return step->m_strTimeRequirement;
        case FIELD_INPUT_VALUES:
            return CStep::ValuesText(doc, step->m_inputValues);
        case FIELD_ACTOR:
            return step->ActorText(doc);
        case FIELD_ACTS_ON:
            return step->ActsOnText(doc);
        case FIELD_OUTPUT_VALUES:
            return CStep::ValuesText(doc, step->m_outputValues);
        case FIELD_STEP_REQUIREMENTS:
            return FormatIdList(doc, step->m_stepRequirements, false);
        case FIELD_CALLING_FUNCTIONS:
            return step->CallingFunctionsText(doc);
        default:
            return QString();
    }
}

}  // namespace

bool FamilyHasField(DVFamily family, int fieldId) {
    if (fieldId >= FIELD_FIRST_PARAMETER) {
        return family != DVFamily::Function;
    }
    return (Families(fieldId) & (1u << static_cast<int>(family))) != 0;
}

QString ParameterCellText(const CReqProject* doc, const CDVData* object, int fieldId) {
    const auto* holder = object != nullptr && object->Family() != DVFamily::Function
                             ? static_cast<const CDVUserDefinedParList*>(object)
                             : nullptr;
    const DVParameter* definition = doc != nullptr ? doc->FindParameterByColumn(fieldId) : nullptr;
    if (definition != nullptr) {
        if (definition->m_bDeleted) {
            return QStringLiteral("<Parameter Deleted>");
        }
        const DVParameterValue* value =
            holder != nullptr ? holder->FindParameterValue(definition->m_nId) : nullptr;
        if (value != nullptr) {
            return GetValueText(definition, *value);
        }
    }
    return LoadString(IDS_NOT_DEFINED);
}

QString CellText(CReqProject* doc, CDVData* object, int fieldId) {
    if (object == nullptr || doc == nullptr) {
        return QString();
    }
    if (!FamilyHasField(object->Family(), fieldId) || fieldId >= FIELD_FIRST_PARAMETER) {
        return ParameterCellText(doc, object, fieldId);
    }
    switch (fieldId) {
        case FIELD_ID:
            return QString::number(object->m_nId);
        case FIELD_DESCRIPTION:
            return object->m_strDescription;
        case FIELD_TITLE:
        case FIELD_TITLE_COLUMN:
            return object->m_strTitle;
        case FIELD_VERSION:
            return FormatVersion(object->m_version);
        case FIELD_COMMENT:
            return object->m_strComment;
        case FIELD_LAST_MODIFIED:
            return FormatTime(object->m_timeModified);
        default:
            break;
    }
    switch (object->Family()) {
        case DVFamily::Requirement:
            return RequirementCellText(doc, static_cast<Requirement*>(object), fieldId);
        case DVFamily::UseCase:
            return UseCaseCellText(doc, static_cast<CUseCase*>(object), fieldId);
        case DVFamily::Step:
            return StepCellText(doc, static_cast<CStep*>(object), fieldId);
        case DVFamily::Actor:
            return fieldId == FIELD_ACTOR_PARAMETER ? static_cast<CActor*>(object)->ParameterText(doc)
                                                    : static_cast<CActor*>(object)->FunctionsText();
        default:
            return QString();
    }
}

int CellImage(const CDVData* object, int fieldId) {
    if (object == nullptr || !FamilyHasField(object->Family(), fieldId)) {
        return -1;
    }
    const auto* verification =
        object->Family() == DVFamily::Requirement || object->Family() == DVFamily::UseCase
            ? static_cast<const CDVVerificationData*>(object)
            : nullptr;
    if (verification == nullptr) {
        return -1;
    }
    switch (fieldId) {
        case FIELD_APPROVED:
        case FIELD_UC_APPROVED:
            return verification->m_approval.IsDone() ? 8 : 7;
        case FIELD_VERIFIED:
        case FIELD_UC_VERIFIED:
            return verification->m_verification.IsDone() ? 8 : 7;
        case FIELD_IMPLEMENTED:
            return verification->m_implementation.IsDone() ? 8 : 7;
        case FIELD_VALIDATED:
            return verification->m_validation.IsDone() ? 8 : 7;
        case FIELD_LINKAGE:
            return 4 + static_cast<const Requirement*>(object)->m_nLinkage;
        default:
            return -1;
    }
}

DVEditKind EditKind(const CReqProject* doc, DVFamily family, int fieldId) {
    if (fieldId >= FIELD_FIRST_PARAMETER) {
        const DVParameter* definition = doc != nullptr ? doc->FindParameterByColumn(fieldId) : nullptr;
        if (definition == nullptr || definition->m_bDeleted) {
            return DVEditKind::ReadOnly;
        }
        return definition->m_nType == DVParameter::TypeList ? DVEditKind::DropDown : DVEditKind::Text;
    }
    if (!FamilyHasField(family, fieldId)) {
        return DVEditKind::ReadOnly;
    }
    switch (fieldId) {
        case FIELD_DESCRIPTION:
        case FIELD_TITLE:
        case FIELD_TITLE_COLUMN:
        case FIELD_COMMENT:
        case FIELD_APPROVAL_DESCRIPTION:
        case FIELD_VERIFICATION_DESCRIPTION:
        case FIELD_UC_APPROVAL_DESCRIPTION:
        case FIELD_UC_VERIFICATION_DESCRIPTION:
        case FIELD_IMPLEMENTATION_DESCRIPTION:
        case FIELD_VALIDATION_DESCRIPTION:
        case FIELD_TIME_REQUIREMENT:
            return DVEditKind::Text;
        case FIELD_LINKAGE:
        case FIELD_APPROVED:
        case FIELD_VERIFIED:
        case FIELD_UC_APPROVED:
        case FIELD_UC_VERIFIED:
        case FIELD_IMPLEMENTED:
        case FIELD_VALIDATED:
            return DVEditKind::Stepped;
        case FIELD_REQUIREMENT_TYPE:
        case FIELD_LINKAGE_TEXT:
            return DVEditKind::DropDown;
        default:
            break;
    }
    if (fieldId >= FIELD_APPROVAL_DURATION && fieldId <= FIELD_VALIDATION_COST) {
        return DVEditKind::Text;
    }
    return DVEditKind::ReadOnly;
}

QString ChoiceList(const CReqProject* doc, int fieldId) {
    if (doc == nullptr) {
        return QString();
    }
    switch (fieldId) {
        case FIELD_LINKAGE:
        case FIELD_LINKAGE_TEXT:
            return doc->GetAndOrIgnoreChoices();
        case FIELD_REQUIREMENT_TYPE:
            return doc->GetRequirementTypeChoices();
        case FIELD_APPROVED:
        case FIELD_VERIFIED:
        case FIELD_UC_APPROVED:
        case FIELD_UC_VERIFIED:
        case FIELD_IMPLEMENTED:
        case FIELD_VALIDATED:
            return doc->GetYesNoChoices();
        default:
            break;
    }
    const DVParameter* definition = doc->FindParameterByColumn(fieldId);
    if (definition != nullptr && definition->m_nType == DVParameter::TypeList) {
        return definition->m_items.join(u'|');
    }
    return QString();
}

bool IsUnusedPhaseField(const CReqProject* doc, int fieldId) {
    if (doc == nullptr) {
        return false;
    }
    switch (fieldId) {
        case FIELD_IMPLEMENTED:
        case FIELD_IMPLEMENTATION_DESCRIPTION:
        case FIELD_LAST_IMPLEMENTATION_TIME:
        case FIELD_LAST_IMPLEMENTATION_VERSION:
        case FIELD_IMPLEMENTATION_DURATION:
        case FIELD_IMPLEMENTATION_COST:
            return !doc->m_bImplementationPhase;
        case FIELD_VALIDATED:
        case FIELD_VALIDATION_DESCRIPTION:
        case FIELD_LAST_VALIDATION_TIME:
        case FIELD_LAST_VALIDATION_VERSION:
        case FIELD_VALIDATION_DURATION:
        case FIELD_VALIDATION_COST:
            return !doc->m_bValidationPhase;
        default:
            return false;
    }
}

}  // namespace FieldCatalogue
