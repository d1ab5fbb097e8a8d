// Column widths, header order and edit settings.
#include "TreeListFixture.h"

#include <QHeaderView>

TEST_F(TreeListTest, ProportionalColumnsShareGrowthExactly) {
    AddColumn("fixed", 100);
    AddColumn("a");
    AddColumn("b");
    const int a = tree->GetColumnWidth(1);
    const int b = tree->GetColumnWidth(2);
    EXPECT_EQ(100 + a + b, tree->viewport()->width());
    tree->resize(tree->width() + 11, tree->height());
    QCoreApplication::processEvents();
    EXPECT_EQ(tree->GetColumnWidth(0), 100);
    EXPECT_EQ(tree->GetColumnWidth(1) - a, 5);
    EXPECT_EQ(tree->GetColumnWidth(2) - b, 6);
    tree->resize(tree->width() - 11, tree->height());
    QCoreApplication::processEvents();
    EXPECT_EQ(tree->GetColumnWidth(1), a);
    EXPECT_EQ(tree->GetColumnWidth(2), b);
    const TLLayout* layout = tree->GetLayout();
    EXPECT_EQ(layout->columnEdges, (std::vector<int>{0, 100, 100 + a, 100 + a + b}));
}

TEST_F(TreeListTest, WeightsMinimumWidthsAndHiddenColumns) {
    TLColumn heavy;
    heavy.mask = LVCF_TEXT | LVCF_SUBITEM | LVCF_ORDER;
    heavy.cx = 3;
    heavy.iOrder = 50;
    tree->InsertColumn(0, heavy);
    AddColumn("light");
    EXPECT_EQ(tree->GetColumnWidth(0), 300);
    EXPECT_EQ(tree->GetColumnWidth(1), 100);
    // Shrinking far below the minimum keeps the column at it, and growing back restores the share.
    tree->resize(60, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(tree->GetColumnWidth(0), 50);
    EXPECT_EQ(tree->GetColumnWidth(1), 16);
    tree->resize(400, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(tree->GetColumnWidth(0), 300);
    // Width 0 hides a column; it then takes no share of a width change.
    EXPECT_EQ(tree->SetColumnWidth(1, 0), 0);
    tree->resize(440, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(tree->GetColumnWidth(1), 0);
    EXPECT_EQ(tree->GetColumnWidth(0), 340);
    EXPECT_EQ(tree->SetColumnWidth(9, 10), 0);
}

TEST_F(TreeListTest, AtMost256Columns) {
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(AddColumn(QString::number(i), 20), i);
    }
    EXPECT_EQ(AddColumn("one too many", 20), -1);
    EXPECT_EQ(tree->GetColumnCount(), 256);
}

class ColumnOrderTest : public TreeListTest {
protected:
    void SetUp() override {
        TreeListTest::SetUp();
        for (int c = 0; c < 4; ++c) {
            AddColumn(QString("col%1").arg(c), 50 + c * 10);
            tree->GetLayout()->columns[size_t(c)].userValue = quint32(400 + c);
        }
        item = Add("tree");
        for (int c = 1; c < 4; ++c) {
            tree->SetItemText(item, c, QString("cell%1").arg(c));
        }
    }
    std::vector<QString> Headers() {
        std::vector<QString> out;
        for (int c = 0; c < tree->GetColumnCount(); ++c) {
            TLColumn column;
            column.mask = LVCF_TEXT;
            tree->GetColumn(c, column);
            out.push_back(column.text);
        }
        return out;
    }
    HTREEITEM item = 0;
};

TEST_F(ColumnOrderTest, CommitMovesHeaderRecordAndCells) {
    QHeaderView* header = tree->GetHeader();
    header->moveSection(3, 2);  // column 3 dropped between columns 1 and 2
    EXPECT_TRUE(tree->CommitColumnOrder());
    EXPECT_EQ(Headers(), (std::vector<QString>{"col0", "col1", "col3", "col2"}));
    EXPECT_EQ(tree->GetItemText(item, 2), "cell3");
    EXPECT_EQ(tree->GetItemText(item, 3), "cell2");
    EXPECT_EQ(tree->GetLayout()->columns[2].userValue, 403u);
    EXPECT_EQ(tree->GetColumnWidth(2), 80);
    EXPECT_EQ(header->visualIndex(2), 2);
    EXPECT_EQ(header->visualIndex(3), 3);
    EXPECT_EQ(header->sectionSize(2), 80);
}

TEST_F(ColumnOrderTest, DroppingInFrontOfColumnZeroChangesNothing) {
    QHeaderView* header = tree->GetHeader();
    header->moveSection(2, 0);
    EXPECT_FALSE(tree->CommitColumnOrder());
    EXPECT_EQ(Headers(), (std::vector<QString>{"col0", "col1", "col2", "col3"}));
    EXPECT_EQ(tree->GetItemText(item, 2), "cell2");
    EXPECT_EQ(header->visualIndex(2), 2);
    EXPECT_FALSE(tree->CommitColumnOrder());
}

TEST_F(TreeListTest, DividerDragRules) {
    AddColumn("a", 100);
    AddColumn("b", 100);
    AddColumn("c", 100);
    QHeaderView* header = tree->GetHeader();
    // An enforced minimum stops the drag.
    header->resizeSection(0, 5);
    EXPECT_EQ(tree->GetColumnWidth(0), 16);
    // With fit columns the next column pays for the growth, down to its own minimum.
    tree->SetExtendedStyle(TLX_FITCOLUMNS, TLX_FITCOLUMNS);
    tree->SetColumnWidth(0, 100);
    header->resizeSection(0, 150);
    EXPECT_EQ(tree->GetColumnWidth(0), 150);
    EXPECT_EQ(tree->GetColumnWidth(1), 50);
    header->resizeSection(0, 400);
    EXPECT_EQ(tree->GetColumnWidth(1), 16);
    EXPECT_EQ(tree->GetColumnWidth(0), 184);
    // The last column's divider and, with fixed columns, every divider stay put.
    header->resizeSection(2, 300);
    EXPECT_EQ(tree->GetColumnWidth(2), 100);
    tree->SetExtendedStyle(TLX_FITCOLUMNS | TLX_FIXEDCOLUMNS, TLX_FIXEDCOLUMNS);
    header->resizeSection(1, 90);
    EXPECT_EQ(tree->GetColumnWidth(1), 16);
}

TEST_F(TreeListTest, OptimalWidthOnDividerDoubleClick) {
    AddColumn("tree", 50);
    AddColumn("cells", 50);
    const HTREEITEM p = Add("p");
    const HTREEITEM child = Add("a rather long child text", p);
    tree->Expand(p, TVE_EXPAND);
    tree->SetItemText(child, 1, "wide cell text here");
    Q_EMIT tree->GetHeader()->sectionHandleDoubleClicked(1);
    const QFontMetrics fm(tree->font());
    EXPECT_EQ(tree->GetColumnWidth(1), fm.horizontalAdvance("wide cell text here") + 8);
    Q_EMIT tree->GetHeader()->sectionHandleDoubleClicked(0);
    const int expected =
        tree->GetIndent() * 1 + fm.horizontalAdvance("a rather long child text") + 8 + tree->GetIndent();
    EXPECT_EQ(tree->GetColumnWidth(0), expected);
}

TEST_F(TreeListTest, ColumnEditSettingsAndTheirFailures) {
    AddColumn("tree");
    AddColumn("check");
    EXPECT_EQ(tree->SetColumnEdit(TLEditSetting(0, TLE_MODE_CHECK, 0), QString()), 0);
    EXPECT_EQ(tree->SetColumnEdit(TLEditSetting(2, TLE_MODE_EDIT, 0), QString()), 0);
    EXPECT_EQ(tree->SetEditImageBase(1, 3), 0);  // no edit mode yet
    EXPECT_EQ(tree->SetColumnEdit(TLEditSetting(1, TLE_MODE_LIST, 0, u';', 2), QString("a;b;c")), 1);
    EXPECT_EQ(tree->GetLayout()->columns[1].entries, (QStringList{"a", "b"}));
    EXPECT_EQ(tree->SetEditImageBase(1, 3), 1);
    EXPECT_EQ(tree->SetColumnEdit(TLEditSetting(1, TLE_MODE_COMBO, TLE_STRINGARRAY), QStringList{"x|y", "z"}),
              1);
    EXPECT_EQ(tree->GetLayout()->columns[1].entries, (QStringList{"x|y", "z"}));
}
