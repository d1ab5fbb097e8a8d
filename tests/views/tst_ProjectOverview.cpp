#include "ViewFixture.h"

#include "document/CReqDocFile.h"
#include "support/PdfWords.h"
#include "views/CPicProjectOverview.h"
#include "views/CViewMotherDV.h"
#include "views/CViewProjectOverview.h"

#include <QDir>
#include <QMenu>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

class OverviewTest : public ViewTest {
protected:
    CViewProjectOverview* OpenOverview() { return Open<CViewProjectOverview>(); }

    static int GreenPixels(const QImage& image) {
        int green = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                green += image.pixel(x, y) == qRgb(0, 100, 0);
        return green;
    }
};

// Both examples draw a chart of their rows with some progress filled in; the pictures are kept beside
// the test for a look.
TEST_F(OverviewTest, ExamplesRenderTheirCharts) {
    for (const char* name : {"CoffeeMachine", "InfusionPump"}) {
        SCOPED_TRACE(name);
        CReqDoc example;
        ASSERT_TRUE(
            CReqDocFile(example)
                .OpenDocument(
                    QStringLiteral(DV_SOURCE_DIR "/resources/Examples/%1.dvx").arg(QLatin1String(name)))
                .ok);
        CViewProjectOverview view(&example);
        view.resize(900, 600);
        view.OnInitialUpdate();
        CPicProjectOverview* chart = view.GetChart();
        const int rows = int(chart->Figures().Rows().size());
        ASSERT_GE(rows, 3);
        const int columns = int(CPicProjectOverview::ShownColumns(example).size());
        EXPECT_EQ(chart->ChartSize(), QSize(std::max(21000, 7000 + 7000 * columns),
                                            2000 * rows + 8700 + (example.m_nOverviewChart == 3 ? 2400 : 0)));
        const QImage picture = chart->RenderPicture(chart->ChartSizePixels());
        EXPECT_EQ(picture.size(), chart->ChartSizePixels());
        EXPECT_GT(GreenPixels(picture), 100);
        EXPECT_TRUE(picture.save(QStringLiteral("overview-%1.png").arg(QLatin1String(name))));
        QString title;
        view.GetViewTitle(title, &example);
        EXPECT_EQ(title, QStringLiteral("Project Overview - ") + example.m_strProjectName);
    }
}

TEST_F(OverviewTest, ChartSizeAndCellTexts) {
    doc.CreateDefaultContent();
    CViewProjectOverview* view = OpenOverview();
    CPicProjectOverview* chart = view->GetChart();
    EXPECT_EQ(chart->ChartSize(), QSize(35000, 2000 * 4 + 8700));
    doc.m_nOverviewApprImpl = 0;
    doc.m_nOverviewVerValid = 0;
    EXPECT_EQ(chart->ChartSize().width(), 21000);
    doc.m_nOverviewChart = 3;
    EXPECT_EQ(chart->ChartSize().height(), 2000 * 4 + 8700 + 2400);
    doc.m_bOverviewSumOfTotals = false;
    EXPECT_EQ(chart->ChartSize().height(), 2000 * 4 + 8700);

    // Nothing approved: 0% of one in every count cell, or the padded percentage alone.
    const DVPOData& row = chart->Figures().Rows()[0];
    const CPicProjectOverview::Column approval{0, 0, 0, 544};
    EXPECT_EQ(CPicProjectOverview::CellText(row, approval, 0, false), QStringLiteral("0% (0/1)"));
    EXPECT_EQ(CPicProjectOverview::CellText(row, approval, 0, true), QStringLiteral("     0%     "));
    EXPECT_EQ(CPicProjectOverview::CellText(row, approval, 1, false), QStringLiteral("0% (0/1)"));
    // A combined column: the count of the second phase, the cost of both.
    DVPOData done;
    done.own[0] = PhaseTally{2, 3.0, 1.0, 2, 3.0, 1.0};
    done.own[1] = PhaseTally{2, 1e6, 0.5, 1, 0.0, 0.25};
    const CPicProjectOverview::Column together{0, 1, 0, 546};
    EXPECT_EQ(CPicProjectOverview::CellText(done, together, 0, false), QStringLiteral("50% (1/2)"));
    EXPECT_EQ(CPicProjectOverview::CellText(done, together, 1, false), QStringLiteral("0% (3/1e+06)"));
    EXPECT_EQ(CPicProjectOverview::CellText(done, together, 2, false), QStringLiteral("83% (1.25/1.5)"));
    // A phase without cost is complete.
    EXPECT_EQ(CPicProjectOverview::SumText(PhaseTally{1, 0.0, 0.0, 0, 0.0, 0.0}, 1),
              QStringLiteral("100% (0/0)"));
}

