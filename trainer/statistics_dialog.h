#pragma once

#include "displays/centered_dialog.h"
#include "poker/game_type.h"

#include <QString>

class QGridLayout;
class QPushButton;
class QTabWidget;

namespace quintaro {

class TrainerStatistics;

// One page per game of what the trainer recorded, this session and all time. Copy (and
// Ctrl+C) puts the shown page on the clipboard as text, a line per row and a tab between
// cells. Reset empties the shown game's figures, after asking. The statistics must outlive
// the dialog.
class StatisticsDialog : public CenteredDialog {
    Q_OBJECT
public:
    StatisticsDialog(TrainerStatistics& statistics, GameType shown, QWidget* parent);

    QTabWidget* pages() const { return m_pages; }
    QPushButton* resetButton() const { return m_reset; }
    // The text at a row of a page: column 0 names the figure, 1 is this session, 2 all time.
    QString cell(int page, int row, int column) const;

private:
    void fillPage(int page);
    void copyPage();
    void onReset();

    TrainerStatistics& m_statistics;
    QTabWidget* m_pages;
    QPushButton* m_reset;
};

} // namespace quintaro
