#include "ProjectFileSupport.h"

#include "document/CArchiveReader.h"
#include "document/CArchiveWriter.h"
#include "document/DVFileError.h"
#include "document/ProjectRecords.h"
#include "model/CActor.h"
#include "model/CStep.h"
#include "model/DVParameter.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>

#include <functional>

namespace {

class BadInput : public testing::Test {
protected:
    QString Path(const QString& name) const { return m_dir.filePath(name); }

    // Opens the file into a document that held a project; a failure must leave it empty.
    DVFileResult Open(const QString& path) {
        m_project.doc.DeleteContents();
        m_project.doc.CreateDefaultContent();
        const DVFileResult result = m_project.file.OpenDocument(path);
        if (!result.ok) {
            EXPECT_EQ(result.headline, QString::fromLatin1(kDVFailedToOpenDocument));
            EXPECT_FALSE(result.reason.isEmpty());
            const CReqDoc& doc = m_project.doc;
            EXPECT_TRUE(doc.m_requirements.empty() && doc.m_actors.empty() && doc.m_useCases.empty() &&
                        doc.m_parameters.empty() && doc.m_colsRequirements.m_fieldIds.empty());
            EXPECT_FALSE(doc.m_bLinked);
        }
        return result;
    }

    QTemporaryDir m_dir;
    OpenedProject m_project;
    const QByteArray m_archive = FileBytes(Fixture(QStringLiteral("default-raw.dvx")));
};

TEST_F(BadInput, TruncatedArchiveFailsAtEveryLength) {
    const QString path = Path(QStringLiteral("truncated.dvx"));
    for (qsizetype length = 0; length < m_archive.size(); ++length) {
        WriteFile(path, m_archive.left(length));
        ASSERT_FALSE(Open(path).ok) << length;
    }
    WriteFile(path, m_archive);
    EXPECT_TRUE(Open(path).ok);
}

// Counts and lengths far beyond what the file holds fail before anything is allocated for them.
TEST_F(BadInput, ImpossibleCountsAndLengthsFail) {
    // Offsets in the default archive of the project name's length and of the parameter count; the
    // requirement count follows eight bytes later.
    const qsizetype nameLength = 22;
    const qsizetype parameterCount = 76;
    const struct {
        qsizetype offset;
        QByteArray bytes;
    } cases[] = {
        {nameLength, QByteArray::fromHex("ffffffffffff7f")},
        {nameLength, QByteArray::fromHex("ffffffffffffffffffffffffffff7f")},
        {parameterCount, QByteArray::fromHex("ffffff7f")},
        {parameterCount, QByteArray::fromHex("ffffffff")},
        {parameterCount + 8, QByteArray::fromHex("ffffff7f")},
        {parameterCount + 8, QByteArray::fromHex("00000080")},
    };
    const QString path = Path(QStringLiteral("counts.dvx"));
    for (const auto& c : cases) {
        QByteArray archive = m_archive;
        archive.replace(c.offset, c.bytes.size(), c.bytes);
        WriteFile(path, archive);
        EXPECT_FALSE(Open(path).ok) << c.offset << " " << c.bytes.toHex().constData();
    }
}

template <typename T>
QByteArray Record(const T& object) {
    CArchiveWriter out;
    ProjectRecords::Store(out, object);
    return out.TakeBytes();
}

// Bytes in memory that a container holds room for.
template <typename Container>
qsizetype Reserved(const Container& container) {
    return qsizetype(container.capacity() * sizeof(typename Container::value_type));
}

// A count as large as the rest of the archive allows for the smallest elements, before bytes that fail
// the first element or so: the load fails having reserved no more memory than the archive's size,
// however much larger its elements are in memory than in the file.
TEST(LyingCounts, ReserveNoMoreThanTheArchiveHolds) {
    const struct {
        const char* what;
        QByteArray record;
        // Where the count lies, from the record's end.
        qsizetype countFromEnd;
        int minElementSize;
        // Loads the archive and returns what the counted container reserved.
        std::function<qsizetype(CArchiveReader&)> load;
    } cases[] = {
        {"parameter items", Record(DVParameter()), 4, 1,
         [](CArchiveReader& in) {
             DVParameter parameter;
             EXPECT_ANY_THROW(ProjectRecords::Load(in, parameter));
             return Reserved(parameter.m_items);
         }},
        // An empty step ends with its input-value and output-value counts and two empty id arrays.
        {"step input values", Record(CStep()), 12, ProjectRecords::kMinParameterValue,
         [](CArchiveReader& in) {
             CStep step;
             EXPECT_ANY_THROW(ProjectRecords::Load(in, step));
             return Reserved(step.m_inputValues);
         }},
        {"step output values", Record(CStep()), 8, ProjectRecords::kMinParameterValue,
         [](CArchiveReader& in) {
             CStep step;
             EXPECT_ANY_THROW(ProjectRecords::Load(in, step));
             return Reserved(step.m_outputValues);
         }},
        // An empty actor ends with its function and parameter counts.
        {"actor functions", Record(CActor()), 8, ProjectRecords::kMinFunction,
         [](CArchiveReader& in) {
             CActor actor;
             EXPECT_ANY_THROW(ProjectRecords::Load(in, actor));
             return Reserved(actor.m_functions);
         }},
        {"actor parameters", Record(CActor()), 4, ProjectRecords::kMinParameter,
         [](CArchiveReader& in) {
             CActor actor;
             EXPECT_ANY_THROW(ProjectRecords::Load(in, actor));
             return Reserved(actor.m_actorParameters);
         }},
        {"user definitions", Record(std::vector<DV_UserDefinition>()), 4, ProjectRecords::kMinUserDefinition,
         [](CArchiveReader& in) {
             std::vector<DV_UserDefinition> definitions;
             EXPECT_ANY_THROW(ProjectRecords::Load(in, definitions));
             return Reserved(definitions);
         }},
    };
    // 0xFF bytes make every string length too large.
    const QByteArray failing(64 * 1024, '\xFF');
    for (const auto& c : cases) {
        QByteArray archive = c.record + failing;
        const qsizetype countAt = c.record.size() - c.countFromEnd;
        const qint32 count = qint32((archive.size() - countAt - 4) / c.minElementSize);
        qToLittleEndian(count, archive.data() + countAt);
        CArchiveReader in(archive.constData(), archive.size());
        EXPECT_LE(c.load(in), archive.size()) << c.what;
    }
}

TEST_F(BadInput, RandomCorruptionNeverCrashes) {
    ASSERT_FALSE(m_archive.isEmpty());
    QRandomGenerator random(20240611);
    const QString path = Path(QStringLiteral("corrupt.dvx"));
    for (int round = 0; round < 300; ++round) {
        QByteArray archive = m_archive;
        for (int flips = 1 + round % 8; flips > 0; --flips)
            archive[random.bounded(int(archive.size()))] = char(random.bounded(256));
        WriteFile(path, archive);
        Open(path);
    }
}

TEST_F(BadInput, UnusableFilesFail) {
    WriteFile(Path(QStringLiteral("empty.dvx")), QByteArray());
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.dvx")));
    // A compound file whose only stream has another name.
    CompoundFile::WriteContentsStream(Path(QStringLiteral("written.dvx")), m_archive);
    QByteArray renamed = FileBytes(Path(QStringLiteral("written.dvx")));
    renamed.replace(QByteArray(reinterpret_cast<const char*>(u"Contents"), 16),
                    QByteArray(reinterpret_cast<const char*>(u"Contentz"), 16));
    WriteFile(Path(QStringLiteral("nocontents.dvx")), renamed);
    for (const char* name : {"missing.dvx", "empty.dvx", "folder.dvx", "nocontents.dvx"})
        EXPECT_FALSE(Open(Path(QLatin1String(name))).ok) << name;
}

}  // namespace
