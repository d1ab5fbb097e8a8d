#include "model/CReqProject.h"

#include "model/StringIds.h"
#include "platform/DVClock.h"
#include "platform/DVStringTable.h"

#include <algorithm>

CReqProject::CReqProject() = default;

CReqProject::~CReqProject() = default;

CFunction* CReqProject::FindFunction(qint32 id) const {
    for (const CActor* actor : m_actors) {
        for (const auto& function : actor->m_functions) {
            if (function->m_nId == id) {
                return function.get();
            }
        }
    }
    return nullptr;
}

DVParameter* CReqProject::FindActorParameter(qint32 id, CActor** owner) const {
    for (CActor* actor : m_actors) {
        for (const auto& parameter : actor->m_actorParameters) {
            if (parameter->m_nId == id) {
                if (owner != nullptr) {
                    *owner = actor;
                }
                return parameter.get();
            }
        }
    }
    return nullptr;
}

DVParameter* CReqProject::FindParameterByColumn(int columnId) const {
    const qint64 position = static_cast<qint64>(columnId) - FIELD_FIRST_PARAMETER;
    if (position < 0 || position >= m_parameters.size()) {
        return nullptr;
    }
    return m_parameters.at(static_cast<int>(position));
}

const DVParameter* CReqProject::GetParameterValue(int columnId, const CDVUserDefinedParList* object,
                                                  const DVParameterValue** value) const {
    if (value != nullptr) {
        *value = nullptr;
    }
    if (object == nullptr) {
        return nullptr;
    }
    const DVParameter* definition = FindParameterByColumn(columnId);
    if (definition != nullptr && value != nullptr) {
        *value = object->FindParameterValue(definition->m_nId);
    }
    return definition;
}

CUseCase* CReqProject::UseCaseOfStep(const CStep* step) const {
    const auto it = std::find_if(m_useCases.begin(), m_useCases.end(),
                                 [step](const CUseCase* useCase) { return useCase->m_steps.Contains(step); });
    return it != m_useCases.end() ? *it : nullptr;
}

QString CReqProject::UserText(const std::vector<DV_UserDefinition>& texts, int fieldId) const {
    for (const DV_UserDefinition& entry : texts) {
        if (entry.nFieldId == fieldId) {
            return entry.strText;
        }
    }
    return LoadString(fieldId);
}

QString CReqProject::GetHeaderText(int fieldId) const {
    return UserText(m_userHeaders, fieldId == FIELD_LINKAGE_TEXT ? FIELD_LINKAGE : fieldId);
}

QString CReqProject::GetValueName(int fieldId) const {
    return UserText(m_userValueNames, fieldId);
}

QString CReqProject::GetRequirementTypeChoices() const {
    return QStringLiteral("%1|%2|%3|%4")
        .arg(GetValueName(VALUE_FUNCTIONAL), GetValueName(VALUE_FUNCTIONAL + 1),
             GetValueName(VALUE_FUNCTIONAL + 2), GetValueName(VALUE_FUNCTIONAL + 3));
}

QString CReqProject::GetYesNoChoices() const {
    return QStringLiteral("%1|%2").arg(GetValueName(VALUE_NO), GetValueName(VALUE_YES));
}

QString CReqProject::GetAndOrIgnoreChoices() const {
    return QStringLiteral("%1|%2|%3")
        .arg(GetValueName(VALUE_AND), GetValueName(VALUE_AND + 1), GetValueName(VALUE_AND + 2));
}

const CDVDevelopmentStep& CReqProject::DefaultStep(int phase) const {
    switch (phase) {
        case CDVDevelopmentStep::Implementation:
            return m_stepImplementation;
        case CDVDevelopmentStep::Verification:
            return m_stepVerification;
        case CDVDevelopmentStep::Validation:
            return m_stepValidation;
        default:
            return m_stepApproval;
    }
}

VersionNumber CReqProject::NewObjectVersion(qint32 count) const {
    VersionNumber version = m_version;
    version.nCount = count;
    return version;
}

std::unique_ptr<Requirement> CReqProject::NewRequirement() {
    auto object = std::make_unique<Requirement>(++m_nLastRequirementId);
    object->m_version = NewObjectVersion(0);
    return object;
}

std::unique_ptr<Requirement> CReqProject::CopyRequirement(const Requirement& source) {
    auto object = std::make_unique<Requirement>(++m_nLastRequirementId, source);
    object->m_version = NewObjectVersion(source.m_version.nCount);
    return object;
}

std::unique_ptr<CActor> CReqProject::NewActor() {
    auto object = std::make_unique<CActor>(++m_nLastActorId);
    object->m_version = NewObjectVersion(0);
    return object;
}

