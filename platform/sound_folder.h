#pragma once

#include <QString>

#include <string>

namespace quintaro {

// Where bare sound file names are found: the "sounds" folder next to the program when
// there is one (the build tree), else the sounds of the install tree the program sits in,
// else the configured installed sounds folder.
QString soundFolder();
QString soundFolderOf(const QString& programDir);
// A bare name resolves in soundFolder(); a path is used as it is.
QString resolveSoundFile(const std::string& file);

} // namespace quintaro
