#pragma once

#include "platform/beeper.h"
#include "platform/sound_output.h"

#include <optional>

namespace quintaro {

// Beeps through the sound output when the machine has an audio device, so that they are
// heard where the terminal bell is not; otherwise through the window system's bell.
// A beep never cuts short the game sound playing. The output must outlive the beeper.
class QtBeeper : public Beeper {
public:
    explicit QtBeeper(SoundOutput& output);

    void errorBeep() override;
    void defaultBeep() override;

    static constexpr const char* errorBeepFile = "error_beep.wav";
    static constexpr const char* defaultBeepFile = "default_beep.wav";

private:
    void beep(const char* file);

    SoundOutput& m_output;
    // Asked at the first beep, not at start-up: the answer takes a round trip to the
    // sound server.
    std::optional<bool> m_devicePresent;
};

} // namespace quintaro
