#include "about/about_dialog.h"
#include "about/about_picture.h"
#include "about/help_window.h"
#include "dialog_probes.h"
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
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTextBrowser>
#include <QToolTip>
#include <QtTest>

#include <functional>
#include <tuple>

using namespace quintaro;

namespace {

const std::string settingsPath = "SOFTWARE\\Varden\\Parlorset\\Frame Test";

test::RecordingOutput silent(0);

// A frame that keeps the modal notifications it is given.
class Frame : public GameFrameWindow {
public:
    explicit Frame(RegistryStore& store, SoundOutput& output = silent,
                   const QString& title = QStringLiteral("Frame Test"))
        : GameFrameWindow(title, QSize(600, 410), &store, &output) {}
    std::vector<bool> notifications;

protected:
    void modalNotification(bool entering) override { notifications.push_back(entering); }
};

QImage paintedClient(GameFrameWindow& frame, const QRect& rect, qreal ratio = 1.0) {
    QImage image(QSize(600, 410) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    frame.paintBackground(painter, rect);
    return image;
}

const QRgb white = qRgb(0xFF, 0xFF, 0xFF);
const QRgb red = qRgb(0xFF, 0x00, 0x00);

// Pixels painted for the damaged rectangle (10, 12) to (39, 31) that are not `fill` inside
// it or untouched outside it.
int wrongPixels(GameFrameWindow& frame, const std::function<QRgb(QPoint)>& fill) {
    const QRect damaged(10, 12, 30, 20);
    const QImage image = paintedClient(frame, damaged);
    int wrong = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            wrong += image.pixel(x, y) != (damaged.contains(x, y) ? fill({x, y}) : white);
    return wrong;
}

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

// The test runs on two screens (see CMakeLists.txt): "left", 800 x 600 at (0, 0), and
// "right", 1024 x 768 at (800, 0) drawn at twice the pixels; both are 32 bits deep.
class GameFrameWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(wqgame::openLibrary(&error), qPrintable(error));
    }

    void startPlaysAtConstructionAndExitOnTheCloseRequest() {
        MemoryRegistryStore store;
        store.writeValue(settingsPath, "Sound0", "Frame Test Exit,/sounds/bye.wav");
        store.writeValue(settingsPath, "Sound1", "Frame Test Start,hello.wav");
        {
            test::RecordingOutput output(2);
            Frame frame(store, output);
            QCOMPARE(output.played, std::vector<std::string>{"hello.wav"});
            frame.show();
            QVERIFY(frame.close());
            QCOMPARE(output.played, (std::vector<std::string>{"hello.wav", "/sounds/bye.wav"}));
        }
        Frame frame(store);
        frame.show();
        frame.close();
        QVERIFY(silent.played.empty());
    }

    // The default background is the library's felt, laid in device pixels: at 2 the
    // library's 2x tile itself, at 1.5 a tile of 1.5 x 128 pixels made from it. Every
    // device pixel, across every tile edge, is the tile's own pixel at that place. A colour
    // fills a damaged rectangle evenly; a picture fills it with tiles laid from the client's
    // origin. Nothing outside the rectangle is painted.
    void theBackgroundMeetsWithoutGapsAndFillsExactlyTheDamagedRectangle() {
        const QImage felt = test::library(1100), felt2x = test::library(1100, 2);
        MemoryRegistryStore store;
        Frame frame(store);
        QCOMPARE(frame.background(), 16);
        for (qreal ratio : {1.0, 2.0, 1.5}) {
            const QImage image = paintedClient(frame, QRect(0, 0, 600, 410), ratio);
            QImage tile = frame.backgroundPicture().convertToFormat(QImage::Format_RGB32);
            tile.setDevicePixelRatio(1); // compared in its own pixels with the library's
            QCOMPARE(tile.size(), QSize(128, 128) * ratio);
            if (ratio != 1.5)
                QCOMPARE(tile, ratio == 1.0 ? felt : felt2x);
            int wrong = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    wrong += image.pixel(x, y) != tile.pixel(x % tile.width(), y % tile.height());
            QCOMPARE(wrong, 0);
        }
        // Back at ratio 1 the 1x felt is used again.
        paintedClient(frame, QRect(0, 0, 600, 410));
        QCOMPARE(frame.backgroundPicture().convertToFormat(QImage::Format_RGB32), felt);

        store.writeValue(settingsPath, "Background", "200"); // 30 in use
        Frame damaged(store);
        QCOMPARE(damaged.background(), 30);
        // Without its picture the background stays unpainted.
        damaged.setBackgroundPicture(QImage());
        QCOMPARE(paintedClient(damaged, QRect(0, 0, 600, 410)).pixel(5, 5), white);

        QImage tile(7, 5, QImage::Format_RGB32);
        tile.fill(Qt::blue);
        tile.setPixel(0, 0, red);
        damaged.setBackgroundPicture(tile);
        const auto tiled = [](QPoint p) {
            return p.x() % 7 == 0 && p.y() % 5 == 0 ? red : qRgb(0, 0, 0xFF);
        };
        QCOMPARE(wrongPixels(damaged, tiled), 0);
        damaged.setBackground(5);
        QCOMPARE(wrongPixels(damaged, [](QPoint) { return qRgb(0x80, 0x00, 0x80); }), 0);
        damaged.setBackground(12);
        QCOMPARE(wrongPixels(damaged, [](QPoint) { return red; }), 0);
        // Through the window's own painting, as the screen gets it.
        QCOMPARE(damaged.client()->grab().toImage().pixel(300, 200), red);
    }

