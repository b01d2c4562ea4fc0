#include "cards/faces_page.h"

#include "cards/card_layout.h"
#include "wqgame/resource_module.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPainter>

namespace quintaro {

namespace {

struct FacesLook {
    const char* title = "Face Names";
    const char* previewCaption = "Face Preview";
    int namesId = 1002;
    int previewCells = 8;
    int filledCells = 4;
    QPoint previewOffset{44, 36};
};
const FacesLook look;

} // namespace

FacesPage::FacesPage(QWidget* dialog, const QRect& geometry, const QString& text,
                     const QRect& pageRect)
    : ListPreviewPage(dialog, geometry, text, pageRect, QString::fromUtf8(look.title),
                      QString::fromUtf8(look.previewCaption)),
      m_previews(card_layout::faceWidth * look.previewCells, card_layout::faceHeight,
                 QImage::Format_RGB32) {
    // Cells no face set fills show as the dialog's own background.
    m_previews.fill(dialog->palette().color(QPalette::Window));
}

void FacesPage::setUpPage() {
    createControls();
    QString names;
    {
        wqgame::LibraryBracket library;
        // Each strip is wider than a cell, so the next set covers all but the first picture
        // of the one before: what stays of each set is its jack of suit 0.
        QPainter painter(&m_previews);
        for (int set = 0; set < look.filledCells; ++set)
            painter.drawImage(card_layout::faceWidth * set, 0,
                              wqgame::loadBitmap(card_layout::firstFaceSetBitmap + set));
        names = wqgame::loadString(look.namesId);
    }
    fillNames(names);
}

QPoint FacesPage::previewAt() const {
    return previewBox()->pos() + look.previewOffset;
}

QRect FacesPage::previewArea() const {
    return {previewAt(), QSize(card_layout::faceWidth, card_layout::faceHeight)};
}

void FacesPage::paintPage(QPainter& painter) const {
    if (!pageShown())
        return;
    const int set = selectedRow(*nameList());
    if (set < 0)
        return;
    painter.drawImage(
        previewAt(), m_previews,
        QRect(card_layout::faceWidth * set, 0, card_layout::faceWidth, card_layout::faceHeight));
}

} // namespace quintaro
