#include "document/CReqDocSerializer.h"

#include "document/CArchiveException.h"
#include "document/CArchiveReader.h"
#include "document/CArchiveWriter.h"
#include "document/CReqDoc.h"
#include "document/ProjectRecords.h"

using namespace ProjectRecords;

const QString CReqDocSerializer::kFileFormat = QStringLiteral("2.0.3");
const QString CReqDocSerializer::kFileFormatWithoutValueNames = QStringLiteral("2.0.1");

namespace {

template <typename T>
void StoreList(CArchiveWriter& out, const DVObjectList<T>& list) {
    out.WriteInt32(list.size());
    for (const T* object : list)
        Store(out, *object);
}

template <typename T>
void LoadObjects(CArchiveReader& in, DVObjectList<T>& list, qint32 count) {
    for (qint32 i = 0; i < count; ++i) {
        auto object = std::make_unique<T>(0);
        Load(in, *object);
        list.Append(std::move(object));
    }
}

template <typename T>
void LoadList(CArchiveReader& in, DVObjectList<T>& list, int minRecordSize) {
    LoadObjects(in, list, in.ReadCount(minRecordSize));
}

void StoreSize(CArchiveWriter& out, const DVSize& size) {
    out.WriteInt32(size.cx);
    out.WriteInt32(size.cy);
}

DVSize LoadSize(CArchiveReader& in) {
    DVSize size;
    size.cx = in.ReadInt32();
    size.cy = in.ReadInt32();
    return size;
}

}  // namespace

CReqDocSerializer::CReqDocSerializer(CReqDoc& doc, LinkedProject linked)
    : m_doc(doc), m_linked(std::move(linked)) {}

void CReqDocSerializer::Store(CArchiveWriter& out) {
    m_doc.CollectColumnLayouts();
    out.WriteString(kFileFormat);
    out.WriteBool(m_doc.m_bLinked);
    out.WriteString(m_doc.m_bLinked ? m_doc.m_strLinkedPath : QString());
    if (m_doc.m_bLinked)
        StoreContainer(out);
    else
        StoreOrdinary(out);
}

void CReqDocSerializer::Load(CArchiveReader& in) {
    m_fileFormat = in.ReadString();
    m_doc.m_bLinked = in.ReadBool();
    m_doc.m_strLinkedPath = in.ReadString();
    if (m_doc.m_bLinked)
        LoadContainer(in);
    else
        LoadOrdinary(in);
    m_doc.AdjustPhaseSelection();
}

void CReqDocSerializer::StoreOverview(CArchiveWriter& out) const {
    out.WriteBool(m_doc.m_bOverviewVCurve);
    out.WriteBool(m_doc.m_bOverviewRedVCurve);
    out.WriteBool(m_doc.m_bOverviewTotals);
    out.WriteBool(m_doc.m_bOverviewSumOfTotals);
    out.WriteInt32(m_doc.m_nOverviewChart);
    out.WriteBool(m_doc.m_bOverviewPercentOnly);
    out.WriteInt32(m_doc.m_nOverviewApprImpl);
    out.WriteInt32(m_doc.m_nOverviewVerValid);
}

void CReqDocSerializer::LoadOverview(CArchiveReader& in) {
    m_doc.m_bOverviewVCurve = in.ReadBool();
    m_doc.m_bOverviewRedVCurve = in.ReadBool();
    m_doc.m_bOverviewTotals = in.ReadBool();
    m_doc.m_bOverviewSumOfTotals = in.ReadBool();
    m_doc.m_nOverviewChart = in.ReadInt32();
    m_doc.m_bOverviewPercentOnly = in.ReadBool();
    m_doc.m_nOverviewApprImpl = in.ReadInt32();
    m_doc.m_nOverviewVerValid = in.ReadInt32();
}

