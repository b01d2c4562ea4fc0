#pragma once

#include <QImage>
#include <QRectF>

namespace quintaro::wqgame {

// The small pictures a face-up card is put together from, in the cell layouts the card
// drawing reads: each sheet has its upright row on top and the same cells turned half
// round below. Suits are numbered as in suit_shapes.h. Each is drawn at `scale` times its 1x
// size (its devicePixelRatio), so every cell is `scale` times its 1x cell. Cell sizes and
// places are those of card_layout.h, which the game reads the sheets with.
inline constexpr int cardCornerRadius = 6;

QImage pipSheet(int scale = 1);
QImage suitSheet(int scale = 1);
// Ranks 1 to 13 at x = 9 (rank - 1), the jokers at x = 117; black in rows 0 and 14, red in
// rows 28 and 42; the red joker of rank 15 sits in the red rows, the black one of 16 above.
QImage indexSheet(int scale = 1);
// White outside the card's rounded outline, black on and inside it.
QImage cardMask(int scale = 1);

// The card's shape, the same in all four corners at every scale: device pixel (x, y) of a
// card drawn at `scale` lies on the card when its centre lies in the 71 x 96 rectangle with
// corners rounded at radius 6 (1x pixels, times `scale`). With `inset`, the rectangle
// shrunk by that many 1x pixels on every side, its radius by as many.
bool onCard(int x, int y, int scale, int inset = 0);
// Paints the card's outline, one 1x pixel wide along the edge of its shape, in `ink` on
// `card`, a 71 x 96 picture at its devicePixelRatio.
void drawCardOutline(QImage& card, QColor ink);

} // namespace quintaro::wqgame
