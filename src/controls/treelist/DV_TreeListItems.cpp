// Items of DV_TreeList: insertion, deletion, item fields, expansion, navigation and sorting.
#include "controls/treelist/DV_TreeList.h"

#include <QScrollBar>

namespace {

int CompareTexts(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive);
}

// The request for one field of a cell: column 0 is the item itself, others go through TVIF_COLUMN.
TLItem CellRequest(HTREEITEM h, int column, quint32 field) {
    TLItem it;
    it.mask = field | (column ? TVIF_COLUMN : 0);
    it.hItem = h;
    it.cChildren = column;
    return it;
}

}  // namespace

HTREEITEM DV_TreeList::InsertItem(const QString& text, HTREEITEM parent, HTREEITEM after) {
    TLInsertStruct insert;
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT;
    insert.item.text = text;
    return InsertItem(insert);
}

HTREEITEM DV_TreeList::InsertItem(const TLInsertStruct& insert) {
    const HTREEITEM parent = insert.hParent == TVI_ROOT ? 0 : insert.hParent;
    if (parent != 0 && !IsItem(parent)) {
        return 0;
    }
    const HTREEITEM h = m_s.items.Allocate(m_s.userDataSize);
    if (h == 0) {
        return 0;
    }
    TreeListItem& item = m_s.items[h];
    const TLItem& fields = insert.item;
    if (fields.mask & TVIF_TEXT) {
        item.main.text = fields.text;
        item.main.textCallback = fields.textCallback;
    }
    if (fields.mask & TVIF_IMAGE) {
        item.main.image = fields.image;
        item.main.imageCallback = fields.image == I_IMAGECALLBACK;
    }
    if (fields.mask & TVIF_SELECTEDIMAGE) {
        item.selectedImage = fields.selectedImage;
    }
    if (fields.mask & TVIF_PARAM) {
        item.lParam = fields.lParam;
    }
    if (fields.mask & TVIF_CHILDREN) {
        item.children = fields.cChildren;
    }
    if (fields.mask & TVIF_STATE) {
        // Selection comes with its own bookkeeping: only the plain bits are taken here.
        const quint32 plain = TVIS_CUT | TVIS_BOLD | TVIS_EXPANDED | TVIS_STATEIMAGEMASK;
        item.main.state = fields.state & fields.stateMask & plain;
    }
    if (m_s.HasStyle(TVS_CHECKBOXES) && STATEIMAGEINDEX(item.main.state) == 0) {
        item.main.state |= INDEXTOSTATEIMAGEMASK(1);  // every row shows its (unchecked) box
    }

    HTREEITEM after = 0;
    const HTREEITEM at = insert.hInsertAfter;
    if (at == TVI_FIRST) {
        after = 0;
    } else if (at == TVI_SORT) {
        for (HTREEITEM c = m_s.items.FirstChild(parent); c; c = m_s.items[c].next) {
            if (CompareTexts(m_s.items[c].main.text, item.main.text) > 0) {
                break;
            }
            after = c;
        }
    } else if (at != TVI_LAST && at != TVI_ROOT && IsItem(at) && m_s.items[at].parent == parent) {
        after = at;
    } else {
        // TVI_LAST, TVI_ROOT, 0 and handles that are not children of the parent append.
        after = m_s.items.LastChild(parent);
    }
    m_s.items.Link(h, parent, after);
    if (parent == 0 || (m_s.items[parent].shown && (m_s.items[parent].main.state & TVIS_EXPANDED))) {
        m_s.rows.InsertItem(h);
    }
    if (parent != 0 && m_s.items[parent].shown) {
        InvalidateItem(parent);
    }
    ScheduleScrollBars();
    return h;
}

bool DV_TreeList::DeleteItem(HTREEITEM h) {
    if (h == TVI_ROOT) {
        if (m_editor.IsOpen()) {
            EndEditLabelNow(true);
        }
        m_s.rows.Clear();  // at once: removing the rows branch by branch would move the rest each time
        while (HTREEITEM first = m_s.items.FirstChild(0)) {
            DeleteBranch(first);
        }
        m_s.topRow = 0;
        ScheduleScrollBars();
        return true;
    }
    if (!IsItem(h)) {
        return false;
    }
    if (m_editor.IsOpen() && (m_editItem == h || m_s.items.IsAncestor(h, m_editItem))) {
        EndEditLabelNow(true);
    }
    if (!IsItem(h)) {
        return true;
    }
    DeleteBranch(h);
    ClampTopRow();
    ScheduleScrollBars();
    return true;
}

