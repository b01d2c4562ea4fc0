#pragma once

#include <string>

namespace quintaro {

// Names one process for as long as the machine runs: a process id alone is reused.
struct ProcessMark {
    std::string boot;
    long id = 0;
    std::string started;
    bool operator==(const ProcessMark&) const = default;
};

ProcessMark currentProcess();
// True while the process named is running on this machine.
bool isRunning(const ProcessMark& mark);

} // namespace quintaro
