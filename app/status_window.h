#pragma once

#include "poker/game_state.h"

#include <QWidget>

namespace quintaro {

// The box shown over the cards between rounds. It paints from the round record, which
// must outlive it: "Game Over" is left out while the game is fresh from a sign-in.
class StatusWindow : public QWidget {
    Q_OBJECT
public:
    StatusWindow(const GameState& state, QWidget* parent);

    // What the box shows, its lines joined as sentences: "Game Over. Press ...".
    QString text() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    // The box is a window of its own: a click on it ends here, silently, and never
    // reaches the card beneath.
    void mousePressEvent(QMouseEvent* event) override;

private:
    const GameState& m_state;
};

} // namespace quintaro
