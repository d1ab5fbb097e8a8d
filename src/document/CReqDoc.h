#pragma once

#include "document/DV_UserDefinition.h"
#include "model/CActor.h"
#include "model/CDVColumn.h"
#include "model/CDVDevelopmentStep.h"
#include "model/CUseCase.h"
#include "model/DVObjectList.h"
#include "model/DVParameter.h"
#include "model/Requirement.h"
#include "model/VersionNumber.h"

#include <QString>

#include <memory>
#include <vector>

class CDVDocumentView;
class CLinkedStorage;

// A size in HIMETRIC units (0.01 mm).
struct DVSize {
    qint32 cx = 0;
    qint32 cy = 0;
    bool operator==(const DVSize&) const = default;
};

// The project document: owns every object of one project, its settings and column sets, issues the
// identifiers and tells the views when something changed.
class CReqDoc {
public:
    // View types.
    enum ViewType {
        ViewRequirements = 0,
        ViewUseCases = 1,
        ViewSteps = 2,
        ViewActors = 3,
        ViewNone = 4,
        ViewOverview = 5
    };

    CReqDoc();
    ~CReqDoc();
    CReqDoc(const CReqDoc&) = delete;
    CReqDoc& operator=(const CReqDoc&) = delete;

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
    bool ContainsStep(const CStep* step) const;

    // Texts, the user's definitions taking the place of the resource texts.
    QString GetHeaderText(int fieldId) const;
    QString GetValueName(int fieldId) const;
    QString GetRequirementTypeChoices() const;
    QString GetYesNoChoices() const;
    QString GetAndOrIgnoreChoices() const;
    static QString FormatVersion(const VersionNumber& version) { return ::FormatVersion(version); }

    // The project default record of a phase.
    const CDVDevelopmentStep& DefaultStep(int phase) const;
    // The column set of a view type, null for the overview and unknown types.
    CDVColumn* ColumnSetOfViewType(int viewType);

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
    // The notice a view or dialog sends after it changed project data.
    void OnObjectsModified(CDVDocumentView* sender);
    // Every hosted view builds itself anew.
    void RefreshAllViews();
    // The overview may not show a phase the project leaves out.
    void AdjustPhaseSelection();
    // Before a store: the open views write their column layouts into the column sets.
    void CollectColumnLayouts();

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

    // Views.
    void AddView(CDVDocumentView* view);
    void RemoveView(CDVDocumentView* view);
    const std::vector<CDVDocumentView*>& Views() const { return m_views; }
    void UpdateAllViews(CDVDocumentView* sender);

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }
    // Opened as an embedded object of another application's document.
    bool IsEmbedded() const { return m_bEmbedded; }

    // Objects.
    DVObjectList<Requirement> m_requirements;
    DVObjectList<Requirement> m_deletedRequirements;
    DVObjectList<DVParameter> m_parameters;
    DVObjectList<CActor> m_actors;
    DVObjectList<CActor> m_deletedActors;
    DVObjectList<CUseCase> m_useCases;
    DVObjectList<CUseCase> m_deletedUseCases;

    // Steps deleted in a steps view. They are not part of the project (never stored) but live until the
    // document is emptied, so that a row of another open view never meets a new object at their address.
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
    bool m_bSaveColumnsAutomatically = true;
    DVSize m_sizeExtent{19000, 10000};

    // View and chart properties.
    qint32 m_nViewType = ViewRequirements;
    qint32 m_nStepsUseCaseId = 0;
    qint32 m_clrAltRequirement = 0x00FBFBFB;
    qint32 m_clrAltActor = 0x00FFF1FF;
    qint32 m_clrAltUseCase = 0x00C9FFFF;
    qint32 m_clrAltStep = 0x00FFFFF1;
    qint32 m_clrAltLinked = -2;
    bool m_bGridLines = true;
    bool m_bGridLinesLinked = true;
    bool m_bOverviewVCurve = true;
    bool m_bOverviewRedVCurve = true;
    bool m_bOverviewTotals = true;
    bool m_bOverviewSumOfTotals = true;
    qint32 m_nOverviewChart = 0;
    bool m_bOverviewPercentOnly = true;
    qint32 m_nOverviewApprImpl = 3;
    qint32 m_nOverviewVerValid = 3;

    // Link state.
    bool m_bLinked = false;
    QString m_strLinkedPath;
    bool m_bSavingLinkedProject = false;
    DVSize m_sizeExtentLinked{19000, 10000};
    qint32 m_nViewTypeLinked = ViewRequirements;
    // The open linked project file while the document is linked.
    std::shared_ptr<CLinkedStorage> m_pLinkedStorage;

    // Run-time state.
    qint32 m_nNextViewType = ViewRequirements;
    qint32 m_nNextStepsUseCaseId = 0;
    DVSize m_sizeExtentShown{19000, 10000};
    CDVDocumentView* m_pMotherView = nullptr;
    CDVDocumentView* m_pChildView = nullptr;
    bool m_bOnlyDefaults = false;
    bool m_bEmbedded = false;

private:
    VersionNumber NewObjectVersion(qint32 count) const;
    QString UserText(const std::vector<DV_UserDefinition>& texts, int fieldId) const;

    std::vector<CDVDocumentView*> m_views;
    bool m_bModified = false;
};
