#include "app/framework/CMainFrame.h"

#include "app/framework/CChildFrame.h"
#include "app/framework/CDVCommandManager.h"
#include "app/framework/CDocManager.h"
#include "app/framework/CDocumentCommands.h"
#include "app/framework/CWindowsDialog.h"
#include "app/framework/CommandIds.h"
#include "app/shell/CAboutDlg.h"
#include "app/shell/CRibbonApplicationMenu.h"
#include "app/shell/CRibbonBar.h"
#include "app/shell/CRibbonBuilder.h"
#include "app/shell/CVisualStyle.h"
#include "app/shell/DVIcons.h"
#include "controls/treelist/TreeListColors.h"
#include "dialogs/DVDialogEntries.h"
#include "dialogs/Dlg_Project_Options_Sheet.h"
#include "document/CReqDoc.h"
#include "views/CDVViewHost.h"
#include "views/CViewChildDV.h"
#include "views/CViewDVTreeList.h"
#include "views/CViewMotherDV.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QSettings>

using namespace CommandIds;

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent),
      m_mdi(new QMdiArea(this)),
      m_commands(std::make_unique<CDVCommandManager>()),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setWindowTitle(QStringLiteral("Dovalintra"));
    setWindowIcon(DVIcons::Application());
    m_mdi->setViewMode(QMdiArea::SubWindowView);
    m_mdi->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &CMainFrame::UpdateTitle);
    // The modified marks follow the documents as the command states do, at idle time.
    connect(m_commands.get(), &CDVCommandManager::actionsUpdated, this, &CMainFrame::UpdateTitle);

    m_documents = std::make_unique<CDocManager>(
        CDocManager::Hooks{[this](CReqDoc* doc) { OpenWindow(doc); },
                           [this](CReqDoc* doc) { CloseWindowsOf(doc); },
                           [this](CReqDoc* doc) { return ProjectProperties(doc); },
                           [this](CReqDoc* doc) { ApplyProjectProperties(doc); }},
        this);

    m_commands->SetChain([this] { return ChainOf(ActiveFrame()); });
    InstallViewHost();
    BuildRibbon();

    const int stored = QSettings().value(QStringLiteral("ApplicationLook"), ID_STYLE_DEFAULT).toInt();
    ApplyStyle(stored);
}

CMainFrame::~CMainFrame() {
    // The view host must not call into a main window that is gone.
    CDVViewHost& host = CDVViewHost::Instance();
    host.openNewWindow = nullptr;
    host.switchViewType = nullptr;
    host.resizeFrameClient = nullptr;
    host.updateCommand = nullptr;
    host.runCommand = nullptr;
    host.keysOf = nullptr;
    host.printer = nullptr;
    host.chooseColumns = nullptr;
    host.imageList.clear();
}

