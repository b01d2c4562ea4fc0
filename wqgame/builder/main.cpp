#include "wqgame/builder/bundle_writer.h"
#include "wqgame/builder/gallery.h"
#include "wqgame/library_seal.h"

#include <QFile>

#include <QGuiApplication>

#include <cstdio>

namespace {

// Appends the seal the game checks the bundle against.
bool seal(const QString& bundle, QString* error) {
    QFile file(bundle);
    if (!file.open(QIODevice::ReadWrite)) {
        *error = QStringLiteral("cannot open %1").arg(bundle);
        return false;
    }
    QString why;
    const std::optional<QByteArray> sealed = quintaro::wqgame::sealFor(file.readAll(), &why);
    if (!sealed) {
        *error = QStringLiteral("cannot seal %1: %2").arg(bundle, why);
        return false;
    }
    if (file.write(*sealed) != sealed->size() || !file.flush()) {
        *error = QStringLiteral("cannot write %1").arg(bundle);
        return false;
    }
    return true;
}

} // namespace

// Build-time tool: `wqgame-build FOLDER [DECKS]` renders the game resource library into
// FOLDER; `wqgame-build --seal BUNDLE` seals the bundle rcc made of it;
// `wqgame-build --gallery BUNDLE PNG` draws a contact sheet of a built bundle.
int main(int argc, char** argv) {
    // The tool draws only into images, so it needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    QString error;
    bool ok = false;
    if (arguments.size() == 4 && arguments[1] == QLatin1String("--gallery")) {
        ok = quintaro::wqgame::writeGallery(arguments[2], arguments[3], &error);
    } else if (arguments.size() == 3 && arguments[1] == QLatin1String("--seal")) {
        ok = seal(arguments[2], &error);
    } else if (arguments.size() == 2 || arguments.size() == 3) {
        const QString decks =
            arguments.size() == 3 ? arguments[2] : QStringLiteral("/usr/share/carddecks");
        ok = quintaro::wqgame::BundleWriter(arguments[1], decks).write(&error);
    } else {
        error = QStringLiteral(
            "usage: wqgame-build FOLDER [DECKS] | --seal BUNDLE | --gallery BUNDLE PNG");
    }
    if (!ok)
        std::fprintf(stderr, "wqgame-build: %s\n", qPrintable(error));
    return ok ? 0 : 1;
}
