// Costs that must not grow with the number of rows: insertion, repaint, expansion, line breaks.
// Run with QT_QPA_PLATFORM=offscreen.
#include "controls/treelist/DV_TreeList.h"
#include "controls/treelist/TreeListTextWrap.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <vector>

namespace {

constexpr int kColumns = 8;
const QString kWrapped =
    QStringLiteral("a description long enough to wrap over two or three lines of its cell");

std::unique_ptr<DV_TreeList> MakeTree(QSize viewport = QSize(1200, 800)) {
    auto tree = std::make_unique<DV_TreeList>(nullptr, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT);
    tree->setFrameShape(QFrame::NoFrame);
    tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tree->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tree->SetExtendedStyle(0, TLX_ALTERNATEROWS | TLX_ROWLINES | TLX_COLUMNLINES | TLX_FULLROWSELECT);
    for (int c = 0; c < kColumns; ++c) {
        TLColumn column;
        column.mask = LVCF_TEXT;
        column.text = QStringLiteral("Column %1").arg(c);
        tree->InsertColumn(c, column);
    }
    tree->show();
    tree->resize(viewport.width(), viewport.height() + tree->GetLayout()->headerHeight);
    QCoreApplication::processEvents();
    return tree;
}

void FillRow(DV_TreeList& tree, HTREEITEM h, int i) {
    for (int c = 1; c < kColumns; ++c) {
        tree.SetItemText(h, c, c == 2 ? kWrapped : QStringLiteral("cell %1.%2").arg(i).arg(c));
    }
}

void AddRows(DV_TreeList& tree, int count) {
    for (int i = 0; i < count; ++i) {
        FillRow(tree, tree.InsertItem(QStringLiteral("Row %1").arg(i)), i);
    }
}

void BM_Insert100kRowsWith8Cells(benchmark::State& state) {
    // The texts are the caller's: made before the clock runs.
    constexpr int kRows = 100000;
    std::vector<QString> texts;
    texts.reserve(size_t(kRows) * kColumns);
    for (int i = 0; i < kRows; ++i) {
        for (int c = 0; c < kColumns; ++c) {
            texts.push_back(c == 2 ? kWrapped : QStringLiteral("cell %1.%2").arg(i).arg(c));
        }
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto tree = MakeTree();
        state.ResumeTiming();
        for (int i = 0; i < kRows; ++i) {
            const QString* row = &texts[size_t(i) * kColumns];
            const HTREEITEM h = tree->InsertItem(row[0]);
            for (int c = 1; c < kColumns; ++c) {
                tree->SetItemText(h, c, row[c]);
            }
        }
        QCoreApplication::processEvents();  // the deferred scroll-bar update belongs to the insertion
        state.PauseTiming();
        tree.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Insert100kRowsWith8Cells)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FullRepaint1200x800(benchmark::State& state) {
    auto tree = MakeTree();
    AddRows(*tree, int(state.range(0)));
    tree->SelectItem(tree->GetItemOfRow(int(state.range(0)) / 2), TVGN_FIRSTVISIBLE);
    tree->viewport()->repaint();
    for (auto _ : state) {
        tree->viewport()->repaint();
    }
    state.counters["rows"] = double(tree->GetRowCount());
}
BENCHMARK(BM_FullRepaint1200x800)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_Expand50kBranch(benchmark::State& state) {
    auto tree = MakeTree();
    const HTREEITEM parent = tree->InsertItem(QStringLiteral("parent"));
    AddRows(*tree, 1000);
    for (int i = 0; i < 50000; ++i) {
        tree->InsertItem(QStringLiteral("child %1").arg(i), parent);
    }
    for (auto _ : state) {
        tree->Expand(parent, TVE_EXPAND);
        state.PauseTiming();
        if (tree->GetRowCount() != 51001) {
            state.SkipWithError("branch not shown");
        }
        tree->Expand(parent, TVE_COLLAPSE);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Expand50kBranch)->Unit(benchmark::kMillisecond);

// Line breaks per repaint after a width change: bounded by the painted rows, not by the row count.
void BM_LineBreaksAfterWidthChange(benchmark::State& state) {
    auto tree = MakeTree();
    AddRows(*tree, int(state.range(0)));
    tree->viewport()->repaint();
    int width = 150;
    quint64 computed = 0;
    for (auto _ : state) {
        tree->SetColumnWidth(2, width);
        width = width == 150 ? 170 : 150;
        const quint64 before = TreeListTextWrap::Computations();
        tree->viewport()->repaint();
        computed += TreeListTextWrap::Computations() - before;
    }
    state.counters["breaks_per_repaint"] = double(computed) / double(state.iterations());
    state.counters["rows_per_page"] = double(tree->GetCountPerPage());
}
BENCHMARK(BM_LineBreaksAfterWidthChange)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
