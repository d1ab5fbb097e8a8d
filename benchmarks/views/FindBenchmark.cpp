// Finding in a requirements view of 100,000 requirements: every row and column searched, with the
// texts taken from the objects as the cells show them, under the columns of a new project and under
// nine columns that add the version, the time of the last change, the comment and a text parameter.
// The rows sit in collapsed branches of ten, so only the top rows of the branches are shown. Part of
// the views benchmarks; run with QT_QPA_PLATFORM=offscreen.
#include "document/CReqDoc.h"
#include "document/DVCellEdit.h"
#include "views/CViewTreelist.h"
#include "views/DVViewSearch.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <memory>
#include <vector>

namespace {

constexpr int kRequirements = 100000;
constexpr int kBranchRows = 10;
constexpr int kNoteColumn = 100000;

// Titles, descriptions, comments and a text parameter; the word "valve" in the comment of one
// requirement of a thousand, so the search reads every text of the others to its end.
std::unique_ptr<CReqDoc> MakeProject(bool allColumns) {
    auto doc = std::make_unique<CReqDoc>();
    auto note = doc->NewParameter();
    note->m_strName = QStringLiteral("Note");
    doc->m_parameters.Append(std::move(note));
    qint32 parent = 0;
    for (int i = 0; i < kRequirements; ++i) {
        auto requirement = doc->NewRequirement();
        const bool found = i % 1000 == 999;
        requirement->m_strTitle = QStringLiteral("Requirement number %1 of the plant").arg(i);
        requirement->m_strDescription =
            QStringLiteral("The pump of line %1 keeps its pressure within the limits").arg(i);
        requirement->m_strComment = found ? QStringLiteral("check the valve") : QStringLiteral("reviewed");
        requirement->m_nParentId = i % kBranchRows == 0 ? 0 : parent;
        requirement->m_timeModified = 1700000000 + i;
        Requirement* added = doc->m_requirements.Append(std::move(requirement));
        DVCellEdit::Apply(*doc, *added, kNoteColumn, QStringLiteral("note %1").arg(i));
        if (i % kBranchRows == 0) {
            parent = added->m_nId;
        }
    }
    // The columns of a new project, or nine with the version, the time of the last change, the comment
    // and the parameter.
    const std::vector<int> fields =
        allColumns ? std::vector<int>{407, 402, 403, 404, 405, 411, 436, 412, kNoteColumn}
                   : std::vector<int>{407, 402, 403, 404, 473, 405};
    doc->m_colsRequirements.Clear();
    for (int field : fields) {
        doc->m_colsRequirements.AddColumn(quint32(field), 120, 0);
    }
    return doc;
}

void BM_FindInAllRows(benchmark::State& state) {
    auto doc = MakeProject(state.range(1) != 0);
    CViewTreelist view(doc.get());
    view.resize(1200, 800);
    view.show();
    view.OnInitialUpdate();
    QCoreApplication::processEvents();
    const auto cs = state.range(0) != 0 ? Qt::CaseSensitive : Qt::CaseInsensitive;
    size_t matches = 0;
    for (auto _ : state) {
        matches = DVViewSearch::Find(view, QStringLiteral("Valve"), cs, {}).matches.size();
    }
    state.counters["rows"] = view.GetGrid()->GetCount();
    state.counters["matches"] = double(matches);
}
// Arguments: 0 ignores case, 1 matches it (and finds nothing); 0 the columns of a new project, 1 nine.
BENCHMARK(BM_FindInAllRows)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace
