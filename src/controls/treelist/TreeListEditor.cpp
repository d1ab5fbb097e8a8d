#include "controls/treelist/TreeListEditor.h"

#include "controls/treelist/TreeListTypes.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

TreeListEditor::TreeListEditor(QWidget* parent, EndHandler onEnd)
    : QObject(parent), m_parent(parent), m_onEnd(std::move(onEnd)) {}

TreeListEditor::~TreeListEditor() {
    delete m_widget;
}

QRect TreeListEditor::Geometry(Kind kind, const QRect& cell, int textLeft, int align, bool wholeCell,
                               const QFontMetrics& fm, const QString& text, int scrollBarWidth) {
    const int height = fm.height() + 4;
    if (wholeCell) {
        return QRect(cell.left(), cell.top(), cell.width(), std::max(cell.height(), height));
    }
    int width = std::max(20, fm.horizontalAdvance(text) + 10) + int(text.size());
    if (kind != EditBox) {
        width += scrollBarWidth;
    }
    width = std::max(width, kind == EditBox ? 48 : 60);
    int left = textLeft + 2;
    if (align == LVCFMT_RIGHT) {
        left = std::max(cell.left(), cell.right() - 2 - width);
    } else if (align == LVCFMT_CENTER) {
        left = std::max(cell.left(), textLeft + (cell.right() - textLeft - width) / 2);
    }
    return QRect(left, cell.top() + 1, width, height);
}

QWidget* TreeListEditor::Open(Kind kind, const QRect& rect, const QFont& font, const QString& text,
                              const QStringList& entries) {
    Close();
    m_kind = kind;
    m_changed = false;
    m_wheel = 0;
    if (kind == EditBox) {
        auto* edit = new QLineEdit(m_parent);
        edit->setFrame(false);
        edit->setText(text);
        edit->selectAll();
        connect(edit, &QLineEdit::textEdited, this, [this] { m_changed = true; });
        m_widget = edit;
    } else {
        auto* combo = new QComboBox(m_parent);
        combo->setEditable(kind == Combo);
        combo->addItems(entries);
        combo->setMaxVisibleItems(std::max(1, 260 / std::max(1, QFontMetrics(font).height() + 2)));
        const int current = int(entries.indexOf(text));
        combo->setCurrentIndex(current);
        if (kind == Combo) {
            combo->setEditText(text);
            combo->lineEdit()->selectAll();
            combo->lineEdit()->installEventFilter(this);
            connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this] { m_changed = true; });
        }
        // An open list scrolls by one entry per wheel notch.
        combo->view()->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
        combo->view()->viewport()->installEventFilter(this);
        // Choosing an entry in the list ends the edit and keeps it.
        connect(combo, &QComboBox::activated, this, [this] {
            m_changed = true;
            End(true, false);
        });
        m_widget = combo;
    }
    m_widget->setFont(font);
    m_widget->setGeometry(rect);
    m_widget->installEventFilter(this);
    m_widget->show();
    m_widget->setFocus(Qt::OtherFocusReason);
    return m_widget;
}

void TreeListEditor::Close() {
    if (m_widget) {
        QWidget* w = m_widget;
        m_widget = nullptr;
        w->removeEventFilter(this);
        w->hide();
        w->deleteLater();
    }
}

QString TreeListEditor::Text() const {
    if (auto* edit = qobject_cast<QLineEdit*>(m_widget.data())) {
        return edit->text();
    }
    if (auto* combo = qobject_cast<QComboBox*>(m_widget.data())) {
        return combo->currentText();
    }
    return QString();
}

int TreeListEditor::ChosenEntry() const {
    auto* combo = qobject_cast<QComboBox*>(m_widget.data());
    return combo ? combo->findText(combo->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive) : -1;
}

void TreeListEditor::End(bool keep, bool byEnter) {
    if (m_ending || !m_widget) {
        return;
    }
    m_ending = true;
    m_onEnd(keep, byEnter);
    m_ending = false;
}

bool TreeListEditor::eventFilter(QObject* watched, QEvent* event) {
    if (!m_widget) {
        return false;
    }
    if (event->type() == QEvent::Wheel) {
        auto* combo = qobject_cast<QComboBox*>(m_widget.data());
        if (combo && watched == combo->view()->viewport()) {
            m_wheel += static_cast<QWheelEvent*>(event)->angleDelta().y();
            const int steps = m_wheel / 120;
            m_wheel -= steps * 120;
            QScrollBar* bar = combo->view()->verticalScrollBar();
            bar->setValue(bar->value() - steps);
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // Keys typed into the cell are the editor's: Escape, Delete or Alt+Up must not run a command of
        // the window while the edit is open. Ctrl keys (Save, Print) still reach the window.
        auto* key = static_cast<QKeyEvent*>(event);
        if (!(key->modifiers() & Qt::ControlModifier)) {
            key->accept();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                End(true, true);
                return true;
            case Qt::Key_Escape:
                End(false, false);
                return true;
            case Qt::Key_Down:
                if (auto* combo = qobject_cast<QComboBox*>(m_widget.data())) {
                    combo->showPopup();
                    return true;
                }
                break;
            default:
                break;
        }
    } else if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        QWidget* now = QApplication::focusWidget();
        const bool inside = now && (now == m_widget || m_widget->isAncestorOf(now));
        if (reason != Qt::PopupFocusReason && !inside && !QApplication::activePopupWidget()) {
            End(true, false);
        }
    }
    return QObject::eventFilter(watched, event);
}
