#pragma once

#include <QIcon>
#include <QList>
#include <QSize>

// An image list: icons numbered as the callers number them, all drawn at one size.
struct TLImageList {
    QList<QIcon> icons;
    QSize size;

    bool IsEmpty() const { return icons.isEmpty(); }
    bool Has(int index) const { return index >= 0 && index < icons.size(); }
    int Width() const { return IsEmpty() ? 0 : size.width(); }
    int Height() const { return IsEmpty() ? 0 : size.height(); }
};
