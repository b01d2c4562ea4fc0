#include "poker/game_setup.h"
#include "poker/hand_frequencies.h"
#include "poker/random_sequence.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace quintaro {
namespace {

class NoSeams : public GameSetupSeams {
public:
    void switchHallOfFame(GameType) override {}
    void setHallOfFameTitle(std::string_view) override {}
};

// Evaluations of shuffled deals, as the table makes them after each deal and redeal.
void evaluateDeals(benchmark::State& state) {
    const auto type = static_cast<GameType>(state.range(0));
    PokerTable table;
    NoSeams seams;
    setUpGame(type, table, seams);

    RandomSequence sequence(1);
    std::vector<PokerHand::Cards> deals(4096);
    for (auto& deal : deals) {
        table.deck->shuffle(sequence);
        for (int i = 0; i < PokerHand::handSize; ++i)
            deal[static_cast<std::size_t>(i)] = table.deck->card(i);
    }

    std::size_t next = 0;
    for (auto _ : state) {
        table.hand.setHand(deals[next]);
        benchmark::DoNotOptimize(table.hand.winningLine(table.pay.categories, table.pay.lineCount));
        next = (next + 1) % deals.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(evaluateDeals)->DenseRange(0, 2);

// Every five-card deal of a game's deck, as quintaro-analyze walks them.
void frequencyWalk(benchmark::State& state) {
    const auto type = static_cast<GameType>(state.range(0));
    std::uint64_t deals = 0;
    for (auto _ : state) {
        const HandFrequencies counts = countHandFrequencies(type);
        deals += counts.total;
        benchmark::DoNotOptimize(counts.nothing);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(deals));
}
BENCHMARK(frequencyWalk)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quintaro
