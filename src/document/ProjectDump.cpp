#include "document/ProjectDump.h"

#include "document/CReqDoc.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace ProjectDump {

namespace {

// The JSON writer prints negative zero as 0: it is written as this marker string and the marker
// replaced afterwards. The marker starts with a noncharacter, which no project text holds.
const QString kNegativeZeroMarker = QStringLiteral(u"\uFDD0-0");

QJsonValue Number(double value) {
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    if (value == 0.0 && std::signbit(value))
        return kNegativeZeroMarker;
    return value;
}

QJsonArray Ids(const std::vector<quint32>& ids) {
    QJsonArray array;
    for (quint32 id : ids)
        array.append(qint64(id));
    return array;
}

QJsonObject Version(const VersionNumber& version) {
    return {{"bThreeDigit", version.bThreeDigit},
            {"strPrefix", version.strPrefix},
            {"nMajor", version.nMajor},
            {"nMinor", version.nMinor},
            {"nCount", version.nCount}};
}

QJsonObject Phase(const CDVDevelopmentStep& step) {
    return {{"m_nState", step.m_nState},
            {"m_timeLast", step.m_timeLast},
            {"m_strDescription", step.m_strDescription},
            {"m_dDuration", Number(step.m_dDuration)},
            {"m_dCost", Number(step.m_dCost)},
            {"m_versionLast", Version(step.m_versionLast)}};
}

QJsonArray Values(const std::vector<DVParameterValue>& values) {
    QJsonArray array;
    for (const DVParameterValue& value : values)
        array.append(QJsonObject{{"m_nParameterId", value.m_nParameterId},
                                 {"m_dNumber", Number(value.m_dNumber)},
                                 {"m_strText", value.m_strText},
                                 {"m_nItem", value.m_nItem}});
    return array;
}

QJsonObject Parameter(const DVParameter& parameter) {
    return {{"m_nId", parameter.m_nId},
            {"m_nType", parameter.m_nType},
            {"m_strName", parameter.m_strName},
            {"m_dMin", Number(parameter.m_dMin)},
            {"m_dMax", Number(parameter.m_dMax)},
            {"m_bHasMin", parameter.m_bHasMin},
            {"m_bHasMax", parameter.m_bHasMax},
            {"m_nMaxLength", parameter.m_nMaxLength},
            {"m_nDefaultItem", parameter.m_nDefaultItem},
            {"m_bDeleted", parameter.m_bDeleted},
            {"m_items", QJsonArray::fromStringList(parameter.m_items)}};
}

QJsonObject ParList(const CDVUserDefinedParList& object) {
    return {{"m_nId", object.m_nId},
            {"m_nPrevSiblingId", object.m_nPrevSiblingId},
            {"m_nParentId", object.m_nParentId},
            {"m_strTitle", object.m_strTitle},
            {"m_strDescription", object.m_strDescription},
            {"m_strComment", object.m_strComment},
            {"m_bDeleted", object.m_bDeleted},
            {"m_timeModified", object.m_timeModified},
            {"m_version", Version(object.m_version)},
            {"m_pParameterValues",
             object.m_pParameterValues ? QJsonValue(Values(*object.m_pParameterValues)) : QJsonValue()}};
}

QJsonObject Verification(const CDVVerificationData& object) {
    QJsonObject json = ParList(object);
    json.insert("m_approval", Phase(object.m_approval));
    json.insert("m_implementation", Phase(object.m_implementation));
    json.insert("m_verification", Phase(object.m_verification));
    json.insert("m_validation", Phase(object.m_validation));
    json.insert("m_createdRequirements", Ids(object.m_createdRequirements));
    json.insert("m_derivedFromRequirements", Ids(object.m_derivedFromRequirements));
    return json;
}

QJsonObject Object(const Requirement& requirement) {
    QJsonObject json = Verification(requirement);
    json.insert("m_nType", requirement.m_nType);
    json.insert("m_nLinkage", requirement.m_nLinkage);
    json.insert("m_createdUseCases", Ids(requirement.m_createdUseCases));
    json.insert("m_derivedFromUseCases", Ids(requirement.m_derivedFromUseCases));
    return json;
}

QJsonObject Object(const CActor& actor) {
    QJsonObject json = ParList(actor);
    json.insert("m_nKind", actor.m_nKind);
    QJsonArray functions;
    for (const auto& function : actor.m_functions)
        functions.append(QJsonObject{{"m_nId", function->m_nId},
                                     {"m_strTitle", function->m_strTitle},
                                     {"m_strParameters", function->m_strParameters},
                                     {"m_strReturnValue", function->m_strReturnValue}});
    json.insert("m_functions", functions);
    QJsonArray parameters;
    for (const auto& parameter : actor.m_actorParameters)
        parameters.append(Parameter(*parameter));
    json.insert("m_actorParameters", parameters);
    return json;
}

QJsonObject Object(const CStep& step) {
    QJsonObject json = ParList(step);
    json.insert("m_nType", step.m_nType);
    json.insert("m_strNumber", step.m_strNumber);
    json.insert("m_strTimeRequirement", step.m_strTimeRequirement);
    json.insert("m_nActorId", step.m_nActorId);
    json.insert("m_actsOn", Ids(step.m_actsOn));
    json.insert("m_inputValues", Values(step.m_inputValues));
    json.insert("m_outputValues", Values(step.m_outputValues));
    json.insert("m_stepRequirements", Ids(step.m_stepRequirements));
    json.insert("m_callingFunctions", Ids(step.m_callingFunctions));
    return json;
}

QJsonObject Object(const CUseCase& useCase);

template <typename T>
QJsonArray List(const DVObjectList<T>& list) {
    QJsonArray array;
    for (const T* object : list)
        array.append(Object(*object));
    return array;
}

QJsonObject Object(const CUseCase& useCase) {
    QJsonObject json = Verification(useCase);
    json.insert("m_nKind", useCase.m_nKind);
    json.insert("m_nTopStepId", useCase.m_nTopStepId);
    json.insert("m_nLastStepId", useCase.m_nLastStepId);
    json.insert("m_steps", List(useCase.m_steps));
    return json;
}

QJsonObject Columns(const CDVColumn& columns) {
    QJsonArray fieldIds;
    for (quint32 id : columns.m_fieldIds)
        fieldIds.append(qint64(id));
    QJsonArray widths;
    for (qint32 width : columns.m_widths)
        widths.append(width);
    QJsonArray flags;
    for (quint16 flag : columns.m_flags)
        flags.append(int(flag));
    return {{"m_fieldIds", fieldIds},
            {"m_widths", widths},
            {"m_flags", flags},
            {"m_nTopObjectId", columns.m_nTopObjectId},
            {"m_bFirstColumnHidden", columns.m_bFirstColumnHidden}};
}

QJsonArray Size(const DVSize& size) {
    return {size.cx, size.cy};
}

QJsonArray UserDefinitions(const std::vector<DV_UserDefinition>& definitions) {
    QJsonArray array;
    for (const DV_UserDefinition& definition : definitions)
        array.append(QJsonArray{definition.nFieldId, definition.strText});
    return array;
}

void InsertOverview(QJsonObject& json, const CReqDoc& doc) {
    json.insert("m_bOverviewVCurve", doc.m_bOverviewVCurve);
    json.insert("m_bOverviewRedVCurve", doc.m_bOverviewRedVCurve);
    json.insert("m_bOverviewTotals", doc.m_bOverviewTotals);
    json.insert("m_bOverviewSumOfTotals", doc.m_bOverviewSumOfTotals);
    json.insert("m_nOverviewChart", doc.m_nOverviewChart);
    json.insert("m_bOverviewPercentOnly", doc.m_bOverviewPercentOnly);
    json.insert("m_nOverviewApprImpl", doc.m_nOverviewApprImpl);
    json.insert("m_nOverviewVerValid", doc.m_nOverviewVerValid);
}

// The ordinary record; extent and view type are passed because a container holds its linked file's
// own ones aside.
QJsonObject Ordinary(const CReqDoc& doc, const QString& fileFormat, const DVSize& extent, qint32 viewType) {
    QJsonObject json{{"fileFormat", fileFormat},
                     {"m_bLinked", false},
                     {"m_strLinkedPath", QString()},
                     {"m_strProjectName", doc.m_strProjectName},
                     {"m_version", Version(doc.m_version)},
                     {"m_nLastParameterId", doc.m_nLastParameterId},
                     {"m_nLastRequirementId", doc.m_nLastRequirementId},
                     {"m_requirements", List(doc.m_requirements)},
                     {"m_deletedRequirements", List(doc.m_deletedRequirements)},
                     {"m_nLastActorId", doc.m_nLastActorId},
                     {"m_nLastActorParameterId", doc.m_nLastActorParameterId},
                     {"m_nLastFunctionId", doc.m_nLastFunctionId},
                     {"m_actors", List(doc.m_actors)},
                     {"m_deletedActors", List(doc.m_deletedActors)},
                     {"m_nLastUseCaseId", doc.m_nLastUseCaseId},
                     {"m_useCases", List(doc.m_useCases)},
                     {"m_deletedUseCases", List(doc.m_deletedUseCases)},
                     {"m_colsRequirements", Columns(doc.m_colsRequirements)},
                     {"m_colsActors", Columns(doc.m_colsActors)},
                     {"m_colsUseCases", Columns(doc.m_colsUseCases)},
                     {"m_colsSteps", Columns(doc.m_colsSteps)},
                     {"m_sizeExtent", Size(extent)},
                     {"m_bSaveColumnsAutomatically", doc.m_bSaveColumnsAutomatically},
                     {"m_nViewType", viewType},
                     {"m_nStepsUseCaseId", doc.m_nStepsUseCaseId},
                     {"m_userHeaders", UserDefinitions(doc.m_userHeaders)},
                     {"m_clrAltRequirement", doc.m_clrAltRequirement},
                     {"m_clrAltActor", doc.m_clrAltActor},
                     {"m_clrAltUseCase", doc.m_clrAltUseCase},
                     {"m_clrAltStep", doc.m_clrAltStep},
                     {"m_bGridLines", doc.m_bGridLines},
                     {"m_bGridLinesLinked", doc.m_bGridLinesLinked},
                     {"m_bImplementationPhase", doc.m_bImplementationPhase},
                     {"m_bValidationPhase", doc.m_bValidationPhase},
                     {"m_strCurrency", doc.m_strCurrency},
                     {"m_strDurationUnit", doc.m_strDurationUnit},
                     {"m_stepApproval", Phase(doc.m_stepApproval)},
                     {"m_stepImplementation", Phase(doc.m_stepImplementation)},
                     {"m_stepVerification", Phase(doc.m_stepVerification)},
                     {"m_stepValidation", Phase(doc.m_stepValidation)},
                     {"m_userValueNames", UserDefinitions(doc.m_userValueNames)}};
    QJsonArray parameters;
    for (const DVParameter* parameter : doc.m_parameters)
        parameters.append(Parameter(*parameter));
    json.insert("m_parameters", parameters);
    InsertOverview(json, doc);
    return json;
}

QJsonObject Container(const CReqDoc& doc, const QString& fileFormat, const QString& linkedFileFormat) {
    QJsonObject json{{"fileFormat", fileFormat},
                     {"m_bLinked", true},
                     {"m_strLinkedPath", doc.m_strLinkedPath},
                     {"m_sizeExtent", Size(doc.m_sizeExtent)},
                     {"m_nViewType", doc.m_nViewType},
                     {"m_clrAltLinked", doc.m_clrAltLinked},
                     {"m_bGridLinesLinked", doc.m_bGridLinesLinked}};
    InsertOverview(json, doc);
    // The lookup only reads the document.
    const CDVColumn* columns = const_cast<CReqDoc&>(doc).ColumnSetOfViewType(doc.m_nViewType);
    json.insert("viewColumns", columns ? QJsonValue(Columns(*columns)) : QJsonValue());
    json.insert("linkedProject",
                Ordinary(doc, linkedFileFormat, doc.m_sizeExtentLinked, doc.m_nViewTypeLinked));
    return json;
}

}  // namespace

QByteArray Dump(const CReqDoc& doc, const QString& fileFormat, const QString& linkedFileFormat) {
    const QJsonObject json = doc.m_bLinked
                                 ? Container(doc, fileFormat, linkedFileFormat)
                                 : Ordinary(doc, fileFormat, doc.m_sizeExtentShown, doc.m_nViewType);
    QByteArray text = QJsonDocument(json).toJson(QJsonDocument::Indented);
    const QByteArray marker = QJsonDocument(QJsonArray{kNegativeZeroMarker}).toJson(QJsonDocument::Compact);
    // The marker as the writer quotes it: the array's text without its brackets.
    // -0.0 rather than -0: readers that take -0 for the integer 0 would lose the sign.
    return text.replace(marker.mid(1, marker.size() - 2), "-0.0");
}

}  // namespace ProjectDump
