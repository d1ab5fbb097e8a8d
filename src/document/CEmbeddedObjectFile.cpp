#include "document/CEmbeddedObjectFile.h"

#include "document/CFileException.h"
#include "document/CompoundFile.h"

#include <QtEndian>

namespace {

constexpr qint32 kSmallestReportedSide = 3000;

// A stream the object may lack: a container that inserted a new object has no picture yet.
QByteArray OptionalStream(const QString& path, const char* name) {
    try {
        return CompoundFile::ReadStream(path, name);
    } catch (const CFileException& e) {
        if (e.GetCause() == CFileException::missingContents)
            return {};
        throw;
    }
}

}  // namespace

CEmbeddedObjectFile CEmbeddedObjectFile::Read(const QString& path) {
    CEmbeddedObjectFile object;
    bool compound = false;
    object.contents = CompoundFile::ReadContentsStream(path, &compound);
    if (!compound)
        return object;
    object.picture = OptionalStream(path, PictureStream);
    const QByteArray extent = OptionalStream(path, ExtentStream);
    if (extent.size() == 8) {
        object.extent.cx = qFromLittleEndian<qint32>(extent.constData());
        object.extent.cy = qFromLittleEndian<qint32>(extent.constData() + 4);
    }
    return object;
}

void CEmbeddedObjectFile::Write(const QString& path) const {
    QByteArray extentBytes(8, '\0');
    qToLittleEndian<qint32>(extent.cx, extentBytes.data());
    qToLittleEndian<qint32>(extent.cy, extentBytes.data() + 4);
    CompoundFile::WriteStreams(
        path, {{"Contents", contents}, {PictureStream, picture}, {ExtentStream, extentBytes}});
}

DVSize CEmbeddedObjectFile::ReportedExtent(DVSize extent, DVSize pictureExtent) {
    if (extent.cx <= kSmallestReportedSide || extent.cy <= kSmallestReportedSide)
        return pictureExtent;
    return extent;
}
