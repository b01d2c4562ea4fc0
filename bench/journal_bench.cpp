#include "app/session_journal.h"
#include "platform/settings_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>

#include <stdlib.h>

namespace quintaro {
namespace {

// What a hand costs the journal: a session with the trainer's figures of all three games
// and two Hall of Fame entries not stored yet, made into text and written whole beside
// the settings, as after every hand. The folder is made under TMPDIR, so that the figure can
// be taken on the disk that holds the settings.
void journalWrite(benchmark::State& state) {
    std::string folder = (std::filesystem::temp_directory_path() / "quintaro-journal-XXXXXX");
    if (::mkdtemp(folder.data()) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    SessionJournal journal;
    journal.owner = currentProcess();
    journal.settingsKey = "Quintaro";
    journal.playerName = "Figures";
    journal.balance = 117;
    journal.entries = {{0, "Figures", "240"}, {2, "Figures", "96"}};
    for (const char* figure : {"Hands", "Bet", "Paid", "BestPaid", "Expected", "BestExpected",
                               "Mistakes", "MistakeCost"})
        for (int game = 0; game < 3; ++game)
            journal.statistics[std::string(figure) + "_" + std::to_string(game)] = "123456789";
    const std::string path = journalPath(folder, journal.settingsKey);
    for (auto _ : state) {
        ++journal.balance;
        benchmark::DoNotOptimize(replaceFile(path, journalText(journal), false));
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(journalWrite)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quintaro
