#pragma once

#include "analysis/strategy_advisor.h"
#include "app/deal_in_play.h"

#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QTreeWidget;

namespace quintaro {

class GameFrameWindow;
class RoundFlow;

// Every hold of the deal on the table, best first, with its expected payoff and its chance
// of each pay line; the player's hold is marked and kept in view, the best hold named above
// the list. A window of its own beside the table that follows the round without taking the
// focus; between rounds it shows the last deal. Nothing is worked out while it is hidden.
// It opens where the player last put it on the same arrangement of screens, else beside
// the table; its columns fit every game's.
class HandAnalysisWindow : public QWidget {
    Q_OBJECT
public:
    // The round must outlive the window; the table is its parent, whose settings keep where
    // the player put it.
    HandAnalysisWindow(const RoundFlow& round, GameFrameWindow& table);
    ~HandAnalysisWindow() override;

    // Shows the window, placed first if it was hidden, and raises it.
    void open();

    // The advisor of the current game, shared with whoever builds its tables; until they
    // are built the window says so, then fills in.
    void setAdvisor(std::shared_ptr<const StrategyAdvisor> advisor);
    // Takes in the round's deal and hold; call after anything on the table changed.
    void followRound();

    QLabel* summary() const { return m_summary; }
    // "Best: hold 9♣ 9♦ ($0.81)" while rows are shown.
    QLabel* bestHold() const { return m_best; }
    QTreeWidget* rows() const { return m_rows; }
    // The row of the player's hold, if rows are shown.
    std::optional<int> markedRow() const { return m_marked; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refresh();
    void showRows(const DealInPlay& deal);
    // The width of each column that holds the game's headers and any cell a deal can give.
    std::vector<int> columnWidths(GameType game);
    // The window's width that shows every column of every game and the scroll bar.
    int widthForEveryGame();
    // Where the player put the window on this arrangement of screens is kept under this name.
    std::string positionValueName() const;
    void keepPosition();

    const RoundFlow& m_round;
    GameFrameWindow& m_table;
    // Where the window was placed when last opened: moved from there, it was the player.
    QPoint m_placedAt;
    std::shared_ptr<const StrategyAdvisor> m_advisor;
    std::optional<DealInPlay> m_deal;
    // The rows no longer show m_deal: they were due while the window was hidden.
    bool m_stale = true;
    std::optional<int> m_marked;
    QLabel* m_summary;
    QLabel* m_best;
    QTreeWidget* m_rows;
};

} // namespace quintaro
