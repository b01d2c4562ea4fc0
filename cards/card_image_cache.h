#pragma once

#include "cards/card_picture_sink.h"
#include "poker/card.h"

#include <QImage>

#include <array>
#include <optional>

class QPainter;

namespace quintaro {

// The pictures cards are drawn from, copied once out of the game resource library into
// opaque surfaces: the current back, the card mask, the current face set and the pip,
// suit and index sheets. Each face-up card is composed from them the first time it is
// drawn and kept until the face set changes, so that a repaint copies one picture per
// card. The table window owns the one cache and keeps it for its whole life; the library
// must be open when the cache is built and whenever a card is drawn.
class CardImageCache : public CardPictureSink {
public:
    // Loads the mask and the three sheets. The back and the face set stay blank until the
    // card look asks for them.
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
    void cutPendingBack() const;
    void copyPendingFaceSet() const;
    void drawFace(QPainter& painter, const Card& card) const;
    QImage composeFace(const Card& card) const;
    void drawIndices(QPainter& painter, const Card& card) const;
    void drawCentre(QPainter& painter, const Card& card) const;

    mutable QImage m_back;
    mutable std::optional<int> m_pendingBack;
    QImage m_mask;
    mutable QImage m_faceSet;
    mutable std::optional<int> m_pendingFaceSet;
    QImage m_pips;
    QImage m_suits;
    QImage m_indices;
    // The composed face-up cards, by rank and suit; null until first drawn.
    mutable std::array<QImage, (secondJokerRank + 1) * 4> m_faces;
};

} // namespace quintaro
