#include "app/framework/CInPlaceContainerWindow.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

xcb_connection_t* Connection() {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

}  // namespace

CInPlaceContainerWindow::CInPlaceContainerWindow(WId window, std::function<void(QSize)> resized)
    : m_window(window), m_resized(std::move(resized)) {
    if (xcb_connection_t* connection = Connection()) {
        // Changes of the container's size arrive as configure notifications.
        const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection, xcb_window_t(m_window), XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection);
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
}

CInPlaceContainerWindow::~CInPlaceContainerWindow() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
}

QSize CInPlaceContainerWindow::Size() const {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr) {
        return QSize();
    }
    const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> reply(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, xcb_drawable_t(m_window)), nullptr),
        &std::free);
    return reply ? QSize(reply->width, reply->height) : QSize();
}

bool CInPlaceContainerWindow::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) == XCB_CONFIGURE_NOTIFY) {
        const auto* configure = static_cast<const xcb_configure_notify_event_t*>(message);
        if (configure->window == xcb_window_t(m_window) && m_resized) {
            m_resized(QSize(configure->width, configure->height));
        }
    }
    return false;
}
