// Libraries at each bound the seal check keeps and one byte past it, made from the small
// library rcc wrote. Each goes through the fuzz target, where AddressSanitizer sees any read
// past its bytes and Qt reads whatever is accepted, and then must be accepted or refused as
// Qt's resource format says, with exactly the files it holds.

#include "wqgame/library_seal.h"

#include <QCryptographicHash>
#include <QFile>
#include <QMap>
#include <QtEndian>
#include <QtTest>

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

using namespace quintaro::wqgame;

namespace {

// Qt's binary resource format as rcc writes it, big-endian throughout. Header: "qres", the
// version (1 to 3), the offsets of tree, data and names, from version 3 flags naming the
// compressions used (none here); 20 bytes, 24 from version 3. Then in order: data, per file
// a 32-bit size and the bytes; names, per name a 16-bit length in UTF-16 units, a 32-bit hash
// and the units; the tree to the end, per node a 32-bit name offset, 16-bit flags (2 a
// folder), then a folder's entry count and first entry's node or a file's country, language
// and data offset, and from version 2 a 64-bit time. Each node is one folder's entry, and the
// root no one's.
constexpr qsizetype nodeSize = 22;
constexpr qsizetype oldNodeSize = 14;
constexpr quint16 folderFlag = 2;
constexpr qsizetype tagSize = 8;
constexpr qsizetype digestSize = 32;
// The game's own limit: files at most eight names deep, so folders at most seven.
constexpr int deepestFile = 8;

using Files = QMap<QString, QByteArray>;

const auto get16 = [](const QByteArray& b, qsizetype at) {
    return qFromBigEndian<quint16>(b.constData() + at);
};
const auto get32 = [](const QByteArray& b, qsizetype at) {
    return qFromBigEndian<quint32>(b.constData() + at);
};
const auto put16 = [](QByteArray& b, qsizetype at, quint16 v) { qToBigEndian(v, b.data() + at); };
const auto put32 = [](QByteArray& b, qsizetype at, quint32 v) { qToBigEndian(v, b.data() + at); };
const auto add32 = [](QByteArray& b, qsizetype at, quint32 by) { put32(b, at, get32(b, at) + by); };
const auto treeOf = [](const QByteArray& b) -> qsizetype { return get32(b, 8); };
const auto dataOf = [](const QByteArray& b) -> qsizetype { return get32(b, 12); };
const auto namesOf = [](const QByteArray& b) -> qsizetype { return get32(b, 16); };
const auto nodeAt = [](const QByteArray& b, qsizetype node) { return treeOf(b) + nodeSize * node; };
const auto nodeCount = [](const QByteArray& b) { return (b.size() - treeOf(b)) / nodeSize; };
const auto isFolder = [](const QByteArray& b, qsizetype node) {
    return get16(b, nodeAt(b, node) + 4) == folderFlag;
};

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The bundle with the file node `file` moved `levels` folders deeper: it becomes a folder
// holding a chain of new folders of its name, the last of which holds a copy of it.
QByteArray deepened(QByteArray b, qsizetype file, int levels) {
    const QByteArray fileNode = b.mid(nodeAt(b, file), nodeSize);
    for (int level = 0; level < levels; ++level) {
        const qsizetype added = nodeCount(b);
        b += fileNode;
        put16(b, nodeAt(b, file) + 4, folderFlag);
        put32(b, nodeAt(b, file) + 6, 1);
        put32(b, nodeAt(b, file) + 10, static_cast<quint32>(added));
        file = added;
    }
    return b;
}

// The bundle as an older version writes it: a 20-byte header and, in version 1, 14-byte
// nodes. Offsets within the data and the names stay as they are.
QByteArray older(const QByteArray& b, quint32 version) {
    QByteArray out = b.first(20) + b.sliced(24, treeOf(b) - 24);
    put32(out, 4, version);
    put32(out, 8, static_cast<quint32>(treeOf(b) - 4));
    put32(out, 12, static_cast<quint32>(dataOf(b) - 4));
    put32(out, 16, static_cast<quint32>(namesOf(b) - 4));
    for (qsizetype node = 0; node < nodeCount(b); ++node)
        out += b.mid(nodeAt(b, node), version == 1 ? oldNodeSize : nodeSize);
    return out;
}

// The library of `bundle` with the seal's head `head` (each file's size and CRC-32, the
// bundle's length, the file count), its SHA-256 over the bundle but for the data and over
// the head, and the tag.
QByteArray sealed(const QByteArray& bundle, const QByteArray& head) {
    QCryptographicHash digest(QCryptographicHash::Sha256);
    digest.addData(bundle.first(dataOf(bundle)));
    digest.addData(bundle.sliced(namesOf(bundle)));
    digest.addData(head);
    return bundle + head + digest.result() + QByteArrayLiteral("wqgseal1");
}

} // namespace

