#include "ProjectFileSupport.h"

#include "document/CArchiveReader.h"
#include "document/CArchiveWriter.h"
#include "document/ProjectRecords.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {

// The fixtures, with the overview choices they store before the load corrects them for the phases
// the project leaves out.
struct FixtureCase {
    const char* name;
    qint32 storedApprImpl;
    qint32 storedVerValid;
};
const FixtureCase kFixtures[] = {{"default", 3, 3}, {"sample", 4, 2}, {"old201", 1, 2}};

// What we write for a fixture's archive: the current version string and, for a "2.0.1" file, the
// value-name list it lacks.
QByteArray AsWrittenNow(QByteArray archive) {
    const QByteArray old(
        "2\0.\0"
        "0\0.\0"
        "1\0",
        10);
    if (archive.mid(4, 10) == old) {
        archive.replace(4, 10,
                        QByteArray("2\0.\0"
                                   "0\0.\0"
                                   "3\0",
                                   10));
        archive.append(QByteArray(4, '\0'));
    }
    return archive;
}

TEST(ProjectFile, FixturesDumpAsExpected) {
    for (const FixtureCase& c : kFixtures) {
        SCOPED_TRACE(c.name);
        OpenedProject project;
        const DVFileResult result = project.file.OpenDocument(Fixture(c.name + QStringLiteral(".dvx")));
        ASSERT_TRUE(result.ok) << result.Message().toStdString();
        const QJsonValue expected = ParseJson(FileBytes(Fixture(c.name + QStringLiteral(".expected.json"))));
        EXPECT_EQ(JsonDifference(ParseJson(project.Dump()), expected), QString());
    }
}

// Loading and storing keeps every byte but the corrected overview choices and the format upgrade.
TEST(ProjectFile, StoringALoadedFixtureGivesItsBytes) {
    for (const FixtureCase& c : kFixtures) {
        SCOPED_TRACE(c.name);
        const QString path = Fixture(c.name + QStringLiteral(".dvx"));
        OpenedProject project;
        ASSERT_TRUE(project.file.OpenDocument(path).ok);
        project.doc.m_nOverviewApprImpl = c.storedApprImpl;
        project.doc.m_nOverviewVerValid = c.storedVerValid;
        const QByteArray stored = project.file.StoreArchive();
        EXPECT_TRUE(stored == AsWrittenNow(CompoundFile::ReadContentsStream(path)));

        OpenedProject reloaded;
        reloaded.file.LoadArchive(stored);
        project.doc.AdjustPhaseSelection();
        EXPECT_EQ(JsonDifference(ParseJson(reloaded.Dump()),
                                 ParseJson(ProjectDump::Dump(project.doc, QStringLiteral("2.0.3")))),
                  QString());
    }
}

TEST(ProjectFile, NewProjectIsTheBareDefaultArchive) {
    CReqDoc doc;
    doc.CreateDefaultContent();
    EXPECT_TRUE(CReqDocFile(doc).StoreArchive() == FileBytes(Fixture(QStringLiteral("default-raw.dvx"))));
}

// An independent reader finds in our file exactly the archive we stored.
TEST(ProjectFile, OlefileReadsTheSavedArchive) {
    QTemporaryDir dir;
    OpenedProject project;
    ASSERT_TRUE(project.file.OpenDocument(Fixture(QStringLiteral("sample.dvx"))).ok);
    const QString path = dir.filePath(QStringLiteral("saved.dvx"));
    ASSERT_TRUE(project.file.SaveDocument(path).ok);
    const QString out = dir.filePath(QStringLiteral("contents.bin"));
    QProcess python;
    python.start(QStringLiteral(DV_OLEFILE_PYTHON), {QStringLiteral(DV_READ_CONTENTS_SCRIPT), path, out});
    ASSERT_TRUE(python.waitForFinished(60000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    EXPECT_TRUE(FileBytes(out) == project.file.StoreArchive());
}

// Record details that the fixtures may not show.
TEST(ProjectFile, RecordEdgeCases) {
    CArchiveWriter writer;
    ProjectRecords::Store(writer, DVParameterValue());
    EXPECT_EQ(writer.TakeBytes().toHex(), QByteArray("00000000"
                                                     "0000000000000000"
                                                     "fffeff00"
                                                     "ffffffff"));

    // A set without widths is written with -1 widths and reads back without widths.
    CDVColumn columns;
    columns.m_fieldIds = {407, 403};
    columns.m_flags = {1};
    ProjectRecords::Store(writer, columns);
    QByteArray bytes = writer.TakeBytes();
    EXPECT_EQ(bytes.toHex(), QByteArray("02000000"
                                        "97010000"
                                        "93010000"
                                        "ffffffff"
                                        "ffffffff"
                                        "0000"
                                        "0000"
                                        "00000000"
                                        "00"));
    CDVColumn read;
    CArchiveReader reader(bytes.constData(), bytes.size());
    ProjectRecords::Load(reader, read);
    EXPECT_EQ(read.m_fieldIds, columns.m_fieldIds);
    EXPECT_TRUE(read.m_widths.empty());
    EXPECT_EQ(read.m_flags, (std::vector<quint16>{0, 0}));

    // The parent identifier after the base record is the one that counts; phase kinds stay the owner's.
    Requirement requirement(7);
    requirement.m_nParentId = 3;
    ProjectRecords::Store(writer, requirement);
    bytes = writer.TakeBytes();
    // The second copy comes before type, linkage and two empty identifier arrays.
    const qsizetype secondCopy = bytes.size() - 16;
    ASSERT_EQ(bytes.mid(secondCopy, 4).toHex(), QByteArray("03000000"));
    bytes.replace(secondCopy, 4, QByteArray::fromHex("05000000"));
    Requirement loaded(0);
    CArchiveReader requirementReader(bytes.constData(), bytes.size());
    ProjectRecords::Load(requirementReader, loaded);
    EXPECT_TRUE(requirementReader.AtEnd());
    EXPECT_EQ(loaded.m_nId, 7);
    EXPECT_EQ(loaded.m_nParentId, 5);
    EXPECT_EQ(loaded.m_verification.m_nPhase, CDVDevelopmentStep::Verification);
    EXPECT_FALSE(loaded.m_pParameterValues.has_value());
}

// Field ids and flags are unsigned members: values with the top bit set are dumped as they are held.
TEST(ProjectFile, DumpKeepsUnsignedColumnValues) {
    CReqDoc doc;
    doc.m_colsSteps.AddColumn(0xFFFFFFFFu, 80, 0x8001);
    const QJsonObject steps =
        ParseJson(ProjectDump::Dump(doc, QStringLiteral("2.0.3"))).toObject().value("m_colsSteps").toObject();
    EXPECT_EQ(steps.value("m_fieldIds").toArray(), QJsonArray{qint64(0xFFFFFFFFu)});
    EXPECT_EQ(steps.value("m_flags").toArray(), QJsonArray{0x8001});
}

}  // namespace
