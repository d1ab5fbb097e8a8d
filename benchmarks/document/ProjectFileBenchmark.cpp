// Opening and saving a large project: 100,000 requirements with 3 parameter values and 2 links each,
// 10,000 use cases with 10 steps each, 500 actors. Throughput beside a plain libgsf read of the same
// stream, and the peak memory of a load beside the memory the loaded objects occupy.
#include "document/CReqDoc.h"
#include "document/CReqDocFile.h"
#include "document/CompoundFile.h"
#include "document/ProjectDump.h"
#include "support/ProcessMemory.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <gsf/gsf.h>
#include <malloc.h>

#include <fstream>

namespace {

constexpr int kRequirements = 100000;
constexpr int kUseCases = 10000;
constexpr int kStepsPerUseCase = 10;
constexpr int kActors = 500;

void Fill(CReqDoc& doc) {
    doc.CreateDefaultContent();
    for (int p = 0; p < 3; ++p) {
        auto parameter = doc.NewParameter();
        parameter->m_nType = p;
        parameter->m_strName = QStringLiteral("Parameter %1").arg(p);
        doc.m_parameters.Append(std::move(parameter));
    }
    for (int i = 0; i < kRequirements; ++i) {
        auto requirement = doc.NewRequirement();
        requirement->m_strTitle = QStringLiteral("Requirement %1 of the generated project").arg(i);
        requirement->m_strDescription =
            QStringLiteral("The system shall do thing number %1 as described.").arg(i);
        requirement->m_nParentId = 1 + i % 4;
        requirement->m_timeModified = 1700000000 + i;
        requirement->m_createdRequirements = {quint32(5 + (i + 1) % kRequirements)};
        requirement->m_derivedFromRequirements = {quint32(5 + (i + kRequirements - 1) % kRequirements)};
        requirement->AddParameterValue(1).m_strText = QStringLiteral("Text %1").arg(i);
        requirement->AddParameterValue(2).m_dNumber = i * 0.25;
        requirement->AddParameterValue(3).m_nItem = i % 3;
        doc.m_requirements.Append(std::move(requirement));
    }
    for (int i = 0; i < kActors; ++i) {
        auto actor = doc.NewActor();
        actor->m_strTitle = QStringLiteral("Actor %1").arg(i);
        actor->m_nParentId = 1;
        doc.m_actors.Append(std::move(actor));
    }
    for (int i = 0; i < kUseCases; ++i) {
        auto useCase = doc.NewUseCase();
        useCase->m_strTitle = QStringLiteral("Use case %1").arg(i);
        useCase->m_nParentId = 1;
        useCase->m_derivedFromRequirements = {quint32(5 + i)};
        for (int s = 0; s < kStepsPerUseCase; ++s) {
            auto step = doc.NewStep(*useCase);
            step->m_strTitle = QStringLiteral("Step %1 of use case %2").arg(s).arg(i);
            step->m_strNumber = QString::number(s + 1);
            step->m_nActorId = 2 + s;
            step->m_stepRequirements = {quint32(5 + i * 10 + s)};
            useCase->m_steps.Append(std::move(step));
        }
        doc.m_useCases.Append(std::move(useCase));
    }
}

struct LargeProject {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("large.dvx"));
    QByteArray archive;

    LargeProject() {
        CReqDoc doc;
        Fill(doc);
        CReqDocFile file(doc);
        archive = file.StoreArchive();
        if (!file.SaveDocument(path).ok)
            std::abort();
    }
};

const LargeProject& Project() {
    static const LargeProject project;
    return project;
}

void ReportBytes(benchmark::State& state) {
    state.SetBytesProcessed(state.iterations() * Project().archive.size());
    state.counters["MB"] = double(Project().archive.size()) / 1e6;
}

void BM_OpenDocument(benchmark::State& state) {
    const QString& path = Project().path;
    for (auto _ : state) {
        CReqDoc doc;
        if (!CReqDocFile(doc).OpenDocument(path).ok)
            state.SkipWithError("the project did not open");
        benchmark::DoNotOptimize(doc.m_requirements.size());
    }
    ReportBytes(state);
}

void BM_SaveDocument(benchmark::State& state) {
    CReqDoc doc;
    CReqDocFile file(doc);
    file.OpenDocument(Project().path);
    const QString path = Project().dir.filePath(QStringLiteral("saved.dvx"));
    for (auto _ : state) {
        if (!file.SaveDocument(path).ok)
            state.SkipWithError("the project was not saved");
    }
    ReportBytes(state);
}

