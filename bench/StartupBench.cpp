// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program started as a user starts it, on an X server, beside the floor program
// (FloorProgram: a splash picture, then a plain window of the main window's shape) started the
// same way, one after the other in each round:
//   splash_ms      start to the splash window mapped
//   main_ms        start to the main window's first frame
//   gap_ms         splash window gone to the main window's first frame
//   rss_MiB        resident memory two seconds after that frame
// Each comes as ours, the floor's and their ratio (medians over the rounds). Frames are seen in
// the programs' own widget-painting log; mappings in the X server's structure events.
//
// Needs DISPLAY (for instance Xvfb); bench/run-all.sh provides one.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "BenchFigures.h"
#include "FloorWindow.h"
#include "core/store/SettingsFiles.h"
#include "gui/ui/SkinFiles.h"
#include "platform/ProgramFolder.h"

namespace {

using namespace gx508;
using Clock = std::chrono::steady_clock;

const std::filesystem::path kProgramDir = GX508_PROGRAM_DIR;
const std::filesystem::path kFloorProgram = GX508_FLOOR_PROGRAM;
constexpr auto kGiveUp = std::chrono::seconds(20);
constexpr auto kIdleBeforeMemory = std::chrono::seconds(2);

struct Launch {
    double splashMs = 0;
    double mainMs = 0;
    double gapMs = 0;
    double rssMiB = 0;
    bool complete = false;
};

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

double RssMiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return 0;
}

// Runs `argv` with its standard error on a pipe read here (standard input stays open, standard
// output goes nowhere) and follows it to the main window's first frame.
Launch Follow(xcb_connection_t* x, const std::vector<std::string>& argv,
              const std::filesystem::path& runtime) {
    int errors[2];
    int input[2];
    if (pipe2(errors, O_CLOEXEC) != 0 || pipe2(input, O_CLOEXEC) != 0) {
        return {};
    }
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(input[0], STDIN_FILENO);
        dup2(errors[1], STDERR_FILENO);
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDOUT_FILENO);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        setenv("QT_LOGGING_RULES", "qt.widgets.painting=true", 1);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        std::vector<char*> args;
        for (const std::string& arg : argv) {
            args.push_back(const_cast<char*>(arg.c_str()));
        }
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    close(errors[1]);
    close(input[0]);

    Launch launch;
    xcb_window_t splash = XCB_NONE;
    Clock::time_point splashGone{};
    bool mainMapped = false;
    std::string pending;
    while (Clock::now() - start < kGiveUp && launch.mainMs == 0) {
        pollfd fds[2] = {{xcb_get_file_descriptor(x), POLLIN, 0}, {errors[0], POLLIN, 0}};
        poll(fds, 2, 100);
        const auto now = Clock::now();
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            const auto type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY) {
                const xcb_window_t window =
                    reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
                std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
                    xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr), &std::free);
                if (geometry && geometry->width == kSplashFile.width &&
                    geometry->height == kSplashFile.height && splash == XCB_NONE) {
                    splash = window;
                    launch.splashMs = Milliseconds(now - start);
                } else if (geometry && geometry->width == kMainBackgroundFile.width &&
                           geometry->height == kMainBackgroundFile.height) {
                    mainMapped = true;
                }
            } else if (type == XCB_UNMAP_NOTIFY &&
                       reinterpret_cast<xcb_unmap_notify_event_t*>(event)->window == splash &&
                       splashGone == Clock::time_point{}) {
                splashGone = now;
            }
            std::free(event);
        }
        if ((fds[1].revents & POLLIN) != 0) {
            char buffer[65536];
            const ssize_t got = read(errors[0], buffer, sizeof buffer);
            if (got <= 0) {
                break;
            }
            pending.append(buffer, static_cast<std::size_t>(got));
            for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
                const std::string line = pending.substr(0, end);
                pending.erase(0, end + 1);
                if (mainMapped &&
                    line.find("Flushing QRegion(0,0 1000x642)") != std::string::npos) {
                    launch.mainMs = Milliseconds(now - start);
                    launch.gapMs = Milliseconds(now - splashGone);
                }
            }
        } else if ((fds[1].revents & (POLLHUP | POLLERR)) != 0) {
            break;
        }
    }
    if (launch.mainMs > 0) {
        // Drain the log while the program settles, so that it never blocks on a full pipe.
        const auto settled = Clock::now() + kIdleBeforeMemory;
        while (Clock::now() < settled) {
            pollfd fd{errors[0], POLLIN, 0};
            char buffer[65536];
            if (poll(&fd, 1, 50) > 0 && read(errors[0], buffer, sizeof buffer) <= 0) {
                break;
            }
        }
        launch.rssMiB = RssMiB(pid);
        launch.complete = splash != XCB_NONE && splashGone != Clock::time_point{};
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    close(errors[0]);
    close(input[1]);
    return launch;
}

// A copy of the program folder with the executable, so that it runs portable with its own files.
std::filesystem::path CopyProgram(const std::filesystem::path& to) {
    std::filesystem::create_directories(to);
    for (const char* name : kBaseFiles) {
        std::filesystem::copy_file(kProgramDir / name, to / name);
    }
    std::filesystem::copy_file(kProgramDir / "gx508", to / "gx508");
    std::filesystem::copy(kProgramDir / "Skins", to / "Skins",
                          std::filesystem::copy_options::recursive);
    return to / "gx508";
}

void BM_StartupAndIdleMemory(benchmark::State& bench) {
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x) != 0) {
        xcb_disconnect(x);
        bench.SkipWithError("needs an X server in DISPLAY");
        return;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    const std::filesystem::path work = std::filesystem::temp_directory_path() /
                                       ("gx508-startup-bench-" + std::to_string(getpid()));
    std::filesystem::remove_all(work);
    const std::filesystem::path runtime = work / "runtime";
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    const std::string skins = (kProgramDir / "Skins").string();
    const std::string pictures = std::to_string(bench.range(0));

    Figures splash, main, gap, rss;
    int round = 0;
    for (auto _ : bench) {
        // Each round has a fresh copy, so that no run sees files an earlier one wrote.
        const std::filesystem::path program = CopyProgram(work / std::to_string(round++));
        const Launch ours = Follow(x, {program.string(), "--virtual-mouse"}, runtime);
        const Launch floor = Follow(x, {kFloorProgram.string(), skins, pictures, "3000"}, runtime);
        if (!ours.complete || !floor.complete) {
            bench.SkipWithError("a program did not show its splash and main window");
            break;
        }
        splash.add(ours.splashMs, floor.splashMs);
        main.add(ours.mainMs, floor.mainMs);
        gap.add(ours.gapMs, floor.gapMs);
        rss.add(ours.rssMiB, floor.rssMiB);
        bench.SetIterationTime(ours.mainMs / 1000.0);
    }
    splash.report(bench, "splash_ms");
    main.report(bench, "main_ms");
    gap.report(bench, "gap_ms");
    rss.report(bench, "rss_MiB");
    std::filesystem::remove_all(work);
    xcb_disconnect(x);
}
// The argument is the number of pictures the floor window paints besides its background: as
// many as the main window paints in a full repaint.
BENCHMARK(BM_StartupAndIdleMemory)
    ->Arg(kFloorPictures)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
