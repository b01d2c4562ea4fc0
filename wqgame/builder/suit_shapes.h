#pragma once

#include <QColor>
#include <QPainterPath>

namespace quintaro::wqgame {

// Suit numbers as the cards use them: the two black suits first, so that the index sheet's
// upper rows serve suits 0 and 1 and its lower rows suits 2 and 3.
enum Suit { Clubs = 0, Spades = 1, Hearts = 2, Diamonds = 3 };

inline constexpr int suitCount = 4;

// The ink of the black and the red suits.
QColor suitColour(int suit);
QColor cardRed();

// The outline of a suit symbol filling the square (0, 0)-(size, size).
QPainterPath suitShape(int suit, qreal size);

} // namespace quintaro::wqgame
