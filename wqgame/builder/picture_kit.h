#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

namespace quintaro::wqgame {

// Drawing pieces the library's pictures share: gilt, chips, light bulbs and laid cards.

// The face colour of the dialogs the masked pictures mostly sit on.
QColor dialogFace();

// A picture of `width` x `height` logical pixels drawn at `scale` device pixels to each: its
// devicePixelRatio is `scale`, so a painter on it draws in the 1x picture's coordinates, and
// images that carry their own ratio are laid at their 1x size.
QImage scaledImage(int width, int height, int scale, QImage::Format format);
QImage transparentImage(int width, int height, int scale = 1);
QLinearGradient gilt(QPointF from, QPointF to);
QFont pictureFont(const QString& family, int pixelSize, bool bold, bool italic = false);

// A chip seen from above, and a stack of them seen from the side, `base` the middle of the
// stack's bottom edge.
void drawChip(QPainter& painter, QPointF centre, qreal radius, QColor colour);
void drawChipStack(QPainter& painter, QPointF base, qreal width, int count, QColor colour);
void drawBulb(QPainter& painter, QPointF centre, qreal radius);
// A card (71 x 96 logical pixels with see-through corners) turned by `degrees` about its centre,
// with a soft shadow.
void drawLaidCard(QPainter& painter, const QImage& card, QPointF centre, qreal degrees,
                  qreal scale = 1.0);
// A five-pointed star.
void drawStar(QPainter& painter, QPointF centre, qreal outer, qreal inner);

} // namespace quintaro::wqgame
