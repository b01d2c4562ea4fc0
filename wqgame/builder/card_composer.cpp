#include "wqgame/builder/card_composer.h"

#include "wqgame/builder/card_sheets.h"
#include "wqgame/builder/index_glyphs.h"
#include "wqgame/builder/picture_kit.h"
#include "wqgame/card_layout.h"

#include <QPainter>

namespace quintaro::wqgame {

namespace {

QPoint point(card_layout::Spot spot) {
    return {spot.x, spot.y};
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

// Put together as the table does, from the places in card_layout.h.
QImage CardComposer::faceUp(int suit, int rank) const {
    using namespace card_layout;
    QImage card = scaledImage(cardWidth, cardHeight, m_scale, QImage::Format_RGB32);
    card.fill(Qt::white);
    drawCardOutline(card, Qt::black);
    QPainter painter(&card);

    const bool joker = rank == 15 || rank == 16;
    const int glyphX = joker ? jokerIndexX : indexWidth * (rank - 1);
    const int glyphY = rank == 15   ? indexInkRowHeight
                       : rank == 16 ? 0
                                    : indexInkRowHeight * (suit / 2);
    painter.drawImage(point(uprightIndex), m_sheets.indices,
                      cell(glyphX, glyphY, indexWidth, indexHeight));
    painter.drawImage(point(turnedIndex), m_sheets.indices,
                      cell(glyphX, glyphY + indexHeight, indexWidth, indexHeight));
    if (!joker) {
        const int size = suitSymbolSize;
        painter.drawImage(point(uprightSuit), m_sheets.suits, cell(size * suit, 0, size, size));
        painter.drawImage(point(turnedSuit), m_sheets.suits, cell(size * suit, size, size, size));
    }

    if (rank >= firstPipRank && rank <= lastPipRank) {
        const PipLayout& layout = pipLayouts.at(static_cast<std::size_t>(rank - firstPipRank));
        for (int i = 0; i < layout.uprightCount; ++i)
            painter.drawImage(point(layout.upright.at(static_cast<std::size_t>(i))), m_sheets.pips,
                              cell(pipSize * suit, 0, pipSize, pipSize));
        for (int i = 0; i < layout.turnedCount; ++i)
            painter.drawImage(point(layout.turned.at(static_cast<std::size_t>(i))), m_sheets.pips,
                              cell(pipSize * suit, pipSize, pipSize, pipSize));
    } else if (rank == 1 || (rank >= 11 && rank <= 13) || joker) {
        const int picture = rank == 15   ? firstJokerCell
                            : rank == 16 ? secondJokerCell
                            : rank == 1  ? aceCell + suit
                                         : jackCell + 4 * (rank - 11) + suit;
        painter.drawImage(point(facePicture), m_sheets.faceSet,
                          cell(faceWidth * picture, 0, faceWidth, faceHeight));
    }
    painter.end();
    return cutToCard(card);
}

QImage CardComposer::faceDown(int back) const {
    using namespace card_layout;
    return cutToCard(m_sheets.backs.copy(cell(cardWidth * back, 0, cardWidth, cardHeight)));
}

} // namespace quintaro::wqgame
