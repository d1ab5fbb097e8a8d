// Columns of DV_TreeList: column records, widths, edit settings and the header.
#include "controls/treelist/DV_TreeList.h"

#include "controls/treelist/TreeListHeaderModel.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

void DV_TreeList::CreateHeader() {
    m_headerModel = new TreeListHeaderModel(m_s, this);
    m_header = new QHeaderView(Qt::Horizontal, this);
    m_header->setModel(m_headerModel);
    m_header->setSectionsMovable(true);
    m_header->setSectionsClickable(true);
    m_header->setHighlightSections(false);
    m_header->setStretchLastSection(false);
    m_header->setMinimumSectionSize(0);
    m_header->setFont(m_s.font);
    m_header->setPalette(palette());
    m_header->setContextMenuPolicy(Qt::CustomContextMenu);
    m_header->viewport()->installEventFilter(this);
    connect(m_header, &QHeaderView::sectionResized, this,
            [this](int logical, int oldSize, int newSize) { OnSectionResized(logical, oldSize, newSize); });
    connect(m_header, &QHeaderView::sectionHandleDoubleClicked, this,
            [this](int logical) { OnSectionHandleDoubleClicked(logical); });
    connect(m_header, &QHeaderView::sectionClicked, this, [this](int logical) {
        TLNotify n;
        n.code = HDN_ITEMCLICKW;
        n.column = logical;
        Notify(n);
    });
    connect(m_header, &QHeaderView::sectionDoubleClicked, this, [this](int logical) {
        TLNotify n;
        n.code = HDN_ITEMDBLCLICKW;
        n.column = logical;
        Notify(n);
    });
    connect(m_header, &QHeaderView::customContextMenuRequested, this,
            [this](const QPoint& pos) { OnHeaderContextMenu(m_header->viewport()->mapToGlobal(pos)); });
}

