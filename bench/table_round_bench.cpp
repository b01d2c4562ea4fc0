// CPU time of one round on the real table window: Deal, two cards discarded, Redeal, the
// repaints the event loop then carries out, and a full repaint of the table on top. Runs
// with the resource library beside the program, one benchmark per game.
//
//   quintaro-round-bench [benchmark flags]             offscreen
//   quintaro-round-bench --bridge on|off [flags]        on the platform the environment names
//       (X, for Qt's accessibility bridge), with the bridge on or off; the program waits up
//       to 10 s for it to come on, and ends with exit code 4 if it is not as asked before
//       and after the rounds, so a figure is never put down to the wrong side.
#include "app/table_window.h"
#include "platform/memory_registry_store.h"
#include "wqgame/resource_module.h"

#include <QAccessible>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPixmap>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <optional>

namespace quintaro {
namespace {

void playRounds(benchmark::State& state) {
    const auto game = static_cast<GameType>(state.range(0));
    MemoryRegistryStore store;
    TableWindow table(&store);
    table.show();
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->accept();
    });
    table.startFirstGame();
    RoundFlow& round = table.round();
    round.acceptOptions(game, [] {});
    QCoreApplication::processEvents();

    for (auto _ : state) {
        round.onDealButton();
        round.onCardWindowPress(0);
        round.onCardWindowPress(3);
        round.onDealButton();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(table.client()->grab());
        // A fresh stake before the money runs out: going broke would open a message box.
        if (round.state().balance < 10) {
            state.PauseTiming();
            round.acceptOptions(game, [] {});
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
    }
    state.SetLabel(payTable(game).title.data());
}
// Qt spreads large fills over its own threads: their time counts too.
BENCHMARK(playRounds)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quintaro

namespace {

// The bridge is asked for as "--bridge on" or "--bridge off", taken out of the arguments.
std::optional<bool> takeBridgeArgument(int& argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--bridge") != 0)
            continue;
        const bool on = std::strcmp(argv[i + 1], "on") == 0;
        for (int j = i; j + 2 <= argc; ++j)
            argv[j] = argv[j + 2];
        argc -= 2;
        return on;
    }
    return std::nullopt;
}

// The bridge comes on once it has reached the accessibility bus, a moment after start-up.
bool bridgeIs(bool on) {
    const QDeadlineTimer deadline(on ? 10000 : 0);
    while (QAccessible::isActive() != on && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return QAccessible::isActive() == on;
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<bool> bridge = takeBridgeArgument(argc, argv);
    if (!bridge)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString error;
    if (!quintaro::wqgame::openLibrary(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 3;
    }
    if (bridge && !bridgeIs(*bridge)) {
        std::fprintf(stderr, "Qt's accessibility bridge is not %s\n", *bridge ? "on" : "off");
        return 4;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    quintaro::wqgame::closeLibrary();
    if (bridge && !bridgeIs(*bridge)) {
        std::fprintf(stderr, "Qt's accessibility bridge changed during the rounds\n");
        return 4;
    }
    return 0;
}
