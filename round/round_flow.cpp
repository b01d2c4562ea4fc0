#include "round/round_flow.h"

#include "displays/table_layout.h"
#include "platform/translated_text.h"

#include <algorithm>

namespace quintaro {

namespace {

constexpr int cardWidth = 71;
constexpr int cardHeight = 96;

} // namespace

RoundFlow::RoundFlow(TableView& view, HallOfFame& hallOfFame, std::string settingsKeyName)
    : m_view(view), m_hallOfFame(hallOfFame), m_settingsKeyName(std::move(settingsKeyName)) {
    m_holdStates.fill(HoldState::Blank);
    for (int i = 0; i < columnCount; ++i)
        m_columns[index(i)].bet = static_cast<std::uint8_t>(i + 1);
    m_columns[0].selected = true;
}

int RoundFlow::bet() const {
    for (const PaylineColumn& column : m_columns)
        if (column.selected)
            return column.bet;
    return 1;
}

const Card* RoundFlow::card(int window) const {
    const int position = m_deckPositions.at(index(window));
    return position == noCard ? nullptr : m_table.deck->card(position);
}

std::optional<int> RoundFlow::cardWindowAt(int x, int y) const {
    for (int window = 0; window < cardWindowCount; ++window) {
        const Card* card = this->card(window);
        if (card == nullptr)
            continue;
        if (x >= card->x && x <= card->x + cardWidth - 1 && y >= card->y &&
            y <= card->y + cardHeight - 1)
            return window;
    }
    return std::nullopt;
}

bool RoundFlow::hintShown() const {
    return m_state.balance != 0 && m_state.phase != RoundPhase::Holding;
}

void RoundFlow::setUpGame(GameType type) {
    m_deckPositions.fill(noCard);
    quintaro::setUpGame(type, m_table, *this);
}

void RoundFlow::switchHallOfFame(GameType type) {
    m_hallOfFame.SetGameType(static_cast<std::uint16_t>(gameTypeNumber(type)));
}

void RoundFlow::setHallOfFameTitle(std::string_view title) {
    m_hallOfFame.setTitle(std::string(title));
}

void RoundFlow::placeCard(int window, int deckIndex) {
    Card* card = m_table.deck->card(deckIndex);
    card->x = static_cast<std::int16_t>(table_layout::cardWindowLefts[index(window)] +
                                        table_layout::cardOffsetX);
    card->y = static_cast<std::int16_t>(table_layout::cardTop);
    m_deckPositions[index(window)] = deckIndex;
}

void RoundFlow::showCard(int window, HoldState hold, CardState state) {
    m_holdStates[index(window)] = hold;
    m_table.deck->card(m_deckPositions[index(window)])->state = state;
    m_view.drawCardNow(window);
    m_view.cardWindowChanged(window);
}

void RoundFlow::takeAllCardsOffTable() {
    for (int i = 0; i < m_table.deck->count(); ++i)
        m_table.deck->card(i)->state = CardState::NotOnTable;
}

void RoundFlow::startNewGame() {
    m_hallOfFame.setPlayerName(m_view.signIn(m_hallOfFame.playerName()));
    m_state.balance = 100;
    m_state.freshGame = true;
    m_state.phase = RoundPhase::NotStarted;
    takeAllCardsOffTable();
    for (int window = 0; window < cardWindowCount; ++window) {
        placeCard(window, window);
        showCard(window, HoldState::Discard, CardState::FaceDown);
    }
    m_nextCardIndex = cardWindowCount;
    updateDealButton();
    m_view.titleChanged(m_settingsKeyName + " - " + m_hallOfFame.playerName());
    m_view.drawWinFigure();
    m_view.drawBalanceFigure();
    showStatus(true);
}

void RoundFlow::onPaylinePress(int column) {
    const PaylineColumn& pressed = m_columns[index(column)];
    if (m_state.balance == 0 || m_state.phase == RoundPhase::Holding ||
        pressed.bet > m_state.balance) {
        m_view.errorBeep();
        return;
    }
    m_view.playSoundEvent("Change Bet");
    if (!pressed.selected)
        selectPayline(column, true);
    m_view.columnChanged(column);
}

void RoundFlow::onBetStep(int step) {
    const int column = bet() - 1 + step;
    if (column < 0 || column >= columnCount) {
        m_view.errorBeep();
        return;
    }
    onPaylinePress(column);
}

void RoundFlow::selectPayline(int column, bool selected) {
    PaylineColumn& chosen = m_columns[index(column)];
    if (chosen.selected == selected)
        return;
    chosen.selected = selected;
    if (selected) {
        // The group is linked both ways: first towards $1, then towards $5.
        for (int other = column - 1; other >= 0; --other)
            selectPayline(other, false);
        for (int other = column + 1; other < columnCount; ++other)
            selectPayline(other, false);
    }
    m_view.columnChanged(column);
}

void RoundFlow::onDealButton() {
    if (m_state.phase == RoundPhase::Holding && m_redealGate != nullptr &&
        !m_redealGate->allowRedeal(*this))
        return;
    m_state.freshGame = false;
    if (m_state.phase != RoundPhase::Holding) {
        if (m_state.balance == 0) {
            m_view.errorBeep();
        } else {
            m_view.playSoundEvent("Deal Cards");
            m_state.balance -= static_cast<std::uint32_t>(bet());
            m_dealtBet = bet();
            m_view.drawBalanceFigure();
            showStatus(false);
            m_state.lastWin = 0;
            m_view.drawWinFigure();
            dealCards();
        }
    } else {
        for (int window = 0; window < cardWindowCount; ++window) {
            if (m_holdStates[index(window)] == HoldState::Hold)
                continue;
            placeCard(window, m_nextCardIndex);
            showCard(window, HoldState::Hold, CardState::FaceUp);
            ++m_nextCardIndex;
        }
        evaluate();
        m_state.phase = RoundPhase::Over;
        payOut();
        showStatus(true);
    }
    updateDealButton();
}

void RoundFlow::payOut() {
    const int column = bet() - 1;
    const std::uint8_t line = m_columns[index(column)].highlightedLine;
    if (line != noLine) {
        m_state.lastWin = m_table.pay.payoff(line, m_columns[index(column)].bet);
        m_view.drawWinFigure();
        m_state.balance += m_state.lastWin;
        m_view.drawBalanceFigure();
        m_view.flushRepaints();
        m_view.playSoundEvent("Jackpot");
    }
    if (static_cast<std::uint32_t>(bet()) > m_state.balance) {
        if (m_state.balance == 0)
            loseGame();
        else
            selectPayline(static_cast<int>(m_state.balance) - 1, true);
    }
}

void RoundFlow::loseGame() {
    m_view.playSoundEvent("You are Broke");
    m_view.showMessage(translatedText("Messages", "You are broke!"));
}

void RoundFlow::onCardWindowPress(int window) {
    if (m_state.phase != RoundPhase::Holding) {
        m_view.errorBeep();
        return;
    }
    // Every window holds or discards while holding: the deal set them all.
    if (m_holdStates[index(window)] == HoldState::Hold) {
        m_view.playSoundEvent("Flip Card - Back");
        showCard(window, HoldState::Discard, CardState::FaceDown);
    } else {
        m_view.playSoundEvent("Flip Card - Front");
        showCard(window, HoldState::Hold, CardState::FaceUp);
    }
}

void RoundFlow::dealCards() {
    m_table.deck->shuffle();
    takeAllCardsOffTable();
    m_nextCardIndex = 0;
    for (int window = 0; window < cardWindowCount; ++window) {
        placeCard(window, m_nextCardIndex);
        // The first deal of a game shows each card's back and turns it over at once.
        if (m_state.phase == RoundPhase::NotStarted)
            showCard(window, HoldState::Discard, CardState::FaceDown);
        else
            showCard(window, HoldState::Hold, CardState::FaceUp);
        showCard(window, HoldState::Hold, CardState::FaceUp);
        ++m_nextCardIndex;
    }
    m_state.phase = RoundPhase::Holding;
    evaluate();
}

void RoundFlow::evaluate() {
    for (int window = 0; window < cardWindowCount; ++window)
        m_table.hand.setCard(window, card(window));
    const int result = m_table.hand.winningLine(m_table.pay.categories, m_table.pay.lineCount);
    const auto line = static_cast<std::uint8_t>(result);
    if (line == m_handNames.highlightedLine)
        return;
    for (int column = 0; column < columnCount; ++column)
        setHighlightedLine(column, line);
    setHighlightedLine(TableView::handNamesColumn, line);
}

void RoundFlow::setHighlightedLine(int column, std::uint8_t line) {
    std::uint8_t& highlighted = column == TableView::handNamesColumn
                                    ? m_handNames.highlightedLine
                                    : m_columns[index(column)].highlightedLine;
    const std::uint8_t old = highlighted;
    highlighted = line;
    if (old != noLine)
        m_view.columnBandChanged(column, old + 1);
    if (line != noLine)
        m_view.columnBandChanged(column, line + 1);
}

void RoundFlow::clearHighlights() {
    for (int column = 0; column < columnCount; ++column)
        setHighlightedLine(column, noLine);
    setHighlightedLine(TableView::handNamesColumn, noLine);
}

void RoundFlow::blankCardWindows() {
    for (int window = 0; window < cardWindowCount; ++window)
        showCard(window, HoldState::Blank, CardState::FaceDown);
}

void RoundFlow::updateDealButton() {
    const std::string text = m_state.phase == RoundPhase::Holding
                                 ? translatedText("Table", "Redeal")
                                 : translatedText("Table", "Deal");
    if (text != m_dealButtonText) {
        m_dealButtonText = text;
        m_view.dealButtonTextChanged(text);
    }
    m_view.hintAreaChanged();
}

void RoundFlow::showStatus(bool visible) {
    if (m_statusVisible == visible)
        return;
    m_statusVisible = visible;
    m_view.statusVisibilityChanged(visible);
}

void RoundFlow::newGame() {
    if (m_state.balance != 0) {
        if (!m_view.askYesNo(1001))
            return;
        offerBalanceToHallOfFame();
    }
    startNewGame();
    m_state.phase = RoundPhase::NotStarted;
    clearHighlights();
    blankCardWindows();
    updateDealButton();
    m_view.tableChanged();
}

void RoundFlow::acceptOptions(GameType type, const std::function<void()>& applyLook) {
    clearHighlights();
    setUpGame(type);
    applyLook();
    offerBalanceToHallOfFame();
    dealCards();
    m_state.balance = 100;
    m_state.phase = RoundPhase::NotStarted;
    clearHighlights();
    blankCardWindows();
    updateDealButton();
    m_view.tableChanged();
}

void RoundFlow::offerBalanceToHallOfFame() {
    m_hallOfFame.AddScore(std::to_string(m_state.balance));
}

} // namespace quintaro
