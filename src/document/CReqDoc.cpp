#include "document/CReqDoc.h"

#include "document/CDVDocumentView.h"
#include "document/CReqDocChange.h"
#include "document/DVUndoHistory.h"

#include <algorithm>

CReqDoc::CReqDoc() = default;

CReqDoc::~CReqDoc() = default;

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
    CReqProject::CreateDefaultContent();
}

void CReqDoc::AddView(CDVDocumentView* view) {
    if (view != nullptr && std::find(m_views.begin(), m_views.end(), view) == m_views.end()) {
        m_views.push_back(view);
    }
}

void CReqDoc::RemoveView(CDVDocumentView* view) {
    std::erase(m_views, view);
}

void CReqDoc::SetModifiedFlag(bool modified) {
    m_bModified = modified;
    if (!modified) {
        m_bModifiedOutsideUndo = false;
        if (m_pUndoHistory)
            m_pUndoHistory->SetClean();
    } else if (m_pChangeObserver == nullptr && !m_bShowingUndoStep) {
        m_bModifiedOutsideUndo = true;
    }
}

void CReqDoc::SetUndoHistory(std::unique_ptr<DVUndoHistory> history) {
    m_pUndoHistory = std::move(history);
}

void CReqDoc::ClearUndoHistory() {
    // Undo can no longer reach the saved state.
    m_bModifiedOutsideUndo = m_bModifiedOutsideUndo || m_bModified;
    if (m_pUndoHistory)
        m_pUndoHistory->Clear();
}

void CReqDoc::DeleteContents() {
    ClearUndoHistory();
    CReqProject::DeleteContents();
}

void CReqDoc::ShowUndoStep(const CReqDocChange& change) {
    m_bShowingUndoStep = true;
    m_bOnlyDefaults = false;
    // A view may close others while it updates; walk a copy.
    const std::vector<CDVDocumentView*> views = m_views;
    for (CDVDocumentView* view : views) {
        if (!view->IsChildView())
            continue;
        if (change.ChangesSettings())
            view->Rebuild();
        else if (change.ChangesStructure())
            view->ReloadRows();
        else
            view->RefreshVisibleRows(true);
        view->ShowObject(change.FocusFamily(), change.FocusId());
    }
    UpdateAllViews(nullptr);
    m_bShowingUndoStep = false;
}

void CReqDoc::SetModifiedByUndo(bool clean) {
    m_bModified = !clean || m_bModifiedOutsideUndo;
}
