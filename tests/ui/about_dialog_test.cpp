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
        // Per tab: selected, name, version and OK shown, and what its page shows.
        QStringList seen;
        QString system;
        QImage shown;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            system = dialog->fixedText(1)->text();
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

        QCOMPARE(seen,
                 (QStringList{"1:S Quintaro Version 1.0 OK p7", "2:S Quintaro Version 1.0 OK p5",
                              "3:S Quintaro Version 1.0 OK p6 t4 t5 t6",
                              "4:S Quintaro Version 1.0 OK t1"}));
        QVERIFY2(system.contains(QStringLiteral("\n\nDisplay driver - OFFSCREEN\n\n")),
                 qPrintable(system));

        // Opened on the first page: the welcome picture is drawn whole at its place.
        const QPoint at(20, 36);
        for (const QPoint p : {QPoint(0, 0), QPoint(200, 150), QPoint(439, 299)})
            QCOMPARE(shown.pixel(at + p), welcome.pixel(p));
    }
};

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
