#include "platform/seed_clock.h"

#include <cstdlib>
#include <ctime>

namespace quintaro {

std::optional<std::uint32_t> parseSeed(const char* text) {
    if (text == nullptr || *text == '\0')
        return std::nullopt;
    std::uint32_t seed = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c < '0' || *c > '9')
            return std::nullopt;
        seed = seed * 10 + static_cast<std::uint32_t>(*c - '0');
    }
    return seed;
}

std::uint32_t seedFromEnvironmentOrTime() {
    if (auto seed = parseSeed(std::getenv("QUINTARO_SEED")))
        return *seed;
    return static_cast<std::uint32_t>(std::time(nullptr)) & 0xFFFFu;
}

} // namespace quintaro
