#include "wqgame/builder/picture_kit.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace quintaro::wqgame {

QColor dialogFace() {
    return QColor(0xEF, 0xEF, 0xEF);
}

QImage scaledImage(int width, int height, int scale, QImage::Format format) {
    QImage image(width * scale, height * scale, format);
    image.setDevicePixelRatio(scale);
    return image;
}

QImage transparentImage(int width, int height, int scale) {
    QImage image = scaledImage(width, height, scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QLinearGradient gilt(QPointF from, QPointF to) {
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0.0, QColor(0xFF, 0xF2, 0xB0));
    gradient.setColorAt(0.35, QColor(0xE8, 0xB8, 0x3C));
    gradient.setColorAt(0.6, QColor(0xB0, 0x7A, 0x18));
    gradient.setColorAt(0.85, QColor(0xE0, 0xB0, 0x40));
    gradient.setColorAt(1.0, QColor(0x8A, 0x5A, 0x10));
    return gradient;
}

QFont pictureFont(const QString& family, int pixelSize, bool bold, bool italic) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void drawChip(QPainter& painter, QPointF centre, qreal radius, QColor colour) {
    painter.save();
    painter.setPen(QPen(colour.darker(170), 1));
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (int i = 0; i < 6; ++i) {
        painter.save();
        painter.translate(centre);
        painter.rotate(60.0 * i);
        painter.drawRect(QRectF(-radius * 0.14, -radius * 0.98, radius * 0.28, radius * 0.3));
        painter.restore();
    }
    painter.setPen(QPen(QColor(255, 255, 255, 200), 1, Qt::DotLine));
    painter.setBrush(colour.lighter(115));
    painter.drawEllipse(centre, radius * 0.6, radius * 0.6);
    painter.restore();
}

void drawChipStack(QPainter& painter, QPointF base, qreal width, int count, QColor colour) {
    painter.save();
    const qreal thickness = width * 0.14;
    const qreal rim = width * 0.18;
    for (int i = 0; i < count; ++i) {
        const qreal bottom = base.y() - i * thickness;
        const QRectF side(base.x() - width / 2, bottom - thickness - rim / 2, width,
                          thickness + rim / 2);
        QLinearGradient shading(side.topLeft(), side.topRight());
        shading.setColorAt(0, colour.darker(140));
        shading.setColorAt(0.4, colour.lighter(120));
        shading.setColorAt(1, colour.darker(160));
        painter.setPen(Qt::NoPen);
        painter.setBrush(shading);
        painter.drawRect(side.adjusted(0, rim / 2, 0, 0));
        painter.drawEllipse(QRectF(side.left(), bottom - rim, width, rim));
        painter.setBrush(QColor(255, 255, 255, 220));
        for (int stripe = 1; stripe < 6; stripe += 2)
            painter.drawRect(QRectF(side.left() + width * stripe / 6.5, bottom - thickness,
                                    width / 14, thickness * 0.9));
        painter.setPen(QPen(colour.darker(200), 0.8));
        painter.setBrush(colour);
        painter.drawEllipse(QRectF(side.left(), bottom - thickness - rim / 2, width, rim));
    }
    painter.restore();
}

void drawBulb(QPainter& painter, QPointF centre, qreal radius) {
    painter.save();
    QRadialGradient glow(centre, radius * 2);
    glow.setColorAt(0, QColor(255, 250, 200, 160));
    glow.setColorAt(1, QColor(255, 220, 120, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius * 2, radius * 2);
    QRadialGradient bulb(centre - QPointF(radius / 3, radius / 3), radius * 1.2);
    bulb.setColorAt(0, Qt::white);
    bulb.setColorAt(0.5, QColor(0xFF, 0xE8, 0x80));
    bulb.setColorAt(1, QColor(0xE0, 0x90, 0x10));
    painter.setBrush(bulb);
    painter.setPen(QPen(QColor(0x80, 0x50, 0x00), 0.6));
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

void drawLaidCard(QPainter& painter, const QImage& card, QPointF centre, qreal degrees,
                  qreal scale) {
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.translate(centre);
    painter.rotate(degrees);
    painter.scale(scale, scale);
    const QSizeF size = card.deviceIndependentSize();
    const QRectF place(-size.width() / 2, -size.height() / 2, size.width(), size.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRoundedRect(place.translated(2, 2), 6, 6);
    painter.drawImage(place, card);
    painter.restore();
}

void drawStar(QPainter& painter, QPointF centre, qreal outer, qreal inner) {
    QPainterPath star;
    for (int point = 0; point < 10; ++point) {
        const qreal angle = std::numbers::pi * (point / 5.0 - 0.5);
        const qreal radius = point % 2 == 0 ? outer : inner;
        const QPointF p = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        point == 0 ? star.moveTo(p) : star.lineTo(p);
    }
    star.closeSubpath();
    painter.drawPath(star);
}

} // namespace quintaro::wqgame
