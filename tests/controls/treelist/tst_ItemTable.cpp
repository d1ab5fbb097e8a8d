// Item handles, insertion orders, deletion and user data.
#include "TreeListFixture.h"

#include <cstring>

TEST_F(TreeListTest, HandlesStartAtOneAndDeletedOnesComeBackAfterTheLastIssued) {
    const HTREEITEM a = Add("a");
    const HTREEITEM b = Add("b");
    const HTREEITEM c = Add("c");
    EXPECT_EQ(a, 1u);
    EXPECT_EQ(b, 2u);
    EXPECT_EQ(c, 3u);
    ASSERT_TRUE(tree->DeleteItem(b));
    // The next handle is the first free slot after the last issued one, not the freed one.
    const HTREEITEM d = Add("d");
    EXPECT_EQ(d, 4u);
    // Once the table is used up to its end the search wraps around and finds the freed slot.
    std::vector<HTREEITEM> more;
    for (int i = 0; i < 59; ++i) {
        more.push_back(Add(QString::number(i)));
    }
    EXPECT_EQ(more.back(), 63u);
    EXPECT_EQ(Add("x"), 64u);
    EXPECT_EQ(Add("reused"), b);
    EXPECT_EQ(tree->GetItemText(b), "reused");
    // A full table grows by half plus 64 and continues after the last handle.
    EXPECT_EQ(Add("grown"), 65u);
    EXPECT_EQ(tree->GetCount(), 65);
}

TEST_F(TreeListTest, InsertionOrders) {
    const HTREEITEM p = Add("parent");
    const HTREEITEM m = Add("m", p);
    Add("z", p, TVI_LAST);
    Add("a", p, TVI_FIRST);
    Add("n", p, m);  // after a sibling
    const HTREEITEM other = Add("other");
    Add("appended", p, other);  // not a child of p: appended
    Add("zero", p, 0);          // 0 appends too
    EXPECT_EQ(ChildTexts(p), (std::vector<QString>{"a", "m", "n", "z", "appended", "zero"}));

    const HTREEITEM s = Add("sorted");
    for (const char* t : {"pear", "Apple", "fig", "banana"}) {
        Add(t, s, TVI_SORT);
    }
    EXPECT_EQ(ChildTexts(s), (std::vector<QString>{"Apple", "banana", "fig", "pear"}));
    // TVI_ROOT as insert-after appends at top level.
    Add("last top", TVI_ROOT, TVI_ROOT);
    EXPECT_EQ(ChildTexts().back(), "last top");
    EXPECT_EQ(tree->InsertItem("bad parent", 999), 0u);
}

TEST_F(TreeListTest, DeletingABranchNotifiesEveryItemAndKeepsRowsInStep) {
    const HTREEITEM a = Add("a");
    const HTREEITEM a1 = Add("a1", a);
    Add("a1x", a1);
    Add("a2", a);
    const HTREEITEM b = Add("b");
    tree->Expand(a, TVE_EXPAND);
    tree->Expand(a1, TVE_EXPAND);
    EXPECT_EQ(tree->GetRowCount(), 5);
    recorder.log.clear();
    ASSERT_TRUE(tree->DeleteItem(a));
    EXPECT_EQ(recorder.Of(TVN_DELETEITEMW).size(), 4u);
    EXPECT_EQ(tree->GetRowCount(), 1);
    EXPECT_EQ(tree->GetItemOfRow(0), b);
    EXPECT_EQ(tree->GetRowOfItem(b), 0);
    EXPECT_FALSE(tree->DeleteItem(a));
    EXPECT_EQ(tree->GetItemText(a1), QString());

    Add("c", b);
    recorder.log.clear();
    ASSERT_TRUE(tree->DeleteAllItems());
    EXPECT_EQ(recorder.Of(TVN_DELETEITEMW).size(), 2u);
    EXPECT_EQ(tree->GetCount(), 0);
    EXPECT_EQ(tree->GetRowCount(), 0);
}

TEST_F(TreeListTest, TheParentMayCallTheControlFromADeleteNotification) {
    const HTREEITEM a = Add("a");
    Add("a1", a);
    const HTREEITEM b = Add("b");
    recorder.hook = [&](DV_TreeList& control, TLNotify& n) {
        if (n.code == TVN_DELETEITEMW) {
            // The dying item is out of reach; the others stay usable.
            EXPECT_FALSE(control.DeleteItem(n.hItem));
            EXPECT_EQ(control.GetItemText(b), "b");
        }
    };
    EXPECT_TRUE(tree->DeleteItem(a));
    EXPECT_EQ(tree->GetCount(), 1);
}

TEST_F(TreeListTest, UserDataIsZeroFilledAndItsSizeFixedOnceItemsExist) {
    EXPECT_EQ(tree->SetUserDataSize(0x1000001), -1);
    EXPECT_EQ(tree->SetUserDataSize(16), 16);
    const HTREEITEM h = Add("a");
    auto* data = static_cast<unsigned char*>(tree->GetItemUserData(h));
    ASSERT_NE(data, nullptr);
    const unsigned char zeros[16] = {};
    EXPECT_EQ(std::memcmp(data, zeros, 16), 0);
    EXPECT_EQ(tree->SetUserDataSize(32), 0);
    EXPECT_EQ(tree->GetUserDataSize(), 16);
    EXPECT_EQ(tree->GetItemUserData(12345), nullptr);
}

