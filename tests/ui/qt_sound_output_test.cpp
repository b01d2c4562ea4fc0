#include "platform/qt_beeper.h"
#include "platform/sound_folder.h"

#include <QCoreApplication>
#include <QFile>
#include <QSoundEffect>
#include <QtTest>

using namespace quintaro;

namespace {

class RecordingOutput : public SoundOutput {
public:
    explicit RecordingOutput(int devices) : m_devices(devices) {}
    int deviceCount() const override { return m_devices; }
    void play(const std::string& file) override { played.push_back(file); }
    void playBeside(const std::string& file) override { besides.push_back(file); }
    std::vector<std::string> played;
    std::vector<std::string> besides;

private:
    int m_devices;
};

} // namespace

class QtSoundOutputTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bareNamesResolveInTheSoundFolderBesideTheProgram() {
        const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/sounds");
        QCOMPARE(soundFolder(), folder);
        QCOMPARE(resolveSoundFile("slotcoin.wav"), folder + QStringLiteral("/slotcoin.wav"));
        QCOMPARE(resolveSoundFile("/home/me/My Sounds/a.wav"),
                 QStringLiteral("/home/me/My Sounds/a.wav"));
    }

    // The build synthesises every sound the program names; each must decode as a wave.
    void everyBuiltSoundLoads() {
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
