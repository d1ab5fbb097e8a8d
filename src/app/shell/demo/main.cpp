// Shows a main window with the program's ribbon built from placeholder actions.
//   --style ID         visual style 210-218 (default 215)
//   --menu             open the application menu
//   --splash           show the splash window
//   --about            show the about box
//   --screenshot FILE  grab the screen to a PNG and quit
#include "app/shell/CAboutDlg.h"
#include "app/shell/CRibbonApplicationMenu.h"
#include "app/shell/CRibbonBar.h"
#include "app/shell/CRibbonBuilder.h"
#include "app/shell/CTransparentDialogDlg.h"
#include "app/shell/CVisualStyle.h"
#include "app/shell/DVIcons.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QMainWindow>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Rows showing the matrix views' image list, as a stand-in document window.
QTreeWidget* MakeImageListView() {
    const char* const roles[DVIcons::kImageListSize] = {"Functional requirement",
                                                        "Constraint",
                                                        "Quality requirement",
                                                        "Folder",
                                                        "Linkage And",
                                                        "Linkage Or",
                                                        "Linkage Ignore",
                                                        "Phase not done",
                                                        "Phase done",
                                                        "Actor",
                                                        "Use case",
                                                        "Simple step",
                                                        "If",
                                                        "Else if",
                                                        "Else",
                                                        "End if",
                                                        "Fork",
                                                        "Join",
                                                        "Goto",
                                                        "Successful end",
                                                        "Unsuccessful end"};
    auto* tree = new QTreeWidget;
    tree->setHeaderLabels({QStringLiteral("Title"), QStringLiteral("Index")});
    tree->setColumnWidth(0, 260);
    for (int i = 0; i < DVIcons::kImageListSize; ++i) {
        auto* item = new QTreeWidgetItem(tree, {QString::fromUtf8(roles[i]), QString::number(i)});
        item->setIcon(0, DVIcons::ImageListIcon(i));
    }
    return tree;
}

}  // namespace

int main(int argc, char** argv) {
    // QApplication would take --style as the name of a QStyle, so it is read before it sees it.
    int styleId = CVisualStyle::kDefaultId;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--style") == 0 && i + 1 < argc) {
            styleId = std::atoi(argv[++i]);
        } else {
            args.push_back(argv[i]);
        }
    }
    int qtArgc = int(args.size());
    args.push_back(nullptr);
    QApplication app(qtArgc, args.data());
    QCommandLineParser parser;
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Grab to FILE and quit."), QStringLiteral("file"));
    const QCommandLineOption menu(QStringLiteral("menu"), QStringLiteral("Open the application menu."));
    const QCommandLineOption splash(QStringLiteral("splash"), QStringLiteral("Show the splash window."));
    const QCommandLineOption about(QStringLiteral("about"), QStringLiteral("Show the about box."));
    parser.addOptions({screenshot, menu, splash, about});
    parser.addHelpOption();
    parser.process(app);

    CVisualStyle::Apply(app, styleId);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Dovalintra"));
    window.setWindowIcon(DVIcons::Application());
    QMap<int, QAction*> actions;
    const auto actionFor = [&](int id) {
        QAction*& action = actions[id];
        if (!action) {
            action = new QAction(&window);
            if (id >= CVisualStyle::kFirstId && id <= CVisualStyle::kLastId) {
                QObject::connect(action, &QAction::triggered, &app,
                                 [&app, id] { CVisualStyle::Apply(app, id); });
            }
        }
        return action;
    };
    auto* ribbon = new CRibbonBar;
    CRibbonBuilder::Build(*ribbon, actionFor);
    // Commands nobody handles show disabled, as in the program without a document.
    for (int id : {57637, 57635, 302, 331}) {
        actions[id]->setEnabled(false);
    }
    if (actions.contains(CVisualStyle::Current())) {
        actions[CVisualStyle::Current()]->setChecked(true);
    }
    ribbon->ApplicationMenu()->SetRecentFiles({QStringLiteral("/home/user/Projects/Web Shop.dvx"),
                                               QStringLiteral("/home/user/Projects/Ticket System.dvx"),
                                               QStringLiteral("/home/user/Examples/ATM.dvx")});
    window.setMenuWidget(ribbon);

    auto* mdi = new QMdiArea;
    QMdiSubWindow* sub = mdi->addSubWindow(MakeImageListView());
    sub->setWindowTitle(QStringLiteral("Requirements of Web Shop"));
    sub->setWindowIcon(DVIcons::ViewTypeIcon(0));
    sub->resize(520, 500);
    window.setCentralWidget(mdi);
    window.resize(1280, 800);
    window.show();

    if (parser.isSet(menu)) {
        QTimer::singleShot(0, ribbon, &CRibbonBar::ShowApplicationMenu);
    }
    if (parser.isSet(splash)) {
        (new CTransparentDialogDlg(&window))->show();
    }
    if (parser.isSet(about)) {
        QTimer::singleShot(0, &window, [&window] { (new CAboutDlg(&window))->show(); });
    }
    if (parser.isSet(screenshot)) {
        const QString file = parser.value(screenshot);
        QTimer::singleShot(800, &app, [&app, file] {
            QApplication::primaryScreen()->grabWindow(0).save(file);
            app.quit();
        });
    }
    return app.exec();
}
