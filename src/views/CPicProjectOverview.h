#pragma once

#include "document/DVOverviewFigures.h"

#include <QImage>
#include <QWidget>

class CReqDoc;
class QPainter;
class QPrinter;

// The chart control of the project overview: computes the figures and draws them with QPainter in
// HIMETRIC units (0.01 mm, y negative downwards as the drawing rules give it), on screen, into
// pictures and onto printer pages.
class CPicProjectOverview : public QWidget {
    Q_OBJECT
public:
    static constexpr int ControlId = 1044;
    // Heights reserved on printed pages (HIMETRIC).
    static constexpr qint32 HeadingHeight = 6000;
    static constexpr qint32 RowHeight = 2000;
    static constexpr qint32 FirstRowTop = -5000;

    // One shown phase column: the phases it sums (second = first for a single phase), its group and the
    // heading value name.
    struct Column {
        int first;
        int second;
        int group;
        int nameId;
    };

    CPicProjectOverview(CReqDoc* doc, QWidget* parent = nullptr);

    void ComputeOverview();
    const DVOverviewFigures& Figures() const { return m_figures; }
    // The chart's size for the document's current options: HIMETRIC and device pixels of this widget.
    QSize ChartSize() const;
    QSize ChartSizePixels() const;

    // Draws the whole chart; pixelsPerUnit converts HIMETRIC to the painter's device pixels.
    void DrawOverview(QPainter& painter, qreal pixelsPerUnitX, qreal pixelsPerUnitY);
    // The chart at the screen's scale on a white picture of that size in pixels.
    QImage RenderPicture(QSize size);
    // Vector pages on the printer: the whole chart scaled to the page width, on one page when it fits,
    // else rows per page with the heading repeated. False when the printer could not start.
    bool PrintTo(QPrinter& printer);

    // The shown columns of a group option (0 to 4) and the phase switches.
    static std::vector<Column> ShownColumns(const CReqDoc& doc);
    // The text of a chart cell for kind 0 (count), 1 (cost) or 2 (duration) of the tally sum of the
    // column's phases, with the percentage; percentOnly gives the padded percentage alone.
    static QString CellText(const DVPOData& element, const Column& column, int kind, bool percentOnly,
                            int* percent = nullptr);
    static QString SumText(const PhaseTally& sum, int kind, int* percent = nullptr);

Q_SIGNALS:
    // A click or double click with the left button.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    struct Page;
    void DrawPage(QPainter& painter, const Page& page);
    void DrawHeading(QPainter& painter, const std::vector<Column>& columns, qint32 width, qint32 xEnd);
    void DrawVBand(QPainter& painter, const std::vector<Column>& columns, int e);
    void DrawRow(QPainter& painter, const std::vector<Column>& columns, int row, int e, int m);
    void DrawTotals(QPainter& painter, const std::vector<Column>& columns, qint32 xEnd, int m);
    void DrawCells(QPainter& painter, const DVPOData& element, qint32 top, const std::vector<qint32>& xs,
                   const std::vector<Column>& columns, bool sumMode, qint32 sumX);
    void DrawBoxSet(QPainter& painter, const DVPOData& element, qint32 top, const std::vector<qint32>& xs,
                    const std::vector<Column>& columns, int kind, qint32 width, qint32 shift, bool sumMode,
                    qint32 sumX);
    bool ShowsSumLines() const;

    CReqDoc* m_pDocument;
    DVOverviewFigures m_figures;
    qint32 m_nWidth = 21000;
    qint32 m_nHeight = 10000;
    QSize m_sizePixels;
};
