#include "about/about_picture.h"

#include <QPainter>

namespace quintaro {

AboutPicture::AboutPicture(QWidget* parent, const QImage& surface, QSize shownSize, bool masked)
    : QWidget(parent), m_surface(surface.convertToFormat(QImage::Format_RGB32)),
      m_shownSize(shownSize), m_masked(masked) {}

void AboutPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect shown(QPoint(0, 0), m_shownSize);
    if (!m_masked) {
        painter.drawImage(shown.topLeft(), m_surface, shown);
        return;
    }
    // The mask clears the picture's place on what lies below, then the picture fills it.
    const QPainter::CompositionMode previous = painter.compositionMode();
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(shown.topLeft(), m_surface, shown.translated(m_shownSize.width(), 0));
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(shown.topLeft(), m_surface, shown);
    painter.setCompositionMode(previous);
}

} // namespace quintaro
