#include "wqgame/builder/backgrounds.h"

#include "platform/translated_text.h"
#include "wqgame/builder/periodic_noise.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <functional>
#include <numbers>

namespace quintaro::wqgame {

namespace {

constexpr double tau = 2 * std::numbers::pi;

QRgb shade(QColor colour, double factor) {
    const auto channel = [factor](int value) {
        return std::clamp(static_cast<int>(std::lround(value * factor)), 0, 255);
    };
    return qRgb(channel(colour.red()), channel(colour.green()), channel(colour.blue()));
}

QColor blend(QColor a, QColor b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

int wrappedIndex(int value, int period) {
    const int rest = value % period;
    return rest < 0 ? rest + period : rest;
}

// Where one device pixel of a tile samples the pattern. The 1x tile samples pixel (x, y) at
// the tile position u = x / size, v = y / size; a tile drawn at scale s samples each device
// pixel at its centre in those same coordinates, tx = (X + 0.5) / s - 0.5, so at scale 1
// tx = x. x and y are then the 1x pixel that holds the device pixel, for the patterns made
// of whole 1x pixels (seams, specks, weave).
struct Spot {
    double u, v;
    double tx, ty;
    int x, y;
    int size;

    // Per-pixel grain: `hash` of the 1x pixel, blended between neighbouring 1x pixels (wrapped
    // round the tile) where the device pixel lies between their centres. Exactly hash(x, y)
    // at scale 1.
    template <typename Hash> double grain(const Hash& hash) const {
        const double fx = std::floor(tx), fy = std::floor(ty);
        const double ax = tx - fx, ay = ty - fy;
        const int x0 = wrappedIndex(static_cast<int>(fx), size);
        const int y0 = wrappedIndex(static_cast<int>(fy), size);
        const int x1 = wrappedIndex(x0 + 1, size), y1 = wrappedIndex(y0 + 1, size);
        const double top = hash(x0, y0) + (hash(x1, y0) - hash(x0, y0)) * ax;
        const double bottom = hash(x0, y1) + (hash(x1, y1) - hash(x0, y1)) * ax;
        return top + (bottom - top) * ay;
    }
};

// Fills a size x size tile, drawn at `scale`, from a function of where each pixel samples.
QImage sampled(int size, int scale, const std::function<QRgb(const Spot&)>& colourAt) {
    QImage tile(size * scale, size * scale, QImage::Format_RGB32);
    for (int y = 0; y < tile.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
        const double ty = (y + 0.5) / scale - 0.5;
        for (int x = 0; x < tile.width(); ++x) {
            const double tx = (x + 0.5) / scale - 0.5;
            line[x] = colourAt({tx / size, ty / size, tx, ty, x / scale, y / scale, size});
        }
    }
    tile.setDevicePixelRatio(scale);
    return tile;
}

// Draws `draw` nine times, shifted by a tile in every direction, so strokes that cross an
// edge come back in on the other side. The painter draws in the 1x tile's coordinates.
void wrapped(QImage& tile, const std::function<void(QPainter&)>& draw) {
    const QSizeF size = tile.deviceIndependentSize();
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            painter.save();
            painter.translate(dx * size.width(), dy * size.height());
            draw(painter);
            painter.restore();
        }
}

QImage felt(QColor base, std::uint32_t seed, int scale) {
    const int size = 128;
    const PeriodicNoise noise(seed);
    QImage tile = sampled(size, scale, [&](const Spot& at) {
        const double cloud = noise.fractal(at.u * 4, at.v * 4, 4, 4, 4);
        const double grain = at.grain([&](int x, int y) { return noise.hash(x, y + 7919); }) - 0.5;
        return shade(base, 1.0 + 0.07 * cloud + 0.09 * grain);
    });
    // Loose fibres lying every way across the nap.
    wrapped(tile, [&](QPainter& painter) {
        for (int i = 0; i < 220; ++i) {
            const double x = noise.hash(i, 1) * size;
            const double y = noise.hash(i, 2) * size;
            const double angle = noise.hash(i, 3) * tau;
            const double length = 2 + 5 * noise.hash(i, 4);
            const bool light = noise.hash(i, 5) < 0.5;
            painter.setPen(QPen(light ? QColor(255, 255, 255, 22) : QColor(0, 0, 0, 26), 0.8));
            painter.drawLine(QPointF(x, y),
                             QPointF(x + length * std::cos(angle), y + length * std::sin(angle)));
        }
    });
    return tile;
}

QImage wood(QColor light, QColor dark, std::uint32_t seed, int rings, int scale) {
    const int size = 256;
    const PeriodicNoise noise(seed);
    return sampled(size, scale, [&](const Spot& at) {
        const double u = at.u, v = at.v;
        // Growth rings run along the planks, wandering and bunching as real ones do.
        const double warp = 1.1 * noise.fractal(u * 1, v * 3, 1, 3, 4);
        const double ring = 0.5 + 0.5 * std::sin(tau * (v * rings + warp));
        const double streak = noise.fractal(u * 2, v * 96, 2, 96, 3);
        const bool pore = noise.hash(at.x / 6, at.y) < 0.04;
        const QColor colour = blend(light, dark, 0.6 * std::pow(ring, 3) + 0.35 * streak + 0.15);
        const double grain = at.grain([&](int x, int y) { return noise.hash(x, y + 1); });
        return shade(colour, (pore ? 0.88 : 1.0) + 0.03 * (grain - 0.5));
    });
}

QImage marble(QColor stone, QColor vein, std::uint32_t seed, int scale) {
    const int size = 256;
    const PeriodicNoise noise(seed);
    return sampled(size, scale, [&](const Spot& at) {
        const double u = at.u, v = at.v;
        // Veins follow the creases of turbulent noise; a fainter second set crosses them.
        const double turbulence = noise.turbulence(u * 2, v * 2, 2, 2, 6);
        const double crossing = noise.turbulence(u * 3 + 7, v * 3, 3, 3, 5);
        const double main =
            std::pow(1 - std::abs(std::sin(tau * (u + 2 * v) / 2 + 5 * turbulence)), 4);
        const double faint =
            std::pow(1 - std::abs(std::sin(tau * (3 * u - v) / 2 + 4 * crossing)), 5);
        const double cloud = noise.fractal(u * 2 + 5, v * 2, 2, 2, 5);
        const QColor colour = blend(stone, vein, 0.7 * main + 0.3 * faint + 0.15 * (cloud + 0.4));
        return shade(colour, 1.0);
    });
}

QImage slate(std::uint32_t seed, int scale) {
    const int size = 128;
    const PeriodicNoise noise(seed);
    return sampled(size, scale, [&](const Spot& at) {
        const double u = at.u, v = at.v;
        const double layers = noise.fractal(u * 2, v * 6, 2, 6, 5);
        const double flakes = noise.fractal(u * 16, v * 16, 16, 16, 2);
        const QColor colour =
            blend(QColor(0x2E, 0x36, 0x3E), QColor(0x5A, 0x66, 0x70), 0.5 + 0.8 * layers);
        const double grain = at.grain([&](int x, int y) { return noise.hash(x, y); });
        return shade(colour, 1.0 + 0.12 * std::max(0.0, flakes) + 0.05 * (grain - 0.5));
    });
}

// Distance from (u, v) to the nearest and second nearest of `cells` x `cells` scattered
// points, with the points wrapped round the tile.
std::pair<double, double> cellDistances(const PeriodicNoise& noise, double u, double v, int cells) {
    double first = 10, second = 10;
    const int cx = static_cast<int>(std::floor(u * cells));
    const int cy = static_cast<int>(std::floor(v * cells));
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int gx = cx + dx, gy = cy + dy;
            const int wx = (gx + cells) % cells, wy = (gy + cells) % cells;
            const double px = (gx + noise.hash(wx, wy)) / cells;
            const double py = (gy + noise.hash(wy + 101, wx)) / cells;
            const double d = std::hypot(px - u, py - v) * cells;
            if (d < first) {
                second = first;
                first = d;
            } else if (d < second) {
                second = d;
            }
        }
    return {first, second};
}

QImage leather(std::uint32_t seed, int scale) {
    const int size = 128;
    const PeriodicNoise noise(seed);
    return sampled(size, scale, [&](const Spot& at) {
        const double u = at.u, v = at.v;
        const auto [first, second] = cellDistances(noise, u, v, 14);
        const double crease = std::clamp((second - first) * 4, 0.0, 1.0);
        const double tone = noise.fractal(u * 3, v * 3, 3, 3, 4);
        const QColor colour =
            blend(QColor(0x4A, 0x24, 0x10), QColor(0x8A, 0x4E, 0x26), 0.55 + 0.6 * tone);
        const double grain = at.grain([&](int x, int y) { return noise.hash(x, y); });
        return shade(colour, (0.72 + 0.3 * crease) * (1.0 + 0.04 * (grain - 0.5)));
    });
}

QImage cork(std::uint32_t seed, int scale) {
    const int size = 128;
    const PeriodicNoise noise(seed);
    return sampled(size, scale, [&](const Spot& at) {
        const double u = at.u, v = at.v;
        const double nearest = cellDistances(noise, u, v, 40).first;
        const double granule = std::clamp(1.2 - nearest, 0.0, 1.0);
        const double tone = noise.fractal(u * 8, v * 8, 8, 8, 3);
        const QColor colour =
            blend(QColor(0x8C, 0x5E, 0x34), QColor(0xC8, 0x96, 0x60), 0.45 + 0.6 * tone);
        const double speck = noise.hash(at.x, at.y) < 0.05 ? 0.7 : 1.0;
        return shade(colour, (0.8 + 0.25 * granule) * speck);
    });
}

QImage linen(std::uint32_t seed, int scale) {
    const int size = 128;
    const int threads = 64;
    const PeriodicNoise noise(seed);
    return sampled(size, scale, [&](const Spot& at) {
        // The threads are two 1x pixels apart, and the 1x tile samples their light and dark at
        // its pixels' edges, where they even out: so do the larger tiles, lest they show a
        // weave the 1x linen does not.
        const double pixelU = double(at.x) / size, pixelV = double(at.y) / size;
        const double warp = 0.5 + 0.5 * std::sin(tau * pixelU * threads);
        const double weft = 0.5 + 0.5 * std::sin(tau * pixelV * threads);
        const double u = at.u, v = at.v;
        const double warpTone = noise.hash(at.x * threads / size, 17) - 0.5;
        const double weftTone = noise.hash(at.y * threads / size, 23) - 0.5;
        const bool over = ((at.x / 2) + (at.y / 2)) % 2 == 0;
        const double thread = over ? warp * (1 + 0.3 * warpTone) : weft * (1 + 0.3 * weftTone);
        const double slub = noise.fractal(u * 4, v * 32, 4, 32, 2);
        return shade(QColor(0xD8, 0xCC, 0xB0), 0.84 + 0.14 * thread + 0.05 * slub);
    });
}

QImage denim(std::uint32_t seed, int scale) {
    const int size = 128;
    const PeriodicNoise noise(seed);
    return sampled(size, scale, [&](const Spot& at) {
        const double u = at.u, v = at.v;
        const double twill = 0.5 + 0.5 * std::sin(tau * (u + v) * 32);
        const double fade = noise.fractal(u * 4, v * 4, 4, 4, 4);
        const double thread =
            at.grain([&](int x, int y) { return noise.hash(x, y / 3 + 500); }) - 0.5;
        const QColor colour =
            blend(QColor(0x1C, 0x2C, 0x5A), QColor(0x5A, 0x74, 0xA8), 0.3 + 0.35 * fade);
        return shade(colour, 0.86 + 0.18 * twill + 0.1 * thread);
    });
}

QImage casinoCarpet(std::uint32_t seed, int scale) {
    const int size = 128;
    const PeriodicNoise noise(seed);
    QImage tile = sampled(size, scale, [&](const Spot& at) {
        const double grain = at.grain([&](int x, int y) { return noise.hash(x, y); });
        return shade(QColor(0x5E, 0x0E, 0x1A), 1.0 + 0.12 * (grain - 0.5));
    });
    wrapped(tile, [&](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 2; ++col) {
                const QPointF centre(32 + 64 * col, 32 + 64 * row);
                painter.setBrush(QColor(0x0E, 0x5A, 0x5A));
                const QPointF diamond[] = {centre + QPointF(0, -26), centre + QPointF(26, 0),
                                           centre + QPointF(0, 26), centre + QPointF(-26, 0)};
                painter.drawPolygon(diamond, 4);
                QPainterPath star;
                for (int point = 0; point < 16; ++point) {
                    const double angle = tau * point / 16;
                    const double radius = point % 2 == 0 ? 18 : 7;
                    const QPointF p =
                        centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
                    point == 0 ? star.moveTo(p) : star.lineTo(p);
                }
                star.closeSubpath();
                painter.setBrush(QColor(0xD8, 0xA8, 0x30));
                painter.drawPath(star);
                painter.setBrush(QColor(0x5E, 0x0E, 0x1A));
                painter.drawEllipse(centre, 4, 4);
                painter.setBrush(QColor(0xD8, 0xA8, 0x30));
                const QPointF corner = centre + QPointF(32, 32);
                painter.drawEllipse(corner, 5, 5);
                painter.setBrush(QColor(0x1A, 0x30, 0x70));
                painter.drawEllipse(corner, 2.5, 2.5);
            }
    });
    return tile;
}

QImage argyle(std::uint32_t seed, int scale) {
    const int size = 96;
    const PeriodicNoise noise(seed);
    QImage tile = sampled(size, scale, [&](const Spot& at) {
        const double grain = at.grain([&](int x, int y) { return noise.hash(x, y); });
        return shade(QColor(0x2A, 0x3A, 0x5C), 1.0 + 0.08 * (grain - 0.5));
    });
    wrapped(tile, [&](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        const double w = size / 2.0, h = size / 2.0;
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 2; ++col) {
                const QPointF centre(w / 2 + w * col, h / 2 + h * row);
                painter.setBrush((row + col) % 2 == 0 ? QColor(0x6A, 0x1E, 0x2E)
                                                      : QColor(0x3E, 0x5E, 0x4A));
                const QPointF diamond[] = {centre + QPointF(0, -h / 2), centre + QPointF(w / 2, 0),
                                           centre + QPointF(0, h / 2), centre + QPointF(-w / 2, 0)};
                painter.drawPolygon(diamond, 4);
            }
        painter.setPen(QPen(QColor(0xE0, 0xD0, 0xA0, 170), 1.2, Qt::DashLine));
        for (int k = -1; k <= 2; ++k) {
            painter.drawLine(QPointF(k * w - w, 0), QPointF(k * w + w, size));
            painter.drawLine(QPointF(k * w + w, 0), QPointF(k * w - w, size));
        }
    });
    return tile;
}

