#include "about/system_name.h"

#include <sys/utsname.h>

#include <fstream>
#include <optional>
#include <string_view>

namespace quintaro {

namespace {

constexpr std::string_view prettyNameKey = "PRETTY_NAME=";

// An os-release value is written as a shell word: bare, or in single or double quotes,
// where a backslash keeps the next character as it is.
std::string shellWord(std::string_view text) {
    if (text.empty() || (text.front() != '"' && text.front() != '\''))
        return std::string(text);
    const char quote = text.front();
    std::string word;
    for (std::size_t i = 1; i < text.size() && text[i] != quote; ++i) {
        if (quote == '"' && text[i] == '\\' && i + 1 < text.size())
            ++i;
        word += text[i];
    }
    return word;
}

std::optional<std::string> prettyName(const std::string& osReleaseFile) {
    std::ifstream file(osReleaseFile);
    std::optional<std::string> name;
    // A later assignment overrides an earlier one, as when the shell reads the file.
    for (std::string line; std::getline(file, line);)
        if (line.starts_with(prettyNameKey))
            name = shellWord(std::string_view(line).substr(prettyNameKey.size()));
    if (name && name->empty())
        return std::nullopt;
    return name;
}

std::string kernelName() {
    utsname kernel{};
    if (uname(&kernel) != 0)
        return {};
    return std::string(kernel.sysname) + ' ' + kernel.release;
}

} // namespace

std::string systemName(const std::vector<std::string>& osReleaseFiles) {
    for (const std::string& file : osReleaseFiles)
        if (auto name = prettyName(file))
            return *name;
    return kernelName();
}

} // namespace quintaro
