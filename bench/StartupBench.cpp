// Time from process start to the first window mapped on the X server, for the
// program and for a minimal Qt program, in the same run (run it on a display,
// e.g. under xvfb-run). Usage: startup_bench PROGRAM MINIMAL [runs]
// The program is started with a fresh CORVANEDISK_HOME and settings folder
// each run after a first warm-up start (so the settings exist, as for a user).
#include "bench/ProgramHome.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

// Starts argv0 and waits for the first top-level window it maps; seconds,
// or a negative number when none came within 20 s.
double TimeToFirstWindow(xcb_connection_t* c, xcb_window_t root, const std::string& program)
{
    while (xcb_generic_event_t* e = xcb_poll_for_event(c))
        free(e);
    const auto t0 = Clock::now();
    pid_t pid = fork();
    if (pid == 0) {
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    double seconds = -1;
    while (std::chrono::duration<double>(Clock::now() - t0).count() < 20) {
        xcb_generic_event_t* e = xcb_poll_for_event(c);
        if (!e) {
            usleep(200);
            continue;
        }
        bool mapped =
            (e->response_type & 0x7f) == XCB_MAP_NOTIFY && reinterpret_cast<xcb_map_notify_event_t*>(e)->event == root;
        free(e);
        if (mapped) {
            seconds = std::chrono::duration<double>(Clock::now() - t0).count();
            break;
        }
    }
    // A program that does not end on TERM (a modal box open) is killed, so
    // the bench ends.
    kill(pid, SIGTERM);
    const auto asked = Clock::now();
    while (waitpid(pid, nullptr, WNOHANG) == 0) {
        if (Clock::now() - asked > std::chrono::seconds(5)) {
            std::fprintf(stderr, "%s did not end on TERM: killed\n", program.c_str());
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            break;
        }
        usleep(10'000);
    }
    return seconds;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench PROGRAM MINIMAL [runs]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 9;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    auto home = std::filesystem::temp_directory_path() / ("startup-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(home / "config");
    setenv("CORVANEDISK_HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    CopyLanguageFile(home.string() + "/");

    std::vector<double> ours, minimal;
    TimeToFirstWindow(c, root, argv[1]); // first start writes the defaults
    for (int i = 0; i < runs; ++i) {
        ours.push_back(TimeToFirstWindow(c, root, argv[1]));
        minimal.push_back(TimeToFirstWindow(c, root, argv[2]));
    }
    std::sort(ours.begin(), ours.end());
    std::sort(minimal.begin(), minimal.end());
    double a = ours[ours.size() / 2], b = minimal[minimal.size() / 2];
    std::printf("program  median %.3f s (best %.3f)\nminimal  median %.3f s (best %.3f)\nratio    %.2f\n", a,
                ours.front(), b, minimal.front(), b > 0 ? a / b : 0.0);
    std::filesystem::remove_all(home);
    xcb_disconnect(c);
    return a > 0 && b > 0 ? 0 : 1;
}
