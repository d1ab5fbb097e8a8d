#include "app/framework/CChildFrame.h"

#include "app/framework/CommandIds.h"
#include "app/shell/DVIcons.h"
#include "document/CReqDoc.h"
#include "views/CViewChildDV.h"
#include "views/CViewMotherDV.h"
#include "views/ViewSwitchCommands.h"

#include <QCloseEvent>

using namespace CommandIds;

CChildFrame::CChildFrame(CReqDoc* doc, QWidget* parent)
    : QMdiSubWindow(parent), m_pDocument(doc), m_pMotherView(new CViewMotherDV(doc)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Dovalintra"));
    setWidget(m_pMotherView);
    connect(m_pMotherView, &CViewMotherDV::hostedViewCreated, this, &CChildFrame::OnHostedViewCreated);
    connect(this, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates, Qt::WindowStates now) {
        if ((now & Qt::WindowActive) && m_pMotherView != nullptr) {
            m_pMotherView->Activate();
        }
    });
}

CChildFrame::~CChildFrame() = default;

CViewChildDV* CChildFrame::GetActiveView() const {
    return m_pMotherView != nullptr ? m_pMotherView->GetHostedView() : nullptr;
}

void CChildFrame::OnInitialUpdate() {
    m_pMotherView->OnInitialUpdate();
}

void CChildFrame::ReleaseDocument() {
    if (m_pMotherView != nullptr) {
        setWidget(nullptr);
        delete m_pMotherView;
        m_pMotherView = nullptr;
    }
    m_pDocument = nullptr;
}

void CChildFrame::OnHostedViewCreated(int viewType, const QString& title) {
    setWindowIcon(DVIcons::ViewTypeIcon(viewType));
    SetViewTitle(title);
}

void CChildFrame::SetViewTitle(const QString& title) {
    setWindowTitle(title + QStringLiteral("[*]"));
    UpdateModified();
}

void CChildFrame::UpdateModified() {
    setWindowModified(m_pDocument != nullptr && m_pDocument->IsModified());
}

void CChildFrame::SwitchViewType(int viewType) {
    if (m_pMotherView != nullptr) {
        m_pMotherView->SwitchHostedView(viewType);
    }
}

bool CChildFrame::OnUpdateCommand(int id, CDVCommandState& state) {
    const int target = ViewTypeOfSwitchCommand(id);
    if (target < 0) {
        return false;
    }
    const CViewChildDV* view = GetActiveView();
    state.enabled = view != nullptr && CanSwitchViewType(view->ViewType(), target);
    return true;
}

bool CChildFrame::OnCommand(int id) {
    CDVCommandState state;
    if (!OnUpdateCommand(id, state)) {
        return false;
    }
    if (state.enabled) {
        SwitchViewType(ViewTypeOfSwitchCommand(id));
    }
    return true;
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (m_bCloseAccepted) {
        QMdiSubWindow::closeEvent(event);
        return;
    }
    // The owner decides; it accepts the close when the window may go.
    Q_EMIT closeRequested(this);
    if (m_bCloseAccepted) {
        QMdiSubWindow::closeEvent(event);
    } else {
        event->ignore();
    }
}
