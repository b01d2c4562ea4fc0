#include "app/command_line.h"

#include <cctype>
#include <cstdlib>

namespace quintaro {

namespace {

constexpr std::string_view commandOption = "/b:";
constexpr std::string_view windowOption = "/h:";

// An unsigned decimal read the way strtoul reads it: leading blanks and a sign are
// allowed, reading stops at the first other character, too large a number saturates.
std::uint16_t readWindowHandle(const std::string& text) {
    const unsigned long value = std::strtoul(text.c_str(), nullptr, 10);
    return static_cast<std::uint16_t>(value & 0xFFFFu);
}

} // namespace

ReturnTarget parseCommandLine(const std::vector<std::string>& arguments) {
    ReturnTarget target;
    for (const std::string& argument : arguments) {
        if (auto at = argument.find(commandOption); at != std::string::npos)
            target.returnCommand = argument.substr(at + commandOption.size());
        else if (auto at = argument.find(windowOption); at != std::string::npos)
            target.returnWindow = readWindowHandle(argument.substr(at + windowOption.size()));
    }
    return target;
}

void startReturnCommand(const ReturnTarget& target, ProcessStarter& starter) {
    if (target.returnCommand.empty())
        return;
    if (!starter.start(target.returnCommand) && target.returnWindow != 0)
        starter.restoreAndActivate(target.returnWindow);
}

} // namespace quintaro
