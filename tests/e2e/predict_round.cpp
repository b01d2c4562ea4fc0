// Plays rounds in the core, as the end-to-end tests play them on screen, and prints the
// balance they end with. Every form starts a game of Straight Poker with the seed and bet.
// Usage: quintaro-predict-round SEED BET DISCARDED_WINDOW...
//   plays one round discarding those windows (1 to 5).
//        quintaro-predict-round cards SEED BET DISCARDED_WINDOW...
//   plays the same round and prints the dealt cards, then the cards after the redeal, as
//   "rank:suit" five to a line (rank 1 ace to 13 king, 15 and 16 jokers; suit 0 clubs,
//   1 spades, 2 hearts, 3 diamonds), then the balance.
//        quintaro-predict-round trainer SEED BET
//   plays three rounds: the hold worth least twice, then the best hold, each found by the
//   tests' reference (tests/core/reference_poker.h), not by the program's analysis. Prints
//   each round's discarded windows (or "none") on a line, then what the holds taken paid in
//   all and what best play would have paid on the same draws.
//        quintaro-predict-round broke FIRST_SEED LAST_SEED
//   finds the seed whose game, betting $5 and holding every hand, goes broke in the
//   fewest rounds, and prints the seed and that number of rounds.
#include "analysis/deck_index.h"
#include "platform/memory_registry_store.h"
#include "poker/random_sequence.h"
#include "round/round_flow.h"
#include "tests/core/reference_poker.h"
#include "tests/core/silent_view.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using quintaro::test::SilentView;

// A fresh game of Straight Poker as the program starts it with this seed: signed in,
// $100, the bet chosen.
struct Game {
    quintaro::MemoryRegistryStore store;
    quintaro::HallOfFame hallOfFame{store, "Quintaro", 0, 1};
    SilentView view;
    quintaro::RoundFlow flow{view, hallOfFame, "Quintaro"};

    Game(std::uint32_t seed, int bet) {
        quintaro::processRandomSequence().seed(seed);
        flow.setUpGame(quintaro::GameType::StraightPoker);
        flow.startNewGame();
        flow.onPaylinePress(bet - 1);
    }

    void holdAllRound() {
        flow.onDealButton();
        flow.onDealButton();
    }
    quintaro::PokerHand::Cards dealt() const {
        quintaro::PokerHand::Cards hand{};
        for (int w = 0; w < 5; ++w)
            hand[static_cast<std::size_t>(w)] = flow.card(w);
        return hand;
    }
    quintaro::test::Five dealtIndices() const {
        quintaro::test::Five indices{};
        for (int w = 0; w < 5; ++w)
            indices[static_cast<std::size_t>(w)] = quintaro::deckIndexOf(*flow.card(w));
        return indices;
    }
    void printCards() const {
        for (const quintaro::Card* card : dealt())
            std::printf("%d:%d ", card->rank, card->suit);
        std::printf("\n");
    }
    void discardOutside(unsigned hold) {
        for (int w = 0; w < 5; ++w)
            if ((hold & (1u << w)) == 0)
                flow.onCardWindowPress(w);
    }
};

// The windows (1 to 5) that `hold` discards, or "none".
std::string discarded(unsigned hold) {
    std::string windows;
    for (int w = 0; w < 5; ++w)
        if ((hold & (1u << w)) == 0)
            windows += (windows.empty() ? "" : " ") + std::to_string(w + 1);
    return windows.empty() ? "none" : windows;
}

// The three rounds of the trainer's end-to-end tests, judged by the tests' reference.
void printReferenceTrainer(Game& game) {
    using namespace quintaro::test;
    const ReferenceGame& rules = referenceGame(quintaro::GameType::StraightPoker);
    const int bet = game.flow.bet();
    int paid = 0;
    int bestPaid = 0;
    for (int round = 0; round < 3; ++round) {
        game.flow.onDealButton();
        const Five dealt = game.dealtIndices();
        Five next{};
        for (int w = 0; w < 5; ++w)
            next[static_cast<std::size_t>(w)] =
                quintaro::deckIndexOf(*game.flow.deck()->card(5 + w));
        const ReferenceHolds holds = referenceHolds(rules, dealt);
        const unsigned best = referenceBest(rules, holds, bet);
        unsigned worst = best;
        for (unsigned h = 0; h < holds.size(); ++h)
            worst = referencePrefers(rules, holds, bet, worst, h) ? h : worst;
        const unsigned hold = round < 2 ? worst : best;
        game.discardOutside(hold);
        game.flow.onDealButton();
        std::printf("%s\n", discarded(hold).c_str());
        const auto paidBy = [&](unsigned h) {
            Five hand = dealt;
            for (std::size_t w = 0, drawn = 0; w < hand.size(); ++w)
                if (!(h & (1u << w)))
                    hand[w] = next[drawn++];
            const int line = referenceLine(rules, hand);
            return line == noReferenceLine ? 0 : rules.pay(line, bet);
        };
        paid += paidBy(hold);
        bestPaid += paidBy(best);
    }
    std::printf("%d %d\n", paid, bestPaid);
}

std::uint32_t number(const char* text) {
    return static_cast<std::uint32_t>(std::atol(text));
}

// Rounds of $5, holding every dealt hand, until the balance is gone; 0 when it lasts
// longer than `limit` rounds.
int roundsToBroke(std::uint32_t seed, int limit) {
    Game game(seed, 5);
    for (int round = 1; round <= limit; ++round) {
        game.holdAllRound();
        if (game.flow.state().balance == 0)
            return round;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "broke") {
        int best = 0;
        std::uint32_t bestSeed = 0;
        for (std::uint32_t seed = number(argv[2]); seed <= number(argv[3]); ++seed) {
            const int rounds = roundsToBroke(seed, best == 0 ? 400 : best - 1);
            if (rounds != 0) {
                best = rounds;
                bestSeed = seed;
            }
        }
        std::printf("%u %d\n", bestSeed, best);
        return best == 0 ? 1 : 0;
    }
    if (argc == 4 && std::string(argv[1]) == "trainer") {
        Game game(number(argv[2]), std::atoi(argv[3]));
        printReferenceTrainer(game);
        return 0;
    }
    if (argc >= 4 && std::string(argv[1]) == "cards") {
        Game game(number(argv[2]), std::atoi(argv[3]));
        game.flow.onDealButton();
        game.printCards();
        for (int i = 4; i < argc; ++i)
            game.flow.onCardWindowPress(std::atoi(argv[i]) - 1);
        game.flow.onDealButton();
        game.printCards();
        std::printf("%u\n", game.flow.state().balance);
        return 0;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SEED BET DISCARDED_WINDOW...\n", argv[0]);
        return 2;
    }
    Game game(number(argv[1]), std::atoi(argv[2]));
    game.flow.onDealButton();
    for (int i = 3; i < argc; ++i)
        game.flow.onCardWindowPress(std::atoi(argv[i]) - 1);
    game.flow.onDealButton();
    std::printf("%u\n", game.flow.state().balance);
    return 0;
}
