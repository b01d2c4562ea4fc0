#pragma once

#include <array>
#include <cstdint>

namespace quintaro {

// A hold is a mask over the five window positions: bit i set keeps the card of window i + 1.
inline constexpr unsigned holdCount = 32;
inline constexpr unsigned holdAll = holdCount - 1;

// The exact worth of all 32 holds of one dealt hand. Each hold's payoff summed over its
// draws is scaled so that every hold shares one denominator, `scale`: with m cards left in
// the deck, scale = m (m-1) (m-2) (m-3) (m-4), a multiple of the number of draws of every
// hold, so the values are whole numbers and compare exactly.
struct HoldValues {
    std::array<std::int64_t, holdCount> scaledPayoff{};
    std::int64_t scale = 1;

    // In dollars at the bet the values were made for.
    double expectedPayoff(unsigned hold) const {
        return static_cast<double>(scaledPayoff[hold]) / static_cast<double>(scale);
    }

    // The order of preference: the higher expected payoff; on a tie the hold that keeps
    // more cards; then the lower mask. Every pair of holds is strictly ordered.
    bool prefers(unsigned hold, unsigned other) const;
    unsigned best() const;
    // All holds, most preferred first.
    std::array<unsigned, holdCount> ranked() const;
};

// The scale above for m cards left.
constexpr std::int64_t drawScale(int remaining) {
    std::int64_t scale = 1;
    for (int i = 0; i < 5; ++i)
        scale *= remaining - i;
    return scale;
}

// scale divided by the C(m, d) draws of a hold that draws d = 5 - held cards:
// d! (m - d) (m - d - 1) ... (m - 4), a whole number.
constexpr std::int64_t holdScale(int remaining, int held) {
    const int drawn = 5 - held;
    std::int64_t factor = 1;
    for (int i = 2; i <= drawn; ++i)
        factor *= i;
    for (int card = remaining - drawn; card > remaining - 5; --card)
        factor *= card;
    return factor;
}

} // namespace quintaro
