#include "views/CViewProjectOverview.h"

#include "document/CReqDoc.h"
#include "views/CPicProjectOverview.h"
#include "views/DVCommandIds.h"

#include <QCursor>
#include <QMenu>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// A phase option after a toggle of its first phase, its second phase or both together; values above 4
// stay as they are.
int ToggleFirst(int value, bool secondEnabled) {
    constexpr int withSecond[] = {1, 0, 3, 2, 1};
    constexpr int withoutSecond[] = {1, 0, 1, 1, 1};
    return value >= 0 && value <= 4 ? (secondEnabled ? withSecond : withoutSecond)[value] : value;
}
int ToggleSecond(int value) {
    constexpr int next[] = {2, 3, 0, 1, 2};
    return value >= 0 && value <= 4 ? next[value] : value;
}
int ToggleTogether(int value) {
    return value >= 0 && value <= 4 ? (value == 4 ? 0 : 4) : value;
}

}  // namespace

CViewProjectOverview::CViewProjectOverview(CReqDoc* doc, QWidget* parent) : CViewChildDV(doc, parent) {
    SetViewType(CReqDoc::ViewOverview);
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_chart = new CPicProjectOverview(doc);
    m_scroll->setWidget(m_chart);
    connect(m_chart, &CPicProjectOverview::clicked, this, &CViewProjectOverview::ShowChartMenu);
}

void CViewProjectOverview::OnInitialUpdate() {
    CViewChildDV::OnInitialUpdate();
    m_scroll->setGeometry(rect());
    Recompute();
}

void CViewProjectOverview::Recompute() {
    m_chart->ComputeOverview();
    m_chart->setMinimumSize(m_chart->ChartSizePixels());
    m_chart->update();
}

void CViewProjectOverview::RefreshVisibleRows(bool all) {
    Q_UNUSED(all);
    Recompute();
}

void CViewProjectOverview::Rebuild() {
    Recompute();
}

void CViewProjectOverview::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_scroll->setGeometry(QRect(QPoint(0, 0), event->size()));
    TrackExtent(event->size());
}

void CViewProjectOverview::RenderToBitmap() {
    const DVSize extent = m_pDocument->m_sizeExtent;
    m_renderBitmap = m_chart->RenderPicture(
        QSize(qRound(extent.cx * logicalDpiX() / 2540.0), qRound(extent.cy * logicalDpiY() / 2540.0)));
}

void CViewProjectOverview::GetViewTitle(QString& title, const CReqDoc* doc) const {
    title = QStringLiteral("Project Overview - %1").arg(doc->m_strProjectName);
}

bool CViewProjectOverview::PrintTo(QPrinter& printer) {
    return m_chart->PrintTo(printer);
}

QMenu* CViewProjectOverview::CreateChartMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    AddCommand(menu, DVCmd::ChartDevelopment, QStringLiteral("Project Development"));
    AddCommand(menu, DVCmd::ChartDevelopment + 1, QStringLiteral("Project Cost"));
    AddCommand(menu, DVCmd::ChartDevelopment + 2, QStringLiteral("Project Duration"));
    AddCommand(menu, DVCmd::ChartAll, QStringLiteral("Project Development / Cost / Duration"));
    menu->addSeparator();
    AddCommand(menu, DVCmd::ShowApproval, QStringLiteral("Show Approval"));
    AddCommand(menu, DVCmd::ShowImplementation, QStringLiteral("Show Implementation"));
    AddCommand(menu, DVCmd::ShowApprovalImplementation,
               QStringLiteral("Show Approval+Implementation together"));
    AddCommand(menu, DVCmd::ShowVerification, QStringLiteral("Show Verification"));
    AddCommand(menu, DVCmd::ShowValidation, QStringLiteral("Show Validation"));
    AddCommand(menu, DVCmd::ShowVerificationValidation,
               QStringLiteral("Show Verification+Validation together"));
    menu->addSeparator();
    AddCommand(menu, DVCmd::AlignVCurve, QStringLiteral("Align Results in a V-Curve"));
    AddCommand(menu, DVCmd::ShowRedVCurve, QStringLiteral("Show Red V-Curve"));
    AddCommand(menu, DVCmd::ShowTotals, QStringLiteral("Show Totals"));
    AddCommand(menu, DVCmd::ShowSumOfTotals, QStringLiteral("Show Sum of Totals"));
    AddCommand(menu, DVCmd::ShowPercentOnly, QStringLiteral("Show Only Percentages (where aplicable)"));
    menu->addSeparator();
    QMenu* viewType = menu->addMenu(QStringLiteral("Change View Type to ..."));
    AddCommand(viewType, DVCmd::ViewOverview, QStringLiteral("Project Overview"));
    AddCommand(viewType, DVCmd::ViewRequirements, QStringLiteral("Requirements"));
    AddCommand(viewType, DVCmd::ViewActors, QStringLiteral("Actors"));
    AddCommand(viewType, DVCmd::ViewUseCases, QStringLiteral("Use Cases"));
    menu->addSeparator();
    AddCommand(menu, DVCmd::EmbeddedDocument, QStringLiteral("Embedded Document"));
    UpdateMenuActions(menu);
    return menu;
}

