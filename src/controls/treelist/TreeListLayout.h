#pragma once

#include "controls/treelist/TreeListTypes.h"

#include <QChar>
#include <QIcon>
#include <QStringList>
#include <vector>

inline constexpr int TL_MAX_COLUMNS = 256;
inline constexpr int TL_COLOR_SLOTS = 16;
inline constexpr int TL_DEFAULT_MIN_WIDTH = 16;

// Per-column record. userValue and textFlags belong to the caller, who writes them directly.
struct TLColumnRecord {
    QStringList entries;
    int imageBase = -1;
    int width = 0;
    int minWidth = TL_DEFAULT_MIN_WIDTH;
    int weight = 0;  // 0: fixed width; 1..255: proportional
    int align = LVCFMT_LEFT;
    int editMode = TLE_MODE_READONLY;
    quint32 editFlags = 0;
    int entryLimit = TL_DEFAULT_ENTRY_LIMIT;
    QChar separator = u'|';
    bool editModeSet = false;
    bool marked = false;
    quint32 userValue = 0;
    quint32 textFlags = 0;
    QString headerText;
    int headerImage = -1;
    // Width before the minimum is applied, so that growth and shrinkage spread exactly.
    int share = 0;
    bool hidden = false;  // set to width 0
};

// The layout state the views read and write. Figures the views overwrite for a print picture are taken
// again from the window at its next size change.
struct TLLayout {
    COLORREF colors[TL_COLOR_SLOTS] = {};
    bool colorSet[TL_COLOR_SLOTS] = {};
    int rowHeight = 16;
    int rowCount = 0;
    int extraLines = 0;  // sum over the shown rows of their lines minus 1
    int firstLine = 0;
    int hpos = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    int heightBelowHeader = 0;
    int headerHeight = 0;
    int linesFitPartly = 0;
    int linesFitWholly = 0;
    int columnCount = 0;
    std::vector<int> columnEdges{0};  // left edge of every column, then the right edge of the last
    std::vector<TLColumnRecord> columns;

    int TotalLines() const { return rowCount + extraLines; }
    int ColumnLeft(int c) const { return columnEdges[size_t(c)]; }
    int ColumnWidth(int c) const { return columnEdges[size_t(c) + 1] - columnEdges[size_t(c)]; }
    int RightEdge() const { return columnEdges.back(); }
    bool Wraps(int c) const { return (columns[size_t(c)].textFlags & TLTF_SINGLELINE) == 0; }
};
