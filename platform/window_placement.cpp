#include "platform/window_placement.h"

#include <QGuiApplication>

namespace quintaro {

bool programPlacesWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace quintaro
