#include "app/settings_problems.h"

#include "app/message_dialog.h"

#include <QTimer>

#include <cstdio>

namespace quintaro {

void SettingsProblems::report(const std::string& message, const std::string& path) {
    std::fprintf(stderr, "quintaro: %s (%s)\n", message.c_str(), path.c_str());
    if (m_silent)
        return;
    m_waiting.push_back({QString::fromStdString(message), QString::fromStdString(path)});
    if (m_atOnce)
        showWaiting();
    else if (m_showing)
        QTimer::singleShot(0, [this] { showWaiting(); });
}

void SettingsProblems::showOver(QWidget* owner) {
    m_owner = owner;
    m_showing = true;
    showWaiting();
}

void SettingsProblems::ending(bool answered) {
    m_owner = nullptr;
    m_silent = !answered;
    m_atOnce = answered;
    if (m_silent)
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
