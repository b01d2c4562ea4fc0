#include "app/command_line.h"
#include "app/display_check.h"

#include <gtest/gtest.h>

#include <map>

namespace quintaro {
namespace {

TEST(CommandLine, FindsOptionsAnywhereAndLaterArgumentsWin) {
    auto t = parseCommandLine({"xx/b:launcher -x /h:3", "junk", "pre/h:70000abc"});
    EXPECT_EQ(t.returnCommand, "launcher -x /h:3"); // both options: only the command is set
    EXPECT_EQ(t.returnWindow, 70000 % 65536);       // kept to 16 bits, stops at the letters

    t = parseCommandLine({"/b:first", "/h:12", "/b:second", "/h:40000"});
    EXPECT_EQ(t.returnCommand, "second");
    EXPECT_EQ(t.returnWindow, 40000); // all sixteen bits

    t = parseCommandLine({"/B:upper", "-h:5", "/h:", "/b"});
    EXPECT_EQ(t.returnCommand, ""); // the marker is case-sensitive and needs its colon
    EXPECT_EQ(t.returnWindow, 0);

    t = parseCommandLine({"a/b:x/b:y"});
    EXPECT_EQ(t.returnCommand, "x/b:y"); // everything after the first occurrence
}

class RecordingStarter : public ProcessStarter {
public:
    bool startSucceeds = true;
    std::vector<std::string> started;
    std::vector<std::uint16_t> restored;

    bool start(const std::string& commandLine) override {
        started.push_back(commandLine);
        return startSucceeds;
    }
    void restoreAndActivate(std::uint16_t window) override { restored.push_back(window); }
};

TEST(CommandLine, ReturnCommandStartsAndBringsBackTheWindowOnlyWhenStartFails) {
    RecordingStarter starter;
    startReturnCommand(parseCommandLine({"/h:7"}), starter);
    EXPECT_TRUE(starter.started.empty()); // no command: the window is never used
    EXPECT_TRUE(starter.restored.empty());

    startReturnCommand(parseCommandLine({"/b:menu", "/h:7"}), starter);
    EXPECT_EQ(starter.started, std::vector<std::string>{"menu"});
    EXPECT_TRUE(starter.restored.empty());

    starter.startSucceeds = false;
    startReturnCommand(parseCommandLine({"/b:missing"}), starter);
    EXPECT_TRUE(starter.restored.empty()); // no window named
    startReturnCommand(parseCommandLine({"/b:missing", "/h:7"}), starter);
    EXPECT_EQ(starter.restored, std::vector<std::uint16_t>{7});
}

TEST(DisplayCheck, AsksForADisplayOnlyWhenQtWouldHaveNone) {
    std::map<std::string, std::string> env;
    auto lookup = [&env](const char* name) -> std::optional<std::string> {
        auto it = env.find(name);
        return it == env.end() ? std::nullopt : std::optional<std::string>(it->second);
    };
    // The message itself is read end to end, from the program.
    EXPECT_TRUE(displayMissing(lookup));
    env["QT_QPA_PLATFORM"] = "xcb";
    EXPECT_TRUE(displayMissing(lookup));
    env["QT_QPA_PLATFORM"] = "offscreen";
    EXPECT_FALSE(displayMissing(lookup));
    env.erase("QT_QPA_PLATFORM");
    env["WAYLAND_DISPLAY"] = "wayland-0";
    EXPECT_FALSE(displayMissing(lookup));
}

} // namespace
} // namespace quintaro
