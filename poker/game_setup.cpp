#include "poker/game_setup.h"

#include "platform/translated_text.h"

namespace quintaro {

namespace {

bool isWildUnder(WildRule rule, const Card& card) {
    switch (rule) {
    case WildRule::Jokers:
        return card.rank == firstJokerRank || card.rank == secondJokerRank;
    case WildRule::Deuces:
        return card.rank == 2;
    case WildRule::None:
        break;
    }
    return false;
}

} // namespace

void setUpGame(GameType type, PokerTable& table, GameSetupSeams& seams) {
    table.hand.clearWild();
    table.hand.setHand({});
    table.deck.reset();

    const PayTable& rules = payTable(type);
    seams.switchHallOfFame(type);
    table.pay.title = translatedText("Games", rules.title.data());
    table.deck = std::make_unique<CardDeck>(rules.jokers);
    table.pay.lineCount = rules.lineCount;
    for (int i = 0; i < table.deck->count(); ++i) {
        if (isWildUnder(rules.wildRule, *table.deck->card(i)))
            table.hand.addWild(table.deck->card(i));
    }
    for (int line = 0; line < rules.lineCount; ++line) {
        const auto lineIndex = static_cast<std::size_t>(line);
        table.pay.categories[lineIndex] = rules.lines[lineIndex].category;
        for (int bet = 1; bet <= betCount; ++bet)
            table.pay.payoffs[static_cast<std::size_t>(bet - 1)][lineIndex] =
                rules.payoff(line, bet);
    }
    table.gameType = type;
    seams.setHallOfFameTitle(table.pay.title);
}

int winningLineOf(GameType type, const CardDeck& deck, const PokerHand::Cards& cards) {
    const PayTable& rules = payTable(type);
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

} // namespace quintaro
