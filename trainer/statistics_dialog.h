#pragma once

#include "poker/game_type.h"

#include <QDialog>
#include <QString>

class QPushButton;
class QTabWidget;

namespace quintaro {

class TrainerStatistics;

// One page per game of what the trainer recorded, this session and all time, in a window
// beside the table that stays open while the player plays. Copy (and Ctrl+C) puts the shown
// page on the clipboard as text, a line per row and a tab between cells. Reset empties the
// shown game's figures, after asking; it is never the default button: Enter closes. While
// shown it follows every change of the figures, as their only listener. The statistics must
// outlive the dialog.
class StatisticsDialog : public QDialog {
    Q_OBJECT
public:
    // The table, when given, is the window it opens beside.
    StatisticsDialog(TrainerStatistics& statistics, GameType shown, QWidget* table);
    ~StatisticsDialog() override;

    // Shows the game's page, the window placed beside the table if it was hidden, and
    // raises it.
    void showBeside(GameType shown);

    QTabWidget* pages() const { return m_pages; }
    QPushButton* resetButton() const { return m_reset; }
    QPushButton* closeButton() const { return m_close; }
    // The text at a row of a page, row 0 the column headers: column 0 names the figure, 1 is
    // this session, 2 all time.
    QString cell(int page, int row, int column) const;

private:
    void fillPage(int page);
    void copyPage();
    void onReset();

    TrainerStatistics& m_statistics;
    QTabWidget* m_pages;
    QPushButton* m_reset;
    QPushButton* m_close;
};

} // namespace quintaro
