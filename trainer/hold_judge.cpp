#include "trainer/hold_judge.h"

#include "poker/game_setup.h"
#include "poker/pay_table.h"

namespace quintaro {

PokerHand::Cards drawnHand(const PokerHand::Cards& dealt, unsigned hold,
                           const PokerHand::Cards& next) {
    PokerHand::Cards cards = dealt;
    std::size_t drawn = 0;
    for (std::size_t window = 0; window < cards.size(); ++window)
        if ((hold & (1u << window)) == 0)
            cards[window] = next[drawn++];
    return cards;
}

JudgedRedeal judgeRedeal(GameType type, const CardDeck& deck, const HoldValues& values,
                         const PokerHand::Cards& dealt, const PokerHand::Cards& next, unsigned hold,
                         int bet) {
    const PayTable& rules = payTable(type);
    JudgedRedeal judged;
    judged.hold = hold;
    judged.best = values.best();
    judged.holdValue = values.scaledPayoff[hold];
    judged.bestValue = values.scaledPayoff[judged.best];
    judged.scale = values.scale;
    judged.line = winningLineOf(type, deck, drawnHand(dealt, hold, next));
    judged.bestLine = winningLineOf(type, deck, drawnHand(dealt, judged.best, next));
    judged.paid = judged.line == noLine ? 0 : rules.payoff(judged.line, bet);
    judged.bestPaid = judged.bestLine == noLine ? 0 : rules.payoff(judged.bestLine, bet);
    return judged;
}

} // namespace quintaro
