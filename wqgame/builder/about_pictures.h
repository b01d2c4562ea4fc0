#pragma once

#include "wqgame/builder/card_composer.h"

#include <QImage>

namespace quintaro::wqgame {

// The About box's pictures. The machine (642 x 298) and the jester's cap (182 x 98) carry
// their masks in their right halves; the welcome table is a plain picture. Each is drawn at
// the scale of `cards` (and `felt`), or at `scale`.
inline constexpr int welcomeWidth = 440;
inline constexpr int welcomeHeight = 300;

QImage aboutMachinePicture(const CardComposer& cards);
QImage aboutJesterPicture(int scale = 1);
QImage aboutWelcomePicture(const CardComposer& cards, const QImage& felt);

} // namespace quintaro::wqgame
