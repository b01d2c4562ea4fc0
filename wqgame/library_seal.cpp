#include "wqgame/library_seal.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QtEndian>

#include <zlib.h>

#include <algorithm>
#include <limits>
#include <utility>

namespace quintaro::wqgame {

namespace {

constexpr char sealTag[] = "wqgseal1";
constexpr qsizetype tagSize = sizeof(sealTag) - 1;
constexpr qsizetype rowSize = 8;
constexpr qsizetype digestSize = 32;
constexpr qsizetype footerSize = 4 + 4 + digestSize + tagSize;

// rcc's node flags. The library is written uncompressed, so any other flag is damage.
constexpr quint16 fileNode = 0;
constexpr quint16 directoryNode = 2;
// The library's tree is two levels deep; a deeper one is damage.
constexpr int deepestPath = 8;

quint16 read16(QByteArrayView bytes, qsizetype at) {
    return qFromBigEndian<quint16>(bytes.data() + at);
}

quint32 read32(QByteArrayView bytes, qsizetype at) {
    return qFromBigEndian<quint32>(bytes.data() + at);
}

void append32(QByteArray& out, quint32 value) {
    const quint32 big = qToBigEndian(value);
    out.append(reinterpret_cast<const char*>(&big), sizeof big);
}

// Where rcc put the sections: header, data, names, tree, each ending where the next starts.
struct Layout {
    qsizetype data = 0;
    qsizetype names = 0;
    qsizetype tree = 0;
    qsizetype nodeSize = 0;
    qsizetype nodeCount = 0;
};

std::optional<Layout> readLayout(QByteArrayView bundle, QString* error) {
    const auto refuse = [error](const char* why) -> std::optional<Layout> {
        *error = QString::fromLatin1(why);
        return std::nullopt;
    };
    if (bundle.size() < 24 || !bundle.startsWith("qres"))
        return refuse("it is not a Qt resource bundle");
    const quint32 version = read32(bundle, 4);
    if (version < 1 || version > 3 || (version == 3 && read32(bundle, 20) != 0))
        return refuse("its header names an unknown version or flags");
    const qsizetype headerSize = version == 3 ? 24 : 20;
    Layout layout{read32(bundle, 12), read32(bundle, 16), read32(bundle, 8), 0, 0};
    if (layout.data < headerSize || layout.names < layout.data || layout.tree < layout.names ||
        layout.tree > bundle.size())
        return refuse("its sections are out of order or past its end");
    // A node: name offset, flags, then three 32-bit fields, from version 2 a time stamp.
    layout.nodeSize = version >= 2 ? 22 : 14;
    layout.nodeCount = (bundle.size() - layout.tree) / layout.nodeSize;
    if (layout.nodeCount == 0 || (bundle.size() - layout.tree) % layout.nodeSize != 0)
        return refuse("its tree ends inside a node");
    return layout;
}

// Every node reachable from the root, each offset checked against its section, so that Qt,
// which checks none, stays inside the bundle. The files come in node order, each with its
// offset but no size: the size field lies among the file data, which only the caller may
// decide to read. Qt reads that field too, but only where these offsets point.
std::optional<std::vector<SealedFile>> readFiles(QByteArrayView bundle, const Layout& layout,
                                                 QString* error) {
    const auto refuse = [error](const char* why) -> std::optional<std::vector<SealedFile>> {
        *error = QString::fromLatin1(why);
        return std::nullopt;
    };
    struct Pending {
        qsizetype node;
        QString path;
        int depth;
    };
    // A node claimed twice would make the walk go round a cycle.
    std::vector<bool> claimed(static_cast<std::size_t>(layout.nodeCount));
    claimed[0] = true;
    std::vector<Pending> pending{{0, {}, 0}};
    std::vector<std::pair<qsizetype, SealedFile>> files;
    while (!pending.empty()) {
        Pending next = std::move(pending.back());
        pending.pop_back();
        const qsizetype at = layout.tree + next.node * layout.nodeSize;
        const quint16 flags = read16(bundle, at + 4);
        if (next.node == 0 && flags != directoryNode)
            return refuse("its root is not a folder");
        // A name: its length in UTF-16 units, its hash, then the units.
        const qsizetype name = layout.names + read32(bundle, at);
        if (name + 6 > layout.tree || name + 6 + 2 * read16(bundle, name) > layout.tree)
            return refuse("a name lies outside the names");
        if (next.node != 0) {
            QString segment;
            for (qsizetype c = name + 6; c < name + 6 + 2 * read16(bundle, name); c += 2)
                segment.append(QChar(read16(bundle, c)));
            next.path = next.path.isEmpty() ? segment : next.path + u'/' + segment;
        }
        if (flags == directoryNode) {
            const qsizetype count = read32(bundle, at + 6);
            const qsizetype first = read32(bundle, at + 10);
            if (first + count > layout.nodeCount || next.depth == deepestPath)
                return refuse("a folder's entries lie outside the tree");
            for (qsizetype child = first; child < first + count; ++child) {
                if (claimed[static_cast<std::size_t>(child)])
                    return refuse("a node belongs to two folders");
                claimed[static_cast<std::size_t>(child)] = true;
                pending.push_back({child, next.path, next.depth + 1});
            }
        } else if (flags == fileNode) {
            const qsizetype entry = layout.data + read32(bundle, at + 10);
            if (entry + 4 > layout.names)
                return refuse("a file lies outside the data");
            files.push_back({next.node, {next.path, entry + 4, 0, 0}});
        } else {
            return refuse("a file is compressed or has unknown flags");
        }
    }
    std::sort(files.begin(), files.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<SealedFile> result;
    for (auto& file : files)
        result.push_back(std::move(file.second));
    return result;
}

// Covers everything but the file data, which each file's CRC-32 covers.
QByteArray digestOf(QByteArrayView bundle, const Layout& layout, QByteArrayView sealHead) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(bundle.first(layout.data));
    hash.addData(bundle.sliced(layout.names));
    hash.addData(sealHead);
    return hash.result();
}

// Each file's size as rcc wrote it, in the four bytes before its data.
quint32 sizeFieldOf(QByteArrayView bundle, const SealedFile& file) {
    return read32(bundle, file.offset - 4);
}

quint32 crcOf(QByteArrayView library, const SealedFile& file) {
    return static_cast<quint32>(
        crc32_z(0, reinterpret_cast<const Bytef*>(library.data() + file.offset),
                static_cast<std::size_t>(file.size)));
}

} // namespace

std::optional<QByteArray> sealFor(QByteArrayView bundle, QString* error) {
    if (bundle.size() > std::numeric_limits<quint32>::max()) {
        *error = QCoreApplication::translate("Errors", "it is larger than a bundle can be");
        return std::nullopt;
    }
    const std::optional<Layout> layout = readLayout(bundle, error);
    if (!layout)
        return std::nullopt;
    std::optional<std::vector<SealedFile>> files = readFiles(bundle, *layout, error);
    if (!files)
        return std::nullopt;
    for (SealedFile& file : *files) {
        file.size = sizeFieldOf(bundle, file);
        if (file.offset + file.size > layout->names) {
            *error =
                QCoreApplication::translate("Errors", "%1 lies outside the data").arg(file.path);
            return std::nullopt;
        }
    }
    QByteArray seal;
    for (const SealedFile& file : *files) {
        append32(seal, static_cast<quint32>(file.size));
        append32(seal, crcOf(bundle, file));
    }
    append32(seal, static_cast<quint32>(bundle.size()));
    append32(seal, static_cast<quint32>(files->size()));
    seal += digestOf(bundle, *layout, seal);
    seal += sealTag;
    return seal;
}

std::optional<std::vector<SealedFile>> checkSeal(QByteArrayView library, QString* error) {
    if (library.size() < footerSize || !library.endsWith(sealTag)) {
        *error = QCoreApplication::translate("Errors", "it has no seal");
        return std::nullopt;
    }
    const qsizetype footer = library.size() - footerSize;
    const qsizetype length = read32(library, footer);
    const qsizetype count = read32(library, footer + 4);
    if (length + count * rowSize != footer) {
        *error = QCoreApplication::translate("Errors", "its seal does not fit its length");
        return std::nullopt;
    }
    const QByteArrayView bundle = library.first(length);
    const std::optional<Layout> layout = readLayout(bundle, error);
    if (!layout)
        return std::nullopt;
    // The digest comes before the walk, so a damaged tree is never followed.
    if (digestOf(bundle, *layout, library.sliced(length, footer + 8 - length)) !=
        library.sliced(footer + 8, digestSize)) {
        *error = QCoreApplication::translate("Errors", "its contents do not match its seal");
        return std::nullopt;
    }
    std::optional<std::vector<SealedFile>> files = readFiles(bundle, *layout, error);
    if (!files)
        return std::nullopt;
    if (static_cast<qsizetype>(files->size()) != count) {
        *error = QCoreApplication::translate("Errors", "its seal counts other files");
        return std::nullopt;
    }
    for (qsizetype i = 0; i < count; ++i) {
        SealedFile& file = (*files)[static_cast<std::size_t>(i)];
        file.size = read32(library, length + rowSize * i);
        if (file.offset + file.size > layout->names) {
            *error = QCoreApplication::translate("Errors", "the seal's size of %1 leaves the data")
                         .arg(file.path);
            return std::nullopt;
        }
        file.crc = read32(library, length + rowSize * i + 4);
    }
    return files;
}

CheckedParts checkedPartsOf(QByteArrayView header) {
    if (header.size() < 20)
        return {header.size(), header.size()};
    return {read32(header, 12), read32(header, 16)};
}

bool fileIntact(QByteArrayView library, const SealedFile& file) {
    return sizeFieldOf(library, file) == file.size && crcOf(library, file) == file.crc;
}

} // namespace quintaro::wqgame
