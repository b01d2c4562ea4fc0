#pragma once

#include <QColor>
#include <QImage>

namespace quintaro::wqgame {

// The corner index glyphs of a card: hand-set pixels, since no outline font stays legible
// at 9 x 14. Rank 1 is the ace, 11 to 13 the court cards; rank 14 stands for the joker.
inline constexpr int indexGlyphWidth = 9;
inline constexpr int indexGlyphHeight = 14;

// The upright glyph of `rank` (1 to 14) in `colour` on white, indexGlyphWidth x indexGlyphHeight.
QImage indexGlyph(int rank, QColor colour);

} // namespace quintaro::wqgame
