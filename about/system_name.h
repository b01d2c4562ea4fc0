#pragma once

#include <string>
#include <vector>

namespace quintaro {

// The name and version the system gives itself, such as "Debian GNU/Linux 12 (bookworm)":
// PRETTY_NAME of the first os-release file in the list that names one. Without any, the
// kernel's name and release as uname gives them, such as "Linux 6.1.0-18-amd64".
std::string systemName(const std::vector<std::string>& osReleaseFiles);

} // namespace quintaro
