#include "platform/deferred_sound_output.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace quintaro {

namespace {

constexpr const char* moduleFile = "quintaro-sound.so";

} // namespace

DeferredSoundOutput::DeferredSoundOutput()
    : DeferredSoundOutput(modulePathOf(QCoreApplication::applicationDirPath())) {}

DeferredSoundOutput::DeferredSoundOutput(QString modulePath)
    : m_modulePath(std::move(modulePath)) {}

DeferredSoundOutput::~DeferredSoundOutput() = default;

QString DeferredSoundOutput::modulePathOf(const QString& programDir) {
    const QString candidates[] = {programDir + u'/' + QLatin1String(moduleFile),
                                  programDir + QStringLiteral("/" QUINTARO_BIN_TO_MODULES "/") +
                                      QLatin1String(moduleFile)};
    for (const QString& path : candidates) {
        if (QFileInfo::exists(path))
            return QFileInfo(path).canonicalFilePath();
    }
    return QStringLiteral(QUINTARO_MODULE_INSTALL_DIR "/") + QLatin1String(moduleFile);
}

SoundOutput* DeferredSoundOutput::output() const {
    if (!m_loaded) {
        m_loaded = true;
        // The module stays loaded for the rest of the process: the output's code is in it.
        QLibrary module(m_modulePath);
        using Create = SoundOutput* (*)();
        if (auto create = reinterpret_cast<Create>(module.resolve("quintaroCreateSoundOutput")))
            m_output.reset(create());
    }
    return m_output.get();
}

int DeferredSoundOutput::deviceCount() const {
    SoundOutput* sound = output();
    return sound != nullptr ? sound->deviceCount() : 0;
}

void DeferredSoundOutput::finishPlaying(std::chrono::milliseconds limit) {
    if (m_output)
        m_output->finishPlaying(limit);
}

void DeferredSoundOutput::play(const std::string& file) {
    if (SoundOutput* sound = output())
        sound->play(file);
}

void DeferredSoundOutput::playBeside(const std::string& file) {
    if (SoundOutput* sound = output())
        sound->playBeside(file);
}

} // namespace quintaro
