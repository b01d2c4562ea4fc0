#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quintaro {

// The languages the desktop asks for texts in, most wanted first, each code with its
// territory and then without it ("de_AT", "de"). `environment` returns a variable's value,
// or nothing when it is unset or empty.
//
// LANGUAGE, a colon-separated list of codes, comes first; then the first of LC_ALL,
// LC_MESSAGES and LANG that is set, its encoding and modifier dropped ("de_DE.UTF-8@euro"
// asks for "de_DE", then "de"). English is the program's own language: an "en" code, "C"
// or "POSIX" ends the list, since nothing after it can be wanted more than the English
// texts already in the program.
std::vector<std::string>
desktopLanguages(const std::function<std::optional<std::string>(const char*)>& environment);

} // namespace quintaro
