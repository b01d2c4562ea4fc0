#pragma once

#include <QColor>
#include <QPen>

namespace quintaro {

// A solid pen of the smallest width. Lines drawn with it cover both end points.
inline QPen hairline(const QColor& colour) {
    return QPen(colour, 0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

} // namespace quintaro
