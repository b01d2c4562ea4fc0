#include "platform/sound_folder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace quintaro;

// An install tree may be moved or staged anywhere: bare sound names must still resolve in
// the tree the program sits in, laid out as bin/ and share/quintaro/sounds.
class InstalledSoundFolderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
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

QTEST_MAIN(InstalledSoundFolderTest)
#include "installed_sound_folder_test.moc"
