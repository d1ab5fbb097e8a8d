#include "controls/treelist/DV_TreeList.h"

#include "controls/treelist/TreeListColors.h"
#include "controls/treelist/TreeListHeaderModel.h"
#include "controls/treelist/TreeListSearch.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace {

constexpr qint64 kMaxUserDataSize = 0x1000000;

// A check-box state image list: index 0 none, 1 unchecked, 2 checked.
TLImageList MakeCheckImages(const QWidget* widget, int size) {
    TLImageList list;
    list.size = QSize(size, size);
    list.icons.append(QIcon());
    for (bool on : {false, true}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        QStyleOptionButton option;
        option.rect = QRect(0, 0, size, size);
        option.state = QStyle::State_Enabled | (on ? QStyle::State_On : QStyle::State_Off);
        widget->style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &p, widget);
        list.icons.append(QIcon(pm));
    }
    return list;
}

}  // namespace

DV_TreeList::DV_TreeList(QWidget* parent, quint32 style)
    : QAbstractScrollArea(parent),
      m_editor(viewport(), [this](bool keep, bool byEnter) { OnEditorEnd(keep, byEnter); }) {
    // Cells, header and editors show the system colours; a look of the application leaves them alone.
    setPalette(TreeListColors::SystemPalette());
    m_s.style = style;
    m_s.font = font();
    m_s.font.setWeight(QFont::Normal);
    m_s.boldFont = m_s.font;
    m_s.boldFont.setWeight(QFont::Bold);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, [this](int a) { OnVerticalAction(a); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int v) { OnVerticalValue(v); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int v) { OnHorizontalValue(v); });
    m_toolTipTimer.setSingleShot(true);
    m_toolTipTimer.setInterval(1500);
    connect(&m_toolTipTimer, &QTimer::timeout, this, [this] { ShowCellToolTip(); });
    TreeListColors::ApplyDefaults(m_s.layout, palette());
    SetStyle(style);
    UpdateRowHeight();
}

DV_TreeList::~DV_TreeList() {
    m_handler = nullptr;  // the parent may already be half destroyed
    m_editor.Close();
}

void DV_TreeList::SetStyle(quint32 style) {
    m_s.style = style;
    if ((style & TVS_CHECKBOXES) && m_s.images[TVSIL_STATE].IsEmpty()) {
        m_s.images[TVSIL_STATE] = MakeCheckImages(this, 13);
        UpdateRowHeight();
    }
    m_s.toolTips = !(style & TVS_NOTOOLTIPS);
    Invalidate();
}

void DV_TreeList::UpdateCheckImages() {
    if (m_s.images[TLSIL_CELLSTATE].IsEmpty()) {
        m_s.images[TLSIL_CELLSTATE] = MakeCheckImages(this, 13);
        UpdateRowHeight();
    }
}

qintptr DV_TreeList::Notify(TLNotify& notify) {
    notify.idFrom = m_controlId;
    return m_handler ? m_handler->OnTreeListNotify(*this, notify) : 0;
}

qintptr DV_TreeList::SendItemNotify(int code, HTREEITEM h, int column, int action, const QPoint& pt) {
    TLNotify n;
    n.code = code;
    n.pt = pt;
    n.action = action;
    n.hItem = h;
    n.column = column;
    if (IsItem(h)) {
        n.itemNew.hItem = h;
        n.itemNew.mask = TVIF_HANDLE | TVIF_PARAM | TVIF_STATE | (column ? TVIF_COLUMN : 0);
        n.itemNew.state = m_s.items[h].main.state;
        n.itemNew.lParam = m_s.items[h].lParam;
        n.itemNew.cChildren = column;
    }
    return Notify(n);
}

QString DV_TreeList::DisplayText(HTREEITEM h, int column) {
    TLNotify n;
    n.code = TVN_GETDISPINFOW;
    n.hItem = h;
    n.column = column;
    n.itemNew.mask = TVIF_TEXT | TVIF_HANDLE | (column ? TVIF_COLUMN : 0);
    n.itemNew.hItem = h;
    n.itemNew.cChildren = column;
    n.itemNew.lParam = m_s.items[h].lParam;
    // A parent that reads the callback text while supplying it would ask itself forever.
    if (m_inDispInfo) {
        return QString();
    }
    m_inDispInfo = true;
    Notify(n);
    m_inDispInfo = false;
    return n.itemNew.text;
}

int DV_TreeList::DisplayImage(HTREEITEM h, int column) {
    TLNotify n;
    n.code = TVN_GETDISPINFOW;
    n.hItem = h;
    n.column = column;
    n.itemNew.mask = TVIF_IMAGE | TVIF_HANDLE | (column ? TVIF_COLUMN : 0);
    n.itemNew.hItem = h;
    n.itemNew.cChildren = column;
    n.itemNew.lParam = m_s.items[h].lParam;
    n.itemNew.image = -1;
    Notify(n);
    return n.itemNew.image;
}

COLORREF DV_TreeList::SetBkColor(int slot, COLORREF color) {
    if (slot < 0 || slot >= TL_COLOR_SLOTS) {
        return CLR_NONE;
    }
    const COLORREF previous = m_s.layout.colors[slot];
    m_s.layout.colorSet[slot] = color != CLR_NONE;
    if (color != CLR_NONE) {
        m_s.layout.colors[slot] = color & 0xFFFFFF;
    }
    TreeListColors::ApplyDefaults(m_s.layout, palette());
    Invalidate();
    return previous;
}

