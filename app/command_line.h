#pragma once

#include "platform/process_starter.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quintaro {

// What "/b:" and "/h:" ask for: a program to start when Quintaro ends, and the window
// to bring back when that program cannot be started.
struct ReturnTarget {
    std::string returnCommand;
    std::uint16_t returnWindow = 0;
};

// Reads the arguments after the program name. "/b:" and "/h:" may stand anywhere in an
// argument; the value is the rest after the first occurrence. An argument holding both
// sets only the command, and a later argument overwrites an earlier one.
ReturnTarget parseCommandLine(const std::vector<std::string>& arguments);

// Starts the return command, if there is one. On this platform a start that fails (no
// such program, or not executable) stands for the old "already running" result: the
// named window is then restored and activated, provided one was named. The window
// handle keeps only 16 bits, so an X window id above 65535 cannot be named this way.
void startReturnCommand(const ReturnTarget& target, ProcessStarter& starter);

} // namespace quintaro
