#include "dialogs/CDVValueList.h"

#include "model/DVParameter.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTimer>

namespace {

// Enter ends the cell edit and goes no further: the dialog's default button must not see it.
class CellLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        QLineEdit::keyPressEvent(event);
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            event->accept();
        }
    }
};

// A drop-down list that tells when its list closes, chosen or not.
class CellDropDown : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> onHidden;

    void hidePopup() override {
        QComboBox::hidePopup();
        if (onHidden) {
            onHidden();
        }
    }
};

}  // namespace

class CDVValueDelegate : public QStyledItemDelegate {
public:
    explicit CDVValueDelegate(CDVValueList* list) : QStyledItemDelegate(list), m_pList(list) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        Q_UNUSED(option);
        const DVParameter* definition = Definition(index);
        if (definition == nullptr || index.column() != m_pList->ValueColumn()) {
            return nullptr;
        }
        if (definition->m_nType != DVParameter::TypeList) {
            return new CellLineEdit(parent);
        }
        if (definition->m_items.isEmpty()) {
            return nullptr;
        }
        auto* box = new CellDropDown(parent);
        box->addItems(definition->m_items);
        auto* self = const_cast<CDVValueDelegate*>(this);
        connect(box, &QComboBox::activated, self, [self, box] {
            box->onHidden = nullptr;
            Q_EMIT self->commitData(box);
            Q_EMIT self->closeEditor(box);
        });
        // Closed without a choice: the box goes, the cell stays. The choice, if any, arrives after the
        // list has closed, so the close waits for it.
        box->onHidden = [self, guard = QPointer<QComboBox>(box)] {
            QTimer::singleShot(0, self, [self, guard] {
                if (guard != nullptr && static_cast<CellDropDown*>(guard.data())->onHidden) {
                    Q_EMIT self->closeEditor(guard);
                }
            });
        };
        QTimer::singleShot(0, box, [box] { box->showPopup(); });
        return box;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        const QString text = index.data().toString();
        if (auto* box = qobject_cast<QComboBox*>(editor)) {
            const DVParameter* definition = Definition(index);
            box->setCurrentIndex(definition != nullptr ? FindItemIndex(*definition, text) : -1);
        } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            edit->setText(text);
        }
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        // A refusal's message box takes the focus from the editor, which would commit it once more.
        if (m_bCommitting) {
            return;
        }
        QString text;
        int item = -1;
        if (auto* box = qobject_cast<QComboBox*>(editor)) {
            item = box->currentIndex();
            if (item < 0) {
                return;
            }
            text = box->itemText(item);
        } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            text = edit->text();
        } else {
            return;
        }
        m_bCommitting = true;
        const bool accepted = m_pList->m_accept && m_pList->m_accept(index.row(), text, item);
        m_bCommitting = false;
        if (accepted) {
            model->setData(index, text);
        }
    }

private:
    const DVParameter* Definition(const QModelIndex& index) const {
        return m_pList->m_definitionOf ? m_pList->m_definitionOf(index.row()) : nullptr;
    }

    CDVValueList* m_pList;
    mutable bool m_bCommitting = false;
};

CDVValueList::CDVValueList(int valueColumn, int columnCount, QWidget* parent)
    : QTableWidget(0, columnCount, parent), m_nValueColumn(valueColumn) {
    setItemDelegate(new CDVValueDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    verticalHeader()->hide();
    connect(this, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { EditValue(row); });
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        const int row = rowAt(pos.y());
        if (row >= 0) {
            selectRow(row);
            EditValue(row);
        }
    });
}

void CDVValueList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F2 && state() != QAbstractItemView::EditingState) {
        EditValue(currentRow());
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void CDVValueList::SetCallbacks(DefinitionOf definitionOf, Accept accept) {
    m_definitionOf = std::move(definitionOf);
    m_accept = std::move(accept);
}

void CDVValueList::EditValue(int row) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    setCurrentCell(row, m_nValueColumn);
    editItem(item(row, m_nValueColumn));
}

int CDVValueList::AppendRow() {
    const int row = rowCount();
    insertRow(row);
    for (int column = 0; column < columnCount(); ++column) {
        auto* cell = new QTableWidgetItem;
        if (column != m_nValueColumn) {
            cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
        }
        setItem(row, column, cell);
    }
    return row;
}

void CDVValueList::SetCell(int row, int column, const QString& text) {
    if (QTableWidgetItem* cell = item(row, column)) {
        cell->setText(text);
    }
}

QString CDVValueList::CellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell != nullptr ? cell->text() : QString();
}
