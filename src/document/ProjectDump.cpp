#include "document/ProjectDump.h"

#include "document/CReqDoc.h"
#include "document/DVJsonWriter.h"

#include <QBuffer>

// Every record writes its keys in sorted order, as the JSON text of an object lists them.
namespace ProjectDump {

namespace {

void Ids(DVJsonWriter& json, const std::vector<quint32>& ids) {
    json.BeginArray();
    for (quint32 id : ids)
        json.Int(id);
    json.EndArray();
}

void Version(DVJsonWriter& json, const VersionNumber& version) {
    json.BeginObject();
    json.Key("bThreeDigit").Bool(version.bThreeDigit);
    json.Key("nCount").Int(version.nCount);
    json.Key("nMajor").Int(version.nMajor);
    json.Key("nMinor").Int(version.nMinor);
    json.Key("strPrefix").String(version.strPrefix);
    json.EndObject();
}

void Phase(DVJsonWriter& json, const CDVDevelopmentStep& step) {
    json.BeginObject();
    json.Key("m_dCost").Double(step.m_dCost);
    json.Key("m_dDuration").Double(step.m_dDuration);
    json.Key("m_nState").Int(step.m_nState);
    json.Key("m_strDescription").String(step.m_strDescription);
    json.Key("m_timeLast").Int(step.m_timeLast);
    Version(json.Key("m_versionLast"), step.m_versionLast);
    json.EndObject();
}

void Values(DVJsonWriter& json, const std::vector<DVParameterValue>& values) {
    json.BeginArray();
    for (const DVParameterValue& value : values) {
        json.BeginObject();
        json.Key("m_dNumber").Double(value.m_dNumber);
        json.Key("m_nItem").Int(value.m_nItem);
        json.Key("m_nParameterId").Int(value.m_nParameterId);
        json.Key("m_strText").String(value.m_strText);
        json.EndObject();
    }
    json.EndArray();
}

void Parameter(DVJsonWriter& json, const DVParameter& parameter) {
    json.BeginObject();
    json.Key("m_bDeleted").Bool(parameter.m_bDeleted);
    json.Key("m_bHasMax").Bool(parameter.m_bHasMax);
    json.Key("m_bHasMin").Bool(parameter.m_bHasMin);
    json.Key("m_dMax").Double(parameter.m_dMax);
    json.Key("m_dMin").Double(parameter.m_dMin);
    json.Key("m_items").BeginArray();
    for (const QString& item : parameter.m_items)
        json.String(item);
    json.EndArray();
    json.Key("m_nDefaultItem").Int(parameter.m_nDefaultItem);
    json.Key("m_nId").Int(parameter.m_nId);
    json.Key("m_nMaxLength").Int(parameter.m_nMaxLength);
    json.Key("m_nType").Int(parameter.m_nType);
    json.Key("m_strName").String(parameter.m_strName);
    json.EndObject();
}

template <typename List>
void Parameters(DVJsonWriter& json, const List& parameters) {
    json.BeginArray();
    for (const auto& parameter : parameters)
        Parameter(json, *parameter);
    json.EndArray();
}

// The fields of the object base, in three runs that the derived records' keys fall between.
void IdentityFields(DVJsonWriter& json, const CDVData& object) {
    json.Key("m_nId").Int(object.m_nId);
}
void TreeFields(DVJsonWriter& json, const CDVData& object) {
    json.Key("m_nParentId").Int(object.m_nParentId);
    json.Key("m_nPrevSiblingId").Int(object.m_nPrevSiblingId);
}
void ParameterValueField(DVJsonWriter& json, const CDVUserDefinedParList& object) {
    json.Key("m_pParameterValues");
    if (object.m_pParameterValues)
        Values(json, *object.m_pParameterValues);
    else
        json.Null();
}
void TextFields(DVJsonWriter& json, const CDVData& object) {
    json.Key("m_strComment").String(object.m_strComment);
    json.Key("m_strDescription").String(object.m_strDescription);
}
void TitleAndTimeFields(DVJsonWriter& json, const CDVData& object) {
    json.Key("m_strTitle").String(object.m_strTitle);
    json.Key("m_timeModified").Int(object.m_timeModified);
}

void Object(DVJsonWriter& json, const Requirement& object) {
    json.BeginObject();
    Phase(json.Key("m_approval"), object.m_approval);
    json.Key("m_bDeleted").Bool(object.m_bDeleted);
    Ids(json.Key("m_createdRequirements"), object.m_createdRequirements);
    Ids(json.Key("m_createdUseCases"), object.m_createdUseCases);
    Ids(json.Key("m_derivedFromRequirements"), object.m_derivedFromRequirements);
    Ids(json.Key("m_derivedFromUseCases"), object.m_derivedFromUseCases);
    Phase(json.Key("m_implementation"), object.m_implementation);
    IdentityFields(json, object);
    json.Key("m_nLinkage").Int(object.m_nLinkage);
    TreeFields(json, object);
    json.Key("m_nType").Int(object.m_nType);
    ParameterValueField(json, object);
    TextFields(json, object);
    TitleAndTimeFields(json, object);
    Phase(json.Key("m_validation"), object.m_validation);
    Phase(json.Key("m_verification"), object.m_verification);
    Version(json.Key("m_version"), object.m_version);
    json.EndObject();
}

void Object(DVJsonWriter& json, const CActor& object) {
    json.BeginObject();
    Parameters(json.Key("m_actorParameters"), object.m_actorParameters);
    json.Key("m_bDeleted").Bool(object.m_bDeleted);
    json.Key("m_functions").BeginArray();
    for (const auto& function : object.m_functions) {
        json.BeginObject();
        json.Key("m_nId").Int(function->m_nId);
        json.Key("m_strParameters").String(function->m_strParameters);
        json.Key("m_strReturnValue").String(function->m_strReturnValue);
        json.Key("m_strTitle").String(function->m_strTitle);
        json.EndObject();
    }
    json.EndArray();
    IdentityFields(json, object);
    json.Key("m_nKind").Int(object.m_nKind);
    TreeFields(json, object);
    ParameterValueField(json, object);
    TextFields(json, object);
    TitleAndTimeFields(json, object);
    Version(json.Key("m_version"), object.m_version);
    json.EndObject();
}

void Object(DVJsonWriter& json, const CStep& object) {
    json.BeginObject();
    Ids(json.Key("m_actsOn"), object.m_actsOn);
    json.Key("m_bDeleted").Bool(object.m_bDeleted);
    Ids(json.Key("m_callingFunctions"), object.m_callingFunctions);
    Values(json.Key("m_inputValues"), object.m_inputValues);
    json.Key("m_nActorId").Int(object.m_nActorId);
    IdentityFields(json, object);
    TreeFields(json, object);
    json.Key("m_nType").Int(object.m_nType);
    Values(json.Key("m_outputValues"), object.m_outputValues);
    ParameterValueField(json, object);
    Ids(json.Key("m_stepRequirements"), object.m_stepRequirements);
    TextFields(json, object);
    json.Key("m_strNumber").String(object.m_strNumber);
    json.Key("m_strTimeRequirement").String(object.m_strTimeRequirement);
    TitleAndTimeFields(json, object);
    Version(json.Key("m_version"), object.m_version);
    json.EndObject();
}

void Object(DVJsonWriter& json, const CUseCase& object);

template <typename T>
void List(DVJsonWriter& json, const DVObjectList<T>& list) {
    json.BeginArray();
    for (const T* object : list)
        Object(json, *object);
    json.EndArray();
}

void Object(DVJsonWriter& json, const CUseCase& object) {
    json.BeginObject();
    Phase(json.Key("m_approval"), object.m_approval);
    json.Key("m_bDeleted").Bool(object.m_bDeleted);
    Ids(json.Key("m_createdRequirements"), object.m_createdRequirements);
    Ids(json.Key("m_derivedFromRequirements"), object.m_derivedFromRequirements);
    Phase(json.Key("m_implementation"), object.m_implementation);
    IdentityFields(json, object);
    json.Key("m_nKind").Int(object.m_nKind);
    json.Key("m_nLastStepId").Int(object.m_nLastStepId);
    TreeFields(json, object);
    json.Key("m_nTopStepId").Int(object.m_nTopStepId);
    ParameterValueField(json, object);
    List(json.Key("m_steps"), object.m_steps);
    TextFields(json, object);
    TitleAndTimeFields(json, object);
    Phase(json.Key("m_validation"), object.m_validation);
    Phase(json.Key("m_verification"), object.m_verification);
    Version(json.Key("m_version"), object.m_version);
    json.EndObject();
}

void Columns(DVJsonWriter& json, const CDVColumn& columns) {
    json.BeginObject();
    json.Key("m_bFirstColumnHidden").Bool(columns.m_bFirstColumnHidden);
    Ids(json.Key("m_fieldIds"), columns.m_fieldIds);
    json.Key("m_flags").BeginArray();
    for (quint16 flag : columns.m_flags)
        json.Int(flag);
    json.EndArray();
    json.Key("m_nTopObjectId").Int(columns.m_nTopObjectId);
    json.Key("m_widths").BeginArray();
    for (qint32 width : columns.m_widths)
        json.Int(width);
    json.EndArray();
    json.EndObject();
}

void Size(DVJsonWriter& json, const DVSize& size) {
    json.BeginArray();
    json.Int(size.cx);
    json.Int(size.cy);
    json.EndArray();
}

void UserDefinitions(DVJsonWriter& json, const std::vector<DV_UserDefinition>& definitions) {
    json.BeginArray();
    for (const DV_UserDefinition& definition : definitions) {
        json.BeginArray();
        json.Int(definition.nFieldId);
        json.String(definition.strText);
        json.EndArray();
    }
    json.EndArray();
}

// The overview choices fall into two runs of the sorted keys.
void OverviewFlags(DVJsonWriter& json, const CReqDoc& doc) {
    json.Key("m_bOverviewPercentOnly").Bool(doc.m_bOverviewPercentOnly);
    json.Key("m_bOverviewRedVCurve").Bool(doc.m_bOverviewRedVCurve);
    json.Key("m_bOverviewSumOfTotals").Bool(doc.m_bOverviewSumOfTotals);
    json.Key("m_bOverviewTotals").Bool(doc.m_bOverviewTotals);
    json.Key("m_bOverviewVCurve").Bool(doc.m_bOverviewVCurve);
}
void OverviewChoices(DVJsonWriter& json, const CReqDoc& doc) {
    json.Key("m_nOverviewApprImpl").Int(doc.m_nOverviewApprImpl);
    json.Key("m_nOverviewChart").Int(doc.m_nOverviewChart);
    json.Key("m_nOverviewVerValid").Int(doc.m_nOverviewVerValid);
}

// The ordinary record; extent and view type are passed because a container holds its linked file's
// own ones aside.
void Ordinary(DVJsonWriter& json, const CReqDoc& doc, const QString& fileFormat, const DVSize& extent,
              qint32 viewType) {
    json.BeginObject();
    json.Key("fileFormat").String(fileFormat);
    List(json.Key("m_actors"), doc.m_actors);
    json.Key("m_bGridLines").Bool(doc.m_bGridLines);
    json.Key("m_bGridLinesLinked").Bool(doc.m_bGridLinesLinked);
    json.Key("m_bImplementationPhase").Bool(doc.m_bImplementationPhase);
    json.Key("m_bLinked").Bool(false);
    OverviewFlags(json, doc);
    json.Key("m_bSaveColumnsAutomatically").Bool(doc.m_bSaveColumnsAutomatically);
    json.Key("m_bValidationPhase").Bool(doc.m_bValidationPhase);
    json.Key("m_clrAltActor").Int(doc.m_clrAltActor);
    json.Key("m_clrAltRequirement").Int(doc.m_clrAltRequirement);
    json.Key("m_clrAltStep").Int(doc.m_clrAltStep);
    json.Key("m_clrAltUseCase").Int(doc.m_clrAltUseCase);
    Columns(json.Key("m_colsActors"), doc.m_colsActors);
    Columns(json.Key("m_colsRequirements"), doc.m_colsRequirements);
    Columns(json.Key("m_colsSteps"), doc.m_colsSteps);
    Columns(json.Key("m_colsUseCases"), doc.m_colsUseCases);
    List(json.Key("m_deletedActors"), doc.m_deletedActors);
    List(json.Key("m_deletedRequirements"), doc.m_deletedRequirements);
    List(json.Key("m_deletedUseCases"), doc.m_deletedUseCases);
    json.Key("m_nLastActorId").Int(doc.m_nLastActorId);
    json.Key("m_nLastActorParameterId").Int(doc.m_nLastActorParameterId);
    json.Key("m_nLastFunctionId").Int(doc.m_nLastFunctionId);
    json.Key("m_nLastParameterId").Int(doc.m_nLastParameterId);
    json.Key("m_nLastRequirementId").Int(doc.m_nLastRequirementId);
    json.Key("m_nLastUseCaseId").Int(doc.m_nLastUseCaseId);
    OverviewChoices(json, doc);
    json.Key("m_nStepsUseCaseId").Int(doc.m_nStepsUseCaseId);
    json.Key("m_nViewType").Int(viewType);
    Parameters(json.Key("m_parameters"), doc.m_parameters);
    List(json.Key("m_requirements"), doc.m_requirements);
    Size(json.Key("m_sizeExtent"), extent);
    Phase(json.Key("m_stepApproval"), doc.m_stepApproval);
    Phase(json.Key("m_stepImplementation"), doc.m_stepImplementation);
    Phase(json.Key("m_stepValidation"), doc.m_stepValidation);
    Phase(json.Key("m_stepVerification"), doc.m_stepVerification);
    json.Key("m_strCurrency").String(doc.m_strCurrency);
    json.Key("m_strDurationUnit").String(doc.m_strDurationUnit);
    json.Key("m_strLinkedPath").String(QString());
    json.Key("m_strProjectName").String(doc.m_strProjectName);
    List(json.Key("m_useCases"), doc.m_useCases);
    UserDefinitions(json.Key("m_userHeaders"), doc.m_userHeaders);
    UserDefinitions(json.Key("m_userValueNames"), doc.m_userValueNames);
    Version(json.Key("m_version"), doc.m_version);
    json.EndObject();
}

void Container(DVJsonWriter& json, const CReqDoc& doc, const QString& fileFormat,
               const QString& linkedFileFormat) {
    json.BeginObject();
    json.Key("fileFormat").String(fileFormat);
    Ordinary(json.Key("linkedProject"), doc, linkedFileFormat, doc.m_sizeExtentLinked, doc.m_nViewTypeLinked);
    json.Key("m_bGridLinesLinked").Bool(doc.m_bGridLinesLinked);
    json.Key("m_bLinked").Bool(true);
    OverviewFlags(json, doc);
    json.Key("m_clrAltLinked").Int(doc.m_clrAltLinked);
    OverviewChoices(json, doc);
    json.Key("m_nViewType").Int(doc.m_nViewType);
    Size(json.Key("m_sizeExtent"), doc.m_sizeExtent);
    json.Key("m_strLinkedPath").String(doc.m_strLinkedPath);
    // The lookup only reads the document.
    const CDVColumn* columns = const_cast<CReqDoc&>(doc).ColumnSetOfViewType(doc.m_nViewType);
    json.Key("viewColumns");
    if (columns)
        Columns(json, *columns);
    else
        json.Null();
    json.EndObject();
}

}  // namespace

bool Write(QIODevice& out, const CReqDoc& doc, const QString& fileFormat, const QString& linkedFileFormat) {
    DVJsonWriter json(out);
    if (doc.m_bLinked)
        Container(json, doc, fileFormat, linkedFileFormat);
    else
        Ordinary(json, doc, fileFormat, doc.m_sizeExtentShown, doc.m_nViewType);
    return json.Finish();
}

QByteArray Dump(const CReqDoc& doc, const QString& fileFormat, const QString& linkedFileFormat) {
    QByteArray text;
    QBuffer buffer(&text);
    buffer.open(QIODevice::WriteOnly);
    Write(buffer, doc, fileFormat, linkedFileFormat);
    return text;
}

}  // namespace ProjectDump
