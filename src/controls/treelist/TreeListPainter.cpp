#include "controls/treelist/TreeListPainter.h"

#include "controls/treelist/TreeListColors.h"
#include "controls/treelist/TreeListDeviceFont.h"
#include "controls/treelist/TreeListTextWrap.h"

#include <QPainter>

#include <algorithm>

namespace {

// The longest prefix that fits, followed by "...".
QString CutText(const QFontMetrics& fm, const QString& text, int width) {
    if (fm.horizontalAdvance(text) <= width) {
        return text;
    }
    const QString dots = QStringLiteral("...");
    const int room = width - fm.horizontalAdvance(dots);
    int n = 0;
    int x = 0;
    while (n < text.size()) {
        const int w = fm.horizontalAdvance(text[n]);
        if (x + w > room) {
            break;
        }
        x += w;
        ++n;
    }
    return text.left(n) + dots;
}

// Room for the text: the cell width less the 2 pixels before the text (and its images).
int TextWidthOf(const TreeListCellParts& parts) {
    return parts.cell.left() + parts.cell.width() - parts.textLeft;
}

}  // namespace

QColor TreeListPainter::Slot(int slot) const {
    return TreeListColors::ToQColor(m_s.layout.colors[slot]);
}

int TreeListPainter::UpdateRowLines(TreeListState& s, TreeListCellSource& source, int row) {
    const HTREEITEM h = s.rows.At(row);
    int lines = 1;
    for (int c = 0; c < s.layout.columnCount; ++c) {
        if (!s.layout.Wraps(c) || s.layout.ColumnWidth(c) == 0) {
            continue;
        }
        const TreeListCell* found = s.items.FindCell(h, c);
        if (!found || (found->text.isEmpty() && !found->textCallback)) {
            continue;
        }
        TreeListCell& cell = s.items.Cell(h, c);
        const int image = c == 0 ? s.items[h].main.image : cell.image;
        const int width = std::max(1, TextWidthOf(s.Parts(h, c, image)));
        if (cell.breakWidth != width || cell.textCallback) {
            const QString text = cell.textCallback ? source.DisplayText(h, c) : cell.text;
            cell.breaks = TreeListTextWrap::Breaks(QFontMetrics(s.FontOf(h)), text, width);
            cell.breakWidth = width;
        }
        lines = std::max(lines, int(cell.breaks.size()) + 1);
    }
    s.rows.SetLines(row, lines);
    return lines;
}

void TreeListPainter::Paint(QPainter& p, const Frame& frame) {
    p.save();
    p.setClipRect(frame.area, Qt::IntersectClip);
    Frame band = frame;
    band.area = frame.area.intersected(p.clipBoundingRect().toAlignedRect());
    const bool grey = !m_s.enabled && m_s.HasExStyle(TLX_GREYDISABLED);
    p.fillRect(band.area, Slot(grey ? TreeListColors::Disabled : TreeListColors::Background));
    const int rh = m_s.layout.rowHeight;
    int y = frame.yOrigin;
    int lines = 0;
    for (int row = frame.firstRow;
         row < m_s.rows.Count() && lines < frame.maxLines && y <= band.area.bottom(); ++row) {
        const int n = UpdateRowLines(m_s, m_source, row);
        PaintRow(p, row, y, frame.hpos, band);
        y += n * rh;
        lines += n;
    }
    p.restore();
}

QColor TreeListPainter::RowBackground(HTREEITEM h, int row, int column) const {
    using namespace TreeListColors;
    const bool alternate = m_s.HasExStyle(TLX_ALTERNATEROWS);
    const bool second = (row % 2) == 1;
    const TLColumnRecord& record = m_s.layout.columns[size_t(column)];
    const TreeListItem& item = m_s.items[h];
    if ((item.main.state & TVIS_SELECTED) && m_s.HasExStyle(TLX_FULLROWSELECT)) {
        return Slot(alternate && !second ? SelectedOther : SelectedAlternate);
    }
    if (!m_s.enabled && m_s.HasExStyle(TLX_GREYDISABLED)) {
        return Slot(Disabled);
    }
    const TreeListCell* cell = column > 0 ? m_s.items.FindCell(h, column) : nullptr;
    if (cell && cell->bkColor != CLR_NONE) {
        return ToQColor(cell->bkColor);
    }
    if (item.main.bkColor != CLR_NONE) {
        return ToQColor(item.main.bkColor);
    }
    if (record.marked) {
        return Slot(alternate ? (second ? MarkedAlternate : MarkedOther) : Marked);
    }
    return Slot(alternate ? (second ? AlternateRow : OtherRow) : Background);
}

