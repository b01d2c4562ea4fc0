#include "about/about_dialog.h"
#include "about/about_picture.h"
#include "about/help_window.h"
#include "displays/framed_tab.h"
#include "displays_pixels.h"
#include "persist/game_frame_window.h"
#include "persist/sign_in_dialog.h"
#include "platform/memory_registry_store.h"
#include "tests/core/recording_output.h"
#include "wqgame/resource_module.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QToolTip>
#include <QtTest>

#include <tuple>

using namespace quintaro;

namespace {

test::RecordingOutput silent(0);

class Frame : public GameFrameWindow {
public:
    explicit Frame(RegistryStore& store, const QString& title = QStringLiteral("Frame Test"))
        : GameFrameWindow(title, QSize(600, 410), &store, &silent) {}
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
        QStringList texts{frame.helpMenu()->title()};
        for (QAction* item : items)
            texts << (item->isSeparator() ? QStringLiteral("-") : item->text());
        QCOMPARE(texts, (QStringList{"&Help", "&Contents", "&How to Play", "&Using Help", "-",
                                     "&Pop-up Help", "-", "&About Frame Test..."}));

        // The menu switches the mode (driven end to end); the mode can also change without
        // the menu, and opening the menu shows it as it is.
        QAction* popupHelp = items[4];
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
            frame.helpMenu()->actions()[position]->trigger();
            QVERIFY(frame.helpWindow() && frame.helpWindow()->isVisible());
            QCOMPARE(frame.helpWindow()->browser()->documentTitle(), QString::fromUtf8(title));
        }
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QTest::keyClick(&frame, Qt::Key_F1);
        QTextBrowser* browser = frame.helpWindow()->browser();
        QCOMPARE(browser->documentTitle(), QStringLiteral("Contents"));

        // Contents leads to every other page, and every link of every page leads to a page,
        // in English and in each translated folder, which holds the same pages and links.
        const auto linksOf = [](const QString& page) {
            QFile file(QStringLiteral(":/help/") + page);
            QStringList links;
            if (file.open(QIODevice::ReadOnly))
                for (const auto& link : QRegularExpression(QStringLiteral("href=\"([^\"]+)\""))
                                            .globalMatch(QString::fromUtf8(file.readAll())))
                    links << link.captured(1);
            return links;
        };
        QStringList pages = QDir(QStringLiteral(":/help")).entryList(QDir::Files);
        QCOMPARE(pages.size(), 12);
        QStringList listed = linksOf(QStringLiteral("contents.html"))
                             << QStringLiteral("contents.html");
        listed.sort();
        QCOMPARE(listed, pages);
        const QStringList languages = QDir(QStringLiteral(":/help")).entryList(QDir::Dirs);
        QCOMPARE(languages, (QStringList{"de", "es", "fr"}));
        for (const QString& folder : QStringList{QString()} + languages) {
            const QString prefix = folder.isEmpty() ? folder : folder + u'/';
            for (const QString& page : pages) {
                if (!folder.isEmpty())
                    QCOMPARE(linksOf(prefix + page), linksOf(page));
                for (const QString& link : linksOf(prefix + page)) {
                    browser->setSource(QUrl(QStringLiteral("qrc:/help/") + prefix + link));
                    QVERIFY2(pages.contains(link) && !browser->documentTitle().isEmpty(),
                             qPrintable(prefix + page + " -> " + link));
                }
            }
        }
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

    // The test runs on two screens (see CMakeLists.txt): "left", 800 x 600 at (0, 0), and "right",
    // 1024 x 768 at (800, 0) drawn at twice the pixels; both are 32 bits deep. On either the
    // box opens on its first page, centred on the table's screen, and its system page
    // describes that screen.
    void theAboutBoxOpensOnItsFirstPageAndDescribesTheTablesScreen() {
        QCOMPARE(QGuiApplication::screens().size(), 2);
        // This machine's name as its os-release file gives it.
        QString prettyName;
        QFile release(QStringLiteral("/etc/os-release"));
        QVERIFY(release.open(QIODevice::ReadOnly));
        for (const QByteArray& line : release.readAll().split('\n'))
            if (line.startsWith("PRETTY_NAME="))
                prettyName = QString::fromUtf8(line.mid(12)).remove(u'"');
        QVERIFY(!prettyName.isEmpty());

        MemoryRegistryStore store;
        for (const auto& [left, ratio, resolution, screenLeft, screenWidth, screenHeight] :
             {std::tuple(100, 1, "800 X 600", 0, 800, 600),
              std::tuple(1000, 2, "2048 X 1536", 800, 1024, 768)}) {
            Frame frame(store, QStringLiteral("Quintaro"));
            frame.move(left, 50);
            frame.show();
            QVERIFY(QTest::qWaitForWindowExposed(&frame));
            QString system;
            QPoint placed;
            QSize size;
            QImage shown;
            // Per tab: selected, name, version and OK shown, and what its page shows.
            QStringList seen;
            QTimer::singleShot(0, [&] {
                auto* dialog = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
                if (dialog == nullptr)
                    return;
                system = dialog->fixedText(1)->text();
                placed = dialog->pos();
                size = dialog->size();
                shown = dialog->grab().toImage().convertToFormat(QImage::Format_RGB32);
                for (int tab : {1, 2, 3, 4}) {
                    QTest::mouseClick(dialog->tab(tab), Qt::LeftButton);
                    QString line = QString::number(tab) + u':';
                    line += dialog->tab(tab)->isSelected() ? u'S' : u'-';
                    for (int text : {2, 3})
                        if (dialog->fixedText(text)->isVisible())
                            line += u' ' + dialog->fixedText(text)->text();
                    line += dialog->okButton()->isVisible() ? QStringLiteral(" OK") : QString();
                    for (int picture : {5, 6, 7})
                        if (dialog->picture(picture)->isVisible())
                            line += QStringLiteral(" p%1").arg(picture);
                    for (int text : {1, 4, 5, 6})
                        if (dialog->fixedText(text)->isVisible())
                            line += QStringLiteral(" t%1").arg(text);
                    seen << line;
                }
                dialog->okButton()->click();
            });
            frame.onHelpMenuSelect(6);
            QCOMPARE(frame.notifications, (std::vector<bool>{true, false}));
            QCOMPARE(seen, (QStringList{"1:S Quintaro Version 1.0 OK p7",
                                        "2:S Quintaro Version 1.0 OK p5",
                                        "3:S Quintaro Version 1.0 OK p6 t4 t5 t6",
                                        "4:S Quintaro Version 1.0 OK t1"}));

            // Opened on the first page: the welcome picture is drawn whole at its place, from
            // the library's picture for the screen's ratio.
            const QImage welcome = test::library(1116, ratio);
            QVERIFY(!welcome.isNull());
            for (const QPoint p : {QPoint(0, 0), QPoint(200, 150), QPoint(439, 299)})
                QCOMPARE(shown.pixel((QPoint(20, 36) + p) * ratio), welcome.pixel(p * ratio));

            // The system's own name and version, the display system, the screen in device
            // pixels, and a deep screen's colour count.
            QCOMPARE(system, QStringLiteral("1,024 kb memory free\n\n%1\n\nDisplay driver - "
                                            "OFFSCREEN\n\n%2 Resolution\n\n65535 Colors")
                                 .arg(prettyName, QString::fromLatin1(resolution)));

            // Centred on the table's screen, halves rounded toward zero.
            QCOMPARE(placed, QPoint(screenLeft + (screenWidth - size.width()) / 2,
                                    (screenHeight - size.height()) / 2));
        }
    }
};

QTEST_MAIN(HelpMenuTest)
#include "help_menu_test.moc"
