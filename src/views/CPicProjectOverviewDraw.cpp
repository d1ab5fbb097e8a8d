// Drawing and printing of CPicProjectOverview. Coordinates are HIMETRIC with y negative downwards,
// as the layout rules give them; Rect() turns them into the painter's y-down units.
#include "views/CPicProjectOverview.h"

#include "document/CReqDoc.h"
#include "platform/DVFormat.h"

#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

const QColor kText(0, 0, 100);
const QColor kFill(0, 100, 0);

QRectF Rect(qreal left, qreal top, qreal right, qreal bottom) {
    return QRectF(left, -top, right - left, top - bottom);
}

// The fonts by cell height in HIMETRIC; Arial's em is its cell height divided by about 1.15.
QFont Font(int height, int weight) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, qRound(height / 1.15)));
    font.setWeight(QFont::Weight(std::clamp(weight, 1, 1000)));
    return font;
}
QFont F1() {
    return Font(512, 400);
}
QFont F2() {
    return Font(800, 900);
}
QFont F3() {
    return Font(450, 700);
}
QFont F4() {
    return Font(400, 400);
}

void Text(QPainter& painter, const QRectF& rect, int flags, const QString& text) {
    painter.drawText(rect, flags | Qt::TextSingleLine | Qt::TextDontClip, text);
}

// Word-wrapped when it needs more than 599 of height, else one vertically centred line; cut with an
// ellipsis at the end either way.
void DrawName(QPainter& painter, const QRectF& rect, const QString& text) {
    const QFontMetricsF metrics(painter.font());
    const QRectF wrapped = metrics.boundingRect(rect, Qt::TextWordWrap, text);
    if (wrapped.height() <= 599) {
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         metrics.elidedText(text, Qt::ElideRight, rect.width()));
        return;
    }
    QTextLayout layout(text, painter.font());
    layout.beginLayout();
    qreal y = 0;
    QString shown;
    while (true) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) {
            break;
        }
        line.setLineWidth(rect.width());
        const bool lastFitting = y + 2 * metrics.lineSpacing() > rect.height();
        QString part = text.mid(line.textStart(), lastFitting ? -1 : line.textLength());
        if (lastFitting) {
            part = metrics.elidedText(part.simplified(), Qt::ElideRight, rect.width());
        }
        painter.drawText(QPointF(rect.left(), rect.top() + y + metrics.ascent()), part.trimmed());
        y += metrics.lineSpacing();
        if (lastFitting) {
            break;
        }
    }
    layout.endLayout();
}

QString ChartTitle(const CReqDoc& doc) {
    switch (doc.m_nOverviewChart) {
        case 1:
            return QStringLiteral("%1 %2").arg(doc.GetValueName(552), doc.m_strCurrency);
        case 2:
            return QStringLiteral("%1 %2").arg(doc.GetValueName(553), doc.m_strDurationUnit);
        case 3:
            return QStringLiteral("%1 %2 %3 %4")
                .arg(doc.GetValueName(542), doc.m_strCurrency, doc.GetValueName(543), doc.m_strDurationUnit);
        default:
            return doc.GetValueName(538);
    }
}

QString QuantityWord(const CReqDoc& doc) {
    static constexpr int kWords[] = {556, 535, 536, 537};
    const int kind = doc.m_nOverviewChart;
    return doc.GetValueName(kind >= 0 && kind <= 3 ? kWords[kind] : kWords[0]);
}

