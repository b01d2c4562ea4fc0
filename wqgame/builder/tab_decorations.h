#pragma once

#include <QImage>

namespace quintaro::wqgame {

// The row of small pictures along the foot of a tab page: the four suits, 96 x 12 (picture
// and mask), repeated along the frame; and the gilt clasp, 40 x 12, that ends the row.
QImage tabDecorationRow(int scale = 1);
QImage tabDecorationEnd(int scale = 1);

} // namespace quintaro::wqgame
