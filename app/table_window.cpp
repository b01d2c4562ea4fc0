#include "app/table_window.h"

#include "app/game_menu.h"
#include "app/hand_analysis_window.h"
#include "app/message_dialog.h"
#include "app/pending_repaints.h"
#include "app/session_journal.h"
#include "app/status_window.h"
#include "app/table_accessible.h"
#include "app/table_announcer.h"
#include "cards/card_on_table.h"
#include "cards/card_window.h"
#include "displays/centred_text.h"
#include "displays/classic_colours.h"
#include "displays/hand_names_window.h"
#include "displays/payline_window.h"
#include "displays/table_figures.h"
#include "displays/table_font.h"
#include "displays/table_layout.h"
#include "options/options_dialog.h"
#include "persist/decimal_text.h"
#include "persist/hall_of_fame_dialog.h"
#include "persist/registry_key.h"
#include "persist/sign_in_dialog.h"
#include "platform/settings_file.h"
#include "platform/translated_text.h"
#include "trainer/statistics_dialog.h"
#include "wqgame/png_image.h"
#include "wqgame/resource_module.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QThreadPool>
#include <QTimer>
#include <QToolTip>

namespace quintaro {

namespace {

constexpr const char* showStrategyValue = "ShowStrategy";
constexpr const char* trainerValue = "Trainer";

// The strategy hint and the trainer's word take the whole width of the table between the
// pay table and the cards, one line of the table's font high.
QRect adviceStripRect() {
    const QRect hint = paylineHintRect();
    return {QPoint(0, hint.top()),
            QPoint(table_layout::clientWidth - 1, table_layout::cardTop - 1)};
}

template <typename Widget>
Widget* placeChild(Widget* child, const table_layout::Box& box, int fontHeight, const char* help) {
    child->setGeometry(box.left, box.top, box.width, box.height);
    child->setFont(tableFont(fontHeight));
    if (help != nullptr)
        child->setWhatsThis(QCoreApplication::translate("Pop-up help", help));
    return child;
}

} // namespace

TableWindow::TableWindow(RegistryStore* store, SoundOutput* output)
    : GameFrameWindow(QStringLiteral("Quintaro"),
                      QSize(table_layout::clientWidth, table_layout::clientHeight), store, output),
      m_displayFont(displayFont()) {
    // Every size the build embedded, one folder each.
    QIcon icon;
    for (const QString& size : QDir(QStringLiteral(":/icon")).entryList())
        icon.addPixmap(QPixmap::fromImage(
            loadPngResource(QStringLiteral(":/icon/%1/quintaro.png").arg(size))));
    setWindowIcon(icon);
    client()->setFont(tableFont(table_layout::windowFontHeight));
    client()->setWhatsThis(QCoreApplication::translate("Pop-up help", table_layout::windowHelp));
    client()->installEventFilter(this);

    const std::string keyName = settingsKeyName().toStdString();
    m_cardImages = std::make_unique<CardImageCache>();
    m_cardLook = std::make_unique<CardLook>(registryStore(), keyName, tableWindowNumber);
    m_cardLook->setPictureSink(m_cardImages.get());

    RegistryKey key(registryStore());
    key.Open(keyName);
    // A game type this program does not know plays Straight Poker.
    const auto storedGame = decimalValue(key.QueryString("GameType"));
    const GameType game =
        storedGame ? gameTypeFromNumber(*storedGame & 0xFFFFu) : GameType::StraightPoker;
    m_showStrategyAsLoaded = key.QueryString(showStrategyValue) == "1";
    m_trainerAsLoaded = key.QueryString(trainerValue) == "1";
    m_hallOfFame = std::make_unique<HallOfFame>(registryStore(), keyName, 0, 1);
    m_round = std::make_unique<RoundFlow>(static_cast<TableView&>(*this), *m_hallOfFame, keyName);
    installTableAccessibility();
    m_announcer = new TableAnnouncer(*this);

    buildChildren();
    buildMenu();
    registerGameSounds();
    m_round->setUpGame(game);
    setShowStrategy(m_showStrategyAsLoaded);
    setTrainer(m_trainerAsLoaded);
}

TableWindow::~TableWindow() {
    m_round->offerBalanceToHallOfFame();
    const GameType game = m_round->gameType();
    // The children paint from the round's state: they go before it does.
    delete m_analysis;
    delete m_statisticsWindow;
    for (std::size_t i = 0; i < 5; ++i) {
        delete m_cardWindows[i];
        delete m_paylines[i];
    }
    delete m_handNames;
    delete m_statusWindow;
    delete m_dealButton;
    m_round->setRedealGate(nullptr);
    m_round.reset(); // the deck goes, and with its last card the card look is saved
    m_hallOfFame.reset();
    // Written with the Hall of Fame, and like it only here and on accepted options.
    if (m_statistics)
        m_statistics->save();
    RegistryKey key(registryStore());
    key.Open(settingsKeyName().toStdString());
    key.SetString("GameType", std::to_string(gameTypeNumber(game)));
    if (m_showStrategy != m_showStrategyAsLoaded)
        key.SetString(showStrategyValue, m_showStrategy ? "1" : "0");
    if (m_trainerOn != m_trainerAsLoaded)
        key.SetString(trainerValue, m_trainerOn ? "1" : "0");
}

void TableWindow::buildChildren() {
    using namespace table_layout;
    m_statusWindow =
        placeChild(new StatusWindow(m_round->state(), client()), status, statusFontHeight, nullptr);
    m_statusWindow->hide();
    m_handNames = placeChild(new HandNamesWindow(m_round->pay(), m_round->handNames(), client()),
                             handNames, handNamesFontHeight, handNamesHelp);
    m_dealButton =
        placeChild(new QPushButton(QCoreApplication::translate("Table", "Deal"), client()),
                   table_layout::dealButton, dealButtonFontHeight, dealButtonHelp);
    m_dealButton->setObjectName(QStringLiteral("dealButton"));
    connect(m_dealButton, &QPushButton::clicked, this, &TableWindow::onDealPressed);

    for (int i = 0; i < 5; ++i) {
        const auto at = static_cast<std::size_t>(i);
        CardWindow* card =
            placeChild(new CardWindow(client()),
                       Box{cardWindowLefts[at], cardWindowTop, cardWindowWidth, cardWindowHeight},
                       cardWindowFontHeight, cardWindowHelps[at]);
        card->watch(&m_round->state().phase, &m_round->holdState(i),
                    [this, i] { return m_round->card(i); });
        connect(card, &CardWindow::pressed, this, [this, i] { m_round->onCardWindowPress(i); });
        m_cardWindows[at] = card;

        PaylineWindow* column =
            placeChild(new PaylineWindow(m_round->pay(), m_round->column(i), client()),
                       Box{paylineLefts[at], paylineTop, paylineWidth, paylineHeight},
                       paylineFontHeight, paylineHelps[at]);
        column->setWindowTitle(QCoreApplication::translate("Table", paylineHeaders[at]));
        connect(column, &PaylineWindow::pressed, this, [this, i] { m_round->onPaylinePress(i); });
        m_paylines[at] = column;
    }
    // The keyboard goes through the cards, the Deal button, then the pay table; the table
    // opens on the Deal button, as a mouse player has always seen it.
    for (int i = 0; i < 4; ++i)
        setTabOrder(m_cardWindows[static_cast<std::size_t>(i)],
                    m_cardWindows[static_cast<std::size_t>(i + 1)]);
    setTabOrder(m_cardWindows[4], m_dealButton);
    setTabOrder(m_dealButton, m_handNames);
    m_dealButton->setFocus();
}

void TableWindow::startFirstGame() {
    m_round->startNewGame();
}

void TableWindow::registerGameSounds() {
    RegisterSound(QUINTARO_TEXT("Sounds", "Change Bet"), "slotcoin");
    RegisterSound(QUINTARO_TEXT("Sounds", "Deal Cards"), "cardshuf");
    RegisterSound(QUINTARO_TEXT("Sounds", "Flip Card - Front"), "click_5");
    RegisterSound(QUINTARO_TEXT("Sounds", "Flip Card - Back"), "click_4");
    RegisterSound(QUINTARO_TEXT("Sounds", "Jackpot"), "slotjack");
    RegisterSound(QUINTARO_TEXT("Sounds", "You are Broke"), "instr_2");
}

void TableWindow::buildMenu() {
    QMenu* game = menuBar()->addMenu(QCoreApplication::translate("Menu", gameMenuTitle));
    for (const GameMenuItem& item : gameMenuItems) {
        if (item.id == GameMenuSeparator) {
            game->addSeparator();
            continue;
        }
        QAction* action = game->addAction(QCoreApplication::translate("Menu", item.text));
        action->setShortcut(QKeySequence(QString::fromUtf8(item.shortcut)));
        // The shortcuts must work wherever the focus is on the table.
        action->setShortcutContext(Qt::ApplicationShortcut);
        action->setWhatsThis(QCoreApplication::translate("Pop-up help", item.help));
        action->setCheckable(item.checkable);
        if (item.id == GameMenuStrategy)
            m_strategyAction = action;
        if (item.id == GameMenuTrainer)
            m_trainerAction = action;
        const int id = item.id;
        connect(action, &QAction::triggered, this, [this, id] { onMenuSelect(id); });
    }
}

void TableWindow::onMenuSelect(int id) {
    switch (id) {
    case GameMenuNew:
        m_round->newGame();
        break;
    case GameMenuHighScores:
        ShowTable(*m_hallOfFame, this);
        break;
    case GameMenuOptions:
        runOptions();
        break;
    case GameMenuStrategy:
        setShowStrategy(!m_showStrategy);
        break;
    case GameMenuTrainer:
        setTrainer(!m_trainerOn);
        break;
    case GameMenuAnalysis:
        showHandAnalysis();
        break;
    case GameMenuStatistics:
        if (m_statisticsWindow == nullptr)
            m_statisticsWindow = new StatisticsDialog(statistics(), m_round->gameType(), this);
        m_statisticsWindow->showBeside(m_round->gameType());
        break;
    case GameMenuExit:
        close();
        break;
    default:
        break;
    }
}

void TableWindow::runOptions() {
    OptionsDialog dialog(*this, m_round->state().balance, m_round->gameType(),
                         m_cardLook->faceSet(), m_cardLook->back());
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_round->acceptOptions(dialog.chosenGame(), [&] {
        {
            wqgame::LibraryBracket library;
            m_cardLook->choose(static_cast<std::uint16_t>(dialog.chosenFaceSet()),
                               static_cast<std::uint16_t>(dialog.chosenBack()));
        }
        dialog.applyBackground(*this);
        dialog.applySounds(*this);
    });
    if (m_statistics)
        m_statistics->save();
    prepareAdvisor();
}

void TableWindow::setShowStrategy(bool on) {
    m_showStrategy = on;
    m_strategyAction->setChecked(on);
    prepareAdvisor();
    client()->update(adviceStripRect());
}

void TableWindow::showHandAnalysis() {
    if (m_analysis == nullptr) {
        m_analysis = new HandAnalysisWindow(*m_round, *this);
        connect(this, &TableWindow::roundChanged, m_analysis, &HandAnalysisWindow::followRound);
    }
    m_analysis->open();
    prepareAdvisor();
}

void TableWindow::setTrainer(bool on) {
    m_trainerOn = on;
    m_trainerAction->setChecked(on);
    if (on && !m_trainer)
        m_trainer = std::make_unique<RedealTrainer>(statistics());
    m_round->setRedealGate(on ? m_trainer.get() : nullptr);
    prepareAdvisor();
    if (m_trainer)
        m_trainer->setAdvisor(m_advisor);
    hintAreaChanged();
}

void TableWindow::keepJournal(std::string path) {
    m_journalPath = std::move(path);
    m_process = currentProcess();
    journalChanged();
}

void TableWindow::journalChanged() {
    if (m_journalPath.empty() || m_journalDue)
        return;
    m_journalDue = true;
    QTimer::singleShot(0, this, [this] {
        m_journalDue = false;
        writeJournal();
    });
}

void TableWindow::writeJournal() {
    SessionJournal journal;
    journal.owner = m_process;
    journal.settingsKey = settingsKeyName().toStdString();
    journal.playerName = m_hallOfFame->playerName();
    journal.gameType = static_cast<std::uint16_t>(gameTypeNumber(m_round->gameType()));
    journal.balance = m_round->state().balance;
    journal.entries = m_hallOfFame->unsavedEntries();
    if (m_statistics)
        journal.statistics = m_statistics->unsavedValues();
    // Not synced: the rename alone keeps it whole, and a hand played costs no disk wait.
    replaceFile(m_journalPath, journalText(journal), false);
}

TrainerStatistics& TableWindow::statistics() {
    if (!m_statistics)
        m_statistics =
            std::make_unique<TrainerStatistics>(registryStore(), settingsKeyName().toStdString());
    return *m_statistics;
}

void TableWindow::onDealPressed() {
    m_round->onDealButton();
    // A refused redeal changes nothing the round reports, but the strip names the mistake.
    if (m_trainerOn)
        hintAreaChanged();
}

void TableWindow::prepareAdvisor() {
    const bool wanted =
        m_showStrategy || m_trainerOn || (m_analysis != nullptr && m_analysis->isVisible());
    if (wanted && !(m_advisor && m_advisor->gameType() == m_round->gameType()))
        buildAdvisor();
    if (m_analysis != nullptr)
        m_analysis->setAdvisor(m_advisor);
}

void TableWindow::buildAdvisor() {
    auto advisor = std::make_shared<const StrategyAdvisor>(m_round->gameType());
    m_advisor = advisor;
    if (m_trainer)
        m_trainer->setAdvisor(advisor);
    // The tables take a moment to build: off the event loop, then the hint is repainted and,
    // if it came after the deal, announced.
    QPointer<TableWindow> table = this;
    QThreadPool::globalInstance()->start([advisor, table] {
        advisor->prepare();
        QMetaObject::invokeMethod(
            qApp,
            [table] {
                if (table) {
                    table->client()->update(adviceStripRect());
                    table->m_announcer->tableChanged();
                }
            },
            Qt::QueuedConnection);
    });
}

std::string TableWindow::strategyHintText() const {
    if (!m_showStrategy || m_round->state().phase != RoundPhase::Holding || !m_advisor ||
        m_advisor->gameType() != m_round->gameType() || !m_advisor->isPrepared())
        return {};
    PokerHand::Cards hand{};
    for (int window = 0; window < RoundFlow::cardWindowCount; ++window)
        hand[static_cast<std::size_t>(window)] = m_round->card(window);
    return strategyHint(hand, m_advisor->best(hand, m_round->bet()));
}

std::string TableWindow::stripText() const {
    const std::string trainerText = trainer() ? m_trainer->message(*m_round) : "";
    return trainerText.empty() ? strategyHintText() : trainerText;
}

QString TableWindow::trainerStripText() const {
    if (!trainer())
        return {};
    const QFontMetrics metrics(client()->font());
    const QString text = QString::fromStdString(m_trainer->message(*m_round));
    if (metrics.horizontalAdvance(text) <= adviceStripRect().width())
        return text;
    return QString::fromStdString(m_trainer->message(*m_round, TrainerWording::Brief));
}

// A trainer's message drawn without its offer to redeal is there whole as the strip's tooltip.
bool TableWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client() && event->type() == QEvent::ToolTip && trainer()) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString whole = QString::fromStdString(m_trainer->message(*m_round));
        if (adviceStripRect().contains(help->pos()) && whole != trainerStripText()) {
            QToolTip::showText(help->globalPos(), whole, client(), adviceStripRect());
            return true;
        }
    }
    return GameFrameWindow::eventFilter(watched, event);
}

