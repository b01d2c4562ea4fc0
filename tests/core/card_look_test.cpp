#include "cards/card_look.h"
#include "platform/memory_registry_store.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace quintaro {
namespace {

const std::string settingsPath = "SOFTWARE\\Varden\\Parlorset\\Quintaro";

using Log = std::vector<std::string>;

// A store that notes every value read and written in a log it shares with the sink, so
// the order of settings access and picture loading can be checked together.
class LoggingStore : public MemoryRegistryStore {
public:
    explicit LoggingStore(Log& log) : m_log(log) {}
    std::optional<std::string> readValue(const std::string& keyPath,
                                         const std::string& name) override {
        m_log.push_back("read " + name);
        return MemoryRegistryStore::readValue(keyPath, name);
    }
    void writeValue(const std::string& keyPath, const std::string& name,
                    const std::string& value) override {
        m_log.push_back("write " + name + "=" + value);
        MemoryRegistryStore::writeValue(keyPath, name, value);
    }

private:
    Log& m_log;
};

class LoggingSink : public CardPictureSink {
public:
    explicit LoggingSink(Log& log) : m_log(log) {}
    void rebuildBackImage(int back) override { m_log.push_back("back " + std::to_string(back)); }
    void reloadFaceSet(int faceSet) override {
        m_log.push_back("faces " + std::to_string(faceSet));
    }

private:
    Log& m_log;
};

class CardLookTest : public ::testing::Test {
protected:
    void store(const std::string& name, const std::string& value) {
        m_store.MemoryRegistryStore::writeValue(settingsPath, name, value);
    }
    std::unique_ptr<CardLook> makeLook(const std::string& settingsKey, std::uint32_t number) {
        auto look = std::make_unique<CardLook>(m_store, settingsKey, number);
        look->setPictureSink(&m_sink);
        return look;
    }

    Log m_log;
    LoggingStore m_store{m_log};
    LoggingSink m_sink{m_log};
};

TEST_F(CardLookTest, FirstCardLoadsBackThenFaceSetAndLaterCardsLoadNothing) {
    store("CardBack", "3");
    store("CardFace", "2");
    auto look = makeLook("Quintaro", 1600);
    {
        auto first = std::make_unique<Card>(1, 0);
        EXPECT_EQ(m_log, (Log{"read CardBack", "back 3", "read CardFace", "faces 2"}));
        EXPECT_EQ(look->back(), 3);
        EXPECT_EQ(look->backAsLoaded(), 3);
        EXPECT_EQ(look->faceSet(), 2);
        EXPECT_EQ(look->faceSetAsLoaded(), 2);

        // A second deck built while the first still lives reads and writes nothing.
        m_log.clear();
        auto second = std::make_unique<Card>(2, 0);
        second.reset();
        EXPECT_TRUE(m_log.empty());
    }
    // The last card goes with an unchanged look: nothing is written.
    EXPECT_TRUE(m_log.empty());
}

TEST_F(CardLookTest, MissingOrEmptyValuesTakeTheDefaultsOfTheNumber) {
    store("CardFace", "");
    auto look = makeLook("Quintaro", 1234);
    Card card(1, 0);
    EXPECT_EQ(look->back(), 3);    // (1234 mod 100) div 10
    EXPECT_EQ(look->faceSet(), 4); // 1234 mod 10
    EXPECT_EQ(look->backAsLoaded(), 3);
    EXPECT_EQ(look->faceSetAsLoaded(), 4);
    EXPECT_EQ(m_log.back(), "faces 4");
}

TEST_F(CardLookTest, LastCardWritesOnlyWhatChangedBackFirst) {
    store("CardBack", "1");
    store("CardFace", "1");
    auto look = makeLook("Quintaro", 1600);

    auto card = std::make_unique<Card>(1, 0);
    m_log.clear();
    look->choose(1, 1); // the same look again
    EXPECT_EQ(m_log, (Log{"faces 1", "back 1"}));
    card.reset();
    EXPECT_EQ(m_log, (Log{"faces 1", "back 1"}));

    card = std::make_unique<Card>(1, 0);
    look->choose(6, 4);
    m_log.clear();
    card.reset();
    EXPECT_EQ(m_log, (Log{"write CardBack=4", "write CardFace=6"}));

    // The next deck reads the new look back; changing the face set alone writes only it.
    card = std::make_unique<Card>(1, 0);
    EXPECT_EQ(look->backAsLoaded(), 4);
    EXPECT_EQ(look->faceSetAsLoaded(), 6);
    look->choose(0, 4);
    m_log.clear();
    card.reset();
    EXPECT_EQ(m_log, (Log{"write CardFace=0"}));
}

TEST_F(CardLookTest, AnEmptySettingsKeyReadsAndWritesNothing) {
    store("CardBack", "5");
    auto look = makeLook("", 1234);
    auto card = std::make_unique<Card>(1, 0);
    // The pictures still follow the look in memory, which starts at 0.
    EXPECT_EQ(m_log, (Log{"back 0", "faces 0"}));
    look->choose(2, 7);
    m_log.clear();
    card.reset();
    EXPECT_TRUE(m_log.empty());
    EXPECT_EQ(m_store.values(settingsPath).size(), 1u);
}

} // namespace
} // namespace quintaro
