#include "platform/qt_process_starter.h"

#include <QProcess>
#include <QStringList>
#include <QWindow>

#include <memory>

namespace quintaro {

bool QtProcessStarter::start(const std::string& commandLine) {
    QStringList words = QProcess::splitCommand(QString::fromStdString(commandLine));
    if (words.isEmpty())
        return false;
    const QString program = words.takeFirst();
    return QProcess::startDetached(program, words);
}

void QtProcessStarter::restoreAndActivate(std::uint16_t window) {
    // The window belongs to another program; Qt wraps it as a foreign window, through
    // which the window manager is asked to map, restore and focus it.
    std::unique_ptr<QWindow> foreign(QWindow::fromWinId(static_cast<WId>(window)));
    if (!foreign)
        return;
    foreign->showNormal();
    foreign->requestActivate();
}

} // namespace quintaro
