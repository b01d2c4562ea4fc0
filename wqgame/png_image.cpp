#include "wqgame/png_image.h"

#include <QResource>

#include <png.h>

namespace quintaro {

QImage decodePng(QByteArrayView bytes) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), static_cast<size_t>(bytes.size())))
        return {};
    const bool hasAlpha = (png.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    // Both QImage formats keep a pixel as the 32-bit word 0xAARRGGBB; libpng fills the
    // alpha byte with 0xFF where the PNG has none, as Format_RGB32 requires.
    png.format = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage image(static_cast<int>(png.width), static_cast<int>(png.height),
                 hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) {
        png_image_free(&png);
        return {};
    }
    // With one byte a component, the row stride in components is the stride in bytes.
    if (!png_image_finish_read(&png, nullptr, image.bits(),
                               static_cast<png_int_32>(image.bytesPerLine()), nullptr))
        return {};
    return image;
}

QImage loadPngResource(const QString& path) {
    const QResource resource(path);
    if (!resource.isValid())
        return {};
    return decodePng(resource.uncompressedData());
}

} // namespace quintaro
