#pragma once

#include <cstdint>

namespace quintaro::wqgame {

// Gradient noise on a torus: it repeats every `periodX` units across and `periodY` down, so
// a texture sampled over exactly one period tiles without a seam.
class PeriodicNoise {
public:
    explicit PeriodicNoise(std::uint32_t seed);

    // About -1 to 1.
    double at(double x, double y, int periodX, int periodY) const;
    // `octaves` layers of noise, each twice as fine and half as strong as the one before.
    double fractal(double x, double y, int periodX, int periodY, int octaves) const;
    // Like fractal, but summing the size of each layer: creased, billowing patterns.
    double turbulence(double x, double y, int periodX, int periodY, int octaves) const;
    // A value from 0 to 1 fixed by the integer point; the same point always gives the same.
    double hash(int x, int y) const;

private:
    double layered(double x, double y, int periodX, int periodY, int octaves, bool folded) const;
    std::uint32_t mix(int x, int y) const;

    std::uint32_t m_seed;
};

} // namespace quintaro::wqgame
