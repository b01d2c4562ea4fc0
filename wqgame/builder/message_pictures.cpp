#include "wqgame/builder/message_pictures.h"

#include "wqgame/builder/masked_picture.h"
#include "wqgame/builder/picture_kit.h"
#include "wqgame/builder/suit_shapes.h"

namespace quintaro::wqgame {

namespace {

constexpr int width = 120;
constexpr int height = 200;

void drawCardFan(QPainter& painter, const CardComposer& cards) {
    drawLaidCard(painter, cards.faceUp(Hearts, 13), QPointF(42, 66), -16, 0.82);
    drawLaidCard(painter, cards.faceUp(Diamonds, 12), QPointF(60, 60), 0, 0.82);
    drawLaidCard(painter, cards.faceUp(Spades, 1), QPointF(78, 66), 16, 0.82);
}

void drawChips(QPainter& painter) {
    drawChipStack(painter, QPointF(30, 188), 38, 5, QColor(0xC0, 0x18, 0x20));
    drawChipStack(painter, QPointF(90, 188), 38, 3, QColor(0x1A, 0x40, 0xA0));
    drawChipStack(painter, QPointF(60, 194), 38, 7, QColor(0x18, 0x80, 0x38));
}

void drawCoin(QPainter& painter, QPointF centre, qreal radius) {
    painter.save();
    painter.setPen(QPen(QColor(0x70, 0x48, 0x00), 1));
    painter.setBrush(gilt(centre - QPointF(radius, radius), centre + QPointF(radius, radius)));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xA0, 0x70, 0x10), 1.5));
    painter.drawEllipse(centre, radius * 0.8, radius * 0.8);
    painter.setFont(pictureFont(QStringLiteral("Liberation Serif"), qRound(radius * 1.2), true));
    painter.setPen(QColor(0x80, 0x50, 0x00));
    painter.drawText(QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)),
                     Qt::AlignCenter, QStringLiteral("$"));
    painter.restore();
}

void drawCoinPile(QPainter& painter) {
    for (int i = 0; i < 9; ++i) {
        const qreal y = 182 - 9 * i;
        painter.setPen(QPen(QColor(0x70, 0x48, 0x00), 1));
        painter.setBrush(gilt(QPointF(26, y), QPointF(94, y)));
        painter.drawRoundedRect(QRectF(26 + (i % 3) * 2, y - 9, 64, 10), 3, 3);
    }
    drawCoin(painter, QPointF(60, 70), 34);
    drawCoin(painter, QPointF(32, 112), 18);
    drawCoin(painter, QPointF(92, 104), 16);
}

} // namespace

QImage messagePicture(int style, const CardComposer& cards) {
    QImage picture = transparentImage(width, height, cards.scale());
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    if (style == 0) {
        drawCardFan(painter, cards);
        drawChips(painter);
    } else if (style == 1) {
        drawCoinPile(painter);
    } else {
        drawLaidCard(painter, cards.faceUp(0, 16), QPointF(60, 100), -6, 1.4);
    }
    painter.end();
    return maskedPicture(picture, dialogFace());
}

} // namespace quintaro::wqgame
