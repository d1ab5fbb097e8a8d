#pragma once

#include "model/CReqProject.h"

#include <QString>

#include <memory>
#include <vector>

class CDVDocumentView;
class CLinkedStorage;
class CReqDocChange;
class DVUndoHistory;

// A size in HIMETRIC units (0.01 mm).
struct DVSize {
    qint32 cx = 0;
    qint32 cy = 0;
    bool operator==(const DVSize&) const = default;
};

// The project document: the project with its file, embedding and view settings; it tells the views when
// something changed.
class CReqDoc : public CReqProject {
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

    // The column set of a view type, null for the overview and unknown types.
    CDVColumn* ColumnSetOfViewType(int viewType);

    // The notice a view or dialog sends after it changed project data.
    void OnObjectsModified(CDVDocumentView* sender);
    // Every hosted view builds itself anew.
    void RefreshAllViews();
    // The overview may not show a phase the project leaves out.
    void AdjustPhaseSelection();
    // Before a store: the open views write their column layouts into the column sets.
    void CollectColumnLayouts();

    // The content of a new project, which is left unmodified until the user changes it.
    void CreateDefaultContent();

    // Views.
    void AddView(CDVDocumentView* view);
    void RemoveView(CDVDocumentView* view);
    const std::vector<CDVDocumentView*>& Views() const { return m_views; }
    void UpdateAllViews(CDVDocumentView* sender);

    bool IsModified() const { return m_bModified; }
    // Clearing the flag (a save or a load) makes the current undo step the clean one. Setting it
    // outside an undo step keeps the save question even when undo returns to the clean step.
    void SetModifiedFlag(bool modified = true);

    // Undo: the history the application attaches (none in the command-line tool).
    void SetUndoHistory(std::unique_ptr<DVUndoHistory> history);
    DVUndoHistory* UndoHistory() const { return m_pUndoHistory.get(); }
    // Forgets every undo step; for whatever replaces the document's content (link, unlink, reload).
    void ClearUndoHistory();
    // The views follow an undone or redone step; clean tells whether the step is the saved one.
    void ShowUndoStep(const CReqDocChange& change);
    void SetModifiedByUndo(bool clean);
    // Empties the project; no undo step may outlive its objects.
    void DeleteContents();
    // Opened as an embedded object of another application's document.
    bool IsEmbedded() const { return m_bEmbedded; }

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
    std::vector<CDVDocumentView*> m_views;
    bool m_bModified = false;
    bool m_bModifiedOutsideUndo = false;
    bool m_bShowingUndoStep = false;
    std::unique_ptr<DVUndoHistory> m_pUndoHistory;
};
