#include "app/settings_problems.h"

#include "app/message_dialog.h"

#include <QTimer>

#include <cstdio>

namespace quintaro {

void SettingsProblems::report(const std::string& message, const std::string& path) {
    std::fprintf(stderr, "quintaro: %s (%s)\n", message.c_str(), path.c_str());
    if (m_shown == Shown::Never)
        return;
    m_waiting.push_back({QString::fromStdString(message), QString::fromStdString(path)});
    if (m_shown == Shown::AtOnce)
        showWaiting();
    else if (m_shown == Shown::FromEventLoop)
        QTimer::singleShot(0, [this] { showWaiting(); });
}

void SettingsProblems::showOver(QWidget* owner) {
    m_owner = owner;
    m_shown = Shown::FromEventLoop;
    showWaiting();
}

void SettingsProblems::ending(bool answered) {
    m_owner = nullptr;
    m_shown = answered ? Shown::AtOnce : Shown::Never;
    if (!answered)
        m_waiting.clear();
    showWaiting();
}

void SettingsProblems::showWaiting() {
    const std::vector<Message> messages = std::exchange(m_waiting, {});
    for (const Message& message : messages) {
        MessageDialog dialog(m_owner, message.text);
        dialog.setSecondLineElided(message.path);
        dialog.exec();
    }
}

} // namespace quintaro
