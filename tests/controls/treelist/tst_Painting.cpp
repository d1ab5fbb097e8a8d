// Rows and lines, tooltips, colours and painting into a given painter.
#include "TreeListFixture.h"

#include "controls/treelist/TreeListTextWrap.h"

#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

namespace {

const QString kLong = QStringLiteral("several words that will never fit into one narrow column at all");

QColor ToColor(COLORREF c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

}  // namespace

class RowsTest : public TreeListTest {
protected:
    void SetUp() override {
        TreeListTest::SetUp();
        AddColumn("tree", 150);
        AddColumn("text", 120);
        for (int i = 0; i < 50; ++i) {
            rows.push_back(Add(QString("row %1").arg(i)));
        }
    }
    void Repaint() { Viewport()->repaint(); }
    int RowHeightOf(HTREEITEM h) {
        QRect rect;
        tree->GetItemRect(h, &rect, false, 1);
        return rect.height();
    }
    std::vector<HTREEITEM> rows;
};

TEST_F(RowsTest, WrappedColumnsMakeTheRowGrowAndCutColumnsShowATooltip) {
    const int rh = tree->GetItemHeight();
    tree->SetItemText(rows[1], 1, kLong);
    Repaint();
    const int lines = RowHeightOf(rows[1]) / rh;
    EXPECT_GE(lines, 2);
    EXPECT_EQ(tree->GetLayout()->extraLines, lines - 1);
    EXPECT_EQ(tree->GetLayout()->TotalLines(), 50 + lines - 1);
    QRect below;
    tree->GetItemRect(rows[2], &below, false, 1);
    EXPECT_EQ(below.top(), (1 + lines) * rh);

    tree->GetLayout()->columns[1].textFlags = TLTF_SINGLELINE;
    Repaint();
    EXPECT_EQ(RowHeightOf(rows[1]), rh);
    EXPECT_EQ(tree->GetLayout()->extraLines, 0);

    QToolTip::hideText();
    const QPoint over = CellCentre(rows[1], 1);
    QTest::mouseMove(Viewport(), over);
    QTest::qWait(1000);
    EXPECT_FALSE(QToolTip::isVisible());
    QTest::qWait(700);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), kLong);
    QToolTip::hideText();
    // A text that fits shows no tooltip.
    QTest::mouseMove(Viewport(), CellCentre(rows[3], 0));
    QTest::qWait(1700);
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST_F(RowsTest, WrapBreaksAtSpacesWithinTheCell) {
    const QFontMetrics fm(tree->font());
    const std::vector<int> breaks = TreeListTextWrap::Breaks(fm, kLong, 100);
    ASSERT_FALSE(breaks.empty());
    for (size_t i = 0; i <= breaks.size(); ++i) {
        const QString line = TreeListTextWrap::Line(kLong, breaks, i);
        EXPECT_LE(fm.horizontalAdvance(line), 100) << line.toStdString();
        EXPECT_FALSE(line.startsWith(' '));
    }
    EXPECT_EQ(kLong[breaks[0] - 1], ' ');
    // A word longer than the line is cut where the line is full.
    EXPECT_FALSE(TreeListTextWrap::Breaks(fm, QString(60, 'w'), 100).empty());
    EXPECT_TRUE(TreeListTextWrap::Breaks(fm, "short", 100).empty());
}

TEST_F(RowsTest, ColourSlotsAndTheirDefaults) {
    const COLORREF defaultAlternate = tree->GetBkColor(1);
    EXPECT_EQ(tree->SetBkColor(1, 0x00FF00), defaultAlternate);
    EXPECT_EQ(tree->GetBkColor(1), 0x00FF00u);
    EXPECT_EQ(tree->GetLayout()->colors[1], 0x00FF00u);
    tree->SetBkColor(1, CLR_NONE);
    EXPECT_EQ(tree->GetBkColor(1), defaultAlternate);
    EXPECT_EQ(tree->SetBkColor(16, 0), CLR_NONE);
    EXPECT_EQ(tree->GetBkColor(-1), CLR_NONE);
    // The marked slots follow the slots they darken, unless set.
    tree->SetBkColor(0, 0x808080);
    EXPECT_EQ(tree->GetBkColor(12), 0x707070u);
    tree->SetTextColor(0x0000FF);
    EXPECT_EQ(tree->GetTextColor(), 0x0000FFu);
}

