#include "platform/desktop_languages.h"
#include "platform/translated_text.h"

#include <gtest/gtest.h>

#include <map>

namespace quintaro {
namespace {

using Languages = std::vector<std::string>;

Languages languagesOf(const std::map<std::string, std::string>& variables) {
    return desktopLanguages([&variables](const char* name) -> std::optional<std::string> {
        const auto found = variables.find(name);
        if (found == variables.end() || found->second.empty())
            return std::nullopt;
        return found->second;
    });
}

TEST(DesktopLanguages, FollowTheVariablesInGettextsOrder) {
    EXPECT_EQ(languagesOf({}), Languages{});
    EXPECT_EQ(languagesOf({{"LANG", "de_DE.UTF-8"}}), (Languages{"de_DE", "de"}));
    EXPECT_EQ(languagesOf({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_CA.UTF-8"}}),
              (Languages{"fr_CA", "fr"}));
    EXPECT_EQ(languagesOf({{"LC_ALL", "es_ES@euro"}, {"LC_MESSAGES", "fr_FR"}, {"LANG", "de"}}),
              (Languages{"es_ES", "es"}));
    EXPECT_EQ(languagesOf({{"LANGUAGE", "fr:de_AT"}, {"LANG", "es_MX.UTF-8"}}),
              (Languages{"fr", "de_AT", "de", "es_MX", "es"}));
    EXPECT_EQ(languagesOf({{"LANGUAGE", "de_CH:de"}}), (Languages{"de_CH", "de"}));
}

TEST(DesktopLanguages, EnglishEndsTheListBecauseItNeedsNoTranslation) {
    EXPECT_EQ(languagesOf({{"LANG", "C.UTF-8"}}), Languages{});
    EXPECT_EQ(languagesOf({{"LC_ALL", "POSIX"}, {"LANG", "de_DE"}}), Languages{});
    EXPECT_EQ(languagesOf({{"LANGUAGE", "fr:en_GB:de"}}), Languages{"fr"});
    EXPECT_EQ(languagesOf({{"LANGUAGE", "en"}, {"LANG", "de_DE"}}), Languages{});
}

TEST(TranslatedText, WithoutATranslatorTheEnglishTextFillsItsCount) {
    EXPECT_EQ(translatedText("Statistics", "Hands played"), "Hands played");
    EXPECT_EQ(translatedText("Statistics", "%n hands", nullptr, 3), "3 hands");
    EXPECT_EQ(withArguments("%2 %1, %3 and 100%", {"Sieben", "Kreuz"}),
              "Kreuz Sieben, %3 and 100%");
}

} // namespace
} // namespace quintaro
