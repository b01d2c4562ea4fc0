#include "wqgame/builder/bundle_writer.h"
#include "wqgame/builder/gallery.h"

#include <QGuiApplication>

#include <cstdio>

// Build-time tool: `wqgame-build FOLDER [DECKS]` renders the game resource library into
// FOLDER; `wqgame-build --gallery BUNDLE PNG` draws a contact sheet of a built bundle.
int main(int argc, char** argv) {
    // The tool draws only into images, so it needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    QString error;
    bool ok = false;
    if (arguments.size() == 4 && arguments[1] == QLatin1String("--gallery")) {
        ok = quintaro::wqgame::writeGallery(arguments[2], arguments[3], &error);
    } else if (arguments.size() == 2 || arguments.size() == 3) {
        const QString decks =
            arguments.size() == 3 ? arguments[2] : QStringLiteral("/usr/share/carddecks");
        ok = quintaro::wqgame::BundleWriter(arguments[1], decks).write(&error);
    } else {
        error = QStringLiteral("usage: wqgame-build FOLDER [DECKS] | --gallery BUNDLE PNG");
    }
    if (!ok)
        std::fprintf(stderr, "wqgame-build: %s\n", qPrintable(error));
    return ok ? 0 : 1;
}
