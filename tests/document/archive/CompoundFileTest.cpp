#include "document/CArchiveReader.h"
#include "document/CFileException.h"
#include "document/CompoundFile.h"
#include "document/CompoundFileScreen.h"

#include "CompoundImage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>
#include <csignal>

namespace {

QString Fixture(const char* name) {
    return QStringLiteral(DV_FIXTURES_DIR "/") + QLatin1String(name);
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

CFileException::Cause ReadFailure(const QString& path) {
    try {
        CompoundFile::ReadContentsStream(path);
    } catch (const CFileException& e) {
        EXPECT_TRUE(e.Reason().contains(path)) << e.what();
        return e.GetCause();
    }
    ADD_FAILURE() << "no exception for " << path.toStdString();
    return CFileException::writeFailed;
}

QByteArray SampleContents(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((i * 131) ^ (i >> 9));
    return bytes;
}

// Renames the stream "Contents" in the directory sector of a compound file.
QByteArray WithStreamName(QByteArray file, const QString& name) {
    const QByteArray from(reinterpret_cast<const char*>(u"Contents"), 16);
    const QByteArray to(reinterpret_cast<const char*>(name.utf16()), 16);
    EXPECT_EQ(file.count(from), 1);
    return file.replace(from, to);
}

QString DamagedReason(const QString& path) {
    return QStringLiteral("\"%1\" is damaged: its compound-file structure cannot be read.").arg(path);
}

class CompoundFileTest : public testing::Test {
protected:
    QString Path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
    QTemporaryDir m_dir;
};

TEST_F(CompoundFileTest, ReadsTheFixturesContents) {
    struct Case {
        const char* file;
        qsizetype size;
        const char* version;
    } cases[] = {
        {"default.dvx", 2286, "2.0.3"}, {"sample.dvx", 1330379, "2.0.3"}, {"old201.dvx", 534498, "2.0.1"}};
    for (const Case& c : cases) {
        bool compound = false;
        const QByteArray contents = CompoundFile::ReadContentsStream(Fixture(c.file), &compound);
        EXPECT_TRUE(compound) << c.file;
        ASSERT_EQ(contents.size(), c.size) << c.file;
        CArchiveReader reader(contents.constData(), contents.size());
        EXPECT_EQ(reader.ReadString(), QLatin1String(c.version)) << c.file;
    }
    EXPECT_EQ(CompoundFile::ReadContentsStream(Fixture("default.dvx")),
              FileBytes(Fixture("default-raw.dvx")));
}

TEST_F(CompoundFileTest, OtherFilesAreReadWhole) {
    WriteFile(Path("empty.dvx"), {});
    WriteFile(Path("text.dvx"), "\xD0\xCF\x11 not quite a compound file");
    for (const QString& path : {Fixture("default-raw.dvx"), Path("empty.dvx"), Path("text.dvx")}) {
        bool compound = true;
        EXPECT_EQ(CompoundFile::ReadContentsStream(path, &compound), FileBytes(path)) << path.toStdString();
        EXPECT_FALSE(compound);
    }
}

TEST_F(CompoundFileTest, ReadsFromMemoryAsFromDisk) {
    CompoundFile::WriteContentsStream(Path("written.dvx"), SampleContents(9000));
    for (const QString& path : {Fixture("default.dvx"), Fixture("sample.dvx"), Fixture("old201.dvx"),
                                Fixture("default-raw.dvx"), Path("written.dvx")}) {
        bool fromDisk = false;
        bool fromMemory = !fromDisk;
        EXPECT_EQ(CompoundFile::ReadContents(FileBytes(path), QStringLiteral("shown.dvx"), &fromMemory),
                  CompoundFile::ReadContentsStream(path, &fromDisk))
            << path.toStdString();
        EXPECT_EQ(fromMemory, fromDisk) << path.toStdString();
    }

    using namespace CompoundImage;
    QByteArray farDirectory = FileBytes(Fixture("default.dvx"));
    SetUInt32(farDirectory, kFirstDirectorySectorAt, 1000);
    // The image ends two bytes into its only table sector.
    QByteArray cutTable = Make(2, Shape::siblings, SampleContents(4096));
    const quint32 lastSector = quint32((cutTable.size() - 512) / 512 - 1);
    SetUInt32(cutTable, kHeaderFatListAt, lastSector);
    cutTable.truncate(SectorOffset(9, lastSector) + 2);
    testing::internal::CaptureStderr();
    for (const QByteArray& damaged : {farDirectory, cutTable}) {
        try {
            CompoundFile::ReadContents(damaged, QStringLiteral("shown.dvx"));
            ADD_FAILURE() << "damaged image accepted";
        } catch (const CFileException& e) {
            EXPECT_EQ(e.Reason(), DamagedReason(QStringLiteral("shown.dvx")));
        }
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

// Directories up to the screen's bound open, in both sector sizes and however deep.
TEST_F(CompoundFileTest, DirectoriesWithinTheBoundOpen) {
    using CompoundImage::Shape;
    const struct {
        int entries;
        Shape shape;
        int sectorShift;
    } cases[] = {
        {2, Shape::siblings, 9},
        {CompoundFileScreen::kMaxDirectoryEntries, Shape::siblings, 9},
        {CompoundFileScreen::kMaxDirectoryEntries, Shape::nested, 9},
        {2, Shape::siblings, 12},
        {CompoundFileScreen::kMaxDirectoryEntries, Shape::nested, 12},
    };
    const QByteArray contents = SampleContents(5000);
    for (const auto& c : cases) {
        WriteFile(Path("shaped.dvx"), CompoundImage::Make(c.entries, c.shape, contents, c.sectorShift));
        EXPECT_EQ(CompoundFile::ReadContentsStream(Path("shaped.dvx")), contents)
            << c.entries << " entries, sector shift " << c.sectorShift;
    }
}

// Structures that would make the library recurse through tens of thousands of entries, sort them for
// seconds, or put a bitmap of hundreds of megabytes on the stack, are refused before it reads them;
// so are chains that loop or lead nowhere. The reason is ours, not the library's.
TEST_F(CompoundFileTest, HostileStructuresAreRefused) {
    using namespace CompoundImage;
    const QByteArray contents = SampleContents(4096);
    const QByteArray small = Make(3, Shape::siblings, contents);
    const quint32 directory = UInt32(small, kFirstDirectorySectorAt);
    auto with = [&](qsizetype at, quint32 value) {
        QByteArray image = small;
        SetUInt32(image, at, value);
        return image;
    };
    auto withShift = [&](qsizetype at, quint16 shift) {
        QByteArray image = small;
        qToLittleEndian(shift, image.data() + at);
        return image;
    };
    const struct {
        const char* what;
        QByteArray image;
        qint64 sparseSize;
    } cases[] = {
        {"one entry too many", Make(CompoundFileScreen::kMaxDirectoryEntries + 1, Shape::siblings, contents),
         0},
        {"30000 streams", Make(30000, Shape::siblings, contents), 0},
        {"33000 nested storages", Make(33000, Shape::nested, contents), 0},
        {"directory chain loops", with(FatEntryOffset(9, directory), directory), 0},
        {"directory chain ends in a free sector", with(FatEntryOffset(9, directory), kFreeSector), 0},
        {"directory beyond the file", with(kFirstDirectorySectorAt, 5000), 0},
        {"no directory", with(kFirstDirectorySectorAt, kEndOfChain), 0},
        {"64 KiB sectors", withShift(kSectorShiftAt, 16), 0},
        {"32-byte mini sectors", withShift(kMiniSectorShiftAt, 5), 0},
        {"no allocation table", with(kFatSectorsAt, 0), 0},
        {"allocation table larger than the file", with(kFatSectorsAt, 1000), 0},
        {"allocation table beyond the file", with(kHeaderFatListAt, 5000), 0},
        {"stray table list sector", with(kDifatSectorsAt, 1), 0},
        {"300 MB file claiming 600000 table sectors", with(kFatSectorsAt, 600000), 300 << 20},
    };
    testing::internal::CaptureStderr();
    QElapsedTimer timer;
    timer.start();
    for (const auto& c : cases) {
        WriteFile(Path("hostile.dvx"), c.image);
        if (c.sparseSize > 0) {
            ASSERT_TRUE(QFile::resize(Path("hostile.dvx"), c.sparseSize));
        }
        try {
            CompoundFile::ReadContentsStream(Path("hostile.dvx"));
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const CFileException& e) {
            EXPECT_EQ(e.GetCause(), CFileException::corrupt) << c.what;
            EXPECT_EQ(e.Reason(), DamagedReason(Path("hostile.dvx"))) << c.what;
        }
    }
    // The library took seconds for the sibling case alone.
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(CompoundFileTest, StreamNameIgnoresCase) {
    CompoundFile::WriteContentsStream(Path("written.dvx"), "payload");
    WriteFile(Path("upper.dvx"), WithStreamName(FileBytes(Path("written.dvx")), QStringLiteral("CONTENTS")));
    EXPECT_EQ(CompoundFile::ReadContentsStream(Path("upper.dvx")), QByteArray("payload"));
}

TEST_F(CompoundFileTest, UnusableFilesAreRefused) {
    CompoundFile::WriteContentsStream(Path("written.dvx"), "payload");
    WriteFile(Path("nocontents.dvx"),
              WithStreamName(FileBytes(Path("written.dvx")), QStringLiteral("Contentz")));
    WriteFile(Path("garbage.dvx"), QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") + QByteArray(600, '\x5A'));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.dvx")));
    struct Case {
        QString path;
        CFileException::Cause cause;
    } cases[] = {
        {Path("missing.dvx"), CFileException::fileNotFound},
        {Path("folder.dvx"), CFileException::notAFile},
        {QStringLiteral("/dev/zero"), CFileException::notAFile},
        {Path("nocontents.dvx"), CFileException::missingContents},
        {Path("garbage.dvx"), CFileException::corrupt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadFailure(c.path), c.cause) << c.path.toStdString();
    try {
        CompoundFile::ReadContentsStream(Path("nocontents.dvx"));
    } catch (const CFileException& e) {
        EXPECT_EQ(e.Reason(), QStringLiteral("\"%1\" is not a project file.").arg(Path("nocontents.dvx")));
    }
}

TEST_F(CompoundFileTest, UnreadableFileIsRefused) {
    WriteFile(Path("locked.dvx"), "data");
    ASSERT_TRUE(QFile::setPermissions(Path("locked.dvx"), QFileDevice::WriteOwner));
    if (access(QFile::encodeName(Path("locked.dvx")).constData(), R_OK) == 0)
        GTEST_SKIP() << "this user can read any file";
    EXPECT_EQ(ReadFailure(Path("locked.dvx")), CFileException::accessDenied);
}

// A damaged compound file may fail to open, but never crashes or hangs the reader, and what the
// library has to say about it goes into the reason, not onto standard error.
TEST_F(CompoundFileTest, TruncatedAndDamagedCompoundFiles) {
    testing::internal::CaptureStderr();
    const QByteArray sample = FileBytes(Fixture("sample.dvx"));
    for (qsizetype length = 8; length < sample.size(); length = length * 3 / 2 + 511) {
        WriteFile(Path("cut.dvx"), sample.left(length));
        EXPECT_EQ(ReadFailure(Path("cut.dvx")), CFileException::corrupt) << length;
    }
    const QByteArray small = FileBytes(Fixture("default.dvx"));
    for (qsizetype at = 8; at < small.size(); at += 37) {
        QByteArray damaged = small;
        damaged[at] = char(~damaged[at]);
        WriteFile(Path("damaged.dvx"), damaged);
        try {
            CompoundFile::ReadContentsStream(Path("damaged.dvx"));
        } catch (const CFileException& e) {
            EXPECT_EQ(e.GetCause(), CFileException::corrupt) << at;
        }
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(CompoundFileTest, WriteReadRoundTrip) {
    for (qsizetype size : {0, 1, 4095, 4096, 200000}) {
        const QByteArray contents = SampleContents(size);
        CompoundFile::WriteContentsStream(Path("round.dvx"), contents);
        const QByteArray file = FileBytes(Path("round.dvx"));
        EXPECT_EQ(file.mid(0x1E, 2), QByteArray("\x09\x00", 2)) << "512-byte sectors";
        bool compound = false;
        EXPECT_EQ(CompoundFile::ReadContentsStream(Path("round.dvx"), &compound), contents) << size;
        EXPECT_TRUE(compound);
    }
}

TEST_F(CompoundFileTest, SaveReplacesAnExistingFile) {
    WriteFile(Path("project.dvx"), "old plain archive");
    CompoundFile::WriteContentsStream(Path("project.dvx"), "new");
    EXPECT_EQ(CompoundFile::ReadContentsStream(Path("project.dvx")), QByteArray("new"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("project.dvx")});
}

TEST_F(CompoundFileTest, FailedSaveLeavesTheOldFile) {
    CompoundFile::WriteContentsStream(Path("project.dvx"), "good project");
    const QByteArray before = FileBytes(Path("project.dvx"));

    // A file-size limit makes the write fail halfway, for root too.
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit limited = previous;
    limited.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    bool failed = false;
    try {
        CompoundFile::WriteContentsStream(Path("project.dvx"), SampleContents(1 << 20));
    } catch (const CFileException& e) {
        failed = true;
        EXPECT_TRUE(e.Reason().contains(Path("project.dvx"))) << e.what();
    }
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousSignal);

    EXPECT_TRUE(failed);
    EXPECT_EQ(FileBytes(Path("project.dvx")), before);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("project.dvx")});
    EXPECT_THROW(CompoundFile::WriteContentsStream(Path("missing/project.dvx"), "x"), CFileException);
}

}  // namespace
