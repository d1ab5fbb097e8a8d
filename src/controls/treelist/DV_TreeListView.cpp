// Scrolling, geometry and painting of DV_TreeList.
#include "controls/treelist/DV_TreeList.h"

#include "controls/treelist/TreeListDeviceFont.h"
#include "controls/treelist/TreeListPainter.h"

#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <climits>

namespace {

constexpr int kWheelUnitsPerRow = 60;
constexpr int kHorizontalStep = 16;

}  // namespace

void DV_TreeList::UpdatePageFigures() {
    TLLayout& l = m_s.layout;
    const int width = viewport()->width();
    const int height = viewport()->height();
    if (width != m_spreadWidth) {
        m_s.columns.Spread(width - m_spreadWidth);
        m_spreadWidth = width;
    }
    l.clientWidth = width;
    l.heightBelowHeader = height;
    l.clientHeight = height + l.headerHeight;
    l.linesFitPartly = (height + l.rowHeight - 1) / l.rowHeight;
    l.linesFitWholly = height / l.rowHeight;
    if (m_header) {
        const int frame = frameWidth();
        m_header->setGeometry(frame, frame, width, l.headerHeight);
        m_header->setOffset(l.hpos);
    }
}

void DV_TreeList::ScheduleScrollBars() {
    Invalidate();
    if (m_scrollBarsPending) {
        return;
    }
    m_scrollBarsPending = true;
    QMetaObject::invokeMethod(
        this, [this] { UpdateScrollBars(); }, Qt::QueuedConnection);
}

void DV_TreeList::UpdateScrollBars() {
    m_scrollBarsPending = false;
    ClampTopRow();
    int maxLine = 0;
    m_s.MaxTopRow(&maxLine);
    m_syncingScroll = true;
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, std::max(0, maxLine));
    v->setPageStep(std::max(1, m_s.layout.linesFitWholly));
    v->setSingleStep(1);
    v->setValue(m_s.TopLine());
    m_s.layout.firstLine = m_s.TopLine();
    QScrollBar* h = horizontalScrollBar();
    const int maxPos = std::max(0, m_s.layout.RightEdge() - viewport()->width());
    h->setRange(0, maxPos);
    h->setPageStep(std::max(1, viewport()->width()));
    h->setSingleStep(kHorizontalStep);
    m_s.layout.hpos = std::clamp(m_s.layout.hpos, 0, maxPos);
    h->setValue(m_s.layout.hpos);
    m_syncingScroll = false;
    if (m_header) {
        m_header->setOffset(m_s.layout.hpos);
    }
}

void DV_TreeList::SetTopRow(int row) {
    row = std::clamp(row, 0, m_s.MaxTopRow());
    if (row != m_s.topRow) {
        if (m_editor.IsOpen()) {
            EndEditLabelNow(false);  // the editor would stay over another row
        }
        m_s.topRow = row;
        m_toolTipTimer.stop();
        Invalidate();
    }
    m_s.layout.firstLine = m_s.TopLine();
    m_syncingScroll = true;
    verticalScrollBar()->setValue(m_s.layout.firstLine);
    m_syncingScroll = false;
}

void DV_TreeList::SetHorizontalPos(int pos) {
    pos = std::clamp(pos, 0, std::max(0, m_s.layout.RightEdge() - viewport()->width()));
    if (pos == m_s.layout.hpos) {
        return;
    }
    if (m_editor.IsOpen()) {
        EndEditLabelNow(false);
    }
    m_s.layout.hpos = pos;
    if (m_header) {
        m_header->setOffset(pos);
    }
    m_syncingScroll = true;
    horizontalScrollBar()->setValue(pos);
    m_syncingScroll = false;
    Invalidate();
}

void DV_TreeList::OnVerticalAction(int action) {
    // Vertical scrolling always stops at the first line of a row.
    const int page = std::max(1, m_s.layout.linesFitWholly - 1);
    int row = m_s.topRow;
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            ++row;
            break;
        case QAbstractSlider::SliderSingleStepSub:
            --row;
            break;
        case QAbstractSlider::SliderPageStepAdd:
            row = std::max(row + 1, m_s.rows.RowAtLine(m_s.TopLine() + page));
            break;
        case QAbstractSlider::SliderPageStepSub:
            row = std::min(row - 1, m_s.rows.RowAtLine(std::max(0, m_s.TopLine() - page)));
            break;
        case QAbstractSlider::SliderToMinimum:
            row = 0;
            break;
        case QAbstractSlider::SliderToMaximum:
            row = m_s.MaxTopRow();
            break;
        default:
            return;
    }
    row = std::clamp(row, 0, m_s.MaxTopRow());
    verticalScrollBar()->setSliderPosition(m_s.rows.FirstLine(row));
}

