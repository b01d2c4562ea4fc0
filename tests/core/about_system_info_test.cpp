#include "about/system_info.h"

#include <gtest/gtest.h>

using namespace quintaro;

namespace {

SystemFacts facts(std::uint8_t major, std::uint8_t minor, std::string driver, int bits,
                  std::uint32_t reported) {
    SystemFacts result;
    result.versionMajor = major;
    result.versionMinor = minor;
    result.displayDriver = std::move(driver);
    result.screen = {1280, 1024, bits, reported};
    return result;
}

// The text after the last paragraph break: the colour count.
std::string colourLine(const SystemFacts& machine) {
    const std::string text = systemInformationText(machine);
    return text.substr(text.rfind("\n\n") + 2);
}

} // namespace

TEST(AboutSystemInfo, LinesComeInOrderWithTheirBreaks) {
    EXPECT_EQ(systemInformationText(facts(4, 0, "vga.drv", 8, 20)), "1,024 kb memory free\n\n"
                                                                    "MS Windows 4.0\n\n"
                                                                    "Display driver - VGA.DRV\n\n"
                                                                    "1280 X 1024 Resolution\n\n"
                                                                    "256 Colors");
}

TEST(AboutSystemInfo, VersionDriverAndColourRules) {
    // A minor number of 95 or more stands alone.
    const std::string ninetyFive = systemInformationText(facts(3, 95, "", 8, 0));
    EXPECT_NE(ninetyFive.find("\nMS Windows 95\n\n"), std::string::npos);
    EXPECT_NE(systemInformationText(facts(6, 94, "", 8, 0)).find("MS Windows 6.94\n"),
              std::string::npos);

    // No driver name leaves the line bare; a long one is cut at 35 characters.
    EXPECT_NE(ninetyFive.find("\n\nDisplay driver - \n\n"), std::string::npos);
    const std::string longName(40, 'x');
    EXPECT_NE(systemInformationText(facts(6, 1, longName, 8, 0))
                  .find("Display driver - " + std::string(35, 'X') + "\n\n"),
              std::string::npos);

    EXPECT_EQ(colourLine(facts(6, 1, "", 4, 16)), "16 Colors");
    EXPECT_EQ(colourLine(facts(6, 1, "", 1, 0)), "2 Colors");
    // A device that reports no count (-1) shows the low 16 bits of it, as a deep screen does.
    EXPECT_EQ(colourLine(facts(6, 1, "", 24, 0xFFFFFFFF)), "65535 Colors");
}
