// Expansion, rows and navigation codes.
#include "TreeListFixture.h"

#include <algorithm>
#include <random>

class NavigationTest : public TreeListTest {
protected:
    void SetUp() override {
        TreeListTest::SetUp();
        AddColumn("tree");
        // 30 top-level rows; the first has three children with one grandchild.
        for (int i = 0; i < 30; ++i) {
            top.push_back(Add(QString("top %1").arg(i)));
        }
        for (int i = 0; i < 3; ++i) {
            kids.push_back(Add(QString("kid %1").arg(i), top[0]));
        }
        grandchild = Add("grandchild", kids[1]);
    }
    int FitWholly() { return tree->GetVisibleCount(); }

    std::vector<HTREEITEM> top;
    std::vector<HTREEITEM> kids;
    HTREEITEM grandchild = 0;
};

TEST_F(NavigationTest, ExpandCollapseToggleAndPartial) {
    EXPECT_EQ(tree->GetRowCount(), 30);
    EXPECT_TRUE(tree->Expand(top[0], TVE_EXPAND));
    EXPECT_EQ(tree->GetRowCount(), 33);
    EXPECT_TRUE(tree->Expand(kids[1], TVE_EXPAND));
    EXPECT_EQ(tree->GetRowOfItem(grandchild), 3);
    EXPECT_EQ(tree->GetRowOfItem(kids[2]), 4);
    EXPECT_EQ(tree->GetRowOfItem(top[1]), 5);
    EXPECT_TRUE(tree->Expand(top[0], TVE_TOGGLE));
    EXPECT_EQ(tree->GetRowCount(), 30);
    EXPECT_EQ(tree->GetRowOfItem(grandchild), -1);
    // Expanding again shows the remembered expansion of kid 1.
    EXPECT_TRUE(tree->Expand(top[0], TVE_EXPAND | TVE_EXPANDPARTIAL));
    EXPECT_EQ(tree->GetRowCount(), 34);
    EXPECT_TRUE(tree->GetItemState(top[0], TVIS_EXPANDPARTIAL));
    EXPECT_FALSE(tree->Expand(top[5], TVE_EXPAND));  // no children
    EXPECT_FALSE(tree->Expand(999, TVE_EXPAND));
    // Collapse-and-reset deletes the children.
    recorder.log.clear();
    EXPECT_TRUE(tree->Expand(top[0], TVE_COLLAPSE | TVE_COLLAPSERESET));
    EXPECT_EQ(recorder.Of(TVN_DELETEITEMW).size(), 4u);
    EXPECT_EQ(tree->GetNextItem(top[0], TVGN_CHILD), 0u);
    EXPECT_EQ(tree->GetRowCount(), 30);
}

TEST_F(NavigationTest, ExpandingNotifiesAndCanBeRefused) {
    recorder.answers[TVN_ITEMEXPANDINGW] = 1;
    EXPECT_FALSE(tree->Expand(top[0], TVE_EXPAND));
    EXPECT_EQ(tree->GetRowCount(), 30);
    recorder.answers.clear();
    recorder.log.clear();
    EXPECT_TRUE(tree->Expand(top[0], TVE_EXPAND));
    EXPECT_EQ(recorder.Codes(), (std::vector<int>{TVN_ITEMEXPANDINGW, TVN_ITEMEXPANDEDW}));
    EXPECT_EQ(recorder.log[0].action, TVE_EXPAND);
}

TEST_F(NavigationTest, CollapsingMovesTheCaretOutOfTheBranch) {
    ASSERT_TRUE(tree->SelectItem(grandchild, TVGN_CARET));  // reveals the row
    EXPECT_EQ(tree->GetRowOfItem(grandchild), 3);
    tree->Expand(top[0], TVE_COLLAPSE);
    EXPECT_EQ(tree->GetNextItem(0, TVGN_CARET), top[0]);
    EXPECT_EQ(tree->GetItemState(top[0], TVIS_SELECTED), TVIS_SELECTED);
    EXPECT_EQ(tree->GetItemState(grandchild, TVIS_SELECTED), 0u);
}

