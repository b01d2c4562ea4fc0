#pragma once

#include "persist/hall_of_fame.h"
#include "platform/process_mark.h"
#include "platform/registry_store.h"
#include "trainer/trainer_statistics.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quintaro {

// What a running copy has not stored yet, rewritten after every hand and every store, and
// removed when the copy has stored everything at its end. A copy that starts stores the
// journals of copies that died (a crash, kill -9, a lost display) as their exit would have.
struct SessionJournal {
    ProcessMark owner;
    std::string settingsKey;
    std::string playerName;
    std::uint16_t gameType = 0;
    std::uint32_t balance = 0;
    // Hall of Fame entries made since the last save.
    std::vector<HallOfFameEntry> entries;
    // The trainer's hands judged since the last save, as TrainerStatistics stores them.
    TrainerStatistics::StoredValues statistics;
};

std::string journalText(const SessionJournal& journal);
// Nothing when the text is not a whole journal.
std::optional<SessionJournal> readJournal(const std::string& text);

// The journal of this process, in `folder`, for the program named by its settings key.
std::string journalPath(const std::string& folder, const std::string& settingsKey);

// Stores, with what is stored now, the balance and entries of every journal in `folder`
// whose copy is no longer running, and the hands it judged; removes each journal once
// stored. Gives the number of sessions stored.
int recoverSessions(RegistryStore& store, const std::string& folder,
                    const std::string& settingsKey);

} // namespace quintaro
