// Mouse, keyboard, incremental search and tooltips of DV_TreeList.
#include "controls/treelist/DV_TreeList.h"

#include "controls/treelist/TreeListSearch.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

namespace {

// Letters a to z and the accented letters 224 to 254 compare without case.
QChar Fold(QChar c) {
    const char16_t u = c.unicode();
    if ((u >= u'A' && u <= u'Z') || (u >= 192 && u <= 222 && u != 215)) {
        return QChar(char16_t(u + 32));
    }
    return c;
}

bool StartsWithFolded(const QString& text, const QString& prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        if (Fold(text[i]) != Fold(prefix[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

void DV_TreeList::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    m_s.focused = true;
    Invalidate();
    SendItemNotify(NM_SETFOCUS, 0, 0);
}

void DV_TreeList::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    m_s.focused = false;
    Invalidate();
    SendItemNotify(NM_KILLFOCUS, 0, 0);
}

void DV_TreeList::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    TLHitTestInfo hit;
    hit.pt = event->position().toPoint();
    const HTREEITEM h = HitTest(hit);
    const int column = hit.column;
    const bool left = event->button() == Qt::LeftButton;
    const int code = left ? NM_CLICK : (event->button() == Qt::RightButton ? NM_RCLICK : 0);
    const bool onItem = h && ((hit.flags & (TVHT_ONITEM | TVHT_ONITEMBUTTON)) || column > 0 ||
                              m_s.HasStyle(TVS_FULLROWSELECT) || m_s.HasExStyle(TLX_FULLROWSELECT));
    if (onItem && !m_s.HasStyle(TVS_DISABLEDRAGDROP)) {
        m_dragItem = h;
        m_dragButton = event->button();
    }
    if (onItem && left) {
        if (hit.flags & TVHT_ONITEMBUTTON) {
            Expand(h, TVE_TOGGLE);
        } else if (column == 0 && (hit.flags & TVHT_ONITEMSTATEICON)) {
            ToggleCheck(h, 0);
        } else {
            const bool multi = m_s.HasExStyle(TLX_MULTISELECT);
            const auto mods = event->modifiers();
            if (multi && (mods & Qt::ControlModifier)) {
                if (SetCaret(h, column, TVC_BYMOUSE, false) && IsItem(h)) {
                    SetSelected(h, !(m_s.items[h].main.state & TVIS_SELECTED));
                    m_s.anchor = h;
                }
            } else if (multi && (mods & Qt::ShiftModifier) && IsItem(m_s.anchor)) {
                if (SetCaret(h, column, TVC_BYMOUSE, false)) {
                    SelectRange(m_s.anchor, h);
                }
            } else {
                if (SetCaret(h, column, TVC_BYMOUSE)) {
                    if (multi) {
                        ClearSelection(h);
                    }
                    m_s.anchor = h;
                }
            }
            if (IsItem(h)) {
                EnsureVisible(h, m_s.caretColumn);
            }
            const bool onIcon = hit.flags & (TVHT_ONITEMICON | TVHT_ONITEMSTATEICON);
            if (IsItem(h) && column > 0 && onIcon && m_s.IsValidColumn(column) &&
                (m_s.layout.columns[size_t(column)].editFlags & TLE_ICONCLICK)) {
                ActivateEditMode(h, column, Activation::IconClick);
            }
        }
    } else if (onItem && event->button() == Qt::RightButton && IsItem(h) &&
               !(m_s.items[h].main.state & TVIS_SELECTED)) {
        SetCaret(h, column, TVC_BYMOUSE);
    }
    if (code != 0) {
        SendItemNotify(code, IsItem(h) ? h : 0, std::max(0, column), 0, hit.pt);
    }
    event->accept();
}

void DV_TreeList::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == m_dragButton) {
        m_dragItem = 0;
        m_dragButton = Qt::NoButton;
    }
    event->accept();
}

void DV_TreeList::mouseDoubleClickEvent(QMouseEvent* event) {
    TLHitTestInfo hit;
    hit.pt = event->position().toPoint();
    const HTREEITEM h = HitTest(hit);
    const int column = std::max(0, hit.column);
    if (event->button() == Qt::LeftButton) {
        if (h && !(hit.flags & TVHT_ONITEMBUTTON)) {
            const TLColumnRecord* record =
                m_s.IsValidColumn(column) ? &m_s.layout.columns[size_t(column)] : nullptr;
            if (record && record->editModeSet && (record->editFlags & TLE_DBLCLICK)) {
                ActivateEditMode(h, column, Activation::DoubleClick);
            } else {
                Expand(h, TVE_TOGGLE);
            }
        }
        SendItemNotify(NM_DBLCLK, IsItem(h) ? h : 0, column, 0, hit.pt);
    } else if (event->button() == Qt::RightButton) {
        SendItemNotify(NM_RDBLCLK, IsItem(h) ? h : 0, column, 0, hit.pt);
    }
    event->accept();
}

