#include "displays/column_bands.h"

#include "displays/pay_table_columns.h"

namespace quintaro {

QRect columnBandRect(QSize size, int lineCount, int band) {
    const RowBand rows = rowBand(size.height(), lineCount, band);
    return {0, rows.top, size.width(), rows.bottom - rows.top + 1};
}

} // namespace quintaro
