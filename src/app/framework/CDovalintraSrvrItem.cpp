#include "app/framework/CDovalintraSrvrItem.h"

#include "document/CEmbeddedObjectFile.h"
#include "document/DVFileError.h"
#include "platform/CDVException.h"
#include "views/CViewChildDV.h"

#include <QBuffer>
#include <QPainter>

QImage CDovalintraSrvrItem::Draw(DVSize& reportedExtent) const {
    auto* view = dynamic_cast<CViewChildDV*>(m_doc.m_pChildView);
    if (view == nullptr) {
        return QImage();
    }
    view->RenderToBitmap();
    const QImage& rendered = view->RenderedBitmap();
    if (rendered.isNull()) {
        return QImage();
    }
    const qreal dpiX = view->logicalDpiX() > 0 ? view->logicalDpiX() : 96;
    const qreal dpiY = view->logicalDpiY() > 0 ? view->logicalDpiY() : 96;
    const DVSize natural{qint32(qRound(rendered.width() * 2540.0 / dpiX)),
                         qint32(qRound(rendered.height() * 2540.0 / dpiY))};
    reportedExtent = CEmbeddedObjectFile::ReportedExtent(m_doc.m_sizeExtent, natural);
    if (reportedExtent == natural) {
        return rendered;
    }
    // The view's picture lies at the top left of the extent, unscaled, as the view showed it.
    const QSize size(qRound(reportedExtent.cx * dpiX / 2540.0), qRound(reportedExtent.cy * dpiY / 2540.0));
    if (size == rendered.size() || size.width() > 4 * rendered.width() ||
        size.height() > 4 * rendered.height()) {
        return rendered;
    }
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter(&picture).drawImage(0, 0, rendered);
    return picture;
}

DVFileResult CDovalintraSrvrItem::WriteObject(const QString& path) {
    CEmbeddedObjectFile object;
    CReqDocFile file(m_doc);
    const QImage picture = Draw(object.extent);
    if (!picture.isNull()) {
        QBuffer png(&object.picture);
        png.open(QIODevice::WriteOnly);
        picture.save(&png, "PNG");
    }
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
