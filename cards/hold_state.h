#pragma once

#include <cstdint>

namespace quintaro {

// What a card window shows under its card, and what the redeal does with the card.
enum class HoldState : std::int32_t { Hold = 0, Discard = 1, Blank = 2 };

} // namespace quintaro
