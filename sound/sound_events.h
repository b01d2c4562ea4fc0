#pragma once

#include "platform/sound_output.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quintaro {

// A moment of the game and the sound assigned to it: a bare file name of the program's
// sound folder, a full path, or empty for silence.
struct SoundEvent {
    std::string name;
    std::string file;

    bool operator==(const SoundEvent&) const = default;
};

// In registration order. Names are compared exactly and the first match wins.
using SoundEventList = std::vector<SoundEvent>;

// Adds the event unless one of that name exists (a stored assignment stays). The default
// file is lower-cased and gets ".wav" unless it is empty or already names a .wav file.
void RegisterSound(SoundEventList& events, const std::string& name, const std::string& defaultFile);

// The file of the first event of that name; empty when there is none.
std::string FindSound(const SoundEventList& events, const std::string& name);

// Plays the file only when a device is present, sound is on and there is a file.
void PlaySound(SoundOutput& output, bool devicePresent, std::uint8_t soundEnabled,
               const std::string& file);

} // namespace quintaro
