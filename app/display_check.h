#pragma once

#include <functional>
#include <optional>
#include <string>

namespace quintaro {

// Without a display Qt aborts while it loads its platform plugin. This tells, from the
// environment, whether that would happen, and what to say instead.
// `environment` returns the value of a variable, or nothing when it is unset or empty.
std::optional<std::string>
missingDisplayMessage(const std::function<std::optional<std::string>(const char*)>& environment);

} // namespace quintaro
