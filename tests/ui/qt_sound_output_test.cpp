#include "platform/qt_beeper.h"
#include "platform/sound_folder.h"
#include "tests/core/recording_output.h"

#include <QFile>
#include <QSoundEffect>
#include <QtTest>

using namespace quintaro;

namespace {

// Keeps the sounds played beside the game sound apart from the others.
class RecordingOutput : public test::RecordingOutput {
public:
    using test::RecordingOutput::RecordingOutput;
    void playBeside(const std::string& file) override { besides.push_back(file); }
    std::vector<std::string> besides;
};

} // namespace

class QtSoundOutputTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The build synthesises every sound the program names beside it; each must decode as a
    // wave. A name with a folder is taken as it is.
    void everyBuiltSoundLoads() {
        QCOMPARE(resolveSoundFile("/home/me/My Sounds/a.wav"),
                 QStringLiteral("/home/me/My Sounds/a.wav"));
        const char* files[] = {"slotcoin.wav",          "cardshuf.wav",           "click_5.wav",
                               "click_4.wav",           "slotjack.wav",           "instr_2.wav",
                               QtBeeper::errorBeepFile, QtBeeper::defaultBeepFile};
        for (const char* file : files) {
            const QString path = resolveSoundFile(file);
            QVERIFY2(QFile::exists(path), qPrintable(path));
            QSoundEffect effect;
            effect.setSource(QUrl::fromLocalFile(path));
            QTRY_VERIFY2_WITH_TIMEOUT(effect.status() != QSoundEffect::Loading, file, 5000);
            QVERIFY2(effect.status() == QSoundEffect::Ready, file);
        }
    }

    // Beeps play beside the game sound, so that a refused click never silences it.
    void beepsGoThroughTheOutputOnlyWhenThereIsADevice() {
        RecordingOutput withDevice(1);
        QtBeeper beeper(withDevice);
        beeper.errorBeep();
        beeper.defaultBeep();
        QCOMPARE(withDevice.besides,
                 (std::vector<std::string>{"error_beep.wav", "default_beep.wav"}));
        QVERIFY(withDevice.played.empty());

        RecordingOutput without(0);
        QtBeeper bell(without);
        bell.errorBeep();
        QVERIFY(without.played.empty() && without.besides.empty());
    }
};

QTEST_MAIN(QtSoundOutputTest)
#include "qt_sound_output_test.moc"
