#include "app/hand_analysis_window.h"

#include "analysis/hold_outcomes.h"
#include "persist/decimal_text.h"
#include "persist/game_frame_window.h"
#include "persist/registry_key.h"
#include "platform/beside_window.h"
#include "platform/screen_fit.h"
#include "platform/translated_text.h"
#include "poker/pay_table.h"
#include "round/round_flow.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QThreadPool>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <numeric>

namespace quintaro {

namespace {

struct AnalysisLook {
    int height = 480;
    // The least height worth showing: the summary, the headers and a few rows.
    int minHeight = 150;
    const char* positionValue = "AnalysisPosition_";
    const char* title = QUINTARO_TEXT("Hand Analysis", "Hand Analysis");
    const char* noDeal =
        QUINTARO_TEXT("Hand Analysis", "No cards have been dealt in this game yet.");
    const char* working =
        QUINTARO_TEXT("Hand Analysis", "Working out the chances of every draw...");
    //: The game (%1), the five cards dealt (%2) and the bet in dollars (%3).
    const char* dealt =
        QUINTARO_TEXT("Hand Analysis", "%1: dealt %2 at a bet of $%3.  \u25B6 marks your hold.");
    const char* mark = "\u25B6";
    const char* keepHeader = QUINTARO_TEXT("Hand Analysis", "Keep");
    const char* expectedHeader = QUINTARO_TEXT("Hand Analysis", "Expected");
    // The widest cells any deal can give: two jokers and three tens, or five tens, kept (each
    // ten of the widest suit), the highest payoff, a chance of one in millions.
    const char* suits = "\u2663\u2660\u2665\u2666";
    std::array<const char*, 2> widestKeeps{"%2 %2 10%1 10%1 10%1", "10%1 10%1 10%1 10%1 10%1"};
    const char* widestExpected = "$0000.00";
    const char* widestChance = "0.0000000%";
    const char* help = QUINTARO_TEXT(
        "Pop-up help", "Every way to hold the cards dealt, the best first: the cards kept, "
                       "what the hold pays on average at the bet, and its chance of ending on "
                       "each pay line.  The row of the cards you hold now is marked.  Between "
                       "hands the last deal stays here.");
};
const AnalysisLook look;

enum Column : int { MarkColumn, KeepColumn, ExpectedColumn, FirstLineColumn };

// On two lines, to keep the columns narrow: a qualifier in brackets goes below the name
// ("Royal Flush" over "(No Wilds)"), else the name breaks at the space nearest its middle.
QString lineHeader(HandCategory category) {
    QString name = QString::fromStdString(handCategoryText(category));
    qsizetype split = name.indexOf(QStringLiteral(" ("));
    if (split < 0) {
        const qsizetype middle = name.size() / 2;
        const qsizetype before = name.lastIndexOf(u' ', middle);
        const qsizetype after = name.indexOf(u' ', middle);
        split = after < 0 || (before >= 0 && middle - before <= after - middle) ? before : after;
    }
    if (split >= 0)
        name[split] = u'\n';
    return name;
}

QStringList headerTexts(GameType game) {
    const PayTable& pay = payTable(game);
    QStringList headers{QString(), QCoreApplication::translate("Hand Analysis", look.keepHeader),
                        QCoreApplication::translate("Hand Analysis", look.expectedHeader)};
    for (int line = 0; line < pay.lineCount; ++line)
        headers << lineHeader(pay.lines[static_cast<std::size_t>(line)].category);
    return headers;
}

void setCell(QTreeWidgetItem& item, int column, const QString& text, Qt::Alignment alignment) {
    item.setText(column, text);
    item.setTextAlignment(column, alignment | Qt::AlignVCenter);
}

} // namespace

HandAnalysisWindow::HandAnalysisWindow(const RoundFlow& round, GameFrameWindow& table)
    : QWidget(&table, Qt::Window), m_round(round), m_table(table), m_summary(new QLabel(this)),
      m_best(new QLabel(this)), m_rows(new QTreeWidget(this)) {
    setWindowTitle(QCoreApplication::translate("Hand Analysis", look.title));
    setWhatsThis(QCoreApplication::translate("Pop-up help", look.help));
    m_summary->setWordWrap(true);
    QFont bold = m_best->font();
    bold.setBold(true);
    m_best->setFont(bold);
    m_best->setTextFormat(Qt::PlainText);
    m_rows->setRootIsDecorated(false);
    m_rows->setUniformRowHeights(true);
    m_rows->setSelectionMode(QAbstractItemView::NoSelection);
    // Always there, so that the last column never goes under it.
    m_rows->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_rows->header()->setStretchLastSection(false);
    m_rows->header()->setSectionResizeMode(QHeaderView::Fixed);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_summary);
    column->addWidget(m_best);
    column->addWidget(m_rows);
    resize(widthForEveryGame(), look.height);
    followRound();
}

