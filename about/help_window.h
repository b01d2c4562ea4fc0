#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace quintaro {

// The program's help pages in a small window of their own, beside the table. It does
// not block the game: the player can read and play at once.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Topics: 1000 the contents, 1001 using help, 1003 how to play.
    static constexpr int contentsTopic = 1000;
    static constexpr int usingHelpTopic = 1001;
    static constexpr int howToPlayTopic = 1003;

    HelpWindow(QWidget* parent, const QString& programName);

    // Shows and raises the window on a topic; a topic without a page shows the contents.
    // Opened from hidden, it is placed beside the table, its parent.
    void showTopic(int topic);

    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};

} // namespace quintaro
