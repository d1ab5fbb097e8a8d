#include "document/CFileException.h"
#include "document/CLinkedStorage.h"
#include "document/CompoundFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray FileBytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A bare archive is only read; it becomes a compound file when the project is written back.
TEST(CLinkedStorage, PlainArchiveBecomesACompoundFileWhenWritten) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("linked.dvx"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(DV_FIXTURES_DIR "/default-raw.dvx"), path));
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray archive = raw.readAll();

    const CLinkedStorage storage(path);
    bool compound = true;
    EXPECT_EQ(storage.ReadContents(&compound), archive);
    EXPECT_FALSE(compound);
    EXPECT_FALSE(storage.IsReadOnly());
    EXPECT_EQ(FileBytesOf(path), archive);

    storage.WriteContents("rewritten");
    EXPECT_EQ(storage.ReadContents(&compound), QByteArray("rewritten"));
    EXPECT_TRUE(compound);
}

TEST(CLinkedStorage, ReadOnlyFileOpensForReadingOnly) {
    const CLinkedStorage storage(QStringLiteral(DV_FIXTURES_DIR "/default.dvx"));
    if (!storage.IsReadOnly())
        GTEST_SKIP() << "the fixtures are writable here";
    EXPECT_EQ(storage.ReadContents().size(), 2286);
    EXPECT_THROW(storage.WriteContents("x"), CFileException);
}

// A compound file without "Contents" is another program's document, not an empty project.
TEST(CLinkedStorage, CompoundFileWithoutContentsIsRefused) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("linked.dvx"));
    CompoundFile::WriteContentsStream(path, "x");
    QByteArray bytes = FileBytesOf(path);
    const QByteArray name(reinterpret_cast<const char*>(u"Contents"), 16);
    ASSERT_EQ(bytes.count(name), 1);
    bytes.replace(name, QByteArray(reinterpret_cast<const char*>(u"Other123"), 16));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
    file.close();

    const CLinkedStorage storage(path);
    EXPECT_THROW(storage.ReadContents(), CFileException);
    EXPECT_EQ(FileBytesOf(path), bytes);
}

TEST(CLinkedStorage, MissingFileFails) {
    EXPECT_THROW(CLinkedStorage(QStringLiteral("/nonexistent/linked.dvx")).ReadContents(), CFileException);
}

}  // namespace
