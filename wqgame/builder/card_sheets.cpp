#include "wqgame/builder/card_sheets.h"

#include "wqgame/builder/index_glyphs.h"
#include "wqgame/builder/picture_kit.h"
#include "wqgame/builder/suit_shapes.h"
#include "wqgame/card_layout.h"

#include <QPainter>

#include <algorithm>

namespace quintaro::wqgame {

namespace {

// Lays each upright cell turned half round into the row below it. In device pixels: the
// cells of a sheet drawn at scale s are s times as large.
QImage withUpsideDownRow(const QImage& upright, int cellWidth, int cellHeight) {
    const int scale = qRound(upright.devicePixelRatio());
    cellWidth *= scale;
    cellHeight *= scale;
    QImage sheet(upright.width(), upright.height() * 2, QImage::Format_RGB32);
    QPainter painter(&sheet);
    painter.drawImage(QRect(0, 0, upright.width(), upright.height()), upright);
    for (int x = 0; x < upright.width(); x += cellWidth)
        for (int y = 0; y < upright.height(); y += cellHeight)
            painter.drawImage(QRect(x, upright.height() + y, cellWidth, cellHeight),
                              upright.copy(x, y, cellWidth, cellHeight).mirrored(true, true));
    painter.end();
    sheet.setDevicePixelRatio(scale);
    return sheet;
}

QImage symbolRow(int cell, qreal symbolSize, int scale) {
    QImage row = scaledImage(cell * suitCount, cell, scale, QImage::Format_RGB32);
    row.fill(Qt::white);
    QPainter painter(&row);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const qreal margin = (cell - symbolSize) / 2;
    for (int suit = 0; suit < suitCount; ++suit) {
        painter.setBrush(suitColour(suit));
        painter.drawPath(suitShape(suit, symbolSize).translated(cell * suit + margin, margin));
    }
    return row;
}

} // namespace

QImage pipSheet(int scale) {
    return withUpsideDownRow(symbolRow(card_layout::pipSize, 13.6, scale), card_layout::pipSize,
                             card_layout::pipSize);
}

QImage suitSheet(int scale) {
    return withUpsideDownRow(symbolRow(card_layout::suitSymbolSize, 10, scale),
                             card_layout::suitSymbolSize, card_layout::suitSymbolSize);
}

QImage indexSheet(int scale) {
    // Rows from the top: black upright, black turned, red upright, red turned. The joker
    // glyph follows the king, so every glyph sits at 9 (glyph - 1).
    QImage sheet = scaledImage(card_layout::jokerIndexX + card_layout::indexWidth,
                               card_layout::indexHeight * 4, scale, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    const QColor inks[] = {Qt::black, cardRed()};
    for (int row = 0; row < 2; ++row) {
        const int top = card_layout::indexInkRowHeight * row;
        for (int glyph = 1; glyph <= 14; ++glyph) {
            const QImage upright = indexGlyph(glyph, inks[row], scale);
            painter.drawImage(card_layout::indexWidth * (glyph - 1), top, upright);
            painter.drawImage(card_layout::indexWidth * (glyph - 1), top + card_layout::indexHeight,
                              upright.mirrored(true, true));
        }
    }
    return sheet;
}

bool onCard(int x, int y, int scale, int inset) {
    // Measured from the pixel's centre and folded onto the top-left corner, so that the
    // four corners cannot come out different (an aliased QPainter rounded rectangle does).
    const double width = (card_layout::cardWidth - 2 * inset) * scale;
    const double height = (card_layout::cardHeight - 2 * inset) * scale;
    const double radius = (cardCornerRadius - inset) * scale;
    const double px = x + 0.5 - inset * scale;
    const double py = y + 0.5 - inset * scale;
    if (px < 0 || py < 0 || px > width || py > height)
        return false;
    const double cx = std::min(px, width - px);
    const double cy = std::min(py, height - py);
    if (cx >= radius || cy >= radius)
        return true;
    return (cx - radius) * (cx - radius) + (cy - radius) * (cy - radius) <= radius * radius;
}

void drawCardOutline(QImage& card, QColor ink) {
    const int scale = qRound(card.devicePixelRatio());
    for (int y = 0; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x)
            if (onCard(x, y, scale) && !onCard(x, y, scale, 1))
                card.setPixelColor(x, y, ink);
}

QImage cardMask(int scale) {
    QImage mask =
        scaledImage(card_layout::cardWidth, card_layout::cardHeight, scale, QImage::Format_RGB32);
    for (int y = 0; y < mask.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < mask.width(); ++x)
            line[x] = onCard(x, y, scale) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    return mask;
}

} // namespace quintaro::wqgame
