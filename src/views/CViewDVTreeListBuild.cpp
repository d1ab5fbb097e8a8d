// Columns, rows, the family list and the column layout of CViewDVTreeList.
#include "views/CViewDVTreeList.h"

#include "document/CReqDoc.h"
#include "model/DVFamilyTree.h"
#include "model/FieldCatalogue.h"
#include "model/StringIds.h"
#include "platform/DVStringTable.h"

#include <vector>

namespace {

// Cycle cells start by a click on their icon or by Enter, never by typing; the editor covers the cell.
constexpr quint32 CycleEditFlags = 0x55;
constexpr quint32 DropDownEditFlags = 0x15;

}  // namespace

int CViewDVTreeList::GetFamilyListHead() const {
    return GetObjectAt(0) != nullptr ? 0 : -1;
}

CDVData* CViewDVTreeList::GetNextObject(int& position) const {
    CDVData* object = position >= 0 ? GetObjectAt(position) : nullptr;
    position = object != nullptr ? position + 1 : -1;
    return object;
}

CDVData* CViewDVTreeList::ObjectOf(HTREEITEM item) const {
    if (m_grid == nullptr || item == 0 || item == TVI_ROOT) {
        return nullptr;
    }
    TLItem data;
    data.mask = TVIF_HANDLE | TVIF_PARAM;
    data.hItem = item;
    if (!m_grid->GetItem(data)) {
        return nullptr;
    }
    return reinterpret_cast<CDVData*>(data.lParam);
}

CDVData* CViewDVTreeList::FamilyObjectOf(HTREEITEM item) const {
    // Membership is tested on the pointer alone, so a row whose object is gone is never touched.
    CDVData* object = ObjectOf(item);
    return object != nullptr && IsFamilyObject(object) ? object : nullptr;
}

int CViewDVTreeList::FieldIdOfColumn(int column) const {
    if (m_grid == nullptr || column < 0 || column >= m_grid->GetColumnCount()) {
        return -1;
    }
    return int(m_grid->GetLayout()->columns[size_t(column)].userValue);
}

QString CViewDVTreeList::HeaderTextOf(int fieldId) const {
    if (fieldId >= FIELD_FIRST_PARAMETER) {
        const DVParameter* definition = m_pDocument->FindParameterByColumn(fieldId);
        return definition != nullptr ? definition->m_strName : LoadString(IDS_NOT_DEFINED);
    }
    if (fieldId == FIELD_TITLE || fieldId == FIELD_TITLE_COLUMN) {
        return GetTitleColumnHeader();
    }
    return m_pDocument->GetHeaderText(fieldId);
}

void CViewDVTreeList::BuildColumnsAndRows() {
    if (m_grid == nullptr || m_grid->GetLayout() == nullptr) {
        return;
    }
    if (m_columns.ColumnCount() == 0) {
        m_columns.m_fieldIds.push_back(FIELD_TITLE);
    }
    TLLayout* layout = m_grid->GetLayout();
    const int count = m_columns.ColumnCount();
    const bool withFlags = int(m_columns.m_flags.size()) == count;
    for (int i = 0; i < count; ++i) {
        const int fieldId = int(m_columns.m_fieldIds[size_t(i)]);
        TLColumn column;
        column.mask = LVCF_TEXT | LVCF_FMT;
        column.fmt = LVCFMT_LEFT;
        column.text = HeaderTextOf(fieldId);
        const int at = m_grid->InsertColumn(i, column);
        if (at < 0) {
            break;  // the grid holds no more columns
        }
        layout->columns[size_t(at)].userValue = quint32(fieldId);
        if (withFlags) {
            layout->columns[size_t(at)].textFlags = m_columns.m_flags[size_t(i)];
        }
        SetColumnEditMode(at, fieldId);
    }
    InsertRows(GetFamilyListHead());
}

