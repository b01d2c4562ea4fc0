#include "app/table_announcer.h"
#include "app/table_window.h"
#include "cards/card_window.h"
#include "displays/accessibility_events.h"
#include "displays/hand_names_window.h"
#include "platform/memory_registry_store.h"
#include "tests/core/recording_output.h"
#include "tests/ui/dark_theme.h"
#include "wqgame/resource_module.h"

#include <QAccessible>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <cmath>

using namespace quintaro;

namespace {

using test::RecordingOutput;

// What an assistive technology was told: the event, and the part's role and name then.
struct Told {
    QAccessible::Event type;
    QAccessible::Role role;
    QObject* object;
    QString name;
};
std::vector<Told> told;

void record(QAccessibleEvent* event) {
    QAccessibleInterface* part = event->accessibleInterface();
    told.push_back({event->type(), part ? part->role() : QAccessible::NoRole, event->object(),
                    part ? part->text(QAccessible::Name) : QString()});
}

QStringList announced() {
    QStringList texts;
    for (const Told& t : told)
        if (t.type == QAccessible::NameChanged && t.role == QAccessible::Notification)
            texts << t.name;
    return texts;
}

// The contrast ratio of two colours as the web's accessibility guidelines define it, from
// 1 for the same luminance to 21 for black on white.
double contrastRatio(QRgb one, QRgb other) {
    const auto luminance = [](QRgb rgb) {
        const auto linear = [](int channel) {
            const double c = channel / 255.0;
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) +
               0.0722 * linear(qBlue(rgb));
    };
    const double a = luminance(one);
    const double b = luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// Shows the table, turns accessibility on as the platform's bridge does when a screen
// reader starts, and starts the first game for the player Ann.
bool showAndSignIn(TableWindow& table) {
    QAccessible::setActive(true);
    table.show();
    if (!QTest::qWaitForWindowExposed(&table))
        return false;
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->findChild<QLineEdit*>()->setText(QStringLiteral("Ann"));
        dialog->accept();
    });
    table.startFirstGame();
    QCoreApplication::processEvents();
    return true;
}

} // namespace

class TableAccessibilityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(wqgame::openLibrary(&error), qPrintable(error));
        setAccessibilityEventSink(record);
    }

    // A hint still being worked out at the deal is told once, when it is ready. At 300 %
    // under a dark theme, focus shows all round each part: within four points of every
    // edge point some pixel changes with the 3:1 contrast a focus indicator needs.
    void aLateHintIsToldOnceAndFocusShowsAllRoundAtThreeTimesUnderADarkTheme() {
        const test::DarkTheme theme;
        MemoryRegistryStore store;
        TableWindow table(&store);
        QVERIFY(showAndSignIn(table));
        table.setShowStrategy(true);
        told.clear();
        table.dealButton()->click();
        QCoreApplication::processEvents();
        QVERIFY2(table.stripText().empty(), "the advice was ready at the deal");
        QTRY_VERIFY_WITH_TIMEOUT(!table.stripText().empty(), 120000);
        const QString hint = QString::fromStdString(table.stripText());
        QTRY_COMPARE(announced().count(hint), 1);
        QTest::qWait(100);
        QCOMPARE(announced(), QStringList{hint});

        table.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&table));
        constexpr int ratio = 3;
        constexpr int depth = 4 * ratio;
        const auto render = [&table] {
            QImage image(table.client()->size() * ratio, QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            table.client()->render(&image);
            return image;
        };
        for (QWidget* part : std::initializer_list<QWidget*>{
                 table.cardWindow(2), table.dealButton(), table.handNamesWindow()}) {
            QApplication::focusWidget()->clearFocus();
            const QImage unfocused = render();
            part->previousInFocusChain()->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), part);
            const QImage focused = render();
            const QRect edge(part->geometry().topLeft() * ratio, part->size() * ratio);
            // Whether some pixel of the `depth` pixels in from `at` along `inward` stands out.
            const auto seen = [&](QPoint at, QPoint inward) {
                for (int i = 0; i < depth; ++i, at += inward)
                    if (contrastRatio(unfocused.pixel(at), focused.pixel(at)) >= 3)
                        return true;
                return false;
            };
            QStringList unseen;
            for (int x = edge.left() + depth; x <= edge.right() - depth; ++x)
                if (!seen({x, edge.top()}, {0, 1}) || !seen({x, edge.bottom()}, {0, -1}))
                    unseen << QStringLiteral("top or bottom at %1").arg(x);
            for (int y = edge.top() + depth; y <= edge.bottom() - depth; ++y)
                if (!seen({edge.left(), y}, {1, 0}) || !seen({edge.right(), y}, {-1, 0}))
                    unseen << QStringLiteral("left or right at %1").arg(y);
            QVERIFY2(unseen.isEmpty(), qPrintable(QLatin1String(part->metaObject()->className()) +
                                                  u' ' + unseen.join(u',').left(200)));
        }
    }

    // What the end-to-end screen reader test does not hear: a card's refused toggle, and the
    // bet set by + and - (between hands, $1 to $5) and the balance told. Tab walks every
    // part, and a focused card's frame is gone again with the focus.
    void keysStepTheBetAndReachEveryPartAndWhatTheyChangeIsTold() {
        MemoryRegistryStore store;
        RecordingOutput output;
        TableWindow table(&store, &output);
        QVERIFY(showAndSignIn(table));
        output.played.clear();
        QAccessible::queryAccessibleInterface(table.cardWindow(0))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(output.played, std::vector<std::string>{"error_beep.wav"});

        told.clear();
        QTest::keyClick(&table, Qt::Key_Minus);
        QTest::keyClick(&table, Qt::Key_Plus);
        QTest::keyClick(&table, Qt::Key_Plus, Qt::KeypadModifier);
        QCoreApplication::processEvents();
        QVERIFY(std::any_of(told.begin(), told.end(), [&](const Told& t) {
            return t.object == table.handNamesWindow() && t.type == QAccessible::SelectionWithin;
        }));
        QCOMPARE(announced().last(), QStringLiteral("Bet $3"));
        QTest::keyClick(&table, Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(table.round().bet(), 2);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(&table, Qt::Key_Plus);
        QCOMPARE(table.round().bet(), 5);
        table.dealButton()->click();
        QCoreApplication::processEvents();
        QVERIFY(std::any_of(told.begin(), told.end(), [](const Told& t) {
            return t.type == QAccessible::NameChanged && t.name == "Balance $95";
        }));
        QTest::keyClick(&table, Qt::Key_Minus);
        QCOMPARE(table.round().bet(), 5);
        QCOMPARE(output.played,
                 (std::vector<std::string>{"error_beep.wav", "error_beep.wav", "slotcoin.wav",
                                           "slotcoin.wav", "slotcoin.wav", "slotcoin.wav",
                                           "slotcoin.wav", "slotcoin.wav", "error_beep.wav",
                                           "cardshuf.wav", "error_beep.wav"}));

        table.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&table));
        QCOMPARE(QApplication::focusWidget(), table.dealButton());
        // The cards' captions and the pay table; the Deal button draws its own focus.
        const auto look = [&table] {
            const QRect cards = table.cardWindow(0)->geometry() | table.cardWindow(4)->geometry();
            return std::pair{table.client()->grab(cards).toImage(),
                             table.client()->grab(table.handNamesWindow()->geometry()).toImage()};
        };
        const auto unfocused = look();
        table.cardWindow(0)->setFocus(Qt::TabFocusReason);
        for (QWidget* next : std::initializer_list<QWidget*>{
                 table.cardWindow(1), table.cardWindow(2), table.cardWindow(3), table.cardWindow(4),
                 table.dealButton(), table.handNamesWindow()}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        table.dealButton()->setFocus();
        QVERIFY(look() == unfocused);
    }
};

QTEST_MAIN(TableAccessibilityTest)
#include "table_accessibility_test.moc"
