#pragma once

#include <chrono>
#include <string>

namespace quintaro {

// The machine's sound output: one sound at a time, a new one stops the one playing.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Number of audio output devices the system reports.
    virtual int deviceCount() const = 0;
    // Plays a .wav file asynchronously; a missing or unreadable file stays silent.
    virtual void play(const std::string& file) = 0;
    // Plays a short sound, such as a beep, beside the one playing: neither stops the
    // other. Outputs that play one sound at a time play it as any other.
    virtual void playBeside(const std::string& file) { play(file); }
    // Waits for the sound playing, or about to play, to end, at most `limit`, running the
    // event loop meanwhile. Outputs that cannot tell return at once.
    virtual void finishPlaying(std::chrono::milliseconds) {}
};

} // namespace quintaro
