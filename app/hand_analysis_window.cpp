#include "app/hand_analysis_window.h"

#include "analysis/hold_outcomes.h"
#include "poker/pay_table.h"
#include "round/round_flow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QThreadPool>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quintaro {

namespace {

struct AnalysisLook {
    QSize size{860, 480};
    const char* title = "Hand Analysis";
    const char* noDeal = "No cards have been dealt in this game yet.";
    const char* working = "Working out the chances of every draw...";
    // The game, the dealt cards, the bet.
    const char* dealt = "%1: dealt %2 at a bet of $%3.  \u25B6 marks your hold.";
    const char* mark = "\u25B6";
    const char* keepHeader = "Keep";
    const char* expectedHeader = "Expected";
    const char* help = "Every way to hold the cards dealt, the best first: the cards kept, "
                       "what the hold pays on average at the bet, and its chance of ending on "
                       "each pay line.  The row of the cards you hold now is marked.  Between "
                       "hands the last deal stays here.";
};
const AnalysisLook look;

enum Column : int { MarkColumn, KeepColumn, ExpectedColumn, FirstLineColumn };

// On two lines, to keep the columns narrow: a qualifier in brackets goes below the name
// ("Royal Flush" over "(No Wilds)"), else the name breaks at the space nearest its middle.
QString lineHeader(HandCategory category) {
    QString name = QString::fromUtf8(handCategoryName(category));
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

void setCell(QTreeWidgetItem& item, int column, const QString& text, Qt::Alignment alignment,
             bool marked) {
    item.setText(column, text);
    item.setTextAlignment(column, alignment | Qt::AlignVCenter);
    if (marked) {
        QFont font = item.font(column);
        font.setBold(true);
        item.setFont(column, font);
    }
}

} // namespace

HandAnalysisWindow::HandAnalysisWindow(const RoundFlow& round, QWidget* parent)
    : QWidget(parent, Qt::Window), m_round(round), m_summary(new QLabel(this)),
      m_rows(new QTreeWidget(this)) {
    setWindowTitle(QString::fromUtf8(look.title));
    setWhatsThis(QString::fromUtf8(look.help));
    resize(look.size);
    m_summary->setWordWrap(true);
    m_rows->setRootIsDecorated(false);
    m_rows->setUniformRowHeights(true);
    m_rows->setSelectionMode(QAbstractItemView::NoSelection);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_summary);
    column->addWidget(m_rows);
    followRound();
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
    if (!m_deal) {
        m_summary->setText(QString::fromUtf8(look.noDeal));
    } else if (!m_advisor || m_advisor->gameType() != m_deal->game || !m_advisor->isPrepared()) {
        m_summary->setText(QString::fromUtf8(look.working));
    } else {
        showRows(*m_deal);
    }
}

void HandAnalysisWindow::showRows(const DealInPlay& deal) {
    const PayTable& pay = payTable(deal.game);
    m_summary->setText(QString::fromUtf8(look.dealt)
                           .arg(QString::fromUtf8(pay.title),
                                QString::fromStdString(keptCardsText(deal.dealt, holdAll)),
                                QString::number(deal.bet)));
    QStringList headers{QString(), QString::fromUtf8(look.keepHeader),
                        QString::fromUtf8(look.expectedHeader)};
    for (int line = 0; line < pay.lineCount; ++line)
        headers << lineHeader(pay.lines[static_cast<std::size_t>(line)].category);
    m_rows->setColumnCount(static_cast<int>(headers.size()));
    m_rows->setHeaderLabels(headers);

    const Qt::Alignment figure = Qt::AlignRight;
    const auto outcomes = m_advisor->holdOutcomes(deal.dealt, deal.bet);
    for (std::size_t row = 0; row < outcomes.size(); ++row) {
        const HoldOutcome& outcome = outcomes[row];
        const bool marked = outcome.hold == deal.hold;
        if (marked)
            m_marked = static_cast<int>(row);
        auto& item = *new QTreeWidgetItem(m_rows);
        setCell(item, MarkColumn, marked ? QString::fromUtf8(look.mark) : QString(),
                Qt::AlignHCenter, marked);
        setCell(item, KeepColumn, QString::fromStdString(keptCardsText(deal.dealt, outcome.hold)),
                Qt::AlignLeft, marked);
        setCell(item, ExpectedColumn, QString::asprintf("$%.2f", outcome.expectedPayoff), figure,
                marked);
        for (int line = 0; line < pay.lineCount; ++line) {
            const auto text =
                percentText(outcome.drawsWinning[static_cast<std::size_t>(line)], outcome.draws);
            setCell(item, FirstLineColumn + line, QString::fromStdString(text), figure, marked);
        }
    }
    for (int column = 0; column < m_rows->columnCount(); ++column)
        m_rows->resizeColumnToContents(column);
    // The keys move on from the player's hold.
    if (m_marked) {
        m_rows->setCurrentItem(m_rows->topLevelItem(*m_marked));
        m_rows->scrollToItem(m_rows->currentItem());
    }
}

} // namespace quintaro
