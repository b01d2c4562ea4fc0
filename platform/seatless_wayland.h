#pragma once

namespace quintaro {

// Qt 6.4's Wayland text-input support asks the compositor's first seat for its text input
// without checking that there is a seat, and crashes when an empty line edit draws its
// cursor. A compositor without a seat has no keyboard, so an input method has nothing to
// do there: in such a session alone Qt is asked for none (QT_IM_MODULE=none), unless the
// user chose one. Must run before the application object is made.
void avoidTextInputWithoutSeat();

} // namespace quintaro
