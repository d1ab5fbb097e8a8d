// Matrix views on projects of 100,000 and 1,000,000 requirements with 8 columns: building and first
// painting the view with the memory then resident, a scroll frame, the round trip of a cell edit
// through every open view, and moving a branch. Run with QT_QPA_PLATFORM=offscreen.
#include "document/CReqDoc.h"
#include "support/CellEditNotify.h"
#include "support/ProcessMemory.h"
#include "views/CViewDVTreeList.h"
#include "views/CViewMotherDV.h"
#include "views/DVCommandIds.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>

#include <memory>
#include <vector>

namespace {

constexpr int kBranchRows = 10;
// Branches of ten rows: 100,000 and 1,000,000 requirements.
constexpr int kHundredThousand = 10000;
constexpr int kMillion = 100000;

std::unique_ptr<CReqDoc> MakeProject(int branches = kHundredThousand) {
    auto doc = std::make_unique<CReqDoc>();
    for (int b = 0; b < branches; ++b) {
        qint32 parent = 0;
        for (int r = 0; r < kBranchRows; ++r) {
            auto requirement = doc->NewRequirement();
            requirement->m_strTitle = QStringLiteral("Requirement %1.%2").arg(b).arg(r);
            requirement->m_strDescription = QStringLiteral("What requirement %1.%2 asks for").arg(b).arg(r);
            requirement->m_nParentId = parent;
            requirement->m_timeModified = 1700000000 + b * kBranchRows + r;
            if (r == 0) {
                parent = requirement->m_nId;
            }
            doc->m_requirements.Append(std::move(requirement));
        }
    }
    doc->m_colsRequirements.Clear();
    for (int field : {407, 402, 403, 404, 405, 411, 436, 412}) {
        doc->m_colsRequirements.AddColumn(quint32(field), 120, 0);
    }
    doc->m_colsActors.AddColumn(407, 120, 0);
    doc->m_colsUseCases.AddColumn(407, 120, 0);
    return doc;
}

// Windows as the application opens them: a mother view each.
std::vector<std::unique_ptr<CViewMotherDV>> OpenWindows(CReqDoc& doc, std::initializer_list<int> types) {
    std::vector<std::unique_ptr<CViewMotherDV>> windows;
    for (int type : types) {
        doc.m_nNextViewType = type;
        windows.push_back(std::make_unique<CViewMotherDV>(&doc));
        windows.back()->resize(1200, 800);
        windows.back()->show();
        windows.back()->OnInitialUpdate();
    }
    QCoreApplication::processEvents();
    return windows;
}

CViewDVTreeList* MatrixView(const CViewMotherDV& window) {
    return static_cast<CViewDVTreeList*>(window.GetHostedView());
}

// Opening a window up to its first painted picture; the memory then resident, project included.
void BM_FirstPaint(benchmark::State& state) {
    auto doc = MakeProject(int(state.range(0)));
    for (auto _ : state) {
        auto windows = OpenWindows(*doc, {CReqDoc::ViewRequirements});
        benchmark::DoNotOptimize(windows[0]->grab());
        state.counters["rows"] = MatrixView(*windows[0])->GetGrid()->GetCount();
        state.counters["resident_MB"] = double(StatusKilobytes("VmRSS:")) * 1024 / 1e6;
        state.PauseTiming();
        windows.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstPaint)->Arg(kHundredThousand)->Arg(kMillion)->Unit(benchmark::kMillisecond)->Iterations(2);

// One page down and the picture of the rows that come into view.
void BM_ScrollFrame(benchmark::State& state) {
    auto doc = MakeProject(int(state.range(0)));
    auto windows = OpenWindows(*doc, {CReqDoc::ViewRequirements});
    QScrollBar* bar = MatrixView(*windows[0])->GetGrid()->verticalScrollBar();
    for (auto _ : state) {
        bar->setValue(bar->value() + bar->pageStep() < bar->maximum() ? bar->value() + bar->pageStep() : 0);
        benchmark::DoNotOptimize(windows[0]->grab());
    }
}
BENCHMARK(BM_ScrollFrame)->Arg(kHundredThousand)->Arg(kMillion)->Unit(benchmark::kMillisecond);

void BM_CellEditRoundTrip(benchmark::State& state) {
    auto doc = MakeProject(int(state.range(0)));
    auto windows = OpenWindows(*doc, {CReqDoc::ViewRequirements, CReqDoc::ViewRequirements,
                                      CReqDoc::ViewActors, CReqDoc::ViewUseCases});
    CViewDVTreeList* view = MatrixView(*windows[0]);
    const HTREEITEM row = view->GetGrid()->GetNextItem(0, TVGN_ROOT);
    int n = 0;
    for (auto _ : state) {
        // An in-place edit in the description column.
        EndCellEdit(*view, row, 2, QStringLiteral("Edited %1").arg(++n));
    }
}
BENCHMARK(BM_CellEditRoundTrip)->Arg(kHundredThousand)->Arg(kMillion)->Unit(benchmark::kMillisecond);

void BM_MoveUpTenRowBranch(benchmark::State& state) {
    auto doc = MakeProject();
    auto windows = OpenWindows(*doc, {CReqDoc::ViewRequirements});
    CViewDVTreeList* view = MatrixView(*windows[0]);
    const HTREEITEM branch =
        view->FindRowOfObject(doc->m_requirements.at(kHundredThousand / 2 * kBranchRows)->m_nId);
    view->GetGrid()->SelectItem(branch, TVGN_CARET);
    for (auto _ : state) {
        view->OnCommand(DVCmd::MoveUp);
    }
}
BENCHMARK(BM_MoveUpTenRowBranch)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
