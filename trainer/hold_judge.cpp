#include "trainer/hold_judge.h"

#include "poker/pay_table.h"

namespace quintaro {

namespace {

bool isWildUnder(WildRule rule, const Card& card) {
    switch (rule) {
    case WildRule::Jokers:
        return card.rank >= firstJokerRank;
    case WildRule::Deuces:
        return card.rank == 2;
    case WildRule::None:
        break;
    }
    return false;
}

// The table's evaluation of five cards of the deck: wildness goes by the card records,
// so the wild list is taken from the very deck the cards belong to.
int winningLine(const PayTable& rules, const CardDeck& deck, const PokerHand::Cards& cards) {
    PokerHand hand;
    for (int i = 0; i < deck.count(); ++i)
        if (isWildUnder(rules.wildRule, *deck.card(i)))
            hand.addWild(deck.card(i));
    hand.setHand(cards);
    std::array<HandCategory, maxPayLines> categories{};
    for (int line = 0; line < rules.lineCount; ++line)
        categories[static_cast<std::size_t>(line)] =
            rules.lines[static_cast<std::size_t>(line)].category;
    return hand.winningLine(categories, rules.lineCount);
}

} // namespace

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
    judged.line = winningLine(rules, deck, drawnHand(dealt, hold, next));
    judged.bestLine = winningLine(rules, deck, drawnHand(dealt, judged.best, next));
    judged.paid = judged.line == noLine ? 0 : rules.payoff(judged.line, bet);
    judged.bestPaid = judged.bestLine == noLine ? 0 : rules.payoff(judged.bestLine, bet);
    return judged;
}

} // namespace quintaro
