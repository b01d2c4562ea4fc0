#include "wqgame/builder/index_glyphs.h"

#include "wqgame/builder/picture_kit.h"
#include "wqgame/card_layout.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>

namespace quintaro::wqgame {

namespace {

using Glyph = std::array<const char*, card_layout::indexHeight>;

// '#' is ink. Strokes are two pixels wide so the glyphs hold up on a bright card.
constexpr std::array<Glyph, 14> glyphs{{
    {".........", "...###...", "..##.##..", "..##.##..", ".##...##.", ".##...##.", ".##...##.",
     ".#######.", ".##...##.", ".##...##.", ".##...##.", ".##...##.", ".........", "........."},
    {".........", "..#####..", ".##...##.", ".....##..", ".....##..", "....##...", "...##....",
     "..##.....", ".##......", ".##......", ".##......", ".#######.", ".........", "........."},
    {".........", "..#####..", ".##...##.", "......##.", "......##.", "...####..", "......##.",
     "......##.", "......##.", "......##.", ".##...##.", "..#####..", ".........", "........."},
    {".........", ".....##..", "....###..", "...####..", "..##.##..", ".##..##..", ".##..##..",
     ".#######.", ".....##..", ".....##..", ".....##..", ".....##..", ".........", "........."},
    {".........", ".#######.", ".##......", ".##......", ".######..", "......##.", "......##.",
     "......##.", "......##.", "......##.", ".##...##.", "..#####..", ".........", "........."},
    {".........", "...####..", "..##.....", ".##......", ".##......", ".######..", ".##...##.",
     ".##...##.", ".##...##.", ".##...##.", ".##...##.", "..#####..", ".........", "........."},
    {".........", ".#######.", "......##.", "......##.", ".....##..", ".....##..", "....##...",
     "....##...", "...##....", "...##....", "...##....", "...##....", ".........", "........."},
    {".........", "..#####..", ".##...##.", ".##...##.", ".##...##.", "..#####..", ".##...##.",
     ".##...##.", ".##...##.", ".##...##.", ".##...##.", "..#####..", ".........", "........."},
    {".........", "..#####..", ".##...##.", ".##...##.", ".##...##.", ".##...##.", ".##...##.",
     "..######.", "......##.", "......##.", ".....##..", "..####...", ".........", "........."},
    {".........", ".#..####.", "##.##..##", "##.##..##", "##.##..##", "##.##..##", "##.##..##",
     "##.##..##", "##.##..##", "##.##..##", "##.##..##", "##..####.", ".........", "........."},
    {".........", "....####.", "......##.", "......##.", "......##.", "......##.", "......##.",
     "......##.", "......##.", ".##...##.", ".##...##.", "..#####..", ".........", "........."},
    {".........", "..#####..", ".##...##.", ".##...##.", ".##...##.", ".##...##.", ".##...##.",
     ".##...##.", ".##.#.##.", ".##..###.", ".##...##.", "..####.#.", "........#", "........."},
    {".........", ".##...##.", ".##..##..", ".##.##...", ".####....", ".###.....", ".####....",
     ".##.##...", ".##..##..", ".##..##..", ".##...##.", ".##...##.", ".........", "........."},
    // The joker: a star, the mark of a wild card.
    {".........", "....#....", "....#....", "...###...", "...###...", "#########", ".#######.",
     "..#####..", "..#####..", ".###.###.", ".##...##.", "##.....##", ".........", "........."},
}};

// The box the ink of a hand-set glyph takes, in its pixels.
QRectF inkBox(const Glyph& glyph) {
    int left = card_layout::indexWidth, top = card_layout::indexHeight, right = 0, bottom = 0;
    for (int y = 0; y < card_layout::indexHeight; ++y)
        for (int x = 0; x < card_layout::indexWidth; ++x)
            if (glyph[static_cast<std::size_t>(y)][x] == '#') {
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x + 1);
                bottom = std::max(bottom, y + 1);
            }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QPainterPath outline(int rank) {
    QPainterPath path;
    if (rank == 14) {
        for (int point = 0; point < 10; ++point) {
            const double angle = std::numbers::pi * (point / 5.0 - 0.5);
            const double radius = point % 2 == 0 ? 1.0 : 0.45;
            const QPointF p(radius * std::cos(angle), radius * std::sin(angle));
            point == 0 ? path.moveTo(p) : path.lineTo(p);
        }
        path.closeSubpath();
        return path;
    }
    static const char* const names[] = {"A", "2", "3",  "4", "5", "6", "7",
                                        "8", "9", "10", "J", "Q", "K"};
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(100);
    font.setBold(true);
    path.addText(0, 0, font, QLatin1String(names[rank - 1]));
    return path;
}

} // namespace

QImage indexGlyph(int rank, QColor colour, int scale) {
    const Glyph& glyph = glyphs.at(static_cast<std::size_t>(rank - 1));
    QImage image =
        scaledImage(card_layout::indexWidth, card_layout::indexHeight, scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (scale == 1) {
        for (int y = 0; y < card_layout::indexHeight; ++y)
            for (int x = 0; x < card_layout::indexWidth; ++x)
                if (glyph[static_cast<std::size_t>(y)][x] == '#')
                    image.setPixelColor(x, y, colour);
        return image;
    }
    const QPainterPath path = outline(rank);
    const QRectF from = path.boundingRect();
    const QRectF to = inkBox(glyph);
    QTransform fit;
    fit.translate(to.left(), to.top());
    fit.scale(to.width() / from.width(), to.height() / from.height());
    fit.translate(-from.left(), -from.top());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(fit.map(path));
    return image;
}

} // namespace quintaro::wqgame
