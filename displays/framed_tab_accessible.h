#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace quintaro {

// What a screen reader is told about framed tabs and the dialogs that hold them: each group
// of tabs reads as a page tab list whose page tabs are named with their texts, the selected
// one marked selected, each switched to by its press action. The dialog lists the group in
// the tabs' place.
//
// The factory for QAccessible::installFactory; it answers for framed tabs and for the
// program's dialogs.
QAccessibleInterface* framedTabAccessibleFactory(const QString& className, QObject* object);

} // namespace quintaro
