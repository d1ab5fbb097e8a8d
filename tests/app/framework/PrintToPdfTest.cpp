// dovalintra --print-to-pdf, read back with pdftotext: the texts of the grid at the size and place the
// window's layout gives them, on as many pages as the grid needs.
#include "app/framework/CHeadlessPrint.h"
#include "app/shell/CVisualStyle.h"
#include "app/shell/DVIcons.h"
#include "document/CReqDoc.h"
#include "document/CReqDocFile.h"
#include "support/PdfWords.h"
#include "views/CDVViewHost.h"
#include "views/CViewDVTreeList.h"
#include "views/CViewMotherDV.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal kMarginPt = 10 / 25.4 * 72;

struct AppRun {
    int exitCode = -1;
    QString err;
    QString out;
};

AppRun RunApp(const QStringList& arguments, const QString& configHome) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    if (arguments.contains(QStringLiteral("--print-to-pdf"))) {
        // Printing chooses the offscreen platform itself: it needs no display.
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    }
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(DV_APP_PATH), arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError()),
            QString::fromUtf8(process.readAllStandardOutput())};
}

// The grid as the window of the project lays it out, read in this process; the printed pages must show
// the same texts at the same places, scaled.
struct Grid {
    struct Column {
        int left = 0, right = 0;
        bool singleLine = false;
        QString header;
    };
    struct Row {
        int firstLine = 0, lines = 1;
        QStringList cells;
    };
    std::vector<Column> columns;  // shown columns only
    std::vector<Row> rows;        // the first rows
    int width = 0, headerHeight = 0, rowHeight = 1, totalLines = 0;
    qreal dpi = 96, fontPoints = 0;
};

Grid ReadGrid(CReqDoc& doc, int rowCount) {
    CDVViewHost& host = CDVViewHost::Instance();
    const CDVViewHost saved = host;
    host = CDVViewHost{};
    host.imageList = DVIcons::ImageList();
    CVisualStyle::Apply(*qApp, CVisualStyle::kDefaultId);
    Grid grid;
    {
        const std::unique_ptr<CViewMotherDV> window = CHeadlessPrint::LayOutWindow(doc);
        auto* view = dynamic_cast<CViewDVTreeList*>(window->GetHostedView());
        if (view == nullptr) {
            host = saved;
            return grid;
        }
        CTreeListCtrl* control = view->GetGrid();
        control->ComputeAllLineBreaks();
        const TLLayout* layout = control->GetLayout();
        grid.width = layout->RightEdge();
        grid.headerHeight = layout->headerHeight;
        grid.rowHeight = layout->rowHeight;
        grid.totalLines = layout->TotalLines();
        grid.dpi = view->logicalDpiX();
        grid.fontPoints = control->font().pointSizeF();
        std::vector<int> shown;
        for (int c = 0; c < layout->columnCount; ++c) {
            if (layout->ColumnWidth(c) > 0) {
                shown.push_back(c);
                grid.columns.push_back({layout->ColumnLeft(c), layout->ColumnLeft(c) + layout->ColumnWidth(c),
                                        !layout->Wraps(c), layout->columns[size_t(c)].headerText});
            }
        }
        // Item rectangles count from the shown top row; the first row's top is line 0 of the print.
        QRect first;
        control->GetItemRect(control->GetItemOfRow(0), &first, false, 0);
        for (int r = 0; r < std::min(rowCount, control->GetRowCount()); ++r) {
            const HTREEITEM item = control->GetItemOfRow(r);
            QRect rect;
            control->GetItemRect(item, &rect, false, 0);
            Grid::Row row{(rect.top() - first.top()) / grid.rowHeight, rect.height() / grid.rowHeight, {}};
            for (int c : shown) {
                row.cells.append(control->GetItemText(item, c));
            }
            grid.rows.push_back(row);
        }
    }
    host = saved;
    return grid;
}

// Where grid pixels land on a page, in points.
struct PageGeometry {
    qreal scale = 1;  // points per grid pixel
    int pages = 1;
    int linesPerPage = 1;

