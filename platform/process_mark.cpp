#include "platform/process_mark.h"

#include <fstream>
#include <sstream>

#include <unistd.h>

namespace quintaro {

namespace {

std::string firstLine(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

// The start time of a process, in clock ticks since boot: the 22nd field of its stat line,
// counted after the command name, which may hold blanks and parentheses.
std::string startTimeOf(long id) {
    const std::string stat = firstLine("/proc/" + std::to_string(id) + "/stat");
    const std::size_t nameEnd = stat.rfind(')');
    if (nameEnd == std::string::npos)
        return {};
    std::istringstream fields(stat.substr(nameEnd + 1));
    std::string field;
    for (int number = 3; number <= 22 && fields >> field; ++number)
        if (number == 22)
            return field;
    return {};
}

std::string bootId() {
    return firstLine("/proc/sys/kernel/random/boot_id");
}

} // namespace

ProcessMark currentProcess() {
    const long id = static_cast<long>(::getpid());
    return {bootId(), id, startTimeOf(id)};
}

bool isRunning(const ProcessMark& mark) {
    if (mark.id <= 0 || mark.boot != bootId())
        return false;
    const std::string started = startTimeOf(mark.id);
    return !started.empty() && started == mark.started;
}

} // namespace quintaro
