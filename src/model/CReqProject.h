#pragma once

#include "model/CActor.h"
#include "model/CDVColumn.h"
#include "model/CDVDevelopmentStep.h"
#include "model/CUseCase.h"
#include "model/DVChangeObserver.h"
#include "model/DVObjectList.h"
#include "model/DVParameter.h"
#include "model/DV_UserDefinition.h"
#include "model/Requirement.h"
#include "model/VersionNumber.h"

#include <QString>

#include <memory>
#include <vector>

// The content of one project: every object, the column sets, the identifier counters and the project's
// settings and texts, with the lookups and the link maintenance the objects' rules need. The document
// adds the file, the views and the embedding state on top.
class CReqProject {
public:
    CReqProject();
    ~CReqProject();
    CReqProject(const CReqProject&) = delete;
    CReqProject& operator=(const CReqProject&) = delete;

    // Lookups: the first match in list order, null when none.
    Requirement* FindRequirement(qint32 id) const { return m_requirements.FindById(id); }
    CUseCase* FindUseCase(qint32 id) const { return m_useCases.FindById(id); }
    CActor* FindActor(qint32 id) const { return m_actors.FindById(id); }
    CFunction* FindFunction(qint32 id) const;
    DVParameter* FindActorParameter(qint32 id, CActor** owner = nullptr) const;
    // The definition of the parameter column 100000 + position, null outside the list.
    DVParameter* FindParameterByColumn(int columnId) const;
    // The definition of the column and, through value, the object's first value for it.
    const DVParameter* GetParameterValue(int columnId, const CDVUserDefinedParList* object,
                                         const DVParameterValue** value) const;
    bool ContainsRequirement(const Requirement* object) const { return m_requirements.Contains(object); }
    bool ContainsActor(const CActor* object) const { return m_actors.Contains(object); }
    bool ContainsUseCase(const CUseCase* object) const { return m_useCases.Contains(object); }
    bool ContainsStep(const CStep* step) const { return UseCaseOfStep(step) != nullptr; }
    // The use case whose list holds the step, null for a step of none.
    CUseCase* UseCaseOfStep(const CStep* step) const;

    // Texts, the user's definitions taking the place of the resource texts.
    QString GetHeaderText(int fieldId) const;
    QString GetValueName(int fieldId) const;
    QString GetRequirementTypeChoices() const;
    QString GetYesNoChoices() const;
    QString GetAndOrIgnoreChoices() const;
    static QString FormatVersion(const VersionNumber& version) { return ::FormatVersion(version); }

    // The project default record of a phase.
    const CDVDevelopmentStep& DefaultStep(int phase) const;

    // New objects get the next identifier and the project's numbering with count 0; copies get a new
    // identifier and the project's numbering with the source's count.
    std::unique_ptr<Requirement> NewRequirement();
    std::unique_ptr<Requirement> CopyRequirement(const Requirement& source);
    std::unique_ptr<CActor> NewActor();
    std::unique_ptr<CActor> CopyActor(const CActor& source);
    std::unique_ptr<CUseCase> NewUseCase();
    std::unique_ptr<CUseCase> CopyUseCase(const CUseCase& source);
    std::unique_ptr<CStep> NewStep(CUseCase& useCase);
    std::unique_ptr<CStep> CopyStep(CUseCase& useCase, const CStep& source);
    std::unique_ptr<DVParameter> NewParameter();

    // Touches the object's version against the project version and sets its time to now.
    void MarkModified(CDVData* object);
    // Every change of an object's stored fields announces itself here first (see DVChangeObserver).
    void BeforeChange(CDVData* object) {
        if (m_pChangeObserver != nullptr && object != nullptr)
            m_pChangeObserver->BeforeChange(*object);
    }
    DVChangeObserver* m_pChangeObserver = nullptr;

    // Link maintenance between requirements and use cases.
    void AddRequirementLink(qint32 derivedId, qint32 sourceId, bool ownSide);
    void RemoveRequirementLink(qint32 derivedId, qint32 sourceId, bool ownSide);
    void AddUseCaseOfRequirement(qint32 useCaseId, qint32 requirementId, bool ownSide);
    void RemoveUseCaseOfRequirement(qint32 useCaseId, qint32 requirementId, bool ownSide);
    bool AddRequirementOfUseCase(qint32 useCaseId, qint32 requirementId, bool useCaseSide, bool bothSides);
    void RemoveRequirementOfUseCase(qint32 useCaseId, qint32 requirementId, bool useCaseSide, bool bothSides);

    // Fills an empty project with the content of a new project.
    void CreateDefaultContent();
    // Deletes every object and empties the column sets; counters, settings and user texts stay.
    void DeleteContents();

    // Objects.
    DVObjectList<Requirement> m_requirements;
    DVObjectList<Requirement> m_deletedRequirements;
    DVObjectList<DVParameter> m_parameters;
    DVObjectList<CActor> m_actors;
    DVObjectList<CActor> m_deletedActors;
    DVObjectList<CUseCase> m_useCases;
    DVObjectList<CUseCase> m_deletedUseCases;

    // Steps deleted in a steps view. They are not part of the project (never stored) but live until the
    // project is emptied, so that a row of another open view never meets a new object at their address.
    std::vector<std::unique_ptr<CStep>> m_removedSteps;

    CDVColumn m_colsRequirements;
    CDVColumn m_colsActors;
    CDVColumn m_colsUseCases;
    CDVColumn m_colsSteps;

    // Identifier counters: the last identifier issued of each kind.
    qint32 m_nLastRequirementId = 0;
    qint32 m_nLastParameterId = 0;
    qint32 m_nLastActorId = 0;
    qint32 m_nLastActorParameterId = 0;
    qint32 m_nLastFunctionId = 0;
    qint32 m_nLastUseCaseId = 0;

    // Project settings.
    QString m_strProjectName = QStringLiteral("Dovalintra Project");
    VersionNumber m_version;
    bool m_bImplementationPhase = true;
    bool m_bValidationPhase = false;
    QString m_strCurrency = QStringLiteral("kEUR");
    QString m_strDurationUnit = QStringLiteral("days");
    CDVDevelopmentStep m_stepApproval{CDVDevelopmentStep::Approval, 0.5, 1.0};
    CDVDevelopmentStep m_stepImplementation{CDVDevelopmentStep::Implementation, 5.0, 8.0};
    CDVDevelopmentStep m_stepVerification{CDVDevelopmentStep::Verification, 2.0, 3.0};
    CDVDevelopmentStep m_stepValidation{CDVDevelopmentStep::Validation, 0.5, 1.0};
    std::vector<DV_UserDefinition> m_userHeaders;
    std::vector<DV_UserDefinition> m_userValueNames;

private:
    // Adds the id to (in order) or removes its first occurrence from one side's list of the owner, as
    // one announced change of the owner.
    void ChangeLinkList(CDVData* owner, DVIdArray& ids, qint32 id, bool add);
    VersionNumber NewObjectVersion(qint32 count) const;
    QString UserText(const std::vector<DV_UserDefinition>& texts, int fieldId) const;
};
