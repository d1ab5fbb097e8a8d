#include "app/framework/CInPlaceFrame.h"

#include "app/framework/CDVCommandManager.h"
#include "app/framework/CInPlaceContainerWindow.h"
#include "app/framework/CommandIds.h"
#include "app/shell/DVIcons.h"
#include "document/CReqDoc.h"
#include "views/CDVViewHost.h"
#include "views/CViewChildDV.h"
#include "views/DVCommandIds.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

std::unique_ptr<CInPlaceFrame> CInPlaceFrame::Open(const QString& objectPath, WId containerWindow) {
    QWindow* container = QWindow::fromWinId(containerWindow);
    if (container == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CReqDoc> doc = LoadObject(objectPath);
    if (!doc) {
        return nullptr;
    }
    auto frame = std::unique_ptr<CInPlaceFrame>(new CInPlaceFrame(std::move(doc), objectPath));
    frame->setWindowFlags(Qt::FramelessWindowHint);
    frame->winId();
    frame->windowHandle()->setParent(container);
    CInPlaceFrame* raw = frame.get();
    frame->m_container = std::make_unique<CInPlaceContainerWindow>(
        containerWindow, [raw](QSize size) { raw->setGeometry(QRect(QPoint(0, 0), size)); });
    const QSize size = frame->m_container->Size();
    frame->setGeometry(QRect(QPoint(0, 0), size.isEmpty() ? container->size() : size));
    return frame;
}

CInPlaceFrame::CInPlaceFrame(std::unique_ptr<CReqDoc> doc, QString objectPath)
    : CEmbeddedFrame(std::move(doc), std::move(objectPath)) {
    setWindowTitle(QStringLiteral("Dovalintra in place"));
    // The container decides the size of the frame.
    CDVViewHost::Instance().resizeFrameClient = nullptr;
    BuildToolBar();
    BuildInPlaceMenu();
    statusBar()->setSizeGripEnabled(true);
    QAction* escape = Commands().Action(ID_END_IN_PLACE, QStringLiteral("End In-Place Editing"));
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    addAction(escape);
}

CInPlaceFrame::~CInPlaceFrame() = default;

void CInPlaceFrame::BuildToolBar() {
    QToolBar* toolBar = addToolBar(QStringLiteral("Dovalintra"));
    toolBar->setMovable(false);
    const struct {
        int id;
        int viewType;
        const char* text;
    } switches[] = {
        {DVCmd::ViewOverview, CReqDoc::ViewOverview, "Project Overview"},
        {DVCmd::ViewRequirements, CReqDoc::ViewRequirements, "Requirements"},
        {DVCmd::ViewActors, CReqDoc::ViewActors, "Actors"},
        {DVCmd::ViewUseCases, CReqDoc::ViewUseCases, "Use Cases"},
    };
    for (const auto& entry : switches) {
        QAction* action = Commands().Action(entry.id, QString::fromLatin1(entry.text));
        action->setIcon(DVIcons::ViewTypeIcon(entry.viewType));
        toolBar->addAction(action);
    }
}

void CInPlaceFrame::BuildInPlaceMenu() {
    // The commands a container would merge into its own menu, here in the frame's.
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addAction(Commands().Action(DVCmd::Cut, QStringLiteral("Cu&t")));
    edit->addAction(Commands().Action(DVCmd::CopySelected, QStringLiteral("&Copy")));
    edit->addAction(Commands().Action(DVCmd::Paste, QStringLiteral("&Paste")));
    menuBar()->addAction(
        Commands().Action(CommandIds::ID_PROJECT_PROPERTIES, QStringLiteral("&Project Properties")));
    menuBar()->addAction(Commands().Action(DVCmd::ColumnEdit, QStringLiteral("&Column Properties")));
    // Nobody handles the hint, so it stays disabled: it only points to the context menus.
    menuBar()->addAction(Commands().Action(
        ID_RIGHT_CLICK_HINT, QStringLiteral("<Right click within embedded document for more options>")));
}

bool CInPlaceFrame::EndInPlace() {
    CReqDoc& doc = Document();
    CViewChildDV* view = ActiveView();
    if (view != nullptr) {
        view->ClearSelection();
        view->RenderToBitmap();
        view->StoreLayout();
        doc.SetModifiedFlag(true);
    }
    const bool written = WriteObject();
    doc.m_sizeExtentShown = doc.m_sizeExtent;
    if (view != nullptr) {
        view->SetFirstActivationPending();
        view->CloseOpenPopup();
    }
    QCoreApplication::exit(written ? 0 : 2);
    return written;
}

bool CInPlaceFrame::OnUpdateCommand(int id, CDVCommandState& state) {
    if (id == ID_END_IN_PLACE) {
        state.enabled = true;
        return true;
    }
    // The server menu's file commands belong to the window of its own.
    if (id == ID_FILE_UPDATE || id == ID_FILE_SAVE_COPY_AS) {
        return false;
    }
    return CEmbeddedFrame::OnUpdateCommand(id, state);
}

bool CInPlaceFrame::OnCommand(int id) {
    if (id == ID_END_IN_PLACE) {
        EndInPlace();
        return true;
    }
    return false;
}
