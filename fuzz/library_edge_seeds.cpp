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

// Qt's binary resource format, as rcc writes it and QResource reads it; every field is
// big-endian.
//   Header: "qres", the version (1 to 3), the offsets of the tree, the data and the names,
//   and from version 3 flags naming the compressions its files use, none here. It is 20
//   bytes long, 24 from version 3.
//   Data: for each file a 32-bit size, then that many bytes, all before the names.
//   Names: for each a 16-bit length in UTF-16 units, a 32-bit hash, then the units, all
//   before the tree.
//   Tree: nodes from the root on, to the end of the bundle: a 32-bit name offset from the
//   names, 16-bit flags (2 a folder), then for a folder its entry count and first entry's
//   node, for a file its country, language and data offset from the data; from version 2
//   a 64-bit time follows. Each node is one folder's entry, and the root no one's.
constexpr qsizetype nodeSize = 22;
constexpr qsizetype oldNodeSize = 14;
constexpr quint16 folderFlag = 2;
constexpr qsizetype tagSize = 8;
constexpr qsizetype digestSize = 32;
// The game's own limit: files at most eight names deep, so folders at most seven.
constexpr int deepestFile = 8;

using Files = QMap<QString, QByteArray>;

quint16 get16(const QByteArray& bytes, qsizetype at) {
    return qFromBigEndian<quint16>(bytes.constData() + at);
}

quint32 get32(const QByteArray& bytes, qsizetype at) {
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

void put32(QByteArray& bytes, qsizetype at, quint32 value) {
    qToBigEndian(value, bytes.data() + at);
}

void put16(QByteArray& bytes, qsizetype at, quint16 value) {
    qToBigEndian(value, bytes.data() + at);
}

qsizetype treeOf(const QByteArray& b) {
    return get32(b, 8);
}
qsizetype dataOf(const QByteArray& b) {
    return get32(b, 12);
}
qsizetype namesOf(const QByteArray& b) {
    return get32(b, 16);
}
qsizetype nodeAt(const QByteArray& b, qsizetype node) {
    return treeOf(b) + nodeSize * node;
}
qsizetype nodeCount(const QByteArray& b) {
    return (b.size() - treeOf(b)) / nodeSize;
}
bool isFolder(const QByteArray& b, qsizetype node) {
    return get16(b, nodeAt(b, node) + 4) == folderFlag;
}

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
        const auto withFiles = [&](auto edit) {
            Files f = sources;
            edit(f);
            return f;
        };
        const auto row = [](const char* name, const QByteArray& input, const Files& files,
                            bool alreadySealed = false) {
            QTest::newRow(name) << input << alreadySealed << files;
        };

        row("as rcc wrote it", base, sources);
        row("version 2: a 20-byte header", older(base, 2), sources);
        row("version 1: 14-byte nodes", older(base, 1), sources);
        row("version 0", edited([](QByteArray& b) { put32(b, 4, 0); }), {});
        row("version 4", edited([](QByteArray& b) { put32(b, 4, 4); }), {});
        row("version 3 with flags 1", edited([](QByteArray& b) { put32(b, 20, 1); }), {});
        row("a header one byte short", base.first(23), {});
        row("data from the header's last byte", edited([](QByteArray& b) { put32(b, 12, 23); }),
            {});
        // Every file still where it was, but the data claims the version-3 flags.
        row("data over the version-3 flags", edited([&](QByteArray& b) {
                put32(b, 12, static_cast<quint32>(dataOf(b) - 4));
                for (qsizetype node = 0; node < nodeCount(b); ++node)
                    if (!isFolder(b, node))
                        put32(b, nodeAt(b, node) + 10, get32(b, nodeAt(b, node) + 10) + 4);
            }),
            {});
        row("the tree one byte past its last node", base + '\0', {});
        // Qt reads the root's fields as a folder's whatever its flags say.
        row("the root a file", edited([&](QByteArray& b) {
                put16(b, nodeAt(b, 0) + 4, 0);
                put32(b, nodeAt(b, 0) + 10, get32(b, nodeAt(b, lastFile) + 10));
            }),
            {});
        // Offsets are unsigned: one with its top bit set lies 2 GiB on, not before.
        row("a name offset of 2^31",
            edited([&](QByteArray& b) { put32(b, nodeAt(b, lastFile), 0x80000000); }), {});
        row("a data offset of 2^31",
            edited([&](QByteArray& b) { put32(b, nodeAt(b, lastFile) + 10, 0x80000000); }), {});

        row("the last name one unit past the tree",
            edited([&](QByteArray& b) { put16(b, lastName, get16(b, lastName) + 1); }), {});

        const qsizetype lastEntry = dataOf(base) + get32(base, nodeAt(base, lastFile) + 10);
        row("the last file one byte past the data",
            edited([&](QByteArray& b) { put32(b, lastEntry, get32(b, lastEntry) + 1); }), {});
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
        row("an empty file whose size field ends the data", emptyFileAt(0),
            withFiles([](Files& f) { f[QStringLiteral("bitmap/2012.png")].clear(); }));
        row("that size field one byte past the data", emptyFileAt(1), {});

        row("a file eight names deep", deepened(base, lastFile, deepestFile - 2),
            withFiles(
                [&](Files& f) { f.insert(deepPath, f.take(QStringLiteral("bitmap/2012.png"))); }));
        row("a folder eight names deep", deepened(base, lastFile, deepestFile - 1), {});

        row("a node in two folders", edited([&](QByteArray& b) {
                put32(b, nodeAt(b, firstFolder) + 10, get32(b, nodeAt(b, firstFolder + 1) + 10));
            }),
            {});
        // The root's entries one longer: the node after its last, a folder's file, is the
        // root's fourth entry too, one that is not its first.
        const qsizetype afterRoot = firstFolder + get32(base, nodeAt(base, 0) + 6);
        QVERIFY(afterRoot < nodeCount(base) && !isFolder(base, afterRoot));
        row("a file in the root and a folder", edited([&](QByteArray& b) {
                put32(b, nodeAt(b, 0) + 6, get32(b, nodeAt(b, 0) + 6) + 1);
            }),
            {});
        row("a folder's entries one past the last node", edited([&](QByteArray& b) {
                put32(b, nodeAt(b, lastFolder) + 6, get32(b, nodeAt(b, lastFolder) + 6) + 1);
            }),
            {});

        // The seal's head as the builder writes it; with the last file's size one byte past
        // the data; without its last row; with a byte between its rows and its length.
        QString error;
        const std::optional<QByteArray> seal = sealFor(base, &error);
        QVERIFY2(seal && seal->size() == 8 * files + 8 + digestSize + tagSize, qPrintable(error));
        const QByteArray head = seal->chopped(digestSize + tagSize);
        row("the seal as the builder writes it", sealed(base, head), sources, true);
        QByteArray longer = head;
        put32(longer, 8 * lastFileRow, get32(head, 8 * lastFileRow) + 1);
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
