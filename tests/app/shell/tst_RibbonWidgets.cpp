#include "app/shell/CRibbonApplicationMenu.h"
#include "app/shell/CRibbonBar.h"
#include "app/shell/CRibbonButton.h"
#include "app/shell/CRibbonCategory.h"
#include "app/shell/CRibbonPanel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

namespace {

using Kind = CRibbonButton::Kind;

class RibbonButtonTest : public ::testing::TestWithParam<Kind> {};

TEST_P(RibbonButtonTest, FollowsItsActionAndTriggersItOnClick) {
    QWidget host;
    QAction action(QStringLiteral("&Paste\nv"));
    CRibbonButton button(&action, QIcon(), GetParam(), &host);
    button.resize(button.sizeHint());
    host.show();
    QSignalSpy triggered(&action, &QAction::triggered);

    EXPECT_EQ(button.Label(), "Paste");
    EXPECT_EQ(button.KeyTip(), "v");
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(triggered.count(), 1);

    action.setEnabled(false);
    EXPECT_FALSE(button.isEnabled());
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(triggered.count(), 1);

    action.setEnabled(true);
    action.setText(QStringLiteral("Paste Special"));
    EXPECT_TRUE(button.isEnabled());
    EXPECT_EQ(button.Label(), "Paste Special");
    action.setVisible(false);
    EXPECT_FALSE(button.isVisible());
    action.setVisible(true);
    EXPECT_TRUE(button.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Kinds, RibbonButtonTest,
                         ::testing::Values(Kind::Large, Kind::Small, Kind::IconOnly, Kind::MenuItem));

TEST(RibbonButton, CheckableActionIsToggledOnceByAClick) {
    QWidget host;
    QAction action(QStringLiteral("Style"));
    action.setCheckable(true);
    CRibbonButton button(&action, QIcon(), Kind::Small, &host);
    button.resize(button.sizeHint());
    host.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_TRUE(action.isChecked());
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_FALSE(action.isChecked());
}

TEST(RibbonButton, SplitButtonRunsItsActionAndOpensTheMenuFromTheArrowPart) {
    QWidget host;
    QAction windows(QStringLiteral("Windows"));
    QMenu menu;
    menu.addAction(QStringLiteral("New Window"));
    CRibbonButton button(&windows, QIcon(), Kind::Large, &host);
    button.SetMenu(&menu, true);
    button.resize(button.sizeHint());
    host.show();
    QSignalSpy triggered(&windows, &QAction::triggered);

    const QRect menuPart = button.MenuRect();
    ASSERT_FALSE(menuPart.isEmpty());
    EXPECT_FALSE(menuPart.contains(QPoint(button.width() / 2, 10)));
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(button.width() / 2, 10));
    EXPECT_EQ(triggered.count(), 1);
    EXPECT_FALSE(menu.isVisible());

    QTest::mousePress(&button, Qt::LeftButton, {}, menuPart.center());
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(triggered.count(), 1);
    menu.hide();
}

// A menu or dialog opened from a button takes the mouse without a leave event; once the cursor is
// elsewhere the button must not stay lit.
TEST(RibbonButton, HoverEndsWhereTheCursorIsNoLonger) {
    QWidget host;
    QAction style(QStringLiteral("Style"));
    CRibbonButton button(&style, QIcon(), Kind::Small, &host);
    button.resize(button.sizeHint());
    host.resize(300, 100);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    const QPoint probe(2, button.height() / 2);  // left of the icon: background only
    const auto background = [&] { return button.grab().toImage().pixelColor(probe); };
    const auto moveTo = [](const QPoint& global) {
        QCursor::setPos(global);
        QApplication::processEvents();
    };
    const QPoint elsewhere = host.mapToGlobal(QPoint(250, 90));
    moveTo(elsewhere);
    const QColor plain = background();
    moveTo(button.mapToGlobal(button.rect().center()));
    ASSERT_TRUE(button.underMouse());
    EXPECT_NE(background(), plain);

    moveTo(elsewhere);
    button.setAttribute(Qt::WA_UnderMouse, true);  // the leave went to the popup that had the mouse
    EXPECT_EQ(background(), plain);
}

TEST(RibbonButton, AMenuItemShowsTheKeyOfItsCommand) {
    QWidget host;
    QAction open(QStringLiteral("&Open..."));
    CRibbonButton item(&open, QIcon(QPixmap(32, 32)), Kind::MenuItem, &host);
    host.show();
    const auto picture = [&] {
        item.resize(item.sizeHint());
        return item.grab().toImage();
    };
    const QImage without = picture();
    open.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(item.ShortcutText(), QKeySequence(Qt::CTRL | Qt::Key_O).toString(QKeySequence::NativeText));
    const QImage with = picture();
    EXPECT_GE(with.width(), without.width());
    EXPECT_NE(with.copy(without.rect()), without);
}

class ApplicationMenuTest : public ::testing::Test {
protected:
    ApplicationMenuTest() {
        menu.AddItem(&open, QIcon());
        print = menu.AddItem(&printAction, QIcon(), QStringLiteral("Preview and print the document"),
                             {{&quickPrint, QIcon()}});
        menu.SetRecentFilesTitle(QStringLiteral("Recent Documents"), 300);
        menu.ShowAt(QPoint(10, 10));
    }

