#include "analysis/subset_index.h"

namespace quintaro {

void subsetAt(std::uint32_t index, std::span<int> out) {
    for (int i = static_cast<int>(out.size()) - 1; i >= 0; --i) {
        int card = i;
        while (binomial(card + 1, i + 1) <= index)
            ++card;
        out[static_cast<std::size_t>(i)] = card;
        index -= binomial(card, i + 1);
    }
}

void nextSubset(std::span<int> ascending) {
    // The lowest card that can move up by one without meeting its neighbour moves; every
    // card below it drops back to its lowest place.
    std::size_t i = 0;
    while (i + 1 < ascending.size() && ascending[i] + 1 == ascending[i + 1])
        ++i;
    ++ascending[i];
    for (std::size_t j = 0; j < i; ++j)
        ascending[j] = static_cast<int>(j);
}

} // namespace quintaro
