#include "app/centered_dialog.h"

#include <QScreen>

namespace quintaro {

CenteredDialog::CenteredDialog(QWidget* parent) : QDialog(parent) {}

void CenteredDialog::showEvent(QShowEvent* event) {
    if (m_notPlaced) {
        m_notPlaced = false;
        const QSize screen = this->screen()->size();
        move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
    }
    QDialog::showEvent(event);
}

} // namespace quintaro