COLORREF DV_TreeList::GetBkColor(int slot) const {
    return slot >= 0 && slot < TL_COLOR_SLOTS ? m_s.layout.colors[slot] : CLR_NONE;
}

quint32 DV_TreeList::SetExtendedStyle(quint32 mask, quint32 style) {
    const quint32 previous = m_s.exStyle;
    if (mask == 0) {
        mask = 0xFFFFFFFFu;
    }
    m_s.exStyle = (m_s.exStyle & ~mask) | (style & mask);
    if ((previous ^ m_s.exStyle) & TLX_ROWLINES) {
        UpdateRowHeight();
    }
    if ((previous ^ m_s.exStyle) & (TLX_NOHEADER | TLX_FIXEDCOLUMNS | TLX_FITCOLUMNS)) {
        SyncHeader();
    }
    if (!(m_s.exStyle & TLX_MULTISELECT) && m_s.selectedCount > 1) {
        ClearSelection(m_s.caret);
    }
    Invalidate();
    return previous;
}

TLImageList DV_TreeList::SetImageList(int kind, const TLImageList& list) {
    if (kind < 0 || kind > TLSIL_CELLIMAGE || kind == 1) {
        return TLImageList();
    }
    TLImageList previous = m_s.images[kind];
    m_s.images[kind] = list;
    UpdateRowHeight();
    SyncHeader();
    Invalidate();
    return previous;
}

TLImageList DV_TreeList::GetImageList(int kind) const {
    return kind >= 0 && kind <= TLSIL_CELLIMAGE ? m_s.images[kind] : TLImageList();
}

bool DV_TreeList::SetToolTips(bool enable) {
    const bool previous = m_s.toolTips;
    m_s.toolTips = enable;
    return previous;
}

bool DV_TreeList::SetInsertMark(HTREEITEM h, bool after) {
    if (h != 0 && !IsItem(h)) {
        return false;
    }
    m_s.insertMark = h;
    m_s.insertMarkAfter = after;
    Invalidate();
    return true;
}

QString DV_TreeList::GetISearchString() const {
    return TreeListSearch::Current(TreeListSearch::Now());
}

void* DV_TreeList::GetItemUserData(HTREEITEM h) {
    return IsItem(h) ? m_s.items[h].userData.get() : nullptr;
}

qint64 DV_TreeList::SetUserDataSize(qint64 size) {
    if (size < 0 || size > kMaxUserDataSize) {
        return -1;
    }
    if (m_s.items.Count() > 0) {
        return 0;
    }
    m_s.userDataSize = size_t(size);
    return size;
}

COLORREF DV_TreeList::GetCellTextColor(quint32 cell) const {
    const HTREEITEM h = cell & TL_MAX_HANDLE;
    const int column = int(cell >> 24);
    if (!m_s.items.IsValid(h) || !m_s.IsValidColumn(column)) {
        return CLR_NONE;
    }
    const TreeListCell* c = m_s.items.FindCell(h, column);
    return c ? c->textColor : CLR_NONE;
}

COLORREF DV_TreeList::SetCellTextColor(quint32 cell, COLORREF color) {
    const HTREEITEM h = cell & TL_MAX_HANDLE;
    const int column = int(cell >> 24);
    if (!IsItem(h) || !m_s.IsValidColumn(column)) {
        return CLR_NONE;
    }
    TreeListCell& c = m_s.items.Cell(h, column);
    const COLORREF previous = c.textColor;
    c.textColor = color == CLR_NONE ? CLR_NONE : (color & 0xFFFFFF);
    InvalidateItem(h);
    return previous;
}

COLORREF DV_TreeList::GetCellBkColor(quint32 cell) const {
    const HTREEITEM h = cell & TL_MAX_HANDLE;
    const int column = int(cell >> 24);
    if (!m_s.items.IsValid(h) || !m_s.IsValidColumn(column)) {
        return CLR_NONE;
    }
    const TreeListCell* c = m_s.items.FindCell(h, column);
    return c ? c->bkColor : CLR_NONE;
}

COLORREF DV_TreeList::SetCellBkColor(quint32 cell, COLORREF color) {
    const HTREEITEM h = cell & TL_MAX_HANDLE;
    const int column = int(cell >> 24);
    if (!IsItem(h) || !m_s.IsValidColumn(column)) {
        return CLR_NONE;
    }
    TreeListCell& c = m_s.items.Cell(h, column);
    const COLORREF previous = c.bkColor;
    c.bkColor = color == CLR_NONE ? CLR_NONE : (color & 0xFFFFFF);
    InvalidateItem(h);
    return previous;
}

void DV_TreeList::changeEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::EnabledChange:
            m_s.enabled = isEnabled();
            Invalidate();
            break;
        case QEvent::PaletteChange:
            TreeListColors::ApplyDefaults(m_s.layout, palette());
            if (m_header != nullptr) {
                m_header->setPalette(palette());
            }
            Invalidate();
            break;
        case QEvent::FontChange:
            m_s.font = font();
            m_s.font.setWeight(QFont::Normal);
            m_s.boldFont = m_s.font;
            m_s.boldFont.setWeight(QFont::Bold);
            UpdateRowHeight();
            SyncHeader();
            break;
        default:
            break;
    }
    QAbstractScrollArea::changeEvent(event);
}
