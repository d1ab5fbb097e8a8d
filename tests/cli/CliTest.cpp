#include "CliSupport.h"

#include "document/CReqDoc.h"
#include "document/CReqDocFile.h"
#include "model/StringIds.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class Cli : public testing::Test {
protected:
    QString Path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
    QTemporaryDir m_dir;
};

TEST_F(Cli, NewWritesTheDefaultProject) {
    ASSERT_EQ(RunCli({QStringLiteral("new"), Path("new.dvx")}).exitCode, 0);
    const QJsonObject fresh = DumpOf(Path("new.dvx"));
    const QJsonObject expected =
        QJsonDocument::fromJson(FileBytes(QStringLiteral(DV_FIXTURES_DIR "/default.expected.json"))).object();
    EXPECT_EQ(fresh, expected);
}

TEST_F(Cli, ResaveTurnsABareArchiveIntoAProjectFile) {
    const QString raw = QStringLiteral(DV_FIXTURES_DIR "/default-raw.dvx");
    ASSERT_EQ(RunCli({QStringLiteral("resave"), raw, QStringLiteral("-o"), Path("out.dvx")}).exitCode, 0);
    EXPECT_TRUE(FileBytes(Path("out.dvx")).startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"));
    EXPECT_EQ(DumpOf(Path("out.dvx")), DumpOf(raw));
}

TEST_F(Cli, SetChangesAFieldAndWritesOnlyThen) {
    const QString path = Path("project.dvx");
    ASSERT_EQ(RunCli({QStringLiteral("new"), path}).exitCode, 0);
    const QStringList set{QStringLiteral("set"),         path,
                          QStringLiteral("requirement"), QStringLiteral("2"),
                          QString::number(FIELD_TITLE),  QStringLiteral("Market")};
    CliRun run = RunCli(set);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.trimmed(), QStringLiteral("changed"));
    const QJsonObject requirement = DumpOf(path)["m_requirements"].toArray()[1].toObject();
    EXPECT_EQ(requirement["m_strTitle"].toString(), QStringLiteral("Market"));
    EXPECT_EQ(requirement["m_version"].toObject()["nCount"].toInt(), 1);

    const QByteArray before = FileBytes(path);
    run = RunCli(set + QStringList{QStringLiteral("-o"), Path("copy.dvx")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.trimmed(), QStringLiteral("unchanged"));
    EXPECT_FALSE(QFileInfo::exists(Path("copy.dvx")));
    EXPECT_EQ(FileBytes(path), before);
}

TEST_F(Cli, ExitCodes) {
    const QString path = Path("project.dvx");
    ASSERT_EQ(RunCli({QStringLiteral("new"), path}).exitCode, 0);
    QFile(Path("broken.dvx")).open(QIODevice::WriteOnly);
    const struct {
        QStringList arguments;
        int exitCode;
        const char* stderrStart;
    } cases[] = {
        {{QStringLiteral("--help")}, 0, ""},
        {{QStringLiteral("set"), QStringLiteral("--help")}, 0, ""},
        {{}, 1, "Usage"},
        {{QStringLiteral("frobnicate")}, 1, "Unknown command"},
        {{QStringLiteral("dump")}, 1, "Usage"},
        {{QStringLiteral("resave"), path, QStringLiteral("-o")}, 1, "Usage"},
        {{QStringLiteral("set"), path, QStringLiteral("requirement"), QStringLiteral("99"),
          QStringLiteral("407"), QStringLiteral("x")},
         1,
         "There is no requirement"},
        {{QStringLiteral("set"), path, QStringLiteral("step"), QStringLiteral("1"), QStringLiteral("407"),
          QStringLiteral("x")},
         1,
         "A step is named"},
        {{QStringLiteral("set"), path, QStringLiteral("widget"), QStringLiteral("1"), QStringLiteral("407"),
          QStringLiteral("x")},
         1,
         "Unknown family"},
        {{QStringLiteral("dump"), Path("missing.dvx")}, 2, "Failed to open document.\n"},
        {{QStringLiteral("dump"), Path("broken.dvx")}, 2, "Failed to open document.\n"},
        {{QStringLiteral("dump"), m_dir.path()}, 2, "Failed to open document.\n"},
        {{QStringLiteral("new"), Path("no/such/folder.dvx")}, 2, "Failed to save document.\n"},
        {{QStringLiteral("resave"), path, QStringLiteral("-o"), QStringLiteral("/dev/null")},
         2,
         "Failed to save document.\n"},
        // A text that is no value name of a choice, or no number in a number field, is refused.
        {{QStringLiteral("set"), path, QStringLiteral("requirement"), QStringLiteral("2"),
          QStringLiteral("404"), QStringLiteral("yes")},
         1,
         "\"yes\" is not a value of field 404"},
        {{QStringLiteral("set"), path, QStringLiteral("requirement"), QStringLiteral("2"),
          QStringLiteral("481"), QStringLiteral("two days")},
         1,
         "\"two days\" is not a number"},
        // Fields that no cell edits in place: the identifier, a link list.
        {{QStringLiteral("set"), path, QStringLiteral("requirement"), QStringLiteral("2"),
          QStringLiteral("402"), QStringLiteral("7")},
         1,
         "Field 402 cannot be edited in a cell"},
        {{QStringLiteral("set"), path, QStringLiteral("requirement"), QStringLiteral("2"),
          QStringLiteral("432"), QStringLiteral("1")},
         1,
         "Field 432 cannot be edited in a cell"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.err.left(qstrlen(c.stderrStart)) == QLatin1String(c.stderrStart))
            << c.arguments.join(u' ').toStdString() << ": " << run.err.toStdString();
        if (c.exitCode == 0) {
            EXPECT_TRUE(run.out.contains(QStringLiteral("Usage:")));
        }
    }
}

// A container whose linked file is gone: the question is printed as a JSON line and answered No.
TEST_F(Cli, MessageBoxesArePrintedAsJsonLines) {
    const QString linked = Path("linked.dvx");
    CReqDoc doc;
    doc.CreateDefaultContent();
    ASSERT_TRUE(CReqDocFile(doc).SaveDocument(linked).ok);
    CReqDoc container;
    CReqDocFile file(container);
    ASSERT_TRUE(file.OpenLinkedProject(linked, true));
    container.m_bLinked = true;
    container.m_strLinkedPath = linked;
    ASSERT_TRUE(file.SaveDocument(Path("container.dvx")).ok);
    ASSERT_TRUE(QFile::remove(linked));

    const CliRun run = RunCli({QStringLiteral("dump"), Path("container.dvx")});
    EXPECT_EQ(run.exitCode, 2);
    const QStringList lines = run.err.split(u'\n');
    ASSERT_GE(lines.size(), 2);
    const QJsonObject box = QJsonDocument::fromJson(lines[0].toUtf8()).object();
    EXPECT_EQ(box["box"].toString(),
              QStringLiteral("Error on opening %1.\n\nDo you want to link to another project?").arg(linked));
    EXPECT_EQ(box["icon"].toString(), QStringLiteral("warning"));
    EXPECT_EQ(box["buttons"].toString(), QStringLiteral("yesno"));
    EXPECT_EQ(box["answer"].toString(), QStringLiteral("no"));
    EXPECT_EQ(lines[1], QStringLiteral("Failed to open document."));
}

}  // namespace
