#pragma once

#include <QColor>

class QPalette;
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

// Every role in the classic colours: grey faces, black ink, white lists and edit fields,
// a navy selection; greyed ink when disabled.
QPalette classicPalette();

// Gives `surface` and every control on it the classic palette, so that radio buttons,
// lists, edit fields and buttons read like the page drawn around them under any desktop
// theme. Windows it opens (question boxes, file dialogs) keep the desktop's own.
void useClassicSurface(QWidget& surface);

} // namespace quintaro
