#include "displays/centred_text.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

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
