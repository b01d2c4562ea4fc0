#pragma once

#include "platform/sound_output.h"

#include <QString>

#include <memory>

namespace quintaro {

// The machine's sound output, loaded when first asked for: Qt Multimedia and the sound
// server's libraries take milliseconds to load, which start-up need not wait for. The
// output lives in the sound module beside the program (the build tree) or in the install
// tree's library folder; without the module the game is silent.
class DeferredSoundOutput : public SoundOutput {
public:
    DeferredSoundOutput();
    // Loads the module from `modulePath` instead.
    explicit DeferredSoundOutput(QString modulePath);
    ~DeferredSoundOutput() override;

    int deviceCount() const override;
    void play(const std::string& file) override;
    void playBeside(const std::string& file) override;
    // Waits only when the module is loaded: a sound played means it is.
    void finishPlaying(std::chrono::milliseconds limit) override;

    // Where the module is looked for, beside a program in `programDir`; the configured
    // install folder's module when neither the build tree's nor the install tree's exists.
    static QString modulePathOf(const QString& programDir);

private:
    SoundOutput* output() const;

    QString m_modulePath;
    mutable bool m_loaded = false;
    mutable std::unique_ptr<SoundOutput> m_output;
};

} // namespace quintaro
