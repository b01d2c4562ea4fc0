#include "platform/memory_registry_store.h"
#include "trainer/statistics_dialog.h"
#include "trainer/trainer_statistics.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace quintaro;

namespace {

const std::string statisticsKey = "SOFTWARE\\Varden\\Parlorset\\Quintaro\\Statistics";

// Answers the next question box with `button` once it runs; sets `answered` then.
void answerWhenAsked(QMessageBox::StandardButton button, bool& answered) {
    answered = false;
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, button, &answered] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->button(button)->click();
            answered = true;
            poll->deleteLater();
        }
    });
    poll->start(10);
}

} // namespace

class StatisticsDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Two hands of Deuces Wild stored from before, one more this session: the pages show
    // each column in the table's dollars, and Reset empties only the page shown, if asked.
    void pagesShowBothColumnsAndResetAsks() {
        MemoryRegistryStore store;
        const std::int64_t scale = valueScale(GameType::DeucesWildPoker);
        store.writeValue(statisticsKey, "Hands_2", "2");
        store.writeValue(statisticsKey, "Bet_2", "10");
        store.writeValue(statisticsKey, "Paid_2", "5");
        store.writeValue(statisticsKey, "Expected_2", std::to_string(9 * scale));
        store.writeValue(statisticsKey, "Hands_0", "4");
        TrainerStatistics statistics(store, "Quintaro");
        // Made-up worths at $5: the 3 kept for $0.25 where the four kings are worth $1.25.
        const CardDeck deck(false);
        const PokerHand::Cards dealt{deck.card(41), deck.card(12), deck.card(38), deck.card(25),
                                     deck.card(51)};
        JudgedRedeal judged{0b00001, 0b11110, scale / 4, 5 * scale / 4, scale, 2, 1, 1, 5};
        statistics.record(GameType::DeucesWildPoker, judged, dealt, 5);

        StatisticsDialog dialog(statistics, GameType::DeucesWildPoker, nullptr);
        QTabWidget* pages = dialog.pages();
        QCOMPARE(pages->count(), 3);
        QCOMPARE(pages->tabText(0), QStringLiteral("Straight Poker"));
        QCOMPARE(pages->tabText(2), QStringLiteral("Deuces Wild Poker"));
        QCOMPARE(pages->currentIndex(), 2);
        const auto row = [&](int page, int r) {
            return QStringList{dialog.cell(page, r, 0), dialog.cell(page, r, 1),
                               dialog.cell(page, r, 2)};
        };
        QCOMPARE(row(2, 0), (QStringList{"", "This session", "All time"}));
        QCOMPARE(row(2, 1), (QStringList{"Hands played", "1", "3"}));
        QCOMPARE(row(2, 2), (QStringList{"Total bet", "$5", "$15"}));
        QCOMPARE(row(2, 3), (QStringList{"Total paid", "$1", "$6"}));
        QCOMPARE(row(2, 4), (QStringList{"Return", "20.00%", "40.00%"}));
        QCOMPARE(row(2, 5), (QStringList{"Expected return of your holds", "5.00%", "61.67%"}));
        QCOMPARE(row(2, 9), (QStringList{"Cost of mistakes", "$1.00", "$1.00"}));
        QCOMPARE(row(2, 10), (QStringList{"Cost in % of the total bet", "20.00%", "6.67%"}));
        QCOMPARE(row(2, 11),
                 (QStringList{"Costliest mistake", "3♦ K♣ K♥ K♠ K♦", "3♦ K♣ K♥ K♠ K♦"}));
        QCOMPARE(row(2, 12), (QStringList{"    Hold taken", "hold 3 ($0.25)", "hold 3 ($0.25)"}));
        QCOMPARE(row(2, 13).at(1), QStringLiteral("hold K K K K ($1.25)"));
        QCOMPARE(row(2, 14), (QStringList{"Pay lines hit (yours / best play)", "", ""}));
        QCOMPARE(row(2, 15).at(1), QStringLiteral("0 / 0"));
        QCOMPARE(row(2, 16).at(1), QStringLiteral("0 / 1"));
        QCOMPARE(row(2, 17).at(2), QStringLiteral("1 / 0"));
        QCOMPARE(row(0, 1), (QStringList{"Hands played", "0", "4"}));
        QCOMPARE(row(0, 4), (QStringList{"Return", "-", "-"})); // no bet stored

        // The reset is reachable by its mnemonic; No keeps everything.
        QCOMPARE(dialog.resetButton()->text(), QStringLiteral("&Reset..."));
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        bool answered = false;
        answerWhenAsked(QMessageBox::No, answered);
        QTest::keyClick(&dialog, Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(answered);
        QCOMPARE(row(2, 1), (QStringList{"Hands played", "1", "3"}));
        QCOMPARE(store.values(statisticsKey).at("Hands_2"), std::string("2"));
        answerWhenAsked(QMessageBox::Yes, answered);
        dialog.resetButton()->click();
        QVERIFY(answered);
        QCOMPARE(row(2, 1), (QStringList{"Hands played", "0", "0"}));
        QCOMPARE(store.values(statisticsKey).count("Hands_2"), 0u);
        QCOMPARE(store.values(statisticsKey).at("Hands_0"), std::string("4"));
        QCOMPARE(row(0, 1), (QStringList{"Hands played", "0", "4"}));
    }
};

QTEST_MAIN(StatisticsDialogTest)
#include "statistics_dialog_test.moc"
