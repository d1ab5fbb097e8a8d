#pragma once

#include "controls/treelist/TreeListState.h"

#include <QPalette>

class QPainter;

// Paints the rows area. Only the rows inside the painted band are touched, so the cost does not grow
// with the number of rows. A clip the painter already has narrows the band: texts outside it are left
// out rather than hidden, so that a printed page holds no text of the rows beyond its band.
class TreeListPainter {
public:
    struct Frame {
        QRect area;       // painted rectangle, in painter coordinates
        int yOrigin = 0;  // y of the first painted row
        int firstRow = 0;
        int hpos = 0;
        int maxLines = 0;       // lines painted at most
        bool printing = false;  // no focus frame in a picture
        qreal fontScale = 1.0;  // for devices of another resolution than the screen (TreeListDeviceFont)
    };

    TreeListPainter(TreeListState& state, TreeListCellSource& source, const QPalette& palette)
        : m_s(state), m_source(source), m_palette(palette) {}

    void Paint(QPainter& p, const Frame& frame);
    // Brings the line breaks of a row up to date with its column widths and texts; returns its lines.
    static int UpdateRowLines(TreeListState& s, TreeListCellSource& source, int row);

private:
    void PaintRow(QPainter& p, int row, int y, int hpos, const Frame& frame);
    void PaintCell(QPainter& p, HTREEITEM h, int column, int row, const QRect& rect, const QPoint& offset,
                   const Frame& frame);
    void PaintTreeLines(QPainter& p, HTREEITEM h, const QPoint& offset, const TreeListCellParts& parts);
    void PaintButton(QPainter& p, HTREEITEM h, const QRect& rect);
    QColor RowBackground(HTREEITEM h, int row, int column) const;
    QColor Slot(int slot) const;

    TreeListState& m_s;
    TreeListCellSource& m_source;
    const QPalette& m_palette;
};
