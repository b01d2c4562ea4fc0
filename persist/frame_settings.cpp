#include "persist/frame_settings.h"

#include "persist/decimal_text.h"
#include "persist/registry_key.h"

namespace quintaro {

namespace {

std::optional<std::uint32_t> storedNumber(const RegistryKey& key, const std::string& name) {
    return decimalValue(key.QueryString(name));
}

SoundEvent parseSoundValue(const std::string& text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos)
        return {text, {}};
    return {text.substr(0, comma), text.substr(comma + 1)};
}

} // namespace

std::uint32_t defaultAnimationDelay(int systemClass) {
    switch (systemClass) {
    case 1:
        return 0;
    case 2:
        return 6000;
    case 4:
        return 14000;
    default:
        return 10000;
    }
}

std::uint8_t defaultBackground(std::uint32_t windowNumber) {
    return static_cast<std::uint8_t>((windowNumber / 100) & 0xFF);
}

std::string startSoundEvent(const std::string& settingsKeyName) {
    return settingsKeyName + " Start";
}

std::string exitSoundEvent(const std::string& settingsKeyName) {
    return settingsKeyName + " Exit";
}

FrameSettings loadFrameSettings(RegistryStore& store, const std::string& settingsKeyName,
                                std::uint32_t windowNumber, int systemClass) {
    FrameSettings settings;
    RegistryKey key(store);

    key.Open("General");
    if (auto delay = storedNumber(key, "AnimationDelay")) {
        settings.animationDelay = *delay;
    } else {
        settings.animationDelay = defaultAnimationDelay(systemClass);
        key.SetString("AnimationDelay", std::to_string(settings.animationDelay));
    }

    key.Open(settingsKeyName);
    settings.skillLevel = static_cast<std::uint16_t>(storedNumber(key, "SkillLevel").value_or(0));

    const auto background = storedNumber(key, "Background");
    settings.backgroundAsLoaded = background ? static_cast<std::uint8_t>(*background & 0xFF)
                                             : defaultBackground(windowNumber);
    settings.background = std::min(settings.backgroundAsLoaded, lastBackground);

    if (auto enabled = storedNumber(key, "SoundEnabled"))
        settings.soundEnabled = static_cast<std::uint8_t>(*enabled & 0xFF);

    if (auto speed = storedNumber(key, "AnimationSpeed")) {
        const auto value = static_cast<std::int8_t>(*speed & 0xFF);
        settings.animationSpeed = value > 15 || value < -1 ? std::int8_t{-1} : value;
    }

    for (int n = 0;; ++n) {
        const std::string text = key.QueryString("Sound" + std::to_string(n));
        if (text.empty())
            break;
        settings.soundEvents.push_back(parseSoundValue(text));
    }
    RegisterSound(settings.soundEvents, startSoundEvent(settingsKeyName), {});
    RegisterSound(settings.soundEvents, exitSoundEvent(settingsKeyName), {});
    return settings;
}

void saveFrameSettings(RegistryStore& store, const std::string& settingsKeyName,
                       const FrameSettings& settings) {
    RegistryKey key(store);
    key.Open(settingsKeyName);
    if (settings.background != settings.backgroundAsLoaded)
        key.SetString("Background", std::to_string(settings.background));
    key.SetString("SoundEnabled", std::to_string(static_cast<std::int8_t>(settings.soundEnabled)));
    if (settings.skillLevel != 0)
        key.SetString("SkillLevel", std::to_string(settings.skillLevel));
    if (settings.animationSpeed != -1)
        key.SetString("AnimationSpeed", std::to_string(settings.animationSpeed));
    for (std::size_t n = 0; n < settings.soundEvents.size(); ++n) {
        const SoundEvent& event = settings.soundEvents[n];
        key.SetString("Sound" + std::to_string(n), event.name + "," + event.file);
    }
}

} // namespace quintaro
