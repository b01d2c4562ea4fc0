#include "persist/registry_key.h"
#include "platform/ini_registry_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace quintaro;

namespace {

QString configHome() {
    return QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
}

QByteArray fileText(const QString& relativePath) {
    QFile file(configHome() + u'/' + relativePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& relativePath, const QByteArray& bytes) {
    const QString path = configHome() + u'/' + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

class IniRegistryStoreTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // While the program runs, a change reaches the file at the next pass of the event loop;
    // the shared key goes under its escaped group name.
    void everyValueComesBackAsTheTextWritten() {
        const std::string key = "SOFTWARE\\Varden\\Parlorset\\Quintaro";
        const std::vector<std::pair<std::string, std::string>> values = {
            {"Sound2", "Change Bet,slotcoin.wav"},
            {"Sound9", "a,b,,c,"},
            {"PlayerName", "  O'Brien, Zoë «Ace» [x] Müller €  "},
            {"Spaced Name", "@Rect(1 2 3 4)"},
            {"Ünïcode", "semi;colon=equals \"quoted\" back\\slash #hash"},
            {"Number", "-1"},
        };
        IniRegistryStore store;
        QVERIFY(store.createKey(key));
        for (const auto& [name, value] : values)
            store.writeValue(key, name, value);
        RegistryKey general(store);
        general.Open("General");
        general.SetString("AnimationDelay", "10000");
        QCoreApplication::processEvents();
        const QByteArray text = fileText(QStringLiteral("Varden/Parlorset.ini"));
        QVERIFY2(text.contains("[Quintaro]\n"), text.constData());
        QVERIFY2(text.contains("\nSound2=\"Change Bet,slotcoin.wav\"\n"), text.constData());
        QVERIFY2(text.contains("[%General]\nAnimationDelay=10000\n"), text.constData());

        // A copy under another name is parsed afresh, not served from Qt's file cache.
        writeFile(QStringLiteral("Copy/Parlorset.ini"), text);
        IniRegistryStore reader;
        const std::string copy = "SOFTWARE\\Copy\\Parlorset\\Quintaro";
        for (const auto& [name, value] : values)
            QCOMPARE(reader.readValue(copy, name).value_or("<missing>"), value);

        store.deleteValue(key, "Sound9");
        QCOMPARE(store.readValue(key, "Sound9").has_value(), false);
        QCOMPARE(store.readValue(key, "Sound2").value_or(""), "Change Bet,slotcoin.wav");
    }

    void aHandEditedFileIsReadAsText() {
        writeFile(QStringLiteral("Hand/Edited.ini"),
                  "[General]\nAnimationDelay=250\nSkillLevel=3\n[%General]\nSkillLevel=4\n"
                  "[Quintaro]\nSound2=Change Bet,slotcoin.wav\nBackground=300\n"
                  "Sound3=Deal Cards,\nPlayerName=\"Ann\"\n");
        IniRegistryStore store;
        const std::string key = "SOFTWARE\\Hand\\Edited\\Quintaro";
        QCOMPARE(store.readValue(key, "Sound2").value_or(""), "Change Bet,slotcoin.wav");
        QCOMPARE(store.readValue(key, "Sound3").value_or(""), "Deal Cards,");
        QCOMPARE(store.readValue(key, "Background").value_or(""), "300");
        QCOMPARE(store.readValue(key, "PlayerName").value_or(""), "Ann");
        // The plain [General] a player writes is read too, [%General] first; nothing else
        // reads from the top level.
        const std::string general = "SOFTWARE\\Hand\\Edited\\General";
        QCOMPARE(store.readValue(general, "AnimationDelay").value_or(""), "250");
        QCOMPARE(store.readValue(general, "SkillLevel").value_or(""), "4");
        QCOMPARE(store.readValue(key, "AnimationDelay").has_value(), false);
    }

    void aDamagedOrUnusableFileGivesNothingAndTakesNothing() {
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage.append(static_cast<char>((i * 151 + 7) % 256));
        writeFile(QStringLiteral("Garbage/Binary.ini"),
                  "[Quintaro]\nGameType=1\nSkillLevel=" + garbage);
        IniRegistryStore store;
        const std::string damaged = "SOFTWARE\\Garbage\\Binary\\Quintaro";
        QCOMPARE(store.readValue(damaged, "GameType").value_or(""), "1");

        // A folder where the file belongs can be neither read nor written.
        QVERIFY(QDir().mkpath(configHome() + QStringLiteral("/Blocked/Folder.ini")));
        const std::string blocked = "SOFTWARE\\Blocked\\Folder\\Quintaro";
        QCOMPARE(store.createKey(blocked), false);
        store.writeValue(blocked, "GameType", "1");
        QCOMPARE(store.readValue(blocked, "GameType").has_value(), false);
    }
};

int main(int argc, char** argv) {
    // The store finds its file through XDG_CONFIG_HOME, which Qt reads once: point it at a
    // private folder before anything asks.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    IniRegistryStoreTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ini_registry_store_test.moc"
