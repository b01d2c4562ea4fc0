#pragma once

#include "wqgame/resource_module.h"

#include <QImage>
#include <QWidget>

#include <functional>

// Pixel probes shared by the display tests.
namespace quintaro::test {

// The open resource library's picture `id` for `ratio`, counted in its own pixels.
inline QImage library(int id, qreal ratio = 1.0) {
    wqgame::LibraryBracket bracket;
    QImage image = wqgame::loadBitmap(id, ratio).convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image;
}

inline QImage renderOn(QWidget& widget, const QColor& underneath) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(underneath);
    widget.render(&image);
    return image;
}

inline bool anyPixel(const QImage& image, const QRect& area,
                     const std::function<bool(QRgb)>& test) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixel(x, y)))
                return true;
    return false;
}

inline std::function<bool(QRgb)> is(const QColor& colour) {
    return [rgb = colour.rgb()](QRgb pixel) { return pixel == rgb; };
}

inline std::function<bool(QRgb)> isNot(const QColor& colour) {
    return [rgb = colour.rgb()](QRgb pixel) { return pixel != rgb; };
}

} // namespace quintaro::test
