#include "analysis/deck_index.h"
#include "analysis/hold_outcomes.h"
#include "app/hand_analysis_window.h"
#include "app/table_window.h"
#include "dark_theme.h"
#include "platform/memory_registry_store.h"
#include "poker/random_sequence.h"
#include "wqgame/resource_module.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTreeWidget>
#include <QtTest>

using namespace quintaro;

namespace {

constexpr int analysisMenuId = 18;
const QString working = QStringLiteral("Working out the chances of every draw...");

bool showAndSignIn(TableWindow& table) {
    table.show();
    if (!QTest::qWaitForWindowActive(&table))
        return false;
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->findChild<QLineEdit*>()->setText(QStringLiteral("Ann"));
        dialog->accept();
    });
    table.startFirstGame();
    return true;
}

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

// The rows the core gives for the deal: the mark, the kept cards, the expected payoff and
// the chance of each line.
QList<QStringList> coreRows(const DrawTables& tables, const DealtCards& dealt, int bet,
                            unsigned hold) {
    QList<QStringList> rows;
    for (const HoldOutcome& outcome : holdOutcomes(tables, dealt, bet)) {
        QStringList texts{outcome.hold == hold ? QStringLiteral("\u25B6") : QString(),
                          QString::fromStdString(keptCardsText(dealt, outcome.hold)),
                          QString::asprintf("$%.2f", outcome.expectedPayoff)};
        for (int line = 0; line < tables.lineCount(); ++line)
            texts << QString::fromStdString(
                percentText(outcome.drawsWinning[static_cast<std::size_t>(line)], outcome.draws));
        rows << texts;
    }
    return rows;
}

bool markedRowInSight(const HandAnalysisWindow& window) {
    const QTreeWidget& rows = *window.rows();
    const QRect row = rows.visualItemRect(rows.topLevelItem(*window.markedRow()));
    return row.top() >= 0 && row.bottom() < rows.viewport()->height();
}

void expectReadable(HandAnalysisWindow& window) {
    const QImage image = window.grab().toImage();
    QVERIFY(test::inkContrast(image, window.summary()->geometry(),
                              window.palette().color(QPalette::Window)) >= test::readableContrast);
    const QTreeWidget& rows = *window.rows();
    // The marked row is in sight, in bold.
    const QRect cell = rows.visualItemRect(rows.topLevelItem(*window.markedRow()))
                           .translated(rows.viewport()->mapTo(&window, QPoint()));
    QVERIFY(test::inkContrast(image, cell, rows.palette().color(QPalette::Base)) >=
            test::readableContrast);
}

} // namespace

class HandAnalysisWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(wqgame::openLibrary(&error), qPrintable(error));
        processRandomSequence().seed(5);
    }

    // Under a dark desktop theme, as every text must stay readable there.
    void followsDealsHoldsAndGamesOnlyWhileOpen() {
        test::DarkTheme dark;
        MemoryRegistryStore store;
        TableWindow table(&store);
        QVERIFY(showAndSignIn(table));
        table.round().onPaylinePress(1);
        QTest::keyClick(&table, Qt::Key_Return);
        QVERIFY(table.handAnalysis() == nullptr); // never opened: nothing there to work

        table.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&table));
        QTest::keyClick(&table, Qt::Key_G, Qt::AltModifier);
        QVERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_A);
        HandAnalysisWindow* window = table.handAnalysis();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->summary()->text(), working);
        QTRY_VERIFY_WITH_TIMEOUT(window->markedRow(), 120000);

        const DrawTables tables(GameType::StraightPoker);
        const DealtCards first = cardsOnTable(table.round());
        QCOMPARE(shownRows(*window), coreRows(tables, first, 2, holdAll));
        QCOMPARE(window->rows()->headerItem()->text(9), QStringLiteral("Three of\na Kind"));
        QCOMPARE(window->rows()->headerItem()->text(11), QStringLiteral("Pair\n(Jacks or better)"));
        QVERIFY(window->summary()->text().contains(
            QString::fromStdString(keptCardsText(first, holdAll)) + " at a bet of $2"));
        expectReadable(*window);

        // Toggles move the mark and bring it into sight, and leave the table active; the
        // redeal leaves the deal in place.
        table.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&table));
        for (Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_2})
            QTest::keyClick(&table, key);
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::activeWindow(), &table);
        QCOMPARE(shownRows(*window), coreRows(tables, first, 2, 0b10010));
        QVERIFY(markedRowInSight(*window));
        QTest::keyClick(&table, Qt::Key_Return);
        QCOMPARE(shownRows(*window), coreRows(tables, first, 2, 0b10010));

        // Keys scroll the list and Escape closes it; closed, it lets the next deal pass.
        const QScrollBar& bar = *window->rows()->verticalScrollBar();
        QTest::keyClick(window->rows(), Qt::Key_Home);
        QCOMPARE(bar.value(), 0);
        QTest::keyClick(window->rows(), Qt::Key_PageDown);
        QVERIFY(bar.value() > 0);
        QTest::keyClick(window->rows(), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        table.round().onDealButton();
        QCOMPARE(shownRows(*window), coreRows(tables, first, 2, 0b10010));
        table.onMenuSelect(analysisMenuId);
        const DealtCards second = cardsOnTable(table.round());
        QVERIFY(second != first);
        QCOMPARE(shownRows(*window), coreRows(tables, second, 2, holdAll));

        // Another game has its own lines, and nothing dealt until its first deal.
        table.round().acceptOptions(GameType::JokersWildPoker, [] {});
        QVERIFY(window->summary()->text().startsWith(u"No cards"));
        QCOMPARE(window->rows()->topLevelItemCount(), 0);
        table.onMenuSelect(analysisMenuId);
        table.round().onDealButton();
        QTRY_VERIFY_WITH_TIMEOUT(window->markedRow(), 120000);
        QCOMPARE(window->rows()->columnCount(), 3 + payTable(GameType::JokersWildPoker).lineCount);
    }
};

QTEST_MAIN(HandAnalysisWindowTest)
#include "hand_analysis_window_test.moc"
