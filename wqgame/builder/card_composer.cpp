#include "wqgame/builder/card_composer.h"

#include "wqgame/builder/card_sheets.h"
#include "wqgame/builder/index_glyphs.h"
#include "wqgame/builder/picture_kit.h"

#include <QPainter>

#include <array>
#include <vector>

namespace quintaro::wqgame {

namespace {

struct PipLayout {
    std::vector<QPoint> upright;
    std::vector<QPoint> turned;
};

// Top-left corners of the pips of ranks 2 to 10, as the table lays them out.
const std::array<PipLayout, 9>& pipLayouts() {
    static const std::array<PipLayout, 9> layouts{{
        {{{28, 10}}, {{28, 71}}},
        {{{28, 40}, {28, 10}}, {{28, 71}}},
        {{{15, 10}, {41, 10}}, {{15, 71}, {41, 71}}},
        {{{28, 41}, {15, 10}, {41, 10}}, {{15, 71}, {41, 71}}},
        {{{15, 10}, {41, 10}, {15, 41}, {41, 41}}, {{15, 71}, {41, 71}}},
        {{{28, 27}, {15, 10}, {41, 10}, {15, 41}, {41, 41}}, {{15, 71}, {41, 71}}},
        {{{15, 10}, {41, 10}, {15, 31}, {41, 31}}, {{15, 50}, {41, 50}, {15, 71}, {41, 71}}},
        {{{28, 40}, {13, 10}, {43, 10}, {13, 30}, {43, 30}},
         {{13, 51}, {43, 51}, {13, 71}, {43, 71}}},
        {{{28, 20}, {13, 10}, {43, 10}, {13, 31}, {43, 31}},
         {{28, 61}, {13, 50}, {43, 50}, {13, 71}, {43, 71}}},
    }};
    return layouts;
}

} // namespace

CardComposer::CardComposer(Sheets sheets)
    : m_sheets(std::move(sheets)), m_scale(qRound(m_sheets.mask.devicePixelRatio())) {}

QRect CardComposer::cell(int x, int y, int width, int height) const {
    return QRect(x * m_scale, y * m_scale, width * m_scale, height * m_scale);
}

QImage CardComposer::cutToCard(QImage card) const {
    card = card.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x)
            if (m_sheets.mask.pixel(x, y) == qRgb(255, 255, 255))
                card.setPixel(x, y, qRgba(0, 0, 0, 0));
    return card;
}

QImage CardComposer::faceUp(int suit, int rank) const {
    QImage card = scaledImage(cardWidth, cardHeight, m_scale, QImage::Format_RGB32);
    card.fill(Qt::white);
    drawCardOutline(card, Qt::black);
    QPainter painter(&card);

    const bool joker = rank == 15 || rank == 16;
    const int glyphX = indexGlyphWidth * (joker ? 13 : rank - 1);
    const int glyphY = rank == 15 ? 28 : rank == 16 ? 0 : 28 * (suit / 2);
    painter.drawImage(QPoint(3, 4), m_sheets.indices,
                      cell(glyphX, glyphY, indexGlyphWidth, indexGlyphHeight));
    painter.drawImage(QPoint(59, 78), m_sheets.indices,
                      cell(glyphX, glyphY + indexGlyphHeight, indexGlyphWidth, indexGlyphHeight));
    if (!joker) {
        painter.drawImage(QPoint(2, 18), m_sheets.suits,
                          cell(suitCell * suit, 0, suitCell, suitCell));
        painter.drawImage(QPoint(58, 67), m_sheets.suits,
                          cell(suitCell * suit, suitCell, suitCell, suitCell));
    }

    if (rank >= 2 && rank <= 10) {
        const PipLayout& layout = pipLayouts().at(static_cast<std::size_t>(rank - 2));
        for (const QPoint& at : layout.upright)
            painter.drawImage(at, m_sheets.pips, cell(pipCell * suit, 0, pipCell, pipCell));
        for (const QPoint& at : layout.turned)
            painter.drawImage(at, m_sheets.pips, cell(pipCell * suit, pipCell, pipCell, pipCell));
    } else if (rank == 1 || (rank >= 11 && rank <= 13) || joker) {
        const int picture = rank == 15   ? 16
                            : rank == 16 ? 17
                            : rank == 1  ? 12 + suit
                                         : 4 * (rank - 11) + suit;
        painter.drawImage(QPoint(13, 10), m_sheets.faceSet, cell(45 * picture, 0, 45, 74));
    }
    painter.end();
    return cutToCard(card);
}

QImage CardComposer::faceDown(int back) const {
    return cutToCard(m_sheets.backs.copy(cell(cardWidth * back, 0, cardWidth, cardHeight)));
}

} // namespace quintaro::wqgame
