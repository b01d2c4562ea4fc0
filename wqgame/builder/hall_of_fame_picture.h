#pragma once

#include <QImage>

namespace quintaro::wqgame {

// 732 x 302: a slanted gilt leaderboard (picture, left half) and its mask (right half). The
// dialog draws it at (4, 10) and lays ten rows of boxes over it, each 11 pixels right of
// the one above: row i covers x 6 + 11i to 251 + 11i and y 27i to 27i + 17 of the picture.
QImage hallOfFamePicture(int scale = 1);

} // namespace quintaro::wqgame
