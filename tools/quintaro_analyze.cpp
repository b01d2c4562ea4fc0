// quintaro-analyze: facts about the games computed with the program's own rules.
//
//   quintaro-analyze --game G --frequencies
//
// prints, for game G (0 Straight Poker, 1 Jokers Wild Poker, 2 Deuces Wild Poker), how many
// of all five-card deals of its deck win each pay line, in pay-table order:
// "<line> <hand name> <count>", then "nothing <count>" and "total <count>".
//
// Cards on a command line are written rank then suit: rank one of A 2 3 4 5 6 7 8 9 T J Q K,
// suit the deck's suit number 0 to 3 ("T0" is the ten of suit 0); the jokers are "X" (rank
// 15) and "Y" (rank 16). A hand is five of them in window order, separated by spaces:
// "90 J0 Q0 K0 X" is 9, J, Q, K of suit 0 and the first joker.

#include "poker/hand_frequencies.h"
#include "poker/pay_table.h"

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

constexpr int usageExit = 2;

int usage() {
    std::fputs("usage: quintaro-analyze --game <0|1|2> --frequencies\n"
               "  0 Straight Poker, 1 Jokers Wild Poker, 2 Deuces Wild Poker\n",
               stderr);
    return usageExit;
}

std::optional<quintaro::GameType> parseGame(const char* text) {
    if (std::strlen(text) != 1 || text[0] < '0' || text[0] > '2')
        return std::nullopt;
    return static_cast<quintaro::GameType>(text[0] - '0');
}

} // namespace

int main(int argc, char** argv) {
    std::optional<quintaro::GameType> game;
    bool frequencies = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--frequencies") == 0 && !frequencies) {
            frequencies = true;
        } else if (std::strcmp(argv[i], "--game") == 0 && !game && i + 1 < argc) {
            game = parseGame(argv[++i]);
            if (!game)
                return usage();
        } else {
            return usage();
        }
    }
    if (!game || !frequencies)
        return usage();

    const quintaro::PayTable& table = quintaro::payTable(*game);
    const quintaro::HandFrequencies counts = quintaro::countHandFrequencies(*game);
    for (int line = 0; line < table.lineCount; ++line) {
        const auto index = static_cast<std::size_t>(line);
        const std::string_view name = quintaro::handCategoryName(table.lines[index].category);
        std::printf("%d %.*s %llu\n", line, static_cast<int>(name.size()), name.data(),
                    static_cast<unsigned long long>(counts.lines[index]));
    }
    std::printf("nothing %llu\n", static_cast<unsigned long long>(counts.nothing));
    std::printf("total %llu\n", static_cast<unsigned long long>(counts.total));
    return 0;
}