    CRibbonApplicationMenu menu;
    QAction open{QStringLiteral("&Open...")};
    QAction printAction{QStringLiteral("Print")};
    QAction quickPrint{QStringLiteral("&Quick Print")};
    CRibbonButton* print = nullptr;
};

TEST_F(ApplicationMenuTest, EmitsTheChosenRecentFileAndCloses) {
    menu.SetRecentFiles({QStringLiteral("/tmp/a.dvx"), QStringLiteral("/data/b.dvx")});
    ASSERT_EQ(menu.RecentFileButtons().size(), 2);
    EXPECT_EQ(menu.RecentFileButtons()[1]->Label(), "2  b.dvx");
    QSignalSpy chosen(&menu, &CRibbonApplicationMenu::RecentFileChosen);
    QTest::mouseClick(menu.RecentFileButtons()[1], Qt::LeftButton);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].toString(), "/data/b.dvx");
    EXPECT_FALSE(menu.isVisible());

    // A new list replaces the old one.
    menu.SetRecentFiles({QStringLiteral("/tmp/c.dvx")});
    EXPECT_EQ(menu.RecentFileButtons().size(), 1);
    EXPECT_EQ(menu.RecentFiles(), QStringList({"/tmp/c.dvx"}));
}

TEST_F(ApplicationMenuTest, ClosesBeforeTheCommandRuns) {
    bool visibleWhenRun = true;
    QObject::connect(&open, &QAction::triggered, [&] { visibleWhenRun = menu.isVisible(); });
    QTest::mouseClick(menu.Items()[0], Qt::LeftButton);
    EXPECT_FALSE(visibleWhenRun);
}

TEST_F(ApplicationMenuTest, ItemUnderTheMouseShowsItsSubItems) {
    const auto enter = [](QWidget* w) {
        QEnterEvent event(QPointF(5, 5), QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(w, &event);
    };
    EXPECT_EQ(menu.RightPage(), 0);
    enter(print);
    EXPECT_NE(menu.RightPage(), 0);
    ASSERT_EQ(menu.SubItems(print).size(), 1);
    EXPECT_TRUE(menu.SubItems(print)[0]->isVisible());
    QSignalSpy triggered(&quickPrint, &QAction::triggered);
    QTest::mouseClick(menu.SubItems(print)[0], Qt::LeftButton);
    EXPECT_EQ(triggered.count(), 1);
    EXPECT_FALSE(menu.isVisible());
    menu.ShowAt(QPoint(10, 10));
    EXPECT_EQ(menu.RightPage(), 0);
    enter(print);
    enter(menu.Items()[0]);
    EXPECT_EQ(menu.RightPage(), 0);
}

TEST_F(ApplicationMenuTest, KeyTipsRunItemsAndTheMenuKeyTipShowsTheSubItems) {
    print->SetKeyTip(QStringLiteral("p"));
    print->SetMenuKeyTip(QStringLiteral("w"));
    QSignalSpy printed(&printAction, &QAction::triggered);
    QSignalSpy quick(&quickPrint, &QAction::triggered);

    QTest::keyClick(&menu, Qt::Key_W);
    EXPECT_EQ(menu.RightPage(), 1);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(printed.count(), 0);
    QTest::keyClick(&menu, Qt::Key_Q);  // the mnemonic of a shown sub-item
    EXPECT_EQ(quick.count(), 1);
    EXPECT_FALSE(menu.isVisible());

    menu.ShowAt(QPoint(10, 10));
    QTest::keyClick(&menu, Qt::Key_Q);  // sub-items not shown: nothing carries "q"
    EXPECT_EQ(quick.count(), 1);
    QTest::keyClick(&menu, Qt::Key_P);
    EXPECT_EQ(printed.count(), 1);
    EXPECT_FALSE(menu.isVisible());
}

TEST(RibbonBar, ApplicationButtonOpensTheMenuAndTabsSwitchCategories) {
    CRibbonBar bar;
    bar.SetApplicationMenu(new CRibbonApplicationMenu);
    CRibbonCategory* first = bar.AddCategory(QStringLiteral("&Home"));
    CRibbonCategory* second = bar.AddCategory(QStringLiteral("&View"));
    first->AddPanel(QStringLiteral("Panel"));
    bar.resize(800, bar.sizeHint().height());
    bar.show();
    EXPECT_EQ(bar.ActiveCategory(), first);

    QTest::mouseClick(bar.ApplicationButton(), Qt::LeftButton);
    EXPECT_TRUE(bar.ApplicationMenu()->isVisible());
    bar.ApplicationMenu()->hide();

    // The second tab lies right of the first; find it by walking the tab row.
    QSignalSpy changed(&bar, &CRibbonBar::ActiveCategoryChanged);
    const int tabRowY = bar.ApplicationButton()->geometry().bottom() - 8;
    for (int x = bar.ApplicationButton()->geometry().right() + 1; x < bar.width() && changed.isEmpty();
         x += 10) {
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(x, tabRowY));
    }
    EXPECT_EQ(bar.ActiveCategory(), second);
    ASSERT_EQ(changed.count(), 1);
}

}  // namespace
