#include "displays/accessibility_events.h"

#include <QAccessible>

namespace quintaro {

namespace {

AccessibilityEventSink eventSink = QAccessible::updateAccessibility;

} // namespace

void setAccessibilityEventSink(AccessibilityEventSink sink) {
    eventSink = sink;
}

void sendAccessibilityEvent(QAccessibleEvent& event) {
    eventSink(&event);
}

} // namespace quintaro
