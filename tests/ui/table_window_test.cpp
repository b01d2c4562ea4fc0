#include "analysis/deck_index.h"
#include "app/hand_analysis_window.h"
#include "app/pending_repaints.h"
#include "app/table_window.h"
#include "dark_theme.h"
#include "displays/payline_window.h"
#include "displays/table_font.h"
#include "persist/sign_in_dialog.h"
#include "platform/memory_registry_store.h"
#include "poker/random_sequence.h"
#include "tests/core/recording_output.h"
#include "tests/core/reference_poker.h"
#include "trainer/trainer_text.h"
#include "wqgame/resource_module.h"

#include <QAccessible>
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>
#include <bit>
#include <cmath>
#include <numeric>
#include <utility>

using namespace quintaro;

namespace {

using test::RecordingOutput;

const std::string settingsKey = "SOFTWARE\\Varden\\Parlorset\\Quintaro";

// Shows the table and starts its first game, typing `name` into the sign-in dialog and
// closing it with `key`.
bool showAndSignIn(TableWindow& table, const QString& name = QStringLiteral("Ann"),
                   Qt::Key key = Qt::Key_Return) {
    table.show();
    if (!QTest::qWaitForWindowExposed(&table))
        return false;
    QTimer::singleShot(0, [name, key] {
        auto* dialog = qobject_cast<SignInDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->nameEdit()->setText(name);
        QTest::keyClick(dialog, key);
    });
    table.startFirstGame();
    return true;
}

class CountingWidget : public QWidget {
public:
    using QWidget::QWidget;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

QImage grabClient(TableWindow& table) {
    return table.client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

constexpr int analysisMenuId = 18;

DealtCards cardsOnTable(const RoundFlow& round) {
    DealtCards dealt;
    for (int window = 0; window < RoundFlow::cardWindowCount; ++window)
        dealt[static_cast<std::size_t>(window)] = deckIndexOf(*round.card(window));
    return dealt;
}

QList<QStringList> shownRows(const HandAnalysisWindow& window) {
    QList<QStringList> rows;
    const QTreeWidget& list = *window.rows();
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < list.columnCount(); ++column)
            texts << list.topLevelItem(row)->text(column);
        rows << texts;
    }
    return rows;
}

// "K♣", "10♥", "Joker": the card as the window names it.
QString cardText(int card) {
    static const QStringList ranks{"A", "2", "3",  "4", "5", "6", "7",
                                   "8", "9", "10", "J", "Q", "K"};
    static const QStringList suits{"\u2663", "\u2660", "\u2665", "\u2666"};
    return card >= test::firstJoker ? QStringLiteral("Joker") : ranks[card % 13] + suits[card / 13];
}

QString dealtText(const DealtCards& dealt) {
    QStringList cards;
    for (int card : dealt)
        cards << cardText(card);
    return cards.join(u' ');
}

// The holds in the reference's order, best first.
std::array<unsigned, holdCount> referenceOrder(const test::ReferenceGame& game,
                                               const test::ReferenceHolds& holds, int bet) {
    std::array<unsigned, holdCount> order;
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](unsigned a, unsigned b) {
        return test::referencePrefers(game, holds, bet, a, b);
    });
    return order;
}

