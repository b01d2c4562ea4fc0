#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace quintaro {

class HallOfFameDialog;

// What a screen reader is told about the Hall of Fame dialog: besides its buttons, a list
// of the ten entries, each read as its rank, name and score.
//
// The factory for QAccessible::installFactory; it answers for the Hall of Fame dialog.
QAccessibleInterface* hallOfFameAccessibleFactory(const QString& className, QObject* object);

// Tells assistive technologies that the entry of `rank` (0 to 9) reads differently now.
// Precondition: the factory above is installed.
void tellEntryRenamed(HallOfFameDialog& dialog, int rank);

} // namespace quintaro
