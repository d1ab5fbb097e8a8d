// Column layout commands, rebuilding, printing and the off-screen picture.
#include "ViewFixture.h"
#include "support/PdfWords.h"

#include "views/CViewMotherDV.h"
#include "views/CViewTreelist.h"
#include "views/GridPrintLayout.h"

#include <QFile>
#include <QPageRanges>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <deque>

namespace {

class LayoutTest : public ViewTest {
protected:
    void AddRows(int count) {
        for (int i = 0; i < count; ++i) {
            AddRequirement(QStringLiteral("Requirement %1").arg(i));
        }
    }
    static std::vector<int> Widths(CViewDVTreeList* view) {
        std::vector<int> widths;
        for (int c = 0; c < view->GetGrid()->GetColumnCount(); ++c) {
            widths.push_back(view->GetGrid()->GetColumnWidth(c));
        }
        return widths;
    }
};

TEST_F(LayoutTest, SavedColumnWidthsComeBackOnReset) {
    AddRows(3);
    SetColumns(doc.m_colsRequirements, {407, 402, 403});
    auto* view = Open<CViewTreelist>();
    view->GetGrid()->SetColumnWidth(1, 150);
    view->OnCommand(DVCmd::SaveColumns);
    EXPECT_EQ(doc.m_colsRequirements.m_fieldIds, (std::vector<quint32>{407, 402, 403}));
    ASSERT_EQ(doc.m_colsRequirements.m_widths.size(), 3u);
    EXPECT_EQ(doc.m_colsRequirements.m_widths[1], 150);
    EXPECT_FALSE(doc.IsModified());

    view->GetGrid()->SetColumnWidth(1, 60);
    view->OnCommand(DVCmd::ResetColumns);
    EXPECT_EQ(view->GetGrid()->GetColumnWidth(1), 150);
    EXPECT_EQ(view->GetGrid()->GetCount(), 3);
}

TEST_F(LayoutTest, ChosenColumnsKeepTheCurrentWidthsWhenAsked) {
    AddRows(2);
    SetColumns(doc.m_colsRequirements, {407, 402});
    auto* view = Open<CViewTreelist>();
    view->GetGrid()->SetColumnWidth(1, 130);
    bool keep = true;
    CDVViewHost::Instance().chooseColumns = [&](CViewDVTreeList* chosenFor, bool& keepWidths) {
        chosenFor->ViewColumns().AddColumn(403, 0, 0);
        keepWidths = keep;
        return true;
    };
    view->OnCommand(DVCmd::ChooseColumns);
    ASSERT_EQ(view->GetGrid()->GetColumnCount(), 3);
    EXPECT_EQ(view->FieldIdOfColumn(2), 403);
    EXPECT_EQ(view->GetGrid()->GetColumnWidth(1), 130);
    EXPECT_GT(view->GetGrid()->GetColumnWidth(2), 0);
    EXPECT_TRUE(doc.IsModified());

    keep = false;
    view->OnCommand(DVCmd::ChooseColumns);
    EXPECT_EQ(view->GetGrid()->GetColumnCount(), 4);
    EXPECT_TRUE(view->ViewColumns().m_widths.empty());
}

TEST_F(LayoutTest, SavingCollectsTheLayoutOfEveryOpenView) {
    AddRows(2);
    SetColumns(doc.m_colsRequirements, {407, 402});
    doc.m_nNextViewType = CReqDoc::ViewRequirements;
    CViewMotherDV mother(&doc);
    mother.resize(600, 300);
    mother.show();
    mother.OnInitialUpdate();
    auto* view = static_cast<CViewDVTreeList*>(mother.GetHostedView());
    view->GetGrid()->SetColumnWidth(1, 111);
    doc.m_bSaveColumnsAutomatically = false;
    doc.CollectColumnLayouts();
    EXPECT_TRUE(doc.m_colsRequirements.m_widths.empty());
    doc.m_bSaveColumnsAutomatically = true;
    doc.CollectColumnLayouts();
    ASSERT_EQ(doc.m_colsRequirements.m_widths.size(), 2u);
    EXPECT_EQ(doc.m_colsRequirements.m_widths[1], 111);
    EXPECT_EQ(doc.m_colsRequirements.m_nTopObjectId, doc.m_requirements.first()->m_nId);
}

TEST_F(LayoutTest, StoredWidthsApplyOnlyWhenTheyMatchTheColumns) {
    AddRows(1);
    struct Case {
        const char* name;
        std::vector<qint32> widths;
        bool hidden;
        int firstWidth;      // expected width of column 0, -1: not checked
        qint32 storedFirst;  // expected stored width of column 0 afterwards, -1: none stored
    };
    const Case cases[] = {
        {"matching", {120, 80, 90}, false, 120, 120},
        {"zero title width becomes 200", {0, 80, 90}, false, 200, 200},
        {"hidden title column", {120, 80, 90}, true, 0, 120},
        {"count differs", {120, 80}, false, -1, 120},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetColumns(doc.m_colsRequirements, {407, 402, 403});
        doc.m_colsRequirements.m_widths = c.widths;
        doc.m_colsRequirements.m_bFirstColumnHidden = c.hidden;
        auto* view = Open<CViewTreelist>();
        view->ApplyColumnWidths();
        if (c.firstWidth >= 0) {
            EXPECT_EQ(view->GetGrid()->GetColumnWidth(0), c.firstWidth);
        } else {
            const std::vector<int> widths = Widths(view);
            EXPECT_LE(std::abs(widths[0] - widths[2]), 1);  // shared, not stored
        }
        EXPECT_EQ(view->ViewColumns().m_widths.front(), c.storedFirst);
    }
}

TEST_F(LayoutTest, RebuildDropsColumnsOfUnusedPhases) {
    AddRows(2);
    SetColumns(doc.m_colsRequirements, {407, 473, 403, 477, 488});
    doc.m_bImplementationPhase = true;
    doc.m_bValidationPhase = true;
    auto* view = Open<CViewTreelist>();
    EXPECT_EQ(view->GetGrid()->GetColumnCount(), 5);
    doc.m_bImplementationPhase = false;
    doc.m_bValidationPhase = false;
    view->ApplyProjectOptions();
    EXPECT_EQ(view->ViewColumns().m_fieldIds, (std::vector<quint32>{407, 403}));
    EXPECT_EQ(view->GetGrid()->GetColumnCount(), 2);
    EXPECT_EQ(view->FieldIdOfColumn(1), 403);
    EXPECT_EQ(view->GetGrid()->GetCount(), 2);
}

TEST_F(LayoutTest, ProjectOptionsGiveTheColumnsTheirCurrentHeaders) {
    AddRows(1);
    SetColumns(doc.m_colsRequirements, {407, 403});
    auto* view = Open<CViewTreelist>();
    doc.m_userHeaders.push_back(DV_UserDefinition{403, QStringLiteral("Text")});
    doc.m_userHeaders.push_back(DV_UserDefinition{465, QStringLiteral("Need")});
    view->ApplyProjectOptions();
    const TLLayout* layout = view->GetGrid()->GetLayout();
    EXPECT_EQ(layout->columns[0].headerText, QStringLiteral("Need"));
    EXPECT_EQ(layout->columns[1].headerText, QStringLiteral("Text"));
}

TEST_F(LayoutTest, ProjectOptionsGiveTheViewItsColoursEntriesAndCellTexts) {
    AddRows(1);
    const qint32 id = doc.m_requirements.first()->m_nId;
    SetColumns(doc.m_colsRequirements, {407, 404});
    doc.m_clrAltRequirement = -1;
    doc.m_bGridLines = false;
    auto* view = Open<CViewTreelist>();
    doc.m_clrAltRequirement = 0x00112233;
    doc.m_bGridLines = true;
    doc.m_userValueNames.push_back(DV_UserDefinition{514, QStringLiteral("Open")});
    view->ApplyProjectOptions();
    EXPECT_EQ(view->GetGrid()->GetExtendedStyle(),
              TLX_CELLSELECT | TLX_FULLROWSELECT | TLX_ALTERNATEROWS | TLX_ROWLINES | TLX_COLUMNLINES);
    EXPECT_EQ(view->GetGrid()->GetBkColor(1), COLORREF(0x00112233));
    EXPECT_EQ(view->GetGrid()->GetLayout()->columns[1].entries, (QStringList{"Open", "Yes"}));
    EXPECT_EQ(Cell(view, id, 1), QStringLiteral("Open"));
}

TEST_F(LayoutTest, TheFirstVisibleObjectIsStoredAndRestored) {
    AddRows(60);
    auto* view = Open<CViewTreelist>();
    const qint32 id = doc.m_requirements.at(30)->m_nId;
    view->GetGrid()->SelectItem(view->FindRowOfObject(id), TVGN_FIRSTVISIBLE);
    view->StoreTopObjectId();
    EXPECT_EQ(doc.m_colsRequirements.m_nTopObjectId, id);
    view->Rebuild();
    EXPECT_EQ(view->ObjectOf(view->GetGrid()->GetNextItem(0, TVGN_FIRSTVISIBLE))->m_nId, id);
}

TEST(GridPrintLayout, ScalesToTheWidthAndSplitsTheLinesIntoPages) {
    const struct {
        const char* what;
        QSizeF printable;
        int pictureWidth, header, row, lines;
        qreal scale;
        int linesPerPage, pages;
        std::vector<int> linesOn;
    } cases[] = {
        {"fits one page", {700, 1000}, 700, 20, 20, 10, 1.0, 49, 1, {10}},
        {"a narrow grid grows to the width", {700, 1000}, 350, 20, 10, 100, 2.0, 48, 3, {48, 48, 4}},
        {"a wide grid shrinks", {700, 1000}, 1400, 20, 20, 120, 0.5, 99, 2, {99, 21}},
        {"exactly full pages", {700, 1000}, 700, 20, 20, 98, 1.0, 49, 2, {49, 49}},
        {"no rows: the header alone", {700, 1000}, 700, 20, 20, 0, 1.0, 49, 1, {0}},
        {"no room for the header: one line a page", {100, 10}, 100, 20, 10, 3, 1.0, 1, 3, {1, 1, 1}},
        {"an empty page too low for the header fits it", {700, 10}, 70, 20, 10, 0, 0.5, 1, 1, {0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const GridPrintLayout layout =
            GridPrintLayout::Of(c.printable, c.pictureWidth, c.header, c.row, c.lines);
        EXPECT_DOUBLE_EQ(layout.scale, c.scale);
        EXPECT_EQ(layout.linesPerPage, c.linesPerPage);
        ASSERT_EQ(layout.pages, c.pages);
        for (int page = 0; page < layout.pages; ++page) {
            EXPECT_EQ(layout.LinesOn(page), c.linesOn[size_t(page)]) << "page " << page;
            EXPECT_EQ(layout.FirstLine(page), page * layout.linesPerPage);
        }
    }
}

// Pages painted into images at 100 dpi on A4.
std::deque<QImage> PaintPages(CViewDVTreeList* view) {
    const QSizeF paper(827, 1169);
    std::deque<QImage> pages;
    QPainter painter;
    view->PaintPages(
        [&](int) {
            if (painter.isActive()) {
                painter.end();
            }
            pages.emplace_back(paper.toSize(), QImage::Format_RGB32);
            pages.back().fill(Qt::white);
            painter.begin(&pages.back());
            return &painter;
        },
        paper, 100);
    if (painter.isActive()) {
        painter.end();
    }
    return pages;
}

TEST_F(LayoutTest, ALongGridPrintsTheHeaderOnEveryPage) {
    AddRows(150);
    SetColumns(doc.m_colsRequirements, {407, 402});
    auto* view = Open<CViewTreelist>();
    const std::deque<QImage> pages = PaintPages(view);
    ASSERT_GE(pages.size(), 2u);
    // The header band (inside the 10 mm margin) is the same on every page, and differs from a band of rows.
    const int margin = int(10 / 25.4 * 100) + 2;
    const QRect header(margin, margin, 600, 10);
    for (const QImage& page : pages) {
        EXPECT_EQ(page.copy(header), pages.front().copy(header));
    }
    EXPECT_NE(pages.front().copy(header), pages.front().copy(header.translated(0, 200)));
    // The last page ends its frame after the remaining rows: its bottom part is blank.
    const QImage& lastPage = pages.back();
    EXPECT_EQ(lastPage.pixel(margin + 20, 1169 - margin - 5), QColor(Qt::white).rgb());
}

TEST_F(LayoutTest, AShortGridFitsOnePageAndPrintsToPdf) {
    AddRows(4);
    auto* view = Open<CViewTreelist>();
    EXPECT_EQ(PaintPages(view).size(), 1u);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("grid.pdf"));
    for (int rows : {0, 300}) {
        AddRows(rows);
        view->Rebuild();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        view->PrintTo(printer);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        const int pages =
            int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "));
        EXPECT_EQ(pages, view->LastPageCount());
        EXPECT_EQ(rows == 0, view->LastPageCount() == 1);
    }
}

TEST_F(LayoutTest, APageRangePrintsOnlyItsPagesAndHoldsForOnePrint) {
    AddRows(300);
    auto* view = Open<CViewTreelist>();
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("all.pdf")));
    ASSERT_TRUE(view->PrintTo(printer));
    ASSERT_GE(view->LastPageCount(), 4);

