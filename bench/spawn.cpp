// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts programs and measures them from outside, so that nothing in them
// has to cooperate:
//   bench_spawn [--x11] [--runs N] [--warmup N] [--json FILE] [--verbose] [--status N]
//               LABEL PROGRAM [ARGS...] [--- LABEL PROGRAM [ARGS...]]...
// Without --x11 each run lasts from the fork to the program's exit, and the
// program's peak resident memory is taken from the kernel (wait4). With --x11
// each run lasts from the fork to the program's first drawing into its first
// top-level window once the X server has mapped it (the program is then
// stopped); the time to the mapping alone is given beside it. Runs of the commands alternate, so a load that comes and goes
// on the machine weighs on all of them alike. One JSON object per command is
// appended to FILE. A run that ends with another exit status than N (0
// unless given) counts as failed.

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <map>
#include <unistd.h>
#include <vector>

namespace {

struct Command {
    std::string label;
    std::vector<std::string> argv;
    std::vector<double> times;  // milliseconds
    std::vector<double> cpu;    // milliseconds, user and system
    std::vector<double> mapped; // milliseconds to the window's mapping (--x11)
    std::vector<long> rss;      // kilobytes
    int failures = 0;
};

bool verbose = false;
int expectedStatus = 0; // the exit status a run must end with

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

pid_t launch(const Command &command)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (!verbose) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, 1);
            dup2(null, 2);
        }
        std::vector<char *> args;
        for (const std::string &a : command.argv)
            args.push_back(const_cast<char *>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    return pid;
}

// From the fork to the exit.
void runToExit(Command &command)
{
    const double start = nowMs();
    const pid_t pid = launch(command);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double end = nowMs();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != expectedStatus) {
        ++command.failures;
        std::fprintf(stderr, "%s: exit status %d\n", command.label.c_str(),
                     WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status));
        return;
    }
    command.times.push_back(end - start);
    command.cpu.push_back((usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0
                          + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0);
    command.rss.push_back(usage.ru_maxrss);
}

void drain(Display *display)
{
    XSync(display, False);
    while (XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
    }
}

int damageEventBase = 0;

// From the fork to the first drawing into the first top-level window after
// it was mapped: the window shown and painted. The X Damage extension tells
// when a client draws into a window.
void runToWindow(Display *display, Command &command)
{
    const Window root = DefaultRootWindow(display);
    drain(display);
    const double start = nowMs();
    const pid_t pid = launch(command);
    std::map<Window, Damage> damages;
    double mapped = -1;
    double painted = -1;
    const int fd = ConnectionNumber(display);
    while (painted < 0 && nowMs() - start < 30000) {
        if (!XPending(display)) {
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, 10);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify && event.xcreatewindow.parent == root
            && !event.xcreatewindow.override_redirect) {
            const Window window = event.xcreatewindow.window;
            damages[window] = XDamageCreate(display, window, XDamageReportNonEmpty);
            XFlush(display);
        } else if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect) {
            if (mapped < 0)
                mapped = nowMs();
        } else if (event.type == damageEventBase + XDamageNotify) {
            const auto *damage = reinterpret_cast<const XDamageNotifyEvent *>(&event);
            if (mapped >= 0 && damages.count(damage->drawable))
                painted = nowMs();
        }
    }
    kill(pid, SIGTERM);
    int status = 0;
    for (int i = 0; i < 200 && waitpid(pid, &status, WNOHANG) == 0; ++i)
        usleep(10000);
    if (waitpid(pid, &status, WNOHANG) == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    for (const auto &entry : damages)
        XDamageDestroy(display, entry.second);
    drain(display);
    if (painted < 0) {
        ++command.failures;
        std::fprintf(stderr, "%s: no window was %s\n", command.label.c_str(), mapped < 0 ? "shown" : "painted");
        return;
    }
    command.times.push_back(painted - start);
    command.mapped.push_back(mapped - start);
}

// A window can be gone by the time we ask for its events: not an error here.
int ignoreXErrors(Display *, XErrorEvent *)
{
    return 0;
}

