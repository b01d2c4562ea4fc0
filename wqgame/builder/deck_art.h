#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace quintaro::wqgame {

// Face sets and card backs rendered from the free card decks installed under `deckFolder`
// (one sub folder per deck, as the KDE card decks are laid out).
class DeckArt {
public:
    explicit DeckArt(QString deckFolder);

    // Eighteen 45 x 74 pictures side by side: jacks, queens, kings and aces of suits 0 to 3,
    // then the red joker (rank 15) and the black one (rank 16). Null when a deck is missing.
    QImage faceSet(int index) const;
    int faceSetCount() const;
    QStringList faceSetNames() const;

    // The backs side by side in 71 x 96 cells, black outside the card's rounded outline.
    QImage backs() const;
    QStringList backNames() const;

    // The deck files the art is drawn from that cannot be read.
    QStringList missingDecks() const;

private:
    QString deckFile(const QString& deck) const;

    QString m_deckFolder;
};

} // namespace quintaro::wqgame
