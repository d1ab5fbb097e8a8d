// The keys of finding in a project window: Ctrl+F, F3 and Shift+F3, Escape, Ctrl+H and Ctrl+G run
// through the main window's accelerators on the active view.
#include "ProjectWindows.h"
#include "views/CViewFindBar.h"

#include <QLineEdit>
#include <QTest>

using namespace ProjectIds;

namespace {

class FindKeysTest : public ProjectWindowsTest {
protected:
    void SetUp() override {
        ProjectWindowsTest::SetUp();
        view = ActiveMatrix();
        ASSERT_NE(view, nullptr);
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        view->GetGrid()->setFocus();
    }
    // A key as the user presses it on the focused widget, after the idle-time update of the states.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        frame->Commands().UpdateActions();
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    QString SelectedTitle() const { return view->GetGrid()->GetItemText(view->SelectedItem(), 0); }

    CViewDVTreeList* view = nullptr;
};

TEST_F(FindKeysTest, FindStepsThroughTheMatchesAndEscapeCloses) {
    Select(view, 1);  // "User Needs"
    Press(Qt::Key_F, Qt::ControlModifier);
    CViewFindBar* bar = CViewFindBar::Of(*view);
    ASSERT_NE(bar, nullptr);
    ASSERT_FALSE(bar->isHidden());
    ASSERT_EQ(QApplication::focusWidget(), bar->FindField());
    QTest::keyClicks(bar->FindField(), QStringLiteral("p"));
    EXPECT_EQ(SelectedTitle(), QStringLiteral("Payment"));

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
        Press(Qt::Key_F3, step.modifiers);
        EXPECT_EQ(SelectedTitle(), QString::fromUtf8(step.title));
        EXPECT_EQ(bar->StatusText(), QString::fromUtf8(step.status));
    }

    // Escape closes the bar wherever the focus is in the window.
    view->GetGrid()->setFocus();
    Press(Qt::Key_Escape);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(SelectedTitle(), QStringLiteral("Pump"));
}

TEST_F(FindKeysTest, ReplaceAndGoToIdOpenTheirFields) {
    Press(Qt::Key_H, Qt::ControlModifier);
    CViewFindBar* bar = CViewFindBar::Of(*view);
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->ReplaceField()->isVisible());

    Press(Qt::Key_G, Qt::ControlModifier);
    ASSERT_EQ(QApplication::focusWidget(), bar->IdField());
    QTest::keyClicks(bar->IdField(), QStringLiteral("7"));
    Press(Qt::Key_Return);
    EXPECT_EQ(SelectedTitle(), QStringLiteral("Pump"));
    EXPECT_TRUE(boxes.texts.isEmpty());

    Press(Qt::Key_G, Qt::ControlModifier);
    QTest::keyClicks(bar->IdField(), QStringLiteral("99"));
    Press(Qt::Key_Return);
    EXPECT_EQ(boxes.texts,
              QStringList{QStringLiteral("There is no requirement with the ID 99 in this view.")});

    // Ctrl+F leaves the replacement out again.
    Press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_FALSE(bar->ReplaceField()->isVisible());
}

TEST_F(FindKeysTest, EachWindowHasItsOwnBar) {
    CViewDVTreeList* steps = OpenStepsWindow();
    ASSERT_NE(steps, nullptr);
    steps->GetGrid()->setFocus();
    Press(Qt::Key_F, Qt::ControlModifier);
    ASSERT_NE(CViewFindBar::Of(*steps), nullptr);
    EXPECT_EQ(CViewFindBar::Of(*view), nullptr);
    QTest::keyClicks(CViewFindBar::Of(*steps)->FindField(), QStringLiteral("button"));
    EXPECT_EQ(steps->GetGrid()->GetItemText(steps->SelectedItem(), 0), QStringLiteral("Press button"));
}

}  // namespace
