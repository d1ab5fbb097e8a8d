// Menus show the states and keys of their commands; keys run them; titles mark unsaved changes.
#include "ProjectWindows.h"
#include "views/CViewFindBar.h"

#include <QLineEdit>
#include <QMenu>
#include <QTest>

using namespace CommandIds;
using namespace ProjectIds;

namespace {

QAction* ActionWithId(QMenu* menu, int id) {
    for (QAction* action : menu->findChildren<QAction*>()) {
        if (action->data().toInt() == id) {
            return action;
        }
    }
    return nullptr;
}

QStringList Outline(CViewDVTreeList* view) {
    QStringList lines;
    CTreeListCtrl* grid = view->GetGrid();
    for (int row = 0; row < grid->GetRowCount(); ++row) {
        const HTREEITEM item = grid->GetItemOfRow(row);
        int depth = 0;
        for (HTREEITEM up = grid->GetNextItem(item, TVGN_PARENT); up != 0;
             up = grid->GetNextItem(up, TVGN_PARENT)) {
            ++depth;
        }
        lines.append(QString(depth, u'.') + grid->GetItemText(item, 0));
    }
    return lines;
}

class MenusAndKeysTest : public ProjectWindowsTest {
protected:
    void SetUp() override {
        ProjectWindowsTest::SetUp();
        view = ActiveMatrix();
        ASSERT_NE(view, nullptr);
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        view->GetGrid()->setFocus();
    }
    // The requirements under Features, one line each.
    QStringList FeaturesBranch() {
        const QStringList all = Outline(view);
        const qsizetype from = all.indexOf(QStringLiteral("Features"));
        return all.mid(from, all.indexOf(QStringLiteral("Specifications")) - from);
    }

