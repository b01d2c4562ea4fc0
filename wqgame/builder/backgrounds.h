#pragma once

#include <QImage>
#include <QStringList>

namespace quintaro::wqgame {

// The fifteen table backgrounds, each a tile whose right edge continues into its left edge
// and its bottom into its top. The first is the green felt a new player starts with.
int backgroundCount();
QImage background(int index);
QStringList backgroundNames();

} // namespace quintaro::wqgame