// At the table's own font, which the strip is made one line high for.
void TableWindow::drawStripText(QPainter& painter, const QString& text) {
    painter.save();
    painter.setPen(classicColours().windowText);
    drawCentredText(painter, adviceStripRect(), text);
    painter.restore();
}

void TableWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_5 &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        m_round->onCardWindowPress(key - Qt::Key_1);
    } else if ((key == Qt::Key_Plus || key == Qt::Key_Minus) &&
               (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0) {
        m_round->onBetStep(key == Qt::Key_Plus ? 1 : -1);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        m_dealButton->click();
    } else {
        GameFrameWindow::keyPressEvent(event);
    }
}

void TableWindow::paintClient(QPainter& painter, const QRect& rect) {
    // The round repaints the figures on their own at once: draw only what `rect` reaches.
    paintBackground(painter, rect);
    for (int window = 0; window < RoundFlow::cardWindowCount; ++window) {
        const Card* card = m_round->card(window);
        if (card != nullptr && rect.intersects(cardRect(*card)))
            m_cardImages->drawCard(painter, *card);
    }
    // The trainer's word takes the strip: a mistake over the advice, what best play would
    // have paid over the payline hint.
    const QString trainerText = rect.intersects(adviceStripRect()) ? trainerStripText() : QString();
    if (!trainerText.isEmpty()) {
        drawStripText(painter, trainerText);
    } else if (rect.intersects(adviceStripRect())) {
        drawPaylineHint(painter, m_round->state());
        const std::string hint = strategyHintText();
        if (!hint.empty())
            drawStripText(painter, QString::fromStdString(hint));
    }
    const BackgroundPainter background = [this](QPainter& p, const QRect& r) {
        paintBackground(p, r);
    };
    if (rect.intersects(winFigureRect()))
        quintaro::drawWinFigure(painter, m_round->state(), m_displayFont, background);
    if (rect.intersects(balanceFigureRect()))
        quintaro::drawBalanceFigure(painter, m_round->state(), m_displayFont, background);
}

