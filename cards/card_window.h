#pragma once

#include "cards/hold_state.h"
#include "poker/card.h"
#include "poker/game_state.h"

#include <QWidget>

#include <functional>

namespace quintaro {

// The caption window under a card: shows "Hold" or "Discard" and takes the clicks that
// toggle it. The round flow owns the hold state and the phase and decides what a click
// does; this window only paints them and reports presses through pressed(). Tab reaches it
// from the keyboard, where the space bar presses it; a click never focuses it.
class CardWindow : public QWidget {
    Q_OBJECT
public:
    // The card shown above the window, or nullptr while there is none.
    using CardSource = std::function<const Card*()>;

    explicit CardWindow(QWidget* parent = nullptr);

    // Where the window reads the round's phase, its own hold state and its card. The phase
    // and the hold state must outlive the window; until they are given it shows no caption
    // and counts as Blank.
    void watch(const RoundPhase* phase, const HoldState* holdState, CardSource card = {});
    HoldState holdState() const;
    RoundPhase phase() const { return m_phase ? *m_phase : RoundPhase::NotStarted; }
    const Card* card() const { return m_card ? m_card() : nullptr; }
    // "Hold", "Discard" or nothing: what the window shows now.
    QString caption() const;

    // A click on this window or on its card's picture; the table forwards the latter.
    void press() { Q_EMIT pressed(); }

Q_SIGNALS:
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const RoundPhase* m_phase = nullptr;
    const HoldState* m_holdState = nullptr;
    CardSource m_card;
};

} // namespace quintaro
