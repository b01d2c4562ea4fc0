#include "wqgame/builder/about_pictures.h"

#include "wqgame/builder/masked_picture.h"
#include "wqgame/builder/picture_kit.h"
#include "wqgame/builder/suit_shapes.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace quintaro::wqgame {

namespace {

// A royal flush in spades, ten to ace.
std::array<QImage, 5> royalFlush(const CardComposer& cards) {
    return {cards.faceUp(Spades, 10), cards.faceUp(Spades, 11), cards.faceUp(Spades, 12),
            cards.faceUp(Spades, 13), cards.faceUp(Spades, 1)};
}

void drawScreen(QPainter& painter, const QRectF& screen, const CardComposer& cards) {
    QLinearGradient glass(screen.topLeft(), screen.bottomLeft());
    glass.setColorAt(0, QColor(0x10, 0x20, 0x70));
    glass.setColorAt(1, QColor(0x04, 0x0A, 0x38));
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 2));
    painter.setBrush(glass);
    painter.drawRoundedRect(screen, 6, 6);
    const char* lines[][2] = {{"ROYAL FLUSH", "250"},
                              {"STRAIGHT FLUSH", "50"},
                              {"FOUR OF A KIND", "25"},
                              {"FULL HOUSE", "9"},
                              {"FLUSH", "6"}};
    painter.setFont(pictureFont(QStringLiteral("Liberation Sans"), 9, true));
    for (int i = 0; i < 5; ++i) {
        const QRectF line(screen.left() + 12, screen.top() + 8 + 11 * i, screen.width() - 24, 11);
        painter.setPen(i == 0 ? QColor(0xFF, 0xE0, 0x40) : QColor(0xF0, 0xF0, 0x80));
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, QLatin1String(lines[i][0]));
        painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, QLatin1String(lines[i][1]));
    }
    const auto hand = royalFlush(cards);
    for (int i = 0; i < 5; ++i)
        drawLaidCard(painter, hand[static_cast<std::size_t>(i)],
                     QPointF(screen.left() + 24 + 38 * i, screen.bottom() - 32), 0, 0.5);
}

void drawButtons(QPainter& painter, const QRectF& deck) {
    for (int i = 0; i < 5; ++i) {
        const QRectF button(deck.left() + 12 + 29 * i, deck.top() + 10, 24, 14);
        QLinearGradient face(button.topLeft(), button.bottomLeft());
        face.setColorAt(0, QColor(0xFF, 0xF0, 0x90));
        face.setColorAt(1, QColor(0xD0, 0x90, 0x10));
        painter.setPen(QPen(QColor(0x50, 0x30, 0x00), 1));
        painter.setBrush(face);
        painter.drawRoundedRect(button, 3, 3);
    }
    const QRectF deal(deck.right() - 46, deck.top() + 8, 36, 18);
    QLinearGradient face(deal.topLeft(), deal.bottomLeft());
    face.setColorAt(0, QColor(0x80, 0xFF, 0x80));
    face.setColorAt(1, QColor(0x10, 0x90, 0x20));
    painter.setBrush(face);
    painter.drawRoundedRect(deal, 4, 4);
    painter.setFont(pictureFont(QStringLiteral("Liberation Sans"), 8, true));
    painter.setPen(QColor(0x00, 0x30, 0x00));
    painter.drawText(deal, Qt::AlignCenter, QStringLiteral("DEAL"));
}

} // namespace

QImage aboutMachinePicture(const CardComposer& cards) {
    QImage picture = transparentImage(321, 298, cards.scale());
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF cabinet(50, 58, 221, 236);
    QLinearGradient body(cabinet.topLeft(), cabinet.topRight());
    body.setColorAt(0, QColor(0x50, 0x08, 0x10));
    body.setColorAt(0.5, QColor(0xA0, 0x18, 0x28));
    body.setColorAt(1, QColor(0x40, 0x06, 0x0C));
    painter.setPen(QPen(QColor(0x20, 0x00, 0x00), 1.5));
    painter.setBrush(body);
    painter.drawRoundedRect(cabinet, 10, 10);

    // The lit sign on top, ringed with bulbs.
    const QRectF sign(36, 4, 249, 56);
    painter.setBrush(gilt(sign.topLeft(), sign.bottomLeft()));
    painter.setPen(QPen(QColor(0x5A, 0x36, 0x00), 1.5));
    painter.drawRoundedRect(sign, 14, 14);
    const QRectF panel = sign.adjusted(10, 9, -10, -9);
    painter.setBrush(QColor(0x30, 0x04, 0x0A));
    painter.drawRoundedRect(panel, 8, 8);
    for (qreal x = sign.left() + 14; x < sign.right() - 8; x += 16) {
        drawBulb(painter, QPointF(x, sign.top() + 4.5), 2.2);
        drawBulb(painter, QPointF(x, sign.bottom() - 4.5), 2.2);
    }
    painter.setFont(pictureFont(QStringLiteral("Liberation Serif"), 24, true));
    painter.setPen(QColor(0x00, 0x00, 0x00));
    painter.drawText(panel.translated(1, 2), Qt::AlignCenter, QStringLiteral("DRAW POKER"));
    painter.setPen(QColor(0xFF, 0xD8, 0x50));
    painter.drawText(panel, Qt::AlignCenter, QStringLiteral("DRAW POKER"));

    const QRectF bezel(62, 70, 197, 150);
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
    painter.setBrush(QColor(0x30, 0x30, 0x34));
    painter.drawRoundedRect(bezel, 8, 8);
    drawScreen(painter, bezel.adjusted(6, 6, -6, -6), cards);

    const QRectF deck(58, 226, 205, 34);
    QLinearGradient ledge(deck.topLeft(), deck.bottomLeft());
    ledge.setColorAt(0, QColor(0xD8, 0xD8, 0xE0));
    ledge.setColorAt(1, QColor(0x70, 0x70, 0x78));
    painter.setBrush(ledge);
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    painter.drawRoundedRect(deck, 4, 4);
    drawButtons(painter, deck);

    const QRectF tray(120, 268, 81, 18);
    painter.setBrush(QColor(0x20, 0x20, 0x24));
    painter.drawRoundedRect(tray, 4, 4);
    drawChip(painter, QPointF(142, 277), 7, QColor(0xC0, 0x18, 0x20));
    drawChip(painter, QPointF(176, 277), 7, QColor(0x1A, 0x40, 0xA0));
    painter.end();
    return maskedPicture(picture, dialogFace());
}

