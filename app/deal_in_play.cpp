#include "app/deal_in_play.h"

#include "analysis/deck_index.h"

namespace quintaro {

std::optional<DealInPlay> dealInPlay(const RoundFlow& round) {
    const CardDeck* deck = round.deck();
    // While cards are being dealt the next card to draw is still among the five.
    if (deck == nullptr || round.state().phase == RoundPhase::NotStarted ||
        round.nextCardIndex() < RoundFlow::cardWindowCount)
        return std::nullopt;
    // Cards are dealt from the top of the shuffled deck, window by window, and a redeal
    // draws the cards after them: until the next shuffle, window i's dealt card stays at
    // deck place i, and it is kept while it is on the table and held.
    DealInPlay deal{round.gameType(), {}, 0, round.dealtBet()};
    for (int window = 0; window < RoundFlow::cardWindowCount; ++window) {
        const Card* dealt = deck->card(window);
        deal.dealt[static_cast<std::size_t>(window)] = deckIndexOf(*dealt);
        if (round.card(window) == dealt && round.holdState(window) == HoldState::Hold)
            deal.hold |= 1u << window;
    }
    return deal;
}

} // namespace quintaro
