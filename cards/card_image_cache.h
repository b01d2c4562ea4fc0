#pragma once

#include "cards/card_picture_sink.h"
#include "poker/card.h"

#include <QImage>

#include <array>
#include <optional>

class QPainter;

namespace quintaro {

// The pictures cards are drawn from, copied out of the game resource library into opaque
// surfaces: the current back, the card mask, the current face set and the pip, suit and
// index sheets. All of them are held at the library's variant scale for the device pixel
// ratio of the target last drawn on, and loaded again when a target of another ratio asks
// (the window moved to another screen). Each face-up card is composed at that scale the
// first time it is drawn and kept until the face set or the scale changes, so that a
// repaint copies one picture per card. The table window owns the one cache and keeps it
// for its whole life; the library must be open whenever a card is drawn.
class CardImageCache : public CardPictureSink {
public:
    // Loads nothing: the sheets come at the scale of the first target a card is drawn on.
    CardImageCache();

    // The back's and the face set's strips are decoded when a card first shows them: each
    // takes milliseconds, and no card is on the table while the program starts.
    void rebuildBackImage(int back) override;
    void reloadFaceSet(int faceSet) override;

    // Draws the card at its (x, y) by its state: the back through the mask when face
    // down, the composed face when face up, nothing otherwise. The face-down copy uses
    // raster operations, so the target must be opaque (an RGB32 image, or a widget's
    // backing store under the raster engine). The painter's state is left as it was.
    void drawCard(QPainter& painter, const Card& card) const;

private:
    void useScaleOf(const QPainter& painter) const;
    void cutPendingBack() const;
    void copyPendingFaceSet() const;
    void drawFace(QPainter& painter, const Card& card) const;
    QImage composeFace(const Card& card) const;
    void drawIndices(QPainter& painter, const Card& card) const;
    void drawCentre(QPainter& painter, const Card& card) const;

    // The variant scale the surfaces below are held at; 0 before the first card is drawn.
    mutable int m_scale = 0;
    // The player's choices; none until the card look makes one, and the surfaces stay blank.
    std::optional<int> m_backChoice;
    std::optional<int> m_faceSetChoice;
    mutable bool m_backCut = false;
    mutable bool m_faceSetCopied = false;
    mutable QImage m_back;
    mutable QImage m_mask;
    mutable QImage m_faceSet;
    mutable QImage m_pips;
    mutable QImage m_suits;
    mutable QImage m_indices;
    // White inside a black outline one pixel of the 1x size wide, clear outside the mask.
    mutable QImage m_blankCard;
    // The composed face-up cards, by rank and suit; null until first drawn.
    mutable std::array<QImage, (secondJokerRank + 1) * 4> m_faces;
};

} // namespace quintaro
