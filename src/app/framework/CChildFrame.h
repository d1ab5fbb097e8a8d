#pragma once

#include "views/CDVCommandTarget.h"

#include <QMdiSubWindow>

class CReqDoc;
class CViewChildDV;
class CViewMotherDV;

// One document window: a mother view hosting one view, whose type the window can switch in place.
class CChildFrame : public QMdiSubWindow, public CDVCommandTarget {
    Q_OBJECT
public:
    explicit CChildFrame(CReqDoc* doc, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CReqDoc* GetDocument() const { return m_pDocument; }
    CViewMotherDV* GetMotherView() const { return m_pMotherView; }
    // The hosted view, null before the first creation.
    CViewChildDV* GetActiveView() const;

    // Creates the hosted view of the document's next view type.
    void OnInitialUpdate();
    // Replaces the hosted view by a view of the given type.
    void SwitchViewType(int viewType);
    // The title a view gives the window, marked while the document has unsaved changes.
    void SetViewTitle(const QString& title);
    void UpdateModified();

    // Lets the close through without asking the owner again (also the close under way).
    void AcceptClose() { m_bCloseAccepted = true; }
    // Destroys the views now, while the document still exists; the window itself goes later.
    void ReleaseDocument();

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CDVCommandState& state) override;

Q_SIGNALS:
    // The user asked to close the window; the owner decides (the document's last window asks to save).
    void closeRequested(CChildFrame* frame);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OnHostedViewCreated(int viewType, const QString& title);

    CReqDoc* m_pDocument;
    CViewMotherDV* m_pMotherView;
    bool m_bCloseAccepted = false;
};
