#pragma once

#include "platform/process_starter.h"

namespace quintaro {

class QtProcessStarter : public ProcessStarter {
public:
    bool start(const std::string& commandLine) override;
    void restoreAndActivate(std::uint16_t window) override;
};

} // namespace quintaro
