#include "displays/focus_frame.h"

#include <QPainter>

namespace quintaro {

void drawFocusFrame(QPainter& painter, const QRect& area) {
    constexpr qreal width = 2;
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(area).adjusted(width / 2, width / 2, -width / 2, -width / 2));
    painter.setPen(QPen(Qt::white, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(
        QRectF(area).adjusted(width * 3 / 2, width * 3 / 2, -width * 3 / 2, -width * 3 / 2));
    painter.restore();
}

} // namespace quintaro
