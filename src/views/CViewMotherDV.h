#pragma once

#include "document/CDVDocumentView.h"

#include <QWidget>

#include <memory>

class CReqDoc;
class CViewChildDV;

// The view of every project window: hosts exactly one view of a view type, fills its client area
// with it, and replaces it when the window switches its view type.
class CViewMotherDV : public QWidget, public CDVDocumentView {
    Q_OBJECT
public:
    explicit CViewMotherDV(CReqDoc* doc, QWidget* parent = nullptr);
    ~CViewMotherDV() override;

    CReqDoc* GetDocument() const { return m_pDocument; }
    CViewChildDV* GetHostedView() const { return m_hosted.get(); }

    // CDVDocumentView
    bool IsMotherView() const override { return true; }
    CDVDocumentView* HostedView() const override;

    // The framework's initial update: creates the hosted view of the document's next view type.
    void OnInitialUpdate();
    // Creates the hosted view of the document's m_nNextViewType, with or without its initial update.
    CViewChildDV* CreateHostedView(bool initialUpdate);
    // Drops the hosted view from the document and destroys it.
    void DestroyHostedView();
    // Replaces the hosted view by one of the view type, initialised and activated; nothing before the
    // first creation.
    void SwitchHostedView(int viewType);
    // The window was activated: the hosted view's first activation.
    void Activate();

Q_SIGNALS:
    // A hosted view was created: the frame takes its icon and title from it.
    void hostedViewCreated(int viewType, const QString& title);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    CReqDoc* m_pDocument;
    std::unique_ptr<CViewChildDV> m_hosted;
};