    PageGeometry(const Grid& grid, QSizeF page) {
        const qreal pointsPerPixel = 72 / grid.dpi;
        const qreal width = page.width() - 2 * kMarginPt;
        const qreal height = page.height() - 2 * kMarginPt;
        const qreal scaleW = width / (grid.width * pointsPerPixel);
        const qreal scaleH =
            height / ((grid.headerHeight + grid.totalLines * grid.rowHeight) * pointsPerPixel);
        linesPerPage = std::max(1, int(std::floor((height - grid.headerHeight * scaleW * pointsPerPixel) /
                                                  (grid.rowHeight * scaleW * pointsPerPixel))));
        pages = std::max(1, (grid.totalLines + linesPerPage - 1) / linesPerPage);
        scale = (pages == 1 ? std::min(scaleW, scaleH) : scaleW) * pointsPerPixel;
    }
    QRectF Area(int left, int top, int right, int bottom) const {
        return QRectF(QPointF(kMarginPt + left * scale, kMarginPt + top * scale),
                      QPointF(kMarginPt + right * scale, kMarginPt + bottom * scale));
    }
};

// Whether the words of a text are on the page inside the area, in order. A text cut to fit its cell ends
// in "..." (cells) or an ellipsis (headers): its last printed word is then a prefix of the word it cuts.
::testing::AssertionResult ShowsText(const PdfPage& page, const QString& text, const QRectF& area,
                                     bool mayBeCut) {
    const QRectF inside = area.adjusted(-1, -1, 1, 1);
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool found = false;
        for (const PdfWord& printed : page.words) {
            if (!inside.contains(printed.box)) {
                continue;
            }
            if (printed.text == word) {
                found = true;
                break;
            }
            for (const QString& mark : {QStringLiteral("..."), QStringLiteral("\u2026")}) {
                if (mayBeCut && printed.text.endsWith(mark) &&
                    word.startsWith(printed.text.chopped(mark.size()))) {
                    return ::testing::AssertionSuccess();
                }
            }
        }
        if (!found) {
            return ::testing::AssertionFailure()
                   << "\"" << word.toStdString() << "\" of \"" << text.toStdString() << "\" is not in "
                   << area.left() << "," << area.top() << " - " << area.right() << "," << area.bottom();
        }
    }
    return ::testing::AssertionSuccess();
}

// What every printed page must look like: words inside the page, none over another, at the size of the
// grid's font scaled like the grid.
void ExpectReadablePages(const PdfText& pdf, const Grid& grid, const PageGeometry& geometry) {
    const qreal em = grid.fontPoints * geometry.scale * grid.dpi / 72;
    for (size_t p = 0; p < pdf.pages.size(); ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        const PdfPage& page = pdf.pages[p];
        const QRectF paper(QPointF(0, 0), page.size);
        for (size_t i = 0; i < page.words.size(); ++i) {
            const PdfWord& word = page.words[i];
            const std::string text = word.text.toStdString();
            EXPECT_TRUE(paper.contains(word.box)) << text;
            EXPECT_GE(word.box.height(), 3.0) << text;
            EXPECT_LE(word.box.height(), 16.0) << text;
            // DejaVu and its like are about 1.16 em high from descender to ascender.
            EXPECT_GE(word.box.height(), 0.9 * em) << text;
            EXPECT_LE(word.box.height(), 1.5 * em) << text;
            for (size_t j = i + 1; j < page.words.size(); ++j) {
                const QRectF overlap = word.box.intersected(page.words[j].box);
                EXPECT_FALSE(overlap.width() > 0.2 && overlap.height() > 0.2)
                    << text << " overlaps " << page.words[j].text.toStdString();
            }
        }
    }
}

void ExpectHeader(const PdfPage& page, const Grid& grid, const PageGeometry& geometry) {
    for (const Grid::Column& column : grid.columns) {
        EXPECT_TRUE(ShowsText(page, column.header,
                              geometry.Area(column.left, 0, column.right, grid.headerHeight), true));
    }
}

class PrintToPdfTest : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    QTemporaryDir dir;
};

struct ExampleCase {
    const char* file;
    const char* view;
    int viewType;
};

class PrintExampleTest : public PrintToPdfTest, public ::testing::WithParamInterface<ExampleCase> {};

