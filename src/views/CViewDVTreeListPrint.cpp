// Printing and the off-screen picture of CViewDVTreeList.
#include "views/CViewDVTreeList.h"

#include <QHeaderView>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStyleOptionHeader>

#include <cmath>
#include <vector>

namespace {

// Margins of the printed page: 10 mm on every side.
constexpr qreal MarginMm = 10.0;

// The grid's figures that printing overwrites, given back afterwards.
struct SavedFigures {
    int hpos;
    int clientWidth;
    int clientHeight;
    int heightBelowHeader;
    int linesFitPartly;
    int linesFitWholly;
};

}  // namespace

void CViewDVTreeList::PaintHeader(QPainter& painter) const {
    const TLLayout* layout = m_grid->GetLayout();
    QHeaderView* header = m_grid->GetHeader();
    if (header == nullptr || layout->headerHeight <= 0) {
        return;
    }
    for (int c = 0; c < layout->columnCount; ++c) {
        const int width = layout->ColumnWidth(c);
        if (width <= 0) {
            continue;
        }
        QStyleOptionHeader option;
        option.initFrom(header);
        option.rect = QRect(layout->ColumnLeft(c) - layout->hpos, 0, width, layout->headerHeight);
        option.section = c;
        option.text = layout->columns[size_t(c)].headerText;
        option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        option.orientation = Qt::Horizontal;
        option.state |= QStyle::State_Horizontal | QStyle::State_Enabled;
        header->style()->drawControl(QStyle::CE_Header, &option, &painter, header);
    }
}

void CViewDVTreeList::PrintTo(QPrinter& printer) {
    printer.setFullPage(true);
    QPainter painter;
    const QSizeF paper = printer.paperRect(QPrinter::DevicePixel).size();
    m_nLastPageCount = PaintPages(
        [&](int page) -> QPainter* {
            if (page == 0) {
                return painter.begin(&printer) ? &painter : nullptr;
            }
            return printer.newPage() ? &painter : nullptr;
        },
        paper, printer.resolution(), [&printer](int pages) { printer.setFromTo(1, pages); });
    if (painter.isActive()) {
        painter.end();
    }
}

