#include "platform/sound_folder.h"

#include <QCoreApplication>
#include <QDir>

namespace quintaro {

QString soundFolder() {
    return soundFolderOf(QCoreApplication::applicationDirPath());
}

QString soundFolderOf(const QString& programDir) {
    const QString candidates[] = {
        programDir + QStringLiteral("/sounds"),
        QDir::cleanPath(programDir + QStringLiteral("/" QUINTARO_BIN_TO_DATA "/quintaro/sounds"))};
    for (const QString& folder : candidates) {
        if (QDir(folder).exists())
            return folder;
    }
    return QStringLiteral(QUINTARO_SOUND_INSTALL_DIR);
}

QString resolveSoundFile(const std::string& file) {
    const QString name = QString::fromStdString(file);
    if (name.contains(u'/'))
        return name;
    return soundFolder() + u'/' + name;
}

} // namespace quintaro
