#include "document/DVAtomicFile.h"

#include "document/CFileException.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <utility>

namespace {

QString Quoted(const QString& path) {
    return QLatin1Char('"') + path + QLatin1Char('"');
}

// The mode a file created by open() would get: 0666 less the process's umask.
mode_t DefaultMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The new file beside the target; closes and removes it unless Release() was called.
class TemporaryFile {
public:
    explicit TemporaryFile(const QString& target) {
        const QFileInfo info(target);
        m_name = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                                   QStringLiteral(".XXXXXX"));
        m_fd = ::mkostemp(m_name.data(), O_CLOEXEC);
    }
    ~TemporaryFile() {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_name.isEmpty())
            ::unlink(m_name.constData());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int Descriptor() const { return m_fd; }
    const QByteArray& Name() const { return m_name; }

    // Closes the file; false with errno set when the close reports a deferred write error.
    bool Close() {
        const int fd = std::exchange(m_fd, -1);
        return ::close(fd) == 0;
    }
    // The file was renamed into place and is no longer ours to remove.
    void Release() { m_name.clear(); }

private:
    QByteArray m_name;
    int m_fd = -1;
};

bool WriteAll(int fd, QByteArrayView bytes) {
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// The file that is really replaced: the target of a symbolic link, or path itself.
QString ResolvedTarget(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString target = info.symLinkTarget();
    return target.isEmpty() ? path : target;
}

// Makes the rename durable; file systems that cannot sync a directory are not an error.
void SyncFolder(const QByteArray& file) {
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(file)).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

namespace DVAtomicFile {

[[noreturn]] void ThrowSystemError(const QString& path, int error) {
    const bool denied = error == EACCES || error == EPERM || error == EROFS;
    throw CFileException(denied ? CFileException::accessDenied : CFileException::writeFailed,
                         QStringLiteral("%1 cannot be written: %2.")
                             .arg(Quoted(path), QString::fromLocal8Bit(std::strerror(error))));
}

void Write(int fd, const QString& path, QByteArrayView bytes) {
    if (!WriteAll(fd, bytes))
        ThrowSystemError(path, errno);
}

void Replace(const QString& path, QByteArrayView contents) {
    Replace(path, [&](int fd) { Write(fd, path, contents); });
}

void Replace(const QString& path, const std::function<void(int fd)>& write) {
    const QString target = ResolvedTarget(path);
    const QByteArray targetName = QFile::encodeName(target);
    struct stat existing {};
    const bool exists = ::stat(targetName.constData(), &existing) == 0;
    if (!exists && errno != ENOENT)
        ThrowSystemError(path, errno);
    // Replacing a pipe or a device by a regular file would break whatever relies on it.
    if (exists && !S_ISREG(existing.st_mode))
        throw CFileException(
            CFileException::notAFile,
            QStringLiteral("%1 is not a regular file and cannot be replaced.").arg(Quoted(path)));

    TemporaryFile file(target);
    if (file.Descriptor() < 0)
        ThrowSystemError(path, errno);
    const mode_t mode = exists ? (existing.st_mode & 07777) : DefaultMode();
    if (::fchmod(file.Descriptor(), mode) != 0)
        ThrowSystemError(path, errno);
    write(file.Descriptor());
    if (::fsync(file.Descriptor()) != 0 || !file.Close())
        ThrowSystemError(path, errno);
    // Keeping the owner needs privileges; without them the new file belongs to the writer.
    if (exists && (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid())) {
        [[maybe_unused]] const int ignored =
            ::chown(file.Name().constData(), existing.st_uid, existing.st_gid);
    }
    if (::rename(file.Name().constData(), targetName.constData()) != 0)
        ThrowSystemError(path, errno);
    file.Release();
    SyncFolder(targetName);
}

}  // namespace DVAtomicFile
