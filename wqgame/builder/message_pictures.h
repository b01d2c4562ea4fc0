#pragma once

#include "wqgame/builder/card_composer.h"

#include <QImage>

namespace quintaro::wqgame {

// The message box pictures, 240 x 200 each: the picture in the left 120 pixels, its mask
// in the right. Style 0 is a fan of cards over chips, style 1 a pile of gold coins,
// style 2 the joker. Drawn at the scale of `cards`.
QImage messagePicture(int style, const CardComposer& cards);

} // namespace quintaro::wqgame
