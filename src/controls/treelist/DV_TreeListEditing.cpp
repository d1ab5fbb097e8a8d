// Edit modes and in-place editing of DV_TreeList.
#include "controls/treelist/DV_TreeList.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QStyle>

bool DV_TreeList::IsLocked(HTREEITEM h, int column) const {
    const TLColumnRecord& record = m_s.layout.columns[size_t(column)];
    const TreeListCell* cell = m_s.items.FindCell(h, column);
    return (record.editFlags & TLE_LOCKBIT) && cell && (cell->state & TVIS_CELLLOCKED);
}

bool DV_TreeList::ActivateEditMode(HTREEITEM h, int column, Activation how, QChar typed) {
    if (!IsItem(h) || !m_s.IsValidColumn(column)) {
        return false;
    }
    const TLColumnRecord& record = m_s.layout.columns[size_t(column)];
    if (!record.editModeSet || IsLocked(h, column)) {
        return false;
    }
    const int mode = record.editMode;
    const bool whole = record.editFlags & TLE_WHOLECELL;
    if (how == Activation::Typing) {
        const bool typingStarts = mode == TLE_MODE_EDIT || mode == TLE_MODE_COMBO ||
                                  mode == TLE_MODE_CYCLEICON || mode == TLE_MODE_CHECKICON;
        if (!typingStarts || (record.editFlags & TLE_NOTYPING)) {
            return false;
        }
        const auto kind = mode == TLE_MODE_COMBO ? TreeListEditor::Combo : TreeListEditor::EditBox;
        return OpenEditor(h, column, kind, whole, QString(typed), true) != nullptr;
    }
    const bool icon = how == Activation::IconClick;
    switch (mode) {
        case TLE_MODE_EDIT:
            return OpenEditor(h, column, TreeListEditor::EditBox, whole) != nullptr;
        case TLE_MODE_COMBO:
            return OpenEditor(h, column, TreeListEditor::Combo, whole) != nullptr;
        case TLE_MODE_LIST:
            return OpenEditor(h, column, TreeListEditor::List, whole) != nullptr;
        case TLE_MODE_CYCLE:
            StepCell(h, column);
            return true;
        case TLE_MODE_CYCLEICON:
            if (icon) {
                StepCell(h, column);
                return true;
            }
            return OpenEditor(h, column, TreeListEditor::EditBox, whole) != nullptr;
        case TLE_MODE_CHECK:
            ToggleCheck(h, column);
            return true;
        case TLE_MODE_CHECKICON:
            if (icon) {
                ToggleCheck(h, column);
                return true;
            }
            return OpenEditor(h, column, TreeListEditor::EditBox, whole) != nullptr;
        default:
            return false;
    }
}

QWidget* DV_TreeList::EditLabel(HTREEITEM h, quint32 columnAndKind) {
    const int column = int(columnAndKind & TLEL_COLUMNMASK);
    const int kind = int((columnAndKind >> 29) & 0x3);
    if (!m_s.HasStyle(TVS_EDITLABELS) || !IsItem(h) || !m_s.IsValidColumn(column) || kind > 2 ||
        m_s.layout.columns[size_t(column)].editModeSet) {
        return nullptr;
    }
    return OpenEditor(h, column, TreeListEditor::Kind(kind), columnAndKind & TLEL_WHOLECELL);
}

QWidget* DV_TreeList::OpenEditor(HTREEITEM h, int column, TreeListEditor::Kind kind, bool wholeCell,
                                 const QString& initialText, bool useInitial) {
    if (m_editor.IsOpen()) {
        EndEditLabelNow(false);
    }
    if (!IsItem(h) || !SetCaret(h, column, TVC_UNKNOWN) || !IsItem(h) || !EnsureVisible(h, column)) {
        return nullptr;
    }
    const QString text = GetItemText(h, column);
    TLNotify n;
    n.code = TVN_BEGINLABELEDITW;
    n.hItem = h;
    n.column = column;
    n.text = text;
    n.itemNew.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_PARAM | TVIF_COLUMN;
    n.itemNew.hItem = h;
    n.itemNew.cChildren = column;
    n.itemNew.text = text;
    n.itemNew.lParam = m_s.items[h].lParam;
    if (Notify(n) != 0 || !IsItem(h) || !m_s.IsValidColumn(column)) {
        return nullptr;
    }
    const TLColumnRecord& record = m_s.layout.columns[size_t(column)];
    const TreeListCellParts parts = m_s.Parts(h, column, GetItemImage(h, column));
    const QRect cell = CellRect(h, column);
    const QFont& font = m_s.FontOf(h);
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const QRect rect = TreeListEditor::Geometry(kind, cell, parts.textLeft - m_s.layout.hpos, record.align,
                                                wholeCell, QFontMetrics(font), text, scrollBar);
    m_editItem = h;
    m_editColumn = column;
    QWidget* editor = m_editor.Open(kind, rect, font, text, record.entries);
    // Under an application style sheet children do not inherit the grid's palette: it is given.
    editor->setPalette(palette());
    if (useInitial) {
        if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            edit->setText(initialText);
        } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            combo->setEditText(initialText);
        }
    }
    return editor;
}

