#include "views/CViewMotherDV.h"

#include "document/CReqDoc.h"
#include "views/CViewChildDV.h"
#include "views/CViewFactory.h"

#include <QResizeEvent>

CViewMotherDV::CViewMotherDV(CReqDoc* doc, QWidget* parent) : QWidget(parent), m_pDocument(doc) {
    m_pDocument->AddView(this);
}

CViewMotherDV::~CViewMotherDV() {
    DestroyHostedView();
    m_pDocument->RemoveView(this);
    if (m_pDocument->m_pMotherView == this) {
        m_pDocument->m_pMotherView = nullptr;
    }
}

CDVDocumentView* CViewMotherDV::HostedView() const {
    return m_hosted.get();
}

void CViewMotherDV::OnInitialUpdate() {
    // Outside embedding the frame's initial update reaches the new view; here it is the same call.
    CreateHostedView(true);
    m_pDocument->m_pMotherView = this;
}

CViewChildDV* CViewMotherDV::CreateHostedView(bool initialUpdate) {
    int viewType = m_pDocument->m_nNextViewType;
    CUseCase* stepsUseCase = nullptr;
    if (viewType == CReqDoc::ViewSteps) {
        stepsUseCase = m_pDocument->FindUseCase(m_pDocument->m_nNextStepsUseCaseId);
        if (stepsUseCase == nullptr) {
            stepsUseCase = m_pDocument->m_useCases.first();
        }
        m_pDocument->m_nNextStepsUseCaseId = 0;
        m_pDocument->m_nStepsUseCaseId = stepsUseCase != nullptr ? stepsUseCase->m_nId : 0;
    } else if (viewType != CReqDoc::ViewUseCases && viewType != CReqDoc::ViewActors &&
               viewType != CReqDoc::ViewOverview) {
        // Unknown types show requirements.
        viewType = CReqDoc::ViewRequirements;
    }
    m_pDocument->m_nNextViewType = CReqDoc::ViewNone;
    m_hosted = CreateHostedViewObject(viewType, m_pDocument, stepsUseCase, this);
    if (!m_hosted) {
        return nullptr;
    }
    m_hosted->SetViewType(viewType);
    m_hosted->setGeometry(rect());
    m_hosted->show();
    m_pDocument->AddView(m_hosted.get());
    if (initialUpdate) {
        m_hosted->OnInitialUpdate();
    }
    QString title;
    m_hosted->GetViewTitle(title, m_pDocument);
    Q_EMIT hostedViewCreated(viewType, title);
    return m_hosted.get();
}

void CViewMotherDV::DestroyHostedView() {
    if (m_hosted) {
        m_pDocument->RemoveView(m_hosted.get());
        m_hosted.reset();
    }
}

void CViewMotherDV::SwitchHostedView(int viewType) {
    if (!m_hosted) {
        return;
    }
    DestroyHostedView();
    m_pDocument->m_nNextViewType = viewType;
    if (CViewChildDV* view = CreateHostedView(true)) {
        view->setFocus();
        view->OnFirstActivation();
    }
}

void CViewMotherDV::Activate() {
    if (m_hosted) {
        m_hosted->OnFirstActivation();
    }
}

void CViewMotherDV::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_hosted) {
        m_hosted->setGeometry(QRect(QPoint(0, 0), event->size()));
    }
}