TEST_P(PrintExampleTest, PrintsTheHeaderAndTheFirstRowsReadably) {
    const ExampleCase example = GetParam();
    const QString project = QStringLiteral(DV_EXAMPLES_DIR "/") + QLatin1String(example.file);
    const QString pdfPath = Path("out.pdf");
    const AppRun run = RunApp({QStringLiteral("--print-to-pdf"), pdfPath, QStringLiteral("--view"),
                               QLatin1String(example.view), project},
                              Path("config"));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const PdfText pdf = ReadPdfWords(pdfPath);
    ASSERT_TRUE(pdf.read) << pdf.error.toStdString();
    ASSERT_FALSE(pdf.pages.empty());

    CReqDoc doc;
    ASSERT_TRUE(CReqDocFile(doc).OpenDocument(project).ok);
    doc.m_nNextViewType = example.viewType;
    if (example.viewType == CReqDoc::ViewSteps) {
        // The use case the print chose: the first with steps, the examples storing none.
        for (const CUseCase* useCase : doc.m_useCases) {
            if (!useCase->m_steps.empty()) {
                doc.m_nNextStepsUseCaseId = useCase->m_nId;
                break;
            }
        }
    }
    const Grid grid = ReadGrid(doc, 6);
    ASSERT_FALSE(grid.rows.empty());
    const PageGeometry geometry(grid, pdf.pages.front().size);
    EXPECT_EQ(int(pdf.pages.size()), geometry.pages);
    ExpectReadablePages(pdf, grid, geometry);
    const PdfPage& page = pdf.pages.front();
    ExpectHeader(page, grid, geometry);
    // Each row's texts lie in its own band, so the rows come in the grid's (tree) order.
    for (size_t r = 0; r < grid.rows.size(); ++r) {
        const Grid::Row& row = grid.rows[r];
        const int top = grid.headerHeight + row.firstLine * grid.rowHeight;
        const int bottom = top + row.lines * grid.rowHeight;
        for (size_t c = 0; c < grid.columns.size(); ++c) {
            SCOPED_TRACE("row " + std::to_string(r) + " column " + std::to_string(c));
            const Grid::Column& column = grid.columns[c];
            EXPECT_TRUE(ShowsText(page, row.cells[int(c)],
                                  geometry.Area(column.left, top, column.right, bottom), column.singleLine));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PrintExampleTest,
    ::testing::Values(ExampleCase{"CoffeeMachine.dvx", "requirements", CReqDoc::ViewRequirements},
                      ExampleCase{"CoffeeMachine.dvx", "actors", CReqDoc::ViewActors},
                      ExampleCase{"CoffeeMachine.dvx", "use-cases", CReqDoc::ViewUseCases},
                      ExampleCase{"CoffeeMachine.dvx", "steps", CReqDoc::ViewSteps},
                      ExampleCase{"InfusionPump.dvx", "requirements", CReqDoc::ViewRequirements},
                      ExampleCase{"InfusionPump.dvx", "actors", CReqDoc::ViewActors},
                      ExampleCase{"InfusionPump.dvx", "use-cases", CReqDoc::ViewUseCases},
                      ExampleCase{"InfusionPump.dvx", "steps", CReqDoc::ViewSteps}),
    [](const ::testing::TestParamInfo<ExampleCase>& test) {
        QString name = QString::fromLatin1(test.param.file).section(QLatin1Char('.'), 0, 0) +
                       QLatin1String(test.param.view);
        return name.remove(QLatin1Char('-')).toStdString();
    });

// The overview prints its chart as text and vectors: every row's name, the column headings and the
// totals are words of the page.
TEST_F(PrintToPdfTest, TheOverviewPrintsItsChart) {
    for (const char* file : {"CoffeeMachine.dvx", "InfusionPump.dvx"}) {
        SCOPED_TRACE(file);
        const QString example = QStringLiteral(DV_EXAMPLES_DIR "/") + QLatin1String(file);
        const QString pdfPath = Path("overview.pdf");
        const AppRun run = RunApp({QStringLiteral("--print-to-pdf"), pdfPath, QStringLiteral("--view"),
                                   QStringLiteral("overview"), example},
                                  Path("config"));
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const PdfText pdf = ReadPdfWords(pdfPath);
        ASSERT_TRUE(pdf.read) << pdf.error.toStdString();
        ASSERT_EQ(pdf.pages.size(), 1u);
        QString text;
        for (const PdfWord& word : pdf.pages.front().words)
            text += word.text + QLatin1Char(' ');
        CReqDoc doc;
        ASSERT_TRUE(CReqDocFile(doc).OpenDocument(example).ok);
        for (const Requirement* requirement : doc.m_requirements) {
            if (requirement->m_nParentId == 0 && requirement->m_nLinkage != Requirement::Ignore) {
                EXPECT_TRUE(text.contains(requirement->m_strTitle.split(u' ').last()))
                    << requirement->m_strTitle.toStdString();
            }
        }
        EXPECT_TRUE(text.contains(QStringLiteral("of Approvals")));
        EXPECT_TRUE(text.contains(QStringLiteral("Total Project")));
        EXPECT_TRUE(text.contains(doc.m_strProjectName.split(u' ').first()));
    }
}

TEST_F(PrintToPdfTest, ALongListContinuesOnTheNextPagesUnderTheHeader) {
    constexpr int kEntries = 150;
    CReqDoc doc;
    doc.CreateDefaultContent();
    qint32 previous = 0;
    for (const Requirement* requirement : doc.m_requirements) {
        if (requirement->m_nParentId == 0) {
            previous = requirement->m_nId;
        }
    }
    for (int i = 1; i <= kEntries; ++i) {
        std::unique_ptr<Requirement> requirement = doc.NewRequirement();
        requirement->m_strTitle = QStringLiteral("Entry-%1").arg(i, 3, 10, QLatin1Char('0'));
        requirement->m_nPrevSiblingId = previous;
        previous = doc.m_requirements.Append(std::move(requirement))->m_nId;
    }
    const QString project = Path("long.dvx");
    ASSERT_TRUE(CReqDocFile(doc).SaveDocument(project).ok);
    const QString pdfPath = Path("long.pdf");
    const AppRun run = RunApp({QStringLiteral("--print-to-pdf"), pdfPath, project}, Path("config"));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const PdfText pdf = ReadPdfWords(pdfPath);
    ASSERT_TRUE(pdf.read) << pdf.error.toStdString();

    CReqDoc reopened;
    ASSERT_TRUE(CReqDocFile(reopened).OpenDocument(project).ok);
    const Grid grid = ReadGrid(reopened, 0);
    ASSERT_FALSE(pdf.pages.empty());
    const PageGeometry geometry(grid, pdf.pages.front().size);
    ASSERT_GE(geometry.pages, 2);
    ASSERT_EQ(int(pdf.pages.size()), geometry.pages);
    ExpectReadablePages(pdf, grid, geometry);
    // Every page repeats the header; the entries follow each other over the pages, each once.
    int expected = 1;
    for (size_t p = 0; p < pdf.pages.size(); ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        ExpectHeader(pdf.pages[p], grid, geometry);
        std::vector<PdfWord> entries;
        for (const PdfWord& word : pdf.pages[p].words) {
            if (word.text.startsWith(QLatin1String("Entry-"))) {
                entries.push_back(word);
            }
        }
        std::sort(entries.begin(), entries.end(),
                  [](const PdfWord& a, const PdfWord& b) { return a.box.top() < b.box.top(); });
        EXPECT_FALSE(entries.empty());
        for (const PdfWord& entry : entries) {
            EXPECT_EQ(entry.text.mid(6).toInt(), expected) << entry.text.toStdString();
            expected = entry.text.mid(6).toInt() + 1;
        }
    }
    EXPECT_EQ(expected, kEntries + 1);
}

TEST_F(PrintToPdfTest, FailuresAndUsage) {
    QFile broken(Path("broken.dvx"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a project");
    broken.close();
    const QString example = QStringLiteral(DV_EXAMPLES_DIR "/CoffeeMachine.dvx");
    const struct {
        QStringList arguments;
        int exitCode;
        const char* error;
    } cases[] = {
        {{QStringLiteral("--print-to-pdf"), Path("a.pdf"), Path("missing.dvx")},
         2,
         "Failed to open document.\n"},
        {{QStringLiteral("--print-to-pdf"), Path("a.pdf"), Path("broken.dvx")},
         2,
         "Failed to open document.\n"},
        {{QStringLiteral("--print-to-pdf"), Path("no/such/folder/a.pdf"), example}, 2, "Failed to print to"},
        {{QStringLiteral("--print-to-pdf"), Path("a.pdf"), QStringLiteral("--view"), QStringLiteral("chart"),
          example},
         1,
         "Unknown view \"chart\""},
        {{QStringLiteral("--print-to-pdf"), Path("a.pdf")},
         1,
         "--print-to-pdf needs exactly one project file."},
        {{QStringLiteral("--view"), QStringLiteral("actors"), example},
         1,
         "--view goes with --print-to-pdf."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const AppRun run = RunApp(c.arguments, Path("config"));
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.err.contains(QLatin1String(c.error))) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(Path("a.pdf")));
    }
    const AppRun help = RunApp({QStringLiteral("--help")}, Path("config"));
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QLatin1String("--print-to-pdf <pdf>"))) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QLatin1String("--view <view>")));
}

}  // namespace
