#include "wqgame/builder/suit_shapes.h"

#include <QTransform>

namespace quintaro::wqgame {

namespace {

// Each shape is drawn in a unit square and scaled to the cell afterwards.
QPainterPath heart() {
    QPainterPath path;
    path.moveTo(0.5, 0.26);
    path.cubicTo(0.42, 0.06, 0.06, 0.02, 0.02, 0.3);
    path.cubicTo(-0.02, 0.58, 0.36, 0.72, 0.5, 0.98);
    path.cubicTo(0.64, 0.72, 1.02, 0.58, 0.98, 0.3);
    path.cubicTo(0.94, 0.02, 0.58, 0.06, 0.5, 0.26);
    path.closeSubpath();
    return path;
}

QPainterPath diamond() {
    QPainterPath path;
    path.moveTo(0.5, 0.0);
    path.quadTo(0.66, 0.28, 0.9, 0.5);
    path.quadTo(0.66, 0.72, 0.5, 1.0);
    path.quadTo(0.34, 0.72, 0.1, 0.5);
    path.quadTo(0.34, 0.28, 0.5, 0.0);
    path.closeSubpath();
    return path;
}

QPainterPath stem() {
    QPainterPath path;
    path.moveTo(0.5, 0.55);
    path.quadTo(0.48, 0.88, 0.24, 1.0);
    path.lineTo(0.76, 1.0);
    path.quadTo(0.52, 0.88, 0.5, 0.55);
    path.closeSubpath();
    return path;
}

QPainterPath spade() {
    QPainterPath blade;
    blade.moveTo(0.5, 0.0);
    blade.cubicTo(0.64, 0.24, 1.02, 0.36, 0.98, 0.62);
    blade.cubicTo(0.95, 0.86, 0.62, 0.88, 0.5, 0.7);
    blade.cubicTo(0.38, 0.88, 0.05, 0.86, 0.02, 0.62);
    blade.cubicTo(-0.02, 0.36, 0.36, 0.24, 0.5, 0.0);
    blade.closeSubpath();
    return blade.united(stem());
}

QPainterPath club() {
    QPainterPath path;
    path.addEllipse(QPointF(0.5, 0.25), 0.235, 0.235);
    path.addEllipse(QPointF(0.245, 0.58), 0.235, 0.235);
    path.addEllipse(QPointF(0.755, 0.58), 0.235, 0.235);
    QPainterPath middle;
    middle.addEllipse(QPointF(0.5, 0.52), 0.16, 0.16);
    path = path.united(middle);
    return path.united(stem());
}

} // namespace

QColor cardRed() {
    return QColor(0xD0, 0x10, 0x18);
}

QColor suitColour(int suit) {
    return suit == Hearts || suit == Diamonds ? cardRed() : QColor(Qt::black);
}

QPainterPath suitShape(int suit, qreal size) {
    QPainterPath unit;
    switch (suit) {
    case Clubs:
        unit = club();
        break;
    case Spades:
        unit = spade();
        break;
    case Hearts:
        unit = heart();
        break;
    default:
        unit = diamond();
        break;
    }
    unit.setFillRule(Qt::WindingFill);
    return QTransform::fromScale(size, size).map(unit.simplified());
}

} // namespace quintaro::wqgame