void DV_TreeList::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (m_dragItem && (event->buttons() & m_dragButton)) {
        const HTREEITEM h = m_dragItem;
        const int code = m_dragButton == Qt::LeftButton ? TVN_BEGINDRAGW : TVN_BEGINRDRAGW;
        m_dragItem = 0;  // once per press
        if (IsItem(h)) {
            TLNotify n;
            n.code = code;
            n.hItem = h;
            n.itemNew.mask = TVIF_HANDLE | TVIF_PARAM | TVIF_STATE;
            n.itemNew.hItem = h;
            n.itemNew.state = m_s.items[h].main.state;
            n.itemNew.lParam = m_s.items[h].lParam;
            n.pt = pos;
            Notify(n);
        }
        return;
    }
    if (m_s.HasStyle(TVS_TRACKSELECT) && event->buttons() == Qt::NoButton) {
        TLHitTestInfo hit;
        hit.pt = pos;
        SelectDropTarget(HitTest(hit), std::max(0, hit.column));
    }
    RestartToolTipTimer(pos);
}

void DV_TreeList::leaveEvent(QEvent* event) {
    m_toolTipTimer.stop();
    m_hoverItem = 0;
    m_hoverColumn = -1;
    if (m_s.HasStyle(TVS_TRACKSELECT)) {
        SelectDropTarget(0);
    }
    QAbstractScrollArea::leaveEvent(event);
}

void DV_TreeList::RestartToolTipTimer(const QPoint& pos) {
    TLHitTestInfo hit;
    hit.pt = pos;
    const HTREEITEM h = HitTest(hit);
    if (h == m_hoverItem && hit.column == m_hoverColumn) {
        return;
    }
    m_hoverItem = h;
    m_hoverColumn = hit.column;
    m_toolTipTimer.stop();
    if (!m_s.toolTips || !h || !m_s.IsValidColumn(hit.column) || m_s.layout.Wraps(hit.column)) {
        return;
    }
    m_toolTipTimer.start();
}

void DV_TreeList::ShowCellToolTip() {
    const HTREEITEM h = m_hoverItem;
    const int column = m_hoverColumn;
    if (!IsItem(h) || !m_s.items[h].shown || !m_s.IsValidColumn(column) || m_editor.IsOpen()) {
        return;
    }
    const QString text = GetItemText(h, column);
    const TreeListCellParts parts = m_s.Parts(h, column, GetItemImage(h, column));
    const int room = parts.cell.right() - parts.textLeft;
    if (QFontMetrics(m_s.FontOf(h)).horizontalAdvance(text) + 4 < room) {
        return;  // not cut
    }
    QString tip = text;
    if (m_s.HasStyle(TVS_INFOTIP)) {
        TLNotify n;
        n.code = TLN_GETCELLINFOTIP;
        n.hItem = h;
        n.column = column;
        n.text = text;
        Notify(n);
        tip = n.text;
    }
    const QRect cell = CellRect(h, column);
    QToolTip::showText(viewport()->mapToGlobal(cell.topLeft()), tip, viewport(), cell);
}

void DV_TreeList::keyPressEvent(QKeyEvent* event) {
    if (m_editor.IsOpen()) {
        event->ignore();
        return;
    }
    HandleKey(event);
}

void DV_TreeList::contextMenuEvent(QContextMenuEvent* event) {
    // A right click already asked for its menu on the press; the menu key asks here.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        RequestKeyboardContextMenu();
        event->accept();
    } else {
        event->ignore();
    }
}

// The menu opens under the caret cell, as a right click there would, so the keyboard reaches
// every command of the context menu.
void DV_TreeList::RequestKeyboardContextMenu() {
    const HTREEITEM h = IsItem(m_s.caret) && m_s.items[m_s.caret].shown ? m_s.caret : 0;
    QPoint pt(0, 0);
    if (h != 0) {
        EnsureVisible(h, m_s.caretColumn);
        const QRect cell = CellRect(h, m_s.caretColumn);
        pt = QPoint(cell.left() + cell.height() / 2, cell.bottom());
    }
    SendItemNotify(NM_RCLICK, h, m_s.caretColumn, 0, pt);
}

void DV_TreeList::MoveCaret(int row, Qt::KeyboardModifiers mods) {
    if (m_s.rows.Count() == 0) {
        return;
    }
    const HTREEITEM h = m_s.rows.At(std::clamp(row, 0, m_s.rows.Count() - 1));
    const bool multi = m_s.HasExStyle(TLX_MULTISELECT);
    if (multi && (mods & Qt::ControlModifier)) {
        SetCaret(h, m_s.caretColumn, TVC_BYKEYBOARD, false);
    } else if (multi && (mods & Qt::ShiftModifier) && IsItem(m_s.anchor)) {
        if (SetCaret(h, m_s.caretColumn, TVC_BYKEYBOARD, false)) {
            SelectRange(m_s.anchor, h);
        }
    } else {
        if (SetCaret(h, m_s.caretColumn, TVC_BYKEYBOARD)) {
            if (multi) {
                ClearSelection(h);
            }
            m_s.anchor = h;
        }
    }
    if (IsItem(h)) {
        EnsureVisible(h, m_s.caretColumn);
    }
}