QImage parquet(std::uint32_t seed, int scale) {
    const int size = 128;
    const int block = 64;
    const int planks = 4;
    const PeriodicNoise noise(seed);
    // The blocks are set off from the tile's edge so that the edge runs through wood.
    const int offset = 8;
    return sampled(size, scale, [&](const Spot& at) {
        const int x = (at.x + offset) % size, y = (at.y + offset) % size;
        const int bx = x / block, by = y / block;
        const bool across = (bx + by) % 2 == 0;
        const int along = across ? x % block : y % block;
        const int sideways = across ? y % block : x % block;
        const int plank = sideways / (block / planks);
        const int id = ((bx * 2 + by) * planks + plank);
        const double tone = noise.hash(id, 31) - 0.5;
        // The grain runs on within a pixel at the device pixel's place; 0 at scale 1.
        const double alongPart = across ? at.tx - at.x : at.ty - at.y;
        const double sidewaysPart = across ? at.ty - at.y : at.tx - at.x;
        const double grain = noise.fractal((along + alongPart) / 24.0 + id * 3.0,
                                           (sideways + sidewaysPart) / 2.0, 1 << 20, 1 << 20, 2);
        const bool seam = sideways % (block / planks) == 0 || along == 0;
        const QColor colour = blend(QColor(0xB0, 0x78, 0x40), QColor(0x70, 0x40, 0x1C),
                                    0.45 + 0.5 * tone + 0.4 * grain);
        const double fine = at.grain(
            [&](int gx, int gy) { return noise.hash((gx + offset) % size, (gy + offset) % size); });
        return shade(colour, seam ? 0.6 : 1.0 + 0.04 * (fine - 0.5));
    });
}

