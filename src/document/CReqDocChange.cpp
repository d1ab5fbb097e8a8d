#include "document/CReqDocChange.h"

#include "document/CArchiveReader.h"
#include "document/CArchiveWriter.h"
#include "document/CReqDoc.h"
#include "document/ProjectRecords.h"

#include <algorithm>
#include <array>

namespace {

std::array<CDVColumn*, 4> ColumnSets(CReqDoc& doc) {
    return {&doc.m_colsRequirements, &doc.m_colsActors, &doc.m_colsUseCases, &doc.m_colsSteps};
}

std::array<CDVDevelopmentStep*, 4> PhaseDefaults(CReqDoc& doc) {
    return {&doc.m_stepApproval, &doc.m_stepImplementation, &doc.m_stepVerification, &doc.m_stepValidation};
}

std::array<qint32*, 5> Colours(CReqDoc& doc) {
    return {&doc.m_clrAltRequirement, &doc.m_clrAltActor, &doc.m_clrAltUseCase, &doc.m_clrAltStep,
            &doc.m_clrAltLinked};
}

std::array<bool*, 5> Flags(CReqDoc& doc) {
    return {&doc.m_bGridLines, &doc.m_bGridLinesLinked, &doc.m_bImplementationPhase, &doc.m_bValidationPhase,
            &doc.m_bSaveColumnsAutomatically};
}

// The project settings a dialog may change, with the column sets.
void StoreSettings(CArchiveWriter& out, CReqDoc& doc) {
    out.WriteString(doc.m_strProjectName);
    out.WriteString(doc.m_strCurrency);
    out.WriteString(doc.m_strDurationUnit);
    ProjectRecords::Store(out, doc.m_version);
    for (const CDVDevelopmentStep* step : PhaseDefaults(doc))
        ProjectRecords::Store(out, *step);
    for (const CDVColumn* columns : ColumnSets(doc))
        ProjectRecords::Store(out, *columns);
    ProjectRecords::Store(out, doc.m_userHeaders);
    ProjectRecords::Store(out, doc.m_userValueNames);
    for (const qint32* colour : Colours(doc))
        out.WriteInt32(*colour);
    for (const bool* flag : Flags(doc))
        out.WriteBool(*flag);
}

void LoadSettings(CArchiveReader& in, CReqDoc& doc) {
    doc.m_strProjectName = in.ReadString();
    doc.m_strCurrency = in.ReadString();
    doc.m_strDurationUnit = in.ReadString();
    ProjectRecords::Load(in, doc.m_version);
    for (CDVDevelopmentStep* step : PhaseDefaults(doc))
        ProjectRecords::Load(in, *step);
    for (CDVColumn* columns : ColumnSets(doc)) {
        columns->m_fieldIds.clear();
        columns->m_widths.clear();
        columns->m_flags.clear();
        ProjectRecords::Load(in, *columns);
    }
    ProjectRecords::Load(in, doc.m_userHeaders);
    ProjectRecords::Load(in, doc.m_userValueNames);
    for (qint32* colour : Colours(doc))
        *colour = in.ReadInt32();
    for (bool* flag : Flags(doc))
        *flag = in.ReadBool();
}

}  // namespace

CReqDocChange::CReqDocChange(CReqDoc& doc) : m_doc(doc) {}

CReqDocChange::~CReqDocChange() {
    if (m_doc.m_pChangeObserver == this)
        m_doc.m_pChangeObserver = nullptr;
}

void CReqDocChange::Begin() {
    m_doc.m_pChangeObserver = this;
    m_requirementOrder.Begin({&m_doc.m_requirements, &m_doc.m_deletedRequirements});
    m_actorOrder.Begin({&m_doc.m_actors, &m_doc.m_deletedActors});
    m_useCaseOrder.Begin({&m_doc.m_useCases, &m_doc.m_deletedUseCases});
    m_parameterOrder.Begin({&m_doc.m_parameters});
}

void CReqDocChange::CaptureSettings() {
    Keep(&m_doc, &m_doc, Kind::Settings);
    for (DVParameter* parameter : m_doc.m_parameters)
        Keep(parameter, parameter, Kind::Parameter);
}

void CReqDocChange::BeforeChange(CDVData& object) {
    static constexpr Kind kinds[] = {Kind::Requirement, Kind::Actor, Kind::Actor, Kind::UseCase, Kind::Step};
    // Functions are stored in their actor, which the actor sheet announces.
    if (object.Family() == DVFamily::Function)
        return;
    if (m_nFocusFamily < 0) {
        m_nFocusId = object.m_nId;
        m_nFocusFamily = int(object.Family());
    }
    if (object.Family() != DVFamily::Step) {
        Keep(&object, &object, kinds[int(object.Family())]);
        return;
    }
    if (m_imageIndex.contains(&object))
        return;
    if (CUseCase* useCase = m_doc.UseCaseOfStep(static_cast<CStep*>(&object)))
        Keep(&object, useCase, Kind::Step, object.m_nId);
}