void CViewDVTreeList::SetColumnEditMode(int column, int fieldId) {
    // Column 0 always shows the title, whatever field id it was given.
    const int field = column == 0 ? int(FIELD_TITLE) : fieldId;
    switch (FieldCatalogue::EditKind(m_pDocument, FamilyKind(), field)) {
        case DVEditKind::Stepped:
            m_grid->SetColumnEdit(TLEditSetting(column, TLE_MODE_CYCLE, CycleEditFlags),
                                  FieldCatalogue::ChoiceList(m_pDocument, field));
            m_grid->SetEditImageBase(column, field == FIELD_LINKAGE ? 4 : 7);
            break;
        case DVEditKind::DropDown:
            m_grid->SetColumnEdit(TLEditSetting(column, TLE_MODE_LIST, DropDownEditFlags),
                                  FieldCatalogue::ChoiceList(m_pDocument, field));
            break;
        case DVEditKind::ReadOnly:
            m_grid->SetColumnEdit(TLEditSetting(column, TLE_MODE_READONLY, 0), QString());
            break;
        case DVEditKind::Text:
            break;  // the plain in-place editor, opened by the view
    }
}

void CViewDVTreeList::ApplyColumnEditModes() {
    if (m_grid == nullptr) {
        return;
    }
    for (int i = 0; i < m_grid->GetColumnCount(); ++i) {
        SetColumnEditMode(i, FieldIdOfColumn(i));
    }
}

HTREEITEM CViewDVTreeList::InsertObjectRow(HTREEITEM parent, HTREEITEM after, CDVData* object,
                                           bool expanded) {
    TLInsertStruct insert;
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.text = object->GetTitle();
    insert.item.image = object->GetImageIndex();
    insert.item.selectedImage = insert.item.image;
    insert.item.lParam = reinterpret_cast<qintptr>(object);
    if (expanded) {
        insert.item.mask |= TVIF_STATE;
        insert.item.state = insert.item.stateMask = TVIS_EXPANDED;
    }
    return m_grid->InsertItem(insert);
}

void CViewDVTreeList::InsertRows(int position) {
    // rows[d] is the last row inserted at depth d, the parent of the rows one level deeper.
    std::vector<HTREEITEM> rows;
    DVFamilyTree::Walk([this](int at) { return GetObjectAt(at); }, position,
                       [&](CDVData* object, int depth) {
                           const HTREEITEM parent = depth == 0 ? TVI_ROOT : rows[size_t(depth - 1)];
                           const HTREEITEM row =
                               InsertObjectRow(parent, TVI_LAST, object, object->m_nParentId == 0);
                           if (row == 0) {
                               return false;
                           }
                           FillRow(row, object, false);
                           rows.resize(size_t(depth) + 1);
                           rows[size_t(depth)] = row;
                           return true;
                       });
}

void CViewDVTreeList::FillRow(HTREEITEM item, CDVData* object, bool withTitle) {
    if (m_grid == nullptr || item == 0 || object == nullptr) {
        return;
    }
    if (withTitle) {
        TLItem row;
        row.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        row.hItem = item;
        row.text = object->GetTitle();
        row.image = row.selectedImage = object->GetImageIndex();
        m_grid->SetItem(row);
    }
    const TLLayout* layout = m_grid->GetLayout();
    for (int c = 1; c < layout->columnCount; ++c) {
        const int fieldId = int(layout->columns[size_t(c)].userValue);
        m_grid->SetItemText(item, c, CellTextOf(object, c));
        const int image = FieldCatalogue::CellImage(object, fieldId);
        if (image >= 0) {
            m_grid->SetItemImage(item, c, image);
        }
    }
}

QString CViewDVTreeList::CellTextOf(CDVData* object, int column) const {
    return column == 0 ? object->GetTitle()
                       : FieldCatalogue::CellText(m_pDocument, object, FieldIdOfColumn(column));
}

