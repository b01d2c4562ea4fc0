#include "platform/translated_text.h"

namespace quintaro {

namespace {

TextTranslator installed = nullptr;

} // namespace

void setTextTranslator(TextTranslator translator) {
    installed = translator;
}

std::string translatedText(const char* context, const char* source, const char* disambiguation,
                           int count) {
    if (installed != nullptr)
        return installed(context, source, disambiguation, count);
    std::string text = source;
    if (count >= 0)
        if (const auto at = text.find("%n"); at != std::string::npos)
            text.replace(at, 2, std::to_string(count));
    return text;
}

std::string withArguments(std::string text, std::initializer_list<std::string_view> values) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char next = at + 1 < text.size() ? text[at + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '1');
        if (text[at] == '%' && next >= '1' && next <= '9' && number < values.size()) {
            result += values.begin()[number];
            ++at;
        } else {
            result += text[at];
        }
    }
    return result;
}

} // namespace quintaro