    QPageRanges ranges;
    ranges.addRange(2, 3);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setPageRanges(ranges);
    printer.setOutputFileName(dir.filePath(QStringLiteral("range.pdf")));
    ASSERT_TRUE(view->PrintTo(printer));
    EXPECT_EQ(view->LastPageCount(), 2);
    EXPECT_EQ(printer.printRange(), QPrinter::AllPages);
    QPageRanges beyond;
    beyond.addRange(90, 99);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setPageRanges(beyond);
    EXPECT_TRUE(view->PrintTo(printer));  // nothing to print is no failure
    EXPECT_EQ(view->LastPageCount(), 0);

    const PdfText all = ReadPdfWords(dir.filePath(QStringLiteral("all.pdf")));
    const PdfText range = ReadPdfWords(dir.filePath(QStringLiteral("range.pdf")));
    ASSERT_TRUE(all.read && range.read) << all.error.toStdString();
    ASSERT_EQ(range.pages.size(), 2u);
    for (size_t p = 0; p < 2; ++p) {
        QStringList expected, printed;
        for (const PdfWord& word : all.pages[p + 1].words) {
            expected.append(word.text);
        }
        for (const PdfWord& word : range.pages[p].words) {
            printed.append(word.text);
        }
        EXPECT_EQ(printed, expected) << "page " << p + 2;
    }
}