    // A window is pulled onto the screen it is on, not onto the first one.
    void theFirstShowPullsTheWindowOntoItsScreen() {
        QCOMPARE(QGuiApplication::screens().size(), 2);
        MemoryRegistryStore store;
        Frame inside(store);
        inside.move(10, 20);
        inside.show();
        QCOMPARE(inside.pos(), QPoint(10, 20));
        for (const auto& [at, corner] : {std::pair{QPoint(400, 300), QPoint(799, 599)},
                                         {QPoint(1500, 500), QPoint(1823, 767)}}) {
            Frame over(store);
            over.move(at);
            over.show();
            QCOMPARE(over.frameGeometry().bottomRight(), corner);
        }
    }

    void theHelpMenuStaysLastAndItsEntriesDoWhatTheirPositionsSay() {
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

        // The mode can change without the menu; opening the menu shows it as it is.
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
        QVERIFY(frame.popupHelpMode() && frame.helpWindow() == nullptr);
        QVERIFY(frame.notifications.empty());

        // Shift+Escape, and no other key, ends the mode and minimises.
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QTest::keyClick(&frame, Qt::Key_A);
        QVERIFY(frame.popupHelpMode() && !frame.isMinimized());
        QTest::keyClick(&frame, Qt::Key_Escape, Qt::ShiftModifier);
        QVERIFY(!frame.popupHelpMode() && frame.isMinimized());
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

    // On either screen the box opens on its first page, centred on the table's screen, and
    // its system page describes that screen.
    void theAboutBoxOpensOnItsFirstPageAndDescribesTheTablesScreen() {
        // This machine's name as its os-release file gives it.
        const QString prettyName =
            QSettings(QStringLiteral("/etc/os-release"), QSettings::IniFormat)
                .value("PRETTY_NAME")
                .toString();
        QVERIFY(!prettyName.isEmpty());

        MemoryRegistryStore store;
        for (const auto& [left, ratio, resolution, screen] :
             {std::tuple(100, 1, "800 X 600", QRect(0, 0, 800, 600)),
              std::tuple(1000, 2, "2048 X 1536", QRect(800, 0, 1024, 768))}) {
            Frame frame(store, silent, QStringLiteral("Quintaro"));
            frame.move(left, 50);
            frame.show();
            QVERIFY(QTest::qWaitForWindowExposed(&frame));
            QString system;
            QRect placed;
            QImage shown;
            // Per tab: selected, name, version and OK shown, and what its page shows.
            QStringList seen;
            QTimer::singleShot(0, [&] {
                auto* dialog = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
                if (dialog == nullptr)
                    return;
                system = dialog->fixedText(1)->text();
                placed = QRect(dialog->pos(), dialog->size());
                shown = dialog->grab().toImage().convertToFormat(QImage::Format_RGB32);
                for (int tab : {1, 2, 3, 4}) {
                    QTest::mouseClick(dialog->tab(tab), Qt::LeftButton);
                    QString line =
                        QString::number(tab) + (dialog->tab(tab)->isSelected() ? ":S" : ":-");
                    const auto add = [&line](const QWidget* part, const QString& text) {
                        line += part->isVisible() ? u' ' + text : QString();
                    };
                    for (int text : {2, 3})
                        add(dialog->fixedText(text), dialog->fixedText(text)->text());
                    add(dialog->okButton(), QStringLiteral("OK"));
                    for (int picture : {5, 6, 7})
                        add(dialog->picture(picture), QStringLiteral("p%1").arg(picture));
                    for (int text : {1, 4, 5, 6})
                        add(dialog->fixedText(text), QStringLiteral("t%1").arg(text));
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
            QCOMPARE(placed.topLeft(),
                     screen.topLeft() + QPoint((screen.width() - placed.width()) / 2,
                                               (screen.height() - placed.height()) / 2));
        }
    }

    // To a screen reader: its tabs, its pictures by what they show and the system lines as
    // they read.
    void theAboutBoxNamesItsTabsPicturesAndSystemLines() {
        AboutDialog dialog(nullptr, QStringLiteral("Version 1.0"), QStringLiteral("Quintaro"));
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&dialog);
        const auto lists = test::childrenWith(window, QAccessible::PageTabList);
        QCOMPARE(lists.size(), 1);
        QCOMPARE(test::names(test::childrenWith(lists[0], QAccessible::PageTab)),
                 (QStringList{"Welcome", "Table", "Credits", "System"}));
        const auto pictures = test::childrenWith(window, QAccessible::Graphic);
        QCOMPARE(pictures.size(), 3);
        for (const QString& name : test::names(pictures))
            QVERIFY2(name.size() > 8, qPrintable(name));
        QAccessibleInterface* system = QAccessible::queryAccessibleInterface(dialog.fixedText(1));
        QCOMPARE(system->text(QAccessible::Name), dialog.fixedText(1)->text());
    }
};

QTEST_MAIN(GameFrameWindowTest)
#include "game_frame_window_test.moc"
