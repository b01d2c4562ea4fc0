#pragma once

class QAccessibleEvent;

namespace quintaro {

// Every accessibility event the game sends about what it draws itself goes through here.
// It goes to QAccessible::updateAccessibility unless a test records it instead: Qt drops
// events there while its bridge is inactive, which it always is on the offscreen platform
// the tests run on.
using AccessibilityEventSink = void (*)(QAccessibleEvent* event);
void setAccessibilityEventSink(AccessibilityEventSink sink);

void sendAccessibilityEvent(QAccessibleEvent& event);

} // namespace quintaro
