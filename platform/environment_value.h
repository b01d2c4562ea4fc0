#pragma once

#include <optional>
#include <string>

namespace quintaro {

// The value of environment variable `name`, or nothing when it is unset or empty.
std::optional<std::string> environmentValue(const char* name);

} // namespace quintaro
