#include "about/system_info.h"

#include "platform/translated_text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace quintaro {

namespace {

// Longest display driver name shown.
constexpr std::size_t driverNameLimit = 35;
// Colour counts are 32-bit figures, as a device reports them.
constexpr std::uint64_t largestColourCount = 0xFFFFFFFF;

std::string memoryLine() {
    // The figure is fixed: no system of ours is short of memory for this game.
    char figure[16];
    std::snprintf(figure, sizeof figure, "%u,%03u", 1u, 24u);
    return withArguments(translatedText("About", "%1 kb memory free"), {figure}) + "\n\n";
}

std::string driverLine(const std::string& driver) {
    std::string name = driver.substr(0, std::min(driver.size(), driverNameLimit));
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return withArguments(translatedText("About", "Display driver - %1"), {name}) + "\n\n";
}

// 2 below 2 bits, else 2 to the power of the depth, unless the device reports more; shown
// as a 16-bit number. A deep screen reports no count (all 32 bits set), and a 32-bit depth
// cannot count further, so every screen of 16 bits or more shows 65535.
std::uint16_t colourCount(const ScreenInfo& screen) {
    const int bits = std::clamp(screen.bitsPerPixel, 0, 63);
    std::uint64_t count = bits < 2 ? 2 : std::uint64_t{1} << bits;
    count = std::max<std::uint64_t>(std::min(count, largestColourCount), screen.reportedColours);
    return static_cast<std::uint16_t>(count & 0xFFFF);
}

} // namespace

std::string systemInformationText(const SystemFacts& facts) {
    const std::string resolution =
        withArguments(translatedText("About", "%1 X %2 Resolution"),
                      {std::to_string(facts.screen.width), std::to_string(facts.screen.height)});
    const std::string colours = withArguments(translatedText("About", "%1 Colors"),
                                              {std::to_string(colourCount(facts.screen))});
    return memoryLine() + facts.systemName + "\n\n" + driverLine(facts.displayDriver) + resolution +
           "\n\n" + colours;
}

} // namespace quintaro
