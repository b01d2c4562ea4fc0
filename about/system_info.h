#pragma once

#include "platform/screen_info.h"

#include <string>

namespace quintaro {

// What the About box reports about the machine.
struct SystemFacts {
    // The system's own name and version, such as "Debian GNU/Linux 12 (bookworm)".
    std::string systemName;
    // The display system the program talks to, such as "xcb" or "wayland".
    std::string displayDriver;
    ScreenInfo screen;
};

// The About box's system page: memory, system name, display driver, resolution and colour
// count, one to a paragraph, with no line break after the last.
std::string systemInformationText(const SystemFacts& facts);

} // namespace quintaro
