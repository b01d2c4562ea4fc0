#include "app/display_check.h"
#include "app/game_app.h"
#include "platform/environment_value.h"
#include "platform/seatless_wayland.h"
#include "platform/text_translations.h"
#include "wqgame/resource_module.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QMetaObject>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (quintaro::displayMissing(&quintaro::environmentValue)) {
        // Qt's console half needs no display, and finds the translations as the game does.
        QCoreApplication console(argc, argv);
        quintaro::installDesktopTranslations(&console);
        std::fprintf(stderr, "%s\n", quintaro::missingDisplayMessage().c_str());
        return 2;
    }
    quintaro::avoidTextInputWithoutSeat();
    quintaro::GameApp app(argc, argv);
    quintaro::installDesktopTranslations(&app);
    // Cards, dialogs and menus come from the resource library; without it there is no game.
    constexpr int noLibrary = 3;
    QString error;
    if (!quintaro::wqgame::openLibrary(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        QMessageBox::critical(nullptr, QCoreApplication::applicationName(), error);
        return noLibrary;
    }
    // A damaged picture or text can be found at any time, inside a paint too: the player is
    // told from the event loop, and the program ends there. Its normal end would offer the
    // balance to the Hall of Fame and save settings from a table that lost its pictures.
    quintaro::wqgame::onDamagedLibrary([](const QString& message) {
        QMetaObject::invokeMethod(
            qApp,
            [message] {
                QMessageBox::critical(nullptr, QCoreApplication::applicationName(), message);
                std::_Exit(noLibrary);
            },
            Qt::QueuedConnection);
    });
    const int result = app.Main();
    quintaro::wqgame::closeLibrary();
    return result;
}