    CViewDVTreeList* view = nullptr;
};

TEST_F(MenusAndKeysTest, TheColumnHeaderMenuShowsTheCommandStates) {
    view->GetGrid()->ShowColumnHeaderMenu(QPoint(10, 10));
    auto* menu = view->GetGrid()->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    const struct {
        int id;
        bool enabled;
    } expected[] = {
        {32807, true},  // the column chooser
        {32815, true},  {32818, true},  {32816, true},
        {32860, true},  {32823, false},  // the window shows requirements already
        {32824, true},  {32825, true},
    };
    for (const auto& e : expected) {
        QAction* action = ActionWithId(menu, e.id);
        ASSERT_NE(action, nullptr) << e.id;
        EXPECT_EQ(action->isEnabled(), e.enabled) << e.id;
    }
    EXPECT_TRUE(ActionWithId(menu, 32818)->isChecked());  // the project saves its layouts automatically
    menu->close();
}

TEST_F(MenusAndKeysTest, ContextMenusShowTheKeysOfTheirCommands) {
    std::unique_ptr<QMenu> menu(view->CreateContextMenu(view));
    const struct {
        int id;
        QKeySequence key;
    } expected[] = {
        {DVCmd::Cut, QKeySequence(Qt::CTRL | Qt::Key_X)},
        {DVCmd::CopySelected, QKeySequence(Qt::CTRL | Qt::Key_C)},
        {DVCmd::CopyBranch, QKeySequence(Qt::CTRL | Qt::Key_B)},
        {DVCmd::Paste, QKeySequence(Qt::CTRL | Qt::Key_V)},
        {DVCmd::InsertNew, QKeySequence(Qt::CTRL | Qt::Key_I)},
        {DVCmd::IncreaseIndent, QKeySequence(Qt::ALT | Qt::Key_Right)},
        {DVCmd::DecreaseIndent, QKeySequence(Qt::ALT | Qt::Key_Left)},
        {DVCmd::MoveUp, QKeySequence(Qt::ALT | Qt::Key_Up)},
        {DVCmd::MoveDown, QKeySequence(Qt::ALT | Qt::Key_Down)},
        {DVCmd::Delete, QKeySequence(Qt::CTRL | Qt::Key_D)},
    };
    for (const auto& e : expected) {
        QAction* action = ActionWithId(menu.get(), e.id);
        ASSERT_NE(action, nullptr) << e.id;
        EXPECT_EQ(action->shortcut(), e.key) << e.id;
    }
    EXPECT_TRUE(ActionWithId(menu.get(), DVCmd::Delete)->shortcuts().contains(QKeySequence(Qt::Key_Delete)));
    EXPECT_EQ(ActionWithId(menu.get(), DVCmd::EditField)->shortcut(), QKeySequence());  // "\tENTER" says it
}

TEST_F(MenusAndKeysTest, KeysMoveIndentAndDeleteTheSelectedBranch) {
    struct Case {
        const char* selected;  // its outline line
        Qt::Key key;
        QStringList branch;
    };
    const Case cases[] = {
        {".Brewing", Qt::Key_Down, {"Features", ".Payment", ".Brewing"}},
        {".Brewing", Qt::Key_Up, {"Features", ".Brewing", ".Payment"}},
        {".Payment", Qt::Key_Right, {"Features", ".Brewing", "..Payment"}},
        {"..Payment", Qt::Key_Left, {"Features", ".Brewing", ".Payment"}},
    };
    for (const Case& c : cases) {
        const qsizetype line = Outline(view).indexOf(QString::fromUtf8(c.selected));
        ASSERT_GE(line, 0) << c.selected;
        const HTREEITEM row = view->GetGrid()->GetItemOfRow(int(line));
        view->GetGrid()->SelectCell(row, 0);
        frame->Commands().UpdateActions();  // idle time after the selection
        QTest::keyClick(view->GetGrid(), c.key, Qt::AltModifier);
        EXPECT_EQ(FeaturesBranch(), c.branch) << c.selected << " " << c.key;
    }

    // Delete asks first, with the command's own words.
    Select(view, Features);
    frame->Commands().UpdateActions();
    boxes.answers = {DV::IDNO};
    QTest::keyClick(view->GetGrid(), Qt::Key_Delete);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(
        boxes.texts[0].startsWith(QStringLiteral("Are you sure that you want to delete Features, ID 3")));
    EXPECT_NE(view->FindRowOfObject(Features), 0u);
}

TEST_F(MenusAndKeysTest, F2EditsTheCellAndTheEditorKeepsItsKeys) {
    Select(view, Features);
    QTest::keyClick(view->GetGrid(), Qt::Key_F2);
    QWidget* editor = view->GetGrid()->GetEditControl();
    ASSERT_NE(editor, nullptr);
    // Keys that run commands in the grid are the editor's while it is open.
    QTest::keyClick(editor, Qt::Key_Up, Qt::AltModifier);
    QTest::keyClick(editor, Qt::Key_Delete);
    EXPECT_TRUE(boxes.texts.isEmpty());
    EXPECT_EQ(FeaturesBranch(), (QStringList{"Features", ".Brewing", ".Payment"}));
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(view->GetGrid()->GetEditControl(), nullptr);
    EXPECT_EQ(doc->FindRequirement(Features)->m_strTitle, QStringLiteral("Features"));

    // Escape of the main window's accelerators, which only an open find bar takes.
    ASSERT_TRUE(frame->Commands().HasAction(ID_ESCAPE));
    EXPECT_EQ(frame->Commands().Action(ID_ESCAPE)->shortcut(), QKeySequence(Qt::Key_Escape));
}

// Finding runs on the active view: Ctrl+F, F3 and Shift+F3, Escape, Ctrl+H and Ctrl+G. A key is pressed
// on the focused widget after the idle-time update of the command states.
void PressKey(CMainFrame& frame, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    frame.Commands().UpdateActions();
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

QString SelectedTitle(CViewDVTreeList* view) {
    return view->GetGrid()->GetItemText(view->SelectedItem(), 0);
}

TEST_F(MenusAndKeysTest, FindStepsThroughTheMatchesAndEscapeCloses) {
    Select(view, 1);  // "User Needs"
    PressKey(*frame, Qt::Key_F, Qt::ControlModifier);
    CViewFindBar* bar = CViewFindBar::Of(*view);
    ASSERT_NE(bar, nullptr);
    ASSERT_FALSE(bar->isHidden());
    ASSERT_EQ(QApplication::focusWidget(), bar->FindField());
    QTest::keyClicks(bar->FindField(), QStringLiteral("p"));
    EXPECT_EQ(SelectedTitle(view), QStringLiteral("Payment"));

    const struct {
        Qt::KeyboardModifiers modifiers;
        const char* title;
        const char* status;
    } steps[] = {
        {Qt::NoModifier, "Specifications", "2 of 3"},
        {Qt::NoModifier, "Pump", "3 of 3"},
        {Qt::NoModifier, "Payment", "1 of 3"},
        {Qt::ShiftModifier, "Pump", "3 of 3"},
    };
    for (const auto& step : steps) {
        PressKey(*frame, Qt::Key_F3, step.modifiers);
        EXPECT_EQ(SelectedTitle(view), QString::fromUtf8(step.title));
        EXPECT_EQ(bar->StatusText(), QString::fromUtf8(step.status));
    }

    // Escape closes the bar wherever the focus is in the window.
    view->GetGrid()->setFocus();
    PressKey(*frame, Qt::Key_Escape);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(SelectedTitle(view), QStringLiteral("Pump"));
}

TEST_F(MenusAndKeysTest, ReplaceAndGoToIdOpenTheirFields) {
    PressKey(*frame, Qt::Key_H, Qt::ControlModifier);
    CViewFindBar* bar = CViewFindBar::Of(*view);
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->ReplaceField()->isVisible());

    PressKey(*frame, Qt::Key_G, Qt::ControlModifier);
    ASSERT_EQ(QApplication::focusWidget(), bar->IdField());
    QTest::keyClicks(bar->IdField(), QStringLiteral("7"));
    PressKey(*frame, Qt::Key_Return);
    EXPECT_EQ(SelectedTitle(view), QStringLiteral("Pump"));
    EXPECT_TRUE(boxes.texts.isEmpty());

    PressKey(*frame, Qt::Key_G, Qt::ControlModifier);
    QTest::keyClicks(bar->IdField(), QStringLiteral("99"));
    PressKey(*frame, Qt::Key_Return);
    EXPECT_EQ(boxes.texts,
              QStringList{QStringLiteral("There is no requirement with the ID 99 in this view.")});

    // Ctrl+F leaves the replacement out again.
    PressKey(*frame, Qt::Key_F, Qt::ControlModifier);
    EXPECT_FALSE(bar->ReplaceField()->isVisible());
}

TEST_F(MenusAndKeysTest, EachWindowHasItsOwnBar) {
    CViewDVTreeList* steps = OpenStepsWindow();
    ASSERT_NE(steps, nullptr);
    steps->GetGrid()->setFocus();
    PressKey(*frame, Qt::Key_F, Qt::ControlModifier);
    ASSERT_NE(CViewFindBar::Of(*steps), nullptr);
    EXPECT_EQ(CViewFindBar::Of(*view), nullptr);
    QTest::keyClicks(CViewFindBar::Of(*steps)->FindField(), QStringLiteral("button"));
    EXPECT_EQ(steps->GetGrid()->GetItemText(steps->SelectedItem(), 0), QStringLiteral("Press button"));
}

TEST_F(MenusAndKeysTest, TitlesMarkUnsavedChanges) {
    const auto windowsModified = [this] {
        frame->Commands().UpdateActions();  // idle time
        QList<bool> marks{frame->isWindowModified()};
        for (CChildFrame* window : frame->WindowsOf(doc)) {
            marks.append(window->isWindowModified());
        }
        return marks;
    };
    OpenWindow(ID_VIEW_ACTORS_WINDOW);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("windows.dvx[*] - Dovalintra"));
    for (CChildFrame* window : frame->WindowsOf(doc)) {
        EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral("[*]")));
    }
    EXPECT_EQ(windowsModified(), (QList<bool>{false, false, false}));
    Select(ActiveMatrix(), 1);
    Run(DVCmd::InsertNew);
    ActiveMatrix()->GetGrid()->EndEditLabelNow(false);
    EXPECT_EQ(windowsModified(), (QList<bool>{true, true, true}));
    Run(ID_FILE_SAVE);
    EXPECT_EQ(windowsModified(), (QList<bool>{false, false, false}));
}

}  // namespace
