#include "displays/device_pixels.h"

#include <QBrush>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace quintaro {

namespace {

int scaled(int length, qreal ratio) {
    return static_cast<int>(std::lround(length * ratio));
}

// The device pixels a rectangle of the painter's coordinates covers, rounded edge by edge
// as the painter rounds a clip or a fill, so that what is laid here meets what it draws.
QRect deviceRect(const QRect& logical, qreal ratio) {
    return QRect(QPoint(scaled(logical.left(), ratio), scaled(logical.top(), ratio)),
                 QPoint(scaled(logical.left() + logical.width(), ratio) - 1,
                        scaled(logical.top() + logical.height(), ratio) - 1));
}

} // namespace

qreal devicePixelRatioOf(const QPainter& painter) {
    // A widget's painter names the widget as its device, though it writes elsewhere.
    const QPaintEngine* engine = painter.paintEngine();
    const QPaintDevice* target = engine != nullptr ? engine->paintDevice() : painter.device();
    return target != nullptr ? target->devicePixelRatioF() : 1.0;
}

DevicePicture::DevicePicture(Maker make, qreal ratio) : m_make(std::move(make)) {
    forRatio(ratio);
}

const QImage& DevicePicture::forRatio(qreal ratio) {
    if (ratio != m_ratio && m_make) {
        m_image = m_make(ratio);
        m_ratio = ratio;
    }
    return m_image;
}

const QImage& DevicePicture::forPainter(const QPainter& painter) {
    return forRatio(devicePixelRatioOf(painter));
}

QImage surfaceAtScaleOf(const QImage& bitmap, QSize size) {
    const qreal scale = bitmap.isNull() ? 1.0 : bitmap.devicePixelRatio();
    QImage surface(QSize(scaled(size.width(), scale), scaled(size.height(), scale)),
                   QImage::Format_RGB32);
    surface.setDevicePixelRatio(scale);
    return surface;
}

QRect pixelsOf(const QImage& image, const QRect& logical) {
    const qreal scale = image.devicePixelRatio();
    return {scaled(logical.x(), scale), scaled(logical.y(), scale), scaled(logical.width(), scale),
            scaled(logical.height(), scale)};
}

QImage tileForRatio(const QImage& picture, qreal ratio) {
    if (picture.isNull() || (ratio == 1.0 && picture.devicePixelRatio() == 1.0))
        return picture;
    // Off ratio 1 tiles are laid from their bare pixels, which need a format without a palette.
    if (picture.devicePixelRatio() == ratio)
        return picture.convertToFormat(QImage::Format_RGB32);
    const QSizeF oneX = picture.deviceIndependentSize();
    const QSize pixels(static_cast<int>(std::lround(oneX.width() * ratio)),
                       static_cast<int>(std::lround(oneX.height() * ratio)));
    // Resampled amid its own neighbours and cut out of the middle, so that its edges blend
    // into the next tile's pixels rather than into nothing: no seam shows between tiles.
    QImage around(picture.size() * 3, QImage::Format_RGB32);
    {
        QImage flat = picture;
        flat.setDevicePixelRatio(1.0);
        QPainter painter(&around);
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column)
                painter.drawImage(column * flat.width(), row * flat.height(), flat);
    }
    QImage resampled = around.scaled(pixels * 3, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                           .copy(QRect(QPoint(pixels.width(), pixels.height()), pixels));
    resampled.setDevicePixelRatio(ratio);
    return resampled;
}

void drawHairline(QPainter& painter, const QColor& colour, QPoint from, QPoint to) {
    // Whole pixels of the layout, filled: the painter rounds each edge to a device pixel,
    // so neighbouring lines meet without a gap at any ratio.
    if (from.x() == to.x() || from.y() == to.y()) {
        painter.fillRect(QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                               QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y()))),
                         colour);
        return;
    }
    const QPoint delta = to - from;
    const int steps = std::max(std::abs(delta.x()), std::abs(delta.y()));
    const auto along = [steps](int length, int step) {
        return static_cast<int>(std::lround(static_cast<double>(length) * step / steps));
    };
    for (int step = 0; step <= steps; ++step)
        painter.fillRect(
            QRect(from + QPoint(along(delta.x(), step), along(delta.y(), step)), QSize(1, 1)),
            colour);
}

void drawHairlineRect(QPainter& painter, const QColor& colour, const QRect& rect) {
    drawHairline(painter, colour, rect.topLeft(), rect.topRight());
    drawHairline(painter, colour, rect.bottomLeft(), rect.bottomRight());
    drawHairline(painter, colour, rect.topLeft(), rect.bottomLeft());
    drawHairline(painter, colour, rect.topRight(), rect.bottomRight());
}

void drawTiles(QPainter& painter, const QRect& area, const QImage& tile, QPoint origin) {
    const qreal ratio = devicePixelRatioOf(painter);
    if (ratio == 1.0) {
        // One tiled fill, not a drawing per tile: Qt hands every fill of a hundred rows or
        // more to its worker threads.
        painter.save();
        painter.setBrushOrigin(origin);
        painter.fillRect(area, QBrush(tile));
        painter.restore();
        return;
    }
    // The tile's own pixels seen at ratio 1, without a copy: `tile` outlives the fill.
    const QImage devicePixels(tile.constBits(), tile.width(), tile.height(), tile.bytesPerLine(),
                              tile.format());
    painter.save();
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio), true);
    painter.setBrushOrigin(QPoint(scaled(origin.x(), ratio), scaled(origin.y(), ratio)));
    painter.fillRect(deviceRect(area, ratio), QBrush(devicePixels));
    painter.restore();
}

} // namespace quintaro
