#include "persist/hall_of_fame.h"
#include "platform/memory_registry_store.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace quintaro {
namespace {

const std::string settingsPath = "SOFTWARE\\Varden\\Parlorset\\Quintaro";
using Texts = std::vector<std::string>;

Texts scoresOf(const HallOfFame& hall) {
    Texts scores;
    for (int i = 0; i < HallOfFame::entryCount; ++i)
        scores.push_back(hall.score(i));
    return scores;
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
    EXPECT_EQ(scoresOf(hall), (Texts{"500", "300", "300", "300", "100", "", "", "", "", ""}));
    EXPECT_EQ(hall.name(2), "Dee");
    EXPECT_EQ(hall.name(3), "Eve");

    enter(hall, {"F 90", "G 80", "H 70", "I 60", "J 50"});
    const Texts full = scoresOf(hall);
    hall.setPlayerName("Late");
    EXPECT_FALSE(hall.AddScore("50"));
    EXPECT_EQ(scoresOf(hall), full);
    EXPECT_TRUE(hall.AddScore("55"));
    EXPECT_EQ(hall.name(9), "Late");
    EXPECT_EQ(hall.score(9), "55");
    EXPECT_EQ(hall.name(8), "I");

    HallOfFame fewest(store, "Other", 0, 0);
    enter(fewest, {"Ann 30", "Bob 10", "Cy 20", "Dee 10"});
    EXPECT_EQ(scoresOf(fewest), (Texts{"10", "10", "20", "30", "", "", "", "", "", ""}));
    EXPECT_EQ(fewest.name(1), "Dee");
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
        EXPECT_EQ(scoresOf(hall), (Texts{"98", "96", "", "", "", "", "", "", "", ""}));
        EXPECT_EQ(hall.name(2), "");
        enter(hall, {" 98"});
        hall.setPlayerName(longName);
        EXPECT_TRUE(hall.AddScore("97"));
        hall.setPlayerName("");
    }
    EXPECT_EQ(store.values(settingsPath),
              (MemoryRegistryStore::Values{{"PlayerName", ""},
                                           {"Name__1_0", "Bob"},
                                           {"Score_1_0", "98"},
                                           {"Name__1_1", ""},
                                           {"Score_1_1", "98"},
                                           {"Name__1_2", longName.substr(0, 254)},
                                           {"Score_1_2", "97"},
                                           {"Name__1_3", "Cy"},
                                           {"Score_1_3", "96"}}));
}

TEST(HallOfFame, SwitchingGamesSavesTheOldTableBeforeLoadingTheNew) {
    MemoryRegistryStore store;
    store.writeValue(settingsPath, "Score_2_0", "222");
    HallOfFame hall(store, "Quintaro", 0, 1);
    enter(hall, {"Ann 40", "Bob 60"});

    hall.SetGameType(2);
    EXPECT_EQ(store.values(settingsPath).at("Score_0_0"), "60");
    EXPECT_EQ(store.values(settingsPath).at("Name__0_1"), "Ann");
    EXPECT_EQ(scoresOf(hall), (Texts{"222", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(hall.name(0), "");
}

TEST(HallOfFame, ClearTableDeletesOnlyTheCurrentGameAndOnlyOnYes) {
    MemoryRegistryStore store;
    store.writeValue(settingsPath, "PlayerName", "Ann");
    for (std::uint16_t g = 0; g < 3; ++g)
        for (int i = 0; i < HallOfFame::entryCount; ++i) {
            store.writeValue(settingsPath, HallOfFame::nameValue(g, i), "N");
            store.writeValue(settingsPath, HallOfFame::scoreValue(g, i), "7");
        }
    HallOfFame hall(store, "Quintaro", 1, 1);
    EXPECT_FALSE(hall.ClearTable([] { return false; }));
    EXPECT_EQ(store.values(settingsPath).size(), 61u);
    EXPECT_EQ(hall.score(0), "7");

    EXPECT_TRUE(hall.ClearTable([] { return true; }));
    EXPECT_EQ(scoresOf(hall), Texts(10));
    const auto& left = store.values(settingsPath);
    EXPECT_EQ(left.size(), 41u); // PlayerName and the 40 values of games 0 and 2
    EXPECT_EQ(left.count("Name__1_0") + left.count("Score_1_9"), 0u);
}

} // namespace
} // namespace quintaro
