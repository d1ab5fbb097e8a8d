// Export of a 100,000-row requirements view in the three formats, to memory and to a file, and the
// project overview's figures of 100,000 requirements.
#include "document/CReqDoc.h"
#include "document/DVExportFile.h"
#include "document/DVOverviewFigures.h"
#include "document/DVStoredViewExport.h"
#include "model/StringIds.h"
#include "platform/DVMessageBox.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kRequirements = 100000;

// 100 chapters of 999 requirements each, some with children, with And, Or and Ignore links, phases
// partly done, own costs on every third, texts with characters beyond ASCII and the odd ";".
CReqDoc& Project() {
    static CReqDoc* doc = [] {
        auto* project = new CReqDoc;
        project->CreateDefaultContent();
        project->DeleteContents();
        project->m_colsRequirements.Clear();
        for (int field : {FIELD_TITLE, FIELD_ID, FIELD_REQUIREMENT_TYPE, FIELD_LINKAGE, FIELD_DESCRIPTION,
                          FIELD_APPROVED, FIELD_IMPLEMENTED, FIELD_VERIFIED})
            project->m_colsRequirements.AddColumn(quint32(field), 120, 0);
        qint32 chapter = 0;
        qint32 parent = 0;
        for (int i = 0; i < kRequirements; ++i) {
            auto requirement = project->NewRequirement();
            const bool folder = i % 1000 == 0;
            requirement->m_nType = folder ? Requirement::Folder : Requirement::Functional;
            requirement->m_strTitle =
                folder ? QStringLiteral("Chapter %1").arg(i / 1000)
                       : QStringLiteral("Die Anlage erfüllt Anforderung %1 & <mehr>").arg(i);
            requirement->m_strDescription = QStringLiteral(
                "A description of the requirement; it runs to a sentence or two, with € and ü.");
            requirement->m_nLinkage = i % 7 == 3    ? Requirement::Or
                                      : i % 11 == 5 ? Requirement::Ignore
                                                    : Requirement::And;
            requirement->m_approval.m_nState =
                i % 2 == 0 ? CDVDevelopmentStep::Done : CDVDevelopmentStep::Pending;
            requirement->m_verification.m_nState =
                i % 5 == 0 ? CDVDevelopmentStep::Done : CDVDevelopmentStep::Pending;
            if (i % 3 == 0)
                requirement->m_implementation.m_dCost = i % 17;
            if (folder) {
                requirement->m_nParentId = 0;
                chapter = parent = requirement->m_nId;
            } else {
                requirement->m_nParentId = i % 4 == 1 ? chapter : parent;
                if (i % 4 == 1)
                    parent = requirement->m_nId;
            }
            project->m_requirements.Append(std::move(requirement));
        }
        return project;
    }();
    return *doc;
}

void BM_ExportToMemory(benchmark::State& state) {
    const auto format = DVExportWriter::Format(state.range(0));
    CReqDoc& doc = Project();
    // The ";" question, if any, takes its default answer.
    SetDVMessageBoxHandler({});
    const DVStoredViewExport source(doc, CReqDoc::ViewRequirements);
    qint64 bytes = 0;
    int rows = 0;
    for (auto _ : state) {
        bytes = 0;
        DVExportWriter::Write(format, source, [&](QByteArrayView chunk) { bytes += chunk.size(); });
    }
    source.ForEachRow([&](const QStringList&) { ++rows; });
    state.counters["rows"] = rows;
    state.counters["MB"] = double(bytes) / 1e6;
}
BENCHMARK(BM_ExportToMemory)
    ->ArgName("format")
    ->Arg(int(DVExportWriter::Format::Xml))
    ->Arg(int(DVExportWriter::Format::Csv))
    ->Arg(int(DVExportWriter::Format::CsvUtf8))
    ->Unit(benchmark::kMillisecond);

// The whole export as the user gets it: written, flushed to disk and renamed into place.
void BM_ExportToFile(benchmark::State& state) {
    const auto format = DVExportWriter::Format(state.range(0));
    CReqDoc& doc = Project();
    const DVStoredViewExport source(doc, CReqDoc::ViewRequirements);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("export"));
    QString error;
    for (auto _ : state) {
        if (!DVExportFile::Write(format, source, path, error))
            state.SkipWithError(qPrintable(error));
    }
}
BENCHMARK(BM_ExportToFile)
    ->ArgName("format")
    ->Arg(int(DVExportWriter::Format::Xml))
    ->Arg(int(DVExportWriter::Format::Csv))
    ->Arg(int(DVExportWriter::Format::CsvUtf8))
    ->Unit(benchmark::kMillisecond);

void BM_OverviewFigures(benchmark::State& state) {
    CReqDoc& doc = Project();
    DVOverviewFigures figures;
    for (auto _ : state) {
        figures.Compute(doc);
        benchmark::DoNotOptimize(figures.Total());
    }
    state.counters["rows"] = double(figures.Rows().size());
    state.counters["requirements"] = doc.m_requirements.size();
}
BENCHMARK(BM_OverviewFigures)->Unit(benchmark::kMillisecond);

}  // namespace