void TreeListPainter::PaintRow(QPainter& p, int row, int y, int hpos, const Frame& frame) {
    const HTREEITEM h = m_s.rows.At(row);
    const TreeListItem& item = m_s.items[h];
    const int height = item.lines * m_s.layout.rowHeight;
    const QPoint offset(-hpos, y);
    for (int c = 0; c < m_s.layout.columnCount; ++c) {
        const QRect rect(m_s.layout.ColumnLeft(c) - hpos, y, m_s.layout.ColumnWidth(c), height);
        if (rect.width() > 0 && rect.intersects(frame.area)) {
            PaintCell(p, h, c, row, rect, offset, frame);
        }
    }
    const QColor grid = Slot(TreeListColors::GridLines);
    const int right = m_s.layout.RightEdge() - hpos;
    if (m_s.HasExStyle(TLX_COLUMNLINES)) {
        p.setPen(grid);
        for (int c = 0; c < m_s.layout.columnCount; ++c) {
            const int x = m_s.layout.columnEdges[size_t(c) + 1] - hpos - 1;
            p.drawLine(x, y, x, y + height - 1);
        }
    }
    if (m_s.HasExStyle(TLX_ROWLINES)) {
        p.setPen(grid);
        p.drawLine(-hpos, y + height - 1, right - 1, y + height - 1);
    }
    if (h == m_s.insertMark) {
        const int my = m_s.insertMarkAfter ? y + height - 2 : y;
        p.fillRect(QRect(-hpos, my, right, 2), Slot(TreeListColors::InsertMark));
        p.setPen(Slot(TreeListColors::Text));
        p.drawRect(QRect(-hpos, my - 1, right - 1, 3));
    }
    if (h == m_s.caret && m_s.focused && !frame.printing) {
        const int c = m_s.HasExStyle(TLX_CELLSELECT) ? m_s.caretColumn : 0;
        QRect focus = m_s.HasExStyle(TLX_FULLROWSELECT) && !m_s.HasExStyle(TLX_CELLSELECT)
                          ? QRect(-hpos, y, right, height)
                          : QRect(m_s.layout.ColumnLeft(c) - hpos, y, m_s.layout.ColumnWidth(c), height);
        p.setPen(QPen(m_palette.color(QPalette::Text), 1, Qt::DotLine));
        p.drawRect(focus.adjusted(0, 0, -1, -1));
    }
}

void TreeListPainter::PaintCell(QPainter& p, HTREEITEM h, int column, int row, const QRect& rect,
                                const QPoint& offset, const Frame& frame) {
    const TreeListItem& item = m_s.items[h];
    const TreeListCell* cell = m_s.items.FindCell(h, column);
    const TLColumnRecord& record = m_s.layout.columns[size_t(column)];
    const quint32 state = cell ? cell->state : 0;
    const bool rowSelected = (item.main.state & TVIS_SELECTED) != 0;
    const bool fullRow = m_s.HasExStyle(TLX_FULLROWSELECT);
    const int selectedColumn = m_s.HasExStyle(TLX_CELLSELECT) ? m_s.caretColumn : 0;
    const bool cellHighlight =
        (rowSelected && !fullRow && column == selectedColumn) || (column > 0 && (state & TVIS_SELECTED));
    const bool dropped =
        (h == m_s.dropTarget && (!m_s.HasExStyle(TLX_CELLSELECT) || column == m_s.dropColumn)) ||
        ((item.main.state | state) & TVIS_DROPHILITED);
    p.fillRect(rect, RowBackground(h, row, column));
    p.save();
    p.setClipRect(rect, Qt::IntersectClip);

    int image = -1;
    if (column == 0) {
        image = item.main.imageCallback ? m_source.DisplayImage(h, 0)
                                        : (rowSelected ? item.selectedImage : item.main.image);
    } else if (cell) {
        image = cell->imageCallback ? m_source.DisplayImage(h, column) : cell->image;
    }
    TreeListCellParts parts = m_s.Parts(h, column, image);
    parts.button.translate(offset);
    parts.stateImage.translate(offset);
    parts.image.translate(offset);
    parts.cell.translate(offset);
    parts.textLeft += offset.x();

    if (column == 0) {
        if (m_s.HasStyle(TVS_HASLINES)) {
            PaintTreeLines(p, h, offset, parts);
        }
        if (!parts.button.isNull()) {
            PaintButton(p, h, parts.button);
        }
        if (!parts.stateImage.isNull()) {
            const int index = STATEIMAGEINDEX(item.main.state);
            if (m_s.images[TVSIL_STATE].Has(index)) {
                m_s.images[TVSIL_STATE].icons[index].paint(&p, parts.stateImage);
            }
        }
        if (!parts.image.isNull()) {
            m_s.images[0].icons[image].paint(&p, parts.image);
        }
    } else {
        if (!parts.stateImage.isNull()) {
            quint32 bits = state;
            if (record.editFlags & TLE_LOCKBIT) {
                bits &= ~TVIS_CELLLOCKED;
            }
            const int index = STATEIMAGEINDEX(bits);
            if (m_s.images[TLSIL_CELLSTATE].Has(index)) {
                m_s.images[TLSIL_CELLSTATE].icons[index].paint(&p, parts.stateImage);
            }
        }
        if (!parts.image.isNull()) {
            m_s.CellImages().icons[image].paint(&p, parts.image);
        }
    }

    const QString text = cell == nullptr        ? QString()
                         : (cell->textCallback) ? m_source.DisplayText(h, column)
                                                : cell->text;
    if (!text.isEmpty()) {
        const QFont& font = m_s.FontOf(h);
        const QFontMetrics fm(font);
        const int rh = m_s.layout.rowHeight;
        const int width = TextWidthOf(parts);
        QColor color = TreeListColors::ToQColor(m_s.layout.colors[TreeListColors::Text]);
        if (cell && cell->textColor != CLR_NONE) {
            color = TreeListColors::ToQColor(cell->textColor);
        } else if (item.main.textColor != CLR_NONE) {
            color = TreeListColors::ToQColor(item.main.textColor);
        }
        if ((item.main.state | state) & TVIS_CUT) {
            color = m_palette.color(QPalette::Disabled, QPalette::Text);
        }
        if (!m_s.enabled) {
            color = m_palette.color(QPalette::Disabled, QPalette::Text);
        }
        std::vector<QString> lines;
        if (record.textFlags & TLTF_SINGLELINE) {
            lines.push_back(CutText(fm, text, width));
        } else {
            for (size_t i = 0; i <= cell->breaks.size(); ++i) {
                lines.push_back(TreeListTextWrap::Line(text, cell->breaks, i));
            }
        }
        int widest = 0;
        for (const QString& line : lines) {
            widest = std::max(widest, fm.horizontalAdvance(line));
        }
        int x = parts.textLeft;
        if (record.align == LVCFMT_RIGHT) {
            x = std::max(parts.textLeft, parts.cell.right() - 2 - widest);
        } else if (record.align == LVCFMT_CENTER) {
            x = std::max(parts.textLeft, parts.textLeft + (width - widest) / 2);
        }
        if (cellHighlight || dropped) {
            const QRect band(x - 1, offset.y(), std::min(widest + 3, parts.cell.right() - x + 1),
                             int(lines.size()) * rh);
            p.fillRect(band, m_palette.color(m_s.focused ? QPalette::Active : QPalette::Inactive,
                                             QPalette::Highlight));
            color = m_palette.color(m_s.focused ? QPalette::Active : QPalette::Inactive,
                                    QPalette::HighlightedText);
        }
        p.setFont(TreeListDeviceFont::Scaled(font, frame.fontScale));
        p.setPen(color);
        for (size_t i = 0; i < lines.size(); ++i) {
            const QRect lineRect(x, offset.y() + int(i) * rh, parts.cell.right() - x, rh);
            if (!lineRect.intersects(frame.area)) {
                continue;
            }
            p.drawText(lineRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, lines[i]);
        }
    } else if (cellHighlight || dropped) {
        p.fillRect(QRect(parts.textLeft, offset.y(), 6, rect.height()), m_palette.color(QPalette::Highlight));
    }
    p.restore();
}

