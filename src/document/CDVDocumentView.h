#pragma once

#include <QtGlobal>

// What the document needs of its views. The mother views and the matrix and overview views implement it;
// the core never sees a widget.
class CDVDocumentView {
public:
    virtual ~CDVDocumentView() = default;

    // A mother view hosts one view (or none before its first creation); other views answer null.
    virtual bool IsMotherView() const { return false; }
    virtual CDVDocumentView* HostedView() const { return nullptr; }
    // A hosted view (matrix view or project overview).
    virtual bool IsChildView() const { return false; }
    // A matrix view (not the project overview).
    virtual bool IsMatrixView() const { return false; }
    virtual int ViewType() const { return 0; }

    // Refills the visible rows from the objects (the overview recomputes its figures).
    virtual void RefreshVisibleRows(bool /*all*/) {}
    // Builds columns and rows anew.
    virtual void Rebuild() {}
    // Builds the rows anew and keeps what the user opened, selected and scrolled to.
    virtual void ReloadRows() { Rebuild(); }
    // Writes column order, widths and the first visible object into the view's column set.
    virtual void StoreLayout() {}
    // The steps view numbers its steps.
    virtual void RenumberSteps() {}
    // Selects the row of the object (a DVFamily value and identifier) when the view shows it.
    virtual void ShowObject(int /*family*/, qint32 /*id*/) {}
    // The document changed; sender is the view that changed it, or null.
    virtual void OnUpdate(CDVDocumentView* /*sender*/) {}
};
