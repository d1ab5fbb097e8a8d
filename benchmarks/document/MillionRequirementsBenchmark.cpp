// A project of 1,000,000 requirements: a two-level tree (1,000 folders of 999 requirements each) in
// which every requirement is derived from the one before. Opening, saving and the memory the open
// project keeps; the same figures at 100,000 requirements for comparison.
#include "document/CReqDoc.h"
#include "document/CReqDocFile.h"
#include "support/ProcessMemory.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <fstream>
#include <map>
#include <memory>

namespace {

struct TreeProject {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("tree.dvx"));
    qint64 bytes = 0;

    explicit TreeProject(int count) {
        CReqDoc doc;
        doc.CreateDefaultContent();
        doc.DeleteContents();
        qint32 folderId = 0;
        Requirement* previous = nullptr;
        for (int i = 0; i < count; ++i) {
            auto requirement = doc.NewRequirement();
            const bool folder = i % 1000 == 0;
            requirement->m_nType = folder ? Requirement::Folder : Requirement::Functional;
            requirement->m_strTitle = folder ? QStringLiteral("Chapter %1").arg(i / 1000)
                                             : QStringLiteral("The system shall meet need %1").arg(i);
            requirement->m_nParentId = folder ? 0 : folderId;
            requirement->m_timeModified = 1700000000 + i;
            if (folder)
                folderId = requirement->m_nId;
            if (previous != nullptr && !folder) {
                requirement->m_derivedFromRequirements = {quint32(previous->m_nId)};
                previous->m_createdRequirements = {quint32(requirement->m_nId)};
            }
            previous = doc.m_requirements.Append(std::move(requirement));
        }
        if (!CReqDocFile(doc).SaveDocument(path).ok)
            std::abort();
        bytes = QFileInfo(path).size();
    }
};

const TreeProject& Project(int count) {
    static std::map<int, std::unique_ptr<TreeProject>> projects;
    auto& project = projects[count];
    if (!project)
        project = std::make_unique<TreeProject>(count);
    return *project;
}

void BM_Open(benchmark::State& state) {
    const TreeProject& project = Project(int(state.range(0)));
    for (auto _ : state) {
        auto doc = std::make_unique<CReqDoc>();
        if (!CReqDocFile(*doc).OpenDocument(project.path).ok)
            state.SkipWithError("the project did not open");
        // Emptying the document is not part of opening.
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["file_MB"] = double(project.bytes) / 1e6;
}

void BM_Save(benchmark::State& state) {
    const TreeProject& project = Project(int(state.range(0)));
    CReqDoc doc;
    CReqDocFile file(doc);
    file.OpenDocument(project.path);
    const QString copy = project.dir.filePath(QStringLiteral("saved.dvx"));
    for (auto _ : state) {
        if (!file.SaveDocument(copy).ok)
            state.SkipWithError("the project was not saved");
    }
    state.counters["file_MB"] = double(project.bytes) / 1e6;
}

// What an open project keeps resident, per requirement, and the peak of opening it.
void BM_OpenMemory(benchmark::State& state) {
    const TreeProject& project = Project(int(state.range(0)));
    for (auto _ : state) {
        malloc_trim(0);
        std::ofstream("/proc/self/clear_refs") << "5";
        const long before = StatusKilobytes("VmRSS:");
        const std::size_t heapBefore = mallinfo2().uordblks;
        auto doc = std::make_unique<CReqDoc>();
        CReqDocFile(*doc).OpenDocument(project.path);
        malloc_trim(0);
        const double resident = double(StatusKilobytes("VmRSS:") - before) * 1024;
        const double peak = double(StatusKilobytes("VmHWM:") - before) * 1024;
        const double heap = double(mallinfo2().uordblks - heapBefore);
        state.counters["resident_MB"] = resident / 1e6;
        state.counters["peak_MB"] = peak / 1e6;
        state.counters["heap_bytes_per_requirement"] = heap / double(state.range(0));
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(BM_Open)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_Save)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_OpenMemory)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
