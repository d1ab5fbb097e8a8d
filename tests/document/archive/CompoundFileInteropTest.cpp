#include "document/CompoundFile.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The stream "Contents" of the file as python3-olefile reads it.
QByteArray ContentsByOlefile(const QString& path, const QString& out) {
    QProcess python;
    python.start(QStringLiteral(DV_OLEFILE_PYTHON), {QStringLiteral(DV_READ_CONTENTS_SCRIPT), path, out});
    EXPECT_TRUE(python.waitForFinished(60000));
    EXPECT_EQ(python.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    QFile file(out);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// Sizes on both sides of the small-stream cutoff, and several sectors of FAT.
TEST(CompoundFileInterop, OlefileReadsWhatWeWrite) {
    QTemporaryDir dir;
    for (qsizetype size : {0, 3, 4095, 4096, 70000, 3000000}) {
        QByteArray contents(size, Qt::Uninitialized);
        for (qsizetype i = 0; i < size; ++i)
            contents[i] = char(i * 7 + i / 251);
        const QString path = dir.filePath(QStringLiteral("project.dvx"));
        CompoundFile::WriteContentsStream(path, contents);
        EXPECT_EQ(ContentsByOlefile(path, dir.filePath(QStringLiteral("out"))), contents) << size;
    }
}

TEST(CompoundFileInterop, WeReadWhatOlefileReads) {
    QTemporaryDir dir;
    for (const char* name : {"default.dvx", "sample.dvx", "old201.dvx"}) {
        const QString path = QStringLiteral(DV_FIXTURES_DIR "/") + QLatin1String(name);
        EXPECT_EQ(CompoundFile::ReadContentsStream(path),
                  ContentsByOlefile(path, dir.filePath(QStringLiteral("out"))))
            << name;
    }
}

}  // namespace
