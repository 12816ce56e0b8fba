// Times how long programs take to show their window, and how much memory they take doing so.
//
//   startup_probe [--runs N] [--settle MS] FLOOR TEXT PROGRAM...
//
// Each run starts one program under the X server of $DISPLAY and takes the time from the
// fork until the server maps a top-level window, watched as a MapNotify on the root window.
// The program then runs MS milliseconds more (300 by default) so that it paints, and is ended
// with SIGTERM; its peak resident memory is what wait4() reports. One unmeasured run of each
// program comes first; then the programs take turns, N runs each (10 by default), so that the
// machine's drift falls on all of them alike. Prints each program's medians, their ratios to
// the first program's (the floor, a window that shows nothing), and the later programs' ratios
// to the second one's (a window with one line of text) against the goals: a program that shows
// text starts as fast as that window and takes at most 5 % more memory.

#include <X11/Xlib.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The goals against the one-label window: its time, allowing 0.03 for this machine's noise
// between runs, and 1.05 times its memory.
constexpr double timeGoal = 1.03;
constexpr double memoryGoal = 1.05;

struct Run
{
    double milliseconds = 0;
    double peakMiB = 0;
    int width = 0;
    int height = 0;
};

[[noreturn]] void die(const std::string &what)
{
    std::fprintf(stderr, "startup_probe: %s\n", what.c_str());
    std::exit(2);
}

Run measure(Display *display, const std::string &program, int settleMs)
{
    // Events left from an earlier run must not end this one.
    XSync(display, True);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child < 0)
        die(std::string("fork: ") + std::strerror(errno));
    if (child == 0) {
        execl(program.c_str(), program.c_str(), static_cast<char *>(nullptr));
        std::_Exit(127);
    }

    Run run;
    const Clock::time_point deadline = start + std::chrono::seconds(20);
    for (bool mapped = false; !mapped;) {
        while (!mapped && XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || event.xmap.override_redirect)
                continue;
            run.milliseconds =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, event.xmap.window, &attributes)) {
                run.width = attributes.width;
                run.height = attributes.height;
            }
            mapped = true;
        }
        if (mapped)
            break;
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child)
            die(program + " ended before it showed a window");
        if (Clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            die(program + " showed no window within 20 s");
        }
        pollfd connection {ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 10);
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    kill(child, SIGTERM);
    int status = 0;
    rusage usage {};
    if (wait4(child, &status, 0, &usage) != child)
        die(std::string("wait4: ") + std::strerror(errno));
    run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 10;
    int settleMs = 300;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--runs" || arg == "--settle") && i + 1 < argc)
            (arg == "--runs" ? runs : settleMs) = std::atoi(argv[++i]);
        else if (arg.starts_with("--"))
            die("unknown option " + arg);
        else
            programs.push_back(arg);
    }
    if (programs.empty() || runs < 1 || settleMs < 0)
        die("usage: startup_probe [--runs N] [--settle MS] FLOOR PROGRAM...");

    Display *display = XOpenDisplay(nullptr);
    if (!display)
        die("cannot open the X display; run under xvfb-run");
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

    for (const std::string &program : programs)
        measure(display, program, settleMs); // warms the caches, not counted

    std::vector<std::vector<Run>> results(programs.size());
    for (int round = 0; round < runs; ++round)
        for (std::size_t p = 0; p < programs.size(); ++p)
            results[p].push_back(measure(display, programs[p], settleMs));
    XCloseDisplay(display);

    std::printf("%d runs each, interleaved; medians, with the fastest and slowest run\n\n", runs);
    std::printf("%-34s %9s %17s %10s %9s\n", "program", "to map", "(min to max)", "peak RSS",
                "window");
    std::vector<double> times;
    std::vector<double> memory;
    for (std::size_t p = 0; p < programs.size(); ++p) {
        std::vector<double> ms;
        std::vector<double> mib;
        for (const Run &r : results[p]) {
            ms.push_back(r.milliseconds);
            mib.push_back(r.peakMiB);
        }
        times.push_back(median(ms));
        memory.push_back(median(mib));
        const auto [fastest, slowest] = std::minmax_element(ms.begin(), ms.end());
        std::printf("%-34s %6.1f ms   (%5.1f to %5.1f) %6.1f MiB %4dx%d\n",
                    programs[p].substr(programs[p].find_last_of('/') + 1).c_str(), times.back(),
                    *fastest, *slowest, memory.back(), results[p].front().width,
                    results[p].front().height);
    }
    const auto name = [&](std::size_t p) {
        return programs[p].substr(programs[p].find_last_of('/') + 1);
    };
    std::printf("\n%-34s %5s %7s\n", "ratio to the floor", "time", "memory");
    for (std::size_t p = 1; p < programs.size(); ++p)
        std::printf("%-34s %5.2f %7.2f\n", name(p).c_str(), times[p] / times[0],
                    memory[p] / memory[0]);
    if (programs.size() > 2) {
        std::printf("\n%-34s %9s %9s\n", ("ratio to " + name(1) + " (goal)").c_str(), "time",
                    "memory");
        for (std::size_t p = 2; p < programs.size(); ++p) {
            const double time = times[p] / times[1];
            const double mem = memory[p] / memory[1];
            std::printf("%-34s %5.2f (%.2f) %5.2f (%.2f)%s\n", name(p).c_str(), time, timeGoal, mem,
                        memoryGoal, time <= timeGoal && mem <= memoryGoal ? "" : "  over a goal");
        }
    }
    return 0;
}
