#include "app/game_app.h"

#include "app/command_line.h"
#include "app/session_journal.h"
#include "app/settings_problems.h"
#include "app/table_window.h"
#include "platform/deferred_sound_output.h"
#include "platform/ini_registry_store.h"
#include "platform/qt_process_starter.h"
#include "platform/shutdown_signals.h"
#include "platform/window_placement.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <string>
#include <vector>

#include <unistd.h>

namespace quintaro {

namespace {

// How long a player's Exit sound may keep the process after its window has closed.
constexpr std::chrono::seconds exitSoundLimit{5};

const std::string organisation = "Varden";
const std::string family = "Parlorset";

} // namespace

GameApp::GameApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Quintaro"));
    setOrganizationName(QString::fromStdString(organisation));
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
        std::fprintf(stderr, "quintaro: %s\n",
                     qPrintable(QCoreApplication::translate(
                         "Errors", "/h: names an X11 window; skipped under Wayland")));
        target.returnWindow = 0;
    }

    SettingsProblems problems;
    IniRegistryStore store;
    store.setProblemHandler([&problems](const std::string& message, const std::string& path) {
        problems.report(message, path);
    });
    store.setCommitRequest(
        [this, &store] { QTimer::singleShot(0, this, [&store] { store.commit(); }); });
    const std::string settingsKey = applicationName().toStdString();
    std::string folder = store.filePath(organisation, family);
    folder.erase(folder.rfind('/'));
    recoverSessions(store, folder, settingsKey);
    const std::string journal = journalPath(folder, settingsKey);

    DeferredSoundOutput sound;
    ShutdownSignals signals;
    bool signalled = false;
    int result = 0;
    {
        auto table = std::make_unique<TableWindow>(&store, &sound);
        // A signal closes the table as its window's close button does, and every dialog
        // that is open returns at once, as does any that would open.
        connect(&signals, &ShutdownSignals::received, this, [&table, &signalled] {
            signalled = true;
            table->close();
            QCoreApplication::exit(0);
        });
        table->keepJournal(journal);
        store.setStoredHandler([&table] { table->journalChanged(); });
        table->show();
        problems.showOver(table.get());
        table->startFirstGame();
        if (!signalled)
            result = exec();
        store.setStoredHandler({});
        problems.ending(!signalled);
        StoreUpdate exitSave(store);
        table.reset();
        if (exitSave.commit())
            ::unlink(journal.c_str());
    }
    QtProcessStarter starter;
    startReturnCommand(target, starter);
    // The window is gone, everything is saved and the return command has started: the
    // Exit sound may play to its end.
    sound.finishPlaying(exitSoundLimit);
    return result;
}

} // namespace quintaro
