#pragma once

namespace quintaro {

// False on Wayland, where the compositor alone places windows: a program can neither move
// its own windows nor name another program's.
bool programPlacesWindows();

} // namespace quintaro
