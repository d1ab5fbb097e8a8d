#include "controls/treelist/TreeListState.h"

#include <algorithm>

bool TreeListState::HasCheckMode(int column) const {
    if (!IsValidColumn(column)) {
        return false;
    }
    const TLColumnRecord& record = layout.columns[size_t(column)];
    return record.editModeSet && (record.editMode == TLE_MODE_CHECK || record.editMode == TLE_MODE_CHECKICON);
}

int TreeListState::TreeIndent(HTREEITEM h) const {
    const bool rootLevel = HasStyle(TVS_LINESATROOT) && HasStyle(TVS_HASBUTTONS | TVS_HASLINES);
    return (items[h].level + (rootLevel ? 1 : 0)) * indent;
}

TreeListCellParts TreeListState::Parts(HTREEITEM h, int column, int imageIndex) const {
    TreeListCellParts parts;
    const int left = layout.ColumnLeft(column);
    const int height = items[h].lines * layout.rowHeight;
    parts.cell = QRect(left, 0, layout.ColumnWidth(column), height);
    const int rh = layout.rowHeight;
    int x = left + 2;
    auto place = [&](QRect& rect, const TLImageList& list) {
        rect = QRect(x, (rh - list.Height()) / 2, list.Width(), list.Height());
        x += list.Width() + 2;
    };
    if (column == 0) {
        x = left + TreeIndent(h);
        if (HasStyle(TVS_HASBUTTONS) && (items[h].firstChild || items[h].children != 0) &&
            (items[h].level > 0 || HasStyle(TVS_LINESATROOT))) {
            parts.button = QRect(x - indent / 2 - 4, (rh - 9) / 2, 9, 9);
        }
        x += 1;
        if (!images[TVSIL_STATE].IsEmpty() && STATEIMAGEINDEX(items[h].main.state) > 0) {
            place(parts.stateImage, images[TVSIL_STATE]);
        }
        if (images[0].Has(imageIndex)) {
            place(parts.image, images[0]);
        }
    } else {
        if (HasCheckMode(column)) {
            place(parts.stateImage, images[TLSIL_CELLSTATE]);
        }
        if (CellImages().Has(imageIndex)) {
            place(parts.image, CellImages());
        }
    }
    parts.textLeft = x;
    return parts;
}

int TreeListState::MaxTopRow(int* line) {
    const int count = rows.Count();
    int lines = 0;
    int row = count;
    while (row > 0 && lines + rows.Lines(row - 1) <= std::max(1, layout.linesFitWholly)) {
        lines += rows.Lines(--row);
    }
    if (row == count && count > 0) {
        lines += rows.Lines(--row);  // a last row taller than the window still shows its start
    }
    if (line) {
        *line = layout.TotalLines() - lines;
    }
    return row;
}
