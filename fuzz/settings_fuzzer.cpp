// Feeds arbitrary text to the settings file reader, checks that what it reads is written and
// read back unchanged, and that the settings loaded from it through the in-memory store are
// always usable and survive a save and a reload.

#include "persist/frame_settings.h"
#include "persist/registry_key.h"
#include "platform/ini_text.h"
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

// The values as the settings store keeps them: "Group/Sub/Name" under the key
// "...\Group\Sub". A value outside any group is read as one of "General", as a hand-edited
// "[General]" section is, unless "[%General]" holds its own.
void fillStore(MemoryRegistryStore& store, const IniValues& values) {
    for (const bool grouped : {false, true}) {
        for (const auto& [key, value] : values) {
            const std::size_t slash = key.rfind('/');
            if ((slash != std::string::npos) != grouped)
                continue;
            std::string group = grouped ? key.substr(0, slash) : "General";
            std::replace(group.begin(), group.end(), '/', '\\');
            store.writeValue(familyPath + group, key.substr(slash + 1), value);
        }
    }
}

void check(bool truth) {
    if (!truth)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const IniReading reading = readIniText(text);
    check(reading.damagedLines <=
          static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n') +
                                   std::count(text.begin(), text.end(), '\r') + 1));
    // What is written reads back whole, and writing that again changes nothing.
    const std::string written = writeIniText(reading.values);
    const IniReading reread = readIniText(written);
    check(reread.damagedLines == 0 && reread.values == reading.values);
    check(writeIniText(reread.values) == written);

    MemoryRegistryStore store;
    fillStore(store, reading.values);

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