void DV_TreeList::DeleteBranch(HTREEITEM h) {
    if (m_s.items[h].shown) {
        m_s.rows.RemoveDescendants(h, true);
    }
    const HTREEITEM parent = m_s.items[h].parent;
    m_s.items.Unlink(h);
    std::vector<HTREEITEM> doomed;
    for (HTREEITEM d = h; d; d = m_s.items.NextPreOrder(d, h)) {
        doomed.push_back(d);
    }
    for (HTREEITEM d : doomed) {
        TreeListItem& item = m_s.items[d];
        item.dying = true;
        if (item.main.state & TVIS_SELECTED) {
            --m_s.selectedCount;
        }
        for (HTREEITEM* ref :
             {&m_s.caret, &m_s.anchor, &m_s.dropTarget, &m_s.insertMark, &m_dragItem, &m_hoverItem}) {
            if (*ref == d) {
                *ref = 0;
            }
        }
    }
    for (HTREEITEM d : doomed) {
        TLNotify n;
        n.code = TVN_DELETEITEMW;
        n.hItem = d;
        n.itemOld.mask = TVIF_HANDLE | TVIF_PARAM;
        n.itemOld.hItem = d;
        n.itemOld.lParam = m_s.items[d].lParam;
        Notify(n);
        m_s.items.Free(d);
    }
    if (parent != 0 && IsItem(parent) && m_s.items[parent].shown) {
        InvalidateItem(parent);
    }
}

bool DV_TreeList::GetItem(TLItem& it) {
    const HTREEITEM h = it.hItem;
    const int column = (it.mask & TVIF_COLUMN) ? it.cChildren : 0;
    if (!IsItem(h) || (column != 0 && !m_s.IsValidColumn(column))) {
        return false;
    }
    const TreeListItem& item = m_s.items[h];
    const TreeListCell* cell = m_s.items.FindCell(h, column);
    static const TreeListCell kEmpty;
    if (!cell) {
        cell = &kEmpty;
    }
    if (it.mask & TVIF_TEXT) {
        it.textCallback = cell->textCallback;
        it.text = cell->textCallback ? DisplayText(h, column) : cell->text;
    }
    if (it.mask & TVIF_IMAGE) {
        it.image = cell->imageCallback ? I_IMAGECALLBACK : cell->image;
    }
    if (it.mask & TVIF_STATE) {
        it.state = cell->state & (it.stateMask ? it.stateMask : 0xFFFFFFFFu);
    }
    if (column == 0) {
        if (it.mask & TVIF_SELECTEDIMAGE) {
            it.selectedImage = item.selectedImage;
        }
        if (it.mask & TVIF_CHILDREN) {
            it.cChildren = item.children != 0 ? item.children : (item.firstChild ? 1 : 0);
        }
    }
    if (it.mask & TVIF_PARAM) {
        it.lParam = item.lParam;
    }
    return true;
}

bool DV_TreeList::SetItem(const TLItem& it) {
    const HTREEITEM h = it.hItem;
    const int column = (it.mask & TVIF_COLUMN) ? it.cChildren : 0;
    if (!IsItem(h) || (column != 0 && !m_s.IsValidColumn(column))) {
        return false;
    }
    TreeListCell& cell = m_s.items.Cell(h, column);
    if (it.mask & TVIF_TEXT) {
        cell.SetText(it.textCallback ? QString() : it.text);
        cell.textCallback = it.textCallback;
    }
    if (it.mask & TVIF_IMAGE) {
        cell.image = it.image;
        cell.imageCallback = it.image == I_IMAGECALLBACK;
    }
    if (it.mask & TVIF_PARAM) {
        m_s.items[h].lParam = it.lParam;
    }
    if (column == 0) {
        if (it.mask & TVIF_SELECTEDIMAGE) {
            m_s.items[h].selectedImage = it.selectedImage;
        }
        if (it.mask & TVIF_CHILDREN) {
            m_s.items[h].children = it.cChildren;
        }
    }
    if (it.mask & TVIF_STATE) {
        SetItemState(h, column, it.state, it.stateMask);
    }
    InvalidateItem(h);
    return true;
}

