#include "app/shell/CRibbonApplicationMenu.h"
#include "app/shell/CRibbonBar.h"
#include "app/shell/CRibbonBuilder.h"
#include "app/shell/CRibbonButton.h"
#include "app/shell/CRibbonCategory.h"
#include "app/shell/CRibbonPanel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QMap>
#include <QMenu>
#include <QSet>

namespace {

using Kind = CRibbonButton::Kind;

class RibbonBuilderTest : public ::testing::Test {
protected:
    void Build(const QSet<int>& missing = {}) {
        CRibbonBuilder::Build(bar, [this, missing](int id) -> QAction* {
            if (missing.contains(id)) {
                return nullptr;
            }
            QAction*& action = actions[id];
            if (!action) {
                action = new QAction(&bar);
            }
            return action;
        });
    }
    QList<int> IdsOf(const QList<CRibbonButton*>& buttons) const {
        QList<int> ids;
        for (const CRibbonButton* button : buttons) {
            ids.append(actions.key(button->Action(), -1));
        }
        return ids;
    }

    CRibbonBar bar;
    QMap<int, QAction*> actions;
};

struct ExpectedButton {
    int id;
    const char* label;
    Kind kind;
    const char* keyTip;
};

struct ExpectedPanel {
    const char* title;
    const char* keyTip;
    std::vector<ExpectedButton> buttons;
};

TEST_F(RibbonBuilderTest, CategoryHoldsThePanelsAndButtonsInOrder) {
    Build();
    const std::vector<ExpectedPanel> expected = {
        {"Clipboard",
         "d",
         {{57637, "Paste", Kind::Large, "v"},
          {57635, "Cut", Kind::Small, "x"},
          {57634, "Copy", Kind::Small, "c"}}},
        {"Project", "", {{32773, "Overview", Kind::Large, ""}, {464, "Properties", Kind::Small, ""}}},
        {"Requirement",
         "",
         {{32772, "Requirements", Kind::Large, ""},
          {32802, "Add Requirement", Kind::Small, ""},
          {302, "Edit Reqmt.-List", Kind::Small, ""}}},
        {"Actor",
         "",
         {{32776, "Actors", Kind::Large, ""},
          {32803, "Add Actor", Kind::Small, ""},
          {308, "Edit Actor List", Kind::Small, ""}}},
        {"Use Case",
         "",
         {{32775, "Use Cases", Kind::Large, ""},
          {32804, "Add Use Case", Kind::Small, ""},
          {309, "Edit Use Case List", Kind::Small, ""}}},
        {"Use Case Step",
         "",
         {{32856, "Use Case Steps", Kind::Large, ""}, {331, "Edit Steps", Kind::Small, ""}}},
        {"Column", "", {{295, "Column Edit", Kind::Large, ""}}},
        {"Window", "w", {{180, "Windows", Kind::Large, "i"}, {186, "Export", Kind::Large, "i"}}},
    };
    ASSERT_EQ(bar.Categories().size(), 1);
    const CRibbonCategory* category = bar.Categories().first();
    EXPECT_EQ(category->Title(), "Project Development");
    EXPECT_EQ(category->KeyTip(), "p");
    const QList<CRibbonPanel*> panels = category->Panels();
    ASSERT_EQ(panels.size(), qsizetype(expected.size()));
    for (size_t p = 0; p < expected.size(); ++p) {
        SCOPED_TRACE(expected[p].title);
        EXPECT_EQ(panels[p]->Title(), expected[p].title);
        EXPECT_EQ(panels[p]->KeyTip(), expected[p].keyTip);
        const QList<CRibbonButton*> buttons = panels[p]->Buttons();
        ASSERT_EQ(buttons.size(), qsizetype(expected[p].buttons.size()));
        for (size_t b = 0; b < expected[p].buttons.size(); ++b) {
            const ExpectedButton& e = expected[p].buttons[b];
            SCOPED_TRACE(e.id);
            EXPECT_EQ(buttons[b]->Action(), actions.value(e.id));
            EXPECT_EQ(buttons[b]->Action()->text(), e.label);  // the key tip stays out of the action's text
            EXPECT_EQ(buttons[b]->Label(), e.label);
            EXPECT_EQ(buttons[b]->ButtonKind(), e.kind);
            EXPECT_EQ(buttons[b]->KeyTip(), e.keyTip);
            EXPECT_FALSE(buttons[b]->Action()->icon().isNull());
        }
    }
    // The Windows button runs 180 and drops down "New Window".
    const CRibbonButton* windows = panels[7]->Buttons()[0];
    ASSERT_NE(windows->Menu(), nullptr);
    EXPECT_TRUE(windows->IsSplit());
    ASSERT_EQ(windows->Menu()->actions().size(), 1);
    EXPECT_EQ(windows->Menu()->actions()[0], actions.value(57648));
    EXPECT_EQ(actions.value(57648)->text(), "&New Window");
}

TEST_F(RibbonBuilderTest, ApplicationMenuQuickAccessAndRightAlignedItems) {
    Build();
    const CRibbonApplicationMenu* menu = bar.ApplicationMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(IdsOf(menu->Items()), QList<int>({57600, 57601, 557, 57603, 57604, 57607, 57602}));
    const CRibbonButton* print = menu->Items()[5];
    EXPECT_EQ(print->Label(), "Print");
    EXPECT_EQ(print->KeyTip(), "p");
    EXPECT_EQ(print->MenuKeyTip(), "w");
    EXPECT_EQ(IdsOf(menu->SubItems(print)), QList<int>({57608, 57609, 57606}));
    EXPECT_TRUE(menu->SubItems(menu->Items()[0]).isEmpty());
    EXPECT_EQ(IdsOf(menu->BottomButtons()), QList<int>({57665}));
    EXPECT_EQ(actions[57604]->text(), "Save &As...");
    EXPECT_EQ(actions[57606]->text(), "Print Set&up");
    EXPECT_EQ(actions[57665]->text(), "E&xit");
    EXPECT_EQ(bar.ApplicationButton()->toolTip(), "File");
    EXPECT_EQ(bar.ApplicationButton()->KeyTip(), "f");

    EXPECT_EQ(IdsOf(bar.QuickAccessButtons()), QList<int>({57600, 57601, 57603, 57643, 57644, 57608}));

    const QList<CRibbonButton*> right = bar.RightAlignedButtons();
    ASSERT_EQ(right.size(), 2);
    EXPECT_EQ(right[0]->Label(), "Style");
    EXPECT_EQ(right[0]->toolTip(), "Modify Visual Style");
    ASSERT_NE(right[0]->Menu(), nullptr);
    EXPECT_FALSE(right[0]->IsSplit());
    const QStringList styleTexts = {"Office 2007 (&Blue Style)", "Office 2007 (B&lack Style)",
                                    "Office 2007 (&Silver Style)", "Office 2007 (&Aqua Style)"};
    const QList<QAction*> styles = right[0]->Menu()->actions();
    ASSERT_EQ(styles.size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(styles[i], actions.value(215 + i));
        EXPECT_EQ(styles[i]->text(), styleTexts[i]);
        EXPECT_TRUE(styles[i]->isCheckable());
        ASSERT_NE(styles[i]->actionGroup(), nullptr);
        EXPECT_TRUE(styles[i]->actionGroup()->isExclusive());
    }
    EXPECT_EQ(right[1]->Action(), actions.value(57664));
    EXPECT_EQ(right[1]->KeyTip(), "a");
}

TEST_F(RibbonBuilderTest, KeepsTheCallersTextsAndSkipsMissingCommands) {
    auto* properties = new QAction(QStringLiteral("Project &Properties..."), &bar);
    actions[464] = properties;
    Build({557, 32803});
    EXPECT_EQ(properties->text(), "Project &Properties...");
    EXPECT_EQ(IdsOf(bar.ApplicationMenu()->Items()), QList<int>({57600, 57601, 57603, 57604, 57607, 57602}));
    EXPECT_EQ(IdsOf(bar.Categories()[0]->Panels()[3]->Buttons()), QList<int>({32776, 308}));
}

}  // namespace