TEST_F(LayoutTest, RenderToBitmapHasTheSizeOfTheGrid) {
    AddRows(3);
    auto* view = Open<CViewTreelist>();
    view->RenderToBitmap();
    const TLLayout* layout = view->GetGrid()->GetLayout();
    EXPECT_EQ(view->RenderedBitmap().size(), QSize(layout->clientWidth, layout->clientHeight));
}

TEST_F(LayoutTest, ColoursFollowTheFamilyAndTheLinkSettings) {
    AddRows(1);
    struct Case {
        qint32 rowColour;
        bool linked;
        qint32 linkedColour;
        bool gridLines;
        bool gridLinesLinked;
        COLORREF slot1;
        quint32 style;
    };
    constexpr quint32 base = TLX_CELLSELECT | TLX_FULLROWSELECT;
    constexpr quint32 lines = TLX_ROWLINES | TLX_COLUMNLINES;
    const Case cases[] = {
        {0x00FBFBFB, false, -2, true, false, 0x00FBFBFB, base | TLX_ALTERNATEROWS | lines},
        {-1, false, -2, false, true, CLR_NONE, base},
        {0x00FBFBFB, true, -2, false, true, 0x00FBFBFB, base | TLX_ALTERNATEROWS | lines},
        {0x00FBFBFB, true, 0x00112233, true, false, 0x00112233, base | TLX_ALTERNATEROWS},
        {0x00FBFBFB, true, -1, true, true, CLR_NONE, base | lines},
    };
    auto* view = Open<CViewTreelist>();
    for (const Case& c : cases) {
        doc.m_clrAltRequirement = c.rowColour;
        doc.m_bLinked = c.linked;
        doc.m_clrAltLinked = c.linkedColour;
        doc.m_bGridLines = c.gridLines;
        doc.m_bGridLinesLinked = c.gridLinesLinked;
        view->GetGrid()->SetExtendedStyle(0xFFFFFFFFu, TLX_MULTISELECT);
        view->ApplyColours();
        EXPECT_EQ(view->GetGrid()->GetExtendedStyle(), c.style) << c.rowColour << " " << c.linked;
        if (c.slot1 != CLR_NONE) {
            EXPECT_EQ(view->GetGrid()->GetBkColor(1), c.slot1);
        }
    }
}

