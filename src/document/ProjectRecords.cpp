#include "document/ProjectRecords.h"

#include "document/CArchiveReader.h"
#include "document/CArchiveWriter.h"
#include "model/CActor.h"
#include "model/CDVColumn.h"
#include "model/CUseCase.h"
#include "model/DVParameter.h"
#include "model/Requirement.h"

#include <algorithm>

namespace ProjectRecords {

namespace {

template <typename Container>
void Reserve(const CArchiveReader& in, Container& container, qint32 count) {
    container.reserve(in.ReservableCount(count, sizeof(typename Container::value_type)));
}

void StoreData(CArchiveWriter& out, const CDVData& object) {
    out.WriteInt32(object.m_nId);
    out.WriteInt32(object.m_nPrevSiblingId);
    out.WriteInt32(object.m_nParentId);
    out.WriteString(object.m_strTitle);
    out.WriteString(object.m_strDescription);
    out.WriteString(object.m_strComment);
    out.WriteBool(object.m_bDeleted);
    out.WriteTime(object.m_timeModified);
    Store(out, object.m_version);
}

void LoadData(CArchiveReader& in, CDVData& object) {
    object.m_nId = in.ReadInt32();
    object.m_nPrevSiblingId = in.ReadInt32();
    object.m_nParentId = in.ReadInt32();
    object.m_strTitle = in.ReadString();
    object.m_strDescription = in.ReadString();
    object.m_strComment = in.ReadString();
    object.m_bDeleted = in.ReadBool();
    object.m_timeModified = in.ReadTime();
    Load(in, object.m_version);
}

void StoreValues(CArchiveWriter& out, const std::vector<DVParameterValue>& values) {
    out.WriteInt32(qint32(values.size()));
    for (const DVParameterValue& value : values)
        Store(out, value);
}

void LoadValues(CArchiveReader& in, std::vector<DVParameterValue>& values) {
    const qint32 count = in.ReadCount(kMinParameterValue);
    values.clear();
    Reserve(in, values, count);
    for (qint32 i = 0; i < count; ++i)
        Load(in, values.emplace_back());
}

void StoreParList(CArchiveWriter& out, const CDVUserDefinedParList& object) {
    StoreData(out, object);
    StoreValues(out, object.m_pParameterValues.value_or(std::vector<DVParameterValue>()));
}

void LoadParList(CArchiveReader& in, CDVUserDefinedParList& object) {
    LoadData(in, object);
    std::vector<DVParameterValue> values;
    LoadValues(in, values);
    if (values.empty())
        object.m_pParameterValues.reset();
    else
        object.m_pParameterValues = std::move(values);
}

void StoreVerification(CArchiveWriter& out, const CDVVerificationData& object) {
    StoreParList(out, object);
    for (const CDVDevelopmentStep* phase :
         {&object.m_approval, &object.m_implementation, &object.m_verification, &object.m_validation})
        Store(out, *phase);
    out.WriteIdArray(object.m_createdRequirements);
    out.WriteIdArray(object.m_derivedFromRequirements);
}

void LoadVerification(CArchiveReader& in, CDVVerificationData& object) {
    LoadParList(in, object);
    for (CDVDevelopmentStep* phase :
         {&object.m_approval, &object.m_implementation, &object.m_verification, &object.m_validation})
        Load(in, *phase);
    object.m_createdRequirements = in.ReadIdArray();
    object.m_derivedFromRequirements = in.ReadIdArray();
}

template <typename T>
void LoadOwned(CArchiveReader& in, std::vector<std::unique_ptr<T>>& objects, int minRecordSize) {
    const qint32 count = in.ReadCount(minRecordSize);
    objects.clear();
    Reserve(in, objects, count);
    for (qint32 i = 0; i < count; ++i) {
        auto object = std::make_unique<T>();
        Load(in, *object);
        objects.push_back(std::move(object));
    }
}

}  // namespace

void Store(CArchiveWriter& out, const CFunction& function) {
    out.WriteInt32(function.m_nId);
    out.WriteString(function.m_strTitle);
    out.WriteString(function.m_strParameters);
    out.WriteString(function.m_strReturnValue);
}

void Load(CArchiveReader& in, CFunction& function) {
    function.m_nId = in.ReadInt32();
    function.m_strTitle = in.ReadString();
    function.m_strParameters = in.ReadString();
    function.m_strReturnValue = in.ReadString();
}

void Store(CArchiveWriter& out, const VersionNumber& version) {
    out.WriteBool(version.bThreeDigit);
    out.WriteString(version.strPrefix);
    out.WriteInt32(version.nMajor);
    out.WriteInt32(version.nMinor);
    out.WriteInt32(version.nCount);
}

void Load(CArchiveReader& in, VersionNumber& version) {
    version.bThreeDigit = in.ReadBool();
    version.strPrefix = in.ReadString();
    version.nMajor = in.ReadInt32();
    version.nMinor = in.ReadInt32();
    version.nCount = in.ReadInt32();
}

void Store(CArchiveWriter& out, const CDVDevelopmentStep& step) {
    out.WriteInt32(step.m_nState);
    out.WriteTime(step.m_timeLast);
    out.WriteString(step.m_strDescription);
    out.WriteDouble(step.m_dDuration);
    out.WriteDouble(step.m_dCost);
    Store(out, step.m_versionLast);
}

void Load(CArchiveReader& in, CDVDevelopmentStep& step) {
    step.m_nState = in.ReadInt32();
    step.m_timeLast = in.ReadTime();
    step.m_strDescription = in.ReadString();
    step.m_dDuration = in.ReadDouble();
    step.m_dCost = in.ReadDouble();
    Load(in, step.m_versionLast);
}

void Store(CArchiveWriter& out, const DVParameterValue& value) {
    out.WriteInt32(value.m_nParameterId);
    out.WriteDouble(value.m_dNumber);
    out.WriteString(value.m_strText);
    out.WriteInt32(value.m_nItem);
}

void Load(CArchiveReader& in, DVParameterValue& value) {
    value.m_nParameterId = in.ReadInt32();
    value.m_dNumber = in.ReadDouble();
    value.m_strText = in.ReadString();
    value.m_nItem = in.ReadInt32();
}

void Store(CArchiveWriter& out, const DVParameter& parameter) {
    out.WriteInt32(parameter.m_nId);
    out.WriteInt32(parameter.m_nType);
    out.WriteString(parameter.m_strName);
    out.WriteDouble(parameter.m_dMin);
    out.WriteDouble(parameter.m_dMax);
    out.WriteBool(parameter.m_bHasMin);
    out.WriteBool(parameter.m_bHasMax);
    out.WriteInt32(parameter.m_nMaxLength);
    out.WriteInt32(parameter.m_nDefaultItem);
    out.WriteBool(parameter.m_bDeleted);
    out.WriteInt32(qint32(parameter.m_items.size()));
    for (const QString& item : parameter.m_items)
        out.WriteString(item);
}

void Load(CArchiveReader& in, DVParameter& parameter) {
    parameter.m_nId = in.ReadInt32();
    parameter.m_nType = in.ReadInt32();
    parameter.m_strName = in.ReadString();
    parameter.m_dMin = in.ReadDouble();
    parameter.m_dMax = in.ReadDouble();
    parameter.m_bHasMin = in.ReadBool();
    parameter.m_bHasMax = in.ReadBool();
    parameter.m_nMaxLength = in.ReadInt32();
    parameter.m_nDefaultItem = in.ReadInt32();
    parameter.m_bDeleted = in.ReadBool();
    const qint32 count = in.ReadCount(1);
    parameter.m_items.clear();
    Reserve(in, parameter.m_items, count);
    for (qint32 i = 0; i < count; ++i)
        parameter.m_items.append(in.ReadString());
}

void Store(CArchiveWriter& out, const Requirement& requirement) {
    StoreVerification(out, requirement);
    out.WriteInt32(requirement.m_nParentId);
    out.WriteInt32(requirement.m_nType);
    out.WriteInt32(requirement.m_nLinkage);
    out.WriteIdArray(requirement.m_createdUseCases);
    out.WriteIdArray(requirement.m_derivedFromUseCases);
}

void Load(CArchiveReader& in, Requirement& requirement) {
    LoadVerification(in, requirement);
    requirement.m_nParentId = in.ReadInt32();
    requirement.m_nType = in.ReadInt32();
    requirement.m_nLinkage = in.ReadInt32();
    requirement.m_createdUseCases = in.ReadIdArray();
    requirement.m_derivedFromUseCases = in.ReadIdArray();
}

void Store(CArchiveWriter& out, const CActor& actor) {
    StoreParList(out, actor);
    out.WriteInt32(actor.m_nParentId);
    out.WriteInt32(actor.m_nKind);
    out.WriteInt32(qint32(actor.m_functions.size()));
    for (const auto& function : actor.m_functions)
        Store(out, *function);
    out.WriteInt32(qint32(actor.m_actorParameters.size()));
    for (const auto& parameter : actor.m_actorParameters)
        Store(out, *parameter);
}

void Load(CArchiveReader& in, CActor& actor) {
    LoadParList(in, actor);
    actor.m_nParentId = in.ReadInt32();
    actor.m_nKind = in.ReadInt32();
    LoadOwned(in, actor.m_functions, kMinFunction);
    LoadOwned(in, actor.m_actorParameters, kMinParameter);
}

void Store(CArchiveWriter& out, const CUseCase& useCase) {
    StoreVerification(out, useCase);
    out.WriteInt32(useCase.m_nParentId);
    out.WriteInt32(useCase.m_nKind);
    out.WriteInt32(useCase.m_nTopStepId);
    out.WriteInt32(useCase.m_nLastStepId);
    out.WriteInt32(useCase.m_steps.size());
    for (const CStep* step : useCase.m_steps)
        Store(out, *step);
}

void Load(CArchiveReader& in, CUseCase& useCase) {
    LoadVerification(in, useCase);
    useCase.m_nParentId = in.ReadInt32();
    useCase.m_nKind = in.ReadInt32();
    useCase.m_nTopStepId = in.ReadInt32();
    useCase.m_nLastStepId = in.ReadInt32();
    const qint32 count = in.ReadCount(kMinStep);
    useCase.m_steps.DeleteAll();
    for (qint32 i = 0; i < count; ++i) {
        auto step = std::make_unique<CStep>(0);
        Load(in, *step);
        useCase.m_steps.Append(std::move(step));
    }
}

void Store(CArchiveWriter& out, const CStep& step) {
    StoreParList(out, step);
    out.WriteInt32(step.m_nType);
    out.WriteString(step.m_strNumber);
    out.WriteString(step.m_strTimeRequirement);
    out.WriteInt32(step.m_nActorId);
    out.WriteIdArray(step.m_actsOn);
    StoreValues(out, step.m_inputValues);
    StoreValues(out, step.m_outputValues);
    out.WriteIdArray(step.m_stepRequirements);
    out.WriteIdArray(step.m_callingFunctions);
}

void Load(CArchiveReader& in, CStep& step) {
    LoadParList(in, step);
    step.m_nType = in.ReadInt32();
    step.m_strNumber = in.ReadString();
    step.m_strTimeRequirement = in.ReadString();
    step.m_nActorId = in.ReadInt32();
    step.m_actsOn = in.ReadIdArray();
    LoadValues(in, step.m_inputValues);
    LoadValues(in, step.m_outputValues);
    step.m_stepRequirements = in.ReadIdArray();
    step.m_callingFunctions = in.ReadIdArray();
}

void Store(CArchiveWriter& out, const CDVColumn& columns) {
    const std::size_t count = columns.m_fieldIds.size();
    out.WriteInt32(qint32(count));
    for (quint32 fieldId : columns.m_fieldIds)
        out.WriteInt32(qint32(fieldId));
    const bool widths = columns.m_widths.size() == count;
    const bool flags = columns.m_flags.size() == count;
    for (std::size_t i = 0; i < count; ++i)
        out.WriteInt32(widths ? columns.m_widths[i] : -1);
    for (std::size_t i = 0; i < count; ++i)
        out.WriteInt16(flags ? qint16(columns.m_flags[i]) : 0);
    out.WriteInt32(columns.m_nTopObjectId);
    out.WriteBool(columns.m_bFirstColumnHidden);
}

void Load(CArchiveReader& in, CDVColumn& columns) {
    const qint32 count = in.ReadCount(kMinColumn);
    for (qint32 i = 0; i < count; ++i)
        columns.m_fieldIds.push_back(quint32(in.ReadInt32()));
    bool unsized = false;
    for (qint32 i = 0; i < count; ++i) {
        const qint32 width = in.ReadInt32();
        unsized = unsized || width == -1;
        columns.m_widths.push_back(width);
    }
    for (qint32 i = 0; i < count; ++i)
        columns.m_flags.push_back(quint16(in.ReadInt16()));
    if (unsized)
        columns.m_widths.clear();
    columns.m_nTopObjectId = in.ReadInt32();
    columns.m_bFirstColumnHidden = in.ReadBool();
}

void Store(CArchiveWriter& out, const std::vector<DV_UserDefinition>& definitions) {
    out.WriteInt32(qint32(definitions.size()));
    for (const DV_UserDefinition& definition : definitions) {
        out.WriteInt32(definition.nFieldId);
        out.WriteString(definition.strText);
    }
}

void Load(CArchiveReader& in, std::vector<DV_UserDefinition>& definitions) {
    const qint32 count = in.ReadCount(kMinUserDefinition);
    definitions.clear();
    Reserve(in, definitions, count);
    for (qint32 i = 0; i < count; ++i) {
        DV_UserDefinition definition;
        definition.nFieldId = in.ReadInt32();
        definition.strText = in.ReadString();
        definitions.push_back(std::move(definition));
    }
}

}  // namespace ProjectRecords