template <class T>
T median(std::vector<T> values)
{
    if (values.empty())
        return T();
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    bool x11 = false;
    int runs = 10;
    int warmup = 1;
    std::string json;
    int i = 1;
    for (; i < argc && std::strncmp(argv[i], "--", 2) == 0 && std::strcmp(argv[i], "---") != 0; ++i) {
        const std::string option = argv[i];
        if (option == "--x11")
            x11 = true;
        else if (option == "--verbose")
            verbose = true;
        else if (option == "--runs" && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else if (option == "--warmup" && i + 1 < argc)
            warmup = std::atoi(argv[++i]);
        else if (option == "--json" && i + 1 < argc)
            json = argv[++i];
        else if (option == "--status" && i + 1 < argc)
            expectedStatus = std::atoi(argv[++i]);
        else {
            std::fprintf(stderr, "unknown option %s\n", option.c_str());
            return 2;
        }
    }
    std::vector<Command> commands;
    while (i < argc) {
        Command command;
        command.label = argv[i++];
        while (i < argc && std::strcmp(argv[i], "---") != 0)
            command.argv.push_back(argv[i++]);
        ++i;
        if (command.argv.empty()) {
            std::fprintf(stderr, "%s: no program\n", command.label.c_str());
            return 2;
        }
        commands.push_back(command);
    }
    if (commands.empty()) {
        std::fprintf(stderr, "usage: %s [--x11] [--runs N] [--warmup N] [--json FILE] [--status N] LABEL PROGRAM [ARGS...] "
                             "[--- LABEL PROGRAM ...]\n", argv[0]);
        return 2;
    }

    Display *display = nullptr;
    if (x11) {
        display = XOpenDisplay(nullptr);
        if (!display) {
            std::fprintf(stderr, "cannot open the X display\n");
            return 1;
        }
        int damageErrorBase = 0;
        if (!XDamageQueryExtension(display, &damageEventBase, &damageErrorBase)) {
            std::fprintf(stderr, "the X server has no Damage extension\n");
            return 1;
        }
        XSetErrorHandler(ignoreXErrors);
        XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
        XSync(display, False);
    }

    for (int round = 0; round < warmup + runs; ++round) {
        for (Command &command : commands) {
            x11 ? runToWindow(display, command) : runToExit(command);
            if (round < warmup) {
                command.times.clear();
                command.cpu.clear();
                command.mapped.clear();
                command.rss.clear();
            }
        }
    }

    std::FILE *out = json.empty() ? nullptr : std::fopen(json.c_str(), "a");
    int failures = 0;
    for (const Command &command : commands) {
        failures += command.failures;
        const double med = median(command.times);
        const double low = command.times.empty() ? 0 : *std::min_element(command.times.begin(), command.times.end());
        const double high = command.times.empty() ? 0 : *std::max_element(command.times.begin(), command.times.end());
        const long rss = median(command.rss);
        const long rssMax = command.rss.empty() ? 0 : *std::max_element(command.rss.begin(), command.rss.end());
        std::printf("%-40s median %8.1f ms  min %8.1f ms  max %8.1f ms  (%zu runs)", command.label.c_str(), med,
                    low, high, command.times.size());
        if (x11)
            std::printf("  mapped after %7.1f ms", median(command.mapped));
        else
            std::printf("  CPU %7.1f ms  peak RSS %6.1f MB", median(command.cpu), rss / 1024.0);
        std::printf("\n");
        if (out) {
            std::fprintf(out,
                         "{\"label\": \"%s\", \"mode\": \"%s\", \"runs\": %zu, \"failures\": %d, "
                         "\"median_ms\": %.3f, \"min_ms\": %.3f, \"max_ms\": %.3f, \"cpu_ms_median\": %.3f, "
                         "\"mapped_ms_median\": %.3f, \"rss_kb_median\": %ld, \"rss_kb_max\": %ld}\n",
                         command.label.c_str(), x11 ? "x11" : "exit", command.times.size(), command.failures,
                         med, low, high, median(command.cpu), median(command.mapped), rss, rssMax);
        }
    }
    if (out)
        std::fclose(out);
    if (display)
        XCloseDisplay(display);
    return failures == 0 ? 0 : 1;
}
