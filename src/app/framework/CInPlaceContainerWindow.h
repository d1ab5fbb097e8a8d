#pragma once

#include <QAbstractNativeEventFilter>
#include <QSize>
#include <QWindow>

#include <functional>

// The container's X11 window that an in-place frame lies in: its size, and every change of it, which Qt
// does not report for a window of another process.
class CInPlaceContainerWindow : public QAbstractNativeEventFilter {
public:
    // resized receives the window's new size whenever the container changes it.
    CInPlaceContainerWindow(WId window, std::function<void(QSize)> resized);
    ~CInPlaceContainerWindow() override;
    CInPlaceContainerWindow(const CInPlaceContainerWindow&) = delete;
    CInPlaceContainerWindow& operator=(const CInPlaceContainerWindow&) = delete;

    // The window's size now; empty when it cannot be asked (not on X11, or the window is gone).
    QSize Size() const;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    WId m_window;
    std::function<void(QSize)> m_resized;
};
