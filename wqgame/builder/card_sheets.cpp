#include "wqgame/builder/card_sheets.h"

#include "wqgame/builder/index_glyphs.h"
#include "wqgame/builder/suit_shapes.h"

#include <QPainter>

namespace quintaro::wqgame {

namespace {

// Lays each upright cell turned half round into the row below it.
QImage withUpsideDownRow(const QImage& upright, int cellWidth, int cellHeight) {
    QImage sheet(upright.width(), upright.height() * 2, QImage::Format_RGB32);
    QPainter painter(&sheet);
    painter.drawImage(0, 0, upright);
    for (int x = 0; x < upright.width(); x += cellWidth)
        for (int y = 0; y < upright.height(); y += cellHeight)
            painter.drawImage(x, upright.height() + y,
                              upright.copy(x, y, cellWidth, cellHeight).mirrored(true, true));
    return sheet;
}

QImage symbolRow(int cell, qreal symbolSize) {
    QImage row(cell * suitCount, cell, QImage::Format_RGB32);
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

QImage pipSheet() {
    return withUpsideDownRow(symbolRow(pipCell, 13.6), pipCell, pipCell);
}

QImage suitSheet() {
    return withUpsideDownRow(symbolRow(suitCell, 10), suitCell, suitCell);
}

QImage indexSheet() {
    // Rows from the top: black upright, black turned, red upright, red turned. The joker
    // glyph follows the king, so every glyph sits at 9 (glyph - 1).
    QImage sheet(jokerIndexX + indexGlyphWidth, indexGlyphHeight * 4, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    const QColor inks[] = {Qt::black, cardRed()};
    for (int row = 0; row < 2; ++row) {
        const int top = 2 * indexGlyphHeight * row;
        for (int glyph = 1; glyph <= 14; ++glyph) {
            const QImage upright = indexGlyph(glyph, inks[row]);
            painter.drawImage(indexGlyphWidth * (glyph - 1), top, upright);
            painter.drawImage(indexGlyphWidth * (glyph - 1), top + indexGlyphHeight,
                              upright.mirrored(true, true));
        }
    }
    return sheet;
}

QRectF cardOutline() {
    return QRectF(0, 0, cardWidth - 1, cardHeight - 1);
}

QImage cardMask() {
    QImage mask(cardWidth, cardHeight, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainter painter(&mask);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(cardOutline(), cardCornerRadius, cardCornerRadius);
    return mask;
}

} // namespace quintaro::wqgame
