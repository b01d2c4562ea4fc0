#pragma once

#include "analysis/draw_tables.h"

#include <cstdint>
#include <vector>

namespace quintaro {

// One deal standing for all the deals it becomes when the four suits are relabelled, and
// for the jokers when they are swapped.
struct DealClass {
    DealtCards cards;     // ascending deck indices
    std::uint32_t weight; // how many deals it stands for
};

// Every class of five-card deals of the deck; the weights add up to C(52, 5) or C(54, 5).
// Deals of one class play alike because the evaluation compares suits only with each other
// and both jokers are wild; deuces stay suited cards and are relabelled with their suit.
std::vector<DealClass> dealClasses(bool withJokers);

} // namespace quintaro
