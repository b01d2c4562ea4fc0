#include "wqgame/hall_of_fame_banner.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QString>

namespace quintaro::wqgame {

void drawHallOfFameRibbonFace(QPainter& painter, const QString& words) {
    const QRectF ribbon = hallOfFameRibbon;
    painter.save();
    painter.setPen(QPen(QColor(0x4A, 0x06, 0x0E), 1));
    QLinearGradient face(ribbon.topLeft(), ribbon.bottomLeft());
    face.setColorAt(0, QColor(0xD8, 0x30, 0x40));
    face.setColorAt(1, QColor(0x90, 0x10, 0x20));
    painter.setBrush(face);
    painter.drawRect(ribbon);
    painter.setPen(QPen(QColor(0xF0, 0xC8, 0x50), 1));
    painter.drawLine(ribbon.topLeft() + QPointF(2, 3), ribbon.topRight() + QPointF(-2, 3));
    painter.drawLine(ribbon.bottomLeft() + QPointF(2, -3), ribbon.bottomRight() + QPointF(-2, -3));
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    // Room for the words between the gilt ends of the ribbon.
    const qreal room = ribbon.width() - 12;
    for (int pixels = 17;; --pixels) {
        font.setPixelSize(pixels);
        if (pixels <= 10 || QFontMetricsF(font).horizontalAdvance(words) <= room)
            break;
    }
    painter.setFont(font);
    painter.setPen(QColor(0x40, 0x00, 0x08));
    painter.drawText(ribbon.translated(1, 1), Qt::AlignCenter, words);
    painter.setPen(QColor(0xFF, 0xE0, 0x80));
    painter.drawText(ribbon, Qt::AlignCenter, words);
    painter.restore();
}

} // namespace quintaro::wqgame
