#include "app/game_app.h"

#include "app/command_line.h"
#include "app/table_window.h"
#include "platform/deferred_sound_output.h"
#include "platform/qt_process_starter.h"
#include "platform/window_placement.h"

#include <QStringList>

#include <cstdio>
#include <string>
#include <vector>

namespace quintaro {

namespace {

// How long a player's Exit sound may keep the process after its window has closed.
constexpr std::chrono::seconds exitSoundLimit{5};

} // namespace

GameApp::GameApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Quintaro"));
    setOrganizationName(QStringLiteral("Varden"));
    setApplicationVersion(QStringLiteral("1.0"));
    setDesktopFileName(QStringLiteral("quintaro"));
}

int GameApp::Main() {
    std::vector<std::string> arguments;
    const QStringList all = QApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i)
        arguments.push_back(all[i].toStdString());
    ReturnTarget target = parseCommandLine(arguments);
    // Another program's window is named by its X11 id; a Wayland client cannot name one.
    if (target.returnWindow != 0 && !programPlacesWindows()) {
        std::fprintf(stderr, "quintaro: /h: names an X11 window; skipped under Wayland\n");
        target.returnWindow = 0;
    }

    DeferredSoundOutput sound;
    int result = 0;
    {
        TableWindow table(nullptr, &sound);
        table.show();
        table.startFirstGame();
        result = exec();
    }
    QtProcessStarter starter;
    startReturnCommand(target, starter);
    // The window is gone, everything is saved and the return command has started: the
    // Exit sound may play to its end.
    sound.finishPlaying(exitSoundLimit);
    return result;
}

} // namespace quintaro
