#include "options/faces_page.h"

#include "displays/choice_list.h"
#include "platform/translated_text.h"
#include "wqgame/card_layout.h"
#include "wqgame/resource_module.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QPainter>

#include <array>

namespace quintaro {

namespace {

struct FacesLook {
    const char* title = QUINTARO_TEXT("Options", "Face Names");
    const char* previewCaption = QUINTARO_TEXT("Options", "Face Preview");
    int namesId = 1002;
    int previewCells = 8;
    static constexpr int filledCells = 4;
    QPoint previewOffset{44, 36};
};
const FacesLook look;

} // namespace

FacesPage::FacesPage(QWidget* dialog, const QRect& geometry, const QString& text,
                     const QRect& pageRect)
    : ListPreviewPage(dialog, geometry, text, pageRect,
                      QCoreApplication::translate("Options", look.title),
                      QCoreApplication::translate("Options", look.previewCaption)) {}

void FacesPage::setUpPage() {
    createControls();
    QWidget* dialog = parentWidget();
    const QColor blank = dialog->palette().color(QPalette::Window);
    m_previews = DevicePicture(
        [blank](qreal ratio) {
            wqgame::LibraryBracket library;
            std::array<QImage, look.filledCells> sets;
            for (int set = 0; set < look.filledCells; ++set)
                sets[static_cast<std::size_t>(set)] =
                    wqgame::loadBitmap(card_layout::firstFaceSetBitmap + set, ratio);
            QImage previews =
                surfaceAtScaleOf(sets[0], QSize(card_layout::faceWidth * look.previewCells,
                                                card_layout::faceHeight));
            // Cells no face set fills show as the dialog's own background.
            previews.fill(blank);
            // Each strip is wider than a cell, so the next set covers all but the first
            // picture of the one before: what stays of each set is its jack of suit 0.
            QPainter painter(&previews);
            for (int set = 0; set < look.filledCells; ++set)
                painter.drawImage(card_layout::faceWidth * set, 0,
                                  sets[static_cast<std::size_t>(set)]);
            return previews;
        },
        dialog->devicePixelRatioF());
    QString names;
    {
        wqgame::LibraryBracket library;
        names = wqgame::loadString(look.namesId);
    }
    fillNames(names);
}

QPoint FacesPage::previewAt() const {
    return previewOrigin(look.previewOffset);
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
    const QImage& previews = m_previews.forPainter(painter);
    painter.drawImage(previewAt(), previews,
                      pixelsOf(previews, QRect(card_layout::faceWidth * set, 0,
                                               card_layout::faceWidth, card_layout::faceHeight)));
}

} // namespace quintaro
