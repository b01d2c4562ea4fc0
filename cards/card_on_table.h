#pragma once

#include "poker/card.h"

#include <QRect>

namespace quintaro {

// The table-window pixels a card covers: (x, y) to (x + 70, y + 95). The table paints its
// cards from their records, so moving or turning a card means repainting this rectangle.
QRect cardRect(const Card& card);

} // namespace quintaro
