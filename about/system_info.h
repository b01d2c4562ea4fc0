#pragma once

#include "platform/screen_info.h"

#include <cstdint>
#include <string>

namespace quintaro {

// What the About box reports about the machine.
struct SystemFacts {
    // The system's version number, major and minor, each kept to 8 bits.
    std::uint8_t versionMajor = 0;
    std::uint8_t versionMinor = 0;
    // Empty when the system names none.
    std::string displayDriver;
    ScreenInfo screen;
};

// The About box's system page: memory, system version, display driver, resolution and
// colour count, one to a paragraph, with no line break after the last.
std::string systemInformationText(const SystemFacts& facts);

} // namespace quintaro
