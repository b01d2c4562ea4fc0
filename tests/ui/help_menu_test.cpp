#include "about/help_window.h"
#include "persist/game_frame_window.h"
#include "persist/sign_in_dialog.h"
#include "platform/memory_registry_store.h"
#include "wqgame/resource_module.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
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

SilentOutput silent;

class Frame : public GameFrameWindow {
public:
    explicit Frame(RegistryStore& store)
        : GameFrameWindow(QStringLiteral("Frame Test"), QSize(600, 410), &store, &silent) {}
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

    void theMenuStaysLastAndItsEntriesDoWhatTheirPositionsSay() {
        MemoryRegistryStore store;
        Frame frame(store);
        QMenu* game = frame.menuBar()->addMenu(QStringLiteral("&Game"));
        QCOMPARE(frame.menuBar()->actions(),
                 (QList<QAction*>{game->menuAction(), frame.helpMenu()->menuAction()}));
        const QList<QAction*> items = frame.helpMenu()->actions();
        QCOMPARE(items.size(), 7);
        QCOMPARE(items[6]->text().mid(7, 10), QStringLiteral("Frame Test"));

        QAction* popupHelp = items[4];
        popupHelp->trigger();
        QVERIFY(frame.popupHelpMode() && popupHelp->isChecked());
        popupHelp->trigger();
        QVERIFY(!frame.popupHelpMode() && !popupHelp->isChecked());
        // The mode can change without the menu; opening the menu shows it as it is.
        frame.setPopupHelpMode(true);
        popupHelp->setChecked(false);
        Q_EMIT frame.helpMenu()->aboutToShow();
        QVERIFY(popupHelp->isChecked());

        // A stray About box would block here; close it so the checks below can fail.
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
        Frame frame(store);
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        for (const auto& [position, title] : {std::pair{1, "How to Play"}, {2, "Using Help"}}) {
            frame.onHelpMenuSelect(position);
            QVERIFY(frame.helpWindow()->isVisible());
            QCOMPARE(frame.helpWindow()->browser()->documentTitle(), QString::fromUtf8(title));
        }
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QTest::keyClick(&frame, Qt::Key_F1);
        QTextBrowser* browser = frame.helpWindow()->browser();
        QCOMPARE(browser->documentTitle(), QStringLiteral("Contents"));

        // Every page the contents lead to is there.
        QFile contents(QStringLiteral(":/help/contents.html"));
        QVERIFY(contents.open(QIODevice::ReadOnly));
        int pages = 0;
        for (const auto& link : QRegularExpression(QStringLiteral("href=\"([^\"]+)\""))
                                    .globalMatch(QString::fromUtf8(contents.readAll()))) {
            browser->setSource(QUrl(QStringLiteral("qrc:/help/") + link.captured(1)));
            QVERIFY2(!browser->documentTitle().isEmpty(), qPrintable(link.captured(1)));
            ++pages;
        }
        QCOMPARE(pages, 7);
        // The games page carries the pay tables, Jokers Wild's $5 bonus among them.
        browser->setSource(QUrl(QStringLiteral("qrc:/help/games.html")));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("$4700")));
    }

    // The table's own controls are driven end to end; here the menus and other windows.
    void helpTextsPopUpInMenusAndDialogsOnlyWhileTheModeIsOn() {
        MemoryRegistryStore store;
        Frame frame(store);
        SignInDialog signIn(&frame, QString());
        frame.show();
        signIn.show();
        QVERIFY(restOn(signIn.nameEdit(), QPoint(5, 5)).isEmpty());
        frame.setPopupHelpMode(true);
        QVERIFY(restOn(signIn.nameEdit(), QPoint(5, 5))
                    .contains(QStringLiteral("It will be used for the high score")));

        QMenu menu;
        QAction* item = menu.addAction(QStringLiteral("&New"));
        item->setWhatsThis(QStringLiteral("Starts a new game."));
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