class LibraryEdgeSeeds : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachBoundHoldsToTheByte_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<bool>("alreadySealed");
        // What the check must find in a library it accepts; nothing where it must refuse.
        QTest::addColumn<Files>("files");

        const QByteArray base = contentsOf(QStringLiteral(QUINTARO_SMALL_LIBRARY));
        QVERIFY(base.startsWith("qres") && get32(base, 4) == 3 && get32(base, 20) == 0);
        Files sources;
        for (const char* path : {"bitmap/2012.png", "menu/1000.txt", "string/1002.txt"})
            sources.insert(QLatin1String(path),
                           contentsOf(QStringLiteral(QUINTARO_SMALL_LIBRARY_FILES "/") + path));

        // Found from the format: the last file in the data, its place among the files in
        // tree order, the last name, and two folders, the second holding the last node.
        qsizetype lastFile = -1, lastFileRow = 0, files = 0, lastFolder = -1;
        for (qsizetype node = 0; node < nodeCount(base); ++node) {
            const qsizetype at = nodeAt(base, node);
            if (isFolder(base, node)) {
                if (get32(base, at + 6) + get32(base, at + 10) == nodeCount(base))
                    lastFolder = node;
                continue;
            }
            const qsizetype entry = dataOf(base) + get32(base, at + 10);
            if (entry + 4 + get32(base, entry) == namesOf(base)) {
                lastFile = node;
                lastFileRow = files;
            }
            ++files;
        }
        qsizetype lastName = namesOf(base);
        while (lastName + 6 + 2 * get16(base, lastName) < treeOf(base))
            lastName += 6 + 2 * get16(base, lastName);
        const qsizetype firstFolder = get32(base, nodeAt(base, 0) + 10);
        QVERIFY(lastFile > 0 && lastFolder > 0 && isFolder(base, firstFolder) &&
                isFolder(base, firstFolder + 1));
        const QString deepPath =
            QStringLiteral("bitmap") + QStringLiteral("/2012.png").repeated(deepestFile - 1);

        const auto edited = [&](auto edit) {
            QByteArray b = base;
            edit(b);
            return b;
        };
        const auto row = [](const char* name, const QByteArray& input, const Files& files,
                            bool alreadySealed = false) {
            QTest::newRow(name) << input << alreadySealed << files;
        };
        // A library the check must refuse: the one rcc wrote, changed by `edit`.
        const auto refused = [&](const char* name, auto edit) { row(name, edited(edit), {}); };

        row("as rcc wrote it", base, sources);
        row("version 2: a 20-byte header", older(base, 2), sources);
        row("version 1: 14-byte nodes", older(base, 1), sources);
        refused("version 0", [](auto& b) { put32(b, 4, 0); });
        refused("version 4", [](auto& b) { put32(b, 4, 4); });
        refused("version 3 with flags 1", [](auto& b) { put32(b, 20, 1); });
        row("a header one byte short", base.first(23), {});
        refused("data from the header's last byte", [](auto& b) { put32(b, 12, 23); });
        // Every file still where it was, but the data claims the version-3 flags.
        refused("data over the version-3 flags", [&](auto& b) {
            put32(b, 12, static_cast<quint32>(dataOf(b) - 4));
            for (qsizetype node = 0; node < nodeCount(b); ++node)
                if (!isFolder(b, node))
                    add32(b, nodeAt(b, node) + 10, 4);
        });
        row("the tree one byte past its last node", base + '\0', {});
        // Qt reads the root's fields as a folder's whatever its flags say.
        refused("the root a file", [&](auto& b) {
            put16(b, nodeAt(b, 0) + 4, 0);
            put32(b, nodeAt(b, 0) + 10, get32(b, nodeAt(b, lastFile) + 10));
        });
        // Offsets are unsigned: one with its top bit set lies 2 GiB on, not before.
        refused("a name offset of 2^31",
                [&](auto& b) { put32(b, nodeAt(b, lastFile), 0x80000000); });
        refused("a data offset of 2^31",
                [&](auto& b) { put32(b, nodeAt(b, lastFile) + 10, 0x80000000); });

        refused("the last name one unit past the tree",
                [&](auto& b) { put16(b, lastName, get16(b, lastName) + 1); });

        const qsizetype lastEntry = dataOf(base) + get32(base, nodeAt(base, lastFile) + 10);
        refused("the last file one byte past the data", [&](auto& b) { add32(b, lastEntry, 1); });
        // Four zero bytes at the end of the data: an empty file's size field.
        const auto emptyFileAt = [&](qsizetype shift) {
            return edited([&](QByteArray& b) {
                const qsizetype names = namesOf(b);
                b.insert(names, QByteArray(4, '\0'));
                put32(b, 8, static_cast<quint32>(treeOf(b) + 4));
                put32(b, 16, static_cast<quint32>(names + 4));
                put32(b, nodeAt(b, lastFile) + 10, static_cast<quint32>(names - dataOf(b) + shift));
            });
        };
        Files emptied = sources;
        emptied[QStringLiteral("bitmap/2012.png")].clear();
        row("an empty file whose size field ends the data", emptyFileAt(0), emptied);
        row("that size field one byte past the data", emptyFileAt(1), {});

        Files deep = sources;
        deep.insert(deepPath, deep.take(QStringLiteral("bitmap/2012.png")));
        row("a file eight names deep", deepened(base, lastFile, deepestFile - 2), deep);
        row("a folder eight names deep", deepened(base, lastFile, deepestFile - 1), {});

        refused("a node in two folders", [&](auto& b) {
            put32(b, nodeAt(b, firstFolder) + 10, get32(b, nodeAt(b, firstFolder + 1) + 10));
        });
        // The root's entries one longer: the node after its last, a folder's file, is the
        // root's fourth entry too, one that is not its first.
        const qsizetype afterRoot = firstFolder + get32(base, nodeAt(base, 0) + 6);
        QVERIFY(afterRoot < nodeCount(base) && !isFolder(base, afterRoot));
        refused("a file in the root and a folder", [&](auto& b) { add32(b, nodeAt(b, 0) + 6, 1); });
        refused("a folder's entries one past the last node",
                [&](auto& b) { add32(b, nodeAt(b, lastFolder) + 6, 1); });

        // The seal's head as the builder writes it; with the last file's size one byte past
        // the data; without its last row; with a byte between its rows and its length.
        QString error;
        const std::optional<QByteArray> seal = sealFor(base, &error);
        QVERIFY2(seal && seal->size() == 8 * files + 8 + digestSize + tagSize, qPrintable(error));
        const QByteArray head = seal->chopped(digestSize + tagSize);
        row("the seal as the builder writes it", sealed(base, head), sources, true);
        QByteArray longer = head;
        add32(longer, 8 * lastFileRow, 1);
        row("the seal's size one byte past the data", sealed(base, longer), {}, true);
        QByteArray shorter = head.first(8 * (files - 1)) + head.last(8);
        put32(shorter, shorter.size() - 4, static_cast<quint32>(files - 1));
        row("the seal one file short", sealed(base, shorter), {}, true);
        QByteArray spaced = head;
        spaced.insert(8 * files, '\0');
        row("the seal a byte longer than its rows", sealed(base, spaced), {}, true);
    }
    void eachBoundHoldsToTheByte() {
        QFETCH(QByteArray, input);
        QFETCH(bool, alreadySealed);
        QFETCH(Files, files);
        const std::vector<std::uint8_t> exact(input.begin(), input.end());
        LLVMFuzzerTestOneInput(exact.data(), exact.size());

        QString error;
        QByteArray library = input;
        if (!alreadySealed) {
            const std::optional<QByteArray> seal = sealFor(input, &error);
            QVERIFY2(seal.has_value() == !files.isEmpty(), qPrintable(error));
            if (!seal)
                return;
            library += *seal;
        }
        const std::optional<std::vector<SealedFile>> found = checkSeal(library, &error);
        QVERIFY2(found.has_value() == !files.isEmpty(), qPrintable(error));
        Files read;
        for (const SealedFile& file : found.value_or(std::vector<SealedFile>())) {
            const QByteArray bytes = library.sliced(file.offset, file.size);
            QVERIFY(fileIntact(library, file));
            QCOMPARE(file.crc, crc32_z(0, reinterpret_cast<const Bytef*>(bytes.data()),
                                       static_cast<std::size_t>(bytes.size())));
            read.insert(file.path, bytes);
        }
        QCOMPARE(read, files);
    }
};

QTEST_GUILESS_MAIN(LibraryEdgeSeeds)
#include "library_edge_seeds.moc"
