#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class QPainter;

namespace quintaro {

// The device pixel ratio of the pixels `painter` writes: a widget's backing store, or the
// image a widget is rendered into.
qreal devicePixelRatioOf(const QPainter& painter);

// A picture made for the device pixel ratio of the target it is drawn on. The maker builds
// it for a ratio, usually from the library's variant for that ratio; it runs again when a
// target of another ratio asks, as when the window moves to a screen of another scale.
class DevicePicture {
public:
    using Maker = std::function<QImage(qreal ratio)>;

    DevicePicture() = default;
    // Makes the picture for `ratio` at once, so that it is ready before the first paint.
    DevicePicture(Maker make, qreal ratio);

    const QImage& forRatio(qreal ratio);
    const QImage& forPainter(const QPainter& painter);
    // As made last; null before the first making.
    const QImage& image() const { return m_image; }

private:
    Maker m_make;
    QImage m_image;
    qreal m_ratio = 0;
};

// A blank opaque surface of `size` device-independent pixels at the scale of `bitmap`, or
// at 1 when the bitmap is null (the library lacks it).
QImage surfaceAtScaleOf(const QImage& bitmap, QSize size);

// The pixels of `image` under a rectangle given in its device-independent pixels. Exact for
// the whole-number scales the library's variants come in.
QRect pixelsOf(const QImage& image, const QRect& logical);

// A tile resampled to exactly `ratio` device pixels per pixel of its 1x size, rounded to
// whole pixels, seamless as the tile was, and in a format without a palette; unchanged at 1x.
QImage tileForRatio(const QImage& picture, qreal ratio);

// Draws a line one pixel wide from `from` to `to`, both end pixels included, in `colour`,
// one pixel per step along its longer side. At any ratio it covers exactly the device
// pixels of the pixels it crosses, where a pen one device pixel wide would leave stripes
// of what lies under it. It uses no pen: the painter's pen is left as it was.
void drawHairline(QPainter& painter, const QColor& colour, QPoint from, QPoint to);

// The outline of `rect` on its own edge pixels, drawn as drawHairline draws.
void drawHairlineRect(QPainter& painter, const QColor& colour, const QRect& rect);

// Fills `area` with `tile` repeated from `origin`, both in the painter's coordinates. Off
// ratio 1 the tiles are laid in device pixels, so each is the same whole number of pixels
// wide and neighbours meet without gaps; `tile` should then be made for the target's ratio
// (tileForRatio).
void drawTiles(QPainter& painter, const QRect& area, const QImage& tile, QPoint origin);

} // namespace quintaro
