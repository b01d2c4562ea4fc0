#include "analysis/draw_tables.h"
#include "analysis/game_return.h"
#include "analysis/strategy_advisor.h"
#include "poker/card_deck.h"
#include "poker/random_sequence.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace quintaro {
namespace {

// The draw tables of a game, built on two threads as the advisor builds them.
void buildDrawTables(benchmark::State& state) {
    const auto type = static_cast<GameType>(state.range(0));
    for (auto _ : state) {
        const DrawTables tables(type);
        benchmark::DoNotOptimize(tables.lineCount());
    }
}
BENCHMARK(buildDrawTables)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The best play of every deal of a game, once its tables exist.
void gameReturn(benchmark::State& state) {
    const DrawTables tables(static_cast<GameType>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(computeGameReturn(tables, betCount).returnRate);
}
BENCHMARK(gameReturn)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

// Tables and return together, as `quintaro-analyze --return` works.
void wholeGame(benchmark::State& state) {
    const auto type = static_cast<GameType>(state.range(0));
    for (auto _ : state) {
        const DrawTables tables(type);
        benchmark::DoNotOptimize(computeGameReturn(tables, betCount).returnRate);
    }
}
BENCHMARK(wholeGame)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

// Advice for shuffled deals, as the table asks for it after each deal.
void adviseDeal(benchmark::State& state) {
    const auto type = static_cast<GameType>(state.range(0));
    const StrategyAdvisor advisor(type);
    advisor.prepare();
    CardDeck deck(payTable(type).jokers);
    RandomSequence sequence(7);
    std::vector<PokerHand::Cards> deals(4096);
    for (auto& deal : deals) {
        deck.shuffle(sequence);
        for (int i = 0; i < PokerHand::handSize; ++i)
            deal[static_cast<std::size_t>(i)] = deck.card(i);
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(advisor.best(deals[next], betCount).mask);
        next = (next + 1) % deals.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(adviseDeal)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quintaro
