#pragma once

#include <QRect>
#include <QSize>

#include <cstdint>

class QWidget;

namespace quintaro {

// The rectangle of band `band` in a pay-table column of `size` showing `lineCount`
// lines; empty when the column has no width.
QRect columnBandRect(QSize size, int lineCount, int band);

// Schedules the repaint of the bands whose highlight differs after the highlighted line
// went from `oldLine` to `newLine` (either may be the no-line value).
void invalidateHighlightChange(QWidget& column, int lineCount, std::uint8_t oldLine,
                               std::uint8_t newLine);

} // namespace quintaro