std::unique_ptr<CActor> CReqProject::CopyActor(const CActor& source) {
    auto object = std::make_unique<CActor>(++m_nLastActorId, source, this);
    object->m_version = NewObjectVersion(source.m_version.nCount);
    return object;
}

std::unique_ptr<CUseCase> CReqProject::NewUseCase() {
    auto object = std::make_unique<CUseCase>(++m_nLastUseCaseId);
    object->m_version = NewObjectVersion(0);
    return object;
}

std::unique_ptr<CUseCase> CReqProject::CopyUseCase(const CUseCase& source) {
    auto object = std::make_unique<CUseCase>(++m_nLastUseCaseId, source);
    object->m_version = NewObjectVersion(source.m_version.nCount);
    return object;
}

std::unique_ptr<CStep> CReqProject::NewStep(CUseCase& useCase) {
    auto step = std::make_unique<CStep>(++useCase.m_nLastStepId);
    step->m_version = NewObjectVersion(0);
    return step;
}

std::unique_ptr<CStep> CReqProject::CopyStep(CUseCase& useCase, const CStep& source) {
    auto step = std::make_unique<CStep>(++useCase.m_nLastStepId, source);
    step->m_version = NewObjectVersion(source.m_version.nCount);
    return step;
}

std::unique_ptr<DVParameter> CReqProject::NewParameter() {
    auto parameter = std::make_unique<DVParameter>();
    parameter->m_nId = ++m_nLastParameterId;
    return parameter;
}

void CReqProject::MarkModified(CDVData* object) {
    if (object == nullptr) {
        return;
    }
    BeforeChange(object);
    object->m_version = object->m_version.Next(m_version);
    object->m_timeModified = DVNow();
}

void CReqProject::CreateDefaultContent() {
    m_nLastRequirementId = 0;
    m_nLastParameterId = 0;
    m_version = VersionNumber{true, m_version.strPrefix, 1, 0, m_version.nCount};

    m_colsRequirements.Clear();
    for (int field :
         {FIELD_TITLE, FIELD_ID, FIELD_DESCRIPTION, FIELD_APPROVED, FIELD_IMPLEMENTED, FIELD_VERIFIED}) {
        m_colsRequirements.m_fieldIds.push_back(field);
        m_colsRequirements.m_flags.push_back(0);
    }
    for (const char16_t* title : {u"User Needs", u"Business Requirements", u"Features", u"Specifications"}) {
        auto requirement = NewRequirement();
        requirement->m_strTitle = QString::fromUtf16(title);
        requirement->m_nType = Requirement::Folder;
        m_requirements.Append(std::move(requirement));
    }

    m_colsActors.Clear();
    for (int field : {FIELD_TITLE, FIELD_DESCRIPTION}) {
        m_colsActors.m_fieldIds.push_back(field);
        m_colsActors.m_flags.push_back(0);
    }
    m_nLastActorId = 0;
    auto actor = NewActor();
    actor->m_strTitle = QStringLiteral("Actors");
    actor->m_nKind = CActor::KindFolder;
    m_actors.Append(std::move(actor));
    m_nLastActorParameterId = 0;
    m_nLastFunctionId = 0;

    m_colsUseCases.Clear();
    for (int field : {FIELD_TITLE, FIELD_DESCRIPTION, FIELD_UC_APPROVED, FIELD_UC_VERIFIED}) {
        m_colsUseCases.m_fieldIds.push_back(field);
        m_colsUseCases.m_flags.push_back(0);
    }
    m_nLastUseCaseId = 0;
    auto useCase = NewUseCase();
    useCase->m_strTitle = QStringLiteral("Use Cases");
    useCase->m_nKind = CUseCase::KindFolder;
    m_useCases.Append(std::move(useCase));

    m_colsSteps.Clear();
    for (int field : {FIELD_TITLE, FIELD_STEP_NUMBER, FIELD_DESCRIPTION, FIELD_STEP_REQUIREMENTS}) {
        m_colsSteps.m_fieldIds.push_back(field);
        m_colsSteps.m_flags.push_back(0);
    }
}

void CReqProject::DeleteContents() {
    m_requirements.DeleteAll();
    m_deletedRequirements.DeleteAll();
    m_parameters.DeleteAll();
    m_actors.DeleteAll();
    m_deletedActors.DeleteAll();
    m_useCases.DeleteAll();
    m_deletedUseCases.DeleteAll();
    m_removedSteps.clear();
    for (CDVColumn* columns : {&m_colsRequirements, &m_colsActors, &m_colsUseCases, &m_colsSteps}) {
        columns->Clear();
    }
}