bool DV_TreeList::SetItemText(HTREEITEM h, int column, const QString& text) {
    TLItem it = CellRequest(h, column, TVIF_TEXT);
    it.text = text;
    return SetItem(it);
}

QString DV_TreeList::GetItemText(HTREEITEM h, int column) {
    TLItem it = CellRequest(h, column, TVIF_TEXT);
    return GetItem(it) ? it.text : QString();
}

bool DV_TreeList::SetItemImage(HTREEITEM h, int column, int image) {
    TLItem it = CellRequest(h, column, TVIF_IMAGE);
    it.image = image;
    return SetItem(it);
}

int DV_TreeList::GetItemImage(HTREEITEM h, int column) {
    TLItem it = CellRequest(h, column, TVIF_IMAGE);
    return GetItem(it) ? it.image : -1;
}

bool DV_TreeList::SetItemState(HTREEITEM h, int column, quint32 state, quint32 mask) {
    if (!IsItem(h) || (column != 0 && !m_s.IsValidColumn(column))) {
        return false;
    }
    TreeListCell& cell = m_s.items.Cell(h, column);
    if (column == 0) {
        if ((mask & TVIS_EXPANDED) && bool(state & TVIS_EXPANDED) != bool(cell.state & TVIS_EXPANDED)) {
            ExpandItem(h, (state & TVIS_EXPANDED) ? TVE_EXPAND : TVE_COLLAPSE, false);
        }
        if ((mask & TVIS_SELECTED) && bool(state & TVIS_SELECTED) != bool(cell.state & TVIS_SELECTED)) {
            SetSelected(h, state & TVIS_SELECTED);
        }
        if ((mask & TVIS_BOLD) && bool(state & TVIS_BOLD) != bool(cell.state & TVIS_BOLD)) {
            // Another font: every wrapped cell of the row breaks anew.
            cell.breakWidth = -1;
            for (TreeListCell& c : m_s.items[h].cells) {
                c.breakWidth = -1;
            }
        }
        mask &= ~(TVIS_EXPANDED | TVIS_SELECTED);
    }
    cell.state = (cell.state & ~mask) | (state & mask);
    InvalidateItem(h);
    return true;
}

quint32 DV_TreeList::GetItemState(HTREEITEM h, quint32 mask, int column) {
    if (!IsItem(h) || (column != 0 && !m_s.IsValidColumn(column))) {
        return 0;
    }
    const TreeListCell* cell = m_s.items.FindCell(h, column);
    return cell ? cell->state & mask : 0;
}

bool DV_TreeList::Expand(HTREEITEM h, int code) {
    return IsItem(h) && ExpandItem(h, code, true);
}

bool DV_TreeList::ExpandItem(HTREEITEM h, int code, bool notify) {
    const int action = code & TVE_TOGGLE;
    if (action == 0) {
        return false;
    }
    const bool expanded = (m_s.items[h].main.state & TVIS_EXPANDED) != 0;
    const bool expand = action == TVE_EXPAND || (action == TVE_TOGGLE && !expanded);
    if (!m_s.items[h].firstChild && m_s.items[h].children == 0) {
        return false;
    }
    if (expand != expanded) {
        if (notify && SendItemNotify(TVN_ITEMEXPANDINGW, h, 0, action) != 0) {
            return false;
        }
        if (!IsItem(h)) {
            return false;
        }
        SetExpandedState(h, expand);
    }
    if (!expand && (code & TVE_COLLAPSERESET)) {
        while (HTREEITEM child = m_s.items[h].firstChild) {
            DeleteBranch(child);
        }
        m_s.items[h].main.state &= ~TVIS_EXPANDEDONCE;
    }
    if (expand && (code & TVE_EXPANDPARTIAL)) {
        m_s.items[h].main.state |= TVIS_EXPANDPARTIAL;
    } else {
        m_s.items[h].main.state &= ~TVIS_EXPANDPARTIAL;
    }
    if (notify && expand != expanded) {
        SendItemNotify(TVN_ITEMEXPANDEDW, h, 0, action);
    }
    return true;
}

