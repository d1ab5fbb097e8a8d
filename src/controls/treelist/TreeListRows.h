#pragma once

#include "controls/treelist/TreeListItemTable.h"
#include "controls/treelist/TreeListLayout.h"

#include <vector>

// The shown items in display order. Row indexes and first lines are numbered lazily from a mark, so
// that insertions, removals and line-count changes cost no walk over the following rows.
class TreeListRows {
public:
    TreeListRows(TreeListItemTable& items, TLLayout& layout) : m_items(items), m_layout(layout) {}

    int Count() const { return int(m_rows.size()); }
    HTREEITEM At(int row) const { return row >= 0 && row < Count() ? m_rows[size_t(row)] : 0; }
    // Row of a shown item.
    int RowOf(HTREEITEM h);
    int FirstLine(int row);
    int Lines(int row) const { return m_items[m_rows[size_t(row)]].lines; }
    // The row that holds the line (the last row for lines beyond the end).
    int RowAtLine(int line);
    void SetLines(int row, int lines);

    // Shows the item at its place in display order (its parent must be shown and expanded or be the root).
    void InsertItem(HTREEITEM h);
    // Shows the descendants of a shown, expanded item that are reached through expanded items.
    void InsertDescendants(HTREEITEM h);
    // Hides the shown descendants of a shown item; with self the item too.
    void RemoveDescendants(HTREEITEM h, bool self);
    void Clear();
    // Shows the top-level items and their descendants reached through expanded items, in display order.
    void Rebuild();

private:
    void Number(int upTo);
    int PlaceOf(HTREEITEM h);
    void Splice(int pos, const std::vector<HTREEITEM>& add);
    void Invalidate(int row) { m_numbered = std::min(m_numbered, row); }

    TreeListItemTable& m_items;
    TLLayout& m_layout;
    std::vector<HTREEITEM> m_rows;
    int m_numbered = 0;  // rows below this index carry a valid row index and first line
};
