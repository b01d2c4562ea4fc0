#include "wqgame/builder/stored_png.h"

#include <QSaveFile>

#include <csetjmp>
#include <png.h>

namespace quintaro::wqgame {

namespace {

void appendBytes(png_structp png, png_bytep data, size_t length) {
    static_cast<QByteArray*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
}

void flushNothing(png_structp) {}

// libpng reports errors by longjmp, so nothing here may need a destructor to run.
bool encode(const QImage& rows, bool hasAlpha, bool compressed, QByteArray* out) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, out, appendBytes, flushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(rows.width()),
                 static_cast<png_uint_32>(rows.height()), 8,
                 hasAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, compressed ? PNG_ALL_FILTERS : PNG_FILTER_NONE);
    png_set_compression_level(png, compressed ? 6 : 0);
    png_write_info(png, info);
    for (int y = 0; y < rows.height(); ++y)
        png_write_row(png, rows.constScanLine(y));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool writePng(const QImage& picture, const QString& path, bool compressed) {
    if (picture.isNull())
        return false;
    const bool hasAlpha = picture.hasAlphaChannel();
    const QImage rows =
        picture.convertToFormat(hasAlpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    QByteArray bytes;
    if (!encode(rows, hasAlpha, compressed, &bytes))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

bool writeStoredPng(const QImage& picture, const QString& path) {
    return writePng(picture, path, false);
}

bool writeCompressedPng(const QImage& picture, const QString& path) {
    return writePng(picture, path, true);
}

} // namespace quintaro::wqgame
