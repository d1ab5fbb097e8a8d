#include "app/shell/CRibbonBuilder.h"

#include "app/shell/CRibbonApplicationMenu.h"
#include "app/shell/CRibbonBar.h"
#include "app/shell/CRibbonButton.h"
#include "app/shell/CRibbonCategory.h"
#include "app/shell/CRibbonPanel.h"
#include "app/shell/DVIcons.h"
#include "app/shell/RibbonText.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <vector>

namespace {

struct Command {
    int id;
    const char* text;  // may carry a key tip after a line break
};

struct PanelButton {
    Command command;
    bool large;
    Command menuCommand = {0, nullptr};  // a drop-down of one item; the button itself still runs its command
};

struct Panel {
    const char* title;
    const char* icon;
    std::vector<PanelButton> buttons;
};

const Command kMenuItemsBeforePrint[] = {
    {57600, "&New"}, {57601, "&Open..."}, {557, "Open Case..."}, {57603, "&Save"}, {57604, "Save &As..."},
};
const Command kPrint = {57607, "Print\np"};
const char* const kPrintMenuKeyTip = "w";  // the sub-items beside the button
const char* const kPrintLabel = "Preview and print the document";
const Command kPrintItems[] = {{57608, "&Quick Print"}, {57609, "Print Pre&view"}, {57606, "Print Set&up"}};
const Command kClose = {57602, "&Close"};
const Command kExit = {57665, "E&xit"};
const char* const kRecentTitle = "Recent Documents";
constexpr int kRecentWidth = 300;

const char* const kCategory = "&Project Development";
const std::vector<Panel> kPanels = {
    {"Clipboard\nd",
     "paste",
     {{{57637, "Paste\nv"}, true}, {{57635, "Cut\nx"}, false}, {{57634, "Copy\nc"}, false}}},
    {"Project", "view-overview", {{{32773, "Overview"}, true}, {{464, "Properties"}, false}}},
    {"Requirement",
     "view-requirements",
     {{{32772, "Requirements"}, true},
      {{32802, "Add Requirement"}, false},
      {{302, "Edit Reqmt.-List"}, false}}},
    {"Actor",
     "view-actors",
     {{{32776, "Actors"}, true}, {{32803, "Add Actor"}, false}, {{308, "Edit Actor List"}, false}}},
    {"Use Case",
     "view-usecases",
     {{{32775, "Use Cases"}, true}, {{32804, "Add Use Case"}, false}, {{309, "Edit Use Case List"}, false}}},
    {"Use Case Step", "view-steps", {{{32856, "Use Case Steps"}, true}, {{331, "Edit Steps"}, false}}},
    {"Column", "column-edit", {{{295, "Column Edit"}, true}}},
    {"Window\nw",
     "windows",
     {{{180, "Windows\ni"}, true, {57648, "&New Window"}}, {{186, "Export\ni"}, true}}},
};

const Command kStyles[] = {
    {215, "Office 2007 (&Blue Style)"},
    {216, "Office 2007 (B&lack Style)"},
    {217, "Office 2007 (&Silver Style)"},
    {218, "Office 2007 (&Aqua Style)"},
};
const Command kAbout = {57664, "\na"};
const int kQuickAccess[] = {57600, 57601, 57603, 57643, 57644, 57608};
// Quick-access commands that no panel or menu shows.
const Command kUndoRedo[] = {{57643, "&Undo"}, {57644, "&Redo"}};

// The caller's action for a command, given the ribbon's text and image where it has none.
QAction* Prepare(const CRibbonBuilder::ActionFor& actionFor, const Command& command) {
    QAction* action = actionFor(command.id);
    if (!action) {
        return nullptr;
    }
    const QString label = RibbonText::Parse(QString::fromUtf8(command.text)).label;
    if (action->text().isEmpty() && !label.isEmpty()) {
        action->setText(label);
    }
    if (action->icon().isNull()) {
        action->setIcon(DVIcons::Command(command.id));
    }
    return action;
}

QString KeyTipOf(const Command& command) {
    return RibbonText::Parse(QString::fromUtf8(command.text)).keyTip;
}

void BuildApplicationMenu(CRibbonBar& bar, const CRibbonBuilder::ActionFor& actionFor) {
    auto* menu = new CRibbonApplicationMenu;
    const auto addItem = [&](const Command& command,
                             const QList<CRibbonApplicationMenu::SubItem>& subItems = {}) -> CRibbonButton* {
        QAction* action = Prepare(actionFor, command);
        if (!action) {
            return nullptr;
        }
        const QString label = subItems.isEmpty() ? QString() : QString::fromUtf8(kPrintLabel);
        CRibbonButton* item = menu->AddItem(action, action->icon(), label, subItems);
        item->SetKeyTip(KeyTipOf(command));
        return item;
    };
    for (const Command& command : kMenuItemsBeforePrint) {
        addItem(command);
    }
    QList<CRibbonApplicationMenu::SubItem> printItems;
    for (const Command& command : kPrintItems) {
        if (QAction* action = Prepare(actionFor, command)) {
            printItems.append({action, action->icon()});
        }
    }
    if (CRibbonButton* print = addItem(kPrint, printItems)) {
        print->SetMenuKeyTip(QString::fromUtf8(kPrintMenuKeyTip));
    }
    menu->AddSeparator();
    addItem(kClose);
    menu->SetRecentFilesTitle(QString::fromUtf8(kRecentTitle), kRecentWidth);
    if (QAction* exit = Prepare(actionFor, kExit)) {
        menu->AddBottomButton(exit, exit->icon());
    }
    bar.SetApplicationMenu(menu);
}

void BuildCategory(CRibbonBar& bar, const CRibbonBuilder::ActionFor& actionFor) {
    CRibbonCategory* category = bar.AddCategory(QString::fromUtf8(kCategory));
    for (const Panel& spec : kPanels) {
        CRibbonPanel* panel = category->AddPanel(QString::fromUtf8(spec.title), DVIcons::Named(spec.icon));
        for (const PanelButton& button : spec.buttons) {
            QAction* action = Prepare(actionFor, button.command);
            if (!action) {
                continue;
            }
            CRibbonButton* added = button.large ? panel->AddLargeButton(action, action->icon())
                                                : panel->AddSmallButton(action, action->icon());
            added->SetKeyTip(KeyTipOf(button.command));
            if (QAction* menuAction =
                    button.menuCommand.id ? Prepare(actionFor, button.menuCommand) : nullptr) {
                auto* menu = new QMenu(&bar);
                menu->addAction(menuAction);
                added->SetMenu(menu, true);
            }
        }
    }
}

void BuildRightAlignedButtons(CRibbonBar& bar, const CRibbonBuilder::ActionFor& actionFor) {
    // The style button has no command of its own: it only opens the menu.
    auto* style = new QAction(QStringLiteral("Style"), &bar);
    style->setToolTip(QStringLiteral("Modify Visual Style"));
    style->setStatusTip(QStringLiteral("Choose one of the Office 2007 themes"));
    auto* menu = new QMenu(&bar);
    auto* group = new QActionGroup(&bar);
    for (const Command& command : kStyles) {
        if (QAction* action = Prepare(actionFor, command)) {
            action->setCheckable(true);
            group->addAction(action);
            menu->addAction(action);
        }
    }
    bar.AddRightAlignedButton(style, DVIcons::Named("style"), menu);
    if (QAction* about = Prepare(actionFor, kAbout)) {
        bar.AddRightAlignedButton(about, about->icon())->SetKeyTip(KeyTipOf(kAbout));
    }
}

}  // namespace

void CRibbonBuilder::Build(CRibbonBar& bar, const ActionFor& actionFor) {
    bar.SetApplicationButton(DVIcons::Application(), QStringLiteral("\nf"), QStringLiteral("File"));
    BuildApplicationMenu(bar, actionFor);
    BuildCategory(bar, actionFor);
    BuildRightAlignedButtons(bar, actionFor);
    for (const Command& command : kUndoRedo) {
        Prepare(actionFor, command);
    }
    for (int id : kQuickAccess) {
        if (QAction* action = actionFor(id)) {
            bar.AddQuickAccessAction(action, action->icon());
        }
    }
}
