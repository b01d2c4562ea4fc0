#include "displays/centered_dialog.h"

#include "displays/framed_tab_accessible.h"
#include "platform/window_placement.h"

#include <QAccessible>
#include <QScreen>

namespace quintaro {

CenteredDialog::CenteredDialog(QWidget* parent) : QDialog(parent) {
    // Before anything asks for this dialog's accessible interface, which is made once.
    [[maybe_unused]] static const bool readable = [] {
        QAccessible::installFactory(framedTabAccessibleFactory);
        return true;
    }();
}

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
