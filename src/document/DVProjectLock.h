#pragma once

#include <QLockFile>
#include <QString>

#include <chrono>

// An advisory lock of a project file, held while a program reads, changes and writes it back (the
// command-line tool) or keeps it open (the application). The lock file lies beside the project as
// ".NAME.lock"; a lock left behind by a process that no longer runs is taken over.
class DVProjectLock {
public:
    enum class Result { locked, heldElsewhere, unavailable };

    explicit DVProjectLock(const QString& projectPath);

    // Waits up to timeout for the lock. unavailable: no lock file can be made there (a read-only
    // folder, say), which is no reason to stop: writing there fails with its own reason.
    Result Lock(std::chrono::milliseconds timeout);

    // Who holds the lock, for messages: "process 42 on host", or "another program" when unknown.
    QString Holder() const;

private:
    QLockFile m_lock;
};
