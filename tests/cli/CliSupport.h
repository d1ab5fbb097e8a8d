#pragma once

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Starts dovalintra-cli; childSetup runs in the child before it executes (to limit it, say).
inline void StartCli(QProcess& process, const QStringList& arguments,
                     const std::function<void()>& childSetup = {}) {
    if (childSetup)
        process.setChildProcessModifier(childSetup);
    process.start(QStringLiteral(DV_CLI_PATH), arguments);
}

inline CliRun FinishCli(QProcess& process) {
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

inline CliRun RunCli(const QStringList& arguments, const std::function<void()>& childSetup = {}) {
    QProcess process;
    StartCli(process, arguments, childSetup);
    return FinishCli(process);
}

inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QJsonObject DumpOf(const QString& path) {
    const CliRun run = RunCli({QStringLiteral("dump"), path});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}
