#include "views/CViewTreelist.h"

#include "document/CReqDoc.h"
#include "document/DVUndoScope.h"
#include "model/StringIds.h"
#include "platform/DVMessageBox.h"
#include "views/DVCommandIds.h"

#include <QCursor>
#include <QMenu>

namespace {

// The requirement type each type command sets.
int TypeOfCommand(int id) {
    switch (id) {
        case DVCmd::TypeFunctional:
            return Requirement::Functional;
        case DVCmd::TypeConstraint:
            return Requirement::Constraint;
        case DVCmd::TypeQuality:
            return Requirement::Quality;
        case DVCmd::TypeFolder:
            return Requirement::Folder;
        default:
            return -1;
    }
}

}  // namespace

CViewTreelist::CViewTreelist(CReqDoc* doc, QWidget* parent)
    : CViewDVTreeList(doc, CReqDoc::ViewRequirements, parent) {}

void CViewTreelist::GetViewTitle(QString& title, const CReqDoc* doc) const {
    title = QStringLiteral("Requirements of %1").arg(doc->m_strProjectName);
}

CDVData* CViewTreelist::GetObjectAt(int position) const {
    const auto& list = m_pDocument->m_requirements;
    return position >= 0 && position < list.size() ? list.at(position) : nullptr;
}

void CViewTreelist::ClearFamilyList() {
    m_pDocument->m_requirements.Clear();
}

bool CViewTreelist::AppendToFamilyList(CDVData* object) {
    return m_pDocument->m_requirements.Append(AsMember<Requirement>(object));
}

CDVData* CViewTreelist::CreateCopy(CDVData* source) {
    if (source->Family() != DVFamily::Requirement) {
        return nullptr;
    }
    return m_pDocument->m_requirements.Append(
        m_pDocument->CopyRequirement(*static_cast<Requirement*>(source)));
}

CDVData* CViewTreelist::CreateObject() {
    return m_pDocument->m_requirements.Append(m_pDocument->NewRequirement());
}

qint32 CViewTreelist::GetStoredTopObjectId() const {
    return m_pDocument->m_colsRequirements.m_nTopObjectId;
}

void CViewTreelist::SetStoredTopObjectId(qint32 id) {
    m_pDocument->m_colsRequirements.m_nTopObjectId = id;
}

qint32 CViewTreelist::GetFamilyRowColour() const {
    return m_pDocument->m_clrAltRequirement;
}

bool CViewTreelist::IsFamilyObject(const CDVData* object) const {
    return m_pDocument->m_requirements.Contains(AsMember<Requirement>(object));
}

QString CViewTreelist::GetTitleColumnHeader() const {
    return m_pDocument->GetHeaderText(465);
}

CDVColumn* CViewTreelist::FamilyColumnSet() const {
    return &m_pDocument->m_colsRequirements;
}

int CViewTreelist::QuickSelectMode(CDVData* object, int fieldId) {
    const auto* requirement = static_cast<const Requirement*>(object);
    switch (fieldId) {
        case FIELD_USE_CASES:
            if (requirement->m_nType != Requirement::Functional) {
                DVMessageBox(
                    QStringLiteral("Only Functional Requirements can create Use-Cases!\nThis field cannot "
                                   "be edited."),
                    DV::MB_OK | DV::MB_ICONEXCLAMATION);
                return LinkRefused;
            }
            return 8;
        case FIELD_DERIVED_FROM_USE_CASES:
            return 9;
        case FIELD_REQUIREMENTS:
            return 6;
        case FIELD_DERIVED_FROM_REQUIREMENTS:
            return 7;
        default:
            return NoLink;
    }
}

bool CViewTreelist::OnCommand(int id) {
    if (TypeOfCommand(id) >= 0) {
        DVUndoScope step(*m_pDocument, QStringLiteral("Change Requirement Type"));
        step.Capture(FamilyObjectOf(SelectedItem()));
        ChangeType(TypeOfCommand(id));
        return true;
    }
    if (id == DVCmd::RequirementMenu) {
        ShowContextMenu(QCursor::pos());
        return true;
    }
    if (id == DVCmd::AddRequirement) {
        return CViewDVTreeList::OnCommand(DVCmd::InsertNew);
    }
    return CViewDVTreeList::OnCommand(id);
}

bool CViewTreelist::OnUpdateCommand(int id, CDVCommandState& state) {
    if (TypeOfCommand(id) >= 0) {
        const HTREEITEM item = SelectedItem();
        state.enabled = item == 0 || GetGrid()->GetItemImage(item, 0) != TypeOfCommand(id);
        return true;
    }
    if (id == DVCmd::RequirementMenu || id == DVCmd::AddRequirement) {
        state.enabled = true;
        return true;
    }
    return CViewDVTreeList::OnUpdateCommand(id, state);
}

void CViewTreelist::ChangeType(int type) {
    const HTREEITEM item = SelectedItem();
    auto* requirement = static_cast<Requirement*>(FamilyObjectOf(item));
    if (requirement == nullptr) {
        return;
    }
    if (!requirement->MayTakeType(type)) {
        return;
    }
    requirement->m_nType = type;
    ApplyKindChange(item, requirement, false);
}

bool CViewTreelist::DeleteItemBranch(HTREEITEM item) {
    auto* requirement = static_cast<Requirement*>(FamilyObjectOf(item));
    if (requirement == nullptr) {
        return false;
    }
    CReqDoc* doc = m_pDocument;
    const qint32 id = requirement->m_nId;
    // The link operations change the other side only; copies keep this requirement's lists intact
    // while the operations run.
    const DVIdArray created = requirement->m_createdRequirements;
    const DVIdArray derivedFrom = requirement->m_derivedFromRequirements;
    const DVIdArray createdUseCases = requirement->m_createdUseCases;
    const DVIdArray derivedFromUseCases = requirement->m_derivedFromUseCases;
    for (const quint32 other : created) {
        doc->RemoveRequirementLink(qint32(other), id, false);
    }
    for (const quint32 other : derivedFrom) {
        doc->RemoveRequirementLink(id, qint32(other), true);
    }
    for (const quint32 useCase : createdUseCases) {
        doc->RemoveUseCaseOfRequirement(qint32(useCase), id, false);
    }
    for (const quint32 useCase : derivedFromUseCases) {
        doc->RemoveRequirementOfUseCase(qint32(useCase), id, true, false);
    }
    RetireObject(doc->m_requirements, doc->m_deletedRequirements, requirement);
    return DeleteChildRowsAndRow(item);
}

void CViewTreelist::BuildContextMenu(QMenu* menu) {
    AddEditCommands(menu, QStringLiteral("Requirement"), true);
    QMenu* types = menu->addMenu(QStringLiteral("Change Requirement Type To"));
    AddCommand(types, DVCmd::TypeFunctional, QStringLiteral("Functional Requirement"));
    AddCommand(types, DVCmd::TypeQuality, QStringLiteral("Quality Requirement / Performance"));
    AddCommand(types, DVCmd::TypeConstraint, QStringLiteral("Constraint"));
    AddCommand(types, DVCmd::TypeFolder, QStringLiteral("Folder / Grouping"));
    AddClipboardCommands(menu, QStringLiteral("Requirement"));
    AddCommand(menu, DVCmd::InsertNew, QStringLiteral("Insert New Requirement"));
    AddCommand(menu, DVCmd::InsertNewChild, QStringLiteral("Insert New Child-Requirement"));
    AddStructureCommands(menu);
    AddEmbeddedCommand(menu);
}