void CMainFrame::BuildRibbon() {
    m_ribbon = new CRibbonBar(this);
    CRibbonBuilder::Build(*m_ribbon, [this](int id) { return m_commands->Action(id); });
    if (CRibbonApplicationMenu* menu = m_ribbon->ApplicationMenu()) {
        connect(menu, &CRibbonApplicationMenu::RecentFileChosen, this,
                [this](const QString& path) { m_documents->OpenDocument(path); });
        connect(m_documents.get(), &CDocManager::recentFilesChanged, menu,
                &CRibbonApplicationMenu::SetRecentFiles);
        menu->SetRecentFiles(m_documents->RecentFiles());
    }
    setMenuWidget(m_ribbon);
    // The accelerators of the main window.
    const struct {
        QKeySequence key;
        int id;
    } accelerators[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), ID_FILE_NEW},
        {QKeySequence(Qt::CTRL | Qt::Key_O), ID_FILE_OPEN},
        {QKeySequence(Qt::CTRL | Qt::Key_S), ID_FILE_SAVE},
        {QKeySequence(Qt::CTRL | Qt::Key_P), ID_FILE_PRINT},
        {QKeySequence(Qt::CTRL | Qt::Key_C), 57634},
        {QKeySequence(Qt::CTRL | Qt::Key_Insert), 57634},
        {QKeySequence(Qt::CTRL | Qt::Key_X), 57635},
        {QKeySequence(Qt::SHIFT | Qt::Key_Delete), 57635},
        {QKeySequence(Qt::CTRL | Qt::Key_V), 57637},
        {QKeySequence(Qt::SHIFT | Qt::Key_Insert), 57637},
        {QKeySequence(Qt::CTRL | Qt::Key_D), 57632},
        {QKeySequence(Qt::CTRL | Qt::Key_I), 32801},
        {QKeySequence(Qt::CTRL | Qt::Key_B), 162},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), 57643},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), 57643},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), 57644},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), 57644},
        {QKeySequence(Qt::CTRL | Qt::Key_A), 57642},
        {QKeySequence(Qt::CTRL | Qt::Key_F), 57636},
        {QKeySequence(Qt::Key_F3), 57640},
        {QKeySequence(Qt::CTRL | Qt::Key_H), 57641},
        {QKeySequence(Qt::Key_F6), 57680},
        {QKeySequence(Qt::SHIFT | Qt::Key_F6), 57681},
        {QKeySequence(Qt::ALT | Qt::Key_Return), 57860},
        {QKeySequence(Qt::Key_Escape), ID_ESCAPE},
        // Keys users of tree editors expect beside the table's.
        {QKeySequence(Qt::Key_Delete), DVCmd::Delete},
        {QKeySequence(Qt::SHIFT | Qt::Key_F3), DVCmd::FindPrevious},
        {QKeySequence(Qt::CTRL | Qt::Key_G), DVCmd::GoToId},
        {QKeySequence(Qt::ALT | Qt::Key_Up), DVCmd::MoveUp},
        {QKeySequence(Qt::ALT | Qt::Key_Down), DVCmd::MoveDown},
        {QKeySequence(Qt::ALT | Qt::Key_Right), DVCmd::IncreaseIndent},
        {QKeySequence(Qt::ALT | Qt::Key_Left), DVCmd::DecreaseIndent},
    };
    for (const auto& accelerator : accelerators) {
        QAction* action = m_commands->Action(accelerator.id);
        QList<QKeySequence> keys = action->shortcuts();
        keys.append(accelerator.key);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
}

std::vector<CDVCommandTarget*> CMainFrame::ChainOf(CChildFrame* frame) {
    std::vector<CDVCommandTarget*> chain;
    if (frame != nullptr && frame->GetDocument() != nullptr) {
        chain.push_back(frame->GetActiveView());
        chain.push_back(m_documents->CommandsOf(frame->GetDocument()));
        chain.push_back(frame);
    }
    chain.push_back(this);
    return chain;
}

CChildFrame* CMainFrame::FrameOf(const CViewChildDV* view) const {
    for (QMdiSubWindow* window : m_mdi->subWindowList()) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (frame != nullptr && frame->GetActiveView() == view) {
            return frame;
        }
    }
    return nullptr;
}