QImage aboutJesterPicture(int scale) {
    QImage picture = transparentImage(91, 98, scale);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x20, 0x10, 0x10), 1.2));

    const QColor lobes[] = {QColor(0xC8, 0x18, 0x28), QColor(0x18, 0x80, 0x38),
                            QColor(0x20, 0x40, 0xB0)};
    const QPointF tips[] = {{10, 22}, {45, 8}, {81, 22}};
    for (int i = 0; i < 3; ++i) {
        QPainterPath lobe;
        lobe.moveTo(22 + 16 * i, 70);
        lobe.cubicTo(QPointF(14 + 20 * i, 48), tips[i] + QPointF(0, 18), tips[i]);
        lobe.cubicTo(tips[i] + QPointF(10, 20), QPointF(30 + 18 * i, 46), QPointF(40 + 14 * i, 70));
        lobe.closeSubpath();
        QLinearGradient shade(QPointF(0, 0), QPointF(0, 70));
        shade.setColorAt(0, lobes[i].lighter(140));
        shade.setColorAt(1, lobes[i].darker(130));
        painter.setBrush(shade);
        painter.drawPath(lobe);
    }
    for (const QPointF& tip : tips) {
        QRadialGradient bell(tip - QPointF(2, 2), 7);
        bell.setColorAt(0, QColor(0xFF, 0xF8, 0xC0));
        bell.setColorAt(1, QColor(0xC0, 0x88, 0x10));
        painter.setBrush(bell);
        painter.drawEllipse(tip, 6, 6);
    }
    const QRectF band(14, 66, 63, 18);
    painter.setBrush(gilt(band.topLeft(), band.bottomLeft()));
    painter.drawRoundedRect(band, 5, 5);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        const int suit = i % 2 == 0 ? Hearts : Spades;
        painter.setBrush(suitColour(suit));
        painter.drawPath(suitShape(suit, 10).translated(band.left() + 6 + 14 * i, band.top() + 4));
    }
    painter.end();
    return maskedPicture(picture, dialogFace());
}

QImage aboutWelcomePicture(const CardComposer& cards, const QImage& felt) {
    QImage picture = scaledImage(welcomeWidth, welcomeHeight, cards.scale(), QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF whole(0, 0, welcomeWidth, welcomeHeight);
    painter.fillRect(whole, QBrush(felt));

    QRadialGradient light(QPointF(welcomeWidth / 2.0, welcomeHeight * 0.45), welcomeWidth * 0.6);
    light.setColorAt(0, QColor(255, 255, 220, 40));
    light.setColorAt(1, QColor(0, 0, 0, 110));
    painter.fillRect(whole, light);

    // The padded rail of the table along the foot of the picture.
    QPainterPath rail;
    rail.addEllipse(QRectF(-120, 230, welcomeWidth + 240, 260));
    QLinearGradient leather(QPointF(0, 232), QPointF(0, welcomeHeight));
    leather.setColorAt(0, QColor(0x6A, 0x3A, 0x1A));
    leather.setColorAt(0.2, QColor(0x3A, 0x1A, 0x08));
    leather.setColorAt(1, QColor(0x20, 0x0C, 0x04));
    painter.setPen(QPen(QColor(0xD8, 0xA8, 0x40), 2));
    painter.setBrush(leather);
    painter.drawPath(rail);

    painter.setFont(pictureFont(QStringLiteral("Liberation Serif"), 34, true, true));
    const QRectF title(0, 14, welcomeWidth, 44);
    painter.setPen(QColor(0, 0, 0, 160));
    painter.drawText(title.translated(2, 2), Qt::AlignCenter, QStringLiteral("Five Card Draw"));
    painter.setPen(QColor(0xF8, 0xD0, 0x60));
    painter.drawText(title, Qt::AlignCenter, QStringLiteral("Five Card Draw"));

    const auto hand = royalFlush(cards);
    for (int i = 0; i < 5; ++i)
        drawLaidCard(painter, hand[static_cast<std::size_t>(i)],
                     QPointF(welcomeWidth / 2.0 + 36 * (i - 2), 150 + 5 * qAbs(i - 2)),
                     12.0 * (i - 2));

    drawChipStack(painter, QPointF(70, 236), 42, 6, QColor(0xC0, 0x18, 0x20));
    drawChipStack(painter, QPointF(112, 242), 42, 4, QColor(0x1A, 0x40, 0xA0));
    drawChipStack(painter, QPointF(330, 240), 42, 8, QColor(0x18, 0x80, 0x38));
    drawChipStack(painter, QPointF(372, 234), 42, 3, QColor(0x20, 0x20, 0x20));
    drawChip(painter, QPointF(300, 262), 13, QColor(0xC0, 0x18, 0x20));
    painter.end();
    return picture;
}

} // namespace quintaro::wqgame
