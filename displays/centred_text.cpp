#include "displays/centred_text.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quintaro {

namespace {

constexpr int plainFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;

void drawAt(QPainter& painter, QPoint topLeft, QSize size, int flags, const QString& text) {
    painter.drawText(QRect(topLeft, size), flags, text);
}

bool breaksLine(QChar c) {
    return c == u'\n' || c == u'\r' || c == u'\t';
}

// The same pixels as drawing into the text's rectangle with plainFlags, without the text
// layout that costs: the pay table draws some sixty numbers at every full repaint. As in a
// single line, breaks and tabs (a hand-edited name may hold them) show as spaces.
void drawPlain(QPainter& painter, QPoint topLeft, const QString& text) {
    const QPoint baseline(topLeft.x(), topLeft.y() + painter.fontMetrics().ascent());
    if (std::none_of(text.begin(), text.end(), breaksLine)) {
        painter.drawText(baseline, text);
        return;
    }
    QString line = text;
    std::replace_if(line.begin(), line.end(), breaksLine, QChar(u' '));
    painter.drawText(baseline, line);
}

// The smallest share of the font's size a text is drawn at to fit.
constexpr double smallestFit = 0.8;

// A smaller size of the painter's font, down to smallestFit of it, at which `text` is no
// wider than `width`; the smallest when none is. For a text too wide at the painter's font.
QFont smallerFont(const QPainter& painter, const QString& text, int width) {
    QFont font = painter.font();
    const int smallest = static_cast<int>(std::ceil(font.pixelSize() * smallestFit));
    for (int pixels = font.pixelSize() - 1; pixels >= smallest; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(text) <= width)
            break;
    }
    return font;
}

} // namespace

QPoint centredTextOrigin(const QRect& rect, QSize text) {
    return {rect.left() + (rect.width() - text.width()) / 2,
            rect.top() + (rect.height() - text.height()) / 2};
}

void drawTextAt(QPainter& painter, QPoint topLeft, const QString& text) {
    drawPlain(painter, topLeft, text);
}

void drawCentredText(QPainter& painter, const QRect& rect, const QString& text) {
    const QFontMetrics metrics = painter.fontMetrics();
    const QSize size(metrics.horizontalAdvance(text), metrics.height());
    drawPlain(painter, centredTextOrigin(rect, size), text);
}

void drawFittedTextAt(QPainter& painter, QPoint topLeft, int width, const QString& text) {
    const QFontMetrics metrics = painter.fontMetrics();
    if (painter.font().pixelSize() <= 0 || metrics.horizontalAdvance(text) <= width)
        return drawPlain(painter, topLeft, text);
    const QFont font = smallerFont(painter, text, width);
    // The smaller text keeps the line's middle, where the full-size text would have sat.
    const int lift = (metrics.height() - QFontMetrics(font).height()) / 2;
    painter.save();
    painter.setFont(font);
    drawPlain(painter, topLeft + QPoint(0, lift), text);
    painter.restore();
}

void drawFittedCentredText(QPainter& painter, const QRect& rect, const QString& text) {
    const QFontMetrics metrics = painter.fontMetrics();
    const int advance = metrics.horizontalAdvance(text);
    if (painter.font().pixelSize() <= 0 || advance <= rect.width())
        return drawPlain(painter, centredTextOrigin(rect, QSize(advance, metrics.height())), text);
    painter.save();
    painter.setFont(smallerFont(painter, text, rect.width()));
    drawCentredText(painter, rect, text);
    painter.restore();
}

QSize controlTextSize(const QFontMetrics& metrics, const QString& text) {
    return {metrics.size(Qt::TextShowMnemonic, text).width(), metrics.height()};
}

void drawControlText(QPainter& painter, QPoint topLeft, const QString& text) {
    drawAt(painter, topLeft, controlTextSize(painter.fontMetrics(), text),
           plainFlags | Qt::TextShowMnemonic, text);
}

void drawCentredControlText(QPainter& painter, const QRect& rect, const QString& text) {
    drawControlText(painter, centredTextOrigin(rect, controlTextSize(painter.fontMetrics(), text)),
                    text);
}

} // namespace quintaro
