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

unsigned RedealTrainer::holdOf(const RoundFlow& round) {
    unsigned hold = 0;
    for (int window = 0; window < RoundFlow::cardWindowCount; ++window)
        if (round.holdState(window) == HoldState::Hold)
            hold |= 1u << window;
    return hold;
}

bool RedealTrainer::allowRedeal(const RoundFlow& round) {
    m_outcome.reset();
    if (!ready(round)) {
        m_refusal.reset();
        return true;
    }
    PokerHand::Cards dealt{};
    PokerHand::Cards next{};
    for (int window = 0; window < RoundFlow::cardWindowCount; ++window) {
        const auto at = static_cast<std::size_t>(window);
        dealt[at] = round.card(window);
        next[at] = round.deck()->card(round.nextCardIndex() + window);
    }
    const unsigned hold = holdOf(round);
    const int bet = round.bet();
    const HoldValues values = m_advisor->holdValues(dealt, bet);
    const JudgedRedeal judged =
        judgeRedeal(round.gameType(), *round.deck(), values, dealt, next, hold, bet);
    const DealKey deal = keyOf(round);
    const bool pressedAgain = m_refusal && m_refusal->deal == deal && m_refusal->hold == hold;
    if (judged.mistake() && !pressedAgain) {
        DealtCards hand{};
        for (std::size_t i = 0; i < hand.size(); ++i)
            hand[i] = deckIndexOf(*dealt[i]);
        m_refusal = Refusal{deal, hold, hand, values};
        return false;
    }
    m_refusal.reset();
    m_statistics.record(round.gameType(), judged, dealt, bet);
    m_outcome = Outcome{deal, "Best play would have paid $" + std::to_string(judged.bestPaid)};
    return true;
}

std::string RedealTrainer::message(const RoundFlow& round, TrainerWording wording) const {
    const RoundPhase phase = round.state().phase;
    if (phase == RoundPhase::NotStarted)
        return {};
    if (phase == RoundPhase::Holding) {
        if (!m_refusal || m_refusal->deal != keyOf(round))
            return {};
        const unsigned hold = holdOf(round);
        const bool offer = hold == m_refusal->hold && wording == TrainerWording::Full;
        return mistakeMessage(m_refusal->hand, m_refusal->values, hold, offer);
    }
    if (!m_outcome || m_outcome->deal != keyOf(round))
        return {};
    return m_outcome->text;
}

} // namespace quintaro
