#include "wqgame/resource_module.h"

#include "wqgame/library_image.h"
#include "wqgame/library_seal.h"
#include "wqgame/png_image.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMessageBox>
#include <QResource>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace quintaro::wqgame {

namespace {

const QString mapRoot = QStringLiteral("/wqgame");

// The open bundle, in memory for as long as Qt reads it: its header, names and tree from
// the start, each file once it is first read. Its files are found by the offset of their
// bytes, which is what QResource gives.
struct OpenedLibrary {
    struct Entry {
        SealedFile file;
        bool checked = false;
    };
    LibraryImage image;
    QHash<qsizetype, Entry> entries;
};

std::unique_ptr<OpenedLibrary> g_library;
std::function<void(const QString&)> g_onDamage;
int g_nesting = 0;

QString problemMessage(const QString& details) {
    return QCoreApplication::translate(
               "Errors", "The game resource library %1 is missing, unreadable or damaged. %2")
        .arg(QLatin1String(libraryFileName), details);
}

QString resourcePath(const QString& kind, int id, const char* suffix) {
    return QStringLiteral(":%1/%2/%3%4").arg(mapRoot, kind).arg(id).arg(QLatin1String(suffix));
}

void reportDamage(const QString& name) {
    const QString message = problemMessage(
        QCoreApplication::translate("Errors", "%1 is damaged: %2 does not match its seal.")
            .arg(g_library->image.fileName(), name));
    closeLibrary();
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (g_onDamage)
        g_onDamage(message);
}

// The bytes of resource `path`, read from the file and checked against the seal the first
// time they are needed; empty when there is none. They stay valid while the library is open. Only
// the program's own resources lie outside the bundle, and they need no check.
QByteArray libraryBytes(const QString& path) {
    if (!isLibraryCurrent())
        return {};
    OpenedLibrary::Entry* entry = nullptr;
    {
        const QResource resource(path);
        if (!resource.isValid())
            return {};
        const auto at = reinterpret_cast<quintptr>(resource.data());
        const QByteArrayView bytes = g_library->image.bytes();
        const auto begin = reinterpret_cast<quintptr>(bytes.data());
        if (at < begin || at >= begin + static_cast<quintptr>(bytes.size()))
            return resource.uncompressedData();
        const auto found = g_library->entries.find(static_cast<qsizetype>(at - begin));
        if (found != g_library->entries.end())
            entry = &found.value();
    }
    // The size field before the data is read too: the seal vouches for it.
    if (entry == nullptr ||
        (!entry->checked && (!g_library->image.read(entry->file.offset - 4, entry->file.size + 4) ||
                             !fileIntact(g_library->image.bytes(), entry->file)))) {
        reportDamage(entry != nullptr ? entry->file.path : path);
        return {};
    }
    entry->checked = true;
    return QByteArray::fromRawData(g_library->image.bytes().data() + entry->file.offset,
                                   entry->file.size);
}

QString readText(const QString& kind, int id) {
    return QString::fromUtf8(libraryBytes(resourcePath(kind, id, ".txt")));
}

} // namespace

QStringList librarySearchPaths() {
    const QString programDir = QCoreApplication::applicationDirPath();
    QStringList folders{
        programDir,
        QDir::cleanPath(programDir + QStringLiteral("/" QUINTARO_BIN_TO_DATA "/quintaro")),
        QStringLiteral(QUINTARO_DATA_INSTALL_DIR)};
    folders.removeDuplicates();
    return folders;
}

bool openLibrary(QString* error) {
    if (isLibraryOpen())
        return true;
    const QStringList folders = librarySearchPaths();
    QString damaged;
    for (const QString& folder : folders) {
        const QString file = QDir(folder).filePath(QLatin1String(libraryFileName));
        QString why;
        if (QFile::exists(file) && openLibraryFile(file, &why))
            return true;
        if (!why.isEmpty())
            damaged += u' ' + why;
    }
    if (error)
        *error = problemMessage(QCoreApplication::translate("Errors", "Looked in: %1.%2")
                                    .arg(folders.join(QStringLiteral(", ")), damaged));
    return false;
}