TEST_F(TreeListTest, ItemFieldsAndCellsThroughGetAndSetItem) {
    AddColumn("one");
    AddColumn("two");
    const HTREEITEM h = Add("a");
    TLItem set;
    set.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_STATE | TVIF_COLUMN;
    set.hItem = h;
    set.cChildren = 1;
    set.text = "cell";
    set.image = 5;
    set.state = TVIS_BOLD;
    set.stateMask = TVIS_BOLD;
    ASSERT_TRUE(tree->SetItem(set));
    TLItem get;
    get.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_STATE | TVIF_COLUMN;
    get.hItem = h;
    get.cChildren = 1;
    ASSERT_TRUE(tree->GetItem(get));
    EXPECT_EQ(get.text, "cell");
    EXPECT_EQ(get.image, 5);
    EXPECT_EQ(get.state, TVIS_BOLD);
    EXPECT_EQ(tree->GetItemText(h, 0), "a");
    // Out of range columns and handles fail without a change.
    set.cChildren = 2;
    EXPECT_FALSE(tree->SetItem(set));
    set.cChildren = 1;
    set.hItem = 77;
    EXPECT_FALSE(tree->SetItem(set));
    EXPECT_EQ(tree->GetCellBkColor(TLCellId(h, 1)), CLR_NONE);
    EXPECT_EQ(tree->SetCellBkColor(TLCellId(h, 1), 0x123456), CLR_NONE);
    EXPECT_EQ(tree->SetCellBkColor(TLCellId(h, 1), CLR_NONE), 0x123456u);
    EXPECT_EQ(tree->SetCellTextColor(TLCellId(h, 5), 0x1), CLR_NONE);
}

TEST_F(TreeListTest, TextCallbacksAskTheParent) {
    AddColumn("one");
    TLInsertStruct insert;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.textCallback = true;
    insert.item.lParam = 42;
    const HTREEITEM h = tree->InsertItem(insert);
    recorder.hook = [](DV_TreeList& control, TLNotify& n) {
        if (n.code == TVN_GETDISPINFOW) {
            // Reading the cell from inside its own callback gets nothing rather than recursing.
            EXPECT_EQ(control.GetItemText(n.hItem), QString());
            n.itemNew.text = QString("item %1").arg(n.itemNew.lParam);
        }
    };
    EXPECT_EQ(tree->GetItemText(h), "item 42");
}

TEST_F(TreeListTest, InvalidHandlesAndColumnsFailWithoutAChange) {
    AddColumn("tree");
    const HTREEITEM h = Add("a");
    for (HTREEITEM bad : {HTREEITEM(0), HTREEITEM(2), HTREEITEM(500), TVI_FIRST, TL_MAX_HANDLE}) {
        EXPECT_FALSE(tree->Expand(bad, TVE_EXPAND));
        EXPECT_EQ(tree->GetRowOfItem(bad), -1);
        EXPECT_FALSE(tree->EnsureVisible(bad));
        EXPECT_EQ(tree->EditLabel(bad, 0), nullptr);
        EXPECT_EQ(tree->GetItemState(bad, 0xFFFF), 0u);
        EXPECT_FALSE(tree->SetItemText(bad, 0, "x"));
        EXPECT_EQ(tree->GetCellTextColor(TLCellId(bad, 0)), CLR_NONE);
        EXPECT_FALSE(tree->SelectCell(bad ? bad : 77, 0));
        EXPECT_FALSE(tree->SetInsertMark(bad ? bad : 77, true));
        QRect rect;
        EXPECT_FALSE(tree->GetItemRect(bad, &rect, false));
        EXPECT_TRUE(tree->CreateDragImage(bad).isNull());
    }
    EXPECT_FALSE(tree->SetItemText(h, 1, "x"));
    EXPECT_FALSE(tree->DeleteColumn(3));
    EXPECT_FALSE(tree->DeleteColumn(-1));
    EXPECT_EQ(tree->GetColumnWidth(5), 0);
    TLColumn column;
    EXPECT_FALSE(tree->GetColumn(1, column));
    EXPECT_FALSE(tree->SetColumn(-2, column));
    EXPECT_EQ(tree->GetItemOfRow(-1), 0u);
    EXPECT_EQ(tree->GetItemOfRow(1), 0u);
    EXPECT_EQ(tree->SetItemHeight(0), tree->GetItemHeight());
    EXPECT_EQ(tree->SetIndent(1000), 19);
    EXPECT_EQ(tree->GetIndent(), 64);
    EXPECT_EQ(tree->GetCount(), 1);
    EXPECT_EQ(tree->GetItemText(h), "a");
}
