#pragma once

#include "controls/treelist/TreeListColumnLayout.h"
#include "controls/treelist/TreeListImageList.h"
#include "controls/treelist/TreeListItemTable.h"
#include "controls/treelist/TreeListLayout.h"
#include "controls/treelist/TreeListRows.h"

#include <QFont>
#include <QFontMetrics>
#include <QRect>

// Supplies the texts and images of callback cells (the parent is asked through a notification).
class TreeListCellSource {
public:
    virtual QString DisplayText(HTREEITEM h, int column) = 0;
    virtual int DisplayImage(HTREEITEM h, int column) = 0;

protected:
    ~TreeListCellSource() = default;
};

// Where the parts of a cell lie, in content coordinates (x from the left edge of column 0, y from the
// top of the row).
struct TreeListCellParts {
    QRect cell;
    QRect button;      // column 0 with buttons and children
    QRect stateImage;  // row check box, or cell check image in modes 6 and 7
    QRect image;
    int textLeft = 0;
};

// The state shared by the widget and its helpers.
struct TreeListState {
    TLLayout layout;
    TreeListItemTable items;
    TreeListRows rows{items, layout};
    TreeListColumnLayout columns{layout};
    quint32 style = 0;
    quint32 exStyle = 0;
    QFont font;
    QFont boldFont;
    TLImageList images[5];
    bool rowHeightSet = false;
    int indent = 19;
    int topRow = 0;
    HTREEITEM caret = 0;
    int caretColumn = 0;
    int selectedCount = 0;
    HTREEITEM anchor = 0;
    HTREEITEM dropTarget = 0;
    int dropColumn = 0;
    HTREEITEM insertMark = 0;
    bool insertMarkAfter = false;
    bool enabled = true;
    bool focused = false;
    bool toolTips = true;
    size_t userDataSize = 0;

    bool HasStyle(quint32 s) const { return (style & s) != 0; }
    bool HasExStyle(quint32 s) const { return (exStyle & s) != 0; }
    bool IsValidColumn(int c) const { return c >= 0 && c < layout.columnCount; }
    const QFont& FontOf(HTREEITEM h) const { return (items[h].main.state & TVIS_BOLD) ? boldFont : font; }
    // Image list of the cell images, the normal list unless set.
    const TLImageList& CellImages() const {
        return images[TLSIL_CELLIMAGE].IsEmpty() ? images[0] : images[4];
    }
    bool HasCheckMode(int column) const;
    // Indent of a row's tree part in column 0: the levels plus the root level with lines at root.
    int TreeIndent(HTREEITEM h) const;
    TreeListCellParts Parts(HTREEITEM h, int column, int imageIndex) const;
    int TopLine() { return rows.FirstLine(topRow); }
    // Top row index of the last page: the last row cannot be scrolled above it. lines gets the first
    // line of that row, found from the end so that no numbering of all rows is needed.
    int MaxTopRow(int* line = nullptr);
};
