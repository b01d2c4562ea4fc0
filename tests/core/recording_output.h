#pragma once

#include "platform/sound_output.h"

#include <string>
#include <vector>

namespace quintaro::test {

// A sound output of `devices` devices that keeps the name of every sound it is asked to play.
class RecordingOutput : public SoundOutput {
public:
    explicit RecordingOutput(int devices = 1) : m_devices(devices) {}
    int deviceCount() const override { return m_devices; }
    void play(const std::string& file) override { played.push_back(file); }
    std::vector<std::string> played;

private:
    int m_devices;
};

} // namespace quintaro::test
