#include "persist/hall_of_fame.h"
#include "platform/memory_registry_store.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace quintaro {
namespace {

const std::string settingsPath = "SOFTWARE\\Varden\\Parlorset\\Quintaro";
using Texts = std::vector<std::string>;

// The table as "name score" lines, top first, without the empty entries at its end.
Texts entriesOf(const HallOfFame& hall) {
    Texts entries;
    for (int i = 0; i < HallOfFame::entryCount; ++i)
        entries.push_back(hall.name(i) + ' ' + hall.score(i));
    while (!entries.empty() && entries.back() == " ")
        entries.pop_back();
    return entries;
}

// Enters "Name score" pairs, each under its own player name.
void enter(HallOfFame& hall, const Texts& entries) {
    for (const std::string& entry : entries) {
        hall.setPlayerName(entry.substr(0, entry.find(' ')));
        EXPECT_TRUE(hall.AddScore(entry.substr(entry.find(' ') + 1))) << entry;
    }
}

// A stored score is digits and nothing else, up to the largest balance; anything else is
// an empty entry, never a number that ranks or wraps.
TEST(HallOfFame, ParseScoreTakesOnlyDigitsWithinTheBalance) {
    EXPECT_EQ(HallOfFame::ParseScore("0"), 0);
    EXPECT_EQ(HallOfFame::ParseScore("4294967295"), 4294967295);
    for (const char* text : {"", "none", "-500", "+5", "1,250", "$100", "12a3", " 7", "4294967296",
                             "9223372036854775808", "00000000001"})
        EXPECT_EQ(HallOfFame::ParseScore(text), -1) << text;
}

TEST(HallOfFame, AddScoreGoesBelowEqualScoresAndAFullTableKeepsItsBestTen) {
    MemoryRegistryStore store;
    HallOfFame hall(store, "Quintaro", 0, 1);
    EXPECT_FALSE(hall.AddScore("none"));
    enter(hall, {"Ann 100"});
    EXPECT_EQ(hall.score(0), "100"); // an empty table fills from the top
    enter(hall, {"Bob 500", "Cy 300", "Dee 300", "Eve 300"});
    EXPECT_EQ(entriesOf(hall), (Texts{"Bob 500", "Cy 300", "Dee 300", "Eve 300", "Ann 100"}));

    enter(hall, {"F 90", "G 80", "H 70", "I 60", "J 50"});
    const Texts full = entriesOf(hall);
    hall.setPlayerName("Late");
    EXPECT_FALSE(hall.AddScore("50"));
    EXPECT_EQ(entriesOf(hall), full);
    EXPECT_TRUE(hall.AddScore("55"));
    EXPECT_EQ(entriesOf(hall), (Texts{"Bob 500", "Cy 300", "Dee 300", "Eve 300", "Ann 100", "F 90",
                                      "G 80", "H 70", "I 60", "Late 55"}));

    HallOfFame fewest(store, "Other", 0, 0);
    enter(fewest, {"Ann 30", "Bob 10", "Cy 20", "Dee 10"});
    EXPECT_EQ(entriesOf(fewest), (Texts{"Bob 10", "Dee 10", "Cy 20", "Ann 30"}));
}

TEST(HallOfFame, EveryEntryIsWrittenWholeAndNoNameOutlivesItsScore) {
    MemoryRegistryStore store;
    const MemoryRegistryStore::Values stored{
        {"PlayerName", "Ann"}, {"Name__1_0", "Bob"}, {"Score_1_0", "98"},   {"Name__1_1", "Cy"},
        {"Score_1_1", "96"},   {"Name__1_2", "Abe"}, {"Score_1_2", "-500"}, {"Name__1_3", "Di"}};
    for (const auto& [name, value] : stored)
        store.writeValue(settingsPath, name, value);
    // A 300-byte name of two-byte letters, cut to the longest whole letters that fit.
    std::string longName;
    for (int i = 0; i < 150; ++i)
        longName += "\xC3\xA9";
    {
        HallOfFame hall(store, "Quintaro", 1, 1);
        EXPECT_EQ(hall.playerName(), "Ann");
        EXPECT_EQ(entriesOf(hall), (Texts{"Bob 98", "Cy 96"})); // Abe's score is no number
        enter(hall, {" 98"});
        hall.setPlayerName(longName);
        EXPECT_TRUE(hall.AddScore("97"));
        hall.setPlayerName("");
    }
    const MemoryRegistryStore::Values expected{
        {"PlayerName", ""},  {"Name__1_0", "Bob"}, {"Score_1_0", "98"},
        {"Name__1_1", ""},   {"Score_1_1", "98"},  {"Name__1_2", longName.substr(0, 254)},
        {"Score_1_2", "97"}, {"Name__1_3", "Cy"},  {"Score_1_3", "96"}};
    EXPECT_EQ(store.values(settingsPath), expected);
}

TEST(HallOfFame, SwitchingSavesTheOldTableFirstAndClearingDeletesOnlyTheCurrentGameOnYes) {
    MemoryRegistryStore store;
    store.writeValue(settingsPath, "PlayerName", "Ann");
    for (std::uint16_t g = 0; g < 3; ++g)
        for (int i = 0; i < HallOfFame::entryCount; ++i) {
            store.writeValue(settingsPath, HallOfFame::nameValue(g, i), "N");
            store.writeValue(settingsPath, HallOfFame::scoreValue(g, i), std::to_string(g));
        }
    HallOfFame hall(store, "Quintaro", 1, 1);
    enter(hall, {"Bob 60"});
    hall.SetGameType(2);
    EXPECT_EQ(store.values(settingsPath).at("Score_1_0"), "60");
    EXPECT_EQ(store.values(settingsPath).at("Name__1_1"), "N");
    EXPECT_EQ(entriesOf(hall), Texts(10, "N 2"));

    EXPECT_FALSE(hall.ClearTable([] { return false; }));
    EXPECT_EQ(store.values(settingsPath).size(), 61u);
    EXPECT_EQ(hall.score(0), "2");
    EXPECT_TRUE(hall.ClearTable([] { return true; }));
    EXPECT_EQ(entriesOf(hall), Texts{});
    const auto& left = store.values(settingsPath);
    EXPECT_EQ(left.size(), 41u); // PlayerName and the 40 values of games 0 and 1
    EXPECT_EQ(left.count("Name__2_0") + left.count("Score_2_9"), 0u);
}

} // namespace
} // namespace quintaro
