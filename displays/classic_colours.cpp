#include "displays/classic_colours.h"

#include "displays/vga_palette.h"

#include <QPalette>
#include <QWidget>

namespace quintaro {

const ClassicColours& classicColours() {
    static const ClassicColours colours{vgaColour(VgaColour::Black),
                                        vgaColour(VgaColour::LightGrey),
                                        vgaColour(VgaColour::White), vgaColour(VgaColour::Grey)};
    return colours;
}

QPalette classicPalette() {
    const ClassicColours& classic = classicColours();
    const QColor black = vgaColour(VgaColour::Black);
    const QColor white = vgaColour(VgaColour::White);
    QPalette palette;
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool enabled = group != QPalette::Disabled;
        const QColor ink = enabled ? classic.windowText : classic.dark;
        palette.setColor(group, QPalette::Window, classic.buttonFace);
        palette.setColor(group, QPalette::WindowText, ink);
        palette.setColor(group, QPalette::Button, classic.buttonFace);
        palette.setColor(group, QPalette::ButtonText, ink);
        palette.setColor(group, QPalette::Base, white);
        palette.setColor(group, QPalette::AlternateBase, classic.buttonFace);
        palette.setColor(group, QPalette::Text, ink);
        palette.setColor(group, QPalette::PlaceholderText, classic.dark);
        palette.setColor(group, QPalette::BrightText, white);
        palette.setColor(group, QPalette::Light, classic.light);
        palette.setColor(group, QPalette::Midlight, classic.buttonFace);
        palette.setColor(group, QPalette::Mid, classic.dark);
        palette.setColor(group, QPalette::Dark, classic.dark);
        palette.setColor(group, QPalette::Shadow, black);
        palette.setColor(group, QPalette::Highlight,
                         enabled ? vgaColour(VgaColour::Blue) : classic.dark);
        palette.setColor(group, QPalette::HighlightedText, white);
        palette.setColor(group, QPalette::Link, vgaColour(VgaColour::Blue));
        palette.setColor(group, QPalette::LinkVisited, vgaColour(VgaColour::Magenta));
    }
    return palette;
}

void useClassicSurface(QWidget& surface) {
    surface.setPalette(classicPalette());
}

} // namespace quintaro
