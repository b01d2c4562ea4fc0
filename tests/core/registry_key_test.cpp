#include "persist/registry_key.h"
#include "platform/memory_registry_store.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

const std::string settingsPath = "SOFTWARE\\Varden\\Parlorset\\Quintaro";
const std::string generalPath = "SOFTWARE\\Varden\\Parlorset\\General";

TEST(RegistryKey, OpenCreatesThePathAndASecondOpenMovesToTheOtherKey) {
    MemoryRegistryStore store;
    RegistryKey key(store);
    EXPECT_EQ(key.familyName(), "Parlorset");
    key.SetString("Lost", "x"); // nothing open yet: dropped
    EXPECT_EQ(key.QueryString("Lost"), "");

    key.Open("General");
    EXPECT_TRUE(store.hasKey("SOFTWARE\\Varden\\Parlorset"));
    EXPECT_TRUE(store.hasKey(generalPath));
    key.SetString("AnimationDelay", "10000");

    key.Open("Quintaro");
    key.SetString("GameType", "2");
    EXPECT_EQ(key.QueryString("AnimationDelay"), ""); // the first key is no longer open
    EXPECT_EQ(store.values(generalPath).at("AnimationDelay"), "10000");
    EXPECT_EQ(store.values(settingsPath).at("GameType"), "2");

    key.DeleteValue("GameType");
    EXPECT_EQ(key.QueryString("GameType"), "");
    EXPECT_TRUE(store.values(settingsPath).empty());
}

TEST(RegistryKey, ReadsThroughA256ByteBuffer) {
    MemoryRegistryStore store;
    RegistryKey key(store);
    key.Open("Quintaro");
    key.SetString("Fits", std::string(255, 'a'));
    key.SetString("TooLong", std::string(256, 'b'));
    key.SetString("Empty", "");
    key.SetString("Binary", std::string("abc\0def", 7));
    EXPECT_EQ(key.QueryString("Fits"), std::string(255, 'a'));
    EXPECT_EQ(key.QueryString("TooLong"), "");
    EXPECT_EQ(key.QueryString("Empty"), "");
    EXPECT_EQ(key.QueryString("Binary"), "abc");
    EXPECT_EQ(key.QueryString("Missing"), "");
}

TEST(RegistryKey, AStoreThatRefusesKeysAbsorbsEveryCall) {
    MemoryRegistryStore store;
    store.writeValue(settingsPath, "GameType", "1");
    RegistryKey key(store);
    key.Open("General");
    store.setRefuseKeys(true);
    key.Open("Quintaro"); // fails, and leaves no key open, not even General
    EXPECT_FALSE(key.isOpen());
    EXPECT_EQ(key.QueryString("GameType"), "");
    key.SetString("GameType", "2");
    key.DeleteValue("GameType");
    EXPECT_EQ(store.values(settingsPath).at("GameType"), "1");
    EXPECT_TRUE(store.values(generalPath).empty());
}

} // namespace
} // namespace quintaro
