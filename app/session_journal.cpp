#include "app/session_journal.h"

#include "persist/decimal_text.h"
#include "platform/ini_text.h"
#include "platform/settings_file.h"

#include <dirent.h>
#include <unistd.h>

namespace quintaro {

namespace {

const std::string journalEnd = ".journal";
const std::string statisticsGroup = "Statistics/";

std::string entryKey(std::size_t index, const char* field) {
    return "Entries/" + std::to_string(index) + "/" + field;
}

std::optional<std::uint32_t> numberIn(const IniValues& values, const std::string& key) {
    const auto value = values.find(key);
    if (value == values.end())
        return std::nullopt;
    return decimalValue(value->second);
}

std::string textIn(const IniValues& values, const std::string& key) {
    const auto value = values.find(key);
    return value == values.end() ? std::string() : value->second;
}

std::string fileText(const std::string& path) {
    SettingsFile file(path);
    const SettingsFile::Contents contents = file.read();
    return contents.state == SettingsFile::State::Read ? contents.text : std::string();
}

} // namespace

std::string journalText(const SessionJournal& journal) {
    IniValues values{
        {"Owner/Boot", journal.owner.boot},
        {"Owner/Process", std::to_string(journal.owner.id)},
        {"Owner/Started", journal.owner.started},
        {"Session/Key", journal.settingsKey},
        {"Session/PlayerName", journal.playerName},
        {"Session/GameType", std::to_string(journal.gameType)},
        {"Session/Balance", std::to_string(journal.balance)},
    };
    for (std::size_t i = 0; i < journal.entries.size(); ++i) {
        values[entryKey(i, "Game")] = std::to_string(journal.entries[i].game);
        values[entryKey(i, "Name")] = journal.entries[i].name;
        values[entryKey(i, "Score")] = journal.entries[i].score;
    }
    for (const auto& [name, text] : journal.statistics)
        values[statisticsGroup + name] = text;
    return writeIniText(values);
}

std::optional<SessionJournal> readJournal(const std::string& text) {
    const IniReading reading = readIniText(text);
    const IniValues& values = reading.values;
    const auto process = numberIn(values, "Owner/Process");
    const auto game = numberIn(values, "Session/GameType");
    const auto balance = numberIn(values, "Session/Balance");
    if (reading.damagedLines != 0 || !process || !game || !balance)
        return std::nullopt;
    SessionJournal journal;
    journal.owner = {textIn(values, "Owner/Boot"), static_cast<long>(*process),
                     textIn(values, "Owner/Started")};
    journal.settingsKey = textIn(values, "Session/Key");
    journal.playerName = textIn(values, "Session/PlayerName");
    journal.gameType = static_cast<std::uint16_t>(*game);
    journal.balance = *balance;
    for (std::size_t i = 0; values.count(entryKey(i, "Score")) != 0; ++i) {
        const auto entryGame = numberIn(values, entryKey(i, "Game"));
        if (!entryGame)
            return std::nullopt;
        journal.entries.push_back({static_cast<std::uint16_t>(*entryGame),
                                   textIn(values, entryKey(i, "Name")),
                                   textIn(values, entryKey(i, "Score"))});
    }
    for (const auto& [key, value] : values)
        if (key.starts_with(statisticsGroup))
            journal.statistics[key.substr(statisticsGroup.size())] = value;
    return journal;
}

std::string journalPath(const std::string& folder, const std::string& settingsKey) {
    return folder + "/" + settingsKey + "-" + std::to_string(::getpid()) + journalEnd;
}

int recoverSessions(RegistryStore& store, const std::string& folder,
                    const std::string& settingsKey) {
    std::vector<std::string> paths;
    if (DIR* listing = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(listing)) {
            const std::string name = entry->d_name;
            if (name.starts_with(settingsKey + "-") && name.ends_with(journalEnd))
                paths.push_back(folder + "/" + name);
        }
        ::closedir(listing);
    }
    int recovered = 0;
    for (const std::string& path : paths) {
        // Read again under the store's lock: a copy starting at the same moment may have
        // stored this journal already.
        StoreUpdate update(store);
        const auto journal = readJournal(fileText(path));
        if (!journal || journal->settingsKey != settingsKey || isRunning(journal->owner))
            continue;
        std::vector<HallOfFameEntry> entries = journal->entries;
        entries.push_back(
            {journal->gameType, journal->playerName, std::to_string(journal->balance)});
        HallOfFame::storeEntries(store, settingsKey, entries);
        TrainerStatistics statistics(store, settingsKey);
        statistics.addUnsaved(journal->statistics);
        statistics.save();
        if (update.commit()) {
            ::unlink(path.c_str());
            ++recovered;
        }
    }
    return recovered;
}

} // namespace quintaro
