#include "wqgame/resource_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QResource>

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
    return {QCoreApplication::applicationDirPath(), QStringLiteral(QUINTARO_DATA_INSTALL_DIR)};
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

QImage loadBitmap(int id) {
    if (!isLibraryCurrent())
        return {};
    return QImage(resourcePath(QStringLiteral("bitmap"), id, ".png"));
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

int runQueryBox(QWidget* parent, int id) {
    const QString text = loadQueryText(id);
    const QMessageBox::StandardButton answer = QMessageBox::question(
        parent, QCoreApplication::applicationName(), text, QMessageBox::Yes | QMessageBox::No,
        QMessageBox::No);
    return answer == QMessageBox::Yes ? 2 : 0;
}

} // namespace quintaro::wqgame