HandAnalysisWindow::~HandAnalysisWindow() {
    if (isVisible())
        keepPosition();
}

void HandAnalysisWindow::open() {
    if (!isVisible()) {
        RegistryKey key(m_table.registryStore());
        key.Open(m_table.settingsKeyName().toStdString());
        const std::string stored = key.QueryString(positionValueName());
        const std::size_t space = stored.find(' ');
        const auto x = decimalValue(stored.substr(0, space));
        const auto y =
            space == std::string::npos ? std::nullopt : decimalValue(stored.substr(space + 1));
        const QScreen* screen = m_table.screen();
        if (x && y && screen != nullptr) {
            // Where the player put it, kept on the screen it was on.
            const QRect area = screen->availableGeometry();
            const QPoint at(static_cast<int>(*x), static_cast<int>(*y));
            const auto moved = keepOnScreen({at.x() - area.x(), at.y() - area.y()}, width(),
                                            height(), area.width(), area.height());
            move(moved ? QPoint(moved->x + area.x(), moved->y + area.y()) : at);
            m_placedAt = pos();
        } else {
            placeBeside(*this, m_table, look.minHeight, [this](QPoint at) { m_placedAt = at; });
        }
    }
    show();
    raise();
    activateWindow();
}

void HandAnalysisWindow::setAdvisor(std::shared_ptr<const StrategyAdvisor> advisor) {
    if (advisor == m_advisor)
        return;
    m_advisor = std::move(advisor);
    if (m_advisor && !m_advisor->isPrepared()) {
        // Whoever builds the tables, this waits for them off the event loop.
        QPointer<HandAnalysisWindow> window = this;
        QThreadPool::globalInstance()->start([advisor = m_advisor, window] {
            advisor->prepare();
            QMetaObject::invokeMethod(
                qApp,
                [window] {
                    if (window)
                        window->refresh();
                },
                Qt::QueuedConnection);
        });
    }
    refresh();
}

void HandAnalysisWindow::followRound() {
    std::optional<DealInPlay> deal = dealInPlay(m_round);
    if (deal && m_deal && deal->game == m_deal->game && deal->dealt == m_deal->dealt)
        deal->bet = m_deal->bet; // a payout may lower the bet: keep the one the deal was played at
    else if (!deal && m_deal && m_deal->game == m_round.gameType())
        deal = m_deal;
    if (deal == m_deal)
        return;
    m_deal = deal;
    refresh();
}

void HandAnalysisWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    followRound();
    if (m_stale)
        refresh();
}

void HandAnalysisWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    keepPosition();
}

std::string HandAnalysisWindow::positionValueName() const {
    return std::string(look.positionValue) + screenArrangement();
}

// Only a window the player moved: one placed beside the table follows the table next time.
void HandAnalysisWindow::keepPosition() {
    const QPoint at = pos();
    if (at == m_placedAt)
        return;
    m_placedAt = at;
    RegistryKey key(m_table.registryStore());
    key.Open(m_table.settingsKeyName().toStdString());
    key.SetString(positionValueName(), std::to_string(at.x()) + ' ' + std::to_string(at.y()));
}

