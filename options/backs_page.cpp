#include "options/backs_page.h"

#include "displays/choice_list.h"
#include "platform/translated_text.h"
#include "wqgame/card_layout.h"
#include "wqgame/resource_module.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QPainter>

namespace quintaro {

namespace {

struct BacksLook {
    const char* title = QUINTARO_TEXT("Options", "Card Back Names");
    const char* previewCaption = QUINTARO_TEXT("Options", "Card Back Preview");
    int namesId = 1003;
    int cells = 14;
    QPoint previewOffset{32, 24};
};
const BacksLook look;

} // namespace

BacksPage::BacksPage(QWidget* dialog, const QRect& geometry, const QString& text,
                     const QRect& pageRect)
    : ListPreviewPage(dialog, geometry, text, pageRect,
                      QCoreApplication::translate("Options", look.title),
                      QCoreApplication::translate("Options", look.previewCaption)) {}

void BacksPage::setUpPage() {
    createControls();
    const qreal ratio = parentWidget()->devicePixelRatioF();
    m_backs = DevicePicture(
        [](qreal ratio) {
            wqgame::LibraryBracket library;
            const QImage strip = wqgame::loadBitmap(card_layout::backBitmap, ratio);
            QImage backs = surfaceAtScaleOf(
                strip, QSize(card_layout::cardWidth * look.cells, card_layout::cardHeight));
            // Black ORs nothing onto the dialog: a back the library lacks shows as a black card.
            backs.fill(Qt::black);
            QPainter painter(&backs);
            painter.drawImage(0, 0, strip);
            return backs;
        },
        ratio);
    m_mask = DevicePicture(
        [](qreal ratio) {
            wqgame::LibraryBracket library;
            return wqgame::loadBitmap(card_layout::maskBitmap, ratio)
                .convertToFormat(QImage::Format_RGB32);
        },
        ratio);
    QString names;
    {
        wqgame::LibraryBracket library;
        names = wqgame::loadString(look.namesId);
    }
    fillNames(names);
}

QPoint BacksPage::previewAt() const {
    return previewOrigin(look.previewOffset);
}

QRect BacksPage::previewArea() const {
    return {previewAt(), QSize(card_layout::cardWidth, card_layout::cardHeight)};
}

void BacksPage::paintPage(QPainter& painter) const {
    if (!pageShown())
        return;
    const int back = selectedRow(*nameList());
    const QImage& mask = m_mask.forPainter(painter);
    if (back < 0 || mask.isNull())
        return;
    const QImage& backs = m_backs.forPainter(painter);
    const QPainter::CompositionMode previous = painter.compositionMode();
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(previewAt(), mask);
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(previewAt(), backs,
                      pixelsOf(backs, QRect(card_layout::cardWidth * back, 0,
                                            card_layout::cardWidth, card_layout::cardHeight)));
    painter.setCompositionMode(previous);
}

} // namespace quintaro
