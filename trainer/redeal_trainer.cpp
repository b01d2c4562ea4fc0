#include "trainer/redeal_trainer.h"

#include "analysis/deck_index.h"
#include "trainer/hold_judge.h"
#include "trainer/trainer_text.h"

namespace quintaro {

bool RedealTrainer::ready(const RoundFlow& round) const {
    return m_advisor && m_advisor->gameType() == round.gameType() && m_advisor->isPrepared();
}

RedealTrainer::DealKey RedealTrainer::keyOf(const RoundFlow& round) {
    DealKey key{};
    // Offset by the game, as two games may share a deck's indices.
    for (std::size_t place = 0; place < key.size(); ++place)
        key[place] = deckIndexOf(*round.deck()->card(static_cast<int>(place))) +
                     100 * gameTypeNumber(round.gameType());
    return key;
}

bool RedealTrainer::allowRedeal(const RoundFlow& round) {
    m_outcome.reset();
    if (!ready(round)) {
        m_refusal.reset();
        return true;
    }
    PokerHand::Cards dealt{};
    PokerHand::Cards next{};
    unsigned hold = 0;
    for (int window = 0; window < RoundFlow::cardWindowCount; ++window) {
        const auto at = static_cast<std::size_t>(window);
        dealt[at] = round.card(window);
        next[at] = round.deck()->card(round.nextCardIndex() + window);
        if (round.holdState(window) == HoldState::Hold)
            hold |= 1u << window;
    }
    const int bet = round.bet();
    const JudgedRedeal judged = judgeRedeal(
        round.gameType(), *round.deck(), m_advisor->holdValues(dealt, bet), dealt, next, hold, bet);
    const DealKey deal = keyOf(round);
    const bool pressedAgain = m_refusal && m_refusal->deal == deal && m_refusal->hold == hold;
    if (judged.mistake() && !pressedAgain) {
        std::array<int, PokerHand::handSize> hand{};
        for (std::size_t i = 0; i < hand.size(); ++i)
            hand[i] = deckIndexOf(*dealt[i]);
        m_refusal = Note{deal, hold, mistakeMessage(hand, judged)};
        return false;
    }
    m_refusal.reset();
    m_statistics.record(round.gameType(), judged, dealt, bet);
    m_outcome = Note{deal, hold, "Best play would have paid $" + std::to_string(judged.bestPaid)};
    return true;
}

std::string RedealTrainer::message(const RoundFlow& round) const {
    const RoundPhase phase = round.state().phase;
    const std::optional<Note>& note = phase == RoundPhase::Holding ? m_refusal : m_outcome;
    if (phase == RoundPhase::NotStarted || !note || note->deal != keyOf(round))
        return {};
    return note->text;
}

} // namespace quintaro
