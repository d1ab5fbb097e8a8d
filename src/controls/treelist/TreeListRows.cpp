#include "controls/treelist/TreeListRows.h"

#include <algorithm>

void TreeListRows::Number(int upTo) {
    upTo = std::min(upTo, Count() - 1);
    int line = 0;
    if (m_numbered > 0) {
        const TreeListItem& prev = m_items[m_rows[size_t(m_numbered) - 1]];
        line = prev.firstLine + prev.lines;
    }
    for (int r = m_numbered; r <= upTo; ++r) {
        TreeListItem& item = m_items[m_rows[size_t(r)]];
        item.row = r;
        item.firstLine = line;
        line += item.lines;
    }
    m_numbered = std::max(m_numbered, upTo + 1);
}

int TreeListRows::RowOf(HTREEITEM h) {
    const TreeListItem& item = m_items[h];
    if (item.row >= 0 && item.row < m_numbered && m_rows[size_t(item.row)] == h) {
        return item.row;
    }
    while (m_numbered < Count()) {
        const int r = m_numbered;
        Number(r);
        if (m_rows[size_t(r)] == h) {
            return r;
        }
    }
    return -1;
}

int TreeListRows::FirstLine(int row) {
    if (row >= Count()) {
        return m_layout.TotalLines();
    }
    if (row >= m_numbered) {
        Number(row);
    }
    return m_items[m_rows[size_t(row)]].firstLine;
}

int TreeListRows::RowAtLine(int line) {
    if (m_rows.empty()) {
        return 0;
    }
    // Number just far enough, then search the numbered part.
    while (m_numbered < Count()) {
        if (m_numbered > 0) {
            const TreeListItem& last = m_items[m_rows[size_t(m_numbered) - 1]];
            if (last.firstLine + last.lines > line) {
                break;
            }
        }
        Number(std::min(Count() - 1, m_numbered + 1023));
    }
    auto it = std::upper_bound(m_rows.begin(), m_rows.begin() + m_numbered, line,
                               [this](int l, HTREEITEM h) { return l < m_items[h].firstLine; });
    return std::max(0, int(it - m_rows.begin()) - 1);
}

void TreeListRows::SetLines(int row, int lines) {
    TreeListItem& item = m_items[m_rows[size_t(row)]];
    if (item.lines == lines) {
        return;
    }
    m_layout.extraLines += lines - item.lines;
    item.lines = lines;
    Invalidate(row + 1);
}

int TreeListRows::PlaceOf(HTREEITEM h) {
    // The row of the next item in display order outside the new item's subtree.
    for (HTREEITEM a = h; a; a = m_items[a].parent) {
        if (m_items[a].next) {
            const int row = RowOf(m_items[a].next);
            return row >= 0 ? row : Count();
        }
    }
    return Count();
}

void TreeListRows::Splice(int pos, const std::vector<HTREEITEM>& add) {
    int extra = 0;
    for (HTREEITEM h : add) {
        m_items[h].shown = true;
        extra += m_items[h].lines - 1;
    }
    m_rows.insert(m_rows.begin() + pos, add.begin(), add.end());
    m_layout.extraLines += extra;
    m_layout.rowCount = Count();
    Invalidate(pos);
}

void TreeListRows::InsertItem(HTREEITEM h) {
    const int pos = PlaceOf(h);
    if (pos == Count()) {
        m_items[h].shown = true;
        m_layout.extraLines += m_items[h].lines - 1;
        m_rows.push_back(h);
        m_layout.rowCount = Count();
        return;
    }
    Splice(pos, {h});
}

void TreeListRows::InsertDescendants(HTREEITEM h) {
    std::vector<HTREEITEM> add;
    for (HTREEITEM c = m_items[h].firstChild; c;) {
        add.push_back(c);
        const TreeListItem& item = m_items[c];
        if (item.firstChild && (item.main.state & TVIS_EXPANDED)) {
            c = item.firstChild;
            continue;
        }
        while (c && c != h && !m_items[c].next) {
            c = m_items[c].parent;
        }
        c = (c && c != h) ? m_items[c].next : 0;
    }
    if (!add.empty()) {
        Splice(RowOf(h) + 1, add);
    }
}

void TreeListRows::RemoveDescendants(HTREEITEM h, bool self) {
    const int row = RowOf(h);
    if (row < 0) {
        return;
    }
    const int level = m_items[h].level;
    const int first = self ? row : row + 1;
    int end = row + 1;
    while (end < Count() && m_items[m_rows[size_t(end)]].level > level) {
        ++end;
    }
    if (end == first) {
        return;
    }
    int lines = 0;
    for (int r = first; r < end; ++r) {
        TreeListItem& item = m_items[m_rows[size_t(r)]];
        item.shown = false;
        lines += item.lines;
    }
    m_rows.erase(m_rows.begin() + first, m_rows.begin() + end);
    m_layout.extraLines -= lines - (end - first);
    m_layout.rowCount = Count();
    Invalidate(first);
}

void TreeListRows::Clear() {
    for (HTREEITEM h : m_rows) {
        m_items[h].shown = false;
    }
    m_rows.clear();
    m_numbered = 0;
    m_layout.rowCount = 0;
    m_layout.extraLines = 0;
}

void TreeListRows::Rebuild() {
    Clear();
    for (HTREEITEM h = m_items.FirstChild(0); h;) {
        TreeListItem& item = m_items[h];
        item.shown = true;
        m_layout.extraLines += item.lines - 1;
        m_rows.push_back(h);
        if (item.firstChild && (item.main.state & TVIS_EXPANDED)) {
            h = item.firstChild;
            continue;
        }
        while (h && !m_items[h].next) {
            h = m_items[h].parent;
        }
        h = h ? m_items[h].next : 0;
    }
    m_layout.rowCount = Count();
}
