#include "document/DVProjectLock.h"

#include <QFileInfo>

namespace {
QString LockFilePath(const QString& projectPath) {
    const QFileInfo info(projectPath);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".lock");
}
}  // namespace

DVProjectLock::DVProjectLock(const QString& projectPath) : m_lock(LockFilePath(projectPath)) {
    // Held for as long as a project is open: only the death of its holder frees it.
    m_lock.setStaleLockTime(0);
}

DVProjectLock::Result DVProjectLock::Lock(std::chrono::milliseconds timeout) {
    if (m_lock.tryLock(timeout))
        return Result::locked;
    return m_lock.error() == QLockFile::LockFailedError ? Result::heldElsewhere : Result::unavailable;
}

QString DVProjectLock::Holder() const {
    qint64 pid = 0;
    QString host;
    QString application;
    if (!m_lock.getLockInfo(&pid, &host, &application))
        return QStringLiteral("another program");
    return QStringLiteral("process %1 on %2")
        .arg(pid)
        .arg(host.isEmpty() ? QStringLiteral("this computer") : host);
}
