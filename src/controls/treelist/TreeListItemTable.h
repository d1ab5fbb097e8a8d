#pragma once

#include "controls/treelist/TreeListTypes.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

// Text, image, state and colours of one cell; column 0 is kept in the item itself.
struct TreeListCell {
    QString text;
    std::vector<int> breaks;  // start positions of the wrapped lines after the first
    int breakWidth = -1;      // width the breaks were computed for; -1: stale
    int image = -1;
    quint32 state = 0;
    COLORREF textColor = CLR_NONE;
    COLORREF bkColor = CLR_NONE;
    bool textCallback = false;
    bool imageCallback = false;

    void SetText(const QString& t) {
        text = t;
        breakWidth = -1;
    }
};

struct TreeListItem {
    TreeListCell main;
    std::vector<TreeListCell> cells;  // columns 1.., created on first use
    std::unique_ptr<unsigned char[]> userData;
    qintptr lParam = 0;
    int selectedImage = 0;
    int children = 0;
    HTREEITEM parent = 0;  // 0: top level
    HTREEITEM firstChild = 0;
    HTREEITEM lastChild = 0;
    HTREEITEM prev = 0;
    HTREEITEM next = 0;
    int row = -1;  // valid only below the row table's numbered mark
    int firstLine = 0;
    int lines = 1;
    int level = 0;
    bool used = false;
    bool dying = false;  // being deleted: detached, only its notification may still read it
    bool shown = false;
};

// The item table: handles are indexes, so item, parent and sibling lookups take constant time.
class TreeListItemTable {
public:
    // Returns 0 when the table cannot grow.
    HTREEITEM Allocate(size_t userDataSize);
    void Free(HTREEITEM h);
    bool IsValid(HTREEITEM h) const {
        return h > 0 && h < m_items.size() && m_items[h].used && !m_items[h].dying;
    }
    TreeListItem& operator[](HTREEITEM h) { return m_items[h]; }
    const TreeListItem& operator[](HTREEITEM h) const { return m_items[h]; }
    size_t Count() const { return m_count; }
    size_t TableSize() const { return m_items.size() - 1; }

    // after: 0 links the item first under the parent (0 = top level), else after that sibling.
    void Link(HTREEITEM h, HTREEITEM parent, HTREEITEM after);
    void Unlink(HTREEITEM h);
    HTREEITEM FirstChild(HTREEITEM parent) const { return parent ? m_items[parent].firstChild : m_rootFirst; }
    HTREEITEM LastChild(HTREEITEM parent) const { return parent ? m_items[parent].lastChild : m_rootLast; }
    bool IsAncestor(HTREEITEM ancestor, HTREEITEM h) const;
    // Pre-order successor over all items, not leaving the subtree of stop (0: the whole tree).
    HTREEITEM NextPreOrder(HTREEITEM h, HTREEITEM stop = 0) const;
    // Re-links the children of parent in the order of a stable sort by less.
    void SortChildren(HTREEITEM parent, const std::function<bool(HTREEITEM, HTREEITEM)>& less);

    // The cell of column >= 1, created when missing; FindCell returns nullptr instead.
    TreeListCell& Cell(HTREEITEM h, int column);
    const TreeListCell* FindCell(HTREEITEM h, int column) const;
    // Keep the cells in step with column insertion, deletion and reordering.
    // Cells are created for all columns of a row at once, so a row's cells move at most once.
    void SetColumnCount(int count) { m_columnCount = count; }
    void InsertColumn(int column);
    void DeleteColumn(int column);
    void PermuteColumns(const std::vector<int>& newToOld);

    template <typename F>
    void ForEachUsed(F f) {
        for (HTREEITEM h = 1; h < m_items.size(); ++h) {
            if (m_items[h].used) {
                f(h, m_items[h]);
            }
        }
    }

private:
    std::vector<TreeListItem> m_items{1};  // slot 0 is never used
    size_t m_count = 0;
    HTREEITEM m_lastIssued = 0;
    HTREEITEM m_rootFirst = 0;
    HTREEITEM m_rootLast = 0;
    int m_columnCount = 0;
};
