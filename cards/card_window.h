#pragma once

#include "cards/hold_state.h"
#include "poker/game_state.h"

#include <QWidget>

namespace quintaro {

// The caption window under a card: shows "Hold" or "Discard" and takes the clicks that
// toggle it. The round flow owns the hold state and the phase and decides what a click
// does; this window only paints them and reports presses through pressed().
class CardWindow : public QWidget {
    Q_OBJECT
public:
    explicit CardWindow(QWidget* parent = nullptr);

    // Where the window reads the round's phase and its own hold state. Both must outlive
    // the window; until they are given it shows no caption and counts as Blank.
    void watch(const RoundPhase* phase, const HoldState* holdState);
    HoldState holdState() const;

    // A click on this window or on its card's picture; the table forwards the latter.
    void press() { Q_EMIT pressed(); }

Q_SIGNALS:
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const RoundPhase* m_phase = nullptr;
    const HoldState* m_holdState = nullptr;
};

} // namespace quintaro