void CReqDocSerializer::StoreOrdinary(CArchiveWriter& out) const {
    const CReqDoc& doc = m_doc;
    out.WriteString(doc.m_strProjectName);
    ProjectRecords::Store(out, doc.m_version);
    out.WriteInt32(doc.m_parameters.size());
    out.WriteInt32(doc.m_nLastParameterId);
    for (const DVParameter* parameter : doc.m_parameters)
        ProjectRecords::Store(out, *parameter);
    out.WriteInt32(doc.m_requirements.size());
    out.WriteInt32(doc.m_nLastRequirementId);
    for (const Requirement* requirement : doc.m_requirements)
        ProjectRecords::Store(out, *requirement);
    StoreList(out, doc.m_deletedRequirements);
    out.WriteInt32(doc.m_actors.size());
    out.WriteInt32(doc.m_nLastActorId);
    out.WriteInt32(doc.m_nLastActorParameterId);
    out.WriteInt32(doc.m_nLastFunctionId);
    for (const CActor* actor : doc.m_actors)
        ProjectRecords::Store(out, *actor);
    StoreList(out, doc.m_deletedActors);
    out.WriteInt32(doc.m_useCases.size());
    out.WriteInt32(doc.m_nLastUseCaseId);
    for (const CUseCase* useCase : doc.m_useCases)
        ProjectRecords::Store(out, *useCase);
    StoreList(out, doc.m_deletedUseCases);
    for (const CDVColumn* columns :
         {&doc.m_colsRequirements, &doc.m_colsActors, &doc.m_colsUseCases, &doc.m_colsSteps})
        ProjectRecords::Store(out, *columns);
    StoreSize(out, doc.m_sizeExtent);
    out.WriteBool(doc.m_bSaveColumnsAutomatically);
    out.WriteInt32(doc.m_nViewType);
    out.WriteInt32(doc.m_nStepsUseCaseId);
    StoreOverview(out);
    ProjectRecords::Store(out, doc.m_userHeaders);
    for (qint32 colour : {doc.m_clrAltRequirement, doc.m_clrAltActor, doc.m_clrAltUseCase, doc.m_clrAltStep})
        out.WriteInt32(colour);
    for (bool flag :
         {doc.m_bGridLines, doc.m_bGridLinesLinked, doc.m_bImplementationPhase, doc.m_bValidationPhase})
        out.WriteBool(flag);
    out.WriteString(doc.m_strCurrency);
    out.WriteString(doc.m_strDurationUnit);
    for (const CDVDevelopmentStep* step :
         {&doc.m_stepApproval, &doc.m_stepImplementation, &doc.m_stepVerification, &doc.m_stepValidation})
        ProjectRecords::Store(out, *step);
    ProjectRecords::Store(out, doc.m_userValueNames);
}

