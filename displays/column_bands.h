#pragma once

#include <QRect>
#include <QSize>

namespace quintaro {

// The rectangle of band `band` in a pay-table column of `size` showing `lineCount`
// lines; empty when the column has no width.
QRect columnBandRect(QSize size, int lineCount, int band);

} // namespace quintaro
