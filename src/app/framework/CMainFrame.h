#pragma once

#include "views/CDVCommandTarget.h"

#include <QMainWindow>

#include <memory>
#include <vector>

class CChildFrame;
class CDocManager;
class CDVCommandManager;
class CReqDoc;
class CRibbonBar;
class CViewChildDV;
class QMdiArea;
class QMdiSubWindow;
class QPrinter;

// The main window: the ribbon, the document windows in an MDI area, and the application's commands.
class CMainFrame : public QMainWindow, public CDVCommandTarget {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    CDocManager& Documents() { return *m_documents; }
    CDVCommandManager& Commands() { return *m_commands; }
    QMdiArea* MdiArea() const { return m_mdi; }
    CRibbonBar* Ribbon() const { return m_ribbon; }
    // The one printer configuration of the application: Print Setup sets it up, every print uses it.
    QPrinter* Printer() const { return m_printer.get(); }

    CChildFrame* ActiveFrame() const;
    CViewChildDV* ActiveView() const;
    CReqDoc* ActiveDocument() const;

    // Opens a window on the document showing its m_nNextViewType.
    CChildFrame* OpenWindow(CReqDoc* doc);
    // The windows of a document, in creation order.
    QList<CChildFrame*> WindowsOf(const CReqDoc* doc) const;

    // Applies a visual style (210 to 218) and stores it as "ApplicationLook".
    void ApplyStyle(int styleId);
    int CurrentStyle() const { return m_nStyle; }
    // The ribbon's application menu, as a plain start shows it.
    void ShowApplicationMenu();

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CDVCommandState& state) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildRibbon();
    // The command targets asked for a command of the window: its view, its document, the window, the
    // application.
    std::vector<CDVCommandTarget*> ChainOf(CChildFrame* frame);
    CChildFrame* FrameOf(const CViewChildDV* view) const;
    void InstallViewHost();
    void OnFrameCloseRequested(CChildFrame* frame);
    void CloseWindowsOf(CReqDoc* doc);
    bool ProjectProperties(CReqDoc* doc);
    void ApplyProjectProperties(CReqDoc* doc);
    void UpdateTitle();
    void OpenCase();

    QMdiArea* m_mdi;
    CRibbonBar* m_ribbon = nullptr;
    std::unique_ptr<CDVCommandManager> m_commands;
    std::unique_ptr<CDocManager> m_documents;
    std::unique_ptr<QPrinter> m_printer;
    int m_nStyle = 215;
};
