#include "persist/frame_settings.h"
#include "persist/registry_key.h"
#include "platform/memory_registry_store.h"
#include "platform/screen_fit.h"

#include <gtest/gtest.h>

#include <array>

namespace quintaro {
namespace {

const std::string settingsPath = "SOFTWARE\\Varden\\Parlorset\\Quintaro";
const std::string generalPath = "SOFTWARE\\Varden\\Parlorset\\General";

FrameSettings load(MemoryRegistryStore& store, std::uint32_t windowNumber = tableWindowNumber) {
    return loadFrameSettings(store, "Quintaro", windowNumber, 3);
}

using Texts = std::vector<std::string>;

// Stores each "Name=value" in the game's key.
void put(MemoryRegistryStore& store, const Texts& values) {
    for (const std::string& value : values)
        store.writeValue(settingsPath, value.substr(0, value.find('=')),
                         value.substr(value.find('=') + 1));
}

// The stored values of `names`; a missing one throws, which fails the test.
Texts stored(const MemoryRegistryStore& store, const Texts& names,
             const std::string& path = settingsPath) {
    Texts texts;
    for (const std::string& name : names)
        texts.push_back(store.values(path).at(name));
    return texts;
}

TEST(FrameSettings, DefaultsFollowTheMachineClassAndTheWindowNumber) {
    MemoryRegistryStore store;
    // What a first run on the desktop (class 3) stores is checked end to end.
    EXPECT_EQ((std::array{defaultAnimationDelay(1), defaultAnimationDelay(2),
                          defaultAnimationDelay(4), defaultAnimationDelay(5)}),
              (std::array<std::uint32_t, 4>{0, 6000, 14000, 10000}));

    // A stored AnimationDelay is kept as it is.
    store.writeValue(generalPath, "AnimationDelay", "4294967295");
    EXPECT_EQ(load(store).animationDelay, 4294967295u);
    EXPECT_EQ(stored(store, {"AnimationDelay"}, generalPath), Texts{"4294967295"});

    // A default of 31 or more is clamped, and then differs from what was loaded.
    MemoryRegistryStore other;
    FrameSettings settings = load(other, 4000);
    EXPECT_EQ(settings.background, 30);
    saveFrameSettings(other, "Quintaro", settings);
    EXPECT_EQ(stored(other, {"Background"}), Texts{"30"});
}

TEST(FrameSettings, StoredValuesAreNarrowedClampedDefaultedAndWrittenBackByTheirRules) {
    MemoryRegistryStore store;
    put(store, {"Background=396", "SoundEnabled=255", "AnimationSpeed=16", "SkillLevel=7"});
    FrameSettings settings = load(store);
    EXPECT_EQ(settings.backgroundAsLoaded, 140); // 396 mod 256, all eight bits
    EXPECT_EQ(settings.background, 30);
    EXPECT_EQ(settings.soundEnabled, 255);
    EXPECT_EQ(settings.animationSpeed, -1);
    EXPECT_EQ(settings.skillLevel, 7);

    saveFrameSettings(store, "Quintaro", settings);
    // AnimationSpeed unset: left as it was.
    const Texts names{"Background", "SoundEnabled", "AnimationSpeed", "SkillLevel"};
    EXPECT_EQ(stored(store, names), (Texts{"30", "-1", "16", "7"}));

    store.writeValue(settingsPath, "AnimationSpeed", "15");
    settings = load(store);
    EXPECT_EQ(settings.soundEnabled, 255); // "-1" reads back as on
    EXPECT_EQ(settings.animationSpeed, 15);
    store.writeValue(settingsPath, "AnimationSpeed", "-2");
    EXPECT_EQ(load(store).animationSpeed, -1);

    settings.skillLevel = 0;
    saveFrameSettings(store, "Quintaro", settings);
    // A skill level of 0 leaves the stored value alone.
    EXPECT_EQ(stored(store, names), (Texts{"30", "-1", "15", "7"}));

    // Damaged values take their defaults; digits first are read up to the first other character.
    put(store, {"Background=felt", "AnimationSpeed=-"});
    settings = load(store);
    EXPECT_EQ(settings.background, 16);
    EXPECT_EQ(settings.animationSpeed, -1);
    put(store, {"Background=7th", "SkillLevel=65537"});
    settings = load(store);
    EXPECT_EQ(settings.background, 7);
    EXPECT_EQ(settings.skillLevel, 1);
}

TEST(FrameSettings, TheSoundListEndsAtTheFirstGapAndSplitsAtTheFirstComma) {
    MemoryRegistryStore store;
    put(store, {"Sound0=Jackpot", "Sound1=Deal Cards,/home/me/a,b.wav", "Sound2=Jackpot,bell.wav",
                "Sound4=Quintaro Start,lost.wav"});
    FrameSettings settings = load(store);
    EXPECT_EQ(settings.soundEvents, (SoundEventList{{"Jackpot", ""},
                                                    {"Deal Cards", "/home/me/a,b.wav"},
                                                    {"Jackpot", "bell.wav"},
                                                    {"Quintaro Start", ""},
                                                    {"Quintaro Exit", ""}}));

    settings.soundEvents.resize(2);
    saveFrameSettings(store, "Quintaro", settings);
    EXPECT_EQ(stored(store, {"Sound0", "Sound1", "Sound2"}), // a stale Sound2 stays
              (Texts{"Jackpot,", "Deal Cards,/home/me/a,b.wav", "Jackpot,bell.wav"}));
}

TEST(KeepOnScreen, WindowsOverTheFarEdgesComeBackAndTooLargeOnesGoToZero) {
    // A 616 x 460 window on a 1024 x 738 screen area.
    EXPECT_EQ(keepOnScreen({10, 20}, 616, 460, 1024, 738), std::nullopt);
    EXPECT_EQ(keepOnScreen({408, 278}, 616, 460, 1024, 738), std::nullopt); // exactly fits
    EXPECT_EQ(keepOnScreen({409, 20}, 616, 460, 1024, 738), (WindowPosition{408, 20}));
    EXPECT_EQ(keepOnScreen({10, 700}, 616, 460, 1024, 738), (WindowPosition{10, 278}));
    EXPECT_EQ(keepOnScreen({900, 900}, 616, 460, 1024, 738), (WindowPosition{408, 278}));
    EXPECT_EQ(keepOnScreen({50, 50}, 616, 460, 600, 400), (WindowPosition{0, 0}));
    // Past the near edge is not the program's business.
    EXPECT_EQ(keepOnScreen({-30, -5}, 616, 460, 1024, 738), std::nullopt);
    EXPECT_EQ(keepOnScreen({-30, 500}, 616, 460, 1024, 738), (WindowPosition{-30, 278}));
}

// The rectangles are frames in desktop pixels: x, y, width, height.
TEST(BesideTable, RightThenLeftThenBelowThenAboveInsideTheFreeArea) {
    const ScreenRect screen{0, 0, 1280, 1024};
    const auto beside = [&](ScreenRect table, int width, int height) {
        return besideTable(table, width, height, 200, screen);
    };
    // Room on the right, with its bottom cut to the screen; none there, the left.
    EXPECT_EQ(beside({0, 600, 616, 480}, 600, 500), (ScreenRect{616, 524, 600, 500}));
    EXPECT_EQ(beside({660, 100, 616, 480}, 600, 1100), (ScreenRect{60, 0, 600, 1024}));
    // Too wide for either side: below, as short as the room there and kept on the screen.
    EXPECT_EQ(beside({500, 50, 616, 480}, 900, 600), (ScreenRect{380, 530, 900, 494}));
    // No room below either: above.
    EXPECT_EQ(beside({300, 500, 616, 480}, 900, 600), (ScreenRect{300, 0, 900, 500}));
    // A second screen right of the first, its free area under a 30-pixel panel.
    EXPECT_EQ(besideTable({1400, 30, 616, 480}, 400, 500, 200, {1280, 30, 1024, 738}),
              (ScreenRect{1400, 510, 400, 258}));
    // Too big for every side at twice the size: narrowed to the widest side, not over it.
    EXPECT_EQ(besideTable({340, 180, 601, 440}, 561, 493, 183, {0, 0, 1280, 800}),
              (ScreenRect{0, 180, 340, 493}));
    // The table fills the screen: the window goes over it, inside the screen.
    EXPECT_EQ(besideTable({0, 0, 616, 480}, 900, 500, 200, {0, 0, 640, 512}),
              (ScreenRect{0, 0, 640, 500}));
}

TEST(RegistryKey, OpenCreatesThePathMovesToTheOtherKeyAndReadsAtMost255Bytes) {
    MemoryRegistryStore store;
    RegistryKey key(store);
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

    // Reads go through a 256-byte buffer: a value that fills it reads as empty, and the
    // text ends at the first NUL.
    key.SetString("Fits", std::string(255, 'a'));
    key.SetString("TooLong", std::string(256, 'b'));
    key.SetString("Binary", std::string("abc\0def", 7));
    EXPECT_EQ(key.QueryString("Fits"), std::string(255, 'a'));
    EXPECT_EQ(key.QueryString("TooLong"), "");
    EXPECT_EQ(key.QueryString("Binary"), "abc");
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
