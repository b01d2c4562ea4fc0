#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

namespace quintaro::wqgame {

// The library file is a Qt binary resource bundle as rcc writes it (header, file data,
// names, tree) followed by a seal the builder appends: each file's size and CRC-32 in tree
// order, then the bundle's length, the file count, a SHA-256 over the bundle's header,
// names and tree and over the seal itself, and a tag. Qt reads only the bundle.

// A file of a bundle: its path below the root ("bitmap/2012.png") and where its bytes lie.
struct SealedFile {
    QString path;
    qsizetype offset = 0;
    qsizetype size = 0;
    quint32 crc = 0;
};

// The seal to append to `bundle`; nothing, with `error` saying why, when the bundle is not
// one the game can check: an unknown version or header flags, compressed files, a node in
// two folders, a folder more than seven below the root (a file's path has at most eight
// names), or any offset or length that leaves its section.
std::optional<QByteArray> sealFor(QByteArrayView bundle, QString* error);

// The files of a sealed library, once its seal and its structure are found sound and every
// file, at the size its seal gives, lies inside the data section; nothing, with `error`, if
// not. Qt can then find files without leaving the bundle. Nothing of the data section is
// read here, not even the size field before each file: a library mapped from disk keeps
// the pages of files never used, such as pictures for other pixel ratios, out of memory.
// fileIntact checks each file when it is first used.
std::optional<std::vector<SealedFile>> checkSeal(QByteArrayView library, QString* error);

// The parts of a library that checkSeal reads: its head, up to the file data, and its tail,
// from the names on (names, tree and seal). A library read in part can be checked once
// these are in place. `header` is the library's first bundleHeaderSize bytes; when its
// fields are damaged, the parts they give are ones checkSeal refuses.
inline constexpr qsizetype bundleHeaderSize = 24;
struct CheckedParts {
    qsizetype headEnd = 0;
    qsizetype tailStart = 0;
};
CheckedParts checkedPartsOf(QByteArrayView header);

// Whether the file's size field and contents match its seal. Until this holds, the size Qt
// reports for the file is not to be trusted. Precondition: `file` comes from
// checkSeal(library).
bool fileIntact(QByteArrayView library, const SealedFile& file);

} // namespace quintaro::wqgame
