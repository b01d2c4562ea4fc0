#include "platform/qt_sound_output.h"

#include "platform/sound_folder.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace quintaro {

QtSoundOutput::QtSoundOutput() = default;
QtSoundOutput::~QtSoundOutput() = default;

int QtSoundOutput::deviceCount() const {
    return static_cast<int>(QMediaDevices::audioOutputs().size());
}

void QtSoundOutput::play(const std::string& file) {
    const QString path = resolveSoundFile(file);
    auto& effect = m_effects[path];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(path));
    }
    if (m_playing != nullptr)
        m_playing->stop();
    m_playing = effect.get();
    // A sound still loading starts as soon as it is ready.
    effect->play();
}

} // namespace quintaro