void TreeListPainter::PaintTreeLines(QPainter& p, HTREEITEM h, const QPoint& offset,
                                     const TreeListCellParts& parts) {
    const bool atRoot = m_s.HasStyle(TVS_LINESATROOT);
    const TreeListItem& item = m_s.items[h];
    if (item.level == 0 && !atRoot) {
        return;
    }
    const int rootLevel = atRoot ? 1 : 0;
    const int indent = m_s.indent;
    const int left = m_s.layout.ColumnLeft(0) + offset.x();
    const int top = offset.y();
    const int mid = top + m_s.layout.rowHeight / 2;
    const int bottom = top + item.lines * m_s.layout.rowHeight;
    auto centre = [&](int level) { return left + (level + rootLevel) * indent - indent / 2 - 1; };
    p.setPen(QPen(m_palette.color(QPalette::Dark), 1, Qt::DotLine));
    const int cx = centre(item.level);
    p.drawLine(cx, item.prev || item.parent ? top : mid, cx, item.next ? bottom : mid);
    p.drawLine(cx, mid, parts.textLeft - (parts.stateImage.isNull() && parts.image.isNull() ? 3 : indent / 2),
               mid);
    for (HTREEITEM a = item.parent; a; a = m_s.items[a].parent) {
        const TreeListItem& ancestor = m_s.items[a];
        if (ancestor.next && (ancestor.level > 0 || atRoot)) {
            const int ax = centre(ancestor.level);
            p.drawLine(ax, top, ax, bottom);
        }
    }
}

void TreeListPainter::PaintButton(QPainter& p, HTREEITEM h, const QRect& rect) {
    using namespace TreeListColors;
    p.fillRect(rect, Slot(ButtonInside));
    p.setPen(Slot(ButtonFrame));
    p.drawRect(rect.adjusted(0, 0, -1, -1));
    p.setPen(Slot(ButtonSign));
    const int cx = rect.left() + 4;
    const int cy = rect.top() + 4;
    p.drawLine(cx - 2, cy, cx + 2, cy);
    if (!(m_s.items[h].main.state & TVIS_EXPANDED)) {
        p.drawLine(cx, cy - 2, cx, cy + 2);
    }
}
