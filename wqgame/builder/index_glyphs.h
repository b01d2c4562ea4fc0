#pragma once

#include <QColor>
#include <QImage>

namespace quintaro::wqgame {

// The corner index glyphs of a card: hand-set pixels, since no outline font stays legible
// at 9 x 14. Rank 1 is the ace, 11 to 13 the court cards; rank 14 stands for the joker.

// The upright glyph of `rank` (1 to 14) in `colour` on white, one index cell of
// card_layout.h in logical pixels at `scale` device pixels to each. At scale 1 the hand-set pixels;
// above it the same characters as outlines (a bold sans, the joker's star), each fitted into the
// box its hand-set pixels take, so the corners read alike at every scale.
QImage indexGlyph(int rank, QColor colour, int scale = 1);

} // namespace quintaro::wqgame