// The rows the reference gives for the deal, best hold first: the mark, the kept cards, the
// expected payoff and the chance of each line to three significant digits.
QList<QStringList> referenceRows(GameType type, const DealtCards& dealt,
                                 const test::ReferenceHolds& holds, int bet, unsigned hold) {
    const test::ReferenceGame& game = test::referenceGame(type);
    const auto order = referenceOrder(game, holds, bet);
    const auto percent = [](std::int64_t count, std::int64_t total) {
        if (count == 0 || count == total)
            return QStringLiteral("%1%").arg(count == 0 ? 0 : 100);
        const double value = 100.0 * static_cast<double>(count) / static_cast<double>(total);
        const int digits = static_cast<int>(std::floor(std::log10(value)));
        return QString::number(value, 'f', std::max(0, 2 - digits)) + u'%';
    };
    QList<QStringList> rows;
    for (unsigned kept : order) {
        const test::ReferenceHold& outcome = holds[kept];
        QStringList cards;
        for (std::size_t window = 0; window < dealt.size(); ++window)
            if (kept & (1u << window))
                cards << cardText(dealt[window]);
        QStringList texts{kept == hold ? QStringLiteral("\u25B6") : QString(),
                          kept == 0 ? QStringLiteral("Discard all") : cards.join(u' '),
                          QString::asprintf("$%.2f", static_cast<double>(outcome.paid(game, bet)) /
                                                         static_cast<double>(outcome.draws))};
        for (std::size_t line = 0; line < game.lines.size(); ++line)
            texts << percent(outcome.lines[line], outcome.draws);
        rows << texts;
    }
    return rows;
}

// Every column shows its header and its widest cell whole, and all of them fit beside the
// scroll bar: the cells of the deal shown, and for a moment the widest any deal can give,
// two jokers and three tens kept in each suit, $4000.00, one chance in 1,533,939.
void expectColumnsFit(HandAnalysisWindow& window) {
    QTreeWidget& rows = *window.rows();
    QList<QTreeWidgetItem*> widest;
    for (const QChar suit : QStringLiteral("\u2663\u2660\u2665\u2666")) {
        QStringList texts{QStringLiteral("\u25B6"),
                          QStringLiteral("Joker Joker 10%1 10%1 10%1").arg(suit),
                          QStringLiteral("$4000.00")};
        while (texts.size() < rows.columnCount())
            texts << QStringLiteral("0.0000652%");
        widest << new QTreeWidgetItem(&rows, texts);
    }
    int total = 0;
    for (int column = 0; column < rows.columnCount(); ++column) {
        const int width = rows.header()->sectionSize(column);
        const int cells = static_cast<const QAbstractItemView&>(rows).sizeHintForColumn(column);
        QVERIFY2(width >= rows.header()->sectionSizeHint(column) && width >= cells,
                 qPrintable(QString::number(column)));
        total += width;
    }
    qDeleteAll(widest);
    QVERIFY(rows.verticalScrollBar()->isVisible());
    QVERIFY(total <= rows.viewport()->width());
}

void expectReadable(HandAnalysisWindow& window) {
    const QImage image = window.grab().toImage();
    // The picture's pixels, at 200 % twice the window's.
    const auto pixels = [&](const QRect& area) {
        const qreal ratio = image.devicePixelRatio();
        return QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio).toRect();
    };
    QVERIFY(test::inkContrast(image, pixels(window.summary()->geometry()),
                              window.palette().color(QPalette::Window)) >= test::readableContrast);
    const QTreeWidget& rows = *window.rows();
    // The marked row is in sight, in bold.
    const QRect cell = rows.visualItemRect(rows.topLevelItem(*window.markedRow()))
                           .translated(rows.viewport()->mapTo(&window, QPoint()));
    QVERIFY(test::inkContrast(image, pixels(cell), rows.palette().color(QPalette::Base)) >=
            test::readableContrast);
}

} // namespace

class TableWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(wqgame::openLibrary(&error), qPrintable(error));
    }

    // The status box over the cards takes clicks silently, a card refuses them until the
    // deal, and then shows its back; between cards nothing. Captions are clicked end to end.
    void layoutMenuBetCardBacksAndClicks() {
        MemoryRegistryStore store;
        RecordingOutput output;
        TableWindow table(&store, &output);
        QCOMPARE(table.dealButton()->font().pixelSize(), 15);
        QCOMPARE(table.windowTitle(), QStringLiteral("Quintaro"));
        QVERIFY(table.dealButton()->whatsThis().startsWith(u"Click the deal button"));

        QMenu* game = table.menuBar()->actions().first()->menu();
        QStringList texts;
        for (QAction* a : game->actions())
            texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(texts,
                 (QStringList{"&New", "Show &High Scores...", "-", "&Options...", "Show &Strategy",
                              "&Trainer", "Hand &Analysis...", "&Statistics...", "-", "E&xit"}));
        QCOMPARE(game->actions()[0]->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(game->actions().last()->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
        for (int item : {4, 5})
            QVERIFY(game->actions()[item]->isCheckable() && !game->actions()[item]->isChecked());

        QVERIFY(showAndSignIn(table));

        QStringList headers;
        for (const PaylineWindow* column : table.client()->findChildren<PaylineWindow*>())
            headers << column->windowTitle();
        QCOMPARE(headers, (QStringList{"Bet $1", "Bet $2", "Bet $3", "Bet $4", "Bet $5"}));
        const QImage image = grabClient(table);

        // A card back shows the table in its rounded corners and the back inside.
        QImage background(600, 410, QImage::Format_RGB32);
        QPainter painter(&background);
        table.paintBackground(painter, background.rect());
        painter.end();
        QCOMPARE(image.pixel(25, 227), background.pixel(25, 227));
        QCOMPARE(image.pixel(95, 322), background.pixel(95, 322));
        QVERIFY(image.pixel(60, 275) != background.pixel(60, 275));

        QWidget* status = table.client()->childAt(170, 260);
        QVERIFY(status != nullptr && status->isVisible());
        output.played.clear();
        QTest::mouseClick(status, Qt::LeftButton, {},
                          status->mapFrom(table.client(), QPoint(170, 260)));
        QVERIFY(output.played.empty());
        QTest::mouseClick(table.client(), Qt::LeftButton, {}, QPoint(60, 260));
        QCOMPARE(output.played, std::vector<std::string>{"error_beep.wav"});

        QTest::mouseClick(table.dealButton(), Qt::LeftButton);
        QCOMPARE(table.dealButton()->text(), QStringLiteral("Redeal"));
        QTest::mouseClick(table.client(), Qt::LeftButton, {}, QPoint(170, 260)); // card 2
        QCOMPARE(table.round().holdState(1), HoldState::Discard);
        QTest::mouseClick(table.client(), Qt::LeftButton, {}, QPoint(120, 260)); // between
        QCOMPARE(table.round().holdState(0), HoldState::Hold);
        // The back, not the face.
        QVERIFY(grabClient(table).pixel(180, 275) != qRgb(255, 255, 255));
    }

    // What a payout marks is painted at once, and nothing else runs in between.
    void pendingAreasArePaintedAndNothingElseRuns() {
        QWidget window;
        window.resize(100, 100);
        auto* child = new CountingWidget(&window);
        child->setGeometry(10, 10, 50, 50);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        child->paints = 0;

        int othersRun = 0;
        QTimer::singleShot(0, &window, [&] { ++othersRun; });
        QMetaObject::invokeMethod(
            &window, [&] { ++othersRun; }, Qt::QueuedConnection);
        child->update(QRect(0, 0, 10, 10));
        paintPendingAreasNow(window);
        QCOMPARE(child->paints, 1);
        QCOMPARE(othersRun, 0);
    }

    // What end to end does not drive: the keypad's Enter, the strip between hands, and the
    // switch read back and stored off.
    void strategyHintShowsOnlyWhileHoldingAndTheSwitchComesBack() {
        MemoryRegistryStore store;
        {
            TableWindow table(&store);
            QVERIFY(showAndSignIn(table));
            const QRect strip(300, 200, 300, 20);
            QTest::keyClick(&table, Qt::Key_Return);
            QCOMPARE(table.round().state().phase, RoundPhase::Holding);
            const QImage off = grabClient(table).copy(strip);

            table.onMenuSelect(14);
            QVERIFY(table.showStrategy());
            QTRY_VERIFY_WITH_TIMEOUT(grabClient(table).copy(strip) != off, 120000);

            QTest::keyClick(&table, Qt::Key_Enter);
            QCOMPARE(table.round().state().phase, RoundPhase::Over);
            // Between hands the strip shows the payline hint again, as without strategy.
            table.onMenuSelect(14);
            const QImage over = grabClient(table).copy(strip);
            table.onMenuSelect(14);
            QCOMPARE(grabClient(table).copy(strip), over);
        }
        {
            TableWindow table(&store); // comes back on
            QVERIFY(table.showStrategy());
            table.setShowStrategy(false);
        }
        QCOMPARE(store.values(settingsKey).at("ShowStrategy"), std::string("0"));
    }

    // The field becomes the player's name however the dialog closes, Escape included.
    void exitStoresTheNameAKnownGameAndNothingNeverSwitchedOn() {
        MemoryRegistryStore store;
        store.writeValue(settingsKey, "GameType", "7"); // unknown: plays Straight Poker
        {
            TableWindow table(&store);
            QCOMPARE(table.round().pay().title, std::string("Straight Poker"));
            QVERIFY(showAndSignIn(table, QStringLiteral("Bob"), Qt::Key_Escape));
            QCOMPARE(table.windowTitle(), QStringLiteral("Quintaro - Bob"));
        }
        const auto& values = store.values(settingsKey);
        QCOMPARE(values.at("PlayerName"), std::string("Bob"));
        QCOMPARE(values.at("GameType"), std::string("0"));
        QCOMPARE(values.count("ShowStrategy"), 0u); // never switched on: nothing stored
        QCOMPARE(values.count("Trainer"), 0u);
        QVERIFY(!store.hasKey(settingsKey + "\\Statistics"));
    }

    // Under a dark desktop theme, as every text must stay readable there.
    void handAnalysisFollowsDealsHoldsAndGamesOnlyWhileOpen() {
        processRandomSequence().seed(5);
        test::DarkTheme dark;
        MemoryRegistryStore store;
        TableWindow table(&store);
        QVERIFY(showAndSignIn(table));
        table.round().onPaylinePress(2);
        QTest::keyClick(&table, Qt::Key_Return);
        QVERIFY(table.handAnalysis() == nullptr); // never opened: nothing there to work

        table.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&table));
        QTest::keyClick(&table, Qt::Key_G, Qt::AltModifier);
        QVERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_A);
        HandAnalysisWindow* window = table.handAnalysis();
        QVERIFY(window && window->isVisible());
        QTreeWidget& rows = *window->rows();
        QCOMPARE(window->summary()->text(),
                 QStringLiteral("Working out the chances of every draw..."));
        QTRY_VERIFY_WITH_TIMEOUT(window->markedRow(), 120000);

        const DealtCards first = cardsOnTable(table.round());
        const GameType straight = GameType::StraightPoker;
        const auto firstHolds = test::referenceHolds(test::referenceGame(straight), first);
        QCOMPARE(shownRows(*window), referenceRows(straight, first, firstHolds, 3, holdAll));
        QCOMPARE(rows.headerItem()->text(9), QStringLiteral("Three of\na Kind"));
        QCOMPARE(rows.headerItem()->text(11), QStringLiteral("Pair\n(Jacks or better)"));
        const QString summary = "Straight Poker: dealt " + dealtText(first) + " at a bet of $3.";
        QVERIFY(window->summary()->text().startsWith(summary));
        expectReadable(*window);
        // A screen reader reads the list row by row, each cell under its column's header.
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&rows);
        QVERIFY(list != nullptr && list->tableInterface() != nullptr);
        QAccessibleInterface* kept = list->tableInterface()->cellAt(*window->markedRow(), 1);
        QCOMPARE(kept->text(QAccessible::Name), dealtText(first));
        QCOMPARE(kept->tableCellInterface()->columnHeaderCells().first()->text(QAccessible::Name),
                 QStringLiteral("Keep"));
        // The best hold stays above the list, in the words of the strategy hint.
        const QStringList top = referenceRows(straight, first, firstHolds, 3, holdAll).front();
        const QString best =
            "Best: " + (top[1] == "Discard all" ? "discard all" : "hold " + top[1]) + " (" +
            top[2] + ")";
        QCOMPARE(window->bestHold()->text(), best);
        expectColumnsFit(*window);

        // Toggles, by the keypad's digits too but not with Ctrl, move the mark into sight and
        // leave the table active; the redeal leaves the deal in place.
        table.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&table));
        const std::pair<Qt::Key, Qt::KeyboardModifier> presses[] = {
            {Qt::Key_1, Qt::NoModifier},     {Qt::Key_2, Qt::NoModifier},
            {Qt::Key_3, Qt::KeypadModifier}, {Qt::Key_5, Qt::NoModifier},
            {Qt::Key_2, Qt::NoModifier},     {Qt::Key_4, Qt::ControlModifier}};
        for (const auto& [key, modifier] : presses)
            QTest::keyClick(&table, key, modifier);
        const unsigned heldTwoAndFour = 0b01010;
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::activeWindow(), &table);
        QCOMPARE(shownRows(*window), referenceRows(straight, first, firstHolds, 3, heldTwoAndFour));
        QVERIFY(window->summary()->text().startsWith(summary));
        const QRect marked = rows.visualItemRect(rows.topLevelItem(*window->markedRow()));
        QVERIFY(marked.top() >= 0 && marked.bottom() < rows.viewport()->height());
        // The best hold stays in sight above the list.
        QVERIFY(window->bestHold()->isVisible());
        QCOMPARE(window->bestHold()->text(), best);
        QVERIFY(window->bestHold()->geometry().bottom() < rows.geometry().top());
        QTest::keyClick(&table, Qt::Key_Return);
        QCOMPARE(shownRows(*window), referenceRows(straight, first, firstHolds, 3, heldTwoAndFour));

        // Escape closes it; closed, it lets the next hand pass. Opened after the bet changed
        // between hands, it shows that hand at the bet it was played at.
        QTest::keyClick(&rows, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        table.round().onDealButton();
        table.round().onDealButton();
        QCOMPARE(shownRows(*window), referenceRows(straight, first, firstHolds, 3, heldTwoAndFour));
        table.round().onPaylinePress(0);
        table.onMenuSelect(analysisMenuId);
        const DealtCards second = cardsOnTable(table.round());
        QVERIFY(second != first);
        const auto secondHolds = test::referenceHolds(test::referenceGame(straight), second);
        QCOMPARE(shownRows(*window), referenceRows(straight, second, secondHolds, 3, holdAll));
        QVERIFY(window->summary()->text().contains(u"at a bet of $3."));
        table.round().onPaylinePress(2);

        // Wins at $3 pay threes, so $100 comes down to $1 and a payout lowers the bet; the deal
        // stays shown at its own bet.
        while (table.round().bet() == 3) {
            table.round().onDealButton();
            table.round().onDealButton();
        }
        QVERIFY(window->summary()->text().contains(u"at a bet of $3."));
        // The next deal is shown at the bet it is played at.
        table.round().onDealButton();
        QVERIFY(window->summary()->text().contains(
            QStringLiteral("at a bet of $%1.").arg(table.round().bet())));

        // Another game has its own lines, and nothing dealt until its first deal.
        table.round().acceptOptions(GameType::JokersWildPoker, [] {});
        QVERIFY(window->summary()->text().startsWith(u"No cards"));
        QCOMPARE(rows.topLevelItemCount(), 0);
        // Closed, it is left with the last game's tables; opened on a deal with a joker, it
        // waits for the new game's.
        QTest::keyClick(&rows, Qt::Key_Escape);
        const auto jokerDealt = [&] {
            return std::ranges::max(cardsOnTable(table.round())) >= test::firstJoker;
        };
        table.round().onDealButton();
        for (int round = 0; round < 50 && !jokerDealt(); ++round) {
            table.round().onDealButton();
            table.round().onDealButton();
        }
        QVERIFY(jokerDealt());
        table.onMenuSelect(analysisMenuId);
        QTRY_VERIFY_WITH_TIMEOUT(window->markedRow(), 120000);
        QCOMPARE(rows.columnCount(), 3 + payTable(GameType::JokersWildPoker).lineCount);
        expectColumnsFit(*window);
        // Deuces Wild has the most lines; the window was made wide enough for them at once.
        const int width = window->width();
        table.round().acceptOptions(GameType::DeucesWildPoker, [] {});
        table.onMenuSelect(analysisMenuId);
        table.round().onDealButton();
        QTRY_VERIFY_WITH_TIMEOUT(window->markedRow(), 120000);
        QCOMPARE(window->width(), width);
        expectColumnsFit(*window);
    }

    // After a refusal the strip names the best hold's cards by rank and suit, those showing
    // their backs too, at the table's own font on one line; then it follows the hold.
    void trainerStripNamesFaceDownCardsFollowsTheHoldAndJudgesOnlyWhileOn() {
        MemoryRegistryStore store;
        TableWindow table(&store);
        QVERIFY(showAndSignIn(table));
        const QRect strip(0, 200, 600, 27);
        table.setTrainer(true);
        // Seeded just before the deal, so that nothing before it can move the cards dealt.
        processRandomSequence().seed(11);
        QTest::keyClick(&table, Qt::Key_Return);
        QCOMPARE(table.round().state().phase, RoundPhase::Holding);
        const QImage dealt = grabClient(table).copy(strip);
        // The trainer judges once the advice is there.
        table.setShowStrategy(true);
        QTRY_VERIFY_WITH_TIMEOUT(grabClient(table).copy(strip) != dealt, 120000);
        table.setShowStrategy(false);

        PokerHand::Cards hand{};
        for (int window = 0; window < 5; ++window)
            hand[static_cast<std::size_t>(window)] = table.round().card(window);
        const test::ReferenceGame& game = test::referenceGame(GameType::StraightPoker);
        const test::ReferenceHolds holds = test::referenceHolds(game, cardsOnTable(table.round()));
        const auto yours = [&](unsigned h) {
            return QString::asprintf("; yours $%.2f",
                                     static_cast<double>(holds[h].paid(game, 1)) / holds[h].draws);
        };
        const auto ranked = referenceOrder(game, holds, 1);
        const unsigned best = ranked.front();
        // The worst hold that discards a card of the best one, which then shows its back.
        const auto lowest = std::find_if(ranked.rbegin(), ranked.rend(),
                                         [best](unsigned h) { return (best & ~h) != 0; });
        QVERIFY2(lowest != ranked.rend(), qPrintable(dealtText(cardsOnTable(table.round()))));
        const unsigned worst = *lowest;
        for (int window = 0; window < 5; ++window)
            if ((worst & (1u << window)) == 0)
                QTest::keyClick(&table, static_cast<Qt::Key>(Qt::Key_1 + window));
        QTest::keyClick(&table, Qt::Key_Return);
        QCOMPARE(table.round().state().phase, RoundPhase::Holding);

        const QString refused = table.trainerStripText();
        QVERIFY2(refused.startsWith(u"Best: hold "), qPrintable(refused));
        int faceDown = 0;
        for (int window = 0; window < 5; ++window) {
            if ((best & (1u << window)) == 0)
                continue;
            const Card& card = *hand[static_cast<std::size_t>(window)];
            QVERIFY2(refused.contains(cardText(deckIndexOf(card))), qPrintable(refused));
            faceDown += card.state == CardState::FaceDown ? 1 : 0;
        }
        QVERIFY(faceDown > 0);
        QVERIFY(refused.endsWith(yours(worst) + ". Redeal again to keep yours"));

        // One line of the table's 16-pixel font, as wide as that font makes it, in the strip.
        const QImage painted = grabClient(table);
        QRect inked;
        for (int y = strip.top(); y <= strip.bottom(); ++y)
            for (int x = strip.left(); x <= strip.right(); ++x)
                if (painted.pixel(x, y) == qRgb(0, 0, 0))
                    inked |= QRect(x, y, 1, 1);
        QVERIFY(inked.top() > strip.top() && inked.bottom() < strip.bottom());
        const QFontMetrics normal(tableFont(16));
        QVERIFY2(qAbs(inked.width() - normal.boundingRect(refused).width()) <= 8,
                 qPrintable(refused));

        // Drawn whole, it has no tooltip; drawn without its offer, as a larger font makes
        // it, the tooltip gives it whole.
        const QPoint onStrip = strip.center();
        QHelpEvent askTip(QEvent::ToolTip, onStrip, table.client()->mapToGlobal(onStrip));
        QApplication::sendEvent(table.client(), &askTip);
        QVERIFY(!QToolTip::isVisible());
        const QFont tableFontNow = table.client()->font();
        QFont larger = tableFontNow;
        larger.setPixelSize(24);
        table.client()->setFont(larger);
        QVERIFY(!table.trainerStripText().endsWith(u"keep yours"));
        QApplication::sendEvent(table.client(), &askTip);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), refused);
        QToolTip::hideText();
        table.client()->setFont(tableFontNow);

        // The widest names and amounts a refusal can have: whole, it is too wide for the
        // strip, and the strip leaves out the offer to redeal; that fits on one line.
        const DealtCards widest{jokerIndex, jokerIndex + 1, deckIndex(10, 3), deckIndex(10, 2),
                                deckIndex(10, 1)};
        HoldValues large;
        large.scaledPayoff.fill(99999000);
        large.scaledPayoff[holdAll] = 100000000;
        large.scale = 100000;
        const QString brief = QString::fromStdString(mistakeMessage(widest, large, 0b1111, false));
        QCOMPARE(brief, QStringLiteral("Best: hold Joker Joker 10\u2666 10\u2665 10\u2660 "
                                       "($1000.00); yours $999.99"));
        QVERIFY(normal.horizontalAdvance(QString::fromStdString(
                    mistakeMessage(widest, large, 0b1111, true))) > strip.width());
        QVERIFY(normal.horizontalAdvance(brief) <= strip.width());

        // A card held again: the strip says what the hold now taken is worth, and no more.
        const int toggled = std::countr_zero(best & ~worst);
        QTest::keyClick(&table, static_cast<Qt::Key>(Qt::Key_1 + toggled));
        const unsigned now = worst | (1u << toggled);
        QCOMPARE(table.trainerStripText(), refused.section(u';', 0, 0) + yours(now));

        // Pressed again with the hold refused, it draws. Off, the trainer lets the worst hold
        // through; another game is judged with that game's tables once they are built.
        QTest::keyClick(&table, static_cast<Qt::Key>(Qt::Key_1 + toggled));
        QTest::mouseClick(table.dealButton(), Qt::LeftButton);
        QCOMPARE(table.round().state().phase, RoundPhase::Over);
        table.onMenuSelect(analysisMenuId);
        const HandAnalysisWindow& window = *table.handAnalysis();
        // Deals, waits for the tables the trainer shares, holds the cards of the worst row
        // and presses Redeal.
        const auto redealTheWorst = [&] {
            table.round().onDealButton();
            QTRY_VERIFY_WITH_TIMEOUT(window.markedRow(), 120000);
            const DealtCards dealt = cardsOnTable(table.round());
            const QStringList kept = shownRows(window).last()[1].split(u' ');
            for (int at = 0; at < RoundFlow::cardWindowCount; ++at)
                if (!kept.contains(cardText(dealt[static_cast<std::size_t>(at)])))
                    table.round().onCardWindowPress(at);
            QTest::mouseClick(table.dealButton(), Qt::LeftButton);
        };
        table.setTrainer(false);
        redealTheWorst();
        QCOMPARE(table.round().state().phase, RoundPhase::Over);

        table.setTrainer(true);
        table.round().acceptOptions(GameType::JokersWildPoker, [] {});
        table.onMenuSelect(analysisMenuId);
        QCOMPARE(table.round().gameType(), GameType::JokersWildPoker);
        redealTheWorst();
        QCOMPARE(table.round().state().phase, RoundPhase::Holding);
    }
};

QTEST_MAIN(TableWindowTest)
#include "table_window_test.moc"