void DV_TreeList::OnVerticalValue(int value) {
    if (!m_syncingScroll) {
        SetTopRow(m_s.rows.RowAtLine(value));
    }
}

void DV_TreeList::OnHorizontalValue(int value) {
    if (!m_syncingScroll) {
        SetHorizontalPos(value);
    }
}

void DV_TreeList::wheelEvent(QWheelEvent* event) {
    const bool blocked = event->buttons() != Qt::NoButton ||
                         (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) ||
                         m_editor.IsOpen() || m_s.HasStyle(TVS_NOSCROLL);
    if (blocked) {
        event->ignore();
        return;
    }
    const QPoint delta = event->angleDelta();
    if (delta.y() != 0) {
        m_wheelRemainder += delta.y();
        const int rows = m_wheelRemainder / kWheelUnitsPerRow;
        m_wheelRemainder -= rows * kWheelUnitsPerRow;
        SetTopRow(m_s.topRow - rows);
    } else if (delta.x() != 0) {
        SetHorizontalPos(m_s.layout.hpos - delta.x() / 120 * kHorizontalStep * 3);
    }
    event->accept();
}

void DV_TreeList::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdatePageFigures();
    SyncHeader();
    UpdateScrollBars();
}

int DV_TreeList::RowAt(int y, int* rowTop) {
    if (y < 0) {
        return -1;
    }
    const int rh = m_s.layout.rowHeight;
    int top = 0;
    for (int r = m_s.topRow; r < m_s.rows.Count() && top <= viewport()->height(); ++r) {
        const int height = m_s.rows.Lines(r) * rh;
        if (y < top + height) {
            if (rowTop) {
                *rowTop = top;
            }
            return r;
        }
        top += height;
    }
    return -1;
}

int DV_TreeList::ColumnAt(int x) const {
    const int content = x + m_s.layout.hpos;
    const auto& edges = m_s.layout.columnEdges;
    if (content < 0 || content >= edges.back()) {
        return -1;
    }
    const int c = int(std::upper_bound(edges.begin(), edges.end(), content) - edges.begin()) - 1;
    return std::clamp(c, 0, m_s.layout.columnCount - 1);
}

QRect DV_TreeList::CellRect(HTREEITEM h, int column) {
    const int row = m_s.rows.RowOf(h);
    const int y = (m_s.rows.FirstLine(row) - m_s.TopLine()) * m_s.layout.rowHeight;
    return QRect(m_s.layout.ColumnLeft(column) - m_s.layout.hpos, y, m_s.layout.ColumnWidth(column),
                 m_s.rows.Lines(row) * m_s.layout.rowHeight);
}

void DV_TreeList::InvalidateItem(HTREEITEM h) {
    if (IsItem(h) && m_s.items[h].shown) {
        Invalidate();
    }
}

void DV_TreeList::Invalidate() {
    if (!m_updatePending || !viewport()->isVisible()) {
        m_updatePending = true;
        viewport()->update();
    }
}

void DV_TreeList::paintEvent(QPaintEvent* event) {
    m_updatePending = false;
    // Figures a print preparation left in the layout record do not outlive the picture.
    UpdatePageFigures();
    if (m_scrollBarsPending) {
        UpdateScrollBars();
    }
    QPainter p(viewport());
    TreeListPainter::Frame frame;
    frame.area = event->rect();
    frame.firstRow = m_s.topRow;
    frame.hpos = m_s.layout.hpos;
    frame.maxLines = INT_MAX;
    const int extraLines = m_s.layout.extraLines;
    TreeListPainter(m_s, *this, palette()).Paint(p, frame);
    if (m_s.layout.extraLines != extraLines) {
        ScheduleScrollBars();
    }
}

void DV_TreeList::Paint(QPainter& painter, bool printMode) {
    const TLLayout& l = m_s.layout;
    TreeListPainter::Frame frame;
    frame.yOrigin = l.headerHeight;
    frame.firstRow = m_s.topRow;
    frame.hpos = l.hpos;
    frame.maxLines = l.linesFitPartly;
    frame.printing = true;
    frame.fontScale = TreeListDeviceFont::Scale(logicalDpiY(), painter.device());
    if (printMode) {
        frame.area = QRect(0, l.headerHeight, l.RightEdge(), (l.TotalLines() + 1) * l.rowHeight);
    } else {
        frame.area = QRect(0, l.headerHeight, l.clientWidth, l.heightBelowHeader);
    }
    TreeListPainter(m_s, *this, palette()).Paint(painter, frame);
}