void BM_LoadArchive(benchmark::State& state) {
    for (auto _ : state) {
        CReqDoc doc;
        CReqDocFile(doc).LoadArchive(Project().archive);
        benchmark::DoNotOptimize(doc.m_requirements.size());
    }
    ReportBytes(state);
}

void BM_StoreArchive(benchmark::State& state) {
    CReqDoc doc;
    CReqDocFile file(doc);
    file.OpenDocument(Project().path);
    for (auto _ : state)
        benchmark::DoNotOptimize(file.StoreArchive().size());
    ReportBytes(state);
}

void BM_ReadPlainGsf(benchmark::State& state) {
    const QByteArray path = QFile::encodeName(Project().path);
    QByteArray buffer(Project().archive.size(), Qt::Uninitialized);
    for (auto _ : state) {
        GsfInput* input = gsf_input_stdio_new(path.constData(), nullptr);
        GsfInfile* root = gsf_infile_msole_new(input, nullptr);
        GsfInput* stream = gsf_infile_child_by_name(root, "Contents");
        if (!gsf_input_read(stream, buffer.size(), reinterpret_cast<guint8*>(buffer.data())))
            state.SkipWithError("libgsf could not read the stream");
        g_object_unref(stream);
        g_object_unref(root);
        g_object_unref(input);
    }
    ReportBytes(state);
}

// Peak resident memory of one open (the kernel's high-water mark, reset before) beside the heap
// bytes the loaded document holds afterwards.
void BM_OpenDocumentMemory(benchmark::State& state) {
    const QString& path = Project().path;
    for (auto _ : state) {
        malloc_trim(0);
        std::ofstream("/proc/self/clear_refs") << "5";
        const long rssBefore = StatusKilobytes("VmRSS:");
        const std::size_t heapBefore = mallinfo2().uordblks;
        CReqDoc doc;
        CReqDocFile(doc).OpenDocument(path);
        const std::size_t heapAfter = mallinfo2().uordblks;
        const long peak = StatusKilobytes("VmHWM:") - rssBefore;
        state.counters["objects_MB"] = double(heapAfter - heapBefore) / 1e6;
        state.counters["peak_MB"] = double(peak) * 1024 / 1e6;
        state.counters["peak_per_objects"] = double(peak) * 1024 / double(heapAfter - heapBefore);
    }
}

// The dump of the loaded project, written as it goes to a device that takes everything.
void BM_Dump(benchmark::State& state) {
    CReqDoc doc;
    CReqDocFile file(doc);
    file.OpenDocument(Project().path);
    QFile sink(QStringLiteral("/dev/null"));
    sink.open(QIODevice::WriteOnly);
    for (auto _ : state) {
        if (!ProjectDump::Write(sink, doc, file.FileFormat()))
            state.SkipWithError("the dump was not written");
    }
    ReportBytes(state);
}

// Peak resident memory above what was resident before, of one run of work.
template <typename Work>
double PeakMegabytes(Work&& work) {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    const long rssBefore = StatusKilobytes("VmRSS:");
    work();
    return double(StatusKilobytes("VmHWM:") - rssBefore) * 1024 / 1e6;
}

// The command-line dump (open, then dump) beside the command-line resave (open, then save).
void BM_DumpPeakMemory(benchmark::State& state) {
    const QString& path = Project().path;
    const QString copy = Project().dir.filePath(QStringLiteral("resaved.dvx"));
    for (auto _ : state) {
        const double dump = PeakMegabytes([&] {
            CReqDoc doc;
            CReqDocFile file(doc);
            file.OpenDocument(path);
            QFile sink(QStringLiteral("/dev/null"));
            sink.open(QIODevice::WriteOnly);
            ProjectDump::Write(sink, doc, file.FileFormat());
        });
        const double resave = PeakMegabytes([&] {
            CReqDoc doc;
            CReqDocFile file(doc);
            file.OpenDocument(path);
            file.SaveDocument(copy);
        });
        state.counters["dump_peak_MB"] = dump;
        state.counters["resave_peak_MB"] = resave;
        state.counters["dump_per_resave"] = dump / resave;
    }
}

}  // namespace

BENCHMARK(BM_Dump)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DumpPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_OpenDocument)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadArchive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreArchive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadPlainGsf)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenDocumentMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
