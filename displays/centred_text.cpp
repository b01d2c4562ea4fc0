#include "displays/centred_text.h"

#include <QFontMetrics>
#include <QPainter>

namespace quintaro {

namespace {

constexpr int plainFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;

void drawAt(QPainter& painter, QPoint topLeft, QSize size, int flags, const QString& text) {
    painter.drawText(QRect(topLeft, size), flags, text);
}

} // namespace

QPoint centredTextOrigin(const QRect& rect, QSize text) {
    return {rect.left() + (rect.width() - text.width()) / 2,
            rect.top() + (rect.height() - text.height()) / 2};
}

void drawTextAt(QPainter& painter, QPoint topLeft, const QString& text) {
    const QFontMetrics metrics = painter.fontMetrics();
    drawAt(painter, topLeft, QSize(metrics.horizontalAdvance(text), metrics.height()), plainFlags,
           text);
}

void drawCentredText(QPainter& painter, const QRect& rect, const QString& text) {
    const QFontMetrics metrics = painter.fontMetrics();
    const QSize size(metrics.horizontalAdvance(text), metrics.height());
    drawAt(painter, centredTextOrigin(rect, size), size, plainFlags, text);
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
