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

class LoggingSink : public CardPictureSink {
public:
    void rebuildBackImage(int back) override { log.push_back("back " + std::to_string(back)); }
    void reloadFaceSet(int faceSet) override { log.push_back("faces " + std::to_string(faceSet)); }
    Log log;
};

// Values are changed in the store behind the look's back to see whether it reads or
// writes them when it should not.
class CardLookTest : public ::testing::Test {
protected:
    void store(const std::string& name, const std::string& value) {
        m_store.writeValue(settingsPath, name, value);
    }
    // A missing value throws, which fails the test.
    Log storedLook() const {
        const auto& values = m_store.values(settingsPath);
        return {values.at("CardBack"), values.at("CardFace")};
    }
    std::unique_ptr<CardLook> makeLook(const std::string& settingsKey, std::uint32_t number) {
        auto look = std::make_unique<CardLook>(m_store, settingsKey, number);
        look->setPictureSink(&m_sink);
        return look;
    }

    MemoryRegistryStore m_store;
    LoggingSink m_sink;
};

TEST_F(CardLookTest, FirstCardLoadsTheLookAndTheLastWritesOnlyWhatChanged) {
    store("CardBack", "3");
    store("CardFace", "2");
    auto look = makeLook("Quintaro", 1600);
    auto card = std::make_unique<Card>(1, 0);
    EXPECT_EQ(m_sink.log, (Log{"back 3", "faces 2"}));
    store("CardBack", "5");
    std::make_unique<Card>(2, 0).reset(); // a later card loads nothing
    EXPECT_EQ(m_sink.log.size(), 2u);
    EXPECT_EQ(look->back(), 3);

    m_sink.log.clear();
    look->choose(2, 3); // the same look again
    EXPECT_EQ(m_sink.log, (Log{"faces 2", "back 3"}));
    store("CardBack", "9");
    store("CardFace", "9");
    card.reset();
    EXPECT_EQ(storedLook(), (Log{"9", "9"}));

    card = std::make_unique<Card>(1, 0);
    look->choose(6, 4);
    card.reset();
    EXPECT_EQ(storedLook(), (Log{"4", "6"}));

    // The next deck reads the new look back; changing the face set alone writes only it.
    card = std::make_unique<Card>(1, 0);
    look->choose(0, 4);
    store("CardBack", "9");
    card.reset();
    EXPECT_EQ(storedLook(), (Log{"9", "0"}));
}

TEST_F(CardLookTest, MissingOrEmptyValuesTakeTheDefaultsOfTheNumber) {
    store("CardFace", "");
    auto look = makeLook("Quintaro", 1234);
    Card card(1, 0);
    EXPECT_EQ(look->back(), 3);    // (1234 mod 100) div 10
    EXPECT_EQ(look->faceSet(), 4); // 1234 mod 10
    EXPECT_EQ(m_sink.log.back(), "faces 4");
}

TEST_F(CardLookTest, AnEmptySettingsKeyReadsAndWritesNothing) {
    store("CardBack", "5");
    auto look = makeLook("", 1234);
    auto card = std::make_unique<Card>(1, 0);
    // The pictures still follow the look in memory, which starts at 0.
    EXPECT_EQ(m_sink.log, (Log{"back 0", "faces 0"}));
    look->choose(2, 7);
    card.reset();
    EXPECT_EQ(m_store.values(settingsPath), (MemoryRegistryStore::Values{{"CardBack", "5"}}));
}

} // namespace
} // namespace quintaro
