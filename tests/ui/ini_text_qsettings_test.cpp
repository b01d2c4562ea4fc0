#include "platform/ini_text.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

using namespace quintaro;
using namespace std::string_literals;

namespace {

// Every value QSettings reads from the file, as the settings store asks for it.
IniValues readByQSettings(const QString& path) {
    QSettings settings(path, QSettings::IniFormat);
    IniValues values;
    for (const QString& key : settings.allKeys()) {
        const QVariant value = settings.value(key);
        values[key.toStdString()] = value.typeId() == QMetaType::QStringList
                                        ? value.toStringList().join(u',').toStdString()
                                        : value.toString().toStdString();
    }
    return values;
}

QByteArray writtenByQSettings(const QString& path, const IniValues& values) {
    {
        QSettings settings(path, QSettings::IniFormat);
        for (const auto& [key, value] : values)
            settings.setValue(QString::fromStdString(key), QString::fromStdString(value));
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const std::string& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.data(), static_cast<qint64>(text.size()));
}

// Pieces of keys, section names and values that QSettings treats specially.
const std::vector<std::string> pieces = {
    "a",    "Z",       "é",        "€",        "😀",   "\uE000", "\uD7FF",  " ",      "\t",
    "=",    ";",       ",",        "%",        "%4",  "%41",    "%U00e9",  "%UD83D", "%UDE00",
    "%+4",  "%0x",     "]",        "@",        "@@",  "@Rect(", "1 2 3 4", ")",      "\\\\",
    "\\x4", "\\xd800", "\\0",      "\\101",    "\\n", "\\?",    "\\é",     "\\;",    "\\q",
    "\"",   "General", "%General", "@String(", "\\"};

} // namespace

class IniTextQSettingsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hostileNamesMatchQSettingsByteForByte() {
        const IniValues values = {
            {"Quintaro/Statistics/Hands_0", "12"},
            {"Quintaro/PlayerName", "  O'Brien, Zoë «Ace» [x] Müller € 😀 "},
            {"Quintaro/Sound2", "Change Bet,slotcoin.wav"},
            {"Quintaro/Nul", "a\0"
                             "7b"s},
            {"Quintaro/Controls", "\a\b\f\n\r\t\v\x1b"
                                  "1\x7f"},
            {"Quintaro/Quotes", "\"x\" \\ ;=#"},
            {"Quintaro/At", "@Rect(1 2 3 4)"},
            {"Quintaro/@@", "@@"},
            {"General/AnimationDelay", "10000"},
            {"SkillLevel", "3"},
            {"Zoë ☃ [x]=;,%U0041\\/sub key", "v"},
            {"😀/\uE000", "supplementary before private use"},
            {"\uE000/😀", "x"},
        };
        QTemporaryDir dir;
        const QByteArray expected = writtenByQSettings(dir.filePath("qt.ini"), values);
        const std::string written = writeIniText(values);
        QCOMPARE(QByteArray::fromStdString(written), expected);

        const IniReading reading = readIniText(expected.toStdString());
        QCOMPARE(reading.damagedLines, std::size_t(0));
        QVERIFY(reading.values == values);

        writeFile(dir.filePath("ours.ini"), written);
        QVERIFY(readByQSettings(dir.filePath("ours.ini")) == values);
    }

    // Files made of the pieces above: whatever our reader reads without damage, QSettings
    // reads the same, and for what was read both write the same bytes.
    void handEditedFilesReadAndWriteAsQSettingsDoes() {
        std::mt19937 random(20240611);
        const auto someText = [&] {
            std::string text;
            for (unsigned n = random() % 6; n > 0; --n)
                text += pieces[random() % pieces.size()];
            return text;
        };
        QTemporaryDir dir;
        int compared = 0;
        for (int file = 0; file < 600; ++file) {
            std::string text;
            for (unsigned line = 1 + random() % 5; line > 0; --line)
                text += random() % 4 == 0 ? "[" + someText() + "]\n"
                                          : "k" + someText() + "=" + someText() + "\n";
            const IniReading reading = readIniText(text);
            if (reading.damagedLines != 0)
                continue;
            ++compared;
            const QString path = dir.filePath(QStringLiteral("read%1.ini").arg(file));
            writeFile(path, text);
            if (readByQSettings(path) != reading.values)
                QFAIL(text.c_str());

            // QSettings writes "[%General]" for any casing of "general"; ours keeps it.
            QByteArray ours = QByteArray::fromStdString(writeIniText(reading.values));
            static const QRegularExpression general(QStringLiteral("^\\[%general\\]$"),
                                                    QRegularExpression::CaseInsensitiveOption |
                                                        QRegularExpression::MultilineOption);
            ours = QString::fromUtf8(ours).replace(general, QStringLiteral("[%General]")).toUtf8();
            const QByteArray theirs =
                reading.values.empty()
                    ? QByteArray()
                    : writtenByQSettings(dir.filePath(QStringLiteral("w%1.ini").arg(file)),
                                         reading.values);
            QCOMPARE(ours, theirs);
        }
        QVERIFY2(compared > 150, QByteArray::number(compared));
    }
};

QTEST_GUILESS_MAIN(IniTextQSettingsTest)
#include "ini_text_qsettings_test.moc"
