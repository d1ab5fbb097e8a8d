#pragma once

#include <QSizeF>

// How the picture of a grid goes onto pages: scaled to the printable width with the header above every
// page's band of lines, or, when all lines fit one page, scaled to fit the page both ways. Sizes are in
// the grid's pixels; the printable size is the page less its margins in the same units.
struct GridPrintLayout {
    qreal scale = 1.0;
    int linesPerPage = 1;
    int pages = 1;
    int totalLines = 0;

    static GridPrintLayout Of(QSizeF printable, int pictureWidth, int headerHeight, int rowHeight,
                              int totalLines);
    // The first line of a page (0 the first page) and the number of lines it shows.
    int FirstLine(int page) const { return page * linesPerPage; }
    int LinesOn(int page) const;
};