void CMainFrame::InstallViewHost() {
    CDVViewHost& host = CDVViewHost::Instance();
    host.imageList = DVIcons::ImageList();
    InstallDialogEntries(host);
    // The menus a view shows route their commands like the ribbon's, starting at that view's window.
    host.updateCommand = [this](CViewChildDV* view, int id, CDVCommandState& state) {
        CChildFrame* frame = FrameOf(view);
        const std::vector<CDVCommandTarget*> chain =
            frame != nullptr ? ChainOf(frame) : std::vector<CDVCommandTarget*>{view, this};
        for (CDVCommandTarget* target : chain) {
            if (target != nullptr && target->OnUpdateCommand(id, state)) {
                return true;
            }
        }
        return false;
    };
    host.runCommand = [this](CViewChildDV* view, int id) {
        m_mdi->setActiveSubWindow(FrameOf(view));
        return m_commands->Run(id);
    };
    host.keysOf = [this](int id) {
        return m_commands->HasAction(id) ? m_commands->Action(id)->shortcuts() : QList<QKeySequence>();
    };
    host.openNewWindow = [this](CReqDoc* doc) { OpenWindow(doc); };
    host.printer = m_printer.get();
    host.switchViewType = [this](CViewChildDV* view, int viewType) {
        if (CChildFrame* frame = FrameOf(view)) {
            frame->SwitchViewType(viewType);
        }
    };
    host.resizeFrameClient = [this](CViewChildDV* view, int width, int height) {
        CChildFrame* frame = FrameOf(view);
        if (frame != nullptr && !frame->isMaximized() && frame->widget() != nullptr) {
            const QSize decoration = frame->size() - frame->widget()->size();
            frame->resize(QSize(width, height) + decoration);
        }
    };
}

CChildFrame* CMainFrame::ActiveFrame() const {
    return qobject_cast<CChildFrame*>(m_mdi->activeSubWindow());
}

CViewChildDV* CMainFrame::ActiveView() const {
    CChildFrame* frame = ActiveFrame();
    return frame != nullptr ? frame->GetActiveView() : nullptr;
}

CReqDoc* CMainFrame::ActiveDocument() const {
    CChildFrame* frame = ActiveFrame();
    return frame != nullptr ? frame->GetDocument() : nullptr;
}

CChildFrame* CMainFrame::OpenWindow(CReqDoc* doc) {
    auto* frame = new CChildFrame(doc);
    connect(frame, &CChildFrame::closeRequested, this, &CMainFrame::OnFrameCloseRequested);
    // New windows cascade from the top left of the area.
    const int offset = 28 * (m_mdi->subWindowList().size() % 8);
    m_mdi->addSubWindow(frame);
    frame->setGeometry(QRect(QPoint(offset, offset), m_mdi->size() * 0.8));
    frame->OnInitialUpdate();
    frame->show();
    m_mdi->setActiveSubWindow(frame);
    frame->GetMotherView()->Activate();
    UpdateTitle();
    return frame;
}

QList<CChildFrame*> CMainFrame::WindowsOf(const CReqDoc* doc) const {
    QList<CChildFrame*> frames;
    for (QMdiSubWindow* window : m_mdi->subWindowList(QMdiArea::CreationOrder)) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (frame != nullptr && doc != nullptr && frame->GetDocument() == doc) {
            frames.append(frame);
        }
    }
    return frames;
}

void CMainFrame::CloseWindowsOf(CReqDoc* doc) {
    for (CChildFrame* frame : WindowsOf(doc)) {
        // The views go now, before the document; the window closes (and is deleted) afterwards.
        frame->ReleaseDocument();
        frame->AcceptClose();
        frame->close();
    }
}

void CMainFrame::OnFrameCloseRequested(CChildFrame* frame) {
    CReqDoc* doc = frame->GetDocument();
    if (WindowsOf(doc).size() > 1) {
        frame->ReleaseDocument();
        frame->AcceptClose();
        return;
    }
    m_documents->CloseDocument(doc);
}

bool CMainFrame::ProjectProperties(CReqDoc* doc) {
    Dlg_Project_Options_Sheet sheet(doc, this);
    return sheet.exec() == QDialog::Accepted && sheet.Changed();
}

void CMainFrame::ApplyProjectProperties(CReqDoc* doc) {
    for (CChildFrame* frame : WindowsOf(doc)) {
        CViewChildDV* view = frame->GetActiveView();
        if (view == nullptr) {
            continue;
        }
        QString title;
        view->GetViewTitle(title, doc);
        frame->SetViewTitle(title);
        view->ApplyProjectOptions();
    }
    update();
}

