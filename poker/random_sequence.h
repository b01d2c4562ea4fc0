#pragma once

#include <cstdint>

namespace quintaro {

// A 32-bit linear congruential generator; each draw gives bits 16 to 30 of the new state.
class RandomSequence {
public:
    static constexpr int maxValue = 32767;

    // A sequence never seeded behaves as if seeded with 1.
    explicit RandomSequence(std::uint32_t seed = 1) : m_state(seed) {}

    void seed(std::uint32_t seed) { m_state = seed; }
    int next() {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t m_state;
};

// The program's one sequence; the shuffle is its only consumer.
RandomSequence& processRandomSequence();

// Seeds the program's sequence from QUINTARO_SEED or the clock. Called once at start-up.
void seedProcessRandomSequence();

} // namespace quintaro
