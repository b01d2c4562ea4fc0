#include "sound/sound_events.h"

#include <algorithm>

namespace quintaro {

void RegisterSound(SoundEventList& events, const std::string& name,
                   const std::string& defaultFile) {
    if (std::any_of(events.begin(), events.end(),
                    [&](const SoundEvent& event) { return event.name == name; }))
        return;
    std::string file = defaultFile;
    std::transform(file.begin(), file.end(), file.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    if (!file.empty() && file.find(".wav") == std::string::npos)
        file += ".wav";
    events.push_back({name, std::move(file)});
}

std::string FindSound(const SoundEventList& events, const std::string& name) {
    auto event = std::find_if(events.begin(), events.end(),
                              [&](const SoundEvent& e) { return e.name == name; });
    return event == events.end() ? std::string() : event->file;
}

void PlaySound(SoundOutput& output, bool devicePresent, std::uint8_t soundEnabled,
               const std::string& file) {
    if (devicePresent && soundEnabled != 0 && !file.empty())
        output.play(file);
}

} // namespace quintaro
