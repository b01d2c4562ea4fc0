#pragma once

#include <QColor>

class QWidget;

namespace quintaro {

// The desktop colours the game's own surfaces are drawn in, whatever the desktop theme:
// the pay table, the figures, the status box, the framed tabs and the picture dialogs
// were designed on these and stay readable only on them.
struct ClassicColours {
    QColor windowText;
    QColor buttonFace;
    QColor light;
    QColor dark;
};
const ClassicColours& classicColours();

// Gives `surface` and its children the classic face and ink, and the classic bevel
// colours for etched outlines, while buttons, lists and edit fields keep the theme's own.
// For dialogs that draw on their surface and hold standard controls too.
void useClassicSurface(QWidget& surface);

} // namespace quintaro
