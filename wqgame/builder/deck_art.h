#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class QSvgRenderer;

namespace quintaro::wqgame {

// Face sets and card backs rendered from the free card decks installed under `deckFolder`
// (one sub folder per deck, as the KDE card decks are laid out).
class DeckArt {
public:
    explicit DeckArt(QString deckFolder);
    ~DeckArt();

    // Eighteen 45 x 74 pictures side by side: jacks, queens, kings and aces of suits 0 to 3,
    // then the red joker (rank 15) and the black one (rank 16). Null when a deck is missing.
    // Both pictures are rendered from the decks at `scale` times their 1x size.
    QImage faceSet(int index, int scale = 1) const;
    int faceSetCount() const;
    QStringList faceSetNames() const;

    // The backs side by side in 71 x 96 cells, black outside the card's rounded outline.
    QImage backs(int scale = 1) const;
    QStringList backNames() const;

    // The deck files the art is drawn from that cannot be read.
    QStringList missingDecks() const;

private:
    QString deckFile(const QString& deck) const;
    // The deck parsed once: the pictures are drawn from it at every scale.
    QSvgRenderer& renderer(const char* deck) const;

    QString m_deckFolder;
    mutable std::map<QString, std::unique_ptr<QSvgRenderer>> m_renderers;
};

} // namespace quintaro::wqgame
