#pragma once

#include "platform/sound_output.h"

#include <QString>

#include <map>
#include <memory>

class QSoundEffect;

namespace quintaro {

// Plays .wav files with Qt Multimedia. Each file is loaded once and kept; starting a
// sound stops the one playing, but a sound played beside it neither stops it nor is
// stopped by it. Only finishPlaying waits for a sound, and never without a
// limit: without a sound server a sound effect may report that it plays forever. Built into the
// sound module, which the program loads on first need (see DeferredSoundOutput).
class QtSoundOutput : public SoundOutput {
public:
    QtSoundOutput();
    ~QtSoundOutput() override;

    int deviceCount() const override;
    void play(const std::string& file) override;
    void playBeside(const std::string& file) override;
    void finishPlaying(std::chrono::milliseconds limit) override;

private:
    QSoundEffect& effectFor(const std::string& file);

    std::map<QString, std::unique_ptr<QSoundEffect>> m_effects;
    QSoundEffect* m_playing = nullptr;
};

} // namespace quintaro
