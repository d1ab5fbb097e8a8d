#include "app/shell/RibbonPaint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace RibbonPaint {

void Box(QPainter& p, const QRect& rect, const QColor& top, const QColor& bottom, const QColor& border,
         int radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, radius > 0);
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient gradient(r.topLeft(), r.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.setBrush(gradient);
    p.setPen(border.isValid() ? QPen(border, 1) : QPen(Qt::NoPen));
    p.drawRoundedRect(r, radius, radius);
    p.restore();
}

void DropArrow(QPainter& p, const QRect& rect, const QColor& color) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    const QPointF c = QRectF(rect).center();
    const QPointF points[] = {{c.x() - 3.5, c.y() - 1.5}, {c.x() + 3.5, c.y() - 1.5}, {c.x(), c.y() + 2.5}};
    p.drawPolygon(points, 3);
    p.restore();
}

QColor Mix(const QColor& a, const QColor& b) {
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

}  // namespace RibbonPaint
