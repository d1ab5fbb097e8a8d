#pragma once

#include "views/CViewChildDV.h"

class CPicProjectOverview;
class QScrollArea;

// The project overview (view type 5): the chart control filling a scrolled view, the chart options as
// commands of its menu, printing.
class CViewProjectOverview : public CViewChildDV {
    Q_OBJECT
public:
    explicit CViewProjectOverview(CReqDoc* doc, QWidget* parent = nullptr);

    CPicProjectOverview* GetChart() const { return m_chart; }

    // CDVDocumentView: every refresh recomputes the figures.
    void RefreshVisibleRows(bool all) override;
    void Rebuild() override;

    // CViewChildDV
    void OnInitialUpdate() override;
    void ClearSelection() override {}
    void RenderToBitmap() override;
    void GetViewTitle(QString& title, const CReqDoc* doc) const override;
    bool PrintTo(QPrinter& printer) override;

    // CDVCommandTarget
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CDVCommandState& state) override;

    // Menu 445 with the states of its commands.
    QMenu* CreateChartMenu(QWidget* parent);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Recompute();
    void ShowChartMenu();
    bool RunChartCommand(int id);

    QScrollArea* m_scroll = nullptr;
    CPicProjectOverview* m_chart = nullptr;
};
