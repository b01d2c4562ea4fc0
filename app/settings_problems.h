#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <string>
#include <vector>

namespace quintaro {

// Tells the player what went wrong with the settings file: at once on stderr, and in the
// program's message box when the program can show one without holding up what it was
// doing. Messages wait while the program starts and while a step of the game runs.
class SettingsProblems {
public:
    void report(const std::string& message, const std::string& path);
    // Shows what waits, over `owner`; from now on each message is shown from the event loop.
    void showOver(QWidget* owner);
    // The program is ending: what waits, and what comes, is shown at once, or only on
    // stderr when nobody is there to answer.
    void ending(bool answered);

private:
    void showWaiting();

    struct Message {
        QString text;
        QString path;
    };
    std::vector<Message> m_waiting;
    QPointer<QWidget> m_owner;
    // When a message reaches the box: at start it waits for showOver.
    enum class Shown { Later, FromEventLoop, AtOnce, Never };
    Shown m_shown = Shown::Later;
};

} // namespace quintaro
