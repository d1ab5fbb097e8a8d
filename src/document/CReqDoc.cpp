#include "document/CReqDoc.h"

#include "document/CDVDocumentView.h"
#include "model/StringIds.h"
#include "platform/DVClock.h"
#include "platform/DVStringTable.h"

#include <algorithm>

CReqDoc::CReqDoc() = default;

CReqDoc::~CReqDoc() = default;

CFunction* CReqDoc::FindFunction(qint32 id) const {
    for (const CActor* actor : m_actors) {
        for (const auto& function : actor->m_functions) {
            if (function->m_nId == id) {
                return function.get();
            }
        }
    }
    return nullptr;
}

DVParameter* CReqDoc::FindActorParameter(qint32 id, CActor** owner) const {
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

DVParameter* CReqDoc::FindParameterByColumn(int columnId) const {
    const qint64 position = static_cast<qint64>(columnId) - FIELD_FIRST_PARAMETER;
    if (position < 0 || position >= m_parameters.size()) {
        return nullptr;
    }
    return m_parameters.at(static_cast<int>(position));
}

const DVParameter* CReqDoc::GetParameterValue(int columnId, const CDVUserDefinedParList* object,
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

bool CReqDoc::ContainsStep(const CStep* step) const {
    return std::any_of(m_useCases.begin(), m_useCases.end(),
                       [step](const CUseCase* useCase) { return useCase->m_steps.Contains(step); });
}

QString CReqDoc::UserText(const std::vector<DV_UserDefinition>& texts, int fieldId) const {
    for (const DV_UserDefinition& entry : texts) {
        if (entry.nFieldId == fieldId) {
            return entry.strText;
        }
    }
    return LoadString(fieldId);
}

QString CReqDoc::GetHeaderText(int fieldId) const {
    return UserText(m_userHeaders, fieldId == FIELD_LINKAGE_TEXT ? FIELD_LINKAGE : fieldId);
}

QString CReqDoc::GetValueName(int fieldId) const {
    return UserText(m_userValueNames, fieldId);
}

QString CReqDoc::GetRequirementTypeChoices() const {
    return QStringLiteral("%1|%2|%3|%4")
        .arg(GetValueName(VALUE_FUNCTIONAL), GetValueName(VALUE_FUNCTIONAL + 1),
             GetValueName(VALUE_FUNCTIONAL + 2), GetValueName(VALUE_FUNCTIONAL + 3));
}

QString CReqDoc::GetYesNoChoices() const {
    return QStringLiteral("%1|%2").arg(GetValueName(VALUE_NO), GetValueName(VALUE_YES));
}

QString CReqDoc::GetAndOrIgnoreChoices() const {
    return QStringLiteral("%1|%2|%3")
        .arg(GetValueName(VALUE_AND), GetValueName(VALUE_AND + 1), GetValueName(VALUE_AND + 2));
}

const CDVDevelopmentStep& CReqDoc::DefaultStep(int phase) const {
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

CDVColumn* CReqDoc::ColumnSetOfViewType(int viewType) {
    switch (viewType) {
        case ViewRequirements:
            return &m_colsRequirements;
        case ViewUseCases:
            return &m_colsUseCases;
        case ViewSteps:
            return &m_colsSteps;
        case ViewActors:
            return &m_colsActors;
        default:
            return nullptr;
    }
}

VersionNumber CReqDoc::NewObjectVersion(qint32 count) const {
    VersionNumber version = m_version;
    version.nCount = count;
    return version;
}

std::unique_ptr<Requirement> CReqDoc::NewRequirement() {
    auto object = std::make_unique<Requirement>(++m_nLastRequirementId);
    object->m_version = NewObjectVersion(0);
    return object;
}

std::unique_ptr<Requirement> CReqDoc::CopyRequirement(const Requirement& source) {
    auto object = std::make_unique<Requirement>(++m_nLastRequirementId, source);
    object->m_version = NewObjectVersion(source.m_version.nCount);
    return object;
}

std::unique_ptr<CActor> CReqDoc::NewActor() {
    auto object = std::make_unique<CActor>(++m_nLastActorId);
    object->m_version = NewObjectVersion(0);
    return object;
}

std::unique_ptr<CActor> CReqDoc::CopyActor(const CActor& source) {
    auto object = std::make_unique<CActor>(++m_nLastActorId, source, this);
    object->m_version = NewObjectVersion(source.m_version.nCount);
    return object;
}

std::unique_ptr<CUseCase> CReqDoc::NewUseCase() {
    auto object = std::make_unique<CUseCase>(++m_nLastUseCaseId);
    object->m_version = NewObjectVersion(0);
    return object;
}

std::unique_ptr<CUseCase> CReqDoc::CopyUseCase(const CUseCase& source) {
    auto object = std::make_unique<CUseCase>(++m_nLastUseCaseId, source);
    object->m_version = NewObjectVersion(source.m_version.nCount);
    return object;
}

std::unique_ptr<CStep> CReqDoc::NewStep(CUseCase& useCase) {
    auto step = std::make_unique<CStep>(++useCase.m_nLastStepId);
    step->m_version = NewObjectVersion(0);
    return step;
}

std::unique_ptr<CStep> CReqDoc::CopyStep(CUseCase& useCase, const CStep& source) {
    auto step = std::make_unique<CStep>(++useCase.m_nLastStepId, source);
    step->m_version = NewObjectVersion(source.m_version.nCount);
    return step;
}

std::unique_ptr<DVParameter> CReqDoc::NewParameter() {
    auto parameter = std::make_unique<DVParameter>();
    parameter->m_nId = ++m_nLastParameterId;
    return parameter;
}

void CReqDoc::MarkModified(CDVData* object) {
    if (object == nullptr) {
        return;
    }
    object->m_version = object->m_version.Next(m_version);
    object->m_timeModified = DVNow();
}

void CReqDoc::OnObjectsModified(CDVDocumentView* sender) {
    m_bOnlyDefaults = false;
    if (sender != nullptr && sender->ViewType() == ViewSteps) {
        sender->RenumberSteps();
    }
    for (CDVDocumentView* view : m_views) {
        if (view->IsMotherView() && view != sender && view->HostedView() != nullptr) {
            view->HostedView()->RefreshVisibleRows(true);
        }
    }
    SetModifiedFlag(true);
    UpdateAllViews(sender);
}

void CReqDoc::RefreshAllViews() {
    for (CDVDocumentView* view : m_views) {
        if (view->IsMotherView() && view->HostedView() != nullptr) {
            view->HostedView()->Rebuild();
        }
    }
    UpdateAllViews(nullptr);
}

void CReqDoc::UpdateAllViews(CDVDocumentView* sender) {
    // A view may close others while it updates; walk a copy.
    const std::vector<CDVDocumentView*> views = m_views;
    for (CDVDocumentView* view : views) {
        if (view != sender) {
            view->OnUpdate(sender);
        }
    }
}

void CReqDoc::AdjustPhaseSelection() {
    if (!m_bImplementationPhase && m_nOverviewApprImpl != 0) {
        m_nOverviewApprImpl = 1;
    }
    if (!m_bValidationPhase && m_nOverviewVerValid != 0) {
        m_nOverviewVerValid = 1;
    }
}

void CReqDoc::CollectColumnLayouts() {
    if (!m_bSaveColumnsAutomatically && !IsEmbedded()) {
        return;
    }
    if (IsEmbedded() && m_pMotherView != nullptr && m_pMotherView->HostedView() != nullptr) {
        CDVDocumentView* hosted = m_pMotherView->HostedView();
        hosted->StoreLayout();
        if (!m_bSavingLinkedProject) {
            m_nViewType = hosted->ViewType();
        }
        return;
    }
    for (CDVDocumentView* view : m_views) {
        if (view->IsChildView()) {
            view->StoreLayout();
            m_nViewType = view->ViewType();
        }
    }
}

void CReqDoc::CreateDefaultContent() {
    m_bOnlyDefaults = true;
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

void CReqDoc::DeleteContents() {
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

void CReqDoc::AddView(CDVDocumentView* view) {
    if (view != nullptr && std::find(m_views.begin(), m_views.end(), view) == m_views.end()) {
        m_views.push_back(view);
    }
}

void CReqDoc::RemoveView(CDVDocumentView* view) {
    std::erase(m_views, view);
}
