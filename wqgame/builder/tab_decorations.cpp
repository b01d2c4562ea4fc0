#include "wqgame/builder/tab_decorations.h"

#include "wqgame/builder/masked_picture.h"
#include "wqgame/builder/picture_kit.h"
#include "wqgame/builder/suit_shapes.h"

#include <QPainterPath>

namespace quintaro::wqgame {

QImage tabDecorationRow(int scale) {
    const int cell = 12;
    QImage picture = transparentImage(cell * suitCount, cell, scale);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // Clubs, hearts, spades, diamonds: the colours alternate along the row.
    const int order[] = {Clubs, Hearts, Spades, Diamonds};
    for (int i = 0; i < suitCount; ++i) {
        painter.setBrush(suitColour(order[i]));
        painter.drawPath(suitShape(order[i], 9).translated(cell * i + 1.5, 1.5));
    }
    painter.end();
    return maskedPicture(picture, dialogFace());
}

QImage tabDecorationEnd(int scale) {
    QImage picture = transparentImage(20, 12, scale);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x6A, 0x40, 0x00), 1));
    painter.setBrush(gilt(QPointF(0, 0), QPointF(0, 12)));
    QPainterPath clasp;
    clasp.moveTo(1, 1);
    clasp.lineTo(19, 1);
    clasp.lineTo(15, 6);
    clasp.lineTo(19, 11);
    clasp.lineTo(1, 11);
    clasp.lineTo(5, 6);
    clasp.closeSubpath();
    painter.drawPath(clasp);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xA0, 0x10, 0x18));
    painter.drawEllipse(QPointF(10, 6), 2.5, 2.5);
    painter.end();
    return maskedPicture(picture, dialogFace());
}

} // namespace quintaro::wqgame