bool openLibraryFile(const QString& file, QString* error) {
    closeLibrary();
    auto library = std::make_unique<OpenedLibrary>();
    LibraryImage& image = library->image;
    QString why;
    if (!image.open(file, &why)) {
        *error = QCoreApplication::translate("Errors", "%1 cannot be read: %2.").arg(file, why);
        return false;
    }
    // Only what the seal check and Qt's look-ups read; no file's data.
    const qsizetype size = image.bytes().size();
    const bool headRead = image.read(0, bundleHeaderSize);
    const CheckedParts parts =
        checkedPartsOf(image.bytes().first(std::min(bundleHeaderSize, size)));
    if (!headRead || !image.read(bundleHeaderSize, parts.headEnd - bundleHeaderSize) ||
        !image.read(parts.tailStart, size - parts.tailStart)) {
        *error = QCoreApplication::translate("Errors", "%1 cannot be read.").arg(file);
        return false;
    }
    const std::optional<std::vector<SealedFile>> files = checkSeal(image.bytes(), &why);
    if (!files) {
        *error = QStringLiteral("%1 is damaged: %2.").arg(file, why);
        return false;
    }
    for (const SealedFile& sealed : *files)
        library->entries.insert(sealed.offset, {sealed, false});
    if (!QResource::registerResource(reinterpret_cast<const uchar*>(image.bytes().data()),
                                     mapRoot)) {
        *error =
            QCoreApplication::translate("Errors", "%1 is damaged: Qt cannot read it.").arg(file);
        return false;
    }
    g_library = std::move(library);
    return true;
}

void closeLibrary() {
    if (!g_library)
        return;
    QResource::unregisterResource(reinterpret_cast<const uchar*>(g_library->image.bytes().data()),
                                  mapRoot);
    g_library.reset();
}

bool isLibraryOpen() {
    return g_library != nullptr;
}

void onDamagedLibrary(std::function<void(const QString& message)> handler) {
    g_onDamage = std::move(handler);
}

void enterLibrary() {
    ++g_nesting;
}

void leaveLibrary() {
    if (g_nesting > 0)
        --g_nesting;
}

int libraryNesting() {
    return g_nesting;
}

bool isLibraryCurrent() {
    return g_nesting > 0 && isLibraryOpen();
}

int bitmapScaleFor(qreal devicePixelRatio) {
    // Ratios come out of float arithmetic (a screen's scale, QT_SCALE_FACTOR); a hair above
    // a whole number must not ask for the next variant. !(x > 1) also catches NaN.
    constexpr qreal tolerance = 1e-4;
    if (!(devicePixelRatio > 1 + tolerance))
        return 1;
    if (devicePixelRatio >= largestBitmapScale)
        return largestBitmapScale;
    return static_cast<int>(std::ceil(devicePixelRatio - tolerance));
}

QImage loadBitmap(int id, qreal devicePixelRatio) {
    if (!isLibraryCurrent())
        return {};
    for (int scale = bitmapScaleFor(devicePixelRatio); scale > 1; --scale) {
        QImage variant = decodePng(
            libraryBytes(QStringLiteral(":%1/bitmap/%2@%3x.png").arg(mapRoot).arg(id).arg(scale)));
        if (!variant.isNull()) {
            variant.setDevicePixelRatio(scale);
            return variant;
        }
    }
    return decodePng(libraryBytes(resourcePath(QStringLiteral("bitmap"), id, ".png")));
}

QString loadString(int id) {
    return readText(QStringLiteral("string"), id);
}

QString loadQueryText(int id) {
    return QCoreApplication::translate("Library",
                                       readText(QStringLiteral("query"), id).toUtf8().constData());
}

QFont loadFont(int id) {
    const QStringList parts = readText(QStringLiteral("font"), id).trimmed().split(u',');
    QFont font;
    if (parts.size() != 3)
        return font;
    font.setFamily(parts[0]);
    font.setPixelSize(qMax(1, parts[1].toInt()));
    font.setWeight(static_cast<QFont::Weight>(parts[2].toInt()));
    return font;
}

bool hasResource(const QString& kind, int id) {
    if (!isLibraryCurrent())
        return false;
    const char* suffix = kind == QLatin1String("bitmap") ? ".png" : ".txt";
    return QFile::exists(resourcePath(kind, id, suffix));
}

std::optional<MenuResource> loadMenu(int id) {
    // The first line is the menu bar item, "id|text"; each further line a popup entry,
    // "position|id|text|flags" with the flags "separator" or "check".
    const QStringList lines = readText(QStringLiteral("menu"), id).split(u'\n', Qt::SkipEmptyParts);
    if (lines.isEmpty())
        return std::nullopt;
    const QStringList bar = lines.first().split(u'|');
    if (bar.size() != 2)
        return std::nullopt;
    const auto translated = [](const QString& english) {
        return QCoreApplication::translate("Library", english.toUtf8().constData());
    };
    MenuResource menu{bar[0].toInt(), translated(bar[1]), {}};
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(u'|');
        if (fields.size() != 4)
            return std::nullopt;
        menu.items.append({fields[0].toInt(), fields[1].toInt(), translated(fields[2]),
                           fields[3] == QLatin1String("separator"),
                           fields[3] == QLatin1String("check")});
    }
    return menu;
}

int runQueryBox(QWidget* parent, int id) {
    const QString text = loadQueryText(id);
    const QMessageBox::StandardButton answer =
        QMessageBox::question(parent, QCoreApplication::applicationName(), text,
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes ? 2 : 0;
}

} // namespace quintaro::wqgame
