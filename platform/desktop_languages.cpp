#include "platform/desktop_languages.h"

#include <algorithm>
#include <string_view>

namespace quintaro {

namespace {

// "de_DE.UTF-8@euro" → "de_DE": the part of a locale name that names the language.
std::string languageCode(std::string_view locale) {
    return std::string(locale.substr(0, locale.find_first_of(".@")));
}

bool isEnglish(const std::string& code) {
    return code == "C" || code == "POSIX" || code == "en" || code.starts_with("en_");
}

// Adds `code` and its bare language; false once English is reached.
bool add(const std::string& code, std::vector<std::string>* languages) {
    if (code.empty())
        return true;
    if (isEnglish(code))
        return false;
    const auto addOnce = [languages](const std::string& item) {
        if (std::find(languages->begin(), languages->end(), item) == languages->end())
            languages->push_back(item);
    };
    addOnce(code);
    if (const auto territory = code.find('_'); territory != std::string::npos)
        addOnce(code.substr(0, territory));
    return true;
}

} // namespace

std::vector<std::string>
desktopLanguages(const std::function<std::optional<std::string>(const char*)>& environment) {
    std::vector<std::string> languages;
    if (const auto list = environment("LANGUAGE")) {
        std::string_view rest = *list;
        while (!rest.empty()) {
            const auto colon = rest.find(':');
            if (!add(languageCode(rest.substr(0, colon)), &languages))
                return languages;
            rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
        }
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const auto locale = environment(name)) {
            add(languageCode(*locale), &languages);
            break;
        }
    return languages;
}

} // namespace quintaro