TEST_F(NavigationTest, TreeNavigationCodes) {
    EXPECT_EQ(tree->GetNextItem(0, TVGN_ROOT), top[0]);
    EXPECT_EQ(tree->GetNextItem(top[0], TVGN_NEXT), top[1]);
    EXPECT_EQ(tree->GetNextItem(top[1], TVGN_PREVIOUS), top[0]);
    EXPECT_EQ(tree->GetNextItem(grandchild, TVGN_PARENT), kids[1]);
    EXPECT_EQ(tree->GetNextItem(top[0], TVGN_CHILD), kids[0]);
    EXPECT_EQ(tree->GetNextItem(TVI_ROOT, TVGN_CHILD), top[0]);
    EXPECT_EQ(tree->GetNextItem(top[29], TVGN_NEXT), 0u);
    EXPECT_EQ(tree->GetNextItem(12345, TVGN_NEXT), 0u);
    EXPECT_EQ(tree->GetNextItem(0, TVGN_LASTVISIBLE), top[29]);
    EXPECT_EQ(tree->GetNextItem(0, 0x77), 0u);
}

TEST_F(NavigationTest, NextVisibleStopsAtTheLastRowInsideTheWindow) {
    const int fitPartly = tree->GetCountPerPage();
    ASSERT_LT(fitPartly, 30);
    const HTREEITEM lastInside = tree->GetItemOfRow(fitPartly - 1);
    EXPECT_EQ(tree->GetNextItem(0, TVGN_FIRSTVISIBLE), top[0]);
    EXPECT_EQ(tree->GetNextItem(tree->GetItemOfRow(fitPartly - 2), TVGN_NEXTVISIBLE), lastInside);
    EXPECT_EQ(tree->GetNextItem(lastInside, TVGN_NEXTVISIBLE), 0u);
    EXPECT_EQ(tree->GetNextItem(top[0], TVGN_PREVIOUSVISIBLE), 0u);
    // Scrolled down, the window moves and with it the rows that count.
    ASSERT_TRUE(tree->SelectItem(top[5], TVGN_FIRSTVISIBLE));
    EXPECT_EQ(tree->GetNextItem(0, TVGN_FIRSTVISIBLE), top[5]);
    EXPECT_EQ(tree->GetNextItem(top[5], TVGN_PREVIOUSVISIBLE), 0u);
    EXPECT_EQ(tree->GetNextItem(lastInside, TVGN_NEXTVISIBLE), tree->GetItemOfRow(fitPartly));
}

TEST_F(NavigationTest, ScrollingStopsAtTheLastPage) {
    ASSERT_TRUE(tree->SelectItem(top[29], TVGN_FIRSTVISIBLE));
    const int firstRow = tree->GetRowOfItem(tree->GetNextItem(0, TVGN_FIRSTVISIBLE));
    EXPECT_EQ(firstRow, 30 - FitWholly());
    EXPECT_EQ(tree->GetLayout()->firstLine, firstRow);
}

TEST_F(NavigationTest, EnsureVisibleExpandsAncestorsAndScrolls) {
    ASSERT_TRUE(tree->EnsureVisible(grandchild));
    EXPECT_GE(tree->GetRowOfItem(grandchild), 0);
    ASSERT_TRUE(tree->EnsureVisible(top[29]));
    const int row = tree->GetRowOfItem(top[29]);
    const int first = tree->GetRowOfItem(tree->GetNextItem(0, TVGN_FIRSTVISIBLE));
    EXPECT_LT(row - first, FitWholly());
    EXPECT_GE(row, first);
}

TEST_F(NavigationTest, MultipleSelectionWalk) {
    tree->SetExtendedStyle(TLX_MULTISELECT, TLX_MULTISELECT);
    tree->Expand(top[0], TVE_EXPAND);
    tree->SetItemState(kids[2], 0, TVIS_SELECTED, TVIS_SELECTED);
    tree->SetItemState(top[3], 0, TVIS_SELECTED, TVIS_SELECTED);
    tree->SetItemState(top[1], 0, TVIS_SELECTED, TVIS_SELECTED);
    std::vector<HTREEITEM> walked;
    for (HTREEITEM h = tree->GetNextItem(TVI_ROOT, TVGN_NEXTSELECTED); h;
         h = tree->GetNextItem(h, TVGN_NEXTSELECTED)) {
        walked.push_back(h);
    }
    EXPECT_EQ(walked, (std::vector<HTREEITEM>{kids[2], top[1], top[3]}));
    EXPECT_EQ(tree->GetSelectedCount(), 3);
}

