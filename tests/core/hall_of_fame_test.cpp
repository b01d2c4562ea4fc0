#include "persist/hall_of_fame.h"
#include "platform/memory_registry_store.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace quintaro {
namespace {

const std::string settingsPath = "SOFTWARE\\Varden\\Parlorset\\Quintaro";
using Texts = std::vector<std::string>;

// Notes every read, write and delete in order: "r Name", "w Name=value", "d Name".
class RecordingStore : public MemoryRegistryStore {
public:
    std::optional<std::string> readValue(const std::string& key, const std::string& name) override {
        calls.push_back("r " + name);
        return MemoryRegistryStore::readValue(key, name);
    }
    void writeValue(const std::string& key, const std::string& name,
                    const std::string& value) override {
        calls.push_back("w " + name + "=" + value);
        MemoryRegistryStore::writeValue(key, name, value);
    }
    void deleteValue(const std::string& key, const std::string& name) override {
        calls.push_back("d " + name);
        MemoryRegistryStore::deleteValue(key, name);
    }
    void set(const std::string& name, const std::string& value) {
        MemoryRegistryStore::writeValue(settingsPath, name, value);
    }
    Texts calls;
};

Texts scoresOf(const HallOfFame& hall) {
    Texts scores;
    for (int i = 0; i < HallOfFame::entryCount; ++i)
        scores.push_back(hall.score(i));
    return scores;
}

TEST(HallOfFame, ParseScoreReadsEveryDigitAndSkipsTheRest) {
    EXPECT_EQ(HallOfFame::ParseScore("1,250"), 1250);
    EXPECT_EQ(HallOfFame::ParseScore("$100"), 100);
    EXPECT_EQ(HallOfFame::ParseScore("12a3"), 123);
    EXPECT_EQ(HallOfFame::ParseScore("0"), 0);
    EXPECT_EQ(HallOfFame::ParseScore("none"), -1);
    EXPECT_EQ(HallOfFame::ParseScore(""), -1);
    // Eleven digits: the number modulo 2^32, read as a signed 32-bit value.
    std::int64_t wrapped = 98765432109 % (std::int64_t{1} << 32);
    if (wrapped >= (std::int64_t{1} << 31))
        wrapped -= std::int64_t{1} << 32;
    EXPECT_EQ(HallOfFame::ParseScore("98765432109"), wrapped);
}

TEST(HallOfFame, AddScoreGoesBelowEqualScores) {
    MemoryRegistryStore store;
    HallOfFame hall(store, "Quintaro", 0, 1);
    EXPECT_FALSE(hall.AddScore("none"));
    hall.setPlayerName("Ann");
    EXPECT_TRUE(hall.AddScore("100"));
    EXPECT_EQ(hall.score(0), "100"); // an empty table fills from the top
    for (const std::string name : {"Bob 500", "Cy 300", "Dee $300", "Eve 300"}) {
        hall.setPlayerName(name.substr(0, name.find(' ')));
        EXPECT_TRUE(hall.AddScore(name.substr(name.find(' ') + 1)));
    }
    EXPECT_EQ(scoresOf(hall), (Texts{"500", "300", "$300", "300", "100", "", "", "", "", ""}));
    EXPECT_EQ(hall.name(2), "Dee");
    EXPECT_EQ(hall.name(3), "Eve");
    EXPECT_EQ(hall.name(4), "Ann");
}

TEST(HallOfFame, AFullTableKeepsItsBestTen) {
    MemoryRegistryStore store;
    HallOfFame hall(store, "Quintaro", 0, 1);
    for (int i = 0; i < HallOfFame::entryCount; ++i) {
        hall.setPlayerName("P" + std::to_string(i));
        ASSERT_TRUE(hall.AddScore(std::to_string(1000 - 100 * i))); // 1000 down to 100
    }
    const Texts full = scoresOf(hall);
    hall.setPlayerName("Late");
    EXPECT_FALSE(hall.AddScore("100"));
    EXPECT_EQ(scoresOf(hall), full);

    EXPECT_TRUE(hall.AddScore("150"));
    EXPECT_EQ(hall.name(9), "Late");
    EXPECT_EQ(hall.score(9), "150");
    EXPECT_EQ(hall.name(8), "P8");
    EXPECT_EQ(hall.score(8), "200");
}

TEST(HallOfFame, LoadsAtConstructionAndWritesNameAndTableAtDestruction) {
    RecordingStore store;
    store.set("PlayerName", "Ann");
    store.set("Name__1_0", "Bob");
    store.set("Score_1_0", "900");
    store.set("Name__1_2", "Cy");
    store.set("Score_1_2", "5");
    {
        HallOfFame hall(store, "Quintaro", 1, 1);
        EXPECT_EQ(hall.playerName(), "Ann");
        EXPECT_EQ(hall.title(), "Hall of Fame");
        EXPECT_EQ(hall.name(0), "Bob");
        EXPECT_EQ(hall.score(2), "5");
        hall.setPlayerName("");
        store.calls.clear();
    }
    // The empty name is written; the empty entry 1 neither writes nor deletes anything.
    EXPECT_EQ(store.calls, (Texts{"w PlayerName=", "w Name__1_0=Bob", "w Score_1_0=900",
                                  "w Name__1_2=Cy", "w Score_1_2=5"}));
    EXPECT_EQ(store.values(settingsPath).at("PlayerName"), "");
}

TEST(HallOfFame, SwitchingGamesSavesTheOldTableThenLoadsTheNew) {
    RecordingStore store;
    store.set("Name__2_0", "Two");
    store.set("Score_2_0", "222");
    HallOfFame hall(store, "Quintaro", 0, 1);
    hall.setPlayerName("Ann");
    hall.AddScore("40");
    hall.AddScore("60");

    store.calls.clear();
    hall.SetGameType(0);
    EXPECT_TRUE(store.calls.empty());

    hall.SetGameType(2);
    Texts expected{"w Name__0_0=Ann", "w Score_0_0=60", "w Name__0_1=Ann", "w Score_0_1=40"};
    for (int i = 0; i < HallOfFame::entryCount; ++i) {
        expected.push_back("r Name__2_" + std::to_string(i));
        expected.push_back("r Score_2_" + std::to_string(i));
    }
    EXPECT_EQ(store.calls, expected);
    EXPECT_EQ(scoresOf(hall), (Texts{"222", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(hall.name(1), "");
}

TEST(HallOfFame, ClearTableDeletesOnlyTheCurrentGameAndOnlyOnYes) {
    RecordingStore store;
    store.set("PlayerName", "Ann");
    for (std::uint16_t g = 0; g < 3; ++g)
        for (int i = 0; i < HallOfFame::entryCount; ++i) {
            store.set(HallOfFame::nameValue(g, i), "N");
            store.set(HallOfFame::scoreValue(g, i), "7");
        }
    HallOfFame hall(store, "Quintaro", 1, 1);
    store.calls.clear();
    EXPECT_FALSE(hall.ClearTable([] { return false; }));
    EXPECT_TRUE(store.calls.empty());
    EXPECT_EQ(hall.score(0), "7");

    EXPECT_TRUE(hall.ClearTable([] { return true; }));
    ASSERT_EQ(store.calls.size(), 20u);
    EXPECT_EQ(store.calls[0], "d Name__1_0");
    EXPECT_EQ(store.calls[19], "d Score_1_9");
    EXPECT_EQ(scoresOf(hall), Texts(10));
    const auto& left = store.values(settingsPath);
    EXPECT_EQ(left.size(), 41u); // PlayerName and the 40 values of games 0 and 2
    EXPECT_EQ(left.count("Name__1_4") + left.count("Score_1_4"), 0u);
}

} // namespace
} // namespace quintaro
