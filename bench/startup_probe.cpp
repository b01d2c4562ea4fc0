// Starts a program under the X display in $DISPLAY and measures it from outside, the way a
// player sees it: the time from the start until a top-level window with the given title is
// mapped, the time until the program first draws into it, the CPU time the program's
// threads had used by then, and the peak resident memory once it has settled. Prints
// "<mapped ms> <painted ms> <CPU ms> <peak kB>", then ends the program with SIGTERM.
// Waiting on X events costs no CPU, so the probe does not slow down what it measures on a
// busy machine.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

std::string textProperty(Display* display, Window window, Atom property) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(display, window, property, 0, 1024, False, AnyPropertyType, &type,
                           &format, &count, &left, &data) == Success &&
        data != nullptr) {
        if (format == 8)
            text.assign(reinterpret_cast<const char*>(data), count);
        XFree(data);
    }
    return text;
}

std::optional<long> peakKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return std::nullopt;
}

// CPU time of the process's live threads, from the scheduler's nanosecond account: finer
// than the clock ticks of /proc/<pid>/stat. Threads that have already ended are not counted.
double cpuMilliseconds(pid_t pid) {
    double total = 0;
    std::error_code error;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double running = 0;
        if (schedstat >> running)
            total += running;
    }
    return total / 1e6;
}

// Blocks on the display's connection for at most the given time; false on timeout.
bool waitForEvent(Display* display, std::chrono::milliseconds timeout) {
    if (XPending(display) > 0)
        return true;
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(ConnectionNumber(display), &readable);
    timeval limit{static_cast<time_t>(timeout.count() / 1000),
                  static_cast<suseconds_t>(timeout.count() % 1000 * 1000)};
    return select(ConnectionNumber(display) + 1, &readable, nullptr, nullptr, &limit) > 0;
}

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void stop(pid_t child) {
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s TITLE SETTLE_MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const std::string title = argv[1];
    const auto settle = std::chrono::milliseconds(std::atoi(argv[2]));
    Display* display = XOpenDisplay(nullptr);
    int damageEvent = 0;
    int damageError = 0;
    if (display == nullptr || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "no X display with the DAMAGE extension\n");
        return 2;
    }
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }

    // Every top-level window the program creates is watched from its creation on, so that
    // neither its title nor its first drawing can slip past.
    struct Watched {
        bool mapped = false;
        std::optional<double> firstDrawn;
    };
    std::map<Window, Watched> windows;
    std::optional<Window> target;
    std::optional<double> mappedAfter;
    std::optional<double> paintedAfter;
    double cpuUsed = 0;
    while (!paintedAfter && Clock::now() - start < std::chrono::seconds(60)) {
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "%s ended before showing '%s'\n", argv[3], title.c_str());
            return 1;
        }
        if (!waitForEvent(display, std::chrono::milliseconds(100)))
            continue;
        XEvent event;
        XNextEvent(display, &event);
        Window window = None;
        if (event.type == CreateNotify) {
            window = event.xcreatewindow.window;
            windows[window];
            XSelectInput(display, window, PropertyChangeMask);
            XDamageCreate(display, window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify) {
            window = event.xmap.window;
            windows[window].mapped = true;
        } else if (event.type == PropertyNotify) {
            window = event.xproperty.window;
        } else if (event.type == damageEvent + XDamageNotify) {
            window = reinterpret_cast<XDamageNotifyEvent&>(event).drawable;
            auto& watched = windows[window];
            if (!watched.firstDrawn)
                watched.firstDrawn = millisecondsSince(start);
        }
        if (window == None)
            continue;
        const Watched& watched = windows[window];
        if (!target && watched.mapped &&
            (textProperty(display, window, netName) == title ||
             textProperty(display, window, XA_WM_NAME) == title)) {
            target = window;
            mappedAfter = millisecondsSince(start);
        }
        if (target == window && watched.firstDrawn) {
            paintedAfter = std::max(*watched.firstDrawn, *mappedAfter);
            cpuUsed = cpuMilliseconds(child);
        }
    }
    if (!paintedAfter) {
        stop(child);
        std::fprintf(stderr, "no window '%s' drawn within 60 s\n", title.c_str());
        return 1;
    }
    std::this_thread::sleep_for(settle);
    const auto peak = peakKilobytes(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (!peak) {
        std::fprintf(stderr, "no memory figures for %s\n", argv[3]);
        return 1;
    }
    std::printf("%.1f %.1f %.1f %ld\n", *mappedAfter, *paintedAfter, cpuUsed, *peak);
    return 0;
}
