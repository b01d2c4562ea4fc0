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

} // namespace quintaro
