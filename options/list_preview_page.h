#pragma once

#include "displays/framed_tab.h"

#include <QRect>
#include <QString>

class QGroupBox;
class QListWidget;
class QPainter;

namespace quintaro {

// A tab of the Options dialog whose page is a list of names beside a preview of the
// selected entry. The page's controls are children of the dialog, which owns them; the
// preview is painted on the dialog by the dialog's own paint, through paintPage().
class ListPreviewPage : public FramedTab {
    Q_OBJECT
public:
    // Creates the controls, fills the list and the preview; run once, after every member of
    // the dialog exists.
    virtual void setUpPage() = 0;
    // Draws the selected entry's preview on the dialog while the page is shown. `painter`
    // is open on the dialog, which must be an opaque target: the backs go on with raster
    // operations.
    virtual void paintPage(QPainter& painter) const = 0;

    QListWidget* nameList() const { return m_nameList; }
    QGroupBox* titleBox() const { return m_titleBox; }
    QGroupBox* previewBox() const { return m_previewBox; }

protected:
    ListPreviewPage(QWidget* dialog, const QRect& geometry, const QString& text,
                    const QRect& pageRect, QString title, QString previewCaption);

    // The controls, placed on the dialog and listed as the page's controls.
    void createControls();
    void fillNames(const QString& names);
    // The dialog's area the preview covers; repainted when the selection changes.
    virtual QRect previewArea() const = 0;
    // True while the page's controls are shown, that is while its tab is selected.
    bool pageShown() const;
    // Where the preview goes: `offset` into the preview box as the library sizes it, and
    // in the middle of what the box has grown by since, should the dialog have grown.
    QPoint previewOrigin(QPoint offset) const;

private:
    QWidget* m_dialog;
    QGroupBox* m_titleBox = nullptr;
    QGroupBox* m_previewBox = nullptr;
    QListWidget* m_nameList = nullptr;
    QString m_title;
    QString m_previewCaption;
    QSize m_previewBoxSize;
};

} // namespace quintaro
