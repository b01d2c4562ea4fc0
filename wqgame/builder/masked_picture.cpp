#include "wqgame/builder/masked_picture.h"

namespace quintaro::wqgame {

QImage maskedPicture(const QImage& picture, QColor edge) {
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    const int w = source.width();
    QImage packed(2 * w, source.height(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(packed.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int alpha = qAlpha(in[x]);
            if (alpha < 128) {
                out[x] = qRgb(0, 0, 0);
                out[w + x] = qRgb(255, 255, 255);
                continue;
            }
            const auto over = [alpha](int colour, int below) {
                return (colour * alpha + below * (255 - alpha)) / 255;
            };
            out[x] = qRgb(over(qRed(in[x]), edge.red()), over(qGreen(in[x]), edge.green()),
                          over(qBlue(in[x]), edge.blue()));
            out[w + x] = qRgb(0, 0, 0);
        }
    }
    packed.setDevicePixelRatio(picture.devicePixelRatio());
    return packed;
}

} // namespace quintaro::wqgame
