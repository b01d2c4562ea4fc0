#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace quintaro {

// Card subsets are ranked in the combinatorial number system: the subset {c0 < c1 < ... <
// c(k-1)} of deck indices has the index C(c0, 1) + C(c1, 2) + ... + C(c(k-1), k), so the
// k-card subsets of an n-card deck fill 0 .. C(n, k) - 1 without gaps, and those whose
// highest card is below m come first.
inline constexpr int maxDeckSize = 54;
inline constexpr int maxSubsetSize = 5;

namespace detail {

constexpr auto makeBinomials() {
    std::array<std::array<std::uint32_t, maxSubsetSize + 2>, maxDeckSize + 1> table{};
    for (int n = 0; n <= maxDeckSize; ++n) {
        const auto row = static_cast<std::size_t>(n);
        table[row][0] = 1;
        for (std::size_t k = 1; k < table[row].size() && n > 0; ++k)
            table[row][k] = table[row - 1][k - 1] + table[row - 1][k];
    }
    return table;
}

inline constexpr auto binomials = makeBinomials();

} // namespace detail

// C(n, k) for 0 <= n <= 54 and 0 <= k <= 6; 0 when k > n.
constexpr std::uint32_t binomial(int n, int k) {
    return detail::binomials[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
}

// Precondition: ascending holds strictly increasing deck indices.
constexpr std::uint32_t subsetIndex(std::span<const int> ascending) {
    std::uint32_t index = 0;
    for (std::size_t i = 0; i < ascending.size(); ++i)
        index += binomial(ascending[i], static_cast<int>(i) + 1);
    return index;
}

// The subset of the given size with the given index; the inverse of subsetIndex.
// Precondition: out.size() is that size and index < C(54, size).
void subsetAt(std::uint32_t index, std::span<int> out);

// Steps ascending to the subset of the next index; the caller stops before leaving its deck.
void nextSubset(std::span<int> ascending);

} // namespace quintaro
