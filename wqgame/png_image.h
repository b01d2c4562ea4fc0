#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace quintaro {

// PNG pictures decoded straight through libpng, into the QImage formats the card and
// table painting use. The bundle's PNGs are stored unfiltered and uncompressed, so this
// is little more than a copy; QImageReader would add a handler set-up per picture.

// The picture as Format_RGB32 when the PNG has no alpha channel, Format_ARGB32 when it
// has one; a null image when the bytes are not a PNG libpng can read.
QImage decodePng(QByteArrayView bytes);

// The same for a PNG among the program's resources (":/..."), or a null image when
// there is no such resource.
QImage loadPngResource(const QString& path);

} // namespace quintaro