int CViewDVTreeList::PaintPages(const std::function<QPainter*(int page)>& beginPage, QSizeF paper,
                                qreal deviceDpi, const std::function<void(int pages)>& pageCount) {
    if (m_grid == nullptr || m_grid->GetLayout() == nullptr || paper.isEmpty() || deviceDpi <= 0) {
        return 0;
    }
    TLLayout* layout = m_grid->GetLayout();
    // The selection would print highlighted: it is put aside and the grid starts at its first row.
    const HTREEITEM selection = SelectedItem();
    m_grid->SelectItem(0, TVGN_CARET);
    if (const HTREEITEM first = m_grid->GetNextItem(0, TVGN_ROOT)) {
        m_grid->SelectItem(first, TVGN_FIRSTVISIBLE);
    }
    m_grid->ComputeAllLineBreaks();
    const SavedFigures saved{layout->hpos,           layout->clientWidth,
                             layout->clientHeight,   layout->heightBelowHeader,
                             layout->linesFitPartly, layout->linesFitWholly};
    const int rowHeight = std::max(1, layout->rowHeight);
    const int totalLines = layout->TotalLines();
    const int allLines = totalLines + 1;
    layout->hpos = 0;
    layout->clientWidth = layout->RightEdge();
    layout->heightBelowHeader = allLines * rowHeight;
    layout->clientHeight = layout->headerHeight + allLines * rowHeight;
    layout->linesFitPartly = layout->linesFitWholly = allLines;

    const int pictureWidth = std::max(1, layout->RightEdge());
    const int headerHeight = layout->headerHeight;
    const int pictureHeight = std::max(1, headerHeight + totalLines * rowHeight);
    // Logical units are screen pixels scaled to the device's resolution.
    const qreal screenDpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    const qreal toDevice = deviceDpi / screenDpi;
    const qreal margin = MarginMm / 25.4 * screenDpi;
    const qreal printableWidth = paper.width() / toDevice - 2 * margin;
    const qreal printableHeight = paper.height() / toDevice - 2 * margin;
    const qreal scaleW = printableWidth / pictureWidth;
    const qreal scaleH = printableHeight / pictureHeight;
    const int linesPerPage =
        std::max(1, int(std::floor((printableHeight - headerHeight * scaleW) / (rowHeight * scaleW))));
    const int pages = std::max(1, (totalLines + linesPerPage - 1) / linesPerPage);
    if (pageCount) {
        pageCount(pages);
    }
    // Row of a line: rows may wrap over several lines, so the rows are searched by their first line.
    auto firstLineOf = [&](int row) {
        QRect rect;
        m_grid->GetItemRect(m_grid->GetItemOfRow(row), &rect, false, 0);
        return rect.top() / rowHeight;
    };
    std::vector<int> pageRows;
    std::vector<int> pageOffsets;
    for (int page = 0; page < pages; ++page) {
        const int line = page * linesPerPage;
        int low = 0;
        int high = std::max(0, m_grid->GetRowCount() - 1);
        while (low < high) {
            const int mid = (low + high + 1) / 2;
            if (firstLineOf(mid) <= line) {
                low = mid;
            } else {
                high = mid - 1;
            }
        }
        pageRows.push_back(low);
        pageOffsets.push_back(m_grid->GetRowCount() > 0 ? line - firstLineOf(low) : 0);
    }
    int printed = 0;
    for (int page = 0; page < pages; ++page) {
        QPainter* painter = beginPage(page);
        if (painter == nullptr) {
            break;
        }
        // The grid paints from the page's first row: any row may be the top one while printing.
        layout->linesFitWholly = 1;
        if (m_grid->GetRowCount() > 0) {
            m_grid->SelectItem(m_grid->GetItemOfRow(pageRows[size_t(page)]), TVGN_FIRSTVISIBLE);
        }
        const int lines = pages == 1 ? totalLines : std::min(linesPerPage, totalLines - page * linesPerPage);
        layout->linesFitPartly = layout->linesFitWholly = pageOffsets[size_t(page)] + lines;
        painter->save();
        painter->scale(toDevice, toDevice);
        painter->translate(margin, margin);
        // One page fits both ways; longer grids repeat the header above each band of lines.
        const qreal scale = pages == 1 ? std::min(scaleW, scaleH) : scaleW;
        painter->scale(scale, scale);
        painter->save();
        painter->translate(0, -pageOffsets[size_t(page)] * rowHeight);
        m_grid->Paint(*painter, true);
        painter->restore();
        // A row cut at the page break shows only its part of the band.
        const int bandBottom = headerHeight + lines * rowHeight;
        constexpr qreal Far = 100000;
        painter->fillRect(QRectF(-Far, -Far, 2 * Far, Far + headerHeight), Qt::white);
        painter->fillRect(QRectF(-Far, bandBottom, 2 * Far, Far), Qt::white);
        PaintHeader(*painter);
        painter->setPen(QPen(Qt::black, 0));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(0, 0, pictureWidth, bandBottom));
        painter->restore();
        ++printed;
    }
    if (const HTREEITEM first = m_grid->GetNextItem(0, TVGN_ROOT)) {
        layout->linesFitWholly = 1;
        m_grid->SelectItem(first, TVGN_FIRSTVISIBLE);
    }

    layout->hpos = saved.hpos;
    layout->clientWidth = saved.clientWidth;
    layout->clientHeight = saved.clientHeight;
    layout->heightBelowHeader = saved.heightBelowHeader;
    layout->linesFitPartly = saved.linesFitPartly;
    layout->linesFitWholly = saved.linesFitWholly;
    if (selection != 0) {
        m_grid->SelectItem(selection, TVGN_CARET);
        m_grid->EnsureVisible(selection);
    }
    m_grid->viewport()->update();
    return printed;
}

void CViewDVTreeList::ShowPrintDialog(bool preview, bool direct) {
    QPrinter printer(QPrinter::HighResolution);
    if (preview) {
        QPrintPreviewDialog dialog(&printer, this);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
                [this](QPrinter* target) { PrintTo(*target); });
        dialog.exec();
        return;
    }
    if (!direct) {
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted) {
            return;
        }
    }
    PrintTo(printer);
}

void CViewDVTreeList::RenderToBitmap() {
    if (m_grid == nullptr) {
        return;
    }
    const TLLayout* layout = m_grid->GetLayout();
    const int width = std::max(1, layout->clientWidth);
    const int height = std::max(1, layout->clientHeight);
    m_renderBitmap = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
    m_renderBitmap.fill(Qt::white);
    QPainter painter(&m_renderBitmap);
    m_grid->Paint(painter, false);
    PaintHeader(painter);

    const int rowHeight = std::max(1, layout->rowHeight);
    const int totalLines = layout->TotalLines();
    const int contentHeight = layout->headerHeight + totalLines * rowHeight;
    const QRect clip(0, 0, width + 4, contentHeight + 8);
    painter.setClipRect(clip);
    const COLORREF line = m_grid->GetBkColor(3);
    const QColor lineColour(int(line & 0xFF), int((line >> 8) & 0xFF), int((line >> 16) & 0xFF));
    painter.setPen(QPen(lineColour, 1));
    painter.drawLine(0, 0, 0, contentHeight - 1);
    painter.drawLine(width, 0, width, contentHeight - 1);
    painter.setBrush(Qt::white);
    const int linesThatFit = std::min(totalLines, (layout->clientHeight - layout->headerHeight) / rowHeight);
    const int right = layout->RightEdge() - layout->hpos + 1;
    painter.drawRect(QRect(QPoint(right, 0), clip.bottomRight()));
    painter.drawRect(QRect(QPoint(0, layout->headerHeight + linesThatFit * rowHeight), clip.bottomRight()));
}
