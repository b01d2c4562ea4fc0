#pragma once

#include <cstdint>
#include <optional>

namespace quintaro {

// The seed of the program's random sequence: QUINTARO_SEED when it holds a decimal
// number (for tests, bug reports and replays), otherwise the low 16 bits of the time.
std::uint32_t seedFromEnvironmentOrTime();

// Reads a decimal seed; nothing for an empty text or one with anything but digits.
std::optional<std::uint32_t> parseSeed(const char* text);

} // namespace quintaro
