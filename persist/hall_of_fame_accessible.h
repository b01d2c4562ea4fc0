#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace quintaro {

// What a screen reader is told about the Hall of Fame dialog: besides its buttons, a list
// of the ten entries, each read as its rank, name and score.
//
// The factory for QAccessible::installFactory; it answers for the Hall of Fame dialog.
QAccessibleInterface* hallOfFameAccessibleFactory(const QString& className, QObject* object);

} // namespace quintaro
