#pragma once

#include "document/CReqDoc.h"

#include <QByteArray>
#include <QString>

// The file through which a container holds an embedded project: a compound file whose "Contents"
// stream is the project's archive (as the server item serialises the document), beside it the picture
// the container draws (a PNG stream) and the extent it draws it at.
struct CEmbeddedObjectFile {
    static constexpr char PictureStream[] = "DovalintraPicture";
    // Two little-endian int32, width and height in HIMETRIC (0.01 mm).
    static constexpr char ExtentStream[] = "DovalintraExtent";

    QByteArray contents;
    QByteArray picture;
    DVSize extent;

    // Reads the object; a missing picture or extent reads as empty. Throws CFileException.
    static CEmbeddedObjectFile Read(const QString& path);
    // Replaces the object file by a complete new one; throws CFileException.
    void Write(const QString& path) const;

    // The extent reported to the container: the document's extent, unless a side is 3000 (30 mm) or
    // less; then the picture's own size stands instead.
    static DVSize ReportedExtent(DVSize extent, DVSize pictureExtent);
};
