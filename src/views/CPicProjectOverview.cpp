// Figures, texts, events and pictures of CPicProjectOverview; the drawing is in
// CPicProjectOverviewDraw.cpp.
#include "views/CPicProjectOverview.h"

#include "document/CReqDoc.h"
#include "platform/DVFormat.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kNamesFirstGroup[] = {544, 545, 546};
constexpr int kNamesSecondGroup[] = {547, 548, 549};

// printf's "%.6g".
QString Number(double value) {
    return FormatG(value).toLower();
}

void AppendGroup(std::vector<CPicProjectOverview::Column>& columns, int option, int firstPhase, int group,
                 const int* names) {
    const int second = firstPhase + 1;
    switch (option) {
        case 1:
            columns.push_back({firstPhase, firstPhase, group, names[0]});
            break;
        case 2:
            columns.push_back({second, second, group, names[1]});
            break;
        case 3:
            columns.push_back({firstPhase, firstPhase, group, names[0]});
            columns.push_back({second, second, group, names[1]});
            break;
        case 4:
            columns.push_back({firstPhase, second, group, names[2]});
            break;
        default:
            break;  // none of the group
    }
}

}  // namespace

CPicProjectOverview::CPicProjectOverview(CReqDoc* doc, QWidget* parent) : QWidget(parent), m_pDocument(doc) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CPicProjectOverview::ComputeOverview() {
    m_figures.Compute(*m_pDocument);
}

std::vector<CPicProjectOverview::Column> CPicProjectOverview::ShownColumns(const CReqDoc& doc) {
    std::vector<Column> columns;
    AppendGroup(columns, doc.m_nOverviewApprImpl, 0, 0, kNamesFirstGroup);
    AppendGroup(columns, doc.m_nOverviewVerValid, 2, 1, kNamesSecondGroup);
    return columns;
}

bool CPicProjectOverview::ShowsSumLines() const {
    return m_pDocument->m_bOverviewTotals && m_pDocument->m_bOverviewSumOfTotals &&
           m_pDocument->m_nOverviewChart == 3;
}

QSize CPicProjectOverview::ChartSize() const {
    const int columns = int(ShownColumns(*m_pDocument).size());
    const int rows = int(m_figures.Rows().size());
    const qint32 width = std::max(7000 + 7000 * columns, 21000);
    const qint32 height = 2000 * rows + 8700 + (ShowsSumLines() ? 2400 : 0);
    return QSize(width, height);
}

QSize CPicProjectOverview::ChartSizePixels() const {
    const QSize size = ChartSize();
    return QSize(qRound(size.width() * logicalDpiX() / 2540.0),
                 qRound(size.height() * logicalDpiY() / 2540.0));
}

QString CPicProjectOverview::CellText(const DVPOData& element, const Column& column, int kind,
                                      bool percentOnly, int* percent) {
    const PhaseTally& a = element.own[size_t(column.first)];
    const PhaseTally& b = element.own[size_t(column.second)];
    const bool together = column.first != column.second;
    int pct = 0;
    QString text;
    if (kind == 0) {
        // A combined column counts the second phase: what is done there has passed both.
        pct = DVOverviewFigures::Percent(b.nDone, b.n);
        text = QStringLiteral("%1% (%2/%3)").arg(pct).arg(b.nDone).arg(b.n);
    } else {
        const bool cost = kind == 1;
        const double done =
            (cost ? a.costDone : a.durationDone) + (together ? (cost ? b.costDone : b.durationDone) : 0.0);
        const double all = (cost ? a.cost : a.duration) + (together ? (cost ? b.cost : b.duration) : 0.0);
        pct = DVOverviewFigures::Percent(done, all);
        text = QStringLiteral("%1% (%2/%3)").arg(pct).arg(Number(done), Number(all));
    }
    if (percent != nullptr) {
        *percent = pct;
    }
    return percentOnly ? QStringLiteral("     %1%     ").arg(pct) : text;
}

QString CPicProjectOverview::SumText(const PhaseTally& sum, int kind, int* percent) {
    DVPOData element;
    element.own[0] = sum;
    return CellText(element, Column{0, 0, 0, 0}, kind, false, percent);
}

QImage CPicProjectOverview::RenderPicture(QSize size) {
    QImage picture(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    picture.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
    picture.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    picture.fill(Qt::white);
    QPainter painter(&picture);
    DrawOverview(painter, logicalDpiX() / 2540.0, logicalDpiY() / 2540.0);
    return picture;
}

void CPicProjectOverview::paintEvent(QPaintEvent* event) {
    Q_UNUSED(event);
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    DrawOverview(painter, logicalDpiX() / 2540.0, logicalDpiY() / 2540.0);
    // The scroll range follows the chart.
    if (minimumSize() != m_sizePixels) {
        setMinimumSize(m_sizePixels);
    }
}

void CPicProjectOverview::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Q_EMIT clicked();
    }
    QWidget::mousePressEvent(event);
}

void CPicProjectOverview::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Q_EMIT clicked();
    }
    QWidget::mouseDoubleClickEvent(event);
}
