#pragma once

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QRect>

#include <algorithm>
#include <cstdlib>

// A dark desktop theme for the tests of what the game draws itself, and the measure of
// how well its text stands out.
namespace quintaro::test {

// Breeze Dark's colours: light text on dark windows, buttons and lists.
inline QPalette darkPalette() {
    QPalette palette(QColor(49, 54, 59));
    palette.setColor(QPalette::WindowText, QColor(239, 240, 241));
    palette.setColor(QPalette::Base, QColor(35, 38, 41));
    palette.setColor(QPalette::AlternateBase, QColor(49, 54, 59));
    palette.setColor(QPalette::Text, QColor(239, 240, 241));
    palette.setColor(QPalette::Button, QColor(49, 54, 59));
    palette.setColor(QPalette::ButtonText, QColor(239, 240, 241));
    palette.setColor(QPalette::Light, QColor(64, 69, 76));
    palette.setColor(QPalette::Dark, QColor(24, 27, 30));
    palette.setColor(QPalette::Highlight, QColor(61, 174, 233));
    return palette;
}

// The application runs under the dark theme while this lives.
class DarkTheme {
public:
    DarkTheme() : m_previous(QApplication::palette()) { QApplication::setPalette(darkPalette()); }
    ~DarkTheme() { QApplication::setPalette(m_previous); }
    DarkTheme(const DarkTheme&) = delete;
    DarkTheme& operator=(const DarkTheme&) = delete;

private:
    QPalette m_previous;
};

// How far the grey level of the pixel in `area` that stands out most lies from that of
// `background`: 0 for text drawn in the background's own colour, 255 for black on white.
inline int inkContrast(const QImage& image, const QRect& area, const QColor& background) {
    const int ground = qGray(background.rgb());
    int contrast = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            contrast = std::max(contrast, std::abs(qGray(image.pixel(x, y)) - ground));
    return contrast;
}

// Readable text: at least half the range between black and white.
inline constexpr int readableContrast = 128;

} // namespace quintaro::test