void TableWindow::clientMousePress(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (auto window = m_round->cardWindowAt(at.x(), at.y()))
        m_round->onCardWindowPress(*window);
    else
        GameFrameWindow::clientMousePress(event);
}

void TableWindow::errorBeep() {
    beeper().errorBeep();
}

void TableWindow::playSoundEvent(const std::string& event) {
    PlaySound(FindSound(event));
}

void TableWindow::drawCardNow(int window) {
    // Not repaint(): that would also paint the captions queued so far, before the round
    // has reached the phase they show.
    if (const Card* card = m_round->card(window))
        client()->update(cardRect(*card));
}

void TableWindow::cardWindowChanged(int window) {
    m_cardWindows[static_cast<std::size_t>(window)]->update();
    Q_EMIT roundChanged();
}

void TableWindow::columnBandChanged(int column, int band) {
    if (column == TableView::handNamesColumn)
        m_handNames->update(m_handNames->bandRect(band));
    else
        m_paylines[static_cast<std::size_t>(column)]->update(
            m_paylines[static_cast<std::size_t>(column)]->bandRect(band));
}

void TableWindow::columnChanged(int column) {
    m_paylines[static_cast<std::size_t>(column)]->update();
    m_announcer->tableChanged();
}

void TableWindow::drawWinFigure() {
    client()->repaint(winFigureRect());
}