void CMainFrame::ApplyStyle(int styleId) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_nStyle = styleId;
    CVisualStyle::Apply(*qApp, styleId);
    // The grids keep the system's colours in every look, as the project's row colours are chosen for them.
    TreeListColors::SetSystemPalette(CVisualStyle::SystemPalette());
    if (m_ribbon != nullptr) {
        m_ribbon->update();
    }
    QSettings().setValue(QStringLiteral("ApplicationLook"), styleId);
    QApplication::restoreOverrideCursor();
}

void CMainFrame::ShowApplicationMenu() {
    if (m_ribbon != nullptr) {
        m_ribbon->ShowApplicationMenu();
    }
}

void CMainFrame::UpdateTitle() {
    CReqDoc* doc = ActiveDocument();
    setWindowTitle(doc != nullptr ? QStringLiteral("%1[*] - Dovalintra").arg(m_documents->TitleOf(doc))
                                  : QStringLiteral("Dovalintra"));
    setWindowModified(doc != nullptr && doc->IsModified());
    for (QMdiSubWindow* window : m_mdi->subWindowList()) {
        if (auto* frame = qobject_cast<CChildFrame*>(window)) {
            frame->UpdateModified();
        }
    }
}

void CMainFrame::OpenCase() {
    const QString folder = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Examples"));
    const QString path = m_documents->AskOpenPath(folder);
    if (!path.isEmpty()) {
        m_documents->OpenDocument(path);
    }
}

bool CMainFrame::OnUpdateCommand(int id, CDVCommandState& state) {
    const bool hasDocument = ActiveDocument() != nullptr;
    switch (id) {
        case ID_FILE_NEW:
        case ID_FILE_OPEN:
        case ID_FILE_OPEN_CASE:
        case ID_FILE_PRINT_SETUP:
        case ID_APP_ABOUT:
        case ID_APP_EXIT:
            state.enabled = true;
            return true;
        case ID_FILE_SAVE:
        case ID_FILE_SAVE_AS:
        case ID_FILE_CLOSE:
        case ID_WINDOW_MANAGER:
            state.enabled = hasDocument;
            return true;
        default:
            break;
    }
    if (id >= ID_STYLE_FIRST && id <= ID_STYLE_LAST) {
        state.enabled = true;
        state.checked = id == m_nStyle;
        state.radio = true;
        return true;
    }
    return false;
}

bool CMainFrame::OnCommand(int id) {
    switch (id) {
        case ID_FILE_NEW:
            m_documents->NewDocument();
            return true;
        case ID_FILE_OPEN: {
            const QString path = m_documents->AskOpenPath(QString());
            if (!path.isEmpty()) {
                m_documents->OpenDocument(path);
            }
            return true;
        }
        case ID_FILE_OPEN_CASE:
            OpenCase();
            return true;
        case ID_FILE_SAVE:
        case ID_FILE_SAVE_AS:
            if (CReqDoc* doc = ActiveDocument()) {
                m_documents->SaveDocument(doc, id == ID_FILE_SAVE_AS);
                UpdateTitle();
            }
            return true;
        case ID_FILE_CLOSE:
            if (CReqDoc* doc = ActiveDocument()) {
                m_documents->CloseDocument(doc);
            }
            return true;
        case ID_FILE_PRINT_SETUP: {
            QPageSetupDialog dialog(m_printer.get(), this);
            dialog.exec();
            return true;
        }
        case ID_APP_ABOUT: {
            CAboutDlg about(this);
            about.exec();
            return true;
        }
        case ID_APP_EXIT:
            close();
            return true;
        case ID_WINDOW_MANAGER: {
            CWindowsDialog dialog(m_mdi, this);
            dialog.exec();
            return true;
        }
        default:
            break;
    }
    if (id >= ID_STYLE_FIRST && id <= ID_STYLE_LAST) {
        ApplyStyle(id);
        return true;
    }
    return false;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_documents->CloseAll()) {
        event->ignore();
        return;
    }
    event->accept();
}
