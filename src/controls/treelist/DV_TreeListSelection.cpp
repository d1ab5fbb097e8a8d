// Selection of DV_TreeList: caret, single and multiple selection, drop target.
#include "controls/treelist/DV_TreeList.h"

namespace {

// Answers to TVN_SINGLEEXPAND.
constexpr qintptr kSkipOld = 1;
constexpr qintptr kSkipNew = 2;

}  // namespace

bool DV_TreeList::SetCaret(HTREEITEM h, int column, int action, bool select) {
    if (h != 0 && !IsItem(h)) {
        return false;
    }
    if (!m_s.HasExStyle(TLX_CELLSELECT) || !m_s.IsValidColumn(column)) {
        column = 0;
    }
    const HTREEITEM old = m_s.caret;
    const int oldColumn = m_s.caretColumn;
    if (h == old && column == oldColumn) {
        if (select && h && !(m_s.items[h].main.state & TVIS_SELECTED)) {
            SetSelected(h, true);
        }
        return true;
    }
    TLNotify n;
    n.code = TVN_SELCHANGINGW;
    n.action = action;
    n.hItem = h;
    n.column = column;
    n.itemOld.mask = n.itemNew.mask = TVIF_HANDLE | TVIF_PARAM | TVIF_STATE | TVIF_COLUMN;
    n.itemOld.hItem = old;
    n.itemOld.cChildren = oldColumn;
    n.itemOld.lParam = IsItem(old) ? m_s.items[old].lParam : 0;
    n.itemNew.hItem = h;
    n.itemNew.cChildren = column;
    n.itemNew.lParam = IsItem(h) ? m_s.items[h].lParam : 0;
    if (Notify(n) != 0) {
        return false;
    }
    if (h != 0 && !IsItem(h)) {
        return false;
    }
    if (!m_s.HasExStyle(TLX_MULTISELECT) && select) {
        ClearSelection(h);
    }
    m_s.caret = h;
    m_s.caretColumn = column;
    if (select && h) {
        SetSelected(h, true);
    }
    if (m_s.HasStyle(TVS_SINGLEEXPAND) && h && h != old) {
        const qintptr answer = SendItemNotify(TVN_SINGLEEXPAND, h, column, action);
        if (!(answer & kSkipOld) && IsItem(old) && old != h && !m_s.items.IsAncestor(old, h)) {
            ExpandItem(old, TVE_COLLAPSE, true);
        }
        if (!(answer & kSkipNew) && IsItem(h)) {
            ExpandItem(h, TVE_EXPAND, true);
        }
    }
    n.code = TVN_SELCHANGEDW;
    Notify(n);
    Invalidate();
    return true;
}

void DV_TreeList::SetSelected(HTREEITEM h, bool selected) {
    quint32& state = m_s.items[h].main.state;
    if (bool(state & TVIS_SELECTED) == selected) {
        return;
    }
    state ^= TVIS_SELECTED;
    m_s.selectedCount += selected ? 1 : -1;
    InvalidateItem(h);
}

void DV_TreeList::ClearSelection(HTREEITEM except) {
    const bool exceptSelected = IsItem(except) && (m_s.items[except].main.state & TVIS_SELECTED);
    if (m_s.selectedCount == (exceptSelected ? 1 : 0)) {
        return;
    }
    if (m_s.selectedCount == 1 && IsItem(m_s.caret) && (m_s.items[m_s.caret].main.state & TVIS_SELECTED)) {
        SetSelected(m_s.caret, false);
        return;
    }
    m_s.items.ForEachUsed([&](HTREEITEM h, TreeListItem& item) {
        if (h != except && (item.main.state & TVIS_SELECTED)) {
            item.main.state &= ~TVIS_SELECTED;
            --m_s.selectedCount;
        }
    });
    Invalidate();
}

void DV_TreeList::SelectRange(HTREEITEM from, HTREEITEM to) {
    ClearSelection();
    int a = GetRowOfItem(from);
    int b = GetRowOfItem(to);
    if (a < 0 || b < 0) {
        return;
    }
    if (a > b) {
        std::swap(a, b);
    }
    for (int r = a; r <= b; ++r) {
        SetSelected(m_s.rows.At(r), true);
    }
}

HTREEITEM DV_TreeList::NextSelected(HTREEITEM after) {
    if (m_s.selectedCount == 0) {
        return 0;
    }
    for (HTREEITEM h = after ? m_s.items.NextPreOrder(after) : m_s.items.FirstChild(0); h;
         h = m_s.items.NextPreOrder(h)) {
        if (m_s.items[h].main.state & TVIS_SELECTED) {
            return h;
        }
    }
    return 0;
}

bool DV_TreeList::SelectDropTarget(HTREEITEM h, int column) {
    if (h != 0 && !IsItem(h)) {
        return false;
    }
    if (m_s.dropTarget == h && m_s.dropColumn == column) {
        return true;
    }
    InvalidateItem(m_s.dropTarget);
    m_s.dropTarget = h;
    m_s.dropColumn = m_s.IsValidColumn(column) ? column : 0;
    InvalidateItem(h);
    return true;
}

bool DV_TreeList::SelectCell(HTREEITEM h, int column) {
    if (h == 0) {
        ClearSelection();
        m_s.caret = 0;
        Invalidate();
        return true;
    }
    if (!IsItem(h) || (m_s.HasExStyle(TLX_CELLSELECT) && !m_s.IsValidColumn(column))) {
        return false;
    }
    if (!SetCaret(h, column, TVC_UNKNOWN)) {
        return false;
    }
    EnsureVisible(h, m_s.caretColumn);
    return true;
}
