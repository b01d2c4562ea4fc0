#include "cards/backs_page.h"

#include "cards/card_layout.h"
#include "wqgame/resource_module.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPainter>

namespace quintaro {

namespace {

struct BacksLook {
    const char* title = "Card Back Names";
    const char* previewCaption = "Card Back Preview";
    int namesId = 1003;
    int cells = 14;
    QPoint previewOffset{32, 24};
};
const BacksLook look;

} // namespace

BacksPage::BacksPage(QWidget* dialog, const QRect& geometry, const QString& text,
                     const QRect& pageRect)
    : ListPreviewPage(dialog, geometry, text, pageRect, QString::fromUtf8(look.title),
                      QString::fromUtf8(look.previewCaption)),
      m_backs(card_layout::cardWidth * look.cells, card_layout::cardHeight, QImage::Format_RGB32) {
    // Black ORs nothing onto the dialog: a back the library lacks shows as a black card.
    m_backs.fill(Qt::black);
}

void BacksPage::setUpPage() {
    createControls();
    QString names;
    {
        wqgame::LibraryBracket library;
        QPainter painter(&m_backs);
        painter.drawImage(0, 0, wqgame::loadBitmap(card_layout::backBitmap));
        m_mask = wqgame::loadBitmap(card_layout::maskBitmap).convertToFormat(QImage::Format_RGB32);
        names = wqgame::loadString(look.namesId);
    }
    fillNames(names);
}

QPoint BacksPage::previewAt() const {
    return previewBox()->pos() + look.previewOffset;
}

QRect BacksPage::previewArea() const {
    return {previewAt(), QSize(card_layout::cardWidth, card_layout::cardHeight)};
}

void BacksPage::paintPage(QPainter& painter) const {
    if (!pageShown())
        return;
    const int back = selectedRow(*nameList());
    if (back < 0 || m_mask.isNull())
        return;
    const QPainter::CompositionMode previous = painter.compositionMode();
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(previewAt(), m_mask);
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(
        previewAt(), m_backs,
        QRect(card_layout::cardWidth * back, 0, card_layout::cardWidth, card_layout::cardHeight));
    painter.setCompositionMode(previous);
}

} // namespace quintaro
