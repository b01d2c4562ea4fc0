#pragma once

#include "platform/registry_store.h"
#include "sound/sound_events.h"

#include <cstdint>
#include <string>

namespace quintaro {

// The number the table window is known by. It picks the defaults of the table's look:
// N mod 10 the card face set (0), (N mod 100) div 10 the card back (0, a classic back)
// and the low 8 bits of N div 100 the background (16, the green felt).
inline constexpr std::uint32_t tableWindowNumber = 1600;

// Background choices 0 to 15 are the solid colours of the 16-colour palette, 16 to 30
// the tiled pictures, bitmap backgroundBitmapBase + choice of the resource library.
inline constexpr std::uint8_t firstPictureBackground = 16;
inline constexpr std::uint8_t lastBackground = 30;
inline constexpr int backgroundBitmapBase = 1084;

// The machine classes the AnimationDelay default is chosen by: class 1 gives 0,
// class 2 gives 6000, class 4 gives 14000, any other class 10000.
std::uint32_t defaultAnimationDelay(int systemClass);
std::uint8_t defaultBackground(std::uint32_t windowNumber);

// The settings of the table's frame as held in memory between the load at start-up and
// the save at exit.
struct FrameSettings {
    std::uint16_t skillLevel = 0;
    // In use: at most lastBackground.
    std::uint8_t background = 0;
    // As read or defaulted, before clamping; Background is written only when it differs.
    std::uint8_t backgroundAsLoaded = 0;
    // -1 to 15, -1 meaning unset.
    std::int8_t animationSpeed = -1;
    // 0 off, anything else on.
    std::uint8_t soundEnabled = 1;
    SoundEventList soundEvents;
    // The family-wide AnimationDelay: read, and written only when it was missing.
    std::uint32_t animationDelay = 0;
};

// The names of the two sound events of the frame itself.
std::string startSoundEvent(const std::string& settingsKeyName);
std::string exitSoundEvent(const std::string& settingsKeyName);

// Reads AnimationDelay from "General" (writing its default when missing), then every
// setting of the settings key, and registers the frame's Start and Exit events. Values
// that are missing, empty, too long or not numbers take their defaults.
FrameSettings loadFrameSettings(RegistryStore& store, const std::string& settingsKeyName,
                                std::uint32_t windowNumber, int systemClass);

// Writes the settings back to the settings key; values at their "unset" state and an
// unchanged background are left as they are stored.
void saveFrameSettings(RegistryStore& store, const std::string& settingsKeyName,
                       const FrameSettings& settings);

} // namespace quintaro