void CReqDocChange::Keep(void* key, void* object, Kind kind, qint32 stepId) {
    if (m_imageIndex.contains(key))
        return;
    m_imageIndex.insert(key, int(m_images.size()));
    Image& image = m_images.emplace_back(Image{object, kind, stepId});
    image.before = Store(image);
    if (const CDVData* data = ObjectOf(image)) {
        image.parentId = data->m_nParentId;
        image.prevSiblingId = data->m_nPrevSiblingId;
        image.deleted = data->m_bDeleted;
    }
}

CDVData* CReqDocChange::ObjectOf(const Image& image) const {
    switch (image.kind) {
        case Kind::Requirement:
            return static_cast<Requirement*>(image.object);
        case Kind::Actor:
            return static_cast<CActor*>(image.object);
        case Kind::UseCase:
            return static_cast<CUseCase*>(image.object);
        case Kind::Step:
            return StepOf(image);
        default:
            return nullptr;
    }
}

bool CReqDocChange::Moved(const Image& image, const CDVData* object) {
    return object != nullptr &&
           (object->m_nParentId != image.parentId || object->m_nPrevSiblingId != image.prevSiblingId ||
            object->m_bDeleted != image.deleted);
}

CStep* CReqDocChange::StepOf(const Image& image) const {
    return static_cast<CUseCase*>(image.object)->m_steps.FindById(image.stepId);
}

bool CReqDocChange::Finish() {
    if (m_doc.m_pChangeObserver == this)
        m_doc.m_pChangeObserver = nullptr;
    const bool requirements = m_requirementOrder.Finish();
    const bool actors = m_actorOrder.Finish();
    const bool useCases = m_useCaseOrder.Finish();
    const bool parameters = m_parameterOrder.Finish();
    m_bStructure = requirements || actors || useCases || parameters;
    for (Image& image : m_images) {
        image.after = Store(image);
        m_bStructure = m_bStructure || Moved(image, ObjectOf(image));
    }
    std::erase_if(m_images, [](const Image& image) { return image.before == image.after; });
    std::stable_sort(m_images.begin(), m_images.end(),
                     [](const Image& a, const Image& b) { return a.kind < b.kind; });
    m_imageIndex.clear();
    m_images.shrink_to_fit();
    for (const Image& image : m_images) {
        m_bSettings = m_bSettings || image.kind == Kind::Settings || image.kind == Kind::Parameter;
        m_bStructure = m_bStructure || image.kind == Kind::UseCase;
    }
    m_bSettings = m_bSettings || parameters;
    return m_bStructure || !m_images.empty();
}

void CReqDocChange::Apply(bool undo) {
    // The lists first, so that every object is back in its place before its record is read into it.
    m_requirementOrder.Apply(undo);
    m_actorOrder.Apply(undo);
    m_useCaseOrder.Apply(undo);
    m_parameterOrder.Apply(undo);
    for (const Image& image : m_images)
        Load(image, undo ? image.before : image.after);
}

QByteArray CReqDocChange::Store(const Image& image) const {
    CArchiveWriter out;
    switch (image.kind) {
        case Kind::Requirement:
            ProjectRecords::Store(out, *static_cast<const Requirement*>(image.object));
            break;
        case Kind::Actor:
            ProjectRecords::Store(out, *static_cast<const CActor*>(image.object));
            break;
        case Kind::UseCase:
            ProjectRecords::Store(out, *static_cast<const CUseCase*>(image.object));
            break;
        case Kind::Step:
            if (const CStep* step = StepOf(image))
                ProjectRecords::Store(out, *step);
            break;
        case Kind::Parameter:
            ProjectRecords::Store(out, *static_cast<const DVParameter*>(image.object));
            break;
        case Kind::Settings:
            StoreSettings(out, m_doc);
            break;
    }
    return out.TakeBytes();
}

void CReqDocChange::Load(const Image& image, const QByteArray& bytes) {
    CArchiveReader in(bytes.constData(), bytes.size());
    switch (image.kind) {
        case Kind::Requirement:
            ProjectRecords::Load(in, *static_cast<Requirement*>(image.object));
            break;
        case Kind::Actor:
            ProjectRecords::Load(in, *static_cast<CActor*>(image.object));
            break;
        case Kind::UseCase: {
            // Rows of open views may still name the steps: the document keeps them (see there).
            auto* useCase = static_cast<CUseCase*>(image.object);
            for (auto& step : useCase->m_steps.TakeRange(0, useCase->m_steps.size()))
                m_doc.m_removedSteps.push_back(std::move(step));
            ProjectRecords::Load(in, *useCase);
            break;
        }
        case Kind::Step:
            if (CStep* step = StepOf(image); step != nullptr && !bytes.isEmpty())
                ProjectRecords::Load(in, *step);
            break;
        case Kind::Parameter:
            ProjectRecords::Load(in, *static_cast<DVParameter*>(image.object));
            break;
        case Kind::Settings:
            LoadSettings(in, m_doc);
            break;
    }
}

std::size_t CReqDocChange::Bytes() const {
    std::size_t bytes = sizeof(*this) + m_requirementOrder.Bytes() + m_actorOrder.Bytes() +
                        m_useCaseOrder.Bytes() + m_parameterOrder.Bytes();
    for (const Image& image : m_images)
        bytes += sizeof(Image) + std::size_t(image.before.size() + image.after.size());
    return bytes;
}
