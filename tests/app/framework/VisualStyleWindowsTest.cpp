// The Office 2007 looks restyle the frames at once and leave every grid readable.
#include "ProjectWindows.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QMap>

#include <cmath>

using namespace CommandIds;

namespace {

// WCAG 2 relative luminance and contrast ratio.
double Luminance(const QColor& c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}
double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Background and text of a text-only cell: the commonest colour, and the one farthest from it.
struct CellColours {
    QColor background, text;
};
CellColours ColoursIn(const QImage& image, const QRect& cell) {
    QMap<QRgb, int> counts;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    CellColours colours;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            colours.background = QColor(it.key());
        }
    }
    colours.text = colours.background;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (Contrast(QColor(it.key()), colours.background) > Contrast(colours.text, colours.background)) {
            colours.text = QColor(it.key());
        }
    }
    return colours;
}

class VisualStyleWindowsTest : public ProjectWindowsTest {
protected:
    void SetUp() override {
        ProjectWindowsTest::SetUp();
        OpenStepsWindow();
        OpenWindow(ID_VIEW_ACTORS_WINDOW);
        ASSERT_EQ(Views().size(), 4u);
    }
};

TEST_F(VisualStyleWindowsTest, EveryLookAfterEveryOtherRestylesTheFramesAndKeepsTheRowsReadable) {
    const int looks[] = {215, 216, 217, 218};
    for (int from : looks) {
        for (int to : looks) {
            if (from == to) {
                continue;
            }
            Run(from);
            Run(to);
            QApplication::processEvents();
            const QColor window = QApplication::palette().color(QPalette::Window);
            for (CChildFrame* frameWindow : frame->WindowsOf(doc)) {
                EXPECT_EQ(frameWindow->palette().color(QPalette::Window), window) << from << " then " << to;
            }
            for (CViewDVTreeList* view : Views()) {
                view->ClearSelection();
                CTreeListCtrl* grid = view->GetGrid();
                EXPECT_EQ(grid->GetHeader()->palette().color(QPalette::Button),
                          grid->palette().color(QPalette::Button));  // the header belongs to the grid
                const QImage image = grid->viewport()->grab().toImage();
                ASSERT_GE(grid->GetRowCount(), 2);
                // The first row is a plain one, the second an alternate one; column 1 holds the ID only.
                for (int row : {0, 1}) {
                    QRect cell;
                    ASSERT_TRUE(grid->GetItemRect(grid->GetItemOfRow(row), &cell, false, 1));
                    const CellColours colours = ColoursIn(image, cell.adjusted(2, 2, -2, -2));
                    EXPECT_GE(Contrast(colours.text, colours.background), 4.5)
                        << "look " << from << " then " << to << ", view type " << view->ViewType() << ", row "
                        << row << ": text " << colours.text.name().toStdString() << " on "
                        << colours.background.name().toStdString();
                }
            }
        }
    }
}

}  // namespace
