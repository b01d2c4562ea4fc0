#include "app/options_dialog.h"
#include "displays/vga_palette.h"
#include "persist/game_frame_window.h"
#include "platform/memory_registry_store.h"
#include "sound/extras_page.h"
#include "sound/locate_sound_dialog.h"
#include "wqgame/resource_module.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace quintaro;

namespace {

const std::string settingsPath = "SOFTWARE\\Varden\\Parlorset\\Extras Test";

class RecordingOutput : public SoundOutput {
public:
    explicit RecordingOutput(int devices) : m_devices(devices) {}
    int deviceCount() const override { return m_devices; }
    void play(const std::string& file) override { played.push_back(file); }
    std::vector<std::string> played;

private:
    int m_devices;
};

GameFrameWindow* makeFrame(RegistryStore& store, SoundOutput& output) {
    return new GameFrameWindow(QStringLiteral("Extras Test"), QSize(600, 410), &store, &output);
}

QImage rendered(QWidget& dialog) {
    QImage image(dialog.size(), QImage::Format_RGB32);
    dialog.render(&image);
    return image;
}

// The preview area outside the background list (95, 72) 120 x 80 grown by one pixel.
bool inPreviewBands(QPoint p) {
    return QRect(QPoint(68, 56), QPoint(253, 168)).contains(p) &&
           !QRect(QPoint(94, 71), QPoint(215, 152)).contains(p);
}

} // namespace

class ExtrasPageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(wqgame::openLibrary(&error), qPrintable(error));
    }

    void previewFillsTheBandsAroundTheList() {
        MemoryRegistryStore store;
        store.writeValue(settingsPath, "Background", "5");
        RecordingOutput output(1);
        std::unique_ptr<GameFrameWindow> frame(makeFrame(store, output));
        OptionsDialog dialog(*frame, 0, GameType::StraightPoker, 0, 0);
        const QRgb magenta = vgaColour(VgaColour::Magenta).rgb();
        QVERIFY(rendered(dialog).pixel(70, 60) != magenta);

        dialog.extrasPage()->select(true);
        QImage image = rendered(dialog);
        for (QPoint p : {QPoint(68, 56), QPoint(253, 168), QPoint(93, 100), QPoint(216, 100),
                         QPoint(150, 70), QPoint(150, 153)})
            QCOMPARE(image.pixel(p), magenta);
        for (QPoint p : {QPoint(67, 100), QPoint(254, 100), QPoint(150, 169), QPoint(94, 100),
                         QPoint(215, 100), QPoint(150, 71), QPoint(150, 152)})
            QVERIFY(image.pixel(p) != magenta);

        // Choice 20 is one large tile; choice 28 (96 x 96) repeats both ways.
        for (int choice : {20, 28}) {
            dialog.extrasPage()->selectBackground(choice);
            const QImage tile = [choice] {
                wqgame::LibraryBracket library;
                return wqgame::loadBitmap(1084 + choice).convertToFormat(QImage::Format_RGB32);
            }();
            QVERIFY(!tile.isNull());
            image = rendered(dialog);
            int wrong = 0;
            for (int y = 40; y < 190; ++y)
                for (int x = 60; x < 260; ++x)
                    if (inPreviewBands({x, y}))
                        wrong += image.pixel(x, y) !=
                                 tile.pixel((x - 68) % tile.width(), (y - 56) % tile.height());
            QCOMPARE(wrong, 0);
        }
    }

    // Play takes the first event of a name, Locate the last: with "Jackpot" stored twice,
    // Play sounds a.wav while None silences the second entry.
    void playTakesTheFirstMatchAndLocateTheLast() {
        MemoryRegistryStore store;
        store.writeValue(settingsPath, "Sound0", "Jackpot,a.wav");
        store.writeValue(settingsPath, "Sound1", "Jackpot,b.wav");
        store.writeValue(settingsPath, "SoundEnabled", "0");
        RecordingOutput output(1);
        std::unique_ptr<GameFrameWindow> frame(makeFrame(store, output));
        OptionsDialog dialog(*frame, 0, GameType::StraightPoker, 0, 0);
        ExtrasPage& extras = *dialog.extrasPage();
        QVERIFY(!extras.soundSwitch()->isChecked() && !extras.playButton()->isEnabled());
        extras.soundSwitch()->click();
        QVERIFY(extras.playButton()->isEnabled() && extras.locateButton()->isEnabled());

        extras.soundList()->setCurrentRow(1);
        extras.playButton()->click();
        QCOMPARE(output.played, std::vector<std::string>{"a.wav"});
        QTimer::singleShot(0, this, [] {
            auto* locate = qobject_cast<LocateSoundDialog*>(QApplication::activeModalWidget());
            QVERIFY(locate);
            locate->noneButton()->click();
        });
        extras.locateButton()->click();
        QCOMPARE(extras.soundCopy()[0].file, std::string("a.wav"));
        QCOMPARE(extras.soundCopy()[1].file, std::string());
        QCOMPARE(frame->soundEvents()[1].file, std::string("b.wav"));
        dialog.applySounds(*frame);
        QCOMPARE(frame->soundEvents(), extras.soundCopy());
    }

    void noDeviceDisablesEverySoundControl() {
        MemoryRegistryStore store;
        RecordingOutput output(0);
        std::unique_ptr<GameFrameWindow> frame(makeFrame(store, output));
        {
            OptionsDialog dialog(*frame, 0, GameType::StraightPoker, 0, 0);
            ExtrasPage& extras = *dialog.extrasPage();
            QVERIFY(extras.soundSwitch()->isChecked());
            for (QWidget* control :
                 std::initializer_list<QWidget*>{extras.soundSwitch(), extras.soundList(),
                                                 extras.locateButton(), extras.playButton()})
                QVERIFY(!control->isEnabled());
        }
        QCOMPARE(frame->soundEnabled(), 1);
    }
};

QTEST_MAIN(ExtrasPageTest)
#include "extras_page_test.moc"
