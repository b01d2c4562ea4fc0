#include "displays/centered_dialog.h"

#include "platform/window_placement.h"

#include <QScreen>

namespace quintaro {

CenteredDialog::CenteredDialog(QWidget* parent) : QDialog(parent) {}

QScreen* CenteredDialog::ownerScreen() const {
    const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : this;
    return owner->screen();
}

void CenteredDialog::showEvent(QShowEvent* event) {
    if (m_notPlaced) {
        m_notPlaced = false;
        const QScreen* screen = ownerScreen();
        if (screen != nullptr && programPlacesWindows()) {
            const QRect area = screen->availableGeometry();
            move(area.x() + (area.width() - width()) / 2,
                 area.y() + (area.height() - height()) / 2);
        }
    }
    QDialog::showEvent(event);
}

} // namespace quintaro
