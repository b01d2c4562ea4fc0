#pragma once

#include "analysis/strategy_advisor.h"
#include "cards/card_image_cache.h"
#include "cards/card_look.h"
#include "persist/game_frame_window.h"
#include "persist/hall_of_fame.h"
#include "platform/process_mark.h"
#include "round/round_flow.h"
#include "round/table_view.h"
#include "trainer/redeal_trainer.h"
#include "trainer/trainer_statistics.h"

#include <array>
#include <memory>

class QAction;

class QPushButton;

namespace quintaro {

class CardWindow;
class HandAnalysisWindow;
class HandNamesWindow;
class PaylineWindow;
class StatisticsDialog;
class StatusWindow;
class TableAnnouncer;

// The poker table: pay-table displays at the top, five cards with their caption windows,
// the Deal button and the status box, on a fixed 600 x 410 client area. The round flow
// decides; this window draws what it is told and hands it every click.
class TableWindow : public GameFrameWindow, private TableView {
    Q_OBJECT
public:
    // The store and the output, when given, must outlive the window (see GameFrameWindow).
    // The resource library must be open.
    explicit TableWindow(RegistryStore* store = nullptr, SoundOutput* output = nullptr);
    ~TableWindow() override;

    // The first game: sign-in and the $100 stake. Called once the window is shown.
    void startFirstGame();

    QPushButton* dealButton() const { return m_dealButton; }
    CardWindow* cardWindow(int window) const {
        return m_cardWindows.at(static_cast<std::size_t>(window));
    }
    HandNamesWindow* handNamesWindow() const { return m_handNames; }
    StatusWindow* statusWindow() const { return m_statusWindow; }
    const TableAnnouncer& announcer() const { return *m_announcer; }
    // The trainer's message or the strategy hint the strip under the pay table shows, if any.
    std::string stripText() const;
    const RoundFlow& round() const { return *m_round; }
    RoundFlow& round() { return *m_round; }
    const CardLook& cardLook() const { return *m_cardLook; }
    bool showStrategy() const { return m_showStrategy; }
    void setShowStrategy(bool on);
    bool trainer() const { return m_trainer != nullptr && m_trainerOn; }
    void setTrainer(bool on);
    // Loaded from the store on first use, so a player who never asks for them reads nothing.
    TrainerStatistics& statistics();

    // From now on keeps what the store does not hold yet in the journal at `path`,
    // rewritten from the event loop after each change of the balance or the table, and
    // after each store (journalChanged).
    void keepJournal(std::string path);
    void journalChanged();

    // Runs the command of a "Game" menu item; other identifiers are ignored.
    void onMenuSelect(int id);
    // What the trainer says in the strip under the pay table now, or nothing: on one line
    // of the table's font, its offer to redeal left out when the whole does not fit; the
    // strip's tooltip then gives the whole.
    QString trainerStripText() const;

    // The Hand Analysis window, once the player has opened it.
    HandAnalysisWindow* handAnalysis() const { return m_analysis; }
    // The Statistics window, once the player has opened it.
    StatisticsDialog* statisticsWindow() const { return m_statisticsWindow; }

Q_SIGNALS:
    // The cards on the table, their holds or the round's phase changed.
    void roundChanged();

protected:
    void paintClient(QPainter& painter, const QRect& rect) override;
    void keyPressEvent(QKeyEvent* event) override;
    void clientMousePress(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildChildren();
    void buildMenu();
    void registerGameSounds();
    // Builds the advisor of the current game when the strategy hint or the open Hand
    // Analysis window needs it, and hands it to the window.
    void prepareAdvisor();
    void buildAdvisor();
    void showHandAnalysis();
    void runOptions();
    // The strategy hint for the cards on the table, or empty when it is off or not ready.
    std::string strategyHintText() const;
    void drawStripText(QPainter& painter, const QString& text);
    void onDealPressed();
    void writeJournal();

    void errorBeep() override;
    void playSoundEvent(const std::string& event) override;
    void drawCardNow(int window) override;
    void cardWindowChanged(int window) override;
    void columnBandChanged(int column, int band) override;
    void columnChanged(int column) override;
    void drawWinFigure() override;
    void drawBalanceFigure() override;
    void flushRepaints() override;
    void hintAreaChanged() override;
    void statusVisibilityChanged(bool visible) override;
    void dealButtonTextChanged(const std::string& text) override;
    void titleChanged(const std::string& title) override;
    void tableChanged() override;
    std::string signIn(const std::string& name) override;
    bool askYesNo(int queryId) override;
    void showMessage(const std::string& message) override;

    // The look outlives every card; the picture cache outlives the look's loads.
    std::unique_ptr<CardImageCache> m_cardImages;
    std::unique_ptr<CardLook> m_cardLook;
    std::unique_ptr<HallOfFame> m_hallOfFame;
    std::unique_ptr<RoundFlow> m_round;
    TableAnnouncer* m_announcer = nullptr;
    QFont m_displayFont;
    // The strategy hint: off unless the player asked for it. The advisor is shared with
    // the worker that builds its tables.
    bool m_showStrategy = false;
    bool m_showStrategyAsLoaded = false;
    QAction* m_strategyAction = nullptr;
    std::shared_ptr<const StrategyAdvisor> m_advisor;
    HandAnalysisWindow* m_analysis = nullptr;
    // The trainer: off unless the player turned it on; attached to the round while on.
    bool m_trainerOn = false;
    bool m_trainerAsLoaded = false;
    QAction* m_trainerAction = nullptr;
    std::unique_ptr<TrainerStatistics> m_statistics;
    std::unique_ptr<RedealTrainer> m_trainer;
    // Once the player has opened it; it stays open while the player plays.
    StatisticsDialog* m_statisticsWindow = nullptr;
    std::string m_journalPath;
    ProcessMark m_process;
    bool m_journalDue = false;

    StatusWindow* m_statusWindow = nullptr;
    HandNamesWindow* m_handNames = nullptr;
    QPushButton* m_dealButton = nullptr;
    std::array<PaylineWindow*, 5> m_paylines{};
    std::array<CardWindow*, 5> m_cardWindows{};
};

} // namespace quintaro
