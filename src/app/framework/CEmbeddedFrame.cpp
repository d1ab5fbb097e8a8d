#include "app/framework/CEmbeddedFrame.h"

#include "app/framework/CDVCommandManager.h"
#include "app/framework/CDocumentCommands.h"
#include "app/framework/CDovalintraSrvrItem.h"
#include "app/shell/DVIcons.h"
#include "dialogs/DVDialogEntries.h"
#include "dialogs/Dlg_Project_Options_Sheet.h"
#include "document/CEmbeddedObjectFile.h"
#include "document/CReqDoc.h"
#include "document/CReqDocFile.h"
#include "document/DVFileError.h"
#include "platform/CDVException.h"
#include "platform/DVMessageBox.h"
#include "undo/CReqDocHistory.h"
#include "views/CDVViewHost.h"
#include "views/CViewChildDV.h"
#include "views/CViewMotherDV.h"
#include "views/DVCommandIds.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QTimer>

std::unique_ptr<CEmbeddedFrame> CEmbeddedFrame::Open(const QString& objectPath) {
    std::unique_ptr<CReqDoc> doc = LoadObject(objectPath);
    if (!doc) {
        return nullptr;
    }
    auto frame = std::unique_ptr<CEmbeddedFrame>(new CEmbeddedFrame(std::move(doc), objectPath));
    frame->BuildMenu();
    return frame;
}

std::unique_ptr<CReqDoc> CEmbeddedFrame::LoadObject(const QString& objectPath) {
    auto doc = std::make_unique<CReqDoc>();
    doc->m_bEmbedded = true;
    // A container inserting a new object names a file that does not exist yet.
    if (QFileInfo::exists(objectPath)) {
        try {
            const CEmbeddedObjectFile object = CEmbeddedObjectFile::Read(objectPath);
            if (!object.contents.isEmpty()) {
                CReqDocFile(*doc).LoadArchive(object.contents);
            }
        } catch (const CDVException& e) {
            DVMessageBox(
                DVFileResult{false, QString::fromLatin1(kDVFailedToOpenDocument), e.Reason()}.Message(),
                DV::MB_ICONEXCLAMATION | DV::MB_OK);
            return nullptr;
        }
        // The picture is drawn at the extent: one from a damaged or foreign file must not ask for a
        // picture of many gigabytes.
        constexpr qint32 kLargestSide = 200000;  // 2 m
        for (DVSize* extent : {&doc->m_sizeExtent, &doc->m_sizeExtentShown}) {
            if (extent->cx > kLargestSide || extent->cy > kLargestSide) {
                *extent = CReqDoc().m_sizeExtent;
            }
        }
        doc->m_nNextViewType = doc->m_nViewType;
        doc->m_nNextStepsUseCaseId = doc->m_nStepsUseCaseId;
        doc->AdjustPhaseSelection();
    }
    doc->SetModifiedFlag(false);
    return doc;
}

CEmbeddedFrame::CEmbeddedFrame(std::unique_ptr<CReqDoc> doc, QString objectPath)
    : m_doc(std::move(doc)),
      m_objectPath(std::move(objectPath)),
      m_commands(std::make_unique<CDVCommandManager>()),
      m_mother(new CViewMotherDV(m_doc.get(), this)) {
    setWindowIcon(DVIcons::Application());
    setCentralWidget(m_mother);
    connect(m_mother, &CViewMotherDV::hostedViewCreated, this, [this](int, const QString& title) {
        setWindowTitle(QStringLiteral("%1 - %2").arg(title, QFileInfo(m_objectPath).fileName()));
    });
    CReqDocHistory::Attach(*m_doc);
    m_documentCommands = std::make_unique<CDocumentCommands>(
        *m_doc,
        CDocumentCommands::Hooks{// One window per embedded document: a view type opens in this window.
                                 [this](CReqDoc* target) { SwitchLater(target->m_nNextViewType); },
                                 [this](CReqDoc* target) {
                                     Dlg_Project_Options_Sheet sheet(target, this);
                                     return sheet.exec() == QDialog::Accepted && sheet.Changed();
                                 },
                                 [this](CReqDoc*) { ApplyProjectProperties(); }});
    m_commands->SetChain([this] {
        return std::vector<CDVCommandTarget*>{ActiveView(), m_documentCommands.get(), this};
    });
    InstallViewHost();
    AddAccelerators();
}

CEmbeddedFrame::~CEmbeddedFrame() {
    delete m_mother;
    CDVViewHost& host = CDVViewHost::Instance();
    host.openNewWindow = nullptr;
    host.switchViewType = nullptr;
    host.resizeFrameClient = nullptr;
    host.updateCommand = nullptr;
    host.runCommand = nullptr;
    host.keysOf = nullptr;
}

CViewChildDV* CEmbeddedFrame::ActiveView() const {
    return m_mother != nullptr ? m_mother->GetHostedView() : nullptr;
}

void CEmbeddedFrame::BuildMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* update = m_commands->Action(ID_FILE_UPDATE, QStringLiteral("&Update"));
    update->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    file->addAction(update);
    file->addAction(m_commands->Action(ID_FILE_SAVE_COPY_AS, QStringLiteral("Save Copy &As...")));
}

