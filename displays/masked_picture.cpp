#include "displays/masked_picture.h"

#include "displays/device_pixels.h"

#include <QPainter>

namespace quintaro {

QSize maskedPictureSize(const QImage& sheet) {
    const QSizeF oneX = sheet.deviceIndependentSize();
    return {static_cast<int>(oneX.width()) / 2, static_cast<int>(oneX.height())};
}

void drawMaskedPicture(QPainter& painter, QPoint at, const QImage& sheet) {
    drawMaskedPicture(painter, at, sheet, QRect(QPoint(0, 0), maskedPictureSize(sheet)));
}

void drawMaskedPicture(QPainter& painter, QPoint at, const QImage& sheet, const QRect& part) {
    const QSize size = maskedPictureSize(sheet);
    const QRect picture = part.intersected(QRect(QPoint(0, 0), size));
    if (picture.isEmpty())
        return;
    const QPainter::CompositionMode previous = painter.compositionMode();
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(at, sheet, pixelsOf(sheet, picture.translated(size.width(), 0)));
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(at, sheet, pixelsOf(sheet, picture));
    painter.setCompositionMode(previous);
}

} // namespace quintaro
