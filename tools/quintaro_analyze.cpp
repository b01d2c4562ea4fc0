// quintaro-analyze: facts about the games computed with the program's own rules.
//
//   quintaro-analyze --game G --frequencies
//
// prints, for game G (0 Straight Poker, 1 Jokers Wild Poker, 2 Deuces Wild Poker), how many
// of all five-card deals of its deck win each pay line, in pay-table order:
// "<line> <hand name> <count>", then "nothing <count>" and "total <count>".
//
//   quintaro-analyze --game G --bet B --return
//
// prints the return of game G at a bet of B dollars (1 to 5) when every deal is played with
// its best hold, "return <expected payoff / bet>", then the chance of ending on each pay
// line, "<line> <hand name> <probability>", then "nothing <probability>". Exact: every deal
// and every draw is counted.
//
//   quintaro-analyze --game G --bet B --hand "KC KD 5S 7H 9D"
//
// prints the 32 holds of the dealt hand, best first, one a line: the kept cards in window
// order ("-" for none) and the expected payoff in dollars over every draw from the cards not
// dealt. Of two holds worth the same, the one keeping more cards comes first, then the one
// keeping cards further left.
//
// Cards are written rank then suit. Rank: A 2 3 4 5 6 7 8 9 T J Q K (10 for T too). Suit:
// C clubs, S spades, H hearts, D diamonds, which are the deck's suits 0, 1, 2 and 3 (clubs
// and spades share a colour, hearts and diamonds the other). The jokers of Jokers Wild Poker
// are X1 and X2; JK is whichever of them the hand does not already hold. Lower case is
// accepted. Anything else is an error: a message and exit status 2.

#include "analysis/deck_index.h"
#include "analysis/draw_tables.h"
#include "analysis/game_return.h"
#include "poker/hand_frequencies.h"
#include "poker/pay_table.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using quintaro::DealtCards;

constexpr int usageExit = 2;
constexpr std::string_view rankLetters = "A23456789TJQK";
constexpr std::string_view suitLetters = "CSHD";

int usage() {
    std::fputs("usage: quintaro-analyze --game <0|1|2> --frequencies\n"
               "       quintaro-analyze --game <0|1|2> --bet <1..5> --return\n"
               "       quintaro-analyze --game <0|1|2> --bet <1..5> --hand \"KC KD 5S 7H 9D\"\n"
               "  games: 0 Straight Poker, 1 Jokers Wild Poker, 2 Deuces Wild Poker\n"
               "  cards: rank A 2..9 T (or 10) J Q K, then suit C S H D; jokers X1, X2 (JK)\n",
               stderr);
    return usageExit;
}

int fail(const std::string& message) {
    std::fprintf(stderr, "quintaro-analyze: %s\n", message.c_str());
    return usageExit;
}

std::optional<int> parseDigit(const char* text, char low, char high) {
    if (std::strlen(text) != 1 || text[0] < low || text[0] > high)
        return std::nullopt;
    return text[0] - '0';
}

std::string upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string cardName(int index) {
    if (index >= quintaro::jokerIndex)
        return index == quintaro::jokerIndex ? "X1" : "X2";
    const int rank = quintaro::rankAt(index);
    const int suit = quintaro::suitAt(index);
    return {rankLetters[static_cast<std::size_t>(rank - 1)],
            suitLetters[static_cast<std::size_t>(suit)]};
}

// Five cards of the game's deck, or the reason they are not.
std::optional<DealtCards> parseHand(const std::string& text, int deckSize, std::string& error) {
    std::istringstream in(text);
    std::vector<std::string> names;
    for (std::string name; in >> name;)
        names.push_back(upper(name));
    if (names.size() != 5) {
        error = "a hand is five cards, not " + std::to_string(names.size()) + ": \"" + text + "\"";
        return std::nullopt;
    }
    DealtCards dealt{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string& name = names[i];
        const auto used = [&](int index) {
            return std::find(dealt.begin(), dealt.begin() + static_cast<std::ptrdiff_t>(i),
                             index) != dealt.begin() + static_cast<std::ptrdiff_t>(i);
        };
        int index = -1;
        if (name == "X1" || name == "X2") {
            index = quintaro::jokerIndex + (name[1] - '1');
        } else if (name == "JK") {
            index = used(quintaro::jokerIndex) ? quintaro::jokerIndex + 1 : quintaro::jokerIndex;
        } else {
            const std::string rank = name.substr(0, name.size() - 1);
            const std::size_t rankAt = rank == "10"       ? 9
                                       : rank.size() == 1 ? rankLetters.find(rank[0])
                                                          : std::string_view::npos;
            const std::size_t suitAt = suitLetters.find(name.back());
            if (rankAt != std::string_view::npos && suitAt != std::string_view::npos)
                index = quintaro::deckIndex(static_cast<int>(rankAt) + 1, static_cast<int>(suitAt));
        }
        if (index < 0) {
            error = "not a card: \"" + names[i] + "\"";
            return std::nullopt;
        }
        if (index >= deckSize) {
            error = "this game's deck has no jokers: \"" + names[i] + "\"";
            return std::nullopt;
        }
        if (used(index)) {
            error = "the card " + cardName(index) + " is dealt twice";
            return std::nullopt;
        }
        dealt[i] = index;
    }
    return dealt;
}

