#pragma once

#include <QIcon>
#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>

struct CDVCommandState;
class CDVData;
class CReqDoc;
class CViewChildDV;
class CViewDVTreeList;
class QPrinter;
class QWidget;

// What the views need of the application around them: windows, command routing, icons and the dialogs
// of other parts of the program. Every entry may be empty; an empty entry does nothing and reports no
// change.
struct CDVViewHost {
    // Pages of the edit sheet that a view may ask for; any other page opens the first.
    static constexpr int SheetPageFirst = -1;
    static constexpr int SheetPageActorParameters = 499;
    static constexpr int SheetPageFunctions = 500;

    // Opens another window on the document that shows the document's m_nNextViewType (the view
    // commands of the document, New Window, Edit Use-Case Steps).
    std::function<void(CReqDoc* doc)> openNewWindow;
    // Switches the view type of the window that hosts the view (the in-place frame's or the child
    // frame's switch).
    std::function<void(CViewChildDV* view, int viewType)> switchViewType;
    // Gives the client area of the window that hosts the view the size in pixels (first activation
    // with a stored extent).
    std::function<void(CViewChildDV* view, int width, int height)> resizeFrameClient;

    // The full command routing of the application (view, document, frame, application) for the
    // menus a view shows itself. Without them a view asks only itself; a command nobody handles is
    // shown disabled.
    std::function<bool(CViewChildDV* view, int id, CDVCommandState& state)> updateCommand;
    std::function<bool(CViewChildDV* view, int id)> runCommand;
    // The keys the application binds to a command, shown beside it in the menus of the views.
    std::function<QList<QKeySequence>(int id)> keysOf;

    // The edit sheet of an object (requirement sheet, or actor / use-case / step sheet); page is one of
    // the SheetPage values. Returns true after OK when the object changed; parametersChanged tells that
    // parameter definitions were removed or changed.
    std::function<bool(CViewDVTreeList* view, CDVData* object, int page, bool& parametersChanged)> editSheet;
    // The quick selection of links in the given mode; true after OK when a link changed.
    std::function<bool(CReqDoc* doc, CDVData* object, int mode, bool deferred, QWidget* parent)> quickSelect;
    // The column choice dialog on the view's column set; true after OK when the set changed.
    // keepWidths tells whether the widths are to be kept.
    std::function<bool(CViewDVTreeList* view, bool& keepWidths)> chooseColumns;
    // The Save-As file dialog of an export: filter in the file dialog's form ("Name (*.csv)") and the
    // extension added to a name without one. Returns the chosen path, empty after Cancel.
    std::function<QString(QWidget* parent, const QString& filter, const QString& defaultSuffix)>
        exportFileName;

    // The application's printer: paper, orientation and destination as Print Setup and the print dialog
    // left them, shared by Print, Quick Print and Print Preview of every view.
    QPrinter* printer = nullptr;

    // Icons of the matrix views by image index (0 to 20); views created later use them. Missing
    // entries are drawn by the views themselves.
    QList<QIcon> imageList;

    // The one host of the process.
    static CDVViewHost& Instance();
};
