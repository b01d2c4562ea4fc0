#pragma once

#include "analysis/strategy_advisor.h"
#include "app/deal_in_play.h"

#include <QWidget>

#include <memory>
#include <optional>

class QLabel;
class QTreeWidget;

namespace quintaro {

class RoundFlow;

// Every hold of the deal on the table, best first, with its expected payoff and its chance
// of each pay line; the player's hold is marked. A window of its own beside the table that
// follows the round without taking the focus; between rounds it shows the last deal.
// Nothing is worked out while it is hidden.
class HandAnalysisWindow : public QWidget {
    Q_OBJECT
public:
    // The round must outlive the window.
    HandAnalysisWindow(const RoundFlow& round, QWidget* parent);

    // The advisor of the current game, shared with whoever builds its tables; until they
    // are built the window says so, then fills in.
    void setAdvisor(std::shared_ptr<const StrategyAdvisor> advisor);
    // Takes in the round's deal and hold; call after anything on the table changed.
    void followRound();

    QLabel* summary() const { return m_summary; }
    QTreeWidget* rows() const { return m_rows; }
    // The row of the player's hold, if rows are shown.
    std::optional<int> markedRow() const { return m_marked; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refresh();
    void showRows(const DealInPlay& deal);

    const RoundFlow& m_round;
    std::shared_ptr<const StrategyAdvisor> m_advisor;
    std::optional<DealInPlay> m_deal;
    // The rows no longer show m_deal: they were due while the window was hidden.
    bool m_stale = true;
    std::optional<int> m_marked;
    QLabel* m_summary;
    QTreeWidget* m_rows;
};

} // namespace quintaro
