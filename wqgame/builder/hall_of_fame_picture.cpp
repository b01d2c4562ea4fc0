#include "wqgame/builder/hall_of_fame_picture.h"

#include "wqgame/builder/masked_picture.h"
#include "wqgame/builder/picture_kit.h"
#include "wqgame/hall_of_fame_banner.h"

#include <QPainterPath>

#include <cmath>

namespace quintaro::wqgame {

namespace {

// Wide enough for the whole staircase: the lowest plaque, its lean and its shadow.
constexpr int width = 366;
constexpr int height = 302;
constexpr qreal slant = 11.0 / 27.0;
constexpr int rows = 10;
constexpr int rowPitch = 27;
constexpr int boxHeight = 18;
constexpr int boxLeft = 6;
constexpr int boxRight = 252;

// A parallelogram round row `row`'s boxes, leaning like the column of rows.
QPolygonF plaque(int row, qreal margin) {
    const qreal top = rowPitch * row - margin;
    const qreal bottom = rowPitch * row + boxHeight + margin;
    const qreal middle = rowPitch * row + boxHeight / 2.0;
    const qreal left = boxLeft + 11 * row - margin - 2;
    const qreal right = boxRight + 11 * row + margin + 2;
    const auto at = [&](qreal x, qreal y) { return QPointF(x + (y - middle) * slant, y); };
    return QPolygonF{at(left, top), at(right, top), at(right, bottom), at(left, bottom)};
}

QColor plaqueColour(int row) {
    switch (row) {
    case 0:
        return QColor(0xE8, 0xB8, 0x30);
    case 1:
        return QColor(0xB8, 0xBC, 0xC4);
    case 2:
        return QColor(0xB8, 0x70, 0x38);
    default:
        return QColor(0x7A, 0x10, 0x1C);
    }
}

void drawPlaques(QPainter& painter) {
    for (int row = rows - 1; row >= 0; --row) {
        const QPolygonF outer = plaque(row, 3);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 90));
        painter.drawPolygon(outer.translated(2, 2));
        painter.setBrush(gilt(outer.boundingRect().topLeft(), outer.boundingRect().bottomLeft()));
        painter.setPen(QPen(QColor(0x5A, 0x36, 0x00), 1));
        painter.drawPolygon(outer);
        const QPolygonF inner = plaque(row, 1);
        const QColor colour = plaqueColour(row);
        QLinearGradient face(inner.boundingRect().topLeft(), inner.boundingRect().bottomLeft());
        face.setColorAt(0, colour.lighter(135));
        face.setColorAt(0.5, colour);
        face.setColorAt(1, colour.darker(150));
        painter.setPen(Qt::NoPen);
        painter.setBrush(face);
        painter.drawPolygon(inner);
    }
}

void drawMarquee(QPainter& painter) {
    // Bulbs run down the left of the board, following its lean.
    for (qreal y = 10; y < 262; y += 13) {
        const qreal x = boxLeft - 12 + y * slant;
        if (x > 5)
            drawBulb(painter, QPointF(x, y), 3);
    }
}

void drawTrophy(QPainter& painter) {
    const QPointF centre(314, 40);
    painter.save();
    painter.setPen(QPen(QColor(0x6A, 0x40, 0x00), 1));
    painter.setBrush(gilt(QPointF(centre.x() - 28, 0), QPointF(centre.x() + 28, 0)));
    QPainterPath cup;
    cup.moveTo(centre + QPointF(-24, -30));
    cup.lineTo(centre + QPointF(24, -30));
    cup.cubicTo(centre + QPointF(24, 0), centre + QPointF(12, 12), centre + QPointF(4, 14));
    cup.lineTo(centre + QPointF(4, 24));
    cup.lineTo(centre + QPointF(14, 30));
    cup.lineTo(centre + QPointF(14, 36));
    cup.lineTo(centre + QPointF(-14, 36));
    cup.lineTo(centre + QPointF(-14, 30));
    cup.lineTo(centre + QPointF(-4, 24));
    cup.lineTo(centre + QPointF(-4, 14));
    cup.cubicTo(centre + QPointF(-12, 12), centre + QPointF(-24, 0), centre + QPointF(-24, -30));
    cup.closeSubpath();
    painter.drawPath(cup);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xC0, 0x88, 0x20), 4));
    painter.drawArc(QRectF(centre.x() - 36, centre.y() - 26, 20, 22), 90 * 16, 180 * 16);
    painter.drawArc(QRectF(centre.x() + 16, centre.y() - 26, 20, 22), -90 * 16, 180 * 16);
    painter.setPen(QPen(QColor(0x6A, 0x40, 0x00), 1));
    painter.setBrush(QColor(0xFF, 0xF8, 0xD0));
    drawStar(painter, centre + QPointF(0, -14), 10, 4);
    painter.restore();
}

void drawBanner(QPainter& painter) {
    const QRectF ribbon = hallOfFameRibbon;
    painter.save();
    painter.setPen(QPen(QColor(0x4A, 0x06, 0x0E), 1));
    painter.setBrush(QColor(0x8A, 0x12, 0x20));
    const QPointF leftTail[] = {{ribbon.left() - 12, ribbon.top() + 4},
                                {ribbon.left() + 8, ribbon.top() + 4},
                                {ribbon.left() + 8, ribbon.bottom() + 4},
                                {ribbon.left() - 12, ribbon.bottom() + 4},
                                {ribbon.left() - 4, ribbon.center().y() + 4}};
    painter.drawPolygon(leftTail, 5);
    const QPointF rightTail[] = {{ribbon.right() + 12, ribbon.top() + 4},
                                 {ribbon.right() - 8, ribbon.top() + 4},
                                 {ribbon.right() - 8, ribbon.bottom() + 4},
                                 {ribbon.right() + 12, ribbon.bottom() + 4},
                                 {ribbon.right() + 4, ribbon.center().y() + 4}};
    painter.drawPolygon(rightTail, 5);
    painter.restore();
    drawHallOfFameRibbonFace(painter, QStringLiteral("HALL OF FAME"));
}

} // namespace

QImage hallOfFamePicture(int scale) {
    QImage picture = transparentImage(width, height, scale);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    drawMarquee(painter);
    drawPlaques(painter);
    drawTrophy(painter);
    drawBanner(painter);
    painter.end();
    return maskedPicture(picture, dialogFace());
}

} // namespace quintaro::wqgame
