#pragma once

#include "displays/device_pixels.h"
#include "options/list_preview_page.h"

namespace quintaro {

// The Backs tab: the library's card backs by name, with the selected back drawn as a
// face-down card.
class BacksPage : public ListPreviewPage {
    Q_OBJECT
public:
    BacksPage(QWidget* dialog, const QRect& geometry, const QString& text, const QRect& pageRect);

    void setUpPage() override;
    void paintPage(QPainter& painter) const override;

    QPoint previewAt() const;

protected:
    QRect previewArea() const override;

private:
    // The library's strip of backs, one card-sized cell each, and the card mask, made for
    // the dialog's pixel ratio and again when it paints at another.
    mutable DevicePicture m_backs;
    mutable DevicePicture m_mask;
};

} // namespace quintaro