bool DV_TreeList::EndEditLabelNow(bool cancel) {
    if (!m_editor.IsOpen()) {
        return false;
    }
    OnEditorEnd(!cancel, false);
    return true;
}

void DV_TreeList::OnEditorEnd(bool keep, bool byEnter) {
    if (!m_editor.IsOpen()) {
        return;
    }
    const HTREEITEM h = m_editItem;
    const int column = m_editColumn;
    const QString text = m_editor.Text();
    const bool changed = m_editor.Changed() || (keep && text != GetItemText(h, column));
    const int entry = m_editor.ChosenEntry();
    const bool list = m_editor.CurrentKind() != TreeListEditor::EditBox;
    const bool hadFocus =
        m_editor.Widget()->hasFocus() || m_editor.Widget()->isAncestorOf(QApplication::focusWidget());
    m_editor.Close();
    m_editItem = 0;
    if (hadFocus) {
        setFocus(Qt::OtherFocusReason);
    }
    TLNotify n;
    n.code = TVN_ENDLABELEDITW;
    n.hItem = h;
    n.column = column;
    n.text = keep ? text : QString();
    n.textNull = !keep;
    n.flags = (changed ? TLEF_CHANGED : 0) | (byEnter ? TLEF_ENTER : 0);
    n.itemNew.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_COLUMN;
    n.itemNew.hItem = h;
    n.itemNew.cChildren = column;
    n.itemNew.text = n.text;
    // A non-zero answer means the parent takes care of the cell.
    if (Notify(n) != 0 || !keep || !IsItem(h) || !m_s.IsValidColumn(column)) {
        Invalidate();
        return;
    }
    TreeListCell& cell = m_s.items.Cell(h, column);
    if (cell.textCallback) {
        TLNotify set;
        set.code = TVN_SETDISPINFOW;
        set.hItem = h;
        set.column = column;
        set.text = text;
        set.itemNew = n.itemNew;
        Notify(set);
    } else {
        cell.SetText(text);
        const int base = m_s.layout.columns[size_t(column)].imageBase;
        if (list && base >= 0 && entry >= 0) {
            cell.image = base + entry;
        }
    }
    Invalidate();
}

void DV_TreeList::StepCell(HTREEITEM h, int column) {
    const TLColumnRecord& record = m_s.layout.columns[size_t(column)];
    if (record.entries.isEmpty()) {
        return;
    }
    TreeListCell& cell = m_s.items.Cell(h, column);
    // An unknown text counts as standing before the first entry.
    const int next = int((record.entries.indexOf(cell.text) + 1) % record.entries.size());
    cell.SetText(record.entries[next]);
    if (record.imageBase >= 0) {
        cell.image = record.imageBase + next;
    }
    Invalidate();
    TLNotify n;
    n.code = TLN_CELLSTEPPED;
    n.hItem = h;
    n.column = column;
    n.text = cell.text;
    n.itemNew.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_PARAM | TVIF_COLUMN;
    n.itemNew.hItem = h;
    n.itemNew.cChildren = column;
    n.itemNew.text = cell.text;
    n.itemNew.image = cell.image;
    n.itemNew.lParam = m_s.items[h].lParam;
    Notify(n);
}

void DV_TreeList::ToggleCheck(HTREEITEM h, int column) {
    TreeListCell& cell = m_s.items.Cell(h, column);
    const quint32 oldState = cell.state;
    int index = STATEIMAGEINDEX(oldState);
    if (m_s.HasStyle(TLS_FLIPCHECKBIT)) {
        index ^= 1;
    } else {
        index = index == 1 ? 2 : 1;
    }
    cell.state = (oldState & ~TVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(index);
    Invalidate();
    TLNotify n;
    n.code = TLN_STATEIMAGECHANGED;
    n.hItem = h;
    n.column = column;
    n.itemOld.mask = n.itemNew.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM | TVIF_COLUMN;
    n.itemOld.hItem = n.itemNew.hItem = h;
    n.itemOld.cChildren = n.itemNew.cChildren = column;
    n.itemOld.state = oldState;
    n.itemNew.state = cell.state;
    n.itemOld.stateMask = n.itemNew.stateMask = TVIS_STATEIMAGEMASK;
    n.itemOld.lParam = n.itemNew.lParam = m_s.items[h].lParam;
    Notify(n);
}
