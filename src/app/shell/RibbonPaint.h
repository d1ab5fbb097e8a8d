#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// Drawing helpers the ribbon's widgets share.
namespace RibbonPaint {

// A rounded box with a vertical gradient and a one-pixel border; an invalid border draws none.
void Box(QPainter& p, const QRect& rect, const QColor& top, const QColor& bottom, const QColor& border,
         int radius);
// A small downward triangle centred in rect.
void DropArrow(QPainter& p, const QRect& rect, const QColor& color);
// The colour half way between a and b.
QColor Mix(const QColor& a, const QColor& b);

}  // namespace RibbonPaint
