#include "about/popup_help.h"

#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTextDocument>
#include <QToolTip>

namespace quintaro {

PopupHelp::PopupHelp(QObject* parent) : QObject(parent) {}

void PopupHelp::setOn(bool on) {
    if (m_on && !on)
        QToolTip::hideText();
    m_on = on;
}

QString PopupHelp::helpText(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (!w->whatsThis().isEmpty())
            return w->whatsThis();
        if (w->isWindow())
            break;
    }
    return {};
}

bool PopupHelp::eventFilter(QObject* watched, QEvent* event) {
    if (!m_on || event->type() != QEvent::ToolTip || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    const auto* help = static_cast<QHelpEvent*>(event);

    // Over a menu the help belongs to the item under the pointer, and stays while the
    // pointer is on that item.
    QString text;
    QRect area;
    QAction* action = nullptr;
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        action = menu->actionAt(help->pos());
        area = action ? menu->actionGeometry(action) : QRect();
    } else if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
        action = bar->actionAt(help->pos());
        area = action ? bar->actionGeometry(action) : QRect();
    } else {
        text = helpText(widget);
    }
    if (action != nullptr)
        text = action->whatsThis();
    if (text.isEmpty())
        return false;
    // As rich text the tooltip wraps its lines; kept plain, a long help text would run
    // across the screen on one line.
    QToolTip::showText(help->globalPos(), Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal),
                       widget, area);
    return true;
}

} // namespace quintaro
