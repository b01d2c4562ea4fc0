#include "app/display_check.h"

namespace quintaro {

std::optional<std::string>
missingDisplayMessage(const std::function<std::optional<std::string>(const char*)>& environment) {
    const auto platform = environment("QT_QPA_PLATFORM");
    // Any platform plugin other than the two desktop ones brings its own output.
    if (platform && platform->rfind("xcb", 0) != 0 && platform->rfind("wayland", 0) != 0)
        return std::nullopt;
    if (environment("DISPLAY") || environment("WAYLAND_DISPLAY"))
        return std::nullopt;
    return "quintaro: no graphical display found. Set DISPLAY to a running X server, "
           "or start it under a virtual one: xvfb-run quintaro";
}

} // namespace quintaro