void DV_TreeList::HandleKey(QKeyEvent* event) {
    const HTREEITEM caret = IsItem(m_s.caret) ? m_s.caret : 0;
    const int row = caret && m_s.items[caret].shown ? m_s.rows.RowOf(caret) : -1;
    const auto mods = event->modifiers();
    const int page = std::max(1, m_s.layout.linesFitWholly - 1);
    const bool cellMoves = m_s.HasExStyle(TLX_CELLSELECT) && m_s.layout.columnCount > 1;
    switch (event->key()) {
        case Qt::Key_Up:
            MoveCaret(row < 0 ? 0 : row - 1, mods);
            break;
        case Qt::Key_Down:
            MoveCaret(row + 1, mods);
            break;
        case Qt::Key_Home:
            MoveCaret(0, mods);
            break;
        case Qt::Key_End:
            MoveCaret(m_s.rows.Count() - 1, mods);
            break;
        case Qt::Key_PageUp:
            MoveCaret(m_s.rows.RowAtLine(std::max(0, m_s.rows.FirstLine(std::max(0, row)) - page)), mods);
            break;
        case Qt::Key_PageDown:
            MoveCaret(std::max(row + 1, m_s.rows.RowAtLine(m_s.rows.FirstLine(std::max(0, row)) + page)),
                      mods);
            break;
        case Qt::Key_Backspace:
            if (caret && m_s.items[caret].parent) {
                MoveCaret(m_s.rows.RowOf(m_s.items[caret].parent), Qt::NoModifier);
            }
            break;
        case Qt::Key_Left:
            if (cellMoves) {
                if (caret && m_s.caretColumn > 0 && SetCaret(caret, m_s.caretColumn - 1, TVC_BYKEYBOARD)) {
                    EnsureVisible(caret, m_s.caretColumn);
                }
            } else if (caret && (m_s.items[caret].main.state & TVIS_EXPANDED) &&
                       m_s.items[caret].firstChild) {
                Expand(caret, TVE_COLLAPSE);
            } else if (caret && m_s.items[caret].parent) {
                MoveCaret(m_s.rows.RowOf(m_s.items[caret].parent), Qt::NoModifier);
            }
            break;
        case Qt::Key_Right:
            if (cellMoves) {
                if (caret && m_s.caretColumn + 1 < m_s.layout.columnCount &&
                    SetCaret(caret, m_s.caretColumn + 1, TVC_BYKEYBOARD)) {
                    EnsureVisible(caret, m_s.caretColumn);
                }
            } else if (caret && !(m_s.items[caret].main.state & TVIS_EXPANDED)) {
                Expand(caret, TVE_EXPAND);
            } else if (caret && m_s.items[caret].firstChild) {
                MoveCaret(row + 1, Qt::NoModifier);
            }
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F2: {
            // F2 edits as Enter does, the key desktop users know for renaming. The parent sees the key
            // first; it may take it (non-zero) or open an editor itself.
            const qintptr answer = SendItemNotify(NM_RETURN, caret, m_s.caretColumn);
            if (answer == 0 && !m_editor.IsOpen() && IsItem(caret)) {
                ActivateEditMode(caret, m_s.caretColumn,
                                 (mods & Qt::ControlModifier) ? Activation::IconClick : Activation::Enter);
            }
            break;
        }
        case Qt::Key_F10:
            if (mods & Qt::ShiftModifier) {
                RequestKeyboardContextMenu();
            }
            break;
        default: {
            const QString text = event->text();
            if (event->key() == Qt::Key_Space && m_s.HasStyle(TVS_CHECKBOXES) && caret) {
                ToggleCheck(caret, 0);
                break;
            }
            if (text.isEmpty() || text[0].unicode() < 32 ||
                (mods & (Qt::ControlModifier | Qt::AltModifier))) {
                event->ignore();
                return;
            }
            if (caret && ActivateEditMode(caret, m_s.caretColumn, Activation::Typing, text[0])) {
                break;
            }
            if (!m_s.HasExStyle(TLX_NOINCREMENTALSEARCH)) {
                IncrementalSearch(text[0]);
            }
            break;
        }
    }
    event->accept();
}

void DV_TreeList::IncrementalSearch(QChar c) {
    const int count = m_s.rows.Count();
    if (count == 0) {
        return;
    }
    const bool fresh = TreeListSearch::Type(c, TreeListSearch::Now());
    const int caretRow = IsItem(m_s.caret) && m_s.items[m_s.caret].shown ? m_s.rows.RowOf(m_s.caret) : -1;
    const int column = m_s.caretColumn;
    auto search = [&](int from) {
        const QString prefix = TreeListSearch::Buffer();
        for (int i = 0; i < count; ++i) {
            const int r = ((from % count) + i) % count;
            if (StartsWithFolded(GetItemText(m_s.rows.At(r), column), prefix)) {
                return r;
            }
        }
        return -1;
    };
    // A fresh search starts below the caret, a continued one at the caret itself.
    int found = search(fresh ? caretRow + 1 : std::max(0, caretRow));
    if (found < 0 && !fresh) {
        TreeListSearch::Restart(c);
        found = search(caretRow + 1);
    }
    if (found >= 0) {
        MoveCaret(found, Qt::NoModifier);
    }
}