void DV_TreeList::SetExpandedState(HTREEITEM h, bool expand) {
    TreeListItem& item = m_s.items[h];
    if (expand) {
        item.main.state |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
        if (item.shown) {
            m_s.rows.InsertDescendants(h);
        }
    } else {
        item.main.state &= ~TVIS_EXPANDED;
        if (m_editor.IsOpen() && m_s.items.IsAncestor(h, m_editItem)) {
            EndEditLabelNow(false);
        }
        if (IsItem(h) && m_s.items[h].shown) {
            if (m_s.caret && m_s.items.IsAncestor(h, m_s.caret)) {
                SetCaret(h, m_s.caretColumn, TVC_UNKNOWN);
            }
            if (IsItem(h)) {
                m_s.rows.RemoveDescendants(h, false);
            }
        }
    }
    ClampTopRow();
    ScheduleScrollBars();
}

HTREEITEM DV_TreeList::GetNextItem(HTREEITEM h, int code) {
    const bool valid = IsItem(h);
    switch (code) {
        case TVGN_ROOT:
            return m_s.items.FirstChild(0);
        case TVGN_NEXT:
            return valid ? m_s.items[h].next : 0;
        case TVGN_PREVIOUS:
            return valid ? m_s.items[h].prev : 0;
        case TVGN_PARENT:
            return valid ? m_s.items[h].parent : 0;
        case TVGN_CHILD:
            return valid ? m_s.items[h].firstChild : (h == TVI_ROOT || h == 0 ? m_s.items.FirstChild(0) : 0);
        case TVGN_FIRSTVISIBLE:
            return m_s.rows.At(m_s.topRow);
        case TVGN_NEXTVISIBLE:
        case TVGN_PREVIOUSVISIBLE: {
            // Only rows inside the window count.
            if (!valid || !m_s.items[h].shown) {
                return 0;
            }
            const int row = m_s.rows.RowOf(h) + (code == TVGN_NEXTVISIBLE ? 1 : -1);
            if (row < m_s.topRow || row >= m_s.rows.Count()) {
                return 0;
            }
            return m_s.rows.FirstLine(row) < m_s.TopLine() + m_s.layout.linesFitPartly ? m_s.rows.At(row) : 0;
        }
        case TVGN_DROPHILITE:
            return m_s.dropTarget;
        case TVGN_CARET:
            return m_s.caret;
        case TVGN_LASTVISIBLE:
            return m_s.rows.At(m_s.rows.Count() - 1);
        case TVGN_NEXTSELECTED:
            if (h == TVI_ROOT || h == 0) {
                return NextSelected(0);
            }
            return valid ? NextSelected(h) : 0;
        default:
            return 0;
    }
}

bool DV_TreeList::SelectItem(HTREEITEM h, int code) {
    switch (code) {
        case TVGN_CARET:
            if (h == 0) {
                ClearSelection();
                m_s.caret = 0;
                Invalidate();
                return true;
            }
            // Like a click: the row is revealed (parents expanded) and scrolled into view.
            if (!IsItem(h) || !SetCaret(h, m_s.caretColumn, TVC_UNKNOWN)) {
                return false;
            }
            EnsureVisible(h, m_s.caretColumn);
            return true;
        case TVGN_FIRSTVISIBLE:
            if (!IsItem(h) || !EnsureVisible(h, -1)) {
                return false;
            }
            SetTopRow(m_s.rows.RowOf(h));
            return true;
        case TVGN_DROPHILITE:
            return SelectDropTarget(h, 0);
        default:
            return false;
    }
}

