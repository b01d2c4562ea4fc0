#include "wqgame/resource_module.h"

#include "wqgame/png_image.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QResource>

#include <cmath>

namespace quintaro::wqgame {

namespace {

const QString mapRoot = QStringLiteral("/wqgame");

QString g_openFile;
int g_nesting = 0;

QString resourcePath(const QString& kind, int id, const char* suffix) {
    return QStringLiteral(":%1/%2/%3%4").arg(mapRoot, kind).arg(id).arg(QLatin1String(suffix));
}

QString readText(const QString& kind, int id) {
    if (!isLibraryCurrent())
        return {};
    QFile file(resourcePath(kind, id, ".txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
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
    for (const QString& folder : folders) {
        const QString file = QDir(folder).filePath(QLatin1String(libraryFileName));
        if (QFile::exists(file) && QResource::registerResource(file, mapRoot)) {
            g_openFile = file;
            return true;
        }
    }
    if (error)
        *error = QStringLiteral("The game resource library %1 is missing or unreadable. "
                                "Looked in: %2")
                     .arg(QLatin1String(libraryFileName), folders.join(QStringLiteral(", ")));
    return false;
}

void closeLibrary() {
    if (!isLibraryOpen())
        return;
    QResource::unregisterResource(g_openFile, mapRoot);
    g_openFile.clear();
}

bool isLibraryOpen() {
    return !g_openFile.isEmpty();
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
        QImage variant = loadPngResource(
            QStringLiteral(":%1/bitmap/%2@%3x.png").arg(mapRoot).arg(id).arg(scale));
        if (!variant.isNull()) {
            variant.setDevicePixelRatio(scale);
            return variant;
        }
    }
    return loadPngResource(resourcePath(QStringLiteral("bitmap"), id, ".png"));
}

QString loadString(int id) {
    return readText(QStringLiteral("string"), id);
}

QString loadQueryText(int id) {
    return readText(QStringLiteral("query"), id);
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
    MenuResource menu{bar[0].toInt(), bar[1], {}};
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(u'|');
        if (fields.size() != 4)
            return std::nullopt;
        menu.items.append({fields[0].toInt(), fields[1].toInt(), fields[2],
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
