#pragma once

#include <QColor>

namespace quintaro {

// The sixteen standard colours, numbered as the game's settings and layouts number them.
enum class VgaColour {
    Black,
    Blue,
    Green,
    Cyan,
    Red,
    Magenta,
    Brown,
    Grey,
    LightGrey,
    LightBlue,
    LightGreen,
    LightCyan,
    LightRed,
    LightMagenta,
    Yellow,
    White
};

// Colour number 0 to 15; numbers outside wrap to the low four bits.
QColor vgaColour(int number);
inline QColor vgaColour(VgaColour colour) {
    return vgaColour(static_cast<int>(colour));
}

} // namespace quintaro
