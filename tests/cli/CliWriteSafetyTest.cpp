#include "CliSupport.h"

#include "document/CReqDoc.h"
#include "document/CReqDocFile.h"
#include "model/StringIds.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QLockFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <csignal>
#include <memory>

namespace {

// Makes the tool's writes past limit bytes of a file fail, as on a full disk.
std::function<void()> FileSizeLimit(rlim_t limit) {
    return [limit] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limited{limit, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limited);
    };
}

class CliWriteSafety : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(RunCli({QStringLiteral("new"), m_path}).exitCode, 0); }

    QStringList SetTitle(const QString& id, const QString& title) const {
        return {QStringLiteral("set"),        m_path, QStringLiteral("requirement"), id,
                QString::number(FIELD_TITLE), title};
    }

    QTemporaryDir m_dir;
    const QString m_path = m_dir.filePath(QStringLiteral("project.dvx"));
};

// A full disk during the save: exit code 2 with the reason, and the old file as it was.
TEST_F(CliWriteSafety, WriteErrorExitsWithTwoAndKeepsTheFile) {
    const QByteArray before = FileBytes(m_path);
    const CliRun run = RunCli(SetTitle(QStringLiteral("2"), QStringLiteral("Market")), FileSizeLimit(1024));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("Failed to save document.\n"))) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(FileBytes(m_path), before);
}

// Concurrent edits of one file take turns: every one of them is in the file afterwards.
TEST_F(CliWriteSafety, ConcurrentEditsAreAllKept) {
    const QStringList ids{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")};
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int round = 0; round < 2; ++round)
        for (const QString& id : ids) {
            runs.push_back(std::make_unique<QProcess>());
            StartCli(*runs.back(), SetTitle(id, QStringLiteral("Edit %1.%2").arg(id).arg(round)));
        }
    for (const auto& process : runs) {
        const CliRun run = FinishCli(*process);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out.trimmed(), QStringLiteral("changed"));
    }
    const QJsonArray requirements = DumpOf(m_path)["m_requirements"].toArray();
    for (const QString& id : ids) {
        const QJsonObject requirement = requirements[id.toInt() - 1].toObject();
        EXPECT_TRUE(requirement["m_strTitle"].toString().startsWith(QStringLiteral("Edit %1.").arg(id)));
        EXPECT_EQ(requirement["m_version"].toObject()["nCount"].toInt(), 2) << id.toStdString();
    }
}

// A file that another program holds stays as it is; the tool gives up after a while and says why.
TEST_F(CliWriteSafety, LockHeldElsewhereExitsWithTwo) {
    QLockFile lock(m_dir.filePath(QStringLiteral(".project.dvx.lock")));
    ASSERT_TRUE(lock.tryLock(0));
    const QByteArray before = FileBytes(m_path);
    const CliRun run = RunCli(SetTitle(QStringLiteral("2"), QStringLiteral("Market")));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("Failed to save document.\n\"%1\" is in use by process %2")
                                       .arg(m_path)
                                       .arg(QCoreApplication::applicationPid())))
        << run.err.toStdString();
    EXPECT_EQ(FileBytes(m_path), before);
}

// The edit of a linked container lands in the linked file; when that cannot be written, the edit
// is lost, and the tool says so although the small container itself was written.
TEST_F(CliWriteSafety, FailedLinkedSaveExitsWithTwo) {
    const QString linked = m_dir.filePath(QStringLiteral("linked.dvx"));
    const QString container = m_dir.filePath(QStringLiteral("container.dvx"));
    {
        CReqDoc project;
        project.CreateDefaultContent();
        for (int i = 0; i < 2000; ++i) {
            auto requirement = std::make_unique<Requirement>(++project.m_nLastRequirementId);
            requirement->m_strTitle = QStringLiteral("A requirement that makes the linked file large");
            project.m_requirements.Append(std::move(requirement));
        }
        ASSERT_TRUE(CReqDocFile(project).SaveDocument(linked).ok);
        CReqDoc doc;
        CReqDocFile file(doc);
        ASSERT_TRUE(file.OpenLinkedProject(linked, true));
        doc.m_bLinked = true;
        doc.m_strLinkedPath = QStringLiteral("linked.dvx");
        ASSERT_TRUE(file.SaveDocument(container).ok);
    }
    const QByteArray before = FileBytes(linked);
    ASSERT_GT(before.size(), 64 * 1024);
    const CliRun run = RunCli({QStringLiteral("set"), container, QStringLiteral("requirement"),
                               QStringLiteral("2"), QString::number(FIELD_TITLE), QStringLiteral("Market")},
                              FileSizeLimit(64 * 1024));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("Failed to save document.\n\"%1\"").arg(linked)))
        << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(FileBytes(linked), before);
}

}  // namespace