void CViewDVTreeList::WriteBackFamilyList(HTREEITEM first) {
    for (HTREEITEM row = first; row != 0; row = NextInPreOrder(row)) {
        CDVData* object = ObjectOf(row);
        if (object == nullptr) {
            return;
        }
        AppendToFamilyList(object);
    }
}

void CViewDVTreeList::RewriteFamilyList() {
    // Objects without a row (after a row building that stopped early, or deleted ones still listed)
    // go back behind the rows' objects in their old order, so that no object leaves the project.
    std::vector<CDVData*> before;
    int position = GetFamilyListHead();
    while (CDVData* object = GetNextObject(position)) {
        before.push_back(object);
    }
    ClearFamilyList();
    WriteBackFamilyList(m_grid->GetNextItem(0, TVGN_ROOT));
    for (CDVData* object : before) {
        AppendToFamilyList(object);
    }
}

void CViewDVTreeList::RefreshVisibleRows(bool withTitle) {
    if (m_grid == nullptr) {
        return;
    }
    for (HTREEITEM row = m_grid->GetNextItem(0, TVGN_FIRSTVISIBLE); row != 0;
         row = m_grid->GetNextItem(row, TVGN_NEXTVISIBLE)) {
        if (CDVData* object = FamilyObjectOf(row)) {
            FillRow(row, object, withTitle);
        }
    }
}

void CViewDVTreeList::ApplyColours() {
    if (m_grid == nullptr) {
        return;
    }
    qint32 colour = GetFamilyRowColour();
    const bool linked = m_pDocument->m_bLinked;
    if (linked && m_pDocument->m_clrAltLinked != -2) {
        colour = m_pDocument->m_clrAltLinked;
    }
    m_grid->SetBkColor(1, colour == -1 ? CLR_NONE : COLORREF(colour));
    quint32 style = TLX_CELLSELECT | TLX_FULLROWSELECT;
    if (colour != -1) {
        style |= TLX_ALTERNATEROWS;
    }
    if ((m_pDocument->m_bGridLines && !linked) || (m_pDocument->m_bGridLinesLinked && linked)) {
        style |= TLX_ROWLINES | TLX_COLUMNLINES;
    }
    m_grid->SetExtendedStyle(0xFFFFFFFFu, style);
}

void CViewDVTreeList::ApplyColumnWidths() {
    if (m_grid == nullptr) {
        return;
    }
    const int count = m_grid->GetColumnCount();
    std::vector<qint32>& widths = m_columns.m_widths;
    const bool matching = count > 0 && int(widths.size()) == count;
    if (matching) {
        for (int i = 0; i < count; ++i) {
            m_grid->SetColumnWidth(i, widths[size_t(i)]);
        }
    }
    if (m_columns.m_bFirstColumnHidden && count > 0) {
        m_grid->SetColumnWidth(0, 0);
    } else if (matching && widths[0] == 0) {
        widths[0] = 200;
        m_grid->SetColumnWidth(0, 200);
    }
    m_grid->viewport()->update();
}

void CViewDVTreeList::StoreColumns() {
    if (m_grid == nullptr) {
        return;
    }
    const TLLayout* layout = m_grid->GetLayout();
    const int count = std::min(m_columns.ColumnCount(), layout->columnCount);
    CDVColumn* family = FamilyColumnSet();
    family->Clear();
    m_columns.Clear();
    family->m_bFirstColumnHidden = m_columns.m_bFirstColumnHidden;
    for (int i = 0; i < count; ++i) {
        const TLColumnRecord& record = layout->columns[size_t(i)];
        const qint32 width = layout->ColumnWidth(i);
        const quint16 flags = quint16(record.textFlags);
        family->AddColumn(record.userValue, width, flags);
        m_columns.AddColumn(record.userValue, width, flags);
    }
}

