#include "app/pending_repaints.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace quintaro {

void paintPendingAreasNow(QWidget& window) {
    // The widgets' repaint manager gathers every update() into one request posted to the
    // top-level widget; delivering that request alone paints the gathered areas.
    QCoreApplication::sendPostedEvents(&window, QEvent::UpdateRequest);
}

} // namespace quintaro
