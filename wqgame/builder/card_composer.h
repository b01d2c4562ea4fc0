#pragma once

#include <QImage>

namespace quintaro::wqgame {

// Puts cards together from the library's sheets the way the table does, for the pictures
// that show cards and for the contact sheet. Cards come out 71 x 96 with see-through
// corners, at the scale of the sheets (their devicePixelRatio, all alike): from sheets drawn at
// scale s, a card of 71s x 96s device pixels, as the table puts it together at that scale.
class CardComposer {
public:
    struct Sheets {
        QImage pips;
        QImage suits;
        QImage indices;
        QImage faceSet;
        QImage backs;
        QImage mask;
    };

    explicit CardComposer(Sheets sheets);

    // Rank 1 is the ace, 11 to 13 the court cards, 15 and 16 the red and the black joker.
    QImage faceUp(int suit, int rank) const;
    QImage faceDown(int back) const;
    int scale() const { return m_scale; }

private:
    QImage cutToCard(QImage card) const;
    // A rectangle of a sheet, given in the 1x sheet's pixels.
    QRect cell(int x, int y, int width, int height) const;

    Sheets m_sheets;
    int m_scale = 1;
};

} // namespace quintaro::wqgame
