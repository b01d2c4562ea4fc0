#pragma once

#include "displays/device_pixels.h"

#include <QImage>
#include <QSize>
#include <QWidget>

namespace quintaro {

// A picture of the About box. A masked surface holds the picture in its left part and
// the mask in its right part, each of the shown size. The surface is made for the pixel
// ratio the picture is painted at, again when that changes.
class AboutPicture : public QWidget {
    Q_OBJECT
public:
    AboutPicture(QWidget* parent, DevicePicture::Maker makeSurface, QSize shownSize, bool masked);

    // As made for the ratio last painted at.
    const QImage& surface() const { return m_surface.image(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DevicePicture m_surface;
    QSize m_shownSize;
    bool m_masked;
};

} // namespace quintaro
