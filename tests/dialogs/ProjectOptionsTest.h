#pragma once

#include "app/framework/ProjectWindows.h"
#include "dialogs/Dlg_Project_Options_Sheet.h"
#include "document/ProjectDump.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>

// The project of ProjectWindowsTest with the project options sheet run as the user runs it: command
// "Project Properties", pages chosen on their tabs, OK or Cancel.
class ProjectOptionsTest : public ProjectWindowsTest {
protected:
    // Runs open, which shows a modal dialog; act works on the dialog while it is open, as the user
    // would, and then OK or Cancel ends it.
    template <typename Dialog>
    static void WithModal(const std::function<void()>& open, const std::function<void(Dialog&)>& act,
                          bool ok) {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            opened = true;
            // Editors and keys go to the focus widget of the active window.
            dialog->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
            act(*dialog);
            if (ok) {
                dialog->accept();
            }
            // A page that kept the dialog open (validation) must not block the test.
            if (dialog->isVisible()) {
                dialog->reject();
            }
        });
        open();
        EXPECT_TRUE(opened);
    }

    // Runs the sheet through the command "Project Properties".
    void RunSheet(const std::function<void(Dlg_Project_Options_Sheet&)>& edit, bool ok = true) {
        WithModal<Dlg_Project_Options_Sheet>([this] { Run(CommandIds::ID_PROJECT_PROPERTIES); }, edit, ok);
    }

    // Shows the page as a click on its tab does and returns it.
    template <typename Page>
    static Page* ShowPage(Dlg_Project_Options_Sheet& sheet, int index) {
        sheet.findChild<QTabWidget*>()->setCurrentIndex(index);
        auto* page = qobject_cast<Page*>(sheet.Page(index));
        EXPECT_NE(page, nullptr);
        EXPECT_TRUE(page != nullptr && page->IsInitialised());
        return page;
    }

    // Types into the line editor that has the focus and ends with Enter.
    static void TypeIntoEditor(const QString& text) {
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr) << "no editor open";
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }

    // The header texts of a view's columns, left to right.
    static QStringList Headers(CViewDVTreeList* view) {
        QStringList texts;
        CTreeListCtrl* grid = view->GetGrid();
        for (int i = 0; i < grid->GetColumnCount(); ++i) {
            TLColumn column;
            column.mask = LVCF_TEXT;
            grid->GetColumn(i, column);
            texts.append(column.text);
        }
        return texts;
    }

    static std::vector<quint32> FieldIds(CViewDVTreeList* view) {
        std::vector<quint32> ids;
        for (int i = 0; i < view->GetGrid()->GetColumnCount(); ++i) {
            ids.push_back(quint32(view->FieldIdOfColumn(i)));
        }
        return ids;
    }

    // Gives the view these columns, as a column choice would.
    static void ShowColumns(CViewDVTreeList* view, std::initializer_list<quint32> fieldIds) {
        CDVColumn& columns = view->ViewColumns();
        columns.Clear();
        for (quint32 id : fieldIds) {
            columns.AddColumn(id, 100, 0);
        }
        view->Rebuild();
    }

    QString CellText(CViewDVTreeList* view, qint32 id, int fieldId) {
        const std::vector<quint32> ids = FieldIds(view);
        const auto column = std::find(ids.begin(), ids.end(), quint32(fieldId));
        if (column == ids.end()) {
            return QStringLiteral("<no column>");
        }
        return view->GetGrid()->GetItemText(view->FindRowOfObject(id), int(column - ids.begin()));
    }

    // Saves the project and opens the file into a document of its own.
    std::unique_ptr<CReqDoc> SaveAndReopen() {
        const QString path = dir.filePath(QStringLiteral("saved.dvx"));
        EXPECT_TRUE(CReqDocFile(*doc).SaveDocument(path).ok);
        auto reopened = std::make_unique<CReqDoc>();
        EXPECT_TRUE(CReqDocFile(*reopened).OpenDocument(path).ok);
        return reopened;
    }

    QByteArray Dump() const { return ProjectDump::Dump(*doc, QStringLiteral("2.0.3")); }
};
