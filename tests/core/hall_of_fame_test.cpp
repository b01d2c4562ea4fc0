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

TEST(HallOfFame, ParseScoreReadsEveryDigitAndSkipsTheRest) {
    EXPECT_EQ(HallOfFame::ParseScore("1,250"), 1250);
    EXPECT_EQ(HallOfFame::ParseScore("$100"), 100);
    EXPECT_EQ(HallOfFame::ParseScore("12a3"), 123);
    EXPECT_EQ(HallOfFame::ParseScore("0"), 0);
    EXPECT_EQ(HallOfFame::ParseScore("none"), -1);
    EXPECT_EQ(HallOfFame::ParseScore(""), -1);
    // Eleven digits: the number modulo 2^32, 4,276,151,597, read as a signed 32-bit value.
    EXPECT_EQ(HallOfFame::ParseScore("98765432109"), -18815699);
}

TEST(HallOfFame, AddScoreGoesBelowEqualScoresAndAFullTableKeepsItsBestTen) {
    MemoryRegistryStore store;
    HallOfFame hall(store, "Quintaro", 0, 1);
    EXPECT_FALSE(hall.AddScore("none"));
    enter(hall, {"Ann 100"});
    EXPECT_EQ(hall.score(0), "100"); // an empty table fills from the top
    enter(hall, {"Bob 500", "Cy 300", "Dee $300", "Eve 300"});
    EXPECT_EQ(scoresOf(hall), (Texts{"500", "300", "$300", "300", "100", "", "", "", "", ""}));
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

TEST(HallOfFame, LoadsAtConstructionAndWritesNameAndTableAtDestruction) {
    MemoryRegistryStore store;
    const MemoryRegistryStore::Values stored{{"PlayerName", "Ann"},
                                             {"Name__1_0", "Bob"},
                                             {"Score_1_0", "900"},
                                             {"Name__1_2", "Cy"},
                                             {"Score_1_2", "5"}};
    for (const auto& [name, value] : stored)
        store.writeValue(settingsPath, name, value);
    {
        HallOfFame hall(store, "Quintaro", 1, 1);
        EXPECT_EQ(hall.playerName(), "Ann");
        EXPECT_EQ(scoresOf(hall), (Texts{"900", "", "5", "", "", "", "", "", "", ""}));
        enter(hall, {"Dee 950"});
        hall.setPlayerName("");
    }
    // The empty name is written; the entry that went empty writes nothing, so its old
    // values stay.
    EXPECT_EQ(store.values(settingsPath), (MemoryRegistryStore::Values{{"PlayerName", ""},
                                                                       {"Name__1_0", "Dee"},
                                                                       {"Score_1_0", "950"},
                                                                       {"Name__1_1", "Bob"},
                                                                       {"Score_1_1", "900"},
                                                                       {"Name__1_2", "Cy"},
                                                                       {"Score_1_2", "5"},
                                                                       {"Name__1_3", "Cy"},
                                                                       {"Score_1_3", "5"}}));
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
