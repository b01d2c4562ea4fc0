#include "platform/deferred_sound_output.h"

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
};

QTEST_MAIN(DeferredSoundOutputTest)
#include "deferred_sound_output_test.moc"
