#pragma once

#include <cstdint>

namespace quintaro {

// Facts about the screen the program's windows are shown on.
struct ScreenInfo {
    // In device pixels, whatever scale the desktop draws at.
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    // Colours the device reports beyond its depth; 0xFFFFFFFF when it reports none.
    std::uint32_t reportedColours = 0xFFFFFFFF;
};

} // namespace quintaro