std::vector<int> HandAnalysisWindow::columnWidths(GameType game) {
    const QStringList headers = headerTexts(game);
    m_rows->setColumnCount(static_cast<int>(headers.size()));
    m_rows->setHeaderLabels(headers);
    std::vector<int> widths;
    for (int column = 0; column < m_rows->columnCount(); ++column)
        widths.push_back(m_rows->header()->sectionSizeHint(column));
    // Each widest cell is measured as the view sizes it, in a row of its own for a moment.
    const QFontMetrics cells(m_rows->font());
    const QString suits = QString::fromUtf8(look.suits);
    const QChar widestSuit = *std::max_element(suits.begin(), suits.end(), [&](QChar a, QChar b) {
        return cells.horizontalAdvance(a) < cells.horizontalAdvance(b);
    });
    const QString joker = QCoreApplication::translate("Cards", "Joker");
    for (const char* keep : look.widestKeeps) {
        // Not arg(): the five tens hold no joker, and arg() warns of an unused argument.
        QString kept = QString::fromUtf8(keep);
        kept.replace(QStringLiteral("%1"), widestSuit).replace(QStringLiteral("%2"), joker);
        QStringList texts{QString::fromUtf8(look.mark), kept,
                          QString::fromUtf8(look.widestExpected)};
        while (texts.size() < m_rows->columnCount())
            texts << QString::fromUtf8(look.widestChance);
        auto* probe = new QTreeWidgetItem(texts);
        m_rows->insertTopLevelItem(0, probe);
        for (int column = 0; column < m_rows->columnCount(); ++column) {
            const int cell = m_rows->sizeHintForIndex(m_rows->model()->index(0, column)).width();
            widths[static_cast<std::size_t>(column)] =
                std::max(widths[static_cast<std::size_t>(column)], cell);
        }
        delete probe;
    }
    return widths;
}

int HandAnalysisWindow::widthForEveryGame() {
    int widest = 0;
    for (const GameType game :
         {GameType::StraightPoker, GameType::JokersWildPoker, GameType::DeucesWildPoker}) {
        const std::vector<int> widths = columnWidths(game);
        widest = std::max(widest, std::accumulate(widths.begin(), widths.end(), 0));
    }
    m_rows->setColumnCount(0);
    const QMargins around = layout()->contentsMargins();
    return widest + m_rows->verticalScrollBar()->sizeHint().width() + 2 * m_rows->frameWidth() +
           around.left() + around.right();
}

void HandAnalysisWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void HandAnalysisWindow::refresh() {
    m_stale = !isVisible();
    if (m_stale)
        return;
    m_marked.reset();
    m_rows->clear();
    m_rows->setColumnCount(0);
    m_best->clear();
    if (!m_deal) {
        m_summary->setText(QCoreApplication::translate("Hand Analysis", look.noDeal));
    } else if (!m_advisor || m_advisor->gameType() != m_deal->game || !m_advisor->isPrepared()) {
        m_summary->setText(QCoreApplication::translate("Hand Analysis", look.working));
    } else {
        showRows(*m_deal);
    }
}

void HandAnalysisWindow::showRows(const DealInPlay& deal) {
    const PayTable& pay = payTable(deal.game);
    m_summary->setText(QCoreApplication::translate("Hand Analysis", look.dealt)
                           .arg(QCoreApplication::translate("Games", pay.title.data()),
                                QString::fromStdString(keptCardsText(deal.dealt, holdAll)),
                                QString::number(deal.bet)));
    const std::vector<int> widths = columnWidths(deal.game);
    for (std::size_t column = 0; column < widths.size(); ++column)
        m_rows->header()->resizeSection(static_cast<int>(column), widths[column]);

    const Qt::Alignment figure = Qt::AlignRight;
    const auto outcomes = m_advisor->holdOutcomes(deal.dealt, deal.bet);
    m_best->setText(QString::fromStdString(
        bestHoldText(deal.dealt, outcomes.front().hold, outcomes.front().expectedPayoff)));
    for (std::size_t row = 0; row < outcomes.size(); ++row) {
        const HoldOutcome& outcome = outcomes[row];
        const bool marked = outcome.hold == deal.hold;
        if (marked)
            m_marked = static_cast<int>(row);
        auto& item = *new QTreeWidgetItem(m_rows);
        setCell(item, MarkColumn, marked ? QString::fromUtf8(look.mark) : QString(),
                Qt::AlignHCenter);
        setCell(item, KeepColumn, QString::fromStdString(keptCardsText(deal.dealt, outcome.hold)),
                Qt::AlignLeft);
        setCell(item, ExpectedColumn, QString::asprintf("$%.2f", outcome.expectedPayoff), figure);
        for (int line = 0; line < pay.lineCount; ++line) {
            const auto text =
                percentText(outcome.drawsWinning[static_cast<std::size_t>(line)], outcome.draws);
            setCell(item, FirstLineColumn + line, QString::fromStdString(text), figure);
        }
    }
    // The keys move on from the player's hold.
    if (m_marked) {
        m_rows->setCurrentItem(m_rows->topLevelItem(*m_marked));
        m_rows->scrollToItem(m_rows->currentItem());
    }
}

} // namespace quintaro
