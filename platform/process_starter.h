#pragma once

#include <cstdint>
#include <string>

namespace quintaro {

// Starts another program and brings back a window of another program.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;

    // Starts the command line as a detached program; false when it could not be started.
    virtual bool start(const std::string& commandLine) = 0;
    // Asks the window manager to restore the window and make it the active one.
    virtual void restoreAndActivate(std::uint16_t window) = 0;
};

} // namespace quintaro
