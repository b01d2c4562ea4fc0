#include "app/game_app.h"

#include "app/command_line.h"
#include "app/table_window.h"
#include "platform/qt_process_starter.h"

#include <QStringList>

#include <string>
#include <vector>

namespace quintaro {

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

    TableWindow table;
    table.show();
    table.startFirstGame();
    const int result = exec();

    QtProcessStarter starter;
    startReturnCommand(target, starter);
    return result;
}

} // namespace quintaro
