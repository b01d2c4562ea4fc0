#include "displays/focus_frame.h"

#include <QPainter>

namespace quintaro {

void drawFocusFrame(QPainter& painter, const QRect& area) {
    constexpr int width = 2;
    const QRectF line = QRectF(area).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, width));
    painter.drawRect(line);
    painter.setPen(QPen(Qt::black, width, Qt::DashLine));
    painter.drawRect(line);
    painter.restore();
}

} // namespace quintaro
