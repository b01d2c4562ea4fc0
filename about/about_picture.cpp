#include "about/about_picture.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace quintaro {

namespace {

// A screen reader meets the picture as a picture, by its accessible name.
QAccessibleInterface* pictureAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("quintaro::AboutPicture"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

AboutPicture::AboutPicture(QWidget* parent, DevicePicture::Maker makeSurface, QSize shownSize,
                           bool masked)
    : QWidget(parent), m_shownSize(shownSize), m_masked(masked) {
    [[maybe_unused]] static const bool readable = [] {
        QAccessible::installFactory(pictureAccessible);
        return true;
    }();
    m_surface = DevicePicture(
        [make = std::move(makeSurface)](qreal ratio) {
            return make(ratio).convertToFormat(QImage::Format_RGB32);
        },
        devicePixelRatioF());
    if (m_shownSize.isEmpty())
        m_shownSize = surface().deviceIndependentSize().toSize();
}

void AboutPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage& surface = m_surface.forPainter(painter);
    const QRect shown(QPoint(0, 0), m_shownSize);
    if (!m_masked) {
        painter.drawImage(shown.topLeft(), surface, pixelsOf(surface, shown));
        return;
    }
    // The mask clears the picture's place on what lies below, then the picture fills it.
    const QPainter::CompositionMode previous = painter.compositionMode();
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(shown.topLeft(), surface,
                      pixelsOf(surface, shown.translated(m_shownSize.width(), 0)));
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(shown.topLeft(), surface, pixelsOf(surface, shown));
    painter.setCompositionMode(previous);
}

} // namespace quintaro
