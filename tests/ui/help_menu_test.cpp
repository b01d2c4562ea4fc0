#include "about/help_window.h"
#include "persist/game_frame_window.h"
#include "persist/sign_in_dialog.h"
#include "platform/memory_registry_store.h"
#include "wqgame/resource_module.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QToolTip>
#include <QtTest>

using namespace quintaro;

namespace {

class SilentOutput : public SoundOutput {
public:
    int deviceCount() const override { return 0; }
    void play(const std::string&) override {}
};

class Frame : public GameFrameWindow {
public:
    Frame(RegistryStore& store, SoundOutput& output)
        : GameFrameWindow(QStringLiteral("Frame Test"), QSize(600, 410), &store, &output) {}
    std::vector<bool> notifications;

protected:
    void modalNotification(bool entering) override { notifications.push_back(entering); }
};

// What a pointer resting on `widget` at `pos` brings up: the tooltip's text, or nothing.
QString restOn(QWidget* widget, QPoint pos) {
    // A tooltip goes away a moment after it is told to.
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
        return QStringLiteral("a tooltip that stays");
    QHelpEvent event(QEvent::ToolTip, pos, widget->mapToGlobal(pos));
    QApplication::sendEvent(widget, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

} // namespace

class HelpMenuTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(wqgame::openLibrary(&error), qPrintable(error));
    }

    void theHelpMenuStaysLastAndNamesTheProgramInItsAboutEntry() {
        MemoryRegistryStore store;
        SilentOutput output;
        Frame frame(store, output);
        QMenu* game = frame.menuBar()->addMenu(QStringLiteral("&Game"));
        const QList<QAction*> bar = frame.menuBar()->actions();
        QCOMPARE(bar.size(), 2);
        QCOMPARE(bar[0], game->menuAction());
        QCOMPARE(bar[1], frame.helpMenu()->menuAction());

        const QList<QAction*> items = frame.helpMenu()->actions();
        QCOMPARE(items.size(), 7);
        QVERIFY(items[3]->isSeparator() && items[5]->isSeparator());
        QCOMPARE(items[6]->text().mid(7, 10), QStringLiteral("Frame Test"));
        QVERIFY(items[6]->text().size() > 17);
    }

    void positionFourSwitchesThePopupHelpAndTheCheckMarkFollows() {
        MemoryRegistryStore store;
        SilentOutput output;
        Frame frame(store, output);
        QAction* item = frame.helpMenu()->actions()[4];
        QVERIFY(item->isCheckable());

        item->trigger();
        QVERIFY(frame.popupHelpMode());
        QVERIFY(item->isChecked());
        item->trigger();
        QVERIFY(!frame.popupHelpMode());
        QVERIFY(!item->isChecked());

        // The mode can change without the menu; opening the menu shows it as it is.
        frame.setPopupHelpMode(true);
        item->setChecked(false);
        Q_EMIT frame.helpMenu()->aboutToShow();
        QVERIFY(item->isChecked());

        // A stray About box would block here; close it so the check below can fail.
        QTimer guard;
        connect(&guard, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        guard.start(100);
        for (int position : {3, 5, 7, -1})
            frame.onHelpMenuSelect(position);
        QVERIFY(frame.popupHelpMode());
        QVERIFY(frame.helpWindow() == nullptr);
        QVERIFY(frame.notifications.empty());
    }

    void helpTopicsAndF1OpenTheirPages() {
        MemoryRegistryStore store;
        SilentOutput output;
        Frame frame(store, output);
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));

        const std::pair<int, const char*> topics[] = {
            {1, "How to Play"}, {2, "Using Help"}, {0, "Contents"}};
        for (const auto& [position, title] : topics) {
            frame.onHelpMenuSelect(position);
            QVERIFY(frame.helpWindow()->isVisible());
            QCOMPARE(frame.helpWindow()->browser()->documentTitle(), QString::fromUtf8(title));
        }
        frame.helpWindow()->browser()->setSource(QUrl(QStringLiteral("qrc:/help/keys.html")));
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QTest::keyClick(&frame, Qt::Key_F1);
        QCOMPARE(frame.helpWindow()->browser()->documentTitle(), QStringLiteral("Contents"));

        // Every page the contents lead to is there.
        QFile contents(QStringLiteral(":/help/contents.html"));
        QVERIFY(contents.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(contents.readAll());
        int pages = 0;
        for (const auto& link :
             QRegularExpression(QStringLiteral("href=\"([^\"]+)\"")).globalMatch(html)) {
            QTextBrowser* browser = frame.helpWindow()->browser();
            browser->setSource(QUrl(QStringLiteral("qrc:/help/") + link.captured(1)));
            QVERIFY2(!browser->documentTitle().isEmpty(), qPrintable(link.captured(1)));
            ++pages;
        }
        QCOMPARE(pages, 7);

        // The games page carries the pay tables, Jokers Wild's $5 bonus among them.
        frame.helpWindow()->browser()->setSource(QUrl(QStringLiteral("qrc:/help/games.html")));
        const QString games = frame.helpWindow()->browser()->toPlainText();
        QVERIFY(games.contains(QStringLiteral("Royal Flush (No Wilds)")));
        QVERIFY(games.contains(QStringLiteral("$4700")));
    }

    void helpTextsPopUpOnlyWhileTheModeIsOn() {
        MemoryRegistryStore store;
        SilentOutput output;
        Frame frame(store, output);
        frame.client()->setWhatsThis(QStringLiteral("The table."));
        auto* button = new QPushButton(QStringLiteral("Deal"), frame.client());
        button->setGeometry(240, 370, 120, 32);
        button->setWhatsThis(QStringLiteral("Deals the cards."));
        auto* plain = new QWidget(frame.client());
        plain->setGeometry(0, 0, 50, 50);
        QMenu menu;
        QAction* item = menu.addAction(QStringLiteral("&New"));
        item->setWhatsThis(QStringLiteral("Starts a new game."));
        SignInDialog signIn(&frame, QString());
        frame.show();
        signIn.show();

        QVERIFY(restOn(button, QPoint(5, 5)).isEmpty());
        frame.setPopupHelpMode(true);
        QVERIFY(restOn(button, QPoint(5, 5)).contains(QStringLiteral("Deals the cards.")));
        QVERIFY(restOn(plain, QPoint(5, 5)).contains(QStringLiteral("The table.")));
        QVERIFY(restOn(signIn.nameEdit(), QPoint(5, 5))
                    .contains(QStringLiteral("It will be used for the high score")));
        menu.popup(frame.mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QVERIFY(restOn(&menu, menu.actionGeometry(item).center())
                    .contains(QStringLiteral("Starts a new game.")));
        menu.close();

        frame.setPopupHelpMode(false);
        QTRY_VERIFY(!QToolTip::isVisible());
        QVERIFY(restOn(signIn.nameEdit(), QPoint(5, 5)).isEmpty());
    }
};

QTEST_MAIN(HelpMenuTest)
#include "help_menu_test.moc"
