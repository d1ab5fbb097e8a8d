#include "app/framework/CDocumentCommands.h"

#include "app/framework/CommandIds.h"
#include "dialogs/Dlg_EmbeddedDocumentOptions.h"
#include "dialogs/Dlg_Project_Options_Sheet.h"
#include "document/CReqDoc.h"
#include "document/CReqDocLink.h"
#include "document/DVUndoScope.h"
#include "undo/CReqDocHistory.h"
#include "views/CDVViewHost.h"
#include "views/CViewChildDV.h"

#include <QApplication>

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
        // Only an embedded document links project files.
        case ID_LINK_PROJECT:
            state.enabled = m_doc.IsEmbedded() && !m_doc.m_bLinked;
            return true;
        case ID_UNLINK_PROJECT:
            state.enabled = m_doc.IsEmbedded() && m_doc.m_bLinked;
            return true;
        case DVCmd::EmbeddedDocument:
            state.enabled = m_doc.IsEmbedded();
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
        case ID_LINK_PROJECT:
            Link().LoadAndLink();
            return true;
        case ID_UNLINK_PROJECT:
            Link().Unlink();
            return true;
        case DVCmd::EmbeddedDocument:
            EmbeddedDocumentOptions();
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
    if (m_hooks.projectProperties && m_hooks.projectProperties(&m_doc)) {
        ApplyProjectProperties();
    }
}

void CDocumentCommands::ApplyProjectProperties() {
    m_doc.AdjustPhaseSelection();
    if (m_hooks.applyProjectProperties) {
        m_hooks.applyProjectProperties(&m_doc);
    }
    m_doc.SetModifiedFlag(true);
}

CReqDocLink CDocumentCommands::Link() {
    return CReqDocLink(m_doc, [this] {
        auto* view = dynamic_cast<CViewChildDV*>(m_doc.m_pChildView);
        const auto& switchType = CDVViewHost::Instance().switchViewType;
        if (view != nullptr && switchType) {
            switchType(view, CReqDoc::ViewUseCases);
        }
    });
}

void CDocumentCommands::EmbeddedDocumentOptions() {
    if (!m_doc.IsEmbedded()) {
        return;
    }
    CReqDocLink link = Link();
    Dlg_EmbeddedDocumentOptions dialog(
        m_doc, link,
        [this](QWidget* parent) {
            // The settings used while linked are on the sheet's "Matrix Properties" page.
            DVUndoScope step(m_doc, QStringLiteral("Project Properties"), DVUndoScope::WithSettings);
            Dlg_Project_Options_Sheet sheet(&m_doc, parent, true);
            if (sheet.exec() == QDialog::Accepted && sheet.Changed()) {
                ApplyProjectProperties();
            }
        },
        QApplication::activeWindow());
    dialog.exec();
}
