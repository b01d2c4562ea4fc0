#include "app/table_announcer.h"

#include "app/status_window.h"
#include "app/table_accessible.h"
#include "app/table_window.h"
#include "cards/card_window.h"
#include "displays/accessibility_events.h"
#include "displays/hand_names_window.h"
#include "displays/table_figures.h"
#include "poker/hand_category.h"

#include <QCoreApplication>
#include <QTimer>

#include <utility>

namespace quintaro {

namespace {

void send(QObject* object, QAccessible::Event type) {
    QAccessibleEvent event(object, type);
    sendAccessibilityEvent(event);
}

void send(QAccessibleInterface* part, QAccessible::Event type) {
    if (part == nullptr)
        return;
    QAccessibleEvent event(part, type);
    sendAccessibilityEvent(event);
}

} // namespace

TableAnnouncer::TableAnnouncer(TableWindow& table)
    : QObject(&table), m_table(table), m_active(QAccessible::isActive()) {
    QAccessible::installActivationObserver(this);
    connect(&table, &TableWindow::roundChanged, this, &TableAnnouncer::tableChanged);
    tableChanged();
}

TableAnnouncer::~TableAnnouncer() {
    QAccessible::removeActivationObserver(this);
}

void TableAnnouncer::accessibilityActiveChanged(bool active) {
    m_active = active;
    // What was told before, if anything, is long out of date.
    m_told.reset();
    tableChanged();
}

void TableAnnouncer::tableChanged() {
    if (!m_active || m_due)
        return;
    m_due = true;
    QTimer::singleShot(0, this, [this] { tell(); });
}

void TableAnnouncer::announceNow(const QString& text) {
    if (m_active)
        tell(text);
}

TableClientAccessible* TableAnnouncer::client() const {
    return dynamic_cast<TableClientAccessible*>(
        QAccessible::queryAccessibleInterface(m_table.client()));
}

TableAnnouncer::Told TableAnnouncer::current() const {
    const RoundFlow& round = m_table.round();
    Told now;
    for (int window = 0; window < RoundFlow::cardWindowCount; ++window) {
        QAccessibleInterface* card =
            QAccessible::queryAccessibleInterface(m_table.cardWindow(window));
        now.cards[static_cast<std::size_t>(window)] = card->text(QAccessible::Name);
        now.held[static_cast<std::size_t>(window)] = card->state().checked;
    }
    now.win = winFigureText(round.state());
    now.balance = balanceFigureText(round.state());
    now.bet = round.bet();
    now.line = round.handNames().highlightedLine;
    now.lines = round.pay().lineCount;
    now.phase = round.state().phase;
    now.strip = QString::fromStdString(m_table.stripText());
    now.status = round.statusVisible() ? m_table.statusWindow()->text() : QString();
    return now;
}

void TableAnnouncer::tell(const QString& more) {
    m_due = false;
    if (!m_active)
        return;
    const Told now = current();
    if (!m_told) {
        m_told = now;
        return;
    }
    const Told before = std::exchange(*m_told, now);
    for (int window = 0; window < RoundFlow::cardWindowCount; ++window) {
        const auto at = static_cast<std::size_t>(window);
        CardWindow* card = m_table.cardWindow(window);
        if (now.cards[at] != before.cards[at])
            send(card, QAccessible::NameChanged);
        if (now.held[at] != before.held[at]) {
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(card, changed);
            sendAccessibilityEvent(event);
        }
    }
    TableClientAccessible* client = this->client();
    if (now.win != before.win && client != nullptr)
        send(client->winFigure(), QAccessible::NameChanged);
    if (now.balance != before.balance && client != nullptr)
        send(client->balanceFigure(), QAccessible::NameChanged);
    QWidget* payTable = m_table.handNamesWindow();
    if (now.lines != before.lines) {
        QAccessibleTableModelChangeEvent event(payTable,
                                               QAccessibleTableModelChangeEvent::ModelReset);
        sendAccessibilityEvent(event);
    }
    if (now.bet != before.bet || now.line != before.line)
        send(payTable, QAccessible::SelectionWithin);

    QStringList news;
    const bool handOver = before.phase == RoundPhase::Holding && now.phase == RoundPhase::Over;
    if (handOver)
        news << resultText();
    if (now.bet != before.bet)
        news << QCoreApplication::translate("Screen reader", "Bet %1")
                    .arg(moneyText(static_cast<std::uint32_t>(now.bet)));
    if (now.strip != before.strip && !now.strip.isEmpty())
        news << now.strip;
    // After a hand the box only says the hand is over, which its result has just said.
    if (now.status != before.status && !now.status.isEmpty() && !handOver)
        news << now.status;
    if (!more.isEmpty())
        news << more;
    if (!news.isEmpty())
        announce(news.join(QStringLiteral(". ")));
}

void TableAnnouncer::announce(const QString& text) {
    m_announcement = text;
    TableClientAccessible* client = this->client();
    if (client == nullptr)
        return;
    // Orca speaks a notification when it is shown; other readers follow its name.
    send(client->announcement(), QAccessible::NameChanged);
    send(client->announcement(), QAccessible::ObjectShow);
}

QString TableAnnouncer::resultText() const {
    const RoundFlow& round = m_table.round();
    const GameState& state = round.state();
    const std::uint8_t line = round.handNames().highlightedLine;
    if (line == noLine || state.lastWin == 0)
        return QCoreApplication::translate("Screen reader", "No win. %1")
            .arg(balanceFigureText(state));
    //: The hand (%1), what it won (%2) and the balance, as "Balance $101" (%3).
    return QCoreApplication::translate("Screen reader", "%1. You win %2. %3")
        .arg(QString::fromStdString(handCategoryText(round.pay().categories[line])),
             moneyText(state.lastWin), balanceFigureText(state));
}

} // namespace quintaro
