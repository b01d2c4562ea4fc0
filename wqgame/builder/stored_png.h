#pragma once

#include <QImage>
#include <QString>

namespace quintaro::wqgame {

// Writes the picture as a PNG whose rows are unfiltered and whose deflate blocks are
// stored as they are, so that the game decodes it at about the speed of a copy. The
// bundle compresses its files as a whole, so the stored form costs it little in size.
// 8-bit RGB, or RGBA when the picture has an alpha channel. False when the file cannot
// be written.
bool writeStoredPng(const QImage& picture, const QString& path);

// The same picture as an ordinary compressed PNG (adaptive row filters, deflate level 6;
// level 9 takes twice as long for 4 % less), for the higher-resolution variants: only read
// at device pixel ratios above 1, where size in the package counts for more than the speed
// of decoding.
bool writeCompressedPng(const QImage& picture, const QString& path);

} // namespace quintaro::wqgame