bool DV_TreeList::eventFilter(QObject* watched, QEvent* event) {
    if (m_header && watched == m_header->viewport() && event->type() == QEvent::MouseButtonRelease) {
        // The header finishes its own drag first; the new order is looked at after that.
        QMetaObject::invokeMethod(
            this, [this] { OnHeaderReleased(); }, Qt::QueuedConnection);
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

void DV_TreeList::ResetHeader() {
    // The header re-creates its sections at default sizes: that is no user resizing a column.
    m_syncingHeader = true;
    m_headerModel->Reset();
    m_syncingHeader = false;
}

void DV_TreeList::SyncHeader() {
    if (!m_header) {
        return;
    }
    m_syncingHeader = true;
    const int count = m_s.layout.columnCount;
    const bool shown = count > 0 && !m_s.HasExStyle(TLX_NOHEADER);
    const int height = shown ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) + 8 : 0;
    m_s.layout.headerHeight = height;
    m_header->setFont(m_s.font);
    for (int c = 0; c < count; ++c) {
        m_header->resizeSection(c, m_s.layout.columns[size_t(c)].width);
        QHeaderView::ResizeMode mode = QHeaderView::Interactive;
        if (m_s.HasExStyle(TLX_FIXEDCOLUMNS) ||
            (m_s.HasExStyle(TLX_FITCOLUMNS) && m_header->visualIndex(c) == count - 1)) {
            mode = QHeaderView::Fixed;
        }
        m_header->setSectionResizeMode(c, mode);
    }
    m_header->setVisible(shown);
    m_syncingHeader = false;
    setViewportMargins(0, height, 0, 0);
    UpdatePageFigures();
}

int DV_TreeList::InsertColumn(int index, const TLColumn& column) {
    if (m_s.layout.columnCount >= TL_MAX_COLUMNS) {
        return -1;
    }
    if (!m_header) {
        CreateHeader();
    }
    UpdatePageFigures();  // earlier width changes go to the existing columns first
    const int at = m_s.columns.Insert(index, column, viewport()->width());
    if (at < 0) {
        return -1;
    }
    if (at > 0) {
        m_s.items.InsertColumn(at);
    }
    m_s.items.SetColumnCount(m_s.layout.columnCount);
    if (m_s.caretColumn >= at && m_s.layout.columnCount > 1) {
        ++m_s.caretColumn;
    }
    ResetHeader();
    RelayoutColumns();
    return at;
}

bool DV_TreeList::DeleteColumn(int index) {
    if (!m_s.IsValidColumn(index) || (index == 0 && m_s.layout.columnCount > 1)) {
        return false;
    }
    if (m_editor.IsOpen() && m_editColumn == index) {
        EndEditLabelNow(true);
    }
    m_s.columns.Delete(index);
    if (index > 0) {
        m_s.items.DeleteColumn(index);
    }
    m_s.items.SetColumnCount(m_s.layout.columnCount);
    if (m_s.caretColumn >= index) {
        m_s.caretColumn = std::max(0, m_s.caretColumn - 1);
    }
    ResetHeader();
    RelayoutColumns();
    return true;
}

bool DV_TreeList::GetColumn(int index, TLColumn& column) const {
    if (!m_s.IsValidColumn(index)) {
        return false;
    }
    m_s.columns.Read(index, column);
    return true;
}

bool DV_TreeList::SetColumn(int index, const TLColumn& column) {
    if (!m_s.IsValidColumn(index)) {
        return false;
    }
    m_s.columns.Apply(m_s.layout.columns[size_t(index)], column);
    m_headerModel->Changed(index);
    RelayoutColumns();
    return true;
}

int DV_TreeList::GetColumnWidth(int index) const {
    return m_s.IsValidColumn(index) ? m_s.layout.columns[size_t(index)].width : 0;
}

int DV_TreeList::SetColumnWidth(int index, int width) {
    if (!m_s.IsValidColumn(index)) {
        return 0;
    }
    m_s.columns.SetWidth(index, width);
    RelayoutColumns();
    return m_s.layout.columns[size_t(index)].width;
}

void DV_TreeList::RelayoutColumns() {
    m_s.columns.RecomputeEdges();
    SyncHeader();
    UpdateScrollBars();
    Invalidate();
}

void DV_TreeList::OnSectionResized(int logical, int oldSize, int newSize) {
    Q_UNUSED(oldSize);
    if (m_syncingHeader || !m_s.IsValidColumn(logical)) {
        return;
    }
    auto& columns = m_s.layout.columns;
    const int count = m_s.layout.columnCount;
    const int visual = m_header->visualIndex(logical);
    const bool fit = m_s.HasExStyle(TLX_FITCOLUMNS);
    if (m_s.HasExStyle(TLX_FIXEDCOLUMNS) || (fit && visual == count - 1)) {
        SyncHeader();
        return;
    }
    const int current = columns[size_t(logical)].width;
    int width = std::max(newSize, columns[size_t(logical)].minWidth);
    if (fit) {
        // The width comes from (or goes to) the next column, which keeps its own minimum.
        const int next = m_header->logicalIndex(visual + 1);
        const int nextWidth = columns[size_t(next)].width;
        const int nextNew = std::max(columns[size_t(next)].minWidth, nextWidth - (width - current));
        width = current + (nextWidth - nextNew);
        m_s.columns.SetWidth(next, nextNew);
    }
    m_s.columns.SetWidth(logical, width);
    RelayoutColumns();
}

void DV_TreeList::OnSectionHandleDoubleClicked(int logical) {
    if (!m_s.IsValidColumn(logical) || m_s.HasExStyle(TLX_FIXEDCOLUMNS)) {
        return;
    }
    SetColumnWidth(logical, OptimalWidth(logical));
}

int DV_TreeList::OptimalWidth(int column) {
    const QFontMetrics normal(m_s.font);
    const QFontMetrics bold(m_s.boldFont);
    int best = 8;
    for (int r = 0; r < m_s.rows.Count(); ++r) {
        const HTREEITEM h = m_s.rows.At(r);
        const QFontMetrics& fm = (m_s.items[h].main.state & TVIS_BOLD) ? bold : normal;
        const QString text = GetItemText(h, column);
        if (column == 0) {
            const int image = m_s.images[0].Has(m_s.items[h].main.image) ? m_s.images[0].Width() : 0;
            best = std::max(best, m_s.indent * m_s.items[h].level + fm.horizontalAdvance(text) + image + 8);
        } else {
            const TreeListCell* cell = m_s.items.FindCell(h, column);
            const int image = cell && m_s.CellImages().Has(cell->image) ? m_s.CellImages().Width() : 0;
            best = std::max(best, fm.horizontalAdvance(text) + image + 8);
        }
    }
    if (column == 0) {
        if (m_s.HasStyle(TVS_LINESATROOT)) {
            best += m_s.indent;
        }
        best += m_s.images[TVSIL_STATE].Width();
    }
    return best;
}

bool DV_TreeList::CommitColumnOrder() {
    if (!m_header) {
        return false;
    }
    const int count = m_s.layout.columnCount;
    std::vector<int> newToOld(size_t(count), 0);
    for (int v = 0; v < count; ++v) {
        newToOld[size_t(v)] = m_header->logicalIndex(v);
    }
    const bool identity = std::is_sorted(newToOld.begin(), newToOld.end());
    // Column 0 holds the tree: an order that puts another column first is simply dropped.
    const bool commit = newToOld[0] == 0 && !identity;
    if (commit) {
        if (m_editor.IsOpen()) {
            EndEditLabelNow(true);
        }
        m_s.columns.Permute(newToOld);
        m_s.items.PermuteColumns(newToOld);
        auto newIndexOf = [&](int old) {
            return int(std::find(newToOld.begin(), newToOld.end(), old) - newToOld.begin());
        };
        m_s.caretColumn = newIndexOf(m_s.caretColumn);
        m_s.dropColumn = newIndexOf(m_s.dropColumn);
    }
    m_syncingHeader = true;
    for (int v = 0; v < count; ++v) {
        m_header->moveSection(m_header->visualIndex(v), v);
    }
    m_syncingHeader = false;
    ResetHeader();
    RelayoutColumns();
    return commit;
}

int DV_TreeList::SetColumnEdit(quint32 setting, const QString& entries) {
    const QChar separator(char16_t((setting >> 16) & 0xFF));
    QStringList list;
    if (!entries.isEmpty()) {
        list = separator.isNull() ? QStringList{entries} : entries.split(separator);
    }
    return SetColumnEdit(setting, list);
}

int DV_TreeList::SetColumnEdit(quint32 setting, const QStringList& entries) {
    const int column = int((setting >> 10) & 0x3F);
    const int mode = int((setting >> 7) & 0x7);
    const int limit = int((setting >> 24) & 0xFF);
    if (!m_s.IsValidColumn(column) ||
        (column == 0 && (mode == TLE_MODE_CHECK || mode == TLE_MODE_CHECKICON))) {
        return 0;
    }
    TLColumnRecord& record = m_s.layout.columns[size_t(column)];
    record.editMode = mode;
    record.editFlags = setting & 0x7F;
    record.separator = QChar(char16_t((setting >> 16) & 0xFF));
    record.entryLimit = limit == 0 ? TL_DEFAULT_ENTRY_LIMIT : limit;
    record.entries = entries.mid(0, record.entryLimit);
    record.editModeSet = true;
    if (mode == TLE_MODE_CHECK || mode == TLE_MODE_CHECKICON) {
        UpdateCheckImages();
    }
    Invalidate();
    return 1;
}

int DV_TreeList::SetEditImageBase(int column, int imageBase) {
    if (!m_s.IsValidColumn(column) || !m_s.layout.columns[size_t(column)].editModeSet) {
        return 0;
    }
    m_s.layout.columns[size_t(column)].imageBase = imageBase;
    return 1;
}

int DV_TreeList::SetItemHeight(int height) {
    const int previous = m_s.layout.rowHeight;
    if (height == -1) {
        m_s.rowHeightSet = false;
    } else if (height >= 1 && height <= 65536) {
        m_s.rowHeightSet = true;
        m_s.layout.rowHeight = height;
    } else {
        return previous;
    }
    UpdateRowHeight();
    return previous;
}

int DV_TreeList::SetIndent(int indent) {
    const int previous = m_s.indent;
    m_s.indent = std::clamp(indent, 5, 64);
    Invalidate();
    return previous;
}

void DV_TreeList::UpdateRowHeight() {
    if (!m_s.rowHeightSet) {
        const int fontHeight = std::max(QFontMetrics(m_s.font).height(), QFontMetrics(m_s.boldFont).height());
        int height = std::max({10, m_s.images[TLSIL_CELLSTATE].Height() + 2, m_s.images[TVSIL_STATE].Height(),
                               m_s.CellImages().Height(), m_s.images[0].Height(), fontHeight});
        if (m_s.HasExStyle(TLX_ROWLINES)) {
            height += 1;
        }
        m_s.layout.rowHeight = height;
    }
    UpdatePageFigures();
    UpdateScrollBars();
    Invalidate();
}
