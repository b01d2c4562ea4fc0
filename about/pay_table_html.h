#pragma once

#include "poker/pay_table.h"

#include <string>

namespace quintaro {

// The pay table of a game as an HTML table for the help pages: one row per pay line, top
// line first, with the hand's name and what it pays for each bet of $1 to $5.
std::string payTableHtml(const PayTable& table);

} // namespace quintaro
