#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quintaro {

// Reads a stored number the way the settings need it: an optional sign, then decimal
// digits up to the first other character, wrapping modulo 2^32 (so "-1" is 0xFFFFFFFF and
// its low 8 bits are 255). A text that does not start with a digit after the sign, such
// as "abc" or "", is no number at all: the caller treats the value as missing and uses
// its default, as a hand-edited or damaged file must never stop the program.
std::optional<std::uint32_t> decimalValue(std::string_view text);

} // namespace quintaro