void DV_TreeList::ComputeAllLineBreaks() {
    for (int r = 0; r < m_s.rows.Count(); ++r) {
        TreeListPainter::UpdateRowLines(m_s, *this, r);
    }
    ScheduleScrollBars();
}

bool DV_TreeList::GetItemRect(HTREEITEM h, QRect* rect, bool textOnly, int column) {
    if (!rect || !IsItem(h) || !m_s.items[h].shown || !m_s.IsValidColumn(column)) {
        return false;
    }
    QRect cell = CellRect(h, column);
    if (!textOnly) {
        *rect =
            column == 0 ? QRect(-m_s.layout.hpos, cell.top(), m_s.layout.RightEdge(), cell.height()) : cell;
        return true;
    }
    const TreeListCellParts parts = m_s.Parts(h, column, GetItemImage(h, column));
    const int left = parts.textLeft - m_s.layout.hpos;
    const int width = QFontMetrics(m_s.FontOf(h)).horizontalAdvance(GetItemText(h, column));
    *rect = QRect(left, cell.top(), std::min(width + 2, cell.right() - left), m_s.layout.rowHeight);
    return true;
}

HTREEITEM DV_TreeList::HitTest(TLHitTestInfo& info) {
    info.flags = 0;
    info.hItem = 0;
    info.column = -1;
    const QPoint pt = info.pt;
    if (pt.y() < 0) {
        info.flags |= TVHT_ABOVE;
    } else if (pt.y() >= viewport()->height()) {
        info.flags |= TVHT_BELOW;
    }
    if (pt.x() < 0) {
        info.flags |= TVHT_TOLEFT;
    } else if (pt.x() >= viewport()->width()) {
        info.flags |= TVHT_TORIGHT;
    }
    if (info.flags) {
        return 0;
    }
    int rowTop = 0;
    const int row = RowAt(pt.y(), &rowTop);
    if (row < 0) {
        info.flags = TVHT_NOWHERE;
        return 0;
    }
    const HTREEITEM h = m_s.rows.At(row);
    info.hItem = h;
    info.column = ColumnAt(pt.x());
    if (info.column < 0) {
        info.flags = TVHT_ONITEMRIGHT;
        return h;
    }
    const TreeListCellParts parts = m_s.Parts(h, info.column, GetItemImage(h, info.column));
    const QPoint local(pt.x() + m_s.layout.hpos, pt.y() - rowTop);
    if (parts.button.adjusted(-2, -2, 2, 2).contains(local)) {
        info.flags = TVHT_ONITEMBUTTON;
    } else if (parts.stateImage.contains(local)) {
        info.flags = TVHT_ONITEMSTATEICON;
    } else if (parts.image.contains(local)) {
        info.flags = TVHT_ONITEMICON;
    } else if (local.x() < parts.textLeft) {
        info.flags = TVHT_ONITEMINDENT;
    } else {
        const int width = QFontMetrics(m_s.FontOf(h)).horizontalAdvance(GetItemText(h, info.column));
        info.flags = local.x() < parts.textLeft + width + 2 ? TVHT_ONITEMLABEL : TVHT_ONITEMRIGHT;
    }
    return h;
}

QPixmap DV_TreeList::CreateDragImage(HTREEITEM h) {
    if (!IsItem(h)) {
        return QPixmap();
    }
    const QString text = GetItemText(h, 0);
    const QFontMetrics fm(m_s.FontOf(h));
    const int image = GetItemImage(h, 0);
    const int imageWidth = m_s.images[0].Has(image) ? m_s.images[0].Width() + 2 : 0;
    QPixmap pm(imageWidth + fm.horizontalAdvance(text) + 4, m_s.layout.rowHeight);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    if (imageWidth) {
        m_s.images[0].icons[image].paint(
            &p, QRect(QPoint(0, (pm.height() - m_s.images[0].Height()) / 2), m_s.images[0].size));
    }
    p.setFont(m_s.FontOf(h));
    p.setPen(palette().color(QPalette::Text));
    p.drawText(QRect(imageWidth + 2, 0, pm.width(), pm.height()), Qt::AlignVCenter | Qt::AlignLeft, text);
    return pm;
}
