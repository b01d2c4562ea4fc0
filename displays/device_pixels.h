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

// Draws a line from `from` to `to`, both end pixels included, in `colour`. Off ratio 1 it
// covers exactly the device pixels of the pixels it crosses, where a one-device-pixel pen
// would leave gaps between neighbouring lines; at 1 it is the hairline pen.
void drawHairline(QPainter& painter, const QColor& colour, QPoint from, QPoint to);

// Fills `area` with `tile` repeated from `origin`, both in the painter's coordinates. Off
// ratio 1 the tiles are laid in device pixels, so each is the same whole number of pixels
// wide and neighbours meet without gaps; `tile` should then be made for the target's ratio
// (tileForRatio).
void drawTiles(QPainter& painter, const QRect& area, const QImage& tile, QPoint origin);

} // namespace quintaro
