#include "displays/hand_names_window.h"

#include "displays/centred_text.h"
#include "displays/column_bands.h"
#include "displays/device_pixels.h"
#include "displays/focus_frame.h"
#include "displays/vga_palette.h"
#include "poker/hand_category.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace quintaro {

namespace {

struct HandNamesLook {
    VgaColour names = VgaColour::Blue;
    VgaColour rules = VgaColour::Black;
    VgaColour title = VgaColour::Red;
    VgaColour highlight = VgaColour::Black;
    VgaColour highlightText = VgaColour::White;
    int textLeft = 4;
};
constexpr HandNamesLook look;

} // namespace

HandNamesWindow::HandNamesWindow(const PayDisplayData& pay, const HandNamesColumn& column,
                                 QWidget* parent)
    : QWidget(parent), m_pay(pay), m_column(column) {
    setAutoFillBackground(false);
    setFocusPolicy(Qt::TabFocus);
}

QRect HandNamesWindow::bandRect(int band) const {
    return columnBandRect(size(), m_pay.lineCount, band);
}

void HandNamesWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QColor rules = vgaColour(look.rules);
    const int textHeight = painter.fontMetrics().height();
    drawHairline(painter, rules, {0, 0}, {0, height() - 1});

    const int lines = std::min(m_pay.lineCount, maxPayLines);
    for (int band = 0; band <= lines; ++band) {
        const QRect area = bandRect(band);
        // A highlight change repaints two bands: the others' text is not drawn again.
        if (!event->rect().intersects(area))
            continue;
        drawHairline(painter, rules, {0, area.bottom()}, {width() - 1, area.bottom()});
        const QPoint textAt(look.textLeft, area.top() + (area.height() - textHeight) / 2);
        if (band == 0) {
            painter.setPen(vgaColour(look.title));
            drawFittedTextAt(painter, textAt, width() - look.textLeft,
                             QString::fromStdString(m_pay.title));
            continue;
        }
        const int line = band - 1;
        if (line == m_column.highlightedLine) {
            painter.fillRect(area, vgaColour(look.highlight));
            painter.setPen(vgaColour(look.highlightText));
        } else {
            painter.setPen(vgaColour(look.names));
        }
        drawFittedTextAt(painter, textAt, width() - look.textLeft,
                         QString::fromStdString(
                             handCategoryText(m_pay.categories[static_cast<std::size_t>(line)])));
    }
    if (hasFocus())
        drawFocusFrame(painter, rect());
}

} // namespace quintaro
