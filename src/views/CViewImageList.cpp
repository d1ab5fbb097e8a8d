#include "views/CViewImageList.h"

#include "views/CDVViewHost.h"

#include <QPainter>
#include <QPixmap>

namespace {

// One colour per role, so that the fallback pictures stay told apart.
QColor FallbackColour(int index) {
    static const QRgb colours[CViewImageList::Count] = {
        0x2F6FD0, 0x8A5A2B, 0x2E9E5B, 0xE0B030,                                // requirement types, folder
        0x4060C0, 0xC06040, 0x909090,                                          // linkage
        0xD04040, 0x30A050,                                                    // phase not done, done
        0x7050B0, 0x2090A0,                                                    // actor, use case
        0x606060, 0x3070C0, 0x5080D0, 0x7090E0, 0x2050A0, 0xA06020, 0xC08040,  // steps 0..6
        0x8040A0, 0x30A030, 0xC03030,                                          // steps 7..9
    };
    return QColor::fromRgb(colours[index]);
}

}  // namespace

QIcon CViewImageList::Fallback(int index) {
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    if (index >= 0 && index < Count) {
        QPainter painter(&pixmap);
        painter.setPen(FallbackColour(index).darker(150));
        painter.setBrush(FallbackColour(index));
        painter.drawRect(2, 2, Size - 5, Size - 5);
    }
    return QIcon(pixmap);
}

TLImageList CViewImageList::Get() {
    const QList<QIcon>& supplied = CDVViewHost::Instance().imageList;
    TLImageList list;
    list.size = QSize(Size, Size);
    for (int i = 0; i < Count; ++i) {
        const bool given = i < supplied.size() && !supplied[i].isNull();
        list.icons.append(given ? supplied[i] : Fallback(i));
    }
    return list;
}