void CEmbeddedFrame::AddAccelerators() {
    // The keys of the server's accelerators: editing in the view as in the main window.
    const struct {
        QKeySequence key;
        int id;
    } accelerators[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_C), DVCmd::CopySelected},
        {QKeySequence(Qt::CTRL | Qt::Key_X), DVCmd::Cut},
        {QKeySequence(Qt::CTRL | Qt::Key_V), DVCmd::Paste},
        {QKeySequence(Qt::CTRL | Qt::Key_D), DVCmd::Delete},
        {QKeySequence(Qt::Key_Delete), DVCmd::Delete},
        {QKeySequence(Qt::CTRL | Qt::Key_I), DVCmd::InsertNew},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), DVCmd::Undo},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), DVCmd::Redo},
        {QKeySequence(Qt::CTRL | Qt::Key_F), DVCmd::Find},
        {QKeySequence(Qt::Key_F3), DVCmd::FindNext},
        {QKeySequence(Qt::SHIFT | Qt::Key_F3), DVCmd::FindPrevious},
        {QKeySequence(Qt::CTRL | Qt::Key_H), DVCmd::Replace},
        {QKeySequence(Qt::CTRL | Qt::Key_G), DVCmd::GoToId},
    };
    for (const auto& accelerator : accelerators) {
        QAction* action = m_commands->Action(accelerator.id);
        action->setShortcut(accelerator.key);
        addAction(action);
    }
}

void CEmbeddedFrame::InstallViewHost() {
    CDVViewHost& host = CDVViewHost::Instance();
    host.imageList = DVIcons::ImageList();
    InstallDialogEntries(host);
    host.updateCommand = [this](CViewChildDV*, int id, CDVCommandState& state) {
        return m_commands->Update(id, state);
    };
    host.runCommand = [this](CViewChildDV*, int id) { return m_commands->Run(id); };
    host.keysOf = [this](int id) {
        return m_commands->HasAction(id) ? m_commands->Action(id)->shortcuts() : QList<QKeySequence>();
    };
    host.openNewWindow = [this](CReqDoc* doc) { SwitchLater(doc->m_nNextViewType); };
    host.switchViewType = [this](CViewChildDV*, int viewType) { m_mother->SwitchHostedView(viewType); };
    host.resizeFrameClient = [this](CViewChildDV*, int width, int height) {
        resize(QSize(width, height) + (size() - m_mother->size()));
    };
}

void CEmbeddedFrame::SwitchLater(int viewType) {
    // The view asking for the window is the one replaced: it must have returned first.
    QTimer::singleShot(0, this, [this, viewType] { m_mother->SwitchHostedView(viewType); });
}

void CEmbeddedFrame::OnInitialUpdate() {
    m_mother->OnInitialUpdate();
}

bool CEmbeddedFrame::Update() {
    if (CViewChildDV* view = ActiveView()) {
        view->ClearSelection();
        m_doc->SetModifiedFlag(true);
        view->RenderToBitmap();
        view->StoreLayout();
    }
    return WriteObject();
}

bool CEmbeddedFrame::WriteObject() {
    const DVFileResult result = CDovalintraSrvrItem(*m_doc).WriteObject(m_objectPath);
    if (!result.ok) {
        DVMessageBox(result.Message(), DV::MB_ICONEXCLAMATION | DV::MB_OK);
        return false;
    }
    m_doc->SetModifiedFlag(false);
    return true;
}

void CEmbeddedFrame::SaveCopyAs() {
    QFileDialog dialog(this, QString(), QString(), QStringLiteral("Dovalintra Projects (*.dvx)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("dvx"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    // A copy leaves the embedded document as modified as it was.
    const bool modified = m_doc->IsModified();
    const DVFileResult result = CReqDocFile(*m_doc).SaveDocument(dialog.selectedFiles().constFirst());
    m_doc->SetModifiedFlag(modified);
    if (!result.ok) {
        DVMessageBox(result.Message(), DV::MB_ICONEXCLAMATION | DV::MB_OK);
    }
}

void CEmbeddedFrame::ApplyProjectProperties() {
    if (CViewChildDV* view = ActiveView()) {
        QString title;
        view->GetViewTitle(title, m_doc.get());
        setWindowTitle(QStringLiteral("%1 - %2").arg(title, QFileInfo(m_objectPath).fileName()));
        view->ApplyProjectOptions();
    }
}

bool CEmbeddedFrame::OnUpdateCommand(int id, CDVCommandState& state) {
    if (id == ID_FILE_UPDATE || id == ID_FILE_SAVE_COPY_AS) {
        state.enabled = true;
        return true;
    }
    return false;
}

bool CEmbeddedFrame::OnCommand(int id) {
    switch (id) {
        case ID_FILE_UPDATE:
            Update();
            return true;
        case ID_FILE_SAVE_COPY_AS:
            SaveCopyAs();
            return true;
        default:
            return false;
    }
}

void CEmbeddedFrame::closeEvent(QCloseEvent* event) {
    if (m_doc->IsModified()) {
        const int answer =
            DVMessageBox(QStringLiteral("Save changes to %1?").arg(QFileInfo(m_objectPath).fileName()),
                         DV::MB_YESNOCANCEL | DV::MB_ICONQUESTION);
        if (answer == DV::IDCANCEL || (answer == DV::IDYES && !Update())) {
            event->ignore();
            return;
        }
    }
    event->accept();
}
