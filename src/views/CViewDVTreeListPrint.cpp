// Printing and the off-screen picture of CViewDVTreeList.
#include "views/CViewDVTreeList.h"

#include "controls/treelist/TreeListDeviceFont.h"
#include "platform/DVMessageBox.h"
#include "views/CDVViewHost.h"
#include "views/GridPrintLayout.h"

#include <QHeaderView>
#include <QPainter>
#include <QPrinter>
#include <QStyleOptionHeader>

#include <memory>
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
    painter.save();
    painter.setFont(TreeListDeviceFont::Scaled(
        header->font(), TreeListDeviceFont::Scale(m_grid->logicalDpiY(), painter.device())));
    for (int c = 0; c < layout->columnCount; ++c) {
        const int width = layout->ColumnWidth(c);
        if (width <= 0) {
            continue;
        }
        QStyleOptionHeader option;
        option.initFrom(header);
        option.rect = QRect(layout->ColumnLeft(c) - layout->hpos, 0, width, layout->headerHeight);
        option.section = c;
        option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        option.orientation = Qt::Horizontal;
        option.state |= QStyle::State_Horizontal | QStyle::State_Enabled;
        // A text too long for its column ends in an ellipsis instead of being cut through a letter.
        const int room = header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header).width();
        option.text =
            option.fontMetrics.elidedText(layout->columns[size_t(c)].headerText, Qt::ElideRight, room);
        painter.save();
        painter.setClipRect(option.rect, Qt::IntersectClip);
        header->style()->drawControl(QStyle::CE_Header, &option, &painter, header);
        painter.restore();
    }
    painter.restore();
}

bool CViewDVTreeList::PrintTo(QPrinter& printer) {
    const bool fullPage = printer.fullPage();
    printer.setFullPage(true);
    std::function<bool(int)> wanted;
    if (printer.printRange() == QPrinter::PageRange && !printer.pageRanges().isEmpty()) {
        wanted = [ranges = printer.pageRanges()](int page) { return ranges.contains(page + 1); };
    }
    QPainter painter;
    bool refused = false;
    const QSizeF paper = printer.paperRect(QPrinter::DevicePixel).size();
    m_nLastPageCount = PaintPages(
        [&](int painted) -> QPainter* {
            if (painted == 0) {
                refused = !painter.begin(&printer);
                return refused ? nullptr : &painter;
            }
            return printer.newPage() ? &painter : nullptr;
        },
        paper, printer.resolution(), wanted);
    if (painter.isActive()) {
        painter.end();
    }
    // A page range holds for the print it was chosen for.
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFullPage(fullPage);
    return !refused;
}

qreal CViewDVTreeList::ScreenDpi() const {
    return logicalDpiX() > 0 ? logicalDpiX() : 96;
}

int CViewDVTreeList::PaintPages(const std::function<QPainter*(int page)>& beginPage, QSizeF paper,
                                qreal deviceDpi, const std::function<bool(int page)>& wanted) {
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
    const int allLines = layout->TotalLines() + 1;
    layout->hpos = 0;
    layout->clientWidth = layout->RightEdge();
    layout->heightBelowHeader = allLines * rowHeight;
    layout->clientHeight = layout->headerHeight + allLines * rowHeight;
    layout->linesFitPartly = layout->linesFitWholly = allLines;

    // Logical units are screen pixels scaled to the device's resolution.
    const qreal toDevice = deviceDpi / ScreenDpi();
    const qreal margin = MarginMm / 25.4 * ScreenDpi();
    const QSizeF printable(paper.width() / toDevice - 2 * margin, paper.height() / toDevice - 2 * margin);
    const GridPrintLayout pages = GridPrintLayout::Of(printable, layout->RightEdge(), layout->headerHeight,
                                                      rowHeight, layout->TotalLines());
    // A page's band starts at a line, which may lie inside a wrapped row: the grid paints from the row
    // that holds it, shifted up by the lines of that row the page before showed.
    struct Start {
        int row = 0;
        int offset = 0;
    };
    std::vector<Start> starts(size_t(pages.pages));
    if (m_grid->GetRowCount() > 0) {
        for (int page = 0; page < pages.pages; ++page) {
            const int line = pages.FirstLine(page);
            const int row = RowAtLine(line);
            starts[size_t(page)] = {row, line - FirstLineOfRow(row)};
        }
    }
    const int headerHeight = layout->headerHeight;
    int printed = 0;
    for (int page = 0; page < pages.pages; ++page) {
        if (wanted && !wanted(page)) {
            continue;
        }
        QPainter* painter = beginPage(printed);
        if (painter == nullptr) {
            break;
        }
        const Start start = starts[size_t(page)];
        const int lines = pages.LinesOn(page);
        if (m_grid->GetRowCount() > 0) {
            layout->linesFitWholly = 1;  // any row may be the top one while printing
            m_grid->SelectItem(m_grid->GetItemOfRow(start.row), TVGN_FIRSTVISIBLE);
        }
        layout->linesFitPartly = layout->linesFitWholly = start.offset + lines;
        const int bandBottom = headerHeight + lines * rowHeight;
        painter->save();
        painter->scale(toDevice, toDevice);
        painter->translate(margin, margin);
        painter->scale(pages.scale, pages.scale);
        painter->save();
        painter->setClipRect(QRect(0, headerHeight, layout->RightEdge(), lines * rowHeight));
        painter->translate(0, -start.offset * rowHeight);
        m_grid->Paint(*painter, true);
        painter->restore();
        PaintHeader(*painter);
        painter->setPen(QPen(Qt::black, 0));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(0, 0, std::max(1, layout->RightEdge()), bandBottom));
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

int CViewDVTreeList::FirstLineOfRow(int row) const {
    // Item rectangles count from the first shown line, which is the first line while pages are laid out.
    QRect rect;
    m_grid->GetItemRect(m_grid->GetItemOfRow(row), &rect, false, 0);
    return rect.top() / std::max(1, m_grid->GetLayout()->rowHeight);
}

int CViewDVTreeList::RowAtLine(int line) const {
    // Rows may wrap over several lines, so the rows are searched by their first line.
    int low = 0;
    int high = std::max(0, m_grid->GetRowCount() - 1);
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (FirstLineOfRow(mid) <= line) {
            low = mid;
        } else {
            high = mid - 1;
        }
    }
    return low;
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