void TableWindow::drawBalanceFigure() {
    client()->repaint(balanceFigureRect());
    journalChanged();
}

void TableWindow::flushRepaints() {
    paintPendingAreasNow(*this);
}

void TableWindow::hintAreaChanged() {
    client()->update(adviceStripRect());
    Q_EMIT roundChanged();
}

void TableWindow::statusVisibilityChanged(bool visible) {
    m_statusWindow->setVisible(visible);
}

void TableWindow::dealButtonTextChanged(const std::string& text) {
    m_dealButton->setText(QString::fromStdString(text));
}

void TableWindow::titleChanged(const std::string& title) {
    setWindowTitle(QString::fromStdString(title));
}

void TableWindow::tableChanged() {
    journalChanged();
    client()->update();
    for (QWidget* child : client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->update();
}

std::string TableWindow::signIn(const std::string& name) {
    SignInDialog dialog(this, QString::fromStdString(name));
    dialog.exec();
    return dialog.playerName().toStdString();
}

bool TableWindow::askYesNo(int queryId) {
    wqgame::LibraryBracket library;
    return wqgame::runQueryBox(this, queryId) == 2;
}

void TableWindow::showMessage(const std::string& message) {
    m_announcer->announceNow(QString::fromStdString(message));
    wqgame::LibraryBracket library;
    MessageDialog dialog(this, QString::fromStdString(message));
    dialog.exec();
}

} // namespace quintaro
