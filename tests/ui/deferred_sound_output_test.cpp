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

    void theModuleIsFoundBesideTheProgramThenInItsInstallTree() {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString bin = root.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));

        const QString fallback = DeferredSoundOutput::modulePathOf(bin);
        QVERIFY2(QDir::isAbsolutePath(fallback), qPrintable(fallback));
        QVERIFY2(!fallback.startsWith(root.path()), qPrintable(fallback));

        const QString installed =
            QDir::cleanPath(bin + QStringLiteral("/" QUINTARO_BIN_TO_MODULES "/quintaro-sound.so"));
        QVERIFY(touch(installed));
        QCOMPARE(DeferredSoundOutput::modulePathOf(bin), installed);

        QVERIFY(touch(bin + QStringLiteral("/quintaro-sound.so")));
        QCOMPARE(DeferredSoundOutput::modulePathOf(bin),
                 bin + QStringLiteral("/quintaro-sound.so"));
    }

    // An install tree may be moved or staged anywhere: bare sound names must still resolve
    // in the tree the program sits in, laid out as bin/ and share/quintaro/sounds.
    void soundsAreFoundBesideTheProgramThenInItsInstallTree() {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString bin = root.filePath(QStringLiteral("bin"));
        const QString installed = root.filePath(QStringLiteral("share/quintaro/sounds"));
        QVERIFY(QDir().mkpath(bin));

        // Neither folder: the configured install folder, never a folder of this tree.
        const QString fallback = soundFolderOf(bin);
        QVERIFY2(QDir::isAbsolutePath(fallback), qPrintable(fallback));
        QVERIFY2(fallback.endsWith(QStringLiteral("/quintaro/sounds")), qPrintable(fallback));
        QVERIFY2(!fallback.startsWith(root.path()), qPrintable(fallback));

        QVERIFY(QDir().mkpath(installed));
        QCOMPARE(soundFolderOf(bin), installed);

        // A build tree keeps its sounds beside the program; those come first.
        QVERIFY(QDir().mkpath(bin + QStringLiteral("/sounds")));
        QCOMPARE(soundFolderOf(bin), bin + QStringLiteral("/sounds"));
    }
};

QTEST_MAIN(DeferredSoundOutputTest)
#include "deferred_sound_output_test.moc"
