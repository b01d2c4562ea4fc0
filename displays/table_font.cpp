#include "displays/table_font.h"

namespace quintaro {

QFont tableFont(int pixelHeight) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelHeight);
    return font;
}

QFont dialogFont(int pixelHeight) {
    return tableFont(pixelHeight);
}

} // namespace quintaro
