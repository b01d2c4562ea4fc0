#include "platform/qt_sound_output.h"

#include "platform/sound_folder.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace quintaro {

namespace {

// A sound asked to play starts once its file has loaded.
bool isSounding(const QSoundEffect& effect) {
    return effect.isPlaying() || effect.status() == QSoundEffect::Loading;
}

} // namespace

QtSoundOutput::QtSoundOutput() = default;
QtSoundOutput::~QtSoundOutput() = default;

int QtSoundOutput::deviceCount() const {
    return static_cast<int>(QMediaDevices::audioOutputs().size());
}

QSoundEffect& QtSoundOutput::effectFor(const std::string& file) {
    const QString path = resolveSoundFile(file);
    auto& effect = m_effects[path];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(path));
    }
    return *effect;
}

void QtSoundOutput::play(const std::string& file) {
    QSoundEffect& effect = effectFor(file);
    if (m_playing != nullptr)
        m_playing->stop();
    m_playing = &effect;
    // A sound still loading starts as soon as it is ready.
    effect.play();
}

void QtSoundOutput::playBeside(const std::string& file) {
    effectFor(file).play();
}

void QtSoundOutput::finishPlaying(std::chrono::milliseconds limit) {
    if (m_playing == nullptr || !isSounding(*m_playing))
        return;
    QEventLoop loop;
    const auto quitWhenSilent = [this, &loop] {
        if (!isSounding(*m_playing))
            loop.quit();
    };
    QObject::connect(m_playing, &QSoundEffect::playingChanged, &loop, quitWhenSilent);
    QObject::connect(m_playing, &QSoundEffect::statusChanged, &loop, quitWhenSilent);
    QTimer::singleShot(limit, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace quintaro
