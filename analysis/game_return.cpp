#include "analysis/game_return.h"

#include "analysis/deal_classes.h"
#include "analysis/parallel_chunks.h"
#include "analysis/subset_index.h"

#include <bit>
#include <mutex>

namespace quintaro {

GameReturn computeGameReturn(const DrawTables& tables, int bet, int workers) {
    const std::vector<DealClass> classes =
        dealClasses(tables.deckSize() == CardDeck::countWithJokers);
    const int remaining = tables.deckSize() - PokerHand::handSize;
    const auto lines = static_cast<std::size_t>(tables.lineCount());

    GameReturn result;
    result.lineCount = tables.lineCount();
    std::mutex merge;
    forEachChunk(classes.size(), 1024, std::max(1, workers),
                 [&](std::size_t begin, std::size_t end) {
                     std::array<std::uint64_t, maxPayLines> weights{};
                     for (std::size_t i = begin; i < end; ++i) {
                         const DealClass& deal = classes[i];
                         const unsigned hold = tables.holdValues(deal.cards, bet).best();
                         const auto draws = tables.drawsWinning(deal.cards, hold);
                         const auto perDraw = static_cast<std::uint64_t>(
                             holdScale(remaining, std::popcount(hold)) * deal.weight);
                         for (std::size_t line = 0; line < lines; ++line)
                             weights[line] += static_cast<std::uint64_t>(draws[line]) * perDraw;
                     }
                     const std::lock_guard lock(merge);
                     for (std::size_t line = 0; line < lines; ++line)
                         result.lineWeights[line] += weights[line];
                 });

    result.totalWeight = static_cast<std::uint64_t>(drawScale(remaining)) *
                         binomial(tables.deckSize(), PokerHand::handSize);
    std::uint64_t winning = 0;
    std::uint64_t paid = 0;
    for (std::size_t line = 0; line < lines; ++line) {
        winning += result.lineWeights[line];
        paid += result.lineWeights[line] * tables.pay().payoff(static_cast<int>(line), bet);
    }
    result.nothingWeight = result.totalWeight - winning;
    result.returnRate = static_cast<double>(static_cast<long double>(paid) /
                                            (static_cast<long double>(result.totalWeight) * bet));
    return result;
}

} // namespace quintaro