bool DV_TreeList::EnsureVisible(HTREEITEM h, int column) {
    if (!IsItem(h)) {
        return false;
    }
    std::vector<HTREEITEM> ancestors;
    for (HTREEITEM p = m_s.items[h].parent; p; p = m_s.items[p].parent) {
        ancestors.push_back(p);
    }
    for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it) {
        if (!(m_s.items[*it].main.state & TVIS_EXPANDED) && !ExpandItem(*it, TVE_EXPAND, true)) {
            return false;
        }
    }
    if (!IsItem(h) || !m_s.items[h].shown) {
        return false;
    }
    if (column < 0) {
        return true;
    }
    UpdatePageFigures();
    const int row = m_s.rows.RowOf(h);
    const int line = m_s.rows.FirstLine(row);
    const int top = m_s.TopLine();
    if (row < m_s.topRow) {
        SetTopRow(row);
    } else if (line + m_s.rows.Lines(row) > top + m_s.layout.linesFitWholly) {
        // Scroll down just far enough that the row ends inside the window.
        int newTop = m_s.topRow;
        while (newTop < row &&
               line + m_s.rows.Lines(row) - m_s.rows.FirstLine(newTop) > m_s.layout.linesFitWholly) {
            ++newTop;
        }
        SetTopRow(newTop);
    }
    if (m_s.IsValidColumn(column)) {
        const int left = m_s.layout.ColumnLeft(column);
        const int right = left + m_s.layout.ColumnWidth(column);
        if (left < m_s.layout.hpos) {
            SetHorizontalPos(left);
        } else if (right > m_s.layout.hpos + m_s.layout.clientWidth) {
            SetHorizontalPos(std::min(left, right - m_s.layout.clientWidth));
        }
    }
    return true;
}

void DV_TreeList::SortRowsOf(HTREEITEM parent, const std::function<bool(HTREEITEM, HTREEITEM)>& less,
                             bool recurse) {
    const bool rowsShown =
        parent != 0 && m_s.items[parent].shown && (m_s.items[parent].main.state & TVIS_EXPANDED);
    if (rowsShown) {
        m_s.rows.RemoveDescendants(parent, false);
    }
    std::vector<HTREEITEM> sortParents{parent};
    if (recurse) {
        for (HTREEITEM d = m_s.items.FirstChild(parent); d; d = m_s.items.NextPreOrder(d, parent)) {
            if (m_s.items[d].firstChild) {
                sortParents.push_back(d);
            }
        }
    }
    for (HTREEITEM p : sortParents) {
        m_s.items.SortChildren(p, less);
    }
    if (parent == 0) {
        m_s.rows.Rebuild();
    } else if (rowsShown) {
        m_s.rows.InsertDescendants(parent);
    }
    Invalidate();
}

bool DV_TreeList::SortChildren(HTREEITEM parent, bool recurse) {
    if (parent != TVI_ROOT && parent != 0 && !IsItem(parent)) {
        return false;
    }
    SortRowsOf(
        ToParent(parent),
        [this](HTREEITEM a, HTREEITEM b) {
            return CompareTexts(m_s.items[a].main.text, m_s.items[b].main.text) < 0;
        },
        recurse);
    return true;
}

bool DV_TreeList::SortChildrenCB(HTREEITEM parent,
                                 const std::function<int(qintptr, qintptr, qintptr)>& compare,
                                 qintptr lParamSort, bool recurse) {
    if ((parent != TVI_ROOT && parent != 0 && !IsItem(parent)) || !compare) {
        return false;
    }
    SortRowsOf(
        ToParent(parent),
        [&](HTREEITEM a, HTREEITEM b) {
            return compare(m_s.items[a].lParam, m_s.items[b].lParam, lParamSort) < 0;
        },
        recurse);
    return true;
}

HTREEITEM DV_TreeList::FindItem(HTREEITEM start, const TLFindInfo& criteria) {
    HTREEITEM h = 0;
    if (start == 0 || start == TVI_ROOT) {
        h = m_s.items.FirstChild(0);
    } else if (IsItem(start)) {
        h = m_s.items.NextPreOrder(start);
    }
    for (; h; h = m_s.items.NextPreOrder(h)) {
        const TreeListItem& item = m_s.items[h];
        if ((criteria.flags & TLFI_PARAM) && item.lParam != criteria.lParam) {
            continue;
        }
        if ((criteria.flags & TLFI_STATE) && (item.main.state & criteria.stateMask) != criteria.state) {
            continue;
        }
        if ((criteria.flags & TLFI_TEXT) && GetItemText(h, criteria.column) != criteria.text) {
            continue;
        }
        return h;
    }
    return 0;
}

int DV_TreeList::GetRowOfItem(HTREEITEM h) {
    return IsItem(h) && m_s.items[h].shown ? m_s.rows.RowOf(h) : -1;
}

void DV_TreeList::ClampTopRow() {
    m_s.topRow = std::clamp(m_s.topRow, 0, m_s.MaxTopRow());
}