void printFrequencies(quintaro::GameType game) {
    const quintaro::PayTable& table = quintaro::payTable(game);
    const quintaro::HandFrequencies counts = quintaro::countHandFrequencies(game);
    for (int line = 0; line < table.lineCount; ++line) {
        const auto index = static_cast<std::size_t>(line);
        const std::string_view name = quintaro::handCategoryName(table.lines[index].category);
        std::printf("%d %.*s %llu\n", line, static_cast<int>(name.size()), name.data(),
                    static_cast<unsigned long long>(counts.lines[index]));
    }
    std::printf("nothing %llu\n", static_cast<unsigned long long>(counts.nothing));
    std::printf("total %llu\n", static_cast<unsigned long long>(counts.total));
}

void printReturn(const quintaro::DrawTables& tables, int bet) {
    const quintaro::GameReturn result = quintaro::computeGameReturn(tables, bet);
    std::printf("return %.6f\n", result.returnRate);
    for (int line = 0; line < result.lineCount; ++line) {
        const std::string_view name =
            quintaro::handCategoryName(tables.pay().categories[static_cast<std::size_t>(line)]);
        std::printf("%d %.*s %.10f\n", line, static_cast<int>(name.size()), name.data(),
                    result.lineProbability(line));
    }
    std::printf("nothing %.10f\n", result.nothingProbability());
}

void printHolds(const quintaro::DrawTables& tables, const DealtCards& dealt, int bet) {
    const quintaro::HoldValues values = tables.holdValues(dealt, bet);
    for (const unsigned hold : values.ranked()) {
        std::string kept;
        for (std::size_t i = 0; i < dealt.size(); ++i) {
            if (!(hold & (1u << i)))
                continue;
            if (!kept.empty())
                kept += ' ';
            kept += cardName(dealt[i]);
        }
        std::printf("%s %.6f\n", kept.empty() ? "-" : kept.c_str(), values.expectedPayoff(hold));
    }
}

} // namespace

int main(int argc, char** argv) {
    std::optional<quintaro::GameType> game;
    std::optional<int> bet;
    bool frequencies = false;
    bool gameReturn = false;
    const char* hand = nullptr;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--frequencies") == 0 && !frequencies) {
            frequencies = true;
        } else if (std::strcmp(argv[i], "--return") == 0 && !gameReturn) {
            gameReturn = true;
        } else if (std::strcmp(argv[i], "--hand") == 0 && !hand && hasValue) {
            hand = argv[++i];
        } else if (std::strcmp(argv[i], "--game") == 0 && !game && hasValue) {
            const std::optional<int> number = parseDigit(argv[++i], '0', '2');
            if (!number)
                return usage();
            game = static_cast<quintaro::GameType>(*number);
        } else if (std::strcmp(argv[i], "--bet") == 0 && !bet && hasValue) {
            bet = parseDigit(argv[++i], '1', '5');
            if (!bet)
                return usage();
        } else {
            return usage();
        }
    }
    const int commands = (frequencies ? 1 : 0) + (gameReturn ? 1 : 0) + (hand ? 1 : 0);
    if (!game || commands != 1 || frequencies == bet.has_value())
        return usage();

    if (frequencies) {
        printFrequencies(*game);
        return 0;
    }
    std::optional<DealtCards> dealt;
    if (hand) {
        std::string error;
        dealt = parseHand(hand, quintaro::payTable(*game).jokers ? 54 : 52, error);
        if (!dealt)
            return fail(error);
    }
    const quintaro::DrawTables tables(*game);
    if (dealt)
        printHolds(tables, *dealt, *bet);
    else
        printReturn(tables, *bet);
    return 0;
}
