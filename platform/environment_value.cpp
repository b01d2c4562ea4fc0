#include "platform/environment_value.h"

#include <cstdlib>

namespace quintaro {

std::optional<std::string> environmentValue(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0')
        return std::nullopt;
    return std::string(value);
}

} // namespace quintaro
