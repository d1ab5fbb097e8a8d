// The view-side wrapper: header release commits the order, a right click shows the column header menu.
#include "controls/treelist/CTreeListCtrl.h"
#include "controls/treelist/ITreeListOwner.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QMenu>
#include <QTest>

namespace {

class FakeOwner : public ITreeListOwner {
public:
    void CloseOpenPopupMenu() override { ++closed; }
    void SetOpenPopupMenu(QMenu* m) override { menu = m; }
    void UpdateColumnHeaderMenu(QMenu* m) override {
        for (QAction* action : m->findChildren<QAction*>()) {
            const int id = action->data().toInt();
            action->setEnabled(!disabled.contains(id));
            action->setCheckable(id == checked);
            action->setChecked(id == checked);
        }
    }
    void OnColumnHeaderCommand(int id) override { commands.push_back(id); }

    int closed = 0;
    QMenu* menu = nullptr;
    QList<int> disabled;
    int checked = 0;
    std::vector<int> commands;
};

QAction* ActionWithId(QMenu* menu, int id) {
    for (QAction* action : menu->findChildren<QAction*>()) {
        if (action->data().toInt() == id) {
            return action;
        }
    }
    return nullptr;
}

}  // namespace

TEST(CTreeListCtrlTest, HeaderReleaseCommitsTheDragOrder) {
    FakeOwner owner;
    CTreeListCtrl grid(&owner);
    grid.resize(400, 300);
    grid.show();
    for (int c = 0; c < 4; ++c) {
        TLColumn column;
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.text = QString("col%1").arg(c);
        column.cx = 80;
        grid.InsertColumn(c, column);
    }
    const HTREEITEM h = grid.InsertItem("row");
    grid.SetItemText(h, 3, "three");
    grid.GetHeader()->moveSection(3, 1);
    QTest::mouseRelease(grid.GetHeader()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.GetItemText(h, 1), "three");
    EXPECT_EQ(grid.GetHeader()->visualIndex(1), 1);
}

TEST(CTreeListCtrlTest, RightClickOnTheHeaderShowsMenu317) {
    FakeOwner owner;
    CTreeListCtrl grid(&owner);
    grid.resize(400, 300);
    grid.show();
    TLColumn column;
    column.mask = LVCF_TEXT;
    grid.InsertColumn(0, column);
    // The owner's command states, as it gives them to its other menus.
    owner.disabled = {CTreeListCtrl::ID_CHOOSE_COLUMNS, CTreeListCtrl::ID_VIEW_PROJECT_OVERVIEW,
                      CTreeListCtrl::ID_VIEW_REQUIREMENTS};
    owner.checked = CTreeListCtrl::ID_SAVE_COLUMN_LAYOUT_AUTO;
    Q_EMIT grid.GetHeader()->customContextMenuRequested(QPoint(5, 5));
    ASSERT_NE(owner.menu, nullptr);
    EXPECT_EQ(owner.closed, 1);
    QAction* autoSave = ActionWithId(owner.menu, CTreeListCtrl::ID_SAVE_COLUMN_LAYOUT_AUTO);
    ASSERT_NE(autoSave, nullptr);
    EXPECT_TRUE(autoSave->isChecked());
    for (int id : {32807, 32815, 32816, 32860, 32823, 32824, 32825}) {
        QAction* action = ActionWithId(owner.menu, id);
        ASSERT_NE(action, nullptr) << id;
        EXPECT_EQ(action->isEnabled(), !owner.disabled.contains(id)) << id;
    }
    for (int id : {CTreeListCtrl::ID_CHOOSE_COLUMNS, CTreeListCtrl::ID_SAVE_COLUMN_LAYOUT,
                   CTreeListCtrl::ID_VIEW_ACTORS}) {
        ActionWithId(owner.menu, id)->trigger();
    }
    EXPECT_EQ(owner.commands, (std::vector<int>{32815, 32824}));  // a disabled item runs nothing
    owner.menu->close();
}
