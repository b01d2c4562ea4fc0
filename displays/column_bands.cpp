#include "displays/column_bands.h"

#include "displays/pay_table_columns.h"

#include <QWidget>

namespace quintaro {

QRect columnBandRect(QSize size, int lineCount, int band) {
    const RowBand rows = rowBand(size.height(), lineCount, band);
    return {0, rows.top, size.width(), rows.bottom - rows.top + 1};
}

void invalidateHighlightChange(QWidget& column, int lineCount, std::uint8_t oldLine,
                               std::uint8_t newLine) {
    if (oldLine != noLine)
        column.update(columnBandRect(column.size(), lineCount, oldLine + 1));
    if (newLine != noLine)
        column.update(columnBandRect(column.size(), lineCount, newLine + 1));
}

} // namespace quintaro