// The phase toggles step the options by their table; the second phase is off without its phase.
TEST_F(OverviewTest, PhaseTogglesAndTheirStates) {
    doc.CreateDefaultContent();
    CViewProjectOverview* view = OpenOverview();
    struct Case {
        int command;
        bool phaseOn;
        int after[5];
    };
    for (const Case& c : std::vector<Case>{{DVCmd::ShowApproval, true, {1, 0, 3, 2, 1}},
                                           {DVCmd::ShowApproval, false, {1, 0, 1, 1, 1}},
                                           {DVCmd::ShowImplementation, true, {2, 3, 0, 1, 2}},
                                           {DVCmd::ShowApprovalImplementation, true, {4, 4, 4, 4, 0}},
                                           {DVCmd::ShowVerification, false, {1, 0, 1, 1, 1}},
                                           {DVCmd::ShowValidation, true, {2, 3, 0, 1, 2}}}) {
        const bool first = c.command <= DVCmd::ShowApprovalImplementation;
        qint32& option = first ? doc.m_nOverviewApprImpl : doc.m_nOverviewVerValid;
        (first ? doc.m_bImplementationPhase : doc.m_bValidationPhase) = c.phaseOn;
        for (int before = 0; before <= 5; ++before) {
            SCOPED_TRACE(testing::Message() << c.command << " from " << before);
            option = before;
            EXPECT_TRUE(view->OnCommand(c.command));
            EXPECT_EQ(option, before == 5 ? 5 : c.after[before]);
        }
    }
    EXPECT_FALSE(doc.IsModified());

    doc.m_bImplementationPhase = false;
    EXPECT_FALSE(view->QueryCommand(DVCmd::ShowImplementation).enabled);
    EXPECT_FALSE(view->QueryCommand(DVCmd::ShowApprovalImplementation).enabled);
    EXPECT_TRUE(view->QueryCommand(DVCmd::ShowValidation).enabled);
    doc.m_bOverviewVCurve = false;
    EXPECT_FALSE(view->QueryCommand(DVCmd::ShowRedVCurve).enabled);
    view->OnCommand(DVCmd::ChartDevelopment + 2);
    EXPECT_EQ(doc.m_nOverviewChart, 2);
    EXPECT_TRUE(view->QueryCommand(DVCmd::ChartDevelopment + 2).checked);
    EXPECT_FALSE(view->QueryCommand(DVCmd::ViewOverview).enabled);
    EXPECT_TRUE(view->QueryCommand(DVCmd::ViewRequirements).enabled);

    std::unique_ptr<QMenu> menu(view->CreateChartMenu(nullptr));
    QStringList texts;
    for (QAction* action : menu->actions())
        if (!action->isSeparator())
            texts.append(action->text());
    EXPECT_EQ(texts.first(), QStringLiteral("Project Development"));
    EXPECT_TRUE(texts.contains(QStringLiteral("Show Only Percentages (where aplicable)")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Change View Type to ...")));
}

// Edits reach the figures through the document's refresh.
TEST_F(OverviewTest, ModificationsRecomputeTheFigures) {
    doc.CreateDefaultContent();
    doc.m_nNextViewType = CReqDoc::ViewOverview;
    CViewMotherDV mother(&doc);
    mother.OnInitialUpdate();
    auto* view = dynamic_cast<CViewProjectOverview*>(mother.GetHostedView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetChart()->Figures().Rows().size(), 4u);
    AddRequirement(QStringLiteral("Fifth"));
    doc.OnObjectsModified(nullptr);
    EXPECT_EQ(view->GetChart()->Figures().Rows().size(), 5u);
}

// A long chart prints as vector text on several pages with the heading and "Page n/m" on each; the
// totals stay together.
TEST_F(OverviewTest, PrintsPagesToPdf) {
    doc.CreateDefaultContent();
    for (int i = 0; i < 40; ++i)
        AddRequirement(QStringLiteral("Requirement%1").arg(i));
    CViewProjectOverview* view = OpenOverview();
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("overview.pdf")));
    ASSERT_TRUE(view->PrintTo(printer));
    const PdfText pdf = ReadPdfWords(printer.outputFileName());
    ASSERT_TRUE(pdf.read) << pdf.error.toStdString();
    ASSERT_GE(pdf.pages.size(), 2u);
    QStringList all;
    for (size_t p = 0; p < pdf.pages.size(); ++p) {
        QStringList words;
        for (const PdfWord& word : pdf.pages[p].words)
            words.append(word.text);
        EXPECT_TRUE(words.contains(QStringLiteral("%1/%2").arg(p + 1).arg(pdf.pages.size()))) << p;
        EXPECT_TRUE(words.contains(QStringLiteral("Demo"))) << p;
        all += words;
    }
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(all.count(QStringLiteral("Requirement%1").arg(i)), 1) << i;
    EXPECT_EQ(all.count(QStringLiteral("Total")), 1);
}

// The mother view hosts the overview for view type 5; the type is stored and comes back.
TEST_F(OverviewTest, ViewTypeFiveIsHostedStoredAndRestored) {
    doc.CreateDefaultContent();
    doc.m_bSaveColumnsAutomatically = true;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.dvx"));
    {
        doc.m_nNextViewType = CReqDoc::ViewOverview;
        CViewMotherDV mother(&doc);
        mother.OnInitialUpdate();
        ASSERT_NE(dynamic_cast<CViewProjectOverview*>(mother.GetHostedView()), nullptr);
        ASSERT_TRUE(CReqDocFile(doc).SaveDocument(path).ok);
    }
    CReqDoc reopened;
    ASSERT_TRUE(CReqDocFile(reopened).OpenDocument(path).ok);
    EXPECT_EQ(reopened.m_nViewType, CReqDoc::ViewOverview);
    CViewMotherDV mother(&reopened);
    mother.OnInitialUpdate();
    EXPECT_NE(dynamic_cast<CViewProjectOverview*>(mother.GetHostedView()), nullptr);
}

}  // namespace
