#include "views/GridPrintLayout.h"

#include <algorithm>
#include <cmath>

GridPrintLayout GridPrintLayout::Of(QSizeF printable, int pictureWidth, int headerHeight, int rowHeight,
                                    int totalLines) {
    GridPrintLayout layout;
    layout.totalLines = std::max(0, totalLines);
    rowHeight = std::max(1, rowHeight);
    const int pictureHeight = std::max(1, headerHeight + layout.totalLines * rowHeight);
    const qreal scaleW = printable.width() / std::max(1, pictureWidth);
    const qreal scaleH = printable.height() / pictureHeight;
    // A page too small for the header and one line still shows one line.
    layout.linesPerPage =
        std::max(1, int(std::floor((printable.height() - headerHeight * scaleW) / (rowHeight * scaleW))));
    layout.pages = std::max(1, (layout.totalLines + layout.linesPerPage - 1) / layout.linesPerPage);
    layout.scale = layout.pages == 1 ? std::min(scaleW, scaleH) : scaleW;
    return layout;
}

int GridPrintLayout::LinesOn(int page) const {
    return pages == 1 ? totalLines : std::clamp(totalLines - FirstLine(page), 0, linesPerPage);
}
