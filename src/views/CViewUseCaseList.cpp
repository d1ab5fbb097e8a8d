#include "views/CViewUseCaseList.h"

#include "document/CReqDoc.h"
#include "document/DVUndoScope.h"
#include "model/StringIds.h"
#include "views/DVCommandIds.h"

#include <QCursor>
#include <QMenu>

CViewUseCaseList::CViewUseCaseList(CReqDoc* doc, QWidget* parent)
    : CViewDVTreeList(doc, CReqDoc::ViewUseCases, parent) {}

void CViewUseCaseList::GetViewTitle(QString& title, const CReqDoc* doc) const {
    title = QStringLiteral("Use Cases of %1").arg(doc->m_strProjectName);
}

CDVData* CViewUseCaseList::GetObjectAt(int position) const {
    const auto& list = m_pDocument->m_useCases;
    return position >= 0 && position < list.size() ? list.at(position) : nullptr;
}

void CViewUseCaseList::ClearFamilyList() {
    m_pDocument->m_useCases.Clear();
}

bool CViewUseCaseList::AppendToFamilyList(CDVData* object) {
    return m_pDocument->m_useCases.Append(AsMember<CUseCase>(object));
}

CDVData* CViewUseCaseList::CreateCopy(CDVData* source) {
    if (source->Family() != DVFamily::UseCase) {
        return nullptr;
    }
    return m_pDocument->m_useCases.Append(m_pDocument->CopyUseCase(*static_cast<CUseCase*>(source)));
}

CDVData* CViewUseCaseList::CreateObject() {
    return m_pDocument->m_useCases.Append(m_pDocument->NewUseCase());
}

qint32 CViewUseCaseList::GetStoredTopObjectId() const {
    return m_pDocument->m_colsUseCases.m_nTopObjectId;
}

void CViewUseCaseList::SetStoredTopObjectId(qint32 id) {
    m_pDocument->m_colsUseCases.m_nTopObjectId = id;
}

qint32 CViewUseCaseList::GetFamilyRowColour() const {
    return m_pDocument->m_clrAltUseCase;
}

bool CViewUseCaseList::IsFamilyObject(const CDVData* object) const {
    return m_pDocument->m_useCases.Contains(AsMember<CUseCase>(object));
}

QString CViewUseCaseList::GetTitleColumnHeader() const {
    return m_pDocument->GetHeaderText(467);
}

CDVColumn* CViewUseCaseList::FamilyColumnSet() const {
    return &m_pDocument->m_colsUseCases;
}

int CViewUseCaseList::QuickSelectMode(CDVData* object, int fieldId) {
    Q_UNUSED(object);
    switch (fieldId) {
        case FIELD_UC_DERIVED_FROM_REQUIREMENTS:
            return 10;
        case FIELD_UC_REQUIREMENTS:
            return 11;
        default:
            return NoLink;
    }
}

bool CViewUseCaseList::OnCommand(int id) {
    switch (id) {
        case DVCmd::KindUseCase:
        case DVCmd::TypeFolder: {
            DVUndoScope step(*m_pDocument, QStringLiteral("Change Use-Case Type"));
            step.Capture(FamilyObjectOf(SelectedItem()));
            SetKind(id == DVCmd::KindUseCase ? CUseCase::KindUseCase : CUseCase::KindFolder);
            return true;
        }
        case DVCmd::EditUseCaseSteps:
            EditSteps();
            return true;
        case DVCmd::UseCaseMenu:
            ShowContextMenu(QCursor::pos());
            return true;
        case DVCmd::AddUseCase:
            return CViewDVTreeList::OnCommand(DVCmd::InsertNew);
        default:
            return CViewDVTreeList::OnCommand(id);
    }
}

bool CViewUseCaseList::OnUpdateCommand(int id, CDVCommandState& state) {
    const HTREEITEM item = SelectedItem();
    switch (id) {
        case DVCmd::KindUseCase:
            state.enabled = item == 0 || GetGrid()->GetItemImage(item, 0) == 3;
            return true;
        case DVCmd::TypeFolder:
            state.enabled = item == 0 || GetGrid()->GetItemImage(item, 0) != 3;
            return true;
        case DVCmd::EditUseCaseSteps:
        case DVCmd::UseCaseMenu:
        case DVCmd::AddUseCase:
            state.enabled = true;
            return true;
        default:
            return CViewDVTreeList::OnUpdateCommand(id, state);
    }
}

void CViewUseCaseList::SetKind(int kind) {
    const HTREEITEM item = SelectedItem();
    auto* useCase = static_cast<CUseCase*>(FamilyObjectOf(item));
    if (useCase == nullptr) {
        return;
    }
    useCase->m_nKind = kind;
    ApplyKindChange(item, useCase, true);
}

void CViewUseCaseList::EditSteps() {
    const CDVData* useCase = FamilyObjectOf(SelectedItem());
    if (useCase == nullptr) {
        return;
    }
    m_pDocument->m_nNextStepsUseCaseId = useCase->m_nId;
    OpenWindowOfType(CReqDoc::ViewSteps);
}

bool CViewUseCaseList::DeleteItemBranch(HTREEITEM item) {
    auto* useCase = static_cast<CUseCase*>(FamilyObjectOf(item));
    if (useCase == nullptr) {
        return false;
    }
    CReqDoc* doc = m_pDocument;
    const qint32 id = useCase->m_nId;
    const DVIdArray created = useCase->m_createdRequirements;
    const DVIdArray derivedFrom = useCase->m_derivedFromRequirements;
    for (const quint32 requirement : created) {
        doc->RemoveRequirementOfUseCase(id, qint32(requirement), false, false);
    }
    for (const quint32 requirement : derivedFrom) {
        doc->RemoveUseCaseOfRequirement(id, qint32(requirement), true);
    }
    RetireObject(doc->m_useCases, doc->m_deletedUseCases, useCase);
    return DeleteChildRowsAndRow(item);
}

void CViewUseCaseList::BuildContextMenu(QMenu* menu) {
    AddEditCommands(menu, QStringLiteral("Use-Case"), false);
    QMenu* kinds = menu->addMenu(QStringLiteral("Change Use-Case Type To"));
    AddCommand(kinds, DVCmd::KindUseCase, QStringLiteral("Use-Case"));
    AddCommand(kinds, DVCmd::TypeFolder, QStringLiteral("Folder / Grouping"));
    AddCommand(menu, DVCmd::EditUseCaseSteps, QStringLiteral("Edit Use-Case Steps"));
    AddClipboardCommands(menu, QStringLiteral("Use-Case"));
    AddCommand(menu, DVCmd::InsertNew, QStringLiteral("Insert New Use-Case"));
    AddCommand(menu, DVCmd::InsertNewChild, QStringLiteral("Insert New Child-Use-Case"));
    AddStructureCommands(menu);
    AddEmbeddedCommand(menu);
}
