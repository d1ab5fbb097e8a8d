#pragma once

#include "app/framework/CEmbeddedFrame.h"

#include <QWindow>

#include <memory>

class CInPlaceContainerWindow;

// An embedded project activated in place: the frame lies inside the container's window, with the
// toolbar of view switches and a resize bar. Escape ends the activation: the object is written back
// with its picture and the window goes.
class CInPlaceFrame : public CEmbeddedFrame {
    Q_OBJECT
public:
    // The command of the Escape key while in place.
    static constexpr int ID_END_IN_PLACE = 32769;
    static constexpr int ID_RIGHT_CLICK_HINT = 32864;

    // Loads the object and places the frame inside the window containerWindow (an X11 window id);
    // null after a failure was reported.
    static std::unique_ptr<CInPlaceFrame> Open(const QString& objectPath, WId containerWindow);
    ~CInPlaceFrame() override;

    // Ends the in-place activation; false when the object could not be written.
    bool EndInPlace();

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CDVCommandState& state) override;

private:
    CInPlaceFrame(std::unique_ptr<CReqDoc> doc, QString objectPath);
    void BuildToolBar();
    void BuildInPlaceMenu();

    std::unique_ptr<CInPlaceContainerWindow> m_container;
};
