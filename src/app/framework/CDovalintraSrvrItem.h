#pragma once

#include "document/CReqDoc.h"
#include "document/CReqDocFile.h"

#include <QImage>
#include <QString>

// The embedded item of a document: the picture a container draws, the extent it reports, and the
// object file it writes back into the container's keeping.
class CDovalintraSrvrItem {
public:
    explicit CDovalintraSrvrItem(CReqDoc& doc) : m_doc(doc) {}

    // The current view's picture: a matrix view's off-screen picture at the top left of the document's
    // extent, or the overview chart at that extent. reportedExtent gets the extent the container is
    // told (the picture's own size when the document's is too small). Null when there is no view.
    QImage Draw(DVSize& reportedExtent) const;

    // Writes the object file: the document, its picture and the reported extent. A failed write of a
    // linked project file is reported but does not stop the object's own write.
    DVFileResult WriteObject(const QString& path);

private:
    CReqDoc& m_doc;
};
