#include "about/system_info.h"
#include "about/system_name.h"

#include <gtest/gtest.h>

#include <sys/utsname.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

using namespace quintaro;

namespace {

SystemFacts facts(std::string driver, int bits, std::uint32_t reported) {
    return {"", std::move(driver), {2048, 1536, bits, reported}};
}

// The text after the last paragraph break: the colour count.
std::string colourLine(const SystemFacts& machine) {
    const std::string text = systemInformationText(machine);
    return text.substr(text.rfind("\n\n") + 2);
}

// os-release files in a folder of their own, removed with it.
struct OsReleaseFiles {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("quintaro-os-release-" + std::to_string(::getpid()));
    OsReleaseFiles() { std::filesystem::create_directories(folder); }
    ~OsReleaseFiles() { std::filesystem::remove_all(folder); }
    std::string write(const std::string& name, const std::string& text) const {
        std::ofstream(folder / name) << text;
        return (folder / name).string();
    }
};

} // namespace

TEST(AboutSystemInfo, DriverAndColourRules) {
    // No driver name leaves the line bare; a long one is cut at 35 characters.
    EXPECT_NE(systemInformationText(facts("", 8, 0)).find("\n\nDisplay driver - \n\n"),
              std::string::npos);
    EXPECT_NE(systemInformationText(facts(std::string(40, 'x'), 8, 0))
                  .find("Display driver - " + std::string(35, 'X') + "\n\n"),
              std::string::npos);

    // Shallow screens show what their depth allows, whatever the count reported.
    EXPECT_EQ(colourLine(facts("", 8, 20)), "256 Colors");
    EXPECT_EQ(colourLine(facts("", 4, 16)), "16 Colors");
    EXPECT_EQ(colourLine(facts("", 1, 0)), "2 Colors");
    // Deep screens report no count (-1) and show its low 16 bits, 32-bit ones included.
    for (int bits : {16, 24, 32})
        EXPECT_EQ(colourLine(facts("", bits, 0xFFFFFFFF)), "65535 Colors") << bits << " bits";
}

TEST(AboutSystemName, PrettyNameOfTheFirstFileThatHasOneElseTheKernel) {
    OsReleaseFiles files;
    const std::string debian =
        files.write("debian", "NAME=\"Debian GNU/Linux\"\n"
                              "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n"
                              "VERSION_ID=\"12\"\n");
    const std::string quoted = files.write("quoted", "# PRETTY_NAME=commented out\n"
                                                     "PRETTY_NAME='Single \\quoted'\n"
                                                     "ID=x\n"
                                                     "PRETTY_NAME=\"Say \\\"hi\\\" \\\\ \\$5\"\n");
    const std::string bare = files.write("bare", "PRETTY_NAME=Bare\n");
    const std::string nameless = files.write("nameless", "NAME=Nameless\nPRETTY_NAME=\"\"\n");
    const std::string missing = (files.folder / "missing").string();

    EXPECT_EQ(systemName({debian}), "Debian GNU/Linux 12 (bookworm)");
    EXPECT_EQ(systemName({quoted}), "Say \"hi\" \\ $5");
    EXPECT_EQ(systemName({missing, nameless, bare, debian}), "Bare");

    utsname kernel{};
    ASSERT_EQ(uname(&kernel), 0);
    const std::string kernelName = std::string(kernel.sysname) + ' ' + kernel.release;
    EXPECT_EQ(systemName({missing, nameless}), kernelName);
    EXPECT_EQ(systemName({}), kernelName);
}
