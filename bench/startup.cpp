// SPDX-License-Identifier: GPL-3.0-or-later
// One start of a program on an X display, as its user sees it: from the
// exec to the first map of a top-level window, and to the last change of
// the pixels of its windows before a quiet spell ("visually complete"),
// taken from the X server's damage reports and timestamps. With a memory
// pause it then reads the resident and proportional set sizes.
//
//   quorbel_startup PROGRAM [QUIET_MS [MEMORY_PAUSE_S]]
// prints: mapped_ms complete_ms rss_kib pss_kib (memory -1 without a pause)
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

long procField(pid_t pid, const char* file, const char* field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/" + file);
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(status, line)) {
        if (line.compare(0, length, field) == 0)
            return std::atol(line.c_str() + length);
    }
    return -1;
}

struct Rect {
    xcb_window_t window;
    int x, y, w, h;
    bool meets(int ax, int ay, int aw, int ah) const {
        return ax < x + w && x < ax + aw && ay < y + h && y < ay + ah;
    }
};

xcb_atom_t internAtom(xcb_connection_t* x, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// The server's clock now: the time of a property change of our own.
xcb_timestamp_t serverTime(xcb_connection_t* x, xcb_window_t root, xcb_atom_t atom) {
    xcb_change_property(x, XCB_PROP_MODE_REPLACE, root, atom, XCB_ATOM_STRING, 8, 0, "");
    xcb_flush(x);
    while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
        const bool mine = (event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY &&
                          reinterpret_cast<xcb_property_notify_event_t*>(event)->atom == atom;
        const xcb_timestamp_t time =
            mine ? reinterpret_cast<xcb_property_notify_event_t*>(event)->time : 0;
        std::free(event);
        if (mine)
            return time;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [QUIET_MS [MEMORY_PAUSE_S]]\n", argv[0]);
        return 2;
    }
    const int quietMs = argc > 2 ? std::atoi(argv[2]) : 1500;
    const int memoryPause = argc > 3 ? std::atoi(argv[3]) : 0;
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
    std::free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));
    const uint8_t damageEvent = extension->first_event + XCB_DAMAGE_NOTIFY;
    const xcb_atom_t atom = internAtom(x, "_QUORBEL_BENCH");
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    // Damage to the root reports drawing into every window on the screen;
    // only what falls on the windows the program maps counts.
    const xcb_damage_damage_t damage = xcb_generate_id(x);
    xcb_damage_create(x, damage, root, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);

    const xcb_timestamp_t serverStart = serverTime(x, root, atom);
    pid_t pid = 0;
    char* child[] = {argv[1], nullptr};
    const auto start = Clock::now();
    if (posix_spawn(&pid, argv[1], nullptr, nullptr, child, environ) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    std::vector<Rect> windows;
    double mappedMs = -1;
    long completeMs = -1;
    auto lastChange = Clock::now();
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            const uint8_t type = event->response_type & 0x7F;
            if (type == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                // With a window manager, the frame it puts the window in.
                if (map->event == root) {
                    if (mappedMs < 0)
                        mappedMs =
                            std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                    xcb_get_geometry_reply_t* g =
                        xcb_get_geometry_reply(x, xcb_get_geometry(x, map->window), nullptr);
                    if (g)
                        windows.push_back({map->window, g->x, g->y, g->width, g->height});
                    std::free(g);
                }
            } else if (type == XCB_CONFIGURE_NOTIFY) {
                const auto* moved = reinterpret_cast<xcb_configure_notify_event_t*>(event);
                for (Rect& rect : windows) {
                    if (rect.window == moved->window)
                        rect = {rect.window, moved->x, moved->y, moved->width, moved->height};
                }
            } else if (type == damageEvent) {
                const auto* drawn = reinterpret_cast<xcb_damage_notify_event_t*>(event);
                for (const Rect& rect : windows) {
                    if (rect.meets(drawn->area.x, drawn->area.y, drawn->area.width,
                                   drawn->area.height)) {
                        completeMs = long(drawn->timestamp - serverStart);
                        lastChange = Clock::now();
                        break;
                    }
                }
            }
            std::free(event);
        }
        const auto quiet = Clock::now() - lastChange;
        if (completeMs >= 0 && quiet >= std::chrono::milliseconds(quietMs))
            break;
        if (Clock::now() - start > std::chrono::seconds(20)) {
            std::fprintf(stderr, "%s: nothing drawn\n", argv[1]);
            break;
        }
        poll(&fd, 1, 50);
    }
    xcb_damage_destroy(x, damage);
    xcb_flush(x);
    long rss = -1;
    long pss = -1;
    if (memoryPause > 0) {
        std::this_thread::sleep_for(std::chrono::seconds(memoryPause));
        rss = procField(pid, "status", "VmRSS:");
        pss = procField(pid, "smaps_rollup", "Pss:");
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::printf("%.1f %ld %ld %ld\n", mappedMs, completeMs, rss, pss);
    xcb_disconnect(x);
    return 0;
}
