#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

// The project file on disk: a compound file whose root storage holds the archive as the stream
// "Contents". This is the only place that knows the compound-file library. Failures throw
// CFileException with a reason that names the file.
namespace CompoundFile {

// The archive bytes of the file at path: its "Contents" stream (other streams and storages are
// ignored), or the whole file when it is not a compound file. wasCompound, when given, tells which.
QByteArray ReadContentsStream(const QString& path, bool* wasCompound = nullptr);

// The same for a file held in memory as fileImage; displayName names it in the reasons.
QByteArray ReadContents(QByteArrayView fileImage, const QString& displayName, bool* wasCompound = nullptr);

// Replaces the file at path by a compound file holding contents as its "Contents" stream. The new
// file is written completely beside the old one and renamed over it, so that a failed save leaves
// the old file as it was.
void WriteContentsStream(const QString& path, QByteArrayView contents);

// One named stream of the root storage.
struct Stream {
    const char* name;
    QByteArrayView bytes;
};

// The stream of that name (in any letter case) of the compound file at path; throws when the file is
// no compound file or has no such stream.
QByteArray ReadStream(const QString& path, const char* streamName);

// Replaces the file at path by a compound file holding the streams, in the same safe way.
void WriteStreams(const QString& path, const std::vector<Stream>& streams);

}  // namespace CompoundFile
