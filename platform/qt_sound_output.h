#pragma once

#include "platform/sound_output.h"

#include <QString>

#include <map>
#include <memory>

class QSoundEffect;

namespace quintaro {

// Plays .wav files with Qt Multimedia. Each file is loaded once and kept; starting a
// sound stops the one playing. Nothing ever waits for a sound: without a sound server a
// sound effect may report that it plays forever.
class QtSoundOutput : public SoundOutput {
public:
    QtSoundOutput();
    ~QtSoundOutput() override;

    int deviceCount() const override;
    void play(const std::string& file) override;

    // Where bare file names are found: the "sounds" folder next to the program when there
    // is one (the build tree), else the sounds of the install tree the program sits in,
    // else the configured installed sounds folder.
    static QString soundFolder();
    static QString soundFolderOf(const QString& programDir);
    // A bare name resolves in soundFolder(); a path is used as it is.
    static QString resolve(const std::string& file);

private:
    std::map<QString, std::unique_ptr<QSoundEffect>> m_effects;
    QSoundEffect* m_playing = nullptr;
};

} // namespace quintaro
