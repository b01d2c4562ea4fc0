#include "poker/hand_frequencies.h"

#include "poker/game_setup.h"

namespace quintaro {

namespace {

class NoSeams : public GameSetupSeams {
public:
    void switchHallOfFame(GameType) override {}
    void setHallOfFameTitle(std::string_view) override {}
};

} // namespace

HandFrequencies countHandFrequencies(GameType type) {
    PokerTable table;
    NoSeams seams;
    setUpGame(type, table, seams);

    const CardDeck& deck = *table.deck;
    const int n = deck.count();
    HandFrequencies result;
    for (int a = 0; a < n; ++a) {
        table.hand.setCard(0, deck.card(a));
        for (int b = a + 1; b < n; ++b) {
            table.hand.setCard(1, deck.card(b));
            for (int c = b + 1; c < n; ++c) {
                table.hand.setCard(2, deck.card(c));
                for (int d = c + 1; d < n; ++d) {
                    table.hand.setCard(3, deck.card(d));
                    for (int e = d + 1; e < n; ++e) {
                        table.hand.setCard(4, deck.card(e));
                        const int line =
                            table.hand.winningLine(table.pay.categories, table.pay.lineCount);
                        if (line == noLine)
                            ++result.nothing;
                        else
                            ++result.lines[static_cast<std::size_t>(line)];
                        ++result.total;
                    }
                }
            }
        }
    }
    return result;
}

} // namespace quintaro
