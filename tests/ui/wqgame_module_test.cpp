#include "wqgame/library_seal.h"
#include "wqgame/resource_module.h"

#include <QtEndian>
#include <QtTest>

using namespace quintaro::wqgame;

namespace {

QByteArray builtLibrary() {
    QFile file(QDir(QCoreApplication::applicationDirPath()).filePath(libraryFileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A 32-bit big-endian field, as rcc writes them: at 8 the tree's offset, at 16 the names'.
qsizetype field(const QByteArray& bytes, qsizetype at) {
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

QByteArray flipped(QByteArray bytes, qsizetype at) {
    bytes[at] = static_cast<char>(bytes[at] ^ 0x10);
    return bytes;
}

// Where the seal begins: its footer holds the bundle's length 48 bytes from the end.
qsizetype sealStart(const QByteArray& library) {
    return field(library, library.size() - 48);
}

// The library's sealed files, none if its seal is broken.
std::vector<SealedFile> sealedFiles(const QByteArray& library) {
    QString error;
    return checkSeal(library, &error).value_or(std::vector<SealedFile>());
}

// Collects what the player is told of a damaged library while it lives.
struct DamageMessages : QStringList {
    DamageMessages() {
        onDamagedLibrary([this](const QString& message) { *this << message; });
    }
    ~DamageMessages() { onDamagedLibrary({}); }
};

bool openCopy(const QByteArray& bytes, QString* error) {
    static QTemporaryDir folder;
    static int copies = 0;
    QFile file(folder.filePath(QStringLiteral("%1.rcc").arg(++copies)));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
           openLibraryFile(file.fileName(), error);
}

} // namespace

// The library is looked up beside the program; the tests live beside the built bundle.
class WqgameModuleTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(openLibrary(&error), qPrintable(error));
    }

    void lookupsSucceedOnlyInsideTheBracketWhileTheLibraryIsOpen() {
        QCOMPARE(libraryNesting(), 0);
        QVERIFY(loadBitmap(2012).isNull());
        QVERIFY(loadString(1002).isEmpty());
        QVERIFY(!hasResource(QStringLiteral("query"), 1000));
        {
            LibraryBracket outer;
            QCOMPARE(libraryNesting(), 1);
            QCOMPARE(loadBitmap(2012).size(), QSize(71, 96));
            {
                LibraryBracket inner;
                QCOMPARE(libraryNesting(), 2);
                QVERIFY(!loadQueryText(1001).isEmpty());
            }
            // Leaving the inner bracket must not make the program's own resources current.
            QCOMPARE(libraryNesting(), 1);
            QVERIFY(isLibraryCurrent());
            QVERIFY(!loadString(1003).isEmpty());
        }
        QCOMPARE(libraryNesting(), 0);
        QVERIFY(!isLibraryCurrent());
        QVERIFY(loadBitmap(2000).isNull());

        // An unmatched leave does not count below zero.
        leaveLibrary();
        QCOMPARE(libraryNesting(), 0);
        LibraryBracket bracket;
        QVERIFY(!loadBitmap(2001).isNull());

        // Closing the library ends lookups until it is opened again.
        closeLibrary();
        QVERIFY(!isLibraryOpen());
        QVERIFY(loadBitmap(2012).isNull());
        QVERIFY(loadQueryText(3000).isEmpty());
        QString error;
        QVERIFY2(openLibrary(&error), qPrintable(error));
        QCOMPARE(loadBitmap(2012).size(), QSize(71, 96));
    }

    void theVariantScaleIsTheRatioRoundedUpAndAMissingOneFallsBack() {
        const std::pair<qreal, int> scales[] = {
            {1.0, 1}, {1.0000001, 1}, {0.5, 1},      {qQNaN(), 1}, {1.25, 2}, {1.5, 2}, {1.75, 2},
            {2.0, 2}, {2.0000001, 2}, {0.1 * 20, 2}, {2.25, 3},    {3.0, 3},  {4.0, 3}};
        for (const auto& [ratio, scale] : scales)
            QCOMPARE(bitmapScaleFor(ratio), scale);

        // A missing variant falls back to a smaller one, never a larger: of the fixtures
        // compiled in, 9001 has only a 2x variant, 9002 none, 9003 only a 3x one.
        LibraryBracket bracket;
        const std::tuple<int, qreal, int, QRgb> variants[] = {
            {9001, 1, 1, 0xFFFF0000},    {9001, 1.5, 2, 0xFF00FF00}, {9001, 3, 2, 0xFF00FF00},
            {9002, 1.25, 1, 0xFF0000FF}, {9002, 3, 1, 0xFF0000FF},   {9003, 2, 1, 0xFFFFFF00},
            {9003, 3, 3, 0xFF00FFFF}};
        for (const auto& [id, ratio, scale, colour] : variants) {
            const QImage image = loadBitmap(id, ratio);
            QCOMPARE(image.devicePixelRatio(), qreal(scale));
            QCOMPARE(image.size(), QSize(3, 2) * scale);
            QCOMPARE(image.pixel(0, 0), colour);
        }
        QVERIFY(loadBitmap(9999, 2).isNull());
    }

    void aDamagedLibraryIsRefusedBeforeQtReadsIt_data() {
        QTest::addColumn<QByteArray>("library");
        const QByteArray good = builtLibrary();
        const qsizetype tree = field(good, 8), names = field(good, 16);
        QTest::newRow("header") << flipped(good, 15);
        QTest::newRow("tree") << flipped(good, tree + (sealStart(good) - tree) / 2);
        QTest::newRow("names") << flipped(good, names + 7);
        QTest::newRow("seal's sizes") << flipped(good, sealStart(good) + 3);
        QTest::newRow("seal's digest") << flipped(good, good.size() - 20);
        QTest::newRow("seal's tag") << flipped(good, good.size() - 1);
        QTest::newRow("one byte short") << good.chopped(1);
        QTest::newRow("no seal") << good.first(sealStart(good));
        QTest::newRow("half") << good.first(good.size() / 2);
        QTest::newRow("a byte more") << good + 'x';
        QTest::newRow("empty") << QByteArray();
    }
    void aDamagedLibraryIsRefusedBeforeQtReadsIt() {
        QFETCH(QByteArray, library);
        QString error;
        QVERIFY(!openCopy(library, &error));
        QVERIFY2(error.contains(QStringLiteral(".rcc ")), qPrintable(error));
        QVERIFY(!isLibraryOpen());
        QVERIFY(!QFile::exists(QStringLiteral(":/wqgame/menu/1000.txt")));
        QVERIFY2(openCopy(builtLibrary(), &error), qPrintable(error));
    }

    // A file is checked when first read, so that opening the library reads none of them:
    // the library then closes and the player is told once.
    void aDamagedFileIsRefusedWhenItIsRead_data() {
        QTest::addColumn<QByteArray>("library");
        const QByteArray good = builtLibrary();
        SealedFile menu;
        for (const SealedFile& file : sealedFiles(good))
            menu = file.path == QStringLiteral("menu/1000.txt") ? file : menu;
        QVERIFY(menu.size > 0);
        QTest::newRow("contents") << flipped(good, menu.offset + menu.size / 2);
        QTest::newRow("size") << flipped(good, menu.offset - 1);
        QTest::newRow("size past the end") << flipped(good, menu.offset - 4);
    }
    void aDamagedFileIsRefusedWhenItIsRead() {
        QFETCH(QByteArray, library);
        QString error;
        QVERIFY2(openCopy(library, &error), qPrintable(error));
        {
            DamageMessages messages;
            LibraryBracket bracket;
            QVERIFY(!loadString(1002).isEmpty());
            QVERIFY(!loadMenu(1000));
            QVERIFY(!isLibraryOpen());
            QVERIFY(loadString(1002).isEmpty());
            QVERIFY(!loadMenu(1000));
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages[0].contains(QStringLiteral("menu/1000.txt")),
                     qPrintable(messages[0]));
        }
        QVERIFY2(openLibrary(&error), qPrintable(error));
    }

    // At ratio 1 nothing of the pictures for higher ratios is read: with every one of them
    // damaged, each picture loads at ratio 1, and the damage shows at ratio 2.
    void aPictureForAnotherRatioIsNotRead() {
        QByteArray library = builtLibrary();
        QList<int> ids, withVariants;
        for (const SealedFile& file : sealedFiles(library)) {
            const QString name = file.path.section(u'/', 1);
            if (!file.path.startsWith(QLatin1String("bitmap/")))
                continue;
            if (name.contains(u'@')) {
                library = flipped(library, file.offset + file.size / 2);
                withVariants << name.section(u'@', 0, 0).toInt();
            } else {
                ids << name.section(u'.', 0, 0).toInt();
            }
        }
        QVERIFY(!ids.isEmpty() && !withVariants.isEmpty());
        QString error;
        QVERIFY2(openCopy(library, &error), qPrintable(error));
        {
            DamageMessages messages;
            LibraryBracket bracket;
            for (int id : ids)
                QVERIFY(!loadBitmap(id, 1).isNull());
            QCOMPARE(messages.size(), 0);
            QVERIFY(loadBitmap(withVariants.first(), 2).isNull());
            QCOMPARE(messages.size(), 1);
        }
        QVERIFY2(openLibrary(&error), qPrintable(error));
    }

    void hallOfFameFontFitsItsBoxes() {
        LibraryBracket bracket;
        const QFont font = loadFont(3000);
        QCOMPARE(font.family(), QStringLiteral("Liberation Sans"));
        // The dialog's name and score boxes are 18 pixels high, outline included.
        QVERIFY(font.pixelSize() > 8);
        QVERIFY(QFontMetrics(font).height() <= 16);
    }
};

QTEST_MAIN(WqgameModuleTest)
#include "wqgame_module_test.moc"
