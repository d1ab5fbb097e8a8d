#include "app/framework/CDocumentCommands.h"

#include "app/framework/CommandIds.h"
#include "document/CReqDoc.h"
#include "document/DVUndoScope.h"
#include "undo/CReqDocHistory.h"

using namespace CommandIds;

bool CDocumentCommands::OnUpdateCommand(int id, CDVCommandState& state) {
    switch (id) {
        case ID_VIEW_REQUIREMENTS_WINDOW:
        case ID_VIEW_USE_CASES_WINDOW:
        case ID_VIEW_ACTORS_WINDOW:
        case ID_VIEW_OVERVIEW_WINDOW:
        case ID_PROJECT_PROPERTIES:
            state.enabled = true;
            return true;
        case DVCmd::Undo:
        case DVCmd::Redo:
            UpdateUndoCommand(id == DVCmd::Undo, state);
            return true;
        case DVCmd::SaveColumnsAutomatically:
            state.enabled = !m_doc.IsEmbedded();
            state.checked = m_doc.m_bSaveColumnsAutomatically || m_doc.IsEmbedded();
            return true;
        case ID_LINK_PROJECT:
        case ID_UNLINK_PROJECT:
        case DVCmd::EmbeddedDocument:
            // Only an embedded document links project files.
            state.enabled = false;
            return true;
        default:
            return false;
    }
}

bool CDocumentCommands::OnCommand(int id) {
    switch (id) {
        case ID_VIEW_REQUIREMENTS_WINDOW:
            OpenWindowOfType(CReqDoc::ViewRequirements);
            return true;
        case ID_VIEW_USE_CASES_WINDOW:
            OpenWindowOfType(CReqDoc::ViewUseCases);
            return true;
        case ID_VIEW_ACTORS_WINDOW:
            OpenWindowOfType(CReqDoc::ViewActors);
            return true;
        case ID_VIEW_OVERVIEW_WINDOW:
            OpenWindowOfType(CReqDoc::ViewOverview);
            return true;
        case DVCmd::SaveColumnsAutomatically:
            m_doc.m_bSaveColumnsAutomatically = !m_doc.m_bSaveColumnsAutomatically;
            return true;
        case ID_PROJECT_PROPERTIES:
            ProjectProperties();
            return true;
        case DVCmd::Undo:
            if (QUndoStack* stack = CReqDocHistory::StackOf(m_doc))
                stack->undo();
            return true;
        case DVCmd::Redo:
            if (QUndoStack* stack = CReqDocHistory::StackOf(m_doc))
                stack->redo();
            return true;
        default:
            return false;
    }
}

void CDocumentCommands::OpenWindowOfType(int viewType) {
    m_doc.m_nNextViewType = viewType;
    m_doc.m_sizeExtentShown = m_doc.m_sizeExtent;
    if (m_hooks.openWindow) {
        m_hooks.openWindow(&m_doc);
    }
    m_doc.m_nNextViewType = CReqDoc::ViewNone;
}

void CDocumentCommands::UpdateUndoCommand(bool undo, CDVCommandState& state) const {
    const QUndoStack* stack = CReqDocHistory::StackOf(m_doc);
    state.enabled = stack != nullptr && (undo ? stack->canUndo() : stack->canRedo());
    const QString step = stack == nullptr ? QString() : undo ? stack->undoText() : stack->redoText();
    const QString verb = undo ? QStringLiteral("Undo") : QStringLiteral("Redo");
    state.text = step.isEmpty() ? verb : QStringLiteral("%1 %2").arg(verb, step);
}

void CDocumentCommands::ProjectProperties() {
    DVUndoScope step(m_doc, QStringLiteral("Project Properties"), DVUndoScope::WithSettings);
    if (!m_hooks.projectProperties || !m_hooks.projectProperties(&m_doc)) {
        return;
    }
    m_doc.AdjustPhaseSelection();
    if (m_hooks.applyProjectProperties) {
        m_hooks.applyProjectProperties(&m_doc);
    }
    m_doc.SetModifiedFlag(true);
}
