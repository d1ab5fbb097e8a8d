#include "document/CFileException.h"
#include "document/CLinkedStorage.h"
#include "document/CompoundFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(CLinkedStorage, ConvertsAPlainArchiveInPlace) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("linked.dvx"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(DV_FIXTURES_DIR "/default-raw.dvx"), path));
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray archive = raw.readAll();

    const CLinkedStorage storage(path);
    bool compound = false;
    EXPECT_EQ(CompoundFile::ReadContentsStream(path, &compound), archive);
    EXPECT_TRUE(compound);
    EXPECT_FALSE(storage.IsReadOnly());
    EXPECT_EQ(storage.ReadContents(), archive);

    storage.WriteContents("rewritten");
    EXPECT_EQ(storage.ReadContents(), QByteArray("rewritten"));
}

TEST(CLinkedStorage, ReadOnlyFileOpensForReadingOnly) {
    const CLinkedStorage storage(QStringLiteral(DV_FIXTURES_DIR "/default.dvx"));
    if (!storage.IsReadOnly())
        GTEST_SKIP() << "the fixtures are writable here";
    EXPECT_EQ(storage.ReadContents().size(), 2286);
    EXPECT_THROW(storage.WriteContents("x"), CFileException);
}

TEST(CLinkedStorage, CompoundFileWithoutContentsHoldsAnEmptyProject) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("linked.dvx"));
    CompoundFile::WriteContentsStream(path, "x");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    const QByteArray name(reinterpret_cast<const char*>(u"Contents"), 16);
    ASSERT_EQ(bytes.count(name), 1);
    bytes.replace(name, QByteArray(reinterpret_cast<const char*>(u"Other123"), 16));
    ASSERT_TRUE(file.seek(0));
    ASSERT_EQ(file.write(bytes), bytes.size());
    file.close();

    const CLinkedStorage storage(path);
    EXPECT_TRUE(storage.ReadContents().isEmpty());
    storage.WriteContents("project");
    EXPECT_EQ(CompoundFile::ReadContentsStream(path), QByteArray("project"));
}

TEST(CLinkedStorage, MissingFileFails) {
    EXPECT_THROW(CLinkedStorage(QStringLiteral("/nonexistent/linked.dvx")), CFileException);
}

}  // namespace
