// Undo on a project of 100,000 requirements with a requirements window open: the round trip of a cell
// edit while undo records it, taking the edit back and doing it again, and taking back the withdrawal
// of an approval that cascades to 20,000 requirements; with the memory each step keeps. Run with
// QT_QPA_PLATFORM=offscreen.
#include "document/CReqDoc.h"
#include "document/CReqDocChange.h"
#include "document/DVCellEdit.h"
#include "model/StringIds.h"
#include "platform/DVMessageBox.h"
#include "support/CellEditNotify.h"
#include "undo/CReqDocHistory.h"
#include "undo/CReqDocUndoCommand.h"
#include "views/CViewDVTreeList.h"
#include "views/CViewMotherDV.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <memory>

namespace {

constexpr int kRequirements = 100000;
constexpr int kCascade = 20000;

// Five chapters of 20,000 requirements in branches of ten; the whole first chapter is approved, so
// that withdrawing its approval cascades to every requirement in it.
std::unique_ptr<CReqDoc> MakeProject() {
    auto doc = std::make_unique<CReqDoc>();
    qint32 chapter = 0;
    qint32 branch = 0;
    for (int i = 0; i < kRequirements; ++i) {
        auto requirement = doc->NewRequirement();
        requirement->m_strTitle = QStringLiteral("Requirement %1").arg(i);
        requirement->m_strDescription = QStringLiteral("What requirement %1 asks for").arg(i);
        if (i % kCascade == 0) {
            chapter = requirement->m_nId;
        } else {
            requirement->m_nParentId = i % 10 == 1 ? chapter : branch;
            if (i % 10 == 1)
                branch = requirement->m_nId;
        }
        if (i < kCascade)
            requirement->m_approval.m_nState = CDVDevelopmentStep::Done;
        doc->m_requirements.Append(std::move(requirement));
    }
    for (int field : {FIELD_TITLE, FIELD_ID, FIELD_DESCRIPTION, FIELD_APPROVED, FIELD_VERIFIED})
        doc->m_colsRequirements.AddColumn(quint32(field), 120, 0);
    CReqDocHistory::Attach(*doc);
    return doc;
}

// The widgets need an application; benchmark_main runs the benchmarks.
QApplication& Application() {
    static int argc = 1;
    static char name[] = "dovalintra_undo_benchmarks";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}

struct OpenProject {
    OpenProject() : window(doc.get()) {
        window.resize(1200, 800);
        window.show();
        window.OnInitialUpdate();
        QCoreApplication::processEvents();
    }
    QUndoStack& Stack() { return *CReqDocHistory::StackOf(*doc); }
    std::size_t LastStepBytes() {
        const auto* step = static_cast<const CReqDocUndoCommand*>(Stack().command(Stack().index() - 1));
        return step->Change().Bytes();
    }

    QApplication& application = Application();
    std::unique_ptr<CReqDoc> doc = MakeProject();
    CViewMotherDV window;
};

// The end of an in-place edit in the description column, as the grid reports it, recorded for undo.
void BM_CellEditRoundTripWithUndo(benchmark::State& state) {
    OpenProject project;
    auto* view = static_cast<CViewDVTreeList*>(project.window.GetHostedView());
    const HTREEITEM row = view->GetGrid()->GetNextItem(0, TVGN_ROOT);
    int n = 0;
    for (auto _ : state)
        EndCellEdit(*view, row, 2, QStringLiteral("Edited %1").arg(++n));
    state.counters["steps"] = project.Stack().count();
    state.counters["step_bytes"] = double(project.LastStepBytes());
}
BENCHMARK(BM_CellEditRoundTripWithUndo)->Unit(benchmark::kMillisecond);

// Undo and redo of one cell edit, views following.
void BM_UndoRedoCellEdit(benchmark::State& state) {
    OpenProject project;
    DVCellEdit::Apply(*project.doc, *project.doc->m_requirements.at(kRequirements / 2), FIELD_DESCRIPTION,
                      QStringLiteral("Edited"));
    for (auto _ : state) {
        project.Stack().undo();
        project.Stack().redo();
    }
}
BENCHMARK(BM_UndoRedoCellEdit)->Unit(benchmark::kMillisecond);

// Undo of the withdrawal of the first chapter's approval, which reaches 20,000 requirements.
void BM_UndoWithdrawalCascade(benchmark::State& state) {
    OpenProject project;
    SetDVMessageBoxHandler([](const QString&, unsigned type) { return DVDefaultAnswer(type); });
    Requirement* chapter = project.doc->m_requirements.at(0);
    DVCellEdit::Apply(*project.doc, *chapter, FIELD_APPROVED, QStringLiteral("No"));
    int withdrawn = 0;
    for (const Requirement* requirement : project.doc->m_requirements)
        withdrawn += requirement->m_approval.m_nState == CDVDevelopmentStep::OutOfDate ? 1 : 0;
    for (auto _ : state) {
        project.Stack().undo();
        state.PauseTiming();
        project.Stack().redo();
        state.ResumeTiming();
    }
    state.counters["withdrawn"] = withdrawn;
    state.counters["step_bytes"] = double(project.LastStepBytes());
}
BENCHMARK(BM_UndoWithdrawalCascade)->Unit(benchmark::kMillisecond);

}  // namespace
