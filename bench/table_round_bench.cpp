// CPU time of one round on the real table window: Deal, two cards discarded, Redeal, the
// repaints the event loop then carries out, and a full repaint of the table on top. Runs
// offscreen with the resource library beside the program, one benchmark per game.
#include "app/table_window.h"
#include "platform/memory_registry_store.h"
#include "wqgame/resource_module.h"

#include <QApplication>
#include <QDialog>
#include <QPixmap>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>

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

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString error;
    if (!quintaro::wqgame::openLibrary(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 3;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    quintaro::wqgame::closeLibrary();
    return 0;
}
