#pragma once

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
};

} // namespace quintaro
