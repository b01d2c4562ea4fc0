#include "cards/card_image_cache.h"

#include "displays/device_pixels.h"
#include "displays/vga_palette.h"
#include "wqgame/card_layout.h"
#include "wqgame/resource_module.h"

#include <QPainter>

namespace quintaro {

using namespace card_layout;

namespace {

bool isJoker(int rank) {
    return rank == firstJokerRank || rank == secondJokerRank;
}

QImage opaqueBitmap(int id, int scale) {
    return wqgame::loadBitmap(id, scale).convertToFormat(QImage::Format_RGB32);
}

// A surface of `size` pixels of the 1x size at `scale`, filled with `colour`.
QImage blankSurface(QSize size, int scale, Qt::GlobalColor colour) {
    QImage surface(size * scale, QImage::Format_RGB32);
    surface.setDevicePixelRatio(scale);
    surface.fill(colour);
    return surface;
}

// The card's shape is where the mask is black. Its outline is every pixel of the shape with
// the table within one pixel of the 1x size straight across or up or down, so it keeps its
// thickness at every scale, matches a one-pixel pen at 1x, and the face-up card covers
// exactly what the face-down one does.
QImage blankCard(const QImage& mask) {
    const int scale = qRound(mask.devicePixelRatio());
    const auto inShape = [&mask](int x, int y) {
        return mask.valid(x, y) && mask.pixel(x, y) != qRgb(255, 255, 255);
    };
    const auto interior = [&](int x, int y) {
        for (int d = -scale; d <= scale; ++d)
            if (!inShape(x + d, y) || !inShape(x, y + d))
                return false;
        return true;
    };
    QImage card(mask.size(), QImage::Format_ARGB32_Premultiplied);
    card.setDevicePixelRatio(scale);
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            QRgb colour = qRgba(0, 0, 0, 0);
            if (interior(x, y))
                colour = vgaColour(VgaColour::White).rgb();
            else if (inShape(x, y))
                colour = vgaColour(VgaColour::Black).rgb();
            card.setPixel(x, y, colour);
        }
    return card;
}

void copyCell(QPainter& painter, Spot at, const QImage& sheet, int cellX, int cellY, int width,
              int height) {
    painter.drawImage(QPoint(at.x, at.y), sheet,
                      pixelsOf(sheet, QRect(cellX, cellY, width, height)));
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

CardImageCache::CardImageCache() = default;

// Every new game asks again for the choices it had: the pictures made for them are kept,
// as decoding the strips again costs most at high scales.
void CardImageCache::rebuildBackImage(int back) {
    if (m_backChoice == back)
        return;
    m_backChoice = back;
    m_backCut = false;
}

void CardImageCache::reloadFaceSet(int faceSet) {
    if (m_faceSetChoice == faceSet)
        return;
    m_faceSetChoice = faceSet;
    m_faceSetCopied = false;
    m_faces.fill(QImage());
}

void CardImageCache::useScaleOf(const QPainter& painter) const {
    const int scale = wqgame::bitmapScaleFor(devicePixelRatioOf(painter));
    if (scale == m_scale)
        return;
    m_scale = scale;
    {
        wqgame::LibraryBracket bracket;
        m_mask = opaqueBitmap(maskBitmap, scale);
        m_pips = opaqueBitmap(pipBitmap, scale);
        m_suits = opaqueBitmap(suitBitmap, scale);
        m_indices = opaqueBitmap(indexBitmap, scale);
    }
    m_blankCard = blankCard(m_mask);
    m_back = blankSurface(QSize(cardWidth, cardHeight), scale, Qt::black);
    m_faceSet = blankSurface(QSize(faceSetWidth, faceHeight), scale, Qt::white);
    m_backCut = false;
    m_faceSetCopied = false;
    m_faces.fill(QImage());
}

void CardImageCache::cutPendingBack() const {
    if (m_backCut)
        return;
    m_backCut = true;
    if (!m_backChoice)
        return;
    QImage strip;
    {
        wqgame::LibraryBracket bracket;
        strip = wqgame::loadBitmap(backBitmap, m_scale);
    }
    // Black outside the strip, so that a back the library does not hold lets the
    // masked card show black rather than leftovers of the previous back.
    m_back.fill(Qt::black);
    QPainter painter(&m_back);
    painter.drawImage(QPoint(0, 0), strip,
                      pixelsOf(strip, QRect(cardWidth * *m_backChoice, 0, cardWidth, cardHeight)));
}

void CardImageCache::copyPendingFaceSet() const {
    if (m_faceSetCopied)
        return;
    m_faceSetCopied = true;
    if (!m_faceSetChoice)
        return;
    QImage strip;
    {
        wqgame::LibraryBracket bracket;
        strip = wqgame::loadBitmap(firstFaceSetBitmap + *m_faceSetChoice, m_scale);
    }
    QPainter painter(&m_faceSet);
    painter.drawImage(QPoint(0, 0), strip);
}

void CardImageCache::drawCard(QPainter& painter, const Card& card) const {
    if (card.state == CardState::FaceUp) {
        useScaleOf(painter);
        drawFace(painter, card);
        return;
    }
    if (card.state != CardState::FaceDown)
        return;
    useScaleOf(painter);
    cutPendingBack();
    const QPainter::CompositionMode previous = painter.compositionMode();
    const QPoint at(card.x, card.y);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(at, m_mask);
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(at, m_back);
    painter.setCompositionMode(previous);
}

void CardImageCache::drawFace(QPainter& painter, const Card& card) const {
    if (card.rank < 0 || card.rank > secondJokerRank || card.suit < 0 || card.suit > 3)
        return;
    QImage& face = m_faces[static_cast<std::size_t>(card.rank * 4 + card.suit)];
    if (face.isNull())
        face = composeFace(card);
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // Between whole scales (1.25, 1.5) the face is resampled: smoothly, so the glyphs stay even.
    if (devicePixelRatioOf(painter) != face.devicePixelRatio())
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QPoint(card.x, card.y), face);
    painter.restore();
}

// The card on a clear picture: every pixel ends up opaque or clear, so copying the picture
// gives the pixels that drawing the card in place would.
QImage CardImageCache::composeFace(const Card& card) const {
    QImage face = m_blankCard.copy();
    QPainter painter(&face);
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
