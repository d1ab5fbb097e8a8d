// Throughput of the project file's byte layer on an archive of about 50 MB.
#include "document/CArchiveReader.h"
#include "document/CArchiveWriter.h"
#include "document/CompoundFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <gsf/gsf.h>

namespace {

constexpr int kRecords = 210000;

// Records shaped like a project's objects: identifiers, texts of varying length, flags, times.
void WriteRecords(CArchiveWriter& writer) {
    const QString title = QStringLiteral("Requirement title with some words");
    const QString description =
        QStringLiteral("A longer description of the requirement, in a sentence or two.");
    for (int i = 0; i < kRecords; ++i) {
        writer.WriteInt32(i);
        writer.WriteInt32(i - 1);
        writer.WriteString(title);
        writer.WriteString(description);
        writer.WriteBool(i % 2);
        writer.WriteTime(1700000000 + i);
        writer.WriteDouble(i * 0.5);
        writer.WriteIdArray({quint32(i), quint32(i + 1)});
    }
}

const QByteArray& Archive() {
    static const QByteArray archive = [] {
        CArchiveWriter writer;
        WriteRecords(writer);
        return writer.TakeBytes();
    }();
    return archive;
}

const QString& CompoundPath() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("large.dvx"));
        CompoundFile::WriteContentsStream(file, Archive());
        return file;
    }();
    return path;
}

void ReportBytes(benchmark::State& state) {
    state.SetBytesProcessed(state.iterations() * Archive().size());
    state.counters["MB"] = double(Archive().size()) / 1e6;
}

void BM_WriteArchive(benchmark::State& state) {
    for (auto _ : state) {
        CArchiveWriter writer;
        WriteRecords(writer);
        benchmark::DoNotOptimize(writer.TakeBytes().data());
    }
    ReportBytes(state);
}

void BM_ReadArchive(benchmark::State& state) {
    const QByteArray& archive = Archive();
    for (auto _ : state) {
        CArchiveReader reader(archive.constData(), archive.size());
        for (int i = 0; i < kRecords; ++i) {
            benchmark::DoNotOptimize(reader.ReadInt32());
            benchmark::DoNotOptimize(reader.ReadInt32());
            benchmark::DoNotOptimize(reader.ReadString());
            benchmark::DoNotOptimize(reader.ReadString());
            benchmark::DoNotOptimize(reader.ReadBool());
            benchmark::DoNotOptimize(reader.ReadTime());
            benchmark::DoNotOptimize(reader.ReadDouble());
            benchmark::DoNotOptimize(reader.ReadIdArray());
        }
    }
    ReportBytes(state);
}

void BM_WriteCompoundFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("save.dvx"));
    for (auto _ : state)
        CompoundFile::WriteContentsStream(path, Archive());
    ReportBytes(state);
}

void BM_ReadCompoundFile(benchmark::State& state) {
    const QString& path = CompoundPath();
    for (auto _ : state)
        benchmark::DoNotOptimize(CompoundFile::ReadContentsStream(path).data());
    ReportBytes(state);
}

// The library on its own, reading the same stream from the file: the yardstick for the one above.
void BM_ReadPlainGsf(benchmark::State& state) {
    const QByteArray path = QFile::encodeName(CompoundPath());
    for (auto _ : state) {
        QByteArray buffer(Archive().size(), Qt::Uninitialized);
        GsfInput* input = gsf_input_stdio_new(path.constData(), nullptr);
        GsfInfile* root = gsf_infile_msole_new(input, nullptr);
        GsfInput* stream = gsf_infile_child_by_name(root, "Contents");
        const bool read = gsf_input_read(stream, buffer.size(), reinterpret_cast<guint8*>(buffer.data()));
        g_object_unref(stream);
        g_object_unref(root);
        g_object_unref(input);
        if (!read)
            state.SkipWithError("libgsf could not read the stream");
        benchmark::DoNotOptimize(buffer.data());
    }
    ReportBytes(state);
}

BENCHMARK(BM_WriteArchive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadArchive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteCompoundFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadCompoundFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadPlainGsf)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
