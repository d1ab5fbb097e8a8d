#include "controls/treelist/TreeListColumnLayout.h"

#include <algorithm>

void TreeListColumnLayout::Show(TLColumnRecord& record) {
    record.width = record.hidden ? 0 : std::max(record.minWidth, record.share);
}

void TreeListColumnLayout::Apply(TLColumnRecord& record, const TLColumn& column) {
    if (column.mask & LVCF_FMT) {
        record.align = column.fmt & LVCFMT_JUSTIFYMASK;
    }
    if (column.mask & TLCF_MARK) {
        record.marked = (column.fmt & TLCFMT_MARK) != 0;
    }
    if (column.mask & LVCF_TEXT) {
        record.headerText = column.text;
    }
    if (column.mask & LVCF_IMAGE) {
        record.headerImage = column.iImage;
    }
    if (column.mask & LVCF_ORDER) {
        record.minWidth = std::max(0, column.iOrder);
    }
    if (column.mask & LVCF_WIDTH) {
        record.share = std::max(0, column.cx);
        record.hidden = column.cx <= 0;
    } else if (column.mask & LVCF_SUBITEM) {
        record.weight = std::clamp(column.cx, 1, 255);
    }
    Show(record);
}

int TreeListColumnLayout::Insert(int index, const TLColumn& column, int availableWidth) {
    auto& columns = m_layout.columns;
    if (columns.size() >= size_t(TL_MAX_COLUMNS)) {
        return -1;
    }
    // Column 0 holds the tree: a later column cannot take its place.
    index = std::clamp(index, columns.empty() ? 0 : 1, int(columns.size()));
    TLColumnRecord record;
    record.weight = (column.mask & LVCF_WIDTH) ? 0 : 1;
    Apply(record, column);
    columns.insert(columns.begin() + index, std::move(record));
    m_layout.columnCount = int(columns.size());
    // The proportional columns share what the fixed ones leave free.
    Distribute(availableWidth);
    RecomputeEdges();
    return index;
}

bool TreeListColumnLayout::Delete(int index) {
    auto& columns = m_layout.columns;
    if (index < 0 || size_t(index) >= columns.size() || (index == 0 && columns.size() > 1)) {
        return false;
    }
    columns.erase(columns.begin() + index);
    m_layout.columnCount = int(columns.size());
    RecomputeEdges();
    return true;
}

void TreeListColumnLayout::Read(int index, TLColumn& column) const {
    const TLColumnRecord& record = m_layout.columns[size_t(index)];
    column.fmt = record.align | (record.marked ? TLCFMT_MARK : 0);
    column.cx = (column.mask & LVCF_SUBITEM) && record.weight > 0 ? record.weight : record.width;
    column.text = record.headerText;
    column.iImage = record.headerImage;
    column.iOrder = record.minWidth;
    column.iSubItem = index;
}

void TreeListColumnLayout::SetWidth(int index, int width) {
    TLColumnRecord& record = m_layout.columns[size_t(index)];
    record.share = std::max(0, width);
    record.hidden = width <= 0;
    Show(record);
    RecomputeEdges();
}

void TreeListColumnLayout::Distribute(int availableWidth) {
    int free = availableWidth;
    int totalWeight = 0;
    for (const TLColumnRecord& record : m_layout.columns) {
        if (record.weight == 0) {
            free -= record.width;
        } else if (!record.hidden) {
            totalWeight += record.weight;
        }
    }
    if (totalWeight == 0) {
        return;
    }
    // A negative remainder is kept in the shares, so that a later growth of the window gives the columns
    // exactly the room the fixed ones leave.
    int carry = 0;
    for (TLColumnRecord& record : m_layout.columns) {
        if (record.weight > 0 && !record.hidden) {
            const int part = record.weight * free + carry;
            record.share = part / totalWeight;
            carry = part % totalWeight;
            Show(record);
        }
    }
}

void TreeListColumnLayout::Spread(int delta) {
    int totalWeight = 0;
    for (const TLColumnRecord& record : m_layout.columns) {
        if (record.weight > 0 && !record.hidden) {
            totalWeight += record.weight;
        }
    }
    if (totalWeight == 0 || delta == 0) {
        return;
    }
    // The remainder is carried to the next column, so that the shares add up to the change exactly.
    int carry = 0;
    for (TLColumnRecord& record : m_layout.columns) {
        if (record.weight > 0 && !record.hidden) {
            const int part = record.weight * delta + carry;
            record.share += part / totalWeight;
            carry = part % totalWeight;
            Show(record);
        }
    }
    RecomputeEdges();
}

void TreeListColumnLayout::Permute(const std::vector<int>& newToOld) {
    std::vector<TLColumnRecord> moved;
    moved.reserve(newToOld.size());
    for (int old : newToOld) {
        moved.push_back(std::move(m_layout.columns[size_t(old)]));
    }
    m_layout.columns = std::move(moved);
    RecomputeEdges();
}

void TreeListColumnLayout::RecomputeEdges() {
    auto& edges = m_layout.columnEdges;
    edges.assign(m_layout.columns.size() + 1, 0);
    for (size_t c = 0; c < m_layout.columns.size(); ++c) {
        edges[c + 1] = edges[c] + m_layout.columns[c].width;
    }
}
