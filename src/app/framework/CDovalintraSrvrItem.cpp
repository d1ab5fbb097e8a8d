#include "app/framework/CDovalintraSrvrItem.h"

#include "document/CEmbeddedObjectFile.h"
#include "document/DVFileError.h"
#include "platform/CDVException.h"
#include "views/CViewChildDV.h"

#include <QBuffer>

QImage CDovalintraSrvrItem::Draw(DVSize& pictureExtent) const {
    auto* view = dynamic_cast<CViewChildDV*>(m_doc.m_pChildView);
    if (view == nullptr) {
        return QImage();
    }
    view->RenderToBitmap();
    const QImage& picture = view->RenderedBitmap();
    const qreal dpiX = view->logicalDpiX() > 0 ? view->logicalDpiX() : 96;
    const qreal dpiY = view->logicalDpiY() > 0 ? view->logicalDpiY() : 96;
    pictureExtent = DVSize{qint32(qRound(picture.width() * 2540.0 / dpiX)),
                           qint32(qRound(picture.height() * 2540.0 / dpiY))};
    return picture;
}

DVFileResult CDovalintraSrvrItem::WriteObject(const QString& path) {
    CEmbeddedObjectFile object;
    CReqDocFile file(m_doc);
    DVSize pictureExtent;
    const QImage picture = Draw(pictureExtent);
    if (!picture.isNull()) {
        QBuffer png(&object.picture);
        png.open(QIODevice::WriteOnly);
        picture.save(&png, "PNG");
    }
    object.extent = CEmbeddedObjectFile::ReportedExtent(m_doc.m_sizeExtent, pictureExtent);
    try {
        object.contents = file.StoreArchive();
        object.Write(path);
    } catch (const CDVException& e) {
        return DVFileResult{false, QString::fromLatin1(kDVFailedToSaveDocument), e.Reason()};
    }
    if (file.LinkedSaveFailure()) {
        return DVFileResult{false, QString::fromLatin1(kDVFailedToSaveDocument), *file.LinkedSaveFailure()};
    }
    return {};
}
