#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QFontMetrics;
class QPainter;

namespace quintaro {

// Where text of size `text` goes so that it sits in the middle of `rect`; both halvings
// round toward zero, so text wider than the rectangle overhangs it equally.
QPoint centredTextOrigin(const QRect& rect, QSize text);

// Draws one line of text in the painter's font and pen with its top-left corner at
// `topLeft`.
void drawTextAt(QPainter& painter, QPoint topLeft, const QString& text);

// Draws one line of text in the painter's font and pen, centred in `rect` by its advance
// width and font height.
void drawCentredText(QPainter& painter, const QRect& rect, const QString& text);

// As drawTextAt and drawCentredText, for a text that must stay within `width` (or `rect`)
// on the table, whose layout never grows. A text too wide for the painter's font, as a
// translation may be, is drawn in a smaller size of that font, down to 80 % of it; a text
// that fits, as every English one does, is drawn exactly as the plain calls draw it.
void drawFittedTextAt(QPainter& painter, QPoint topLeft, int width, const QString& text);
void drawFittedCentredText(QPainter& painter, const QRect& rect, const QString& text);

// Control text treats "&" as the mnemonic marker: the marker takes no room and the
// letter after it is underlined.
QSize controlTextSize(const QFontMetrics& metrics, const QString& text);
void drawControlText(QPainter& painter, QPoint topLeft, const QString& text);
void drawCentredControlText(QPainter& painter, const QRect& rect, const QString& text);

} // namespace quintaro
