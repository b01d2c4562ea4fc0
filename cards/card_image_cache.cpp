#include "cards/card_image_cache.h"

#include "cards/card_layout.h"
#include "displays/vga_palette.h"
#include "wqgame/resource_module.h"

#include <QPainter>

namespace quintaro {

using namespace card_layout;

namespace {

bool isJoker(int rank) {
    return rank == firstJokerRank || rank == secondJokerRank;
}

QImage opaqueBitmap(int id) {
    return wqgame::loadBitmap(id).convertToFormat(QImage::Format_RGB32);
}

void copyCell(QPainter& painter, Spot at, const QImage& sheet, int cellX, int cellY, int width,
              int height) {
    painter.drawImage(QPoint(at.x, at.y), sheet, QRect(cellX, cellY, width, height));
}

// The face-set cell of a card that shows a picture in its centre, or -1 for none.
int faceCell(const Card& card) {
    switch (card.rank) {
    case jackRank:
        return jackCell + card.suit;
    case queenRank:
        return queenCell + card.suit;
    case kingRank:
        return kingCell + card.suit;
    case aceRank:
        return aceCell + card.suit;
    case firstJokerRank:
        return firstJokerCell;
    case secondJokerRank:
        return secondJokerCell;
    default:
        return -1;
    }
}

} // namespace

CardImageCache::CardImageCache()
    : m_back(cardWidth, cardHeight, QImage::Format_RGB32),
      m_faceSet(faceSetWidth, faceHeight, QImage::Format_RGB32) {
    m_back.fill(Qt::black);
    m_faceSet.fill(Qt::white);
    wqgame::LibraryBracket bracket;
    m_mask = opaqueBitmap(maskBitmap);
    m_pips = opaqueBitmap(pipBitmap);
    m_suits = opaqueBitmap(suitBitmap);
    m_indices = opaqueBitmap(indexBitmap);
}

void CardImageCache::rebuildBackImage(int back) {
    m_pendingBack = back;
}

void CardImageCache::reloadFaceSet(int faceSet) {
    m_pendingFaceSet = faceSet;
    m_faces.fill(QImage());
}

void CardImageCache::cutPendingBack() const {
    if (!m_pendingBack)
        return;
    const int back = *m_pendingBack;
    m_pendingBack.reset();
    QImage strip;
    {
        wqgame::LibraryBracket bracket;
        strip = wqgame::loadBitmap(backBitmap);
    }
    // Black outside the strip, so that a back the library does not hold lets the
    // masked card show black rather than leftovers of the previous back.
    m_back.fill(Qt::black);
    QPainter painter(&m_back);
    painter.drawImage(QPoint(0, 0), strip, QRect(cardWidth * back, 0, cardWidth, cardHeight));
}

void CardImageCache::copyPendingFaceSet() const {
    if (!m_pendingFaceSet)
        return;
    const int faceSet = *m_pendingFaceSet;
    m_pendingFaceSet.reset();
    QImage strip;
    {
        wqgame::LibraryBracket bracket;
        strip = wqgame::loadBitmap(firstFaceSetBitmap + faceSet);
    }
    QPainter painter(&m_faceSet);
    painter.drawImage(QPoint(0, 0), strip);
}

void CardImageCache::drawCard(QPainter& painter, const Card& card) const {
    switch (card.state) {
    case CardState::FaceDown: {
        cutPendingBack();
        const QPainter::CompositionMode previous = painter.compositionMode();
        const QPoint at(card.x, card.y);
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter.drawImage(at, m_mask);
        painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        painter.drawImage(at, m_back);
        painter.setCompositionMode(previous);
        break;
    }
    case CardState::FaceUp:
        drawFace(painter, card);
        break;
    default:
        break;
    }
}

void CardImageCache::drawFace(QPainter& painter, const Card& card) const {
    if (card.rank < 0 || card.rank > secondJokerRank || card.suit < 0 || card.suit > 3)
        return;
    QImage& face = m_faces[static_cast<std::size_t>(card.rank * 4 + card.suit)];
    if (face.isNull())
        face = composeFace(card);
    const QPainter::CompositionMode previous = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(QPoint(card.x, card.y), face);
    painter.setCompositionMode(previous);
}

// The card drawn without antialiasing on a clear picture: every pixel ends up opaque or
// clear, so copying the picture gives the pixels that drawing the card in place would.
QImage CardImageCache::composeFace(const Card& card) const {
    QImage face(cardWidth, cardHeight, QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(vgaColour(VgaColour::Black), 1));
    painter.setBrush(vgaColour(VgaColour::White));
    painter.drawRoundedRect(QRectF(0, 0, cardWidth - 1, cardHeight - 1), cornerRadius,
                            cornerRadius);
    drawIndices(painter, card);
    drawCentre(painter, card);
    return face;
}

void CardImageCache::drawIndices(QPainter& painter, const Card& card) const {
    int cellX = indexWidth * (card.rank - 1);
    int cellY = indexInkRowHeight * (card.suit / 2);
    if (isJoker(card.rank)) {
        cellX = jokerIndexX;
        cellY = card.rank == firstJokerRank ? indexInkRowHeight : 0;
    }
    copyCell(painter, uprightIndex, m_indices, cellX, cellY, indexWidth, indexHeight);
    copyCell(painter, turnedIndex, m_indices, cellX, cellY + indexHeight, indexWidth, indexHeight);
    if (isJoker(card.rank))
        return;
    const int suitX = suitSymbolSize * card.suit;
    copyCell(painter, uprightSuit, m_suits, suitX, 0, suitSymbolSize, suitSymbolSize);
    copyCell(painter, turnedSuit, m_suits, suitX, suitSymbolSize, suitSymbolSize, suitSymbolSize);
}

void CardImageCache::drawCentre(QPainter& painter, const Card& card) const {
    if (const int cell = faceCell(card); cell >= 0) {
        copyPendingFaceSet();
        copyCell(painter, facePicture, m_faceSet, faceWidth * cell, 0, faceWidth, faceHeight);
        return;
    }
    if (card.rank < firstPipRank || card.rank > lastPipRank)
        return;
    const PipLayout& layout = pipLayouts[static_cast<std::size_t>(card.rank - firstPipRank)];
    const int pipX = pipSize * card.suit;
    for (int i = 0; i < layout.uprightCount; ++i)
        copyCell(painter, layout.upright[static_cast<std::size_t>(i)], m_pips, pipX, 0, pipSize,
                 pipSize);
    for (int i = 0; i < layout.turnedCount; ++i)
        copyCell(painter, layout.turned[static_cast<std::size_t>(i)], m_pips, pipX, pipSize,
                 pipSize, pipSize);
}

} // namespace quintaro
