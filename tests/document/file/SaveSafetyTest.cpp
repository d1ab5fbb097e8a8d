#include "ProjectFileSupport.h"

#include "document/DVFileError.h"
#include "support/DVTestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/stat.h>
#include <cerrno>
#include <csignal>
#include <cstring>

namespace {

// Makes every write past limit bytes of a file fail with EFBIG while it lives, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limited{limit, m_previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

void AddRequirements(CReqDoc& doc, int count) {
    for (int i = 0; i < count; ++i) {
        auto requirement = std::make_unique<Requirement>(doc.m_nLastRequirementId + 1);
        doc.m_nLastRequirementId = requirement->m_nId;
        requirement->m_strTitle = QStringLiteral("Requirement %1 with a title of some length").arg(i);
        doc.m_requirements.Append(std::move(requirement));
    }
}

class SaveSafety : public testing::Test {
protected:
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QStringList Entries() const {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir m_dir;
    MessageRecorder m_boxes;
};

// A write error, whether it comes with a write or only with the final flush of a small file, fails
// the save, names the cause and leaves the old file as it was.
TEST_F(SaveSafety, WriteErrorKeepsTheOldFile) {
    for (const int extra : {0, 5000}) {
        SCOPED_TRACE(extra);
        const QString path = Path(QStringLiteral("project.dvx"));
        OpenedProject project;
        project.doc.CreateDefaultContent();
        AddRequirements(project.doc, extra);
        ASSERT_TRUE(project.file.SaveDocument(path).ok);
        const QByteArray before = FileBytes(path);
        const QStringList entries = Entries();

        project.doc.m_requirements.at(0)->m_strTitle = QStringLiteral("Changed");
        project.doc.SetModifiedFlag(true);
        DVFileResult result;
        {
            const FileSizeLimit limit(rlim_t(before.size() / 2));
            result = project.file.SaveDocument(path);
        }
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.headline, QString::fromLatin1(kDVFailedToSaveDocument));
        EXPECT_TRUE(result.reason.contains(QString::fromLocal8Bit(std::strerror(EFBIG))))
            << result.reason.toStdString();
        EXPECT_TRUE(FileBytes(path) == before);
        EXPECT_EQ(Entries(), entries);
        EXPECT_TRUE(project.doc.IsModified());
    }
}

// Only regular files are replaced; a pipe or a device keeps what it is.
TEST_F(SaveSafety, SpecialFilesAreNotReplaced) {
    const QString fifo = Path(QStringLiteral("pipe.dvx"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    OpenedProject project;
    project.doc.CreateDefaultContent();
    for (const QString& target : {fifo, QStringLiteral("/dev/null"), m_dir.path()}) {
        SCOPED_TRACE(target.toStdString());
        const DVFileResult result = project.file.SaveDocument(target);
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(QFileInfo(target).isFile());
    }
    EXPECT_FALSE(project.file.OpenDocument(fifo).ok);
}

// Saving through a symbolic link replaces its target and keeps the link and the target's mode.
TEST_F(SaveSafety, LinkAndPermissionsAreKept) {
    const QString target = Path(QStringLiteral("target.dvx"));
    const QString link = Path(QStringLiteral("link.dvx"));
    OpenedProject project;
    project.doc.CreateDefaultContent();
    ASSERT_TRUE(project.file.SaveDocument(target).ok);
    ASSERT_EQ(chmod(QFile::encodeName(target).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(target, link));

    project.doc.m_requirements.at(0)->m_strTitle = QStringLiteral("Through the link");
    ASSERT_TRUE(project.file.SaveDocument(link).ok);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(target).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    OpenedProject reopened;
    ASSERT_TRUE(reopened.file.OpenDocument(target).ok);
    EXPECT_EQ(reopened.doc.m_requirements.at(0)->m_strTitle, QStringLiteral("Through the link"));
}

// The first line says what failed; the reason names the file and says what is wrong with it in
// words a user understands.
TEST_F(SaveSafety, FilesThatAreNoProjectsAreNamed) {
    const QByteArray archive = FileBytes(Fixture(QStringLiteral("default-raw.dvx")));
    const struct {
        const char* name;
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        {"empty.dvx", QByteArray(), "is not a project file."},
        {"text.dvx", QByteArray("Just some notes\nabout a project.\n"), "is not a project file."},
        {"truncated.dvx", archive.left(archive.size() / 2), "is damaged:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = Path(QLatin1String(c.name));
        WriteFile(path, c.bytes);
        OpenedProject project;
        const DVFileResult result = project.file.OpenDocument(path);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.headline, QString::fromLatin1(kDVFailedToOpenDocument));
        EXPECT_TRUE(result.reason.startsWith(u'"' + path + u'"')) << result.reason.toStdString();
        EXPECT_TRUE(result.reason.contains(QLatin1String(c.reason))) << result.reason.toStdString();
    }
}

}  // namespace
