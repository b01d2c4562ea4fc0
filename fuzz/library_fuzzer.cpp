// Feeds damaged resource libraries to the seal check. Each input is tried as a sealed
// library as it is, and as a bundle sealed afresh, which the check must then accept. Qt,
// given what the check accepted, must find no file but where the check vetted one, and
// once a file is found intact, Qt must take it for the size its seal gives.

#include "wqgame/library_seal.h"

#include <QResource>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

namespace {

using namespace quintaro::wqgame;

void check(bool truth) {
    if (!truth)
        std::abort();
}

void readThroughQt(QByteArrayView library, const std::vector<SealedFile>& files) {
    const QString root = QStringLiteral("/fuzzed");
    const auto* bytes = reinterpret_cast<const uchar*>(library.data());
    std::map<qsizetype, const SealedFile*> vetted;
    for (const SealedFile& file : files)
        vetted.emplace(file.offset, &file);
    check(QResource::registerResource(bytes, root));
    // Qt may find another file of the same name, or none where names repeat or their
    // hashes are wrong; whatever it finds must be vetted.
    for (const SealedFile& file : files) {
        const QResource resource(QStringLiteral(":%1/%2").arg(root, file.path));
        if (!resource.isValid() || resource.data() == nullptr)
            continue;
        const auto found = vetted.find(resource.data() - bytes);
        check(found != vetted.end());
        if (fileIntact(library, *found->second))
            check(resource.size() == found->second->size);
    }
    QResource::unregisterResource(bytes, root);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView input(data, static_cast<qsizetype>(size));
    QString error;
    if (const auto files = checkSeal(input, &error))
        readThroughQt(input, *files);

    const std::optional<QByteArray> seal = sealFor(input, &error);
    if (!seal)
        return 0;
    // A buffer of exactly the library's size, so that a read past its end is reported.
    std::vector<char> library(size + static_cast<std::size_t>(seal->size()));
    std::memcpy(library.data(), data, size);
    std::memcpy(library.data() + size, seal->constData(), static_cast<std::size_t>(seal->size()));
    const QByteArrayView sealed(library.data(), static_cast<qsizetype>(library.size()));
    const auto files = checkSeal(sealed, &error);
    check(files.has_value());
    for (const SealedFile& file : *files)
        check(fileIntact(sealed, file));
    readThroughQt(sealed, *files);
    return 0;
}
