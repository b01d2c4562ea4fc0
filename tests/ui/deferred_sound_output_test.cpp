#include "platform/deferred_sound_output.h"
#include "platform/sound_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace quintaro;

namespace {

bool multimediaLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
}

bool touch(const QString& path) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly);
}

} // namespace

class DeferredSoundOutputTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Qt Multimedia stays out of the process until sound is first asked for; without the
    // module there is no device and nothing plays.
    void theSoundModuleLoadsOnFirstNeed() {
        DeferredSoundOutput missing(QStringLiteral("/nonexistent/quintaro-sound.so"));
        QCOMPARE(missing.deviceCount(), 0);
        missing.play("slotcoin.wav");

        DeferredSoundOutput output;
        QVERIFY(!multimediaLoaded());
        output.deviceCount();
        QVERIFY(multimediaLoaded());
    }

    // An install tree may be moved or staged anywhere: the sound module and the folder of
    // bare sound names are looked for beside the program (a build tree), then in the tree
    // the program sits in, and only then in the configured install folders.
    void theModuleAndTheSoundsAreFoundBesideTheProgramThenInItsInstallTree() {
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        for (const QString& fallback : {DeferredSoundOutput::modulePathOf(bin), soundFolderOf(bin)})
            QVERIFY2(QDir::isAbsolutePath(fallback) && !fallback.startsWith(root.path()),
                     qPrintable(fallback));
        QVERIFY(soundFolderOf(bin).endsWith(QStringLiteral("/quintaro/sounds")));

        const QString installedModule =
            QDir::cleanPath(bin + QStringLiteral("/" QUINTARO_BIN_TO_MODULES "/quintaro-sound.so"));
        const QString installedSounds = root.filePath(QStringLiteral("share/quintaro/sounds"));
        QVERIFY(touch(installedModule) && QDir().mkpath(installedSounds));
        QCOMPARE(DeferredSoundOutput::modulePathOf(bin), installedModule);
        QCOMPARE(soundFolderOf(bin), installedSounds);

        const QString module = bin + QStringLiteral("/quintaro-sound.so");
        const QString sounds = bin + QStringLiteral("/sounds");
        QVERIFY(touch(module) && QDir().mkpath(sounds));
        QCOMPARE(DeferredSoundOutput::modulePathOf(bin), module);
        QCOMPARE(soundFolderOf(bin), sounds);
    }
};

QTEST_MAIN(DeferredSoundOutputTest)
#include "deferred_sound_output_test.moc"
