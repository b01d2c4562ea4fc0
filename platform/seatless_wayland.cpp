#include "platform/seatless_wayland.h"

#include "platform/environment_value.h"

#include <wayland-client.h>

#include <cstdlib>
#include <cstring>
#include <optional>

namespace quintaro {

namespace {

// Qt goes to Wayland when a compositor is named and no other platform is asked for.
bool headingForWayland() {
    const auto platform = environmentValue("QT_QPA_PLATFORM");
    return environmentValue("WAYLAND_DISPLAY") && (!platform || platform->starts_with("wayland"));
}

void countSeat(void* seats, wl_registry*, std::uint32_t, const char* interface, std::uint32_t) {
    if (std::strcmp(interface, wl_seat_interface.name) == 0)
        ++*static_cast<int*>(seats);
}

void ignoreRemoval(void*, wl_registry*, std::uint32_t) {}

// Nothing when the compositor cannot be reached; Qt will say so itself.
std::optional<int> seatCount() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr)
        return std::nullopt;
    static const wl_registry_listener listener{countSeat, ignoreRemoval};
    int seats = 0;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &seats);
    const bool answered = wl_display_roundtrip(display) >= 0;
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    if (!answered)
        return std::nullopt;
    return seats;
}

} // namespace

void avoidTextInputWithoutSeat() {
    if (environmentValue("QT_IM_MODULE") || !headingForWayland())
        return;
    if (seatCount() == 0)
        setenv("QT_IM_MODULE", "none", 1);
}

} // namespace quintaro
