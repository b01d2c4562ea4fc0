#include "displays/vga_palette.h"

#include <array>

namespace quintaro {

QColor vgaColour(int number) {
    static constexpr std::array<QRgb, 16> classic = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
        0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    return QColor::fromRgb(classic[static_cast<std::size_t>(number) & 15u]);
}

} // namespace quintaro
