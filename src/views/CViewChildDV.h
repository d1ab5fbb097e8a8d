#pragma once

#include "document/CDVDocumentView.h"
#include "views/CDVCommandTarget.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

class CReqDoc;
class QPrinter;
#include <QMenu>

// Base of every view that a mother view hosts in a project window: the matrix views and the project
// overview. It carries the view type, the first-activation step and the off-screen picture.
class CViewChildDV : public QWidget, public CDVDocumentView, public CDVCommandTarget {
    Q_OBJECT
public:
    explicit CViewChildDV(CReqDoc* doc, QWidget* parent = nullptr);
    ~CViewChildDV() override;

    CReqDoc* GetDocument() const { return m_pDocument; }

    // CDVDocumentView
    bool IsChildView() const override { return true; }
    int ViewType() const override { return m_nViewType; }
    void SetViewType(int viewType) { m_nViewType = viewType; }

    // Builds the view from the document (the framework's initial update).
    virtual void OnInitialUpdate();
    // Runs once at the first activation after OnInitialUpdate; returns whether it ran.
    virtual bool OnFirstActivation();
    // Asks for another first activation (after an in-place activation ended).
    void SetFirstActivationPending() { m_bFirstActivationPending = true; }

    virtual void ClearSelection() = 0;
    virtual void RenderToBitmap() = 0;
    // The window title of the view.
    virtual void GetViewTitle(QString& title, const CReqDoc* doc) const = 0;
    // The project options changed: matrix views update columns, colours, edit modes and visible rows.
    virtual void ApplyProjectOptions() {}

    // The picture drawn by RenderToBitmap.
    const QImage& RenderedBitmap() const { return m_renderBitmap; }

    // Prints the view on the printer's pages; false when the printer could not be started.
    virtual bool PrintTo(QPrinter& printer) = 0;

    // The state of a command as the application routes it (only this view without a routing).
    CDVCommandState QueryCommand(int id);
    void RunRoutedCommand(int id);

    // The context menu shown by the view; closed before another opens.
    void CloseOpenPopup();
    void SetOpenPopup(QMenu* menu) { m_openPopup = menu; }

protected:
    // Menus whose actions carry their command id; the states come from the command routing.
    void AddCommand(QMenu* menu, int id, const QString& text);
    void UpdateMenuActions(QMenu* menu);
    // Shows the menu as the view's open popup; its commands go through the routing.
    void ShowPopup(QMenu* menu, const QPoint& globalPos);
    // Print (the print dialog first), Quick Print (the last destination) or Print Preview.
    void ShowPrintDialog(bool preview, bool direct);
    // The document's extent becomes the view's size: an embedded project's extent follows its view.
    void TrackExtent(QSize size);
    // Opens another window of the view type (New Window, Edit Use-Case Steps).
    void OpenWindowOfType(int viewType);
    // The commands every hosted view handles alike: printing, New Window and the view-type switches;
    // false for other commands.
    bool RunWindowCommand(int id);
    bool UpdateWindowCommand(int id, CDVCommandState& state);

    CReqDoc* m_pDocument;
    bool m_bDefaultContent = false;
    bool m_bFirstActivationPending = false;
    int m_nViewType = 4;
    QImage m_renderBitmap;
    QPointer<QMenu> m_openPopup;
};