void CReqDocSerializer::LoadOrdinary(CArchiveReader& in) {
    CReqDoc& doc = m_doc;
    doc.m_strProjectName = in.ReadString();
    ProjectRecords::Load(in, doc.m_version);
    const qint32 parameters = in.ReadCount(kMinParameter);
    doc.m_nLastParameterId = in.ReadInt32();
    for (qint32 i = 0; i < parameters; ++i) {
        auto parameter = std::make_unique<DVParameter>();
        ProjectRecords::Load(in, *parameter);
        doc.m_parameters.Append(std::move(parameter));
    }
    const qint32 requirements = in.ReadCount(kMinRequirement);
    doc.m_nLastRequirementId = in.ReadInt32();
    LoadObjects(in, doc.m_requirements, requirements);
    LoadList(in, doc.m_deletedRequirements, kMinRequirement);
    const qint32 actors = in.ReadCount(kMinActor);
    doc.m_nLastActorId = in.ReadInt32();
    doc.m_nLastActorParameterId = in.ReadInt32();
    doc.m_nLastFunctionId = in.ReadInt32();
    LoadObjects(in, doc.m_actors, actors);
    LoadList(in, doc.m_deletedActors, kMinActor);
    const qint32 useCases = in.ReadCount(kMinUseCase);
    doc.m_nLastUseCaseId = in.ReadInt32();
    LoadObjects(in, doc.m_useCases, useCases);
    LoadList(in, doc.m_deletedUseCases, kMinUseCase);
    for (CDVColumn* columns :
         {&doc.m_colsRequirements, &doc.m_colsActors, &doc.m_colsUseCases, &doc.m_colsSteps})
        ProjectRecords::Load(in, *columns);
    // The extent also goes into m_sizeExtent, so that a load and a save keep it and a linked
    // container finds the linked file's own extent there.
    doc.m_sizeExtentShown = LoadSize(in);
    doc.m_sizeExtent = doc.m_sizeExtentShown;
    doc.m_bSaveColumnsAutomatically = in.ReadBool();
    doc.m_nViewType = in.ReadInt32();
    doc.m_nNextViewType = doc.m_nViewType;
    doc.m_nStepsUseCaseId = in.ReadInt32();
    doc.m_nNextStepsUseCaseId = doc.m_nStepsUseCaseId;
    LoadOverview(in);
    ProjectRecords::Load(in, doc.m_userHeaders);
    for (qint32* colour :
         {&doc.m_clrAltRequirement, &doc.m_clrAltActor, &doc.m_clrAltUseCase, &doc.m_clrAltStep})
        *colour = in.ReadInt32();
    for (bool* flag :
         {&doc.m_bGridLines, &doc.m_bGridLinesLinked, &doc.m_bImplementationPhase, &doc.m_bValidationPhase})
        *flag = in.ReadBool();
    doc.m_strCurrency = in.ReadString();
    doc.m_strDurationUnit = in.ReadString();
    for (CDVDevelopmentStep* step :
         {&doc.m_stepApproval, &doc.m_stepImplementation, &doc.m_stepVerification, &doc.m_stepValidation})
        ProjectRecords::Load(in, *step);
    if (m_fileFormat != kFileFormatWithoutValueNames)
        ProjectRecords::Load(in, doc.m_userValueNames);
}

void CReqDocSerializer::StoreContainer(CArchiveWriter& out) {
    StoreSize(out, m_doc.m_sizeExtent);
    out.WriteInt32(m_doc.m_nViewType);
    out.WriteInt32(m_doc.m_clrAltLinked);
    out.WriteBool(m_doc.m_bGridLinesLinked);
    StoreOverview(out);
    if (const CDVColumn* columns = m_doc.ColumnSetOfViewType(m_doc.m_nViewType))
        ProjectRecords::Store(out, *columns);
    if (m_linked.saveLinked)
        m_linked.saveLinked();
}

void CReqDocSerializer::LoadContainer(CArchiveReader& in) {
    if (!m_linked.openLinked)
        throw CArchiveException(CArchiveException::generic,
                                QStringLiteral("A linked project file cannot itself be linked."));
    // Loading the linked file overwrites the link fields and the version string read so far.
    const QString containerFormat = m_fileFormat;
    const QString linkedPath = m_doc.m_strLinkedPath;
    const QString path = m_linked.openLinked(linkedPath);
    m_fileFormat = containerFormat;
    m_doc.m_bLinked = true;
    m_doc.m_strLinkedPath = path;
    m_doc.m_sizeExtentLinked = m_doc.m_sizeExtent;
    m_doc.m_nViewTypeLinked = m_doc.m_nViewType;
    m_doc.m_sizeExtent = LoadSize(in);
    m_doc.m_sizeExtentShown = m_doc.m_sizeExtent;
    m_doc.m_nViewType = in.ReadInt32();
    m_doc.m_nNextViewType = m_doc.m_nViewType;
    m_doc.m_clrAltLinked = in.ReadInt32();
    m_doc.m_bGridLinesLinked = in.ReadBool();
    LoadOverview(in);
    if (CDVColumn* columns = m_doc.ColumnSetOfViewType(m_doc.m_nViewType)) {
        columns->Clear();
        ProjectRecords::Load(in, *columns);
    }
}
