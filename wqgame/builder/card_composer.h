#pragma once

#include <QImage>

namespace quintaro::wqgame {

// Puts cards together from the library's sheets the way the table does, for the pictures
// that show cards and for the contact sheet. Cards come out 71 x 96 with see-through
// corners.
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

private:
    QImage cutToCard(QImage card) const;

    Sheets m_sheets;
};

} // namespace quintaro::wqgame
