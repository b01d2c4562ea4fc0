#include "wqgame/builder/periodic_noise.h"

#include <cmath>
#include <numbers>

namespace quintaro::wqgame {

namespace {

int wrapped(int value, int period) {
    const int rest = value % period;
    return rest < 0 ? rest + period : rest;
}

double fade(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

} // namespace

PeriodicNoise::PeriodicNoise(std::uint32_t seed) : m_seed(seed) {}

std::uint32_t PeriodicNoise::mix(int x, int y) const {
    std::uint32_t h = m_seed ^ (static_cast<std::uint32_t>(x) * 0x9E3779B1u) ^
                      (static_cast<std::uint32_t>(y) * 0x85EBCA77u);
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

double PeriodicNoise::hash(int x, int y) const {
    return mix(x, y) / 4294967296.0;
}

double PeriodicNoise::at(double x, double y, int periodX, int periodY) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int x0 = static_cast<int>(fx);
    const int y0 = static_cast<int>(fy);
    const double dx = x - fx;
    const double dy = y - fy;
    const auto corner = [&](int cx, int cy, double ox, double oy) {
        const double angle =
            2 * std::numbers::pi * hash(wrapped(x0 + cx, periodX), wrapped(y0 + cy, periodY));
        return std::cos(angle) * ox + std::sin(angle) * oy;
    };
    const double u = fade(dx);
    const double v = fade(dy);
    const double top = corner(0, 0, dx, dy) * (1 - u) + corner(1, 0, dx - 1, dy) * u;
    const double bottom = corner(0, 1, dx, dy - 1) * (1 - u) + corner(1, 1, dx - 1, dy - 1) * u;
    return 1.4 * (top * (1 - v) + bottom * v);
}

double PeriodicNoise::fractal(double x, double y, int periodX, int periodY, int octaves) const {
    return layered(x, y, periodX, periodY, octaves, false);
}

double PeriodicNoise::turbulence(double x, double y, int periodX, int periodY, int octaves) const {
    return layered(x, y, periodX, periodY, octaves, true);
}

double PeriodicNoise::layered(double x, double y, int periodX, int periodY, int octaves,
                              bool folded) const {
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        const double layer = at(x, y, periodX, periodY);
        sum += weight * (folded ? std::abs(layer) : layer);
        total += weight;
        x *= 2;
        y *= 2;
        periodX *= 2;
        periodY *= 2;
        weight /= 2;
    }
    return sum / total;
}

} // namespace quintaro::wqgame
