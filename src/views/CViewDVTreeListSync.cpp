// Other windows of the same rows follow the structure edits of CViewDVTreeList.
#include "views/CViewDVTreeList.h"

#include "document/CReqDoc.h"

#include <QSet>

HTREEITEM CViewDVTreeList::NextInPreOrder(HTREEITEM row) const {
    HTREEITEM next = m_grid->GetNextItem(row, TVGN_CHILD);
    for (HTREEITEM up = row; next == 0 && up != 0; up = m_grid->GetNextItem(up, TVGN_PARENT)) {
        next = m_grid->GetNextItem(up, TVGN_NEXT);
    }
    return next;
}

bool CViewDVTreeList::SharesRowsWith(const CViewDVTreeList& other) const {
    return other.FamilyKind() == FamilyKind();
}

void CViewDVTreeList::NotifyStructureChanged() {
    NotifyModified();
    // A view whose rows miss an object would write the family list back without it in its place, and
    // the object would then follow no parent and show in no view: so the others take the new list now,
    // after the notice has numbered the steps anew.
    for (CDVDocumentView* view : m_pDocument->Views()) {
        auto* other = dynamic_cast<CViewDVTreeList*>(view);
        if (other != nullptr && other != this && SharesRowsWith(*other)) {
            other->ReloadRows();
        }
    }
}

void CViewDVTreeList::ReloadRows() {
    if (m_grid == nullptr) {
        return;
    }
    // Rows are remembered by their objects, as the new rows get new handles.
    const auto idOf = [this](HTREEITEM row) {
        const CDVData* object = FamilyObjectOf(row);
        return object != nullptr ? object->m_nId : 0;
    };
    QSet<qint32> expanded, collapsed;
    for (HTREEITEM row = m_grid->GetNextItem(0, TVGN_ROOT); row != 0; row = NextInPreOrder(row)) {
        (m_grid->GetItemState(row, TVIS_EXPANDED) != 0 ? expanded : collapsed).insert(idOf(row));
    }
    const qint32 top = idOf(m_grid->GetNextItem(0, TVGN_FIRSTVISIBLE));
    const qint32 selected = idOf(SelectedItem());
    const int column = m_grid->GetCaretColumn();
    const qint32 cut = idOf(m_hCutItem);
    const qint32 copied = idOf(m_hCopySource);
    if (m_bDragging) {
        EndDrag();
    }
    m_grid->DeleteAllItems();
    m_hCutItem = m_hCopySource = m_hDragSource = m_hDropTarget = 0;
    InsertRows(GetFamilyListHead());
    for (HTREEITEM row = m_grid->GetNextItem(0, TVGN_ROOT); row != 0; row = NextInPreOrder(row)) {
        const qint32 id = idOf(row);
        if (expanded.contains(id)) {
            m_grid->Expand(row, TVE_EXPAND);
        } else if (collapsed.contains(id)) {
            m_grid->Expand(row, TVE_COLLAPSE);
        }
    }
    if (const HTREEITEM row = selected != 0 ? FindRowOfObject(selected) : 0) {
        m_grid->SelectCell(row, column);
    }
    if (const HTREEITEM row = cut != 0 ? FindRowOfObject(cut) : 0) {
        MarkCut(row);
    }
    m_hCopySource = copied != 0 ? FindRowOfObject(copied) : 0;
    ScrollToObject(top);
    m_grid->viewport()->update();
}