bool CViewDVTreeList::RemoveParameterColumn(int fieldId) {
    if (m_grid == nullptr) {
        return false;
    }
    StoreColumns();
    // The grid goes with the column set, so that its columns keep naming the fields they show.
    for (int i = 1; i < m_columns.ColumnCount(); ++i) {
        if (int(m_columns.m_fieldIds[size_t(i)]) == fieldId && m_grid->DeleteColumn(i)) {
            m_columns.RemoveColumn(i);
            return true;
        }
    }
    return false;
}

void CViewDVTreeList::StoreTopObjectId() {
    if (m_grid == nullptr) {
        return;
    }
    const CDVData* object = FamilyObjectOf(m_grid->GetNextItem(0, TVGN_FIRSTVISIBLE));
    SetStoredTopObjectId(object != nullptr ? object->m_nId : 0);
}

HTREEITEM CViewDVTreeList::FindRowOfObject(qint32 id) const {
    if (m_grid == nullptr) {
        return 0;
    }
    for (HTREEITEM row = m_grid->GetNextItem(0, TVGN_ROOT); row != 0; row = NextInPreOrder(row)) {
        const CDVData* object = FamilyObjectOf(row);
        if (object != nullptr && object->m_nId == id) {
            return row;
        }
    }
    return 0;
}

void CViewDVTreeList::ScrollToObject(qint32 id) {
    if (const HTREEITEM row = FindRowOfObject(id)) {
        m_grid->SelectItem(row, TVGN_FIRSTVISIBLE);
    }
}

void CViewDVTreeList::RelayoutGrid() {
    // One pixel narrower and back: the grid lays its columns out again over the full width.
    const QSize size = m_grid->size();
    m_grid->resize(std::max(0, size.width() - 1), size.height());
    m_grid->resize(size);
}

bool CViewDVTreeList::DropUnusedPhaseColumns() {
    bool dropped = false;
    for (int i = m_columns.ColumnCount() - 1; i >= 0; --i) {
        if (FieldCatalogue::IsUnusedPhaseField(m_pDocument, int(m_columns.m_fieldIds[size_t(i)]))) {
            m_columns.RemoveColumn(i);
            dropped = true;
        }
    }
    return dropped;
}

void CViewDVTreeList::DeleteRowsAndColumns() {
    if (m_bDragging) {
        EndDrag();
    }
    m_grid->DeleteAllItems();
    m_hCutItem = m_hCopySource = m_hDragSource = m_hDropTarget = 0;
    for (int i = m_grid->GetColumnCount() - 1; i >= 0; --i) {
        m_grid->DeleteColumn(i);
    }
}

void CViewDVTreeList::Rebuild() {
    if (m_grid == nullptr) {
        return;
    }
    StoreTopObjectId();
    const qint32 top = GetStoredTopObjectId();
    DropUnusedPhaseColumns();
    DeleteRowsAndColumns();
    BuildColumnsAndRows();
    ScrollToObject(top);
    RelayoutGrid();
    ApplyColumnWidths();
}

void CViewDVTreeList::ResetColumns() {
    if (m_grid == nullptr) {
        return;
    }
    DeleteRowsAndColumns();
    BuildColumnsAndRows();
    ApplyColumnWidths();
}

void CViewDVTreeList::ApplyProjectOptions() {
    if (m_grid == nullptr) {
        return;
    }
    StoreColumns();
    const bool dropped = DropUnusedPhaseColumns();
    for (int i = 0; i < m_grid->GetColumnCount(); ++i) {
        const int fieldId = FieldIdOfColumn(i);
        if (fieldId < FIELD_FIRST_PARAMETER) {
            TLColumn column;
            column.mask = LVCF_TEXT;
            column.text = HeaderTextOf(fieldId);
            m_grid->SetColumn(i, column);
        }
    }
    if (dropped) {
        Rebuild();
    }
    // Row colours, grid lines, choice texts and value names may have changed with the options.
    ApplyColours();
    ApplyColumnEditModes();
    RefreshVisibleRows(true);
}
