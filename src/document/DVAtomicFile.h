#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

// Replaces a file by new contents so that the old file survives every failure: the bytes go to a new
// file beside it, every write, the flush to disk and the close are checked, and only a complete file
// is renamed over the old one. A symbolic link is followed and its target replaced.
//
// Hard links are not kept: the renamed file is a new inode, so other names of the old file go on
// showing the previous contents. Keeping them would mean rewriting the old file in place, which a
// failure half way would leave truncated.
namespace DVAtomicFile {

// Throws CFileException: notAFile when path names anything but a regular file (a directory, a pipe,
// a device), accessDenied or writeFailed with the system's reason otherwise.
void Replace(const QString& path, QByteArrayView contents);
// The same for contents that write puts into the new file, given as a descriptor at its start; write
// throws CFileException when it cannot finish.
void Replace(const QString& path, const std::function<void(int fd)>& write);

// Writes all bytes to the descriptor of the file at path; throws CFileException when it cannot.
void Write(int fd, const QString& path, QByteArrayView bytes);

// The exception for a failed system call on the file at path, with the system's reason.
[[noreturn]] void ThrowSystemError(const QString& path, int error);

}  // namespace DVAtomicFile
