#pragma once

#include <QImage>
#include <QRectF>

namespace quintaro::wqgame {

// The small pictures a face-up card is put together from, in the cell layouts the card
// drawing reads: each sheet has its upright row on top and the same cells turned half
// round below. Suits are numbered as in suit_shapes.h.
inline constexpr int pipCell = 15;
inline constexpr int suitCell = 11;
inline constexpr int jokerIndexX = 117;
inline constexpr int cardWidth = 71;
inline constexpr int cardHeight = 96;
inline constexpr qreal cardCornerRadius = 6;

QImage pipSheet();
QImage suitSheet();
// Ranks 1 to 13 at x = 9 (rank - 1), the jokers at x = 117; black in rows 0 and 14, red in
// rows 28 and 42; the red joker of rank 15 sits in the red rows, the black one of 16 above.
QImage indexSheet();
// White outside the card's rounded outline, black on and inside it.
QImage cardMask();
// The outline every card shares: the rectangle (0, 0)-(70, 95) with its corners rounded.
QRectF cardOutline();

} // namespace quintaro::wqgame
