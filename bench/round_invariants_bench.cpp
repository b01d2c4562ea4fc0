// A million scripted rounds of the core with every rule checked after every step (see
// tests/core/scripted_table.h). Prints the time taken and what the script went through.
// Usage: quintaro-round-invariants [ROUNDS [SEED]]
#include "tests/core/scripted_table.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const long rounds = argc > 1 ? std::atol(argv[1]) : 1000000;
    const auto seed = static_cast<std::uint32_t>(argc > 2 ? std::atol(argv[2]) : 1);
    quintaro::ScriptedTable table(seed);
    const auto start = std::chrono::steady_clock::now();
    while (table.counts().rounds < rounds) {
        if (!table.playRound()) {
            std::fprintf(stderr, "broken rule: %s\n", table.failure().c_str());
            return 1;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const quintaro::ScriptedTable::Counts& counts = table.counts();
    std::printf("%ld rounds kept every rule in %.2f s (%.2f us a round): %ld Straight, %ld "
                "Jokers Wild, %ld Deuces Wild; %ld paid, %ld broke, %ld New, %ld Options, "
                "%ld refused bets\n",
                counts.rounds, seconds, seconds * 1e6 / static_cast<double>(counts.rounds),
                counts.roundsOfGame[0], counts.roundsOfGame[1], counts.roundsOfGame[2], counts.wins,
                counts.broke, counts.newGames, counts.optionsAccepted, counts.refusedBets);
    return 0;
}