TEST_F(RowsTest, RowHeightRule) {
    const int font = QFontMetrics(tree->font()).height();
    const int base = std::max(10, font);
    EXPECT_EQ(tree->GetItemHeight(), base);
    tree->SetExtendedStyle(TLX_ROWLINES, TLX_ROWLINES);
    EXPECT_EQ(tree->GetItemHeight(), base + 1);
    TLImageList tall;
    tall.size = QSize(16, 40);
    tall.icons.append(QIcon());
    tree->SetImageList(TVSIL_NORMAL, tall);
    EXPECT_EQ(tree->GetItemHeight(), 41);
    tree->SetItemHeight(30);
    EXPECT_EQ(tree->GetItemHeight(), 30);
    EXPECT_EQ(tree->GetVisibleCount(), tree->GetLayout()->heightBelowHeader / 30);
    tree->SetItemHeight(-1);
    EXPECT_EQ(tree->GetItemHeight(), 41);
}

TEST_F(RowsTest, PrintModePaintsTheWholeGridFromTheFirstRow) {
    tree->SetExtendedStyle(0, TLX_ALTERNATEROWS | TLX_COLUMNLINES);
    tree->SetBkColor(1, 0x0000FF);  // red alternate rows
    tree->SetBkColor(2, 0xFFFFFF);
    TLLayout* layout = tree->GetLayout();
    const int rh = layout->rowHeight;
    // As the views prepare a print picture: first row at the top, left edge, page figures enlarged.
    tree->SelectItem(rows[0], TVGN_FIRSTVISIBLE);
    const int lines = layout->TotalLines() + 1;
    layout->hpos = 0;
    layout->clientWidth = layout->RightEdge();
    layout->heightBelowHeader = lines * rh;
    layout->clientHeight = layout->headerHeight + lines * rh;
    layout->linesFitPartly = layout->linesFitWholly = lines;

    QImage image(layout->RightEdge(), layout->headerHeight + layout->TotalLines() * rh, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        tree->Paint(painter, true);
    }
    // The header band is left to the header; every row, also those outside the window, is there.
    EXPECT_EQ(image.pixelColor(5, layout->headerHeight / 2), QColor(Qt::black));
    auto rowPixel = [&](int row) {
        return image.pixelColor(layout->RightEdge() - 5, layout->headerHeight + row * rh + rh / 2);
    };
    EXPECT_EQ(rowPixel(0), QColor(Qt::white));
    EXPECT_EQ(rowPixel(1), ToColor(0x0000FF));
    EXPECT_EQ(rowPixel(48), QColor(Qt::white));
    EXPECT_EQ(rowPixel(49), ToColor(0x0000FF));
    // Text of a row far below the window was drawn.
    bool dark = false;
    const int y = layout->headerHeight + 45 * rh;
    for (int x = 20; x < 100 && !dark; ++x) {
        for (int dy = 0; dy < rh && !dark; ++dy) {
            dark = qGray(image.pixel(x, y + dy)) < 100;
        }
    }
    EXPECT_TRUE(dark);
    // The column line sits at the right of column 0.
    EXPECT_EQ(image.pixelColor(149, layout->headerHeight + rh / 2), ToColor(tree->GetBkColor(3)));
}

TEST_F(RowsTest, LineBreaksAreComputedOnlyForPaintedRows) {
    for (HTREEITEM h : rows) {
        tree->SetItemText(h, 1, kLong);
    }
    for (int i = 0; i < 5000; ++i) {
        tree->SetItemText(Add(QString("more %1").arg(i)), 1, kLong);
    }
    const quint64 start = TreeListTextWrap::Computations();
    Repaint();
    const quint64 before = TreeListTextWrap::Computations();
    EXPECT_GT(before - start, 0u);
    EXPECT_LE(before - start, quint64(tree->GetCountPerPage()));
    Repaint();
    EXPECT_EQ(TreeListTextWrap::Computations(), before);  // nothing changed, nothing recomputed
    tree->SetColumnWidth(1, 200);
    Repaint();
    const quint64 painted = TreeListTextWrap::Computations() - before;
    EXPECT_GT(painted, 0u);
    EXPECT_LE(painted, quint64(tree->GetCountPerPage()));
}

