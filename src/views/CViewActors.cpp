#include "views/CViewActors.h"

#include "document/CReqDoc.h"
#include "document/DVUndoScope.h"
#include "model/StringIds.h"
#include "views/CDVViewHost.h"
#include "views/DVCommandIds.h"

#include <QCursor>
#include <QMenu>

#include <algorithm>

namespace {

template <typename T, typename Pred>
bool EraseFirst(std::vector<T>& values, Pred pred) {
    const auto it = std::find_if(values.begin(), values.end(), pred);
    if (it == values.end()) {
        return false;
    }
    values.erase(it);
    return true;
}

bool EraseFirstId(DVIdArray& ids, qint32 id) {
    return EraseFirst(ids, [id](quint32 value) { return value == quint32(id); });
}

bool EraseFirstValueOf(std::vector<DVParameterValue>& values, qint32 parameterId) {
    return EraseFirst(
        values, [parameterId](const DVParameterValue& value) { return value.m_nParameterId == parameterId; });
}

}  // namespace

CViewActors::CViewActors(CReqDoc* doc, QWidget* parent) : CViewDVTreeList(doc, CReqDoc::ViewActors, parent) {}

void CViewActors::GetViewTitle(QString& title, const CReqDoc* doc) const {
    title = QStringLiteral("Actors of %1").arg(doc->m_strProjectName);
}

CDVData* CViewActors::GetObjectAt(int position) const {
    const auto& list = m_pDocument->m_actors;
    return position >= 0 && position < list.size() ? list.at(position) : nullptr;
}

void CViewActors::ClearFamilyList() {
    m_pDocument->m_actors.Clear();
}

bool CViewActors::AppendToFamilyList(CDVData* object) {
    return m_pDocument->m_actors.Append(AsMember<CActor>(object));
}

CDVData* CViewActors::CreateCopy(CDVData* source) {
    if (source->Family() != DVFamily::Actor) {
        return nullptr;
    }
    return m_pDocument->m_actors.Append(m_pDocument->CopyActor(*static_cast<CActor*>(source)));
}

CDVData* CViewActors::CreateObject() {
    return m_pDocument->m_actors.Append(m_pDocument->NewActor());
}

qint32 CViewActors::GetStoredTopObjectId() const {
    return m_pDocument->m_colsActors.m_nTopObjectId;
}

void CViewActors::SetStoredTopObjectId(qint32 id) {
    m_pDocument->m_colsActors.m_nTopObjectId = id;
}

qint32 CViewActors::GetFamilyRowColour() const {
    return m_pDocument->m_clrAltActor;
}

bool CViewActors::IsFamilyObject(const CDVData* object) const {
    return m_pDocument->m_actors.Contains(AsMember<CActor>(object));
}

QString CViewActors::GetTitleColumnHeader() const {
    return m_pDocument->GetHeaderText(466);
}

CDVColumn* CViewActors::FamilyColumnSet() const {
    return &m_pDocument->m_colsActors;
}

qintptr CViewActors::OnEnterInCell() {
    if (FamilyObjectOf(SelectedItem()) == nullptr) {
        return 0;
    }
    const int fieldId = SelectedFieldId();
    if (fieldId == FIELD_ACTOR_PARAMETER || fieldId == FIELD_ACTOR_FUNCTIONS) {
        OpenEditSheet(fieldId == FIELD_ACTOR_PARAMETER ? CDVViewHost::SheetPageActorParameters
                                                       : CDVViewHost::SheetPageFunctions);
        return 1;
    }
    EditLinkCell(FamilyObjectOf(SelectedItem()), fieldId, false);
    return GetGrid()->GetEditControl() != nullptr ? 1 : 0;
}

bool CViewActors::OnCommand(int id) {
    switch (id) {
        case DVCmd::KindActor:
        case DVCmd::TypeFolder: {
            DVUndoScope step(*m_pDocument, QStringLiteral("Change Actor Type"));
            step.Capture(FamilyObjectOf(SelectedItem()));
            SetKind(id == DVCmd::KindActor ? CActor::KindActor : CActor::KindFolder);
            return true;
        }
        case DVCmd::ActorMenu:
            ShowContextMenu(QCursor::pos());
            return true;
        case DVCmd::AddActor:
            return CViewDVTreeList::OnCommand(DVCmd::InsertNew);
        default:
            return CViewDVTreeList::OnCommand(id);
    }
}

bool CViewActors::OnUpdateCommand(int id, CDVCommandState& state) {
    const HTREEITEM item = SelectedItem();
    switch (id) {
        case DVCmd::KindActor:
            state.enabled = item == 0 || GetGrid()->GetItemImage(item, 0) == 3;
            return true;
        case DVCmd::TypeFolder:
            state.enabled = item == 0 || GetGrid()->GetItemImage(item, 0) != 3;
            return true;
        case DVCmd::ActorMenu:
        case DVCmd::AddActor:
            state.enabled = true;
            return true;
        default:
            return CViewDVTreeList::OnUpdateCommand(id, state);
    }
}

void CViewActors::SetKind(int kind) {
    const HTREEITEM item = SelectedItem();
    auto* actor = static_cast<CActor*>(FamilyObjectOf(item));
    if (actor == nullptr) {
        return;
    }
    actor->m_nKind = kind;
    ApplyKindChange(item, actor, false);
}

bool CViewActors::DeleteItemBranch(HTREEITEM item) {
    auto* actor = static_cast<CActor*>(FamilyObjectOf(item));
    if (actor == nullptr) {
        return false;
    }
    CReqDoc* doc = m_pDocument;
    const qint32 id = actor->m_nId;
    for (CUseCase* useCase : doc->m_useCases) {
        bool useCaseChanged = false;
        for (CStep* step : useCase->m_steps) {
            // Unchanged steps drop out of the undo step again.
            doc->BeforeChange(step);
            bool changed = false;
            if (step->m_nActorId == id) {
                step->m_nActorId = 0;
                changed = true;
            }
            changed |= EraseFirstId(step->m_actsOn, id);
            for (const auto& parameter : actor->m_actorParameters) {
                changed |= EraseFirstValueOf(step->m_inputValues, parameter->m_nId);
                changed |= EraseFirstValueOf(step->m_outputValues, parameter->m_nId);
            }
            for (const auto& function : actor->m_functions) {
                changed |= EraseFirstId(step->m_callingFunctions, function->m_nId);
            }
            if (changed) {
                doc->MarkModified(step);
                useCaseChanged = true;
            }
        }
        if (useCaseChanged) {
            doc->MarkModified(useCase);
        }
    }
    RetireObject(doc->m_actors, doc->m_deletedActors, actor);
    return DeleteChildRowsAndRow(item);
}

void CViewActors::BuildContextMenu(QMenu* menu) {
    AddEditCommands(menu, QStringLiteral("Actor"), false);
    QMenu* kinds = menu->addMenu(QStringLiteral("Change Actor Type To"));
    AddCommand(kinds, DVCmd::KindActor, QStringLiteral("Actor"));
    AddCommand(kinds, DVCmd::TypeFolder, QStringLiteral("Folder / Grouping"));
    AddClipboardCommands(menu, QStringLiteral("Actor"));
    AddCommand(menu, DVCmd::InsertNew, QStringLiteral("Insert New Actor"));
    AddCommand(menu, DVCmd::InsertNewChild, QStringLiteral("Insert New Child-Actor"));
    AddStructureCommands(menu);
    AddEmbeddedCommand(menu);
}
