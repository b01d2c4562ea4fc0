// Feeds arbitrary INI-like text to the settings reader through the in-memory store and
// checks that what it loads is always usable and survives a save and a reload.

#include "persist/frame_settings.h"
#include "persist/registry_key.h"
#include "platform/memory_registry_store.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace quintaro;

const std::string familyPath = "SOFTWARE\\Varden\\Parlorset\\";

// "[group]" picks the key, "name=value" stores the value's bytes as they are; anything
// else is ignored. Values before the first group go to the settings key.
void fillStore(MemoryRegistryStore& store, std::string_view text) {
    std::string key = familyPath + "Quintaro";
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            key = familyPath + std::string(line.substr(1, line.size() - 2));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos)
            store.writeValue(key, std::string(line.substr(0, equals)),
                             std::string(line.substr(equals + 1)));
    }
}

void check(bool truth) {
    if (!truth)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryRegistryStore store;
    fillStore(store, std::string_view(reinterpret_cast<const char*>(data), size));

    const FrameSettings loaded = loadFrameSettings(store, "Quintaro", tableWindowNumber, 3);
    check(loaded.background <= lastBackground);
    check(loaded.animationSpeed >= -1 && loaded.animationSpeed <= 15);
    for (const char* frameEvent : {"Quintaro Start", "Quintaro Exit"})
        check(std::any_of(loaded.soundEvents.begin(), loaded.soundEvents.end(),
                          [&](const SoundEvent& event) { return event.name == frameEvent; }));

    saveFrameSettings(store, "Quintaro", loaded);
    const FrameSettings reloaded = loadFrameSettings(store, "Quintaro", tableWindowNumber, 3);
    check(reloaded.skillLevel == loaded.skillLevel);
    check(reloaded.background == loaded.background);
    check(reloaded.soundEnabled == loaded.soundEnabled);
    check(reloaded.animationSpeed == loaded.animationSpeed);
    check(reloaded.animationDelay == loaded.animationDelay);

    // The saved list comes back in order, unless a value grew past the read buffer when
    // its comma was added.
    for (std::size_t n = 0; n < loaded.soundEvents.size(); ++n) {
        const SoundEvent& event = loaded.soundEvents[n];
        if (event.name.size() + 1 + event.file.size() >= RegistryKey::readBufferSize)
            break;
        check(n < reloaded.soundEvents.size() && reloaded.soundEvents[n] == event);
    }
    return 0;
}
