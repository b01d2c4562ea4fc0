#include "platform/memory_registry_store.h"
#include "poker/random_sequence.h"
#include "round/round_flow.h"
#include "tests/core/silent_view.h"
#include "trainer/redeal_trainer.h"

#include <benchmark/benchmark.h>

#include <deque>

namespace quintaro {
namespace {

using test::SilentView;

struct HeldTable {
    SilentView view;
    HallOfFame hallOfFame;
    RoundFlow flow{view, hallOfFame, "Quintaro"};

    explicit HeldTable(MemoryRegistryStore& store) : hallOfFame(store, "Quintaro", 0, 1) {
        flow.setUpGame(GameType::StraightPoker);
        flow.startNewGame();
        flow.onPaylinePress(4);
        flow.onDealButton();
    }
};

// What the trainer adds to a Redeal press once its tables are built: the hold values of the
// deal, both draws evaluated, and the refusal's message or the statistics' record. Each
// table is held with its worst hold, so presses alternate between refused and recorded.
void judgedRedeal(benchmark::State& state) {
    MemoryRegistryStore store;
    TrainerStatistics statistics(store, "Quintaro");
    RedealTrainer trainer(statistics);
    auto advisor = std::make_shared<const StrategyAdvisor>(GameType::StraightPoker);
    advisor->prepare();
    trainer.setAdvisor(advisor);
    processRandomSequence().seed(11);
    std::deque<HeldTable> tables;
    for (int i = 0; i < 64; ++i) {
        HeldTable& table = tables.emplace_back(store);
        PokerHand::Cards hand{};
        for (int w = 0; w < 5; ++w)
            hand[static_cast<std::size_t>(w)] = table.flow.card(w);
        const unsigned worst = advisor->holdValues(hand, 5).ranked().back();
        for (int w = 0; w < 5; ++w)
            if ((worst & (1u << w)) == 0)
                table.flow.onCardWindowPress(w);
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(trainer.allowRedeal(tables[next].flow));
        next = (next + 1) % tables.size();
    }
}
BENCHMARK(judgedRedeal)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quintaro
