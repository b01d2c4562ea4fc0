#include "displays/payline_window.h"

#include "displays/centred_text.h"
#include "displays/classic_colours.h"
#include "displays/column_bands.h"
#include "displays/device_pixels.h"
#include "displays/vga_palette.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace quintaro {

namespace {

struct PaylineColours {
    VgaColour selected = VgaColour::Yellow;
    VgaColour unselected = VgaColour::White;
    VgaColour rules = VgaColour::Black;
    VgaColour header = VgaColour::Red;
    VgaColour highlight = VgaColour::Black;
    VgaColour highlightText = VgaColour::White;
};
constexpr PaylineColours colours;

} // namespace

PaylineWindow::PaylineWindow(const PayDisplayData& pay, const PaylineColumn& column,
                             QWidget* parent)
    : QWidget(parent), m_pay(pay), m_column(column) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect PaylineWindow::bandRect(int band) const {
    return columnBandRect(size(), m_pay.lineCount, band);
}

void PaylineWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QColor rules = vgaColour(colours.rules);
    painter.fillRect(rect(), vgaColour(m_column.selected ? colours.selected : colours.unselected));
    drawHairline(painter, rules, {0, 0}, {0, height() - 1});

    const int lines = std::min(m_pay.lineCount, maxPayLines);
    for (int band = 0; band <= lines; ++band) {
        const QRect area = bandRect(band);
        // A highlight change repaints two bands: the others' text is not drawn again.
        if (!event->rect().intersects(area))
            continue;
        drawHairline(painter, rules, {0, area.bottom()}, {width() - 1, area.bottom()});
        if (band == 0) {
            painter.setPen(vgaColour(colours.header));
            drawFittedCentredText(painter, area, windowTitle());
            continue;
        }
        const int line = band - 1;
        if (line == m_column.highlightedLine) {
            painter.fillRect(area, vgaColour(colours.highlight));
            painter.setPen(vgaColour(colours.highlightText));
        } else {
            painter.setPen(classicColours().windowText);
        }
        drawCentredText(painter, area, QString::number(m_pay.payoff(line, m_column.bet)));
    }
}

void PaylineWindow::mousePressEvent(QMouseEvent*) {
    Q_EMIT pressed();
}

} // namespace quintaro