void CViewProjectOverview::ShowChartMenu() {
    // A click while the menu is open only closes it.
    if (m_openPopup != nullptr) {
        CloseOpenPopup();
        return;
    }
    ShowPopup(CreateChartMenu(this), QCursor::pos());
}

bool CViewProjectOverview::RunChartCommand(int id) {
    CReqDoc& doc = *m_pDocument;
    if (id >= DVCmd::ChartDevelopment && id <= DVCmd::ChartAll) {
        doc.m_nOverviewChart = id - DVCmd::ChartDevelopment;
        return true;
    }
    switch (id) {
        case DVCmd::ShowApproval:
            doc.m_nOverviewApprImpl = ToggleFirst(doc.m_nOverviewApprImpl, doc.m_bImplementationPhase);
            return true;
        case DVCmd::ShowImplementation:
            doc.m_nOverviewApprImpl = ToggleSecond(doc.m_nOverviewApprImpl);
            return true;
        case DVCmd::ShowApprovalImplementation:
            doc.m_nOverviewApprImpl = ToggleTogether(doc.m_nOverviewApprImpl);
            return true;
        case DVCmd::ShowVerification:
            doc.m_nOverviewVerValid = ToggleFirst(doc.m_nOverviewVerValid, doc.m_bValidationPhase);
            return true;
        case DVCmd::ShowValidation:
            doc.m_nOverviewVerValid = ToggleSecond(doc.m_nOverviewVerValid);
            return true;
        case DVCmd::ShowVerificationValidation:
            doc.m_nOverviewVerValid = ToggleTogether(doc.m_nOverviewVerValid);
            return true;
        case DVCmd::AlignVCurve:
            doc.m_bOverviewVCurve = !doc.m_bOverviewVCurve;
            return true;
        case DVCmd::ShowRedVCurve:
            doc.m_bOverviewRedVCurve = !doc.m_bOverviewRedVCurve;
            return true;
        case DVCmd::ShowTotals:
            doc.m_bOverviewTotals = !doc.m_bOverviewTotals;
            return true;
        case DVCmd::ShowSumOfTotals:
            doc.m_bOverviewSumOfTotals = !doc.m_bOverviewSumOfTotals;
            return true;
        case DVCmd::ShowPercentOnly:
            doc.m_bOverviewPercentOnly = !doc.m_bOverviewPercentOnly;
            return true;
        default:
            return false;
    }
}

bool CViewProjectOverview::OnCommand(int id) {
    CloseOpenPopup();
    if (RunChartCommand(id)) {
        // Options only change the drawing: no recomputation, no modified flag.
        m_chart->setMinimumSize(m_chart->ChartSizePixels());
        m_chart->repaint();
        return true;
    }
    return RunWindowCommand(id);
}

bool CViewProjectOverview::OnUpdateCommand(int id, CDVCommandState& state) {
    const CReqDoc& doc = *m_pDocument;
    const int apprImpl = doc.m_nOverviewApprImpl;
    const int verValid = doc.m_nOverviewVerValid;
    if (id >= DVCmd::ChartDevelopment && id <= DVCmd::ChartAll) {
        state.checked = doc.m_nOverviewChart == id - DVCmd::ChartDevelopment;
        return true;
    }
    switch (id) {
        case DVCmd::ShowApproval:
            state.checked = apprImpl == 1 || apprImpl == 3;
            return true;
        case DVCmd::ShowImplementation:
            state.checked = apprImpl == 2 || apprImpl == 3;
            state.enabled = doc.m_bImplementationPhase;
            return true;
        case DVCmd::ShowApprovalImplementation:
            state.checked = apprImpl == 4;
            state.enabled = doc.m_bImplementationPhase;
            return true;
        case DVCmd::ShowVerification:
            state.checked = verValid == 1 || verValid == 3;
            return true;
        case DVCmd::ShowValidation:
            state.checked = verValid == 2 || verValid == 3;
            state.enabled = doc.m_bValidationPhase;
            return true;
        case DVCmd::ShowVerificationValidation:
            state.checked = verValid == 4;
            state.enabled = doc.m_bValidationPhase;
            return true;
        case DVCmd::AlignVCurve:
            state.checked = doc.m_bOverviewVCurve;
            return true;
        case DVCmd::ShowRedVCurve:
            state.checked = doc.m_bOverviewRedVCurve;
            state.enabled = doc.m_bOverviewVCurve;
            return true;
        case DVCmd::ShowTotals:
            state.checked = doc.m_bOverviewTotals;
            return true;
        case DVCmd::ShowSumOfTotals:
            state.checked = doc.m_bOverviewSumOfTotals;
            state.enabled = doc.m_bOverviewTotals;
            return true;
        case DVCmd::ShowPercentOnly:
            state.checked = doc.m_bOverviewPercentOnly;
            return true;
        default:
            return UpdateWindowCommand(id, state);
    }
}