TEST_F(NavigationTest, SortChildrenReordersRows) {
    tree->Expand(top[0], TVE_EXPAND);
    tree->SetItemText(kids[0], 0, "c");
    tree->SetItemText(kids[1], 0, "a");
    tree->SetItemText(kids[2], 0, "b");
    ASSERT_TRUE(tree->SortChildren(top[0]));
    EXPECT_EQ(tree->GetItemOfRow(1), kids[1]);
    EXPECT_EQ(tree->GetItemOfRow(2), kids[2]);
    EXPECT_EQ(tree->GetItemOfRow(3), kids[0]);
    const std::function<int(qintptr, qintptr, qintptr)> byParam = [](qintptr a, qintptr b, qintptr) {
        return int(b - a);
    };
    for (int i = 0; i < 30; ++i) {
        TLItem it;
        it.mask = TVIF_PARAM;
        it.hItem = top[size_t(i)];
        it.lParam = i;
        tree->SetItem(it);
    }
    ASSERT_TRUE(tree->SortChildrenCB(TVI_ROOT, byParam, 0));
    EXPECT_EQ(tree->GetItemOfRow(0), top[29]);
    EXPECT_EQ(tree->GetRowOfItem(kids[1]), 30);  // the expanded branch moved along
}

// Random edits of the tree, checked against the rows a plain pre-order walk gives.
TEST_F(TreeListTest, RowsStayInStepWithTheTreeThroughRandomEdits) {
    AddColumn("tree");
    std::mt19937 random(4711);
    std::vector<HTREEITEM> items;
    auto pick = [&]() { return items[random() % items.size()]; };
    auto expectedRows = [&]() {
        std::vector<HTREEITEM> rows;
        std::function<void(HTREEITEM)> walk = [&](HTREEITEM parent) {
            for (HTREEITEM h = tree->GetNextItem(parent, TVGN_CHILD); h;
                 h = tree->GetNextItem(h, TVGN_NEXT)) {
                rows.push_back(h);
                if (tree->GetItemState(h, TVIS_EXPANDED)) {
                    walk(h);
                }
            }
        };
        walk(TVI_ROOT);
        return rows;
    };
    for (int step = 0; step < 3000; ++step) {
        const unsigned op = items.empty() ? 0 : random() % 10;
        if (op < 5) {
            const HTREEITEM parent = items.empty() || random() % 4 == 0 ? TVI_ROOT : pick();
            const HTREEITEM afterChoices[] = {TVI_FIRST, TVI_LAST, TVI_SORT, 0, items.empty() ? 0 : pick()};
            const HTREEITEM h = Add(QString::number(random() % 1000), parent, afterChoices[random() % 5]);
            ASSERT_NE(h, 0u);
            items.push_back(h);
        } else if (op == 5) {
            const HTREEITEM victim = pick();
            std::vector<HTREEITEM> doomed{victim};
            for (size_t i = 0; i < doomed.size(); ++i) {
                for (HTREEITEM c = tree->GetNextItem(doomed[i], TVGN_CHILD); c;
                     c = tree->GetNextItem(c, TVGN_NEXT)) {
                    doomed.push_back(c);
                }
            }
            ASSERT_TRUE(tree->DeleteItem(victim));
            std::erase_if(items, [&](HTREEITEM h) {
                return std::find(doomed.begin(), doomed.end(), h) != doomed.end();
            });
        } else if (op < 9) {
            tree->Expand(pick(), random() % 2 ? TVE_EXPAND : TVE_TOGGLE);
        } else {
            tree->SortChildren(random() % 3 == 0 ? TVI_ROOT : pick(), random() % 2);
        }
        if (step % 50 == 0 || step == 2999) {
            const std::vector<HTREEITEM> expected = expectedRows();
            ASSERT_EQ(tree->GetRowCount(), int(expected.size())) << "step " << step;
            for (int r = 0; r < int(expected.size()); ++r) {
                ASSERT_EQ(tree->GetItemOfRow(r), expected[size_t(r)]) << "step " << step << " row " << r;
                ASSERT_EQ(tree->GetRowOfItem(expected[size_t(r)]), r) << "step " << step;
            }
            ASSERT_EQ(tree->GetCount(), int(items.size()));
        }
    }
}
