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

void useClassicSurface(QWidget& surface) {
    const ClassicColours& classic = classicColours();
    QPalette palette = surface.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, classic.windowText);
        palette.setColor(group, QPalette::Window, classic.buttonFace);
    }
    palette.setColor(QPalette::Disabled, QPalette::WindowText, classic.dark);
    palette.setColor(QPalette::Disabled, QPalette::Window, classic.buttonFace);
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Light, classic.light);
        palette.setColor(group, QPalette::Dark, classic.dark);
    }
    surface.setPalette(palette);
}

} // namespace quintaro
