#pragma once

#include <QImage>
#include <QStringList>

namespace quintaro::wqgame {

// The fifteen table backgrounds, each a tile whose right edge continues into its left edge
// and its bottom into its top. The first is the green felt a new player starts with. At
// `scale` the same pattern is sampled and drawn at `scale` device pixels to each of the 1x
// tile's, and tiles as seamlessly.
int backgroundCount();
QImage background(int index, int scale = 1);
QStringList backgroundNames();

} // namespace quintaro::wqgame
