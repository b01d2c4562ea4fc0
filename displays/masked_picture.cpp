#include "displays/masked_picture.h"

#include "displays/device_pixels.h"

#include <QPainter>

namespace quintaro {

QSize maskedPictureSize(const QImage& sheet) {
    const QSizeF oneX = sheet.deviceIndependentSize();
    return {static_cast<int>(oneX.width()) / 2, static_cast<int>(oneX.height())};
}

void drawMaskedPicture(QPainter& painter, QPoint at, const QImage& sheet) {
    const QSize size = maskedPictureSize(sheet);
    if (size.isEmpty())
        return;
    const QPainter::CompositionMode previous = painter.compositionMode();
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(at, sheet, pixelsOf(sheet, QRect(QPoint(size.width(), 0), size)));
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(at, sheet, pixelsOf(sheet, QRect(QPoint(0, 0), size)));
    painter.setCompositionMode(previous);
}

} // namespace quintaro
