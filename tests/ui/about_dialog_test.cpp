#include "about/about_dialog.h"
#include "about/about_picture.h"
#include "displays/framed_tab.h"
#include "persist/game_frame_window.h"
#include "platform/memory_registry_store.h"
#include "wqgame/resource_module.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
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
        : GameFrameWindow(QStringLiteral("Quintaro"), QSize(600, 410), &store, &output) {}
    std::vector<bool> notifications;

protected:
    void modalNotification(bool entering) override { notifications.push_back(entering); }
};

// What the box shows with one tab selected.
struct Seen {
    bool selected = false;
    bool nameAndVersion = false;
    std::vector<bool> pictures; // 5, 6, 7
    std::vector<bool> texts;    // 1, 4, 5, 6
};

Seen look(AboutDialog& dialog, int tab) {
    Seen seen;
    seen.selected = dialog.tab(tab)->isSelected();
    seen.nameAndVersion = dialog.fixedText(2)->isVisible() && dialog.fixedText(3)->isVisible() &&
                          dialog.okButton()->isVisible();
    for (int picture : {5, 6, 7})
        seen.pictures.push_back(dialog.picture(picture)->isVisible());
    for (int text : {1, 4, 5, 6})
        seen.texts.push_back(dialog.fixedText(text)->isVisible());
    return seen;
}

} // namespace

class AboutDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theAboutEntryOpensTheBoxOnItsFirstPage() {
        QString error;
        QVERIFY2(wqgame::openLibrary(&error), qPrintable(error));
        QImage welcome;
        {
            wqgame::LibraryBracket library;
            welcome = wqgame::loadBitmap(1116).convertToFormat(QImage::Format_RGB32);
        }
        QVERIFY(!welcome.isNull());

        MemoryRegistryStore store;
        SilentOutput output;
        Frame frame(store, output);
        std::vector<Seen> pages;
        QString name;
        QString version;
        QString system;
        QImage shown;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            name = dialog->fixedText(2)->text();
            version = dialog->fixedText(3)->text();
            system = dialog->fixedText(1)->text();
            shown = dialog->grab().toImage().convertToFormat(QImage::Format_RGB32);
            pages.push_back(look(*dialog, 1));
            for (int tab : {2, 3, 4}) {
                QTest::mouseClick(dialog->tab(tab), Qt::LeftButton);
                pages.push_back(look(*dialog, tab));
            }
            dialog->okButton()->click();
        });
        QCOMPARE(frame.notifications, std::vector<bool>{});
        frame.onHelpMenuSelect(6);
        QCOMPARE(frame.notifications, (std::vector<bool>{true, false}));

        QCOMPARE(name, QStringLiteral("Quintaro"));
        QCOMPARE(version, QStringLiteral("Version 1.0"));
        QVERIFY2(system.contains(QStringLiteral("\n\nDisplay driver - OFFSCREEN\n\n")),
                 qPrintable(system));
        QVERIFY(system.endsWith(QStringLiteral(" Colors")));

        QCOMPARE(pages.size(), std::size_t{4});
        for (const Seen& page : pages) {
            QVERIFY(page.selected);
            QVERIFY(page.nameAndVersion);
        }
        QCOMPARE(pages[0].pictures, (std::vector<bool>{false, false, true}));
        QCOMPARE(pages[0].texts, (std::vector<bool>{false, false, false, false}));
        QCOMPARE(pages[1].pictures, (std::vector<bool>{true, false, false}));
        QCOMPARE(pages[2].pictures, (std::vector<bool>{false, true, false}));
        QCOMPARE(pages[2].texts, (std::vector<bool>{false, true, true, true}));
        QCOMPARE(pages[3].pictures, (std::vector<bool>{false, false, false}));
        QCOMPARE(pages[3].texts, (std::vector<bool>{true, false, false, false}));

        // The welcome picture is drawn whole at its place on the first page.
        const QPoint at(20, 36);
        for (const QPoint p : {QPoint(0, 0), QPoint(200, 150), QPoint(439, 299)})
            QCOMPARE(shown.pixel(at + p), welcome.pixel(p));
    }
};

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
