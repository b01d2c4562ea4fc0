#pragma once

#include <QImage>
#include <QSize>
#include <QWidget>

namespace quintaro {

// A picture of the About box. A masked surface holds the picture in its left part and
// the mask in its right part, each of the shown size.
class AboutPicture : public QWidget {
    Q_OBJECT
public:
    AboutPicture(QWidget* parent, const QImage& surface, QSize shownSize, bool masked);

    const QImage& surface() const { return m_surface; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_surface;
    QSize m_shownSize;
    bool m_masked;
};

} // namespace quintaro