TEST_F(LayoutTest, TheDocumentExtentFollowsTheViewSize) {
    AddRows(1);
    auto* view = Open<CViewTreelist>();
    view->resize(400, 200);
    const qreal dpiX = view->logicalDpiX();
    const qreal dpiY = view->logicalDpiY();
    EXPECT_EQ(doc.m_sizeExtent.cx, qRound(400 * 2540.0 / dpiX));
    EXPECT_EQ(doc.m_sizeExtent.cy, qRound(200 * 2540.0 / dpiY));
    EXPECT_EQ(view->GetGrid()->size(), QSize(400, 200));
}

TEST_F(LayoutTest, FirstActivationRestoresTheTopRowAndTheWidthsOnce) {
    AddRows(60);
    SetColumns(doc.m_colsRequirements, {407, 402});
    doc.m_colsRequirements.m_widths = {150, 90};
    doc.m_colsRequirements.m_bFirstColumnHidden = true;
    doc.m_colsRequirements.m_nTopObjectId = doc.m_requirements.at(20)->m_nId;
    doc.m_sizeExtentShown = DVSize{0, 0};
    auto* view = Open<CViewTreelist>();
    EXPECT_TRUE(view->OnFirstActivation());
    EXPECT_EQ(view->ObjectOf(view->GetGrid()->GetNextItem(0, TVGN_FIRSTVISIBLE))->m_nId,
              doc.m_colsRequirements.m_nTopObjectId);
    EXPECT_EQ(view->GetGrid()->GetColumnWidth(0), 0);
    EXPECT_EQ(view->GetGrid()->GetColumnWidth(1), 90);
    EXPECT_FALSE(view->OnFirstActivation());
}

}  // namespace
