#pragma once

#include <QSizeF>

class QWidget;

namespace quintaro {

// Makes a dialog laid out at fixed positions wide and tall enough for its texts in the
// language shown. Every direct child that shows a text is measured, on every page, shown
// or not: labels, buttons, radio and check boxes, group box titles, list rows and framed
// tabs. When a one-line text needs more width than its control has, the dialog and all
// its children are widened by one factor, left edges and widths alike, so columns stay
// lined up; then, when a wrapped text needs more lines than its label holds, they are
// lengthened the same way in height. Controls of one line keep their height.
//
// Run it once, at the end of the dialog's construction, after every text is set. Returns
// the factors used; with every text fitting, as every English one does, they are exactly
// 1 and nothing moves.
QSizeF growToFitTexts(QWidget& dialog);

} // namespace quintaro