// Which colour slot a row's background takes, read back from a picture of the window.
TEST_F(RowsTest, BackgroundSlots) {
    struct Case {
        const char* name;
        quint32 exStyle;
        bool marked;
        bool disabled;
        bool selected;
        int row;
        int slot;
    };
    const Case cases[] = {
        {"plain", 0, false, false, false, 0, 0},
        {"first of alternate", TLX_ALTERNATEROWS, false, false, false, 0, 2},
        {"second of alternate", TLX_ALTERNATEROWS, false, false, false, 1, 1},
        {"marked", 0, true, false, false, 0, 12},
        {"marked second of alternate", TLX_ALTERNATEROWS, true, false, false, 1, 13},
        {"marked first of alternate", TLX_ALTERNATEROWS, true, false, false, 2, 14},
        {"grey when disabled", TLX_GREYDISABLED, false, true, false, 0, 15},
        {"selected full row", TLX_FULLROWSELECT, false, false, true, 0, 8},
        {"selected full row in slot 2", TLX_FULLROWSELECT | TLX_ALTERNATEROWS, false, false, true, 2, 9},
    };
    const COLORREF distinct[TL_COLOR_SLOTS] = {0x000010, 0x000020, 0x000030, 0x000040, 0x000050, 0x000060,
                                               0x000070, 0x000080, 0x000090, 0x0000A0, 0x0000B0, 0x0000C0,
                                               0x0000D0, 0x0000E0, 0x0000F0, 0x00F000};
    for (int s = 0; s < TL_COLOR_SLOTS; ++s) {
        if (s != 3 && s != 4) {
            tree->SetBkColor(s, distinct[s]);
        }
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tree->SetExtendedStyle(0, c.exStyle);
        tree->setEnabled(!c.disabled);
        TLColumn mark;
        mark.mask = TLCF_MARK;
        mark.fmt = c.marked ? TLCFMT_MARK : 0;
        tree->SetColumn(1, mark);
        tree->SelectItem(c.selected ? rows[size_t(c.row)] : 0, TVGN_CARET);
        const TLLayout* layout = tree->GetLayout();
        QImage image(layout->clientWidth, layout->clientHeight, QImage::Format_RGB32);
        QPainter painter(&image);
        tree->Paint(painter, false);
        painter.end();
        const int y = layout->headerHeight + c.row * layout->rowHeight + layout->rowHeight / 2;
        EXPECT_EQ(image.pixelColor(layout->ColumnLeft(1) + 110, y), ToColor(distinct[c.slot]));
    }
}

TEST_F(RowsTest, VerticalScrollingStopsAtTheFirstLineOfARow) {
    tree->SetItemText(rows[0], 1, kLong);
    tree->SetItemText(rows[5], 1, kLong);
    Repaint();
    QCoreApplication::processEvents();
    const TLLayout* layout = tree->GetLayout();
    const int firstLines = RowHeightOf(rows[0]) / layout->rowHeight;
    ASSERT_GE(firstLines, 2);
    QScrollBar* bar = tree->verticalScrollBar();
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(tree->GetNextItem(0, TVGN_FIRSTVISIBLE), rows[1]);
    EXPECT_EQ(layout->firstLine, firstLines);
    EXPECT_EQ(bar->value(), firstLines);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(tree->GetNextItem(0, TVGN_FIRSTVISIBLE), rows[0]);
    // A page moves by the wholly fitting lines less one, to the row holding that line.
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const HTREEITEM top = tree->GetNextItem(0, TVGN_FIRSTVISIBLE);
    QRect topRect;
    tree->GetItemRect(top, &topRect, false, 1);
    EXPECT_EQ(topRect.top(), 0);
    EXPECT_LE(layout->firstLine, layout->linesFitWholly - 1);
    EXPECT_GT(layout->firstLine + RowHeightOf(top) / layout->rowHeight, layout->linesFitWholly - 1);
    // Dragging the slider to a line inside a wrapped row shows that row from its start.
    bar->setValue(1);
    EXPECT_EQ(tree->GetNextItem(0, TVGN_FIRSTVISIBLE), rows[0]);
    EXPECT_EQ(bar->value(), 0);
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(tree->GetNextItem(0, TVGN_LASTVISIBLE), rows[49]);
    QRect last;
    tree->GetItemRect(rows[49], &last, false, 1);
    EXPECT_LE(last.bottom(), layout->heightBelowHeader);
    EXPECT_GT(last.bottom() + layout->rowHeight, layout->heightBelowHeader - layout->rowHeight);
}

TEST_F(RowsTest, HorizontalScrollingInPixelsMovesTheHeaderAlong) {
    AddColumn("wide", 500);
    QCoreApplication::processEvents();
    const TLLayout* layout = tree->GetLayout();
    QScrollBar* bar = tree->horizontalScrollBar();
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(layout->hpos, 16);
    EXPECT_EQ(tree->GetHeader()->offset(), 16);
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(layout->hpos, layout->RightEdge() - layout->clientWidth);
    ASSERT_TRUE(tree->EnsureVisible(rows[0], 0));
    EXPECT_EQ(layout->hpos, 0);
    TLHitTestInfo hit;
    hit.pt = QPoint(10, 5);
    tree->HitTest(hit);
    EXPECT_EQ(hit.column, 0);
}
