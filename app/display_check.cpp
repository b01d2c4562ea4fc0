#include "app/display_check.h"

#include "platform/translated_text.h"

namespace quintaro {

bool displayMissing(const std::function<std::optional<std::string>(const char*)>& environment) {
    const auto platform = environment("QT_QPA_PLATFORM");
    // Any platform plugin other than the two desktop ones brings its own output.
    if (platform && platform->rfind("xcb", 0) != 0 && platform->rfind("wayland", 0) != 0)
        return false;
    return !environment("DISPLAY") && !environment("WAYLAND_DISPLAY");
}

std::string missingDisplayMessage() {
    std::string message = "quintaro: ";
    message +=
        translatedText("Errors", "no graphical display found. Set DISPLAY to a running X "
                                 "server, or start it under a virtual one: xvfb-run quintaro");
    return message;
}

} // namespace quintaro
