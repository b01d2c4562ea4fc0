#pragma once

#include "displays/device_pixels.h"
#include "options/list_preview_page.h"

namespace quintaro {

// The Faces tab: the library's face sets by name, with the jack of suit 0 of the selected
// set as its preview.
class FacesPage : public ListPreviewPage {
    Q_OBJECT
public:
    FacesPage(QWidget* dialog, const QRect& geometry, const QString& text, const QRect& pageRect);

    void setUpPage() override;
    void paintPage(QPainter& painter) const override;

    // Where the preview goes on the dialog.
    QPoint previewAt() const;

protected:
    QRect previewArea() const override;

private:
    // One 45 x 74 cell per face set; room for eight, the first four filled. Made for the
    // dialog's pixel ratio, again when it paints at another.
    mutable DevicePicture m_previews;
};

} // namespace quintaro