struct Background {
    const char* name;
    std::function<QImage(int scale)> make;
};

const std::array<Background, 15>& backgrounds() {
    static const std::array<Background, 15> list{{
        {QUINTARO_TEXT("Library", "Green Felt"),
         [](int s) { return felt(QColor(0x0F, 0x6B, 0x2E), 11, s); }},
        {QUINTARO_TEXT("Library", "Blue Felt"),
         [](int s) { return felt(QColor(0x17, 0x3C, 0x7A), 12, s); }},
        {QUINTARO_TEXT("Library", "Red Felt"),
         [](int s) { return felt(QColor(0x86, 0x14, 0x1E), 13, s); }},
        {QUINTARO_TEXT("Library", "Oak"),
         [](int s) { return wood(QColor(0xD2, 0xA4, 0x6A), QColor(0x8E, 0x5C, 0x2C), 21, 5, s); }},
        {QUINTARO_TEXT("Library", "Walnut"),
         [](int s) { return wood(QColor(0x7A, 0x4E, 0x2C), QColor(0x3A, 0x20, 0x10), 22, 7, s); }},
        {QUINTARO_TEXT("Library", "White Marble"),
         [](int s) { return marble(QColor(0xEC, 0xEA, 0xE4), QColor(0x70, 0x74, 0x7C), 31, s); }},
        {QUINTARO_TEXT("Library", "Green Marble"),
         [](int s) { return marble(QColor(0x1E, 0x4E, 0x3A), QColor(0xD4, 0xE4, 0xD4), 32, s); }},
        {QUINTARO_TEXT("Library", "Slate"), [](int s) { return slate(41, s); }},
        {QUINTARO_TEXT("Library", "Leather"), [](int s) { return leather(42, s); }},
        {QUINTARO_TEXT("Library", "Linen"), [](int s) { return linen(43, s); }},
        {QUINTARO_TEXT("Library", "Cork"), [](int s) { return cork(44, s); }},
        {QUINTARO_TEXT("Library", "Casino Carpet"), [](int s) { return casinoCarpet(45, s); }},
        {QUINTARO_TEXT("Library", "Argyle"), [](int s) { return argyle(46, s); }},
        {QUINTARO_TEXT("Library", "Parquet"), [](int s) { return parquet(47, s); }},
        {QUINTARO_TEXT("Library", "Denim"), [](int s) { return denim(48, s); }},
    }};
    return list;
}

} // namespace

int backgroundCount() {
    return static_cast<int>(backgrounds().size());
}

QImage background(int index, int scale) {
    return backgrounds().at(static_cast<std::size_t>(index)).make(scale);
}

QStringList backgroundNames() {
    QStringList names;
    for (const Background& entry : backgrounds())
        names << QLatin1String(entry.name);
    return names;
}

} // namespace quintaro::wqgame
