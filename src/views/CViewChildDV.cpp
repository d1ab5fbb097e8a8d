#include "views/CViewChildDV.h"

#include "document/CReqDoc.h"
#include "views/CDVViewHost.h"

#include <QMenu>
#include <QScreen>

CViewChildDV::CViewChildDV(CReqDoc* doc, QWidget* parent) : QWidget(parent), m_pDocument(doc) {}

CViewChildDV::~CViewChildDV() {
    if (m_pDocument != nullptr) {
        m_pDocument->RemoveView(this);
        if (m_pDocument->m_pChildView == this) {
            m_pDocument->m_pChildView = nullptr;
        }
    }
}

void CViewChildDV::OnInitialUpdate() {
    if (m_pDocument->m_nLastRequirementId == 0) {
        m_bDefaultContent = true;
        m_pDocument->CreateDefaultContent();
    }
    m_bFirstActivationPending = true;
    m_pDocument->m_pChildView = this;
}

bool CViewChildDV::OnFirstActivation() {
    if (!m_bFirstActivationPending) {
        return false;
    }
    m_bFirstActivationPending = false;
    DVSize& extent = m_pDocument->m_sizeExtentShown;
    if (extent.cx > 0 && extent.cy > 0) {
        // HIMETRIC (0.01 mm) to device pixels.
        const qreal dpiX = logicalDpiX();
        const qreal dpiY = logicalDpiY();
        const int width = qRound(extent.cx * dpiX / 2540.0);
        const int height = qRound(extent.cy * dpiY / 2540.0);
        const auto& resize = CDVViewHost::Instance().resizeFrameClient;
        if (width > 8 && height > 8 && resize) {
            resize(this, width, height);
        }
        extent = DVSize{0, 0};
    }
    return true;
}

void CViewChildDV::CloseOpenPopup() {
    if (m_openPopup != nullptr) {
        m_openPopup->close();
        m_openPopup = nullptr;
    }
}
