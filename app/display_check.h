#pragma once

#include <functional>
#include <optional>
#include <string>

namespace quintaro {

// Without a display Qt aborts while it loads its platform plugin. This tells, from the
// environment, whether that would happen.
// `environment` returns the value of a variable, or nothing when it is unset or empty.
bool displayMissing(const std::function<std::optional<std::string>(const char*)>& environment);

// What to say instead, in the player's language once the translations are installed.
std::string missingDisplayMessage();

} // namespace quintaro
