#pragma once

#include "dialogs/CDVValueList.h"
#include "dialogs/Dlg_QuickSelect.h"
#include "views/ViewFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

// Runs the action on the next modal dialog once its event loop runs. Actions that open a further modal
// dialog schedule their own action for it first.
inline void WhenModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr) << "no modal dialog";
        action(dialog);
        // A dialog the action meant to close but could not would wait for ever.
        if (QApplication::activeModalWidget() == dialog && dialog->isVisible()) {
            ADD_FAILURE() << "the dialog stayed open";
            qobject_cast<QDialog*>(dialog)->reject();
        }
    });
}

// Checks the object in the next quick selection and accepts it.
inline void CheckInNextQuickSelect(qint32 id) {
    WhenModal([id](QWidget* modal) {
        auto* select = qobject_cast<Dlg_QuickSelect*>(modal);
        ASSERT_NE(select, nullptr);
        select->FindItem(quint32(id))->setCheckState(0, Qt::Checked);
        select->accept();
    });
}

// The open editor of the list (closed ones linger hidden until they are deleted).
template <typename Editor>
Editor* OpenEditor(CDVValueList* list) {
    for (Editor* editor : list->viewport()->findChildren<Editor*>()) {
        if (editor->isVisible()) {
            return editor;
        }
    }
    return nullptr;
}

// Types into the value cell of the row and ends the edit with Enter.
inline void TypeValue(CDVValueList* list, int row, const QString& text) {
    list->EditValue(row);
    auto* editor = OpenEditor<QLineEdit>(list);
    ASSERT_NE(editor, nullptr) << "no editor";
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
}

// Chooses an item from the drop-down of the row's value cell.
inline void ChooseItem(CDVValueList* list, int row, int item) {
    list->EditValue(row);
    auto* box = OpenEditor<QComboBox>(list);
    ASSERT_NE(box, nullptr) << "no drop-down";
    box->setCurrentIndex(item);
    Q_EMIT box->activated(item);
    QCoreApplication::processEvents();
}

// A quick selection built on the fixture's document.
class QuickSelectTest : public ViewTest {
protected:
    std::unique_ptr<Dlg_QuickSelect> Open(CDVData* object, int mode, bool deferred = false,
                                          CUseCase* stepUseCase = nullptr) {
        auto dialog = std::make_unique<Dlg_QuickSelect>();
        dialog->SetDocument(&doc);
        dialog->SetObject(object, stepUseCase);
        dialog->SetMode(mode);
        dialog->SetDeferred(deferred);
        dialog->InitDialog();
        return dialog;
    }

    static void Check(Dlg_QuickSelect& dialog, qint32 id, bool checked = true) {
        QTreeWidgetItem* item = dialog.FindItem(quint32(id));
        ASSERT_NE(item, nullptr) << "no item " << id;
        item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
    }

    static bool IsChecked(Dlg_QuickSelect& dialog, qint32 id) {
        QTreeWidgetItem* item = dialog.FindItem(quint32(id));
        return item != nullptr && item->checkState(0) == Qt::Checked;
    }

    static bool Accepted(const Dlg_QuickSelect& dialog) { return dialog.result() == QDialog::Accepted; }
};

inline DVIdArray Ids(std::initializer_list<quint32> ids) {
    return DVIdArray(ids);
}
