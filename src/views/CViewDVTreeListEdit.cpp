// Cell editing of CViewDVTreeList: in-place edits, Enter, link cells and the edit sheets.
#include "views/CViewDVTreeList.h"

#include "document/CReqDoc.h"
#include "document/DVCellEdit.h"
#include "document/DVUndoScope.h"
#include "model/StringIds.h"
#include "views/CDVViewHost.h"

#include <QCoreApplication>
#include <QKeyEvent>

HTREEITEM CViewDVTreeList::SelectedItem() const {
    return m_grid != nullptr ? m_grid->GetNextItem(0, TVGN_CARET) : 0;
}

int CViewDVTreeList::SelectedFieldId() const {
    if (m_grid == nullptr) {
        return -1;
    }
    // The tree column shows the title whatever field id it carries, so Enter there edits the title.
    const int column = m_grid->GetCaretColumn();
    return column == 0 ? int(FIELD_TITLE) : FieldIdOfColumn(column);
}

bool CViewDVTreeList::ApplyCellEdit(HTREEITEM item, int column, const QString& text, bool notify) {
    CDVData* object = FamilyObjectOf(item);
    if (object == nullptr || column < 0 || column >= m_columns.ColumnCount() ||
        column >= m_grid->GetColumnCount()) {
        return false;
    }
    // The tree column edits the title whatever field id it carries.
    const int fieldId = column == 0 ? int(FIELD_TITLE) : FieldIdOfColumn(column);
    DVUndoScope step(*m_pDocument, DVCellEdit::StepName(*m_pDocument, fieldId));
    // Unchanged or refused, the row shows the stored value again over what the grid showed.
    const bool changed = DVCellEdit::Apply(*m_pDocument, *object, fieldId, text).changed;
    FillRow(item, object, true);
    if (changed && notify) {
        NotifyModified();
    }
    return changed;
}

void CViewDVTreeList::SendEnterToGrid() {
    if (m_grid == nullptr) {
        return;
    }
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(m_grid, &press);
}

int CViewDVTreeList::QuickSelectMode(CDVData* object, int fieldId) {
    Q_UNUSED(object);
    Q_UNUSED(fieldId);
    return NoLink;
}

bool CViewDVTreeList::EditLinkCell(CDVData* object, int fieldId, bool deferred) {
    return EditCellInMode(object, QuickSelectMode(object, fieldId), deferred);
}

bool CViewDVTreeList::EditCellInMode(CDVData* object, int mode, bool deferred) {
    if (mode == LinkRefused) {
        return false;
    }
    if (mode == NoLink) {
        const HTREEITEM item = SelectedItem();
        if (item != 0 && m_grid != nullptr) {
            m_grid->EditLabel(item, quint32(m_grid->GetCaretColumn()));
        }
        return false;
    }
    const auto& quickSelect = CDVViewHost::Instance().quickSelect;
    return quickSelect && quickSelect(m_pDocument, object, mode, deferred, this);
}

qintptr CViewDVTreeList::OnEnterInCell() {
    CDVData* object = FamilyObjectOf(SelectedItem());
    if (object == nullptr) {
        return 0;
    }
    const int mode = QuickSelectMode(object, SelectedFieldId());
    DVUndoScope step(*m_pDocument, DVCellEdit::StepName(*m_pDocument, SelectedFieldId()),
                     DVUndoScope::WithSettings);
    step.Capture(object);
    if (EditCellInMode(object, mode, false)) {
        m_pDocument->MarkModified(object);
        RefreshVisibleRows(true);
        NotifyModified();
        m_grid->viewport()->update();
        return 1;
    }
    // A link cell, a refusal or an opened editor is taken care of; stepped and drop-down cells are
    // the grid's own.
    return mode != NoLink || m_grid->GetEditControl() != nullptr ? 1 : 0;
}

void CViewDVTreeList::OpenEditSheet(int page) {
    const HTREEITEM item = SelectedItem();
    CDVData* object = FamilyObjectOf(item);
    const auto& editSheet = CDVViewHost::Instance().editSheet;
    if (object == nullptr || !editSheet) {
        return;
    }
    DVUndoScope step(*m_pDocument, QStringLiteral("Edit %1").arg(FamilyNoun()), DVUndoScope::WithSettings);
    step.Capture(object);
    bool parametersChanged = false;
    if (editSheet(this, object, page, parametersChanged)) {
        FillRow(item, object, true);
        m_pDocument->MarkModified(object);
        NotifyModified();
        if (parametersChanged) {
            StoreColumns();
            Rebuild();
        }
    }
    ApplyColumnEditModes();
}

void CViewDVTreeList::ApplyKindChange(HTREEITEM row, CDVData* object, bool withTitle) {
    TLItem images;
    images.mask = TVIF_HANDLE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    images.hItem = row;
    images.image = images.selectedImage = object->GetImageIndex();
    m_grid->SetItem(images);
    m_pDocument->MarkModified(object);
    FillRow(row, object, withTitle);
    NotifyModified();
}
