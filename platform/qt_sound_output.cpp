#include "platform/qt_sound_output.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace quintaro {

QtSoundOutput::QtSoundOutput() = default;
QtSoundOutput::~QtSoundOutput() = default;

int QtSoundOutput::deviceCount() const {
    return static_cast<int>(QMediaDevices::audioOutputs().size());
}

QString QtSoundOutput::soundFolder() {
    return soundFolderOf(QCoreApplication::applicationDirPath());
}

QString QtSoundOutput::soundFolderOf(const QString& programDir) {
    const QString candidates[] = {
        programDir + QStringLiteral("/sounds"),
        QDir::cleanPath(programDir + QStringLiteral("/" QUINTARO_BIN_TO_DATA "/quintaro/sounds"))};
    for (const QString& folder : candidates) {
        if (QDir(folder).exists())
            return folder;
    }
    return QStringLiteral(QUINTARO_SOUND_INSTALL_DIR);
}

QString QtSoundOutput::resolve(const std::string& file) {
    const QString name = QString::fromStdString(file);
    if (name.contains(u'/'))
        return name;
    return soundFolder() + u'/' + name;
}

void QtSoundOutput::play(const std::string& file) {
    const QString path = resolve(file);
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
