#include "app/game_app.h"

#include "app/command_line.h"
#include "app/table_window.h"
#include "platform/deferred_sound_output.h"
#include "platform/qt_process_starter.h"

#include <QStringList>

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
    const ReturnTarget target = parseCommandLine(arguments);

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
