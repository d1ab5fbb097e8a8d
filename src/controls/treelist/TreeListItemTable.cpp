#include "controls/treelist/TreeListItemTable.h"

#include <algorithm>
#include <cstring>
#include <new>

HTREEITEM TreeListItemTable::Allocate(size_t userDataSize) {
    const size_t slots = TableSize();
    if (m_count == slots) {
        const size_t grown = slots + slots / 2 + 64;
        if (grown > TL_MAX_HANDLE) {
            return 0;
        }
        try {
            m_items.resize(grown + 1);
        } catch (const std::bad_alloc&) {
            return 0;
        }
    }
    // The first free slot after the last one issued, wrapping around: deleted handles come back late.
    HTREEITEM h = m_lastIssued;
    do {
        h = h + 1 > TableSize() ? 1 : h + 1;
    } while (m_items[h].used);
    TreeListItem& item = m_items[h];
    item = TreeListItem{};
    if (userDataSize > 0) {
        try {
            item.userData.reset(new unsigned char[userDataSize]);
        } catch (const std::bad_alloc&) {
            return 0;
        }
        std::memset(item.userData.get(), 0, userDataSize);
    }
    item.used = true;
    m_lastIssued = h;
    ++m_count;
    return h;
}

void TreeListItemTable::Free(HTREEITEM h) {
    m_items[h] = TreeListItem{};
    --m_count;
}

void TreeListItemTable::Link(HTREEITEM h, HTREEITEM parent, HTREEITEM after) {
    TreeListItem& item = m_items[h];
    item.parent = parent;
    item.level = parent ? m_items[parent].level + 1 : 0;
    HTREEITEM& first = parent ? m_items[parent].firstChild : m_rootFirst;
    HTREEITEM& last = parent ? m_items[parent].lastChild : m_rootLast;
    item.prev = after;
    item.next = after ? m_items[after].next : first;
    (after ? m_items[after].next : first) = h;
    (item.next ? m_items[item.next].prev : last) = h;
}

void TreeListItemTable::Unlink(HTREEITEM h) {
    TreeListItem& item = m_items[h];
    HTREEITEM& first = item.parent ? m_items[item.parent].firstChild : m_rootFirst;
    HTREEITEM& last = item.parent ? m_items[item.parent].lastChild : m_rootLast;
    (item.prev ? m_items[item.prev].next : first) = item.next;
    (item.next ? m_items[item.next].prev : last) = item.prev;
    item.prev = item.next = 0;
}

bool TreeListItemTable::IsAncestor(HTREEITEM ancestor, HTREEITEM h) const {
    for (HTREEITEM p = m_items[h].parent; p; p = m_items[p].parent) {
        if (p == ancestor) {
            return true;
        }
    }
    return false;
}

HTREEITEM TreeListItemTable::NextPreOrder(HTREEITEM h, HTREEITEM stop) const {
    if (m_items[h].firstChild) {
        return m_items[h].firstChild;
    }
    for (; h && h != stop; h = m_items[h].parent) {
        if (m_items[h].next) {
            return m_items[h].next;
        }
    }
    return 0;
}

void TreeListItemTable::SortChildren(HTREEITEM parent,
                                     const std::function<bool(HTREEITEM, HTREEITEM)>& less) {
    std::vector<HTREEITEM> children;
    for (HTREEITEM c = FirstChild(parent); c; c = m_items[c].next) {
        children.push_back(c);
    }
    std::stable_sort(children.begin(), children.end(), less);
    HTREEITEM prev = 0;
    for (HTREEITEM c : children) {
        m_items[c].prev = prev;
        m_items[c].next = 0;
        (prev ? m_items[prev].next : (parent ? m_items[parent].firstChild : m_rootFirst)) = c;
        prev = c;
    }
    (parent ? m_items[parent].lastChild : m_rootLast) = prev;
}

TreeListCell& TreeListItemTable::Cell(HTREEITEM h, int column) {
    TreeListItem& item = m_items[h];
    if (column == 0) {
        return item.main;
    }
    if (item.cells.size() < size_t(column)) {
        item.cells.resize(size_t(std::max(column, m_columnCount - 1)));
    }
    return item.cells[size_t(column) - 1];
}

const TreeListCell* TreeListItemTable::FindCell(HTREEITEM h, int column) const {
    const TreeListItem& item = m_items[h];
    if (column == 0) {
        return &item.main;
    }
    return size_t(column) <= item.cells.size() ? &item.cells[size_t(column) - 1] : nullptr;
}

void TreeListItemTable::InsertColumn(int column) {
    ForEachUsed([column](HTREEITEM, TreeListItem& item) {
        if (item.cells.size() >= size_t(column)) {
            item.cells.insert(item.cells.begin() + (column - 1), TreeListCell{});
        }
    });
}

void TreeListItemTable::DeleteColumn(int column) {
    ForEachUsed([column](HTREEITEM, TreeListItem& item) {
        if (item.cells.size() >= size_t(column)) {
            item.cells.erase(item.cells.begin() + (column - 1));
        }
    });
}

void TreeListItemTable::PermuteColumns(const std::vector<int>& newToOld) {
    ForEachUsed([&newToOld](HTREEITEM, TreeListItem& item) {
        if (item.cells.empty()) {
            return;
        }
        std::vector<TreeListCell> moved(newToOld.size() - 1);
        for (size_t c = 1; c < newToOld.size(); ++c) {
            const size_t old = size_t(newToOld[c]);
            if (old <= item.cells.size()) {
                moved[c - 1] = std::move(item.cells[old - 1]);
            }
        }
        item.cells = std::move(moved);
    });
}