// One stroke of the red V-band: the polyline drawn 50 times, from wide and pale to narrow and red.
void Band(QPainter& painter, const QPolygonF& line) {
    for (int k = 0; k < 50; ++k) {
        const int r = (((27500 - 550 * k) / 500 - 56) % 256 + 256) % 256;
        const int c = (((500 - 10 * k) / 4 + 125) % 256 + 256) % 256;
        painter.setPen(QPen(QColor(r, c, c), 1000 - 20 * k, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(line);
    }
}

}  // namespace

// The part of the chart one printed page shows; rows g and g + 1 stand for the totals.
struct CPicProjectOverview::Page {
    int firstRow = 0;
    int lastRow = 0;
    int number = 0;
    int count = 0;
};

void CPicProjectOverview::DrawOverview(QPainter& painter, qreal pixelsPerUnitX, qreal pixelsPerUnitY) {
    Page whole;
    whole.lastRow = int(m_figures.Rows().size()) + 1;
    painter.save();
    painter.scale(pixelsPerUnitX, pixelsPerUnitY);
    const QSize size = ChartSize();
    m_nWidth = size.width();
    m_nHeight = size.height();
    m_sizePixels = ChartSizePixels();
    // The control's client area, white, as far as it reaches.
    const QRectF client = painter.transform().inverted().mapRect(QRectF(painter.viewport()));
    painter.fillRect(client.united(QRectF(0, 0, m_nWidth, m_nHeight)), Qt::white);
    DrawPage(painter, whole);
    painter.restore();
}

void CPicProjectOverview::DrawPage(QPainter& painter, const Page& page) {
    const std::vector<Column> columns = ShownColumns(*m_pDocument);
    const int g = int(m_figures.Rows().size());
    const qint32 xEnd = 7000 + 7000 * qint32(columns.size());
    const int e = g >= 2 ? 4200 / (g - 1) : 0;
    const int m = g >= 2 ? 2100 : 0;
    const bool paged = page.count > 0;

    // The heading band, then the page's rows moved up under it.
    const qreal bandEnd = paged && page.number > 1 ? 4300 : 5000;
    painter.save();
    if (paged) {
        painter.setClipRect(QRectF(0, 0, m_nWidth, bandEnd));
    }
    DrawHeading(painter, columns, m_nWidth, xEnd);
    if (paged) {
        painter.setPen(kText);
        painter.setFont(F1());
        Text(painter, Rect(1000, -1000, m_nWidth - 1000, -2000), Qt::AlignHCenter | Qt::AlignTop,
             QStringLiteral("%1 %2/%3").arg(m_pDocument->GetValueName(533)).arg(page.number).arg(page.count));
    }
    painter.restore();

    painter.save();
    const qreal firstTop = 5000.0 + 2000.0 * page.firstRow;
    const qreal lastBottom = page.lastRow >= g ? qreal(m_nHeight) : 5000.0 + 2000.0 * (page.lastRow + 1);
    if (paged) {
        painter.translate(0, bandEnd - firstTop);
        painter.setClipRect(QRectF(0, firstTop, m_nWidth, lastBottom - firstTop));
    }
    DrawVBand(painter, columns, e);
    for (int row = page.firstRow; row <= std::min(page.lastRow, g - 1); ++row) {
        DrawRow(painter, columns, row, e, m);
    }
    if (page.lastRow >= g) {
        DrawTotals(painter, columns, xEnd, m);
    }
    painter.restore();
}

void CPicProjectOverview::DrawHeading(QPainter& painter, const std::vector<Column>& columns, qint32 width,
                                      qint32 xEnd) {
    painter.setPen(kText);
    painter.setFont(F1());
    Text(painter, Rect(1000, -1000, width - 1000, -2000), Qt::AlignLeft | Qt::AlignTop,
         m_pDocument->m_strProjectName);
    Text(painter, Rect(1000, -1000, width - 1000, -2000), Qt::AlignRight | Qt::AlignTop,
         QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    painter.setFont(F2());
    Text(painter, Rect(1000, -1750, width - 1000, -2750), Qt::AlignHCenter | Qt::AlignTop,
         ChartTitle(*m_pDocument));
    painter.setFont(F1());
    Text(painter, Rect(1000, -3000, 6000, -4000), Qt::AlignLeft | Qt::AlignTop,
         m_pDocument->GetValueName(550));
    const QString word = QuantityWord(*m_pDocument);
    for (size_t j = 0; j < columns.size(); ++j) {
        const qint32 x = 7000 + 7000 * qint32(j);
        Text(painter, Rect(x, -3000, x + 6000, -4000), Qt::AlignHCenter | Qt::AlignTop,
             QStringLiteral("%1 %2").arg(word, m_pDocument->GetValueName(columns[j].nameId)));
    }
    painter.setBrush(kText);
    painter.setPen(QPen(kText, 2));
    painter.drawRect(Rect(1000, -4000, xEnd - 1000, -4200));
}

void CPicProjectOverview::DrawVBand(QPainter& painter, const std::vector<Column>& columns, int e) {
    const int g = int(m_figures.Rows().size());
    const auto firstGroup =
        std::count_if(columns.begin(), columns.end(), [](const Column& c) { return c.group == 0; });
    const auto secondGroup = qsizetype(columns.size()) - firstGroup;
    if (!m_pDocument->m_bOverviewVCurve || !m_pDocument->m_bOverviewRedVCurve || firstGroup == 0 ||
        secondGroup == 0 || g < 2) {
        return;
    }
    const qreal yB = -5000.0 - 2000.0 * (g - 1);
    const qreal depth = qreal(e) * (g - 1);
    const qreal x2 = 7000.0 + 7000.0 * qreal(firstGroup);
    auto flip = [](QPolygonF line) {
        for (QPointF& point : line) {
            point.setY(-point.y());
        }
        return line;
    };
    if (firstGroup == 2) {
        Band(painter, flip(QPolygonF{QPointF(15800, -5000), QPointF(15800 + depth, yB)}));
    }
    const QPolygonF v{QPointF(8800, -5000), QPointF(8800 + depth, yB), QPointF(x2, yB),
                      QPointF(x2 + depth, -5000)};
    Band(painter, flip(v));
    if (secondGroup == 2) {
        QPolygonF shifted = v;
        shifted[2].rx() += 7000;
        shifted[3].rx() += 7000;
        Band(painter, flip(shifted));
    }
}

void CPicProjectOverview::DrawRow(QPainter& painter, const std::vector<Column>& columns, int row, int e,
                                  int m) {
    const int g = int(m_figures.Rows().size());
    const qint32 y = -5000 - 2000 * row;
    painter.setPen(kText);
    painter.setFont(F1());
    DrawName(painter, Rect(1000, y, 6000, y - 1200), m_figures.Rows()[size_t(row)].strName);
    std::vector<qint32> xs;
    for (size_t j = 0; j < columns.size(); ++j) {
        qint32 shift = m;
        if (m_pDocument->m_bOverviewVCurve) {
            shift = columns[j].group == 0 ? e * row : e * (g - 1 - row);
        }
        xs.push_back(7000 + 7000 * qint32(j) + shift);
    }
    DrawCells(painter, m_figures.Rows()[size_t(row)], y, xs, columns, false, 0);
}

void CPicProjectOverview::DrawTotals(QPainter& painter, const std::vector<Column>& columns, qint32 xEnd,
                                     int m) {
    if (!m_pDocument->m_bOverviewTotals) {
        return;
    }
    const qint32 yb = -2000 * qint32(m_figures.Rows().size());
    painter.setBrush(kText);
    painter.setPen(QPen(kText, 2));
    painter.drawRect(Rect(1000, yb - 5000, xEnd - 1000, yb - 5100));
    painter.setPen(kText);
    painter.setFont(F1());
    const QRectF label = Rect(1000, yb - 5500, 6000, yb - 6500);
    Text(painter, label, Qt::AlignLeft | Qt::AlignVCenter, m_pDocument->GetValueName(551));
    const bool sum = m_pDocument->m_bOverviewSumOfTotals;
    if (sum) {
        m_figures.ComputeSum(m_pDocument->m_nOverviewApprImpl, m_pDocument->m_nOverviewVerValid);
        Text(painter, label, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral(":"));
    }
    if (ShowsSumLines()) {
        const QString lines[3][2] = {
            {QStringLiteral(" - %1:").arg(m_pDocument->GetValueName(539)), SumText(m_figures.Sum(), 0)},
            {QStringLiteral(" - %1 %2:").arg(m_pDocument->GetValueName(540), m_pDocument->m_strCurrency),
             SumText(m_figures.Sum(), 1)},
            {QStringLiteral(" - %1 %2:").arg(m_pDocument->GetValueName(541), m_pDocument->m_strDurationUnit),
             SumText(m_figures.Sum(), 2)},
        };
        for (int i = 0; i < 3; ++i) {
            // One line lower than the bands the rules give, below the totals' three lines of texts.
            const qint32 top = yb - 7800 - 600 * i;
            Text(painter, Rect(1000, top, 6000, top - 600), Qt::AlignLeft | Qt::AlignVCenter, lines[i][0]);
            // From the first phase column on, so that a long label never runs into its value.
            Text(painter, Rect(7000, top, 16000, top - 600), Qt::AlignLeft | Qt::AlignVCenter, lines[i][1]);
        }
    }
    std::vector<qint32> xs;
    for (size_t j = 0; j < columns.size(); ++j) {
        xs.push_back(7000 + 7000 * qint32(j) + m);
    }
    DrawCells(painter, m_figures.Total(), yb - 5500, xs, columns, false, 0);
    if (sum) {
        DVPOData element;
        element.own[0] = m_figures.Sum();
        DrawCells(painter, element, yb - 5500, xs, columns, true, 3900);
    }
}

void CPicProjectOverview::DrawCells(QPainter& painter, const DVPOData& element, qint32 top,
                                    const std::vector<qint32>& xs, const std::vector<Column>& columns,
                                    bool sumMode, qint32 sumX) {
    const int kind = m_pDocument->m_nOverviewChart;
    if (kind == 3) {
        painter.setFont(F4());
        for (int k = 0; k < 3; ++k) {
            DrawBoxSet(painter, element, top, xs, columns, k, 600, 600 * k, sumMode, sumX);
        }
        return;
    }
    painter.setFont(F3());
    DrawBoxSet(painter, element, top, xs, columns, std::clamp(kind, 0, 2), 1800, 0, sumMode, sumX);
}

void CPicProjectOverview::DrawBoxSet(QPainter& painter, const DVPOData& element, qint32 top,
                                     const std::vector<qint32>& xs, const std::vector<Column>& columns,
                                     int kind, qint32 width, qint32 shift, bool sumMode, qint32 sumX) {
    const bool threeKinds = m_pDocument->m_nOverviewChart == 3;
    const bool percentOnly = m_pDocument->m_bOverviewPercentOnly && !threeKinds;
    // The three texts of a combined chart hang under their boxes in three close lines, so that they
    // never cover each other; under the sum box the three sum lines beside it say the same.
    const qint32 anchor = threeKinds ? (kind - 1) * 300 : 0;
    const qreal lineOffset = threeKinds ? 330.0 * kind - 150.0 : 0.0;
    const bool withTexts = !(threeKinds && sumMode);
    struct Box {
        qint32 x;
        int percent;
        QString text;
        bool leftAligned;
    };
    std::vector<Box> boxes;
    if (sumMode) {
        Box box{sumX + shift, 0, QString(), false};
        box.text = SumText(element.own[0], kind, &box.percent);
        if (percentOnly) {
            box.text = QStringLiteral("     %1%     ").arg(box.percent);
        }
        boxes.push_back(box);
    } else {
        for (size_t j = 0; j < columns.size(); ++j) {
            Box box{xs[j] + shift, 0, QString(), columns[j].first == 2 && columns[j].second == 2};
            box.text = CellText(element, columns[j], kind, percentOnly, &box.percent);
            boxes.push_back(box);
        }
    }
    painter.setBrush(Qt::white);
    painter.setPen(QPen(Qt::black, 0));
    for (const Box& box : boxes) {
        painter.drawRect(Rect(box.x, top, box.x + width, top - 1000));
    }
    for (const Box& box : boxes) {
        const int filled = std::clamp(box.percent, 0, 100) * 10;
        if (filled > 0) {
            painter.fillRect(Rect(box.x, top - 1000 + filled, box.x + width, top - 1000), kFill);
        }
    }
    painter.setPen(kText);
    for (const Box& box : boxes) {
        if (!withTexts) {
            break;
        }
        const qreal bandTop = 1200.0 - top + lineOffset;
        if (box.leftAligned) {
            Text(painter, QRectF(box.x + anchor, bandTop, 1.0, 1800.0), Qt::AlignLeft | Qt::AlignTop,
                 box.text);
        } else {
            const qreal right = box.x + width + anchor;
            Text(painter, QRectF(right - 1.0, bandTop, 1.0, 1800.0), Qt::AlignRight | Qt::AlignTop, box.text);
        }
    }
}

bool CPicProjectOverview::PrintTo(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const QSize size = ChartSize();
    const qreal scale = page.width() / size.width();
    const int g = int(m_figures.Rows().size());
    painter.scale(scale, scale);
    if (size.height() * scale <= page.height()) {
        Page whole;
        whole.lastRow = g + 1;
        m_nWidth = size.width();
        m_nHeight = size.height();
        DrawPage(painter, whole);
        return painter.end();
    }
    const int perPage = std::max(1, int((page.height() - HeadingHeight * scale) / (RowHeight * scale)));
    m_nWidth = size.width();
    m_nHeight = size.height();
    std::vector<Page> pages;
    for (int first = 0; first <= g + 1;) {
        int last = std::min(first + perPage - 1, g + 1);
        // The two rows of the totals stay together, on the next page.
        if (last == g) {
            last = first < g ? g - 1 : g + 1;
        }
        pages.push_back(Page{first, last, int(pages.size()) + 1, 0});
        first = last + 1;
    }
    for (Page& each : pages) {
        each.count = int(pages.size());
        if (each.number > 1 && !printer.newPage()) {
            return false;
        }
        DrawPage(painter, each);
    }
    return painter.end();
}
