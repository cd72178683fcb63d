// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time and idle memory of a program on an X display without a
// window manager: from process start to the first map of a top-level window
// and to the first frame drawn after it (the X server's damage report), then
// the resident set after five idle seconds. Runs each program in turn,
// several times, and prints the medians.
//
//   quorbel_startup RUNS PROGRAM...
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

long ResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    }
    return -1;
}

struct Run {
    double startupMs;
    double firstFrameMs;
    long residentKiB;
};

double Since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Damage to the root window reports drawing into any window on the screen;
// nothing else draws on this display.
Run Measure(xcb_connection_t* x, xcb_window_t root, uint8_t damageEvent, const char* program) {
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_damage_damage_t damage = xcb_generate_id(x);
    xcb_damage_create(x, damage, root, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    xcb_flush(x);

    pid_t pid = 0;
    char* argv[] = {const_cast<char*>(program), nullptr};
    const auto start = Clock::now();
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) {
        std::perror(program);
        std::exit(1);
    }
    double startupMs = -1;
    double firstFrameMs = -1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
        const uint8_t type = event->response_type & 0x7F;
        std::free(event);
        if (type == XCB_MAP_NOTIFY && startupMs < 0)
            startupMs = Since(start);
        else if (type == damageEvent && startupMs >= 0)
            firstFrameMs = Since(start);
        if (firstFrameMs >= 0)
            break;
    }
    xcb_damage_destroy(x, damage);
    xcb_flush(x);
    std::this_thread::sleep_for(std::chrono::seconds(5));
    const long resident = ResidentKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return {startupMs, firstFrameMs, resident};
}

template <typename T> T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(x, &xcb_damage_id);
    if (!extension || !extension->present) {
        std::fprintf(stderr, "no DAMAGE extension on this display\n");
        return 1;
    }
    xcb_discard_reply(x, xcb_damage_query_version(x, 1, 1).sequence);
    const uint8_t damageEvent = extension->first_event + XCB_DAMAGE_NOTIFY;

    const int programs = argc - 2;
    std::vector<std::vector<Run>> results(programs);
    for (int r = 0; r < runs; ++r) {
        for (int p = 0; p < programs; ++p)
            results[p].push_back(Measure(x, root, damageEvent, argv[p + 2]));
    }
    std::printf("%-40s %12s %12s %12s\n", "program", "start-up ms", "1st frame ms", "RSS MiB");
    for (int p = 0; p < programs; ++p) {
        std::vector<double> startup;
        std::vector<double> frame;
        std::vector<long> resident;
        for (const Run& run : results[p]) {
            startup.push_back(run.startupMs);
            frame.push_back(run.firstFrameMs);
            resident.push_back(run.residentKiB);
        }
        std::printf("%-40s %12.1f %12.1f %12.1f\n", argv[p + 2], Median(startup), Median(frame),
                    Median(resident) / 1024.0);
    }
    xcb_disconnect(x);
    return 0;
}
