#include "controls/treelist/TreeListDeviceFont.h"

#include <QPaintDevice>

qreal TreeListDeviceFont::Scale(qreal layoutDpi, const QPaintDevice* device) {
    if (device == nullptr || device->logicalDpiY() <= 0 || layoutDpi <= 0) {
        return 1.0;
    }
    return layoutDpi / device->logicalDpiY();
}

QFont TreeListDeviceFont::Scaled(const QFont& font, qreal scale) {
    if (scale == 1.0 || font.pointSizeF() <= 0) {
        return font;
    }
    QFont scaled(font);
    scaled.setPointSizeF(font.pointSizeF() * scale);
    return scaled;
}
