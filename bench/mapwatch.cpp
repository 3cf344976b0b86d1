// Starts a program and reports, on standard output, when its top-level windows
// are mapped, first drawn into and unmapped, in nanoseconds since just before
// the fork.
//
//   mapwatch [--kill-at map|paint] PROGRAM [ARGUMENTS...]
//
// With --kill-at the program is killed as soon as its first window is mapped,
// or first drawn into, so that a profiler run around mapwatch sees the
// start-up alone.
//
// Lines written, each flushed at once:
//   pid PID
//   map WINDOW NANOSECONDS CPU WIDTH HEIGHT
//                                 a top-level window became mapped; CPU is the
//                                 program's processor time so far, in
//                                 nanoseconds, summed over its live threads
//                                 (one that has ended is not counted); WIDTH
//                                 and HEIGHT are the window's size when it
//                                 was created
//   paint WINDOW NANOSECONDS CPU  the program drew into that window for the
//                                 first time since it was mapped
//   unmap WINDOW NANOSECONDS      a top-level window became unmapped
//   exit STATUS NANOSECONDS       the program ended (STATUS: 128+signal if killed)
//
// It listens for SubstructureNotify on the root window, so it must run with no
// window manager: then the program's own windows are the root's children and
// their MapNotify events come straight from the server. Override-redirect
// windows (menus, tooltips) are left out. Drawing is seen through the DAMAGE
// extension, on a damage object made for each top-level window as it is
// created. The watch is in place before the fork, so no event is missed;
// mapwatch ends when the program ends.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <map>
#include <memory>
#include <poll.h>
#include <set>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

long long nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

struct FreeDeleter {
    void operator()(void *p) const { std::free(p); }
};

// The time that the threads of a process have spent on a processor, from
// /proc/PID/task/*/schedstat; -1 if it cannot be read.
long long processorNs(pid_t pid)
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/task", int(pid));
    DIR *const tasks = opendir(path);
    if (!tasks)
        return -1;
    long long total = 0;
    while (const dirent *const task = readdir(tasks)) {
        if (task->d_name[0] == '.')
            continue;
        char statPath[sizeof path + sizeof task->d_name + 16];
        std::snprintf(statPath, sizeof statPath, "%s/%s/schedstat", path, task->d_name);
        if (FILE *const stat = std::fopen(statPath, "r")) {
            long long ns = 0;
            if (std::fscanf(stat, "%lld", &ns) == 1)
                total += ns;
            std::fclose(stat);
        }
    }
    closedir(tasks);
    return total;
}

int exitStatus(int status)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return 255;
}

} // namespace

int main(int argc, char *argv[])
{
    enum class KillAt { Never, Map, Paint };
    KillAt killAt = KillAt::Never;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--kill-at") == 0) {
        if (std::strcmp(argv[2], "map") == 0)
            killAt = KillAt::Map;
        else if (std::strcmp(argv[2], "paint") == 0)
            killAt = KillAt::Paint;
        else
            first = argc;
        first += 2;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: %s [--kill-at map|paint] PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t *const connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "mapwatch: cannot connect to the X server\n");
        return 2;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;

    const xcb_query_extension_reply_t *const damage =
        xcb_get_extension_data(connection, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "mapwatch: the X server has no DAMAGE extension\n");
        return 2;
    }
    free(xcb_damage_query_version_reply(
        connection,
        xcb_damage_query_version(connection, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));

    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    const xcb_void_cookie_t selected =
        xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask);
    if (std::unique_ptr<xcb_generic_error_t, FreeDeleter> error{
            xcb_request_check(connection, selected)}) {
        std::fprintf(stderr, "mapwatch: cannot watch the root window (error %d)\n",
                     int(error->error_code));
        return 2;
    }

    const long long start = nowNs();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("mapwatch: fork");
        return 2;
    }
    if (pid == 0) {
        // The child keeps no part of our X connection.
        close(xcb_get_file_descriptor(connection));
        execvp(argv[first], argv + first);
        std::perror("mapwatch: exec");
        _exit(127);
    }
    std::printf("pid %d\n", int(pid));
    std::fflush(stdout);

    // Top-level windows that are mapped and not yet drawn into.
    std::set<xcb_window_t> awaitingPaint;
    // The size of each top-level window as it was created.
    std::map<xcb_window_t, std::pair<int, int>> created;
    pollfd watched{xcb_get_file_descriptor(connection), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t *const raw = xcb_poll_for_event(connection)) {
            const long long at = nowNs() - start;
            const std::unique_ptr<xcb_generic_event_t, FreeDeleter> event{raw};
            const int type = event->response_type & 0x7f;
            if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
                const auto *const notify = reinterpret_cast<xcb_damage_notify_event_t *>(raw);
                if (awaitingPaint.erase(notify->drawable)) {
                    std::printf("paint 0x%x %lld %lld\n", unsigned(notify->drawable), at,
                                processorNs(pid));
                    if (killAt == KillAt::Paint)
                        kill(pid, SIGKILL);
                }
                // Reported again only after a subtract: ask for the next one.
                xcb_damage_subtract(connection, notify->damage, XCB_NONE, XCB_NONE);
                xcb_flush(connection);
            }
            switch (type) {
            case XCB_CREATE_NOTIFY: {
                const auto *const create = reinterpret_cast<xcb_create_notify_event_t *>(raw);
                if (create->parent == root && !create->override_redirect) {
                    created[create->window] = {create->width, create->height};
                    xcb_damage_create(connection, xcb_generate_id(connection), create->window,
                                      XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                    xcb_flush(connection);
                }
                break;
            }
            case XCB_MAP_NOTIFY: {
                const auto *const map = reinterpret_cast<xcb_map_notify_event_t *>(raw);
                if (map->event == root && !map->override_redirect) {
                    awaitingPaint.insert(map->window);
                    const auto size = created[map->window];
                    std::printf("map 0x%x %lld %lld %d %d\n", unsigned(map->window), at,
                                processorNs(pid), size.first, size.second);
                    if (killAt == KillAt::Map)
                        kill(pid, SIGKILL);
                }
                break;
            }
            case XCB_UNMAP_NOTIFY: {
                const auto *const unmap = reinterpret_cast<xcb_unmap_notify_event_t *>(raw);
                if (unmap->event == root) {
                    awaitingPaint.erase(unmap->window);
                    std::printf("unmap 0x%x %lld\n", unsigned(unmap->window), at);
                }
                break;
            }
            default:
                break;
            }
            std::fflush(stdout);
        }
        if (xcb_connection_has_error(connection)) {
            std::fprintf(stderr, "mapwatch: lost the X server\n");
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            return 2;
        }
        int status = 0;
        const pid_t ended = waitpid(pid, &status, WNOHANG);
        if (ended == pid) {
            std::printf("exit %d %lld\n", exitStatus(status), nowNs() - start);
            std::fflush(stdout);
            return 0;
        }
        // Events wake the poll at once; the time-out only checks on the child.
        if (poll(&watched, 1, 20) < 0 && errno != EINTR) {
            std::perror("mapwatch: poll");
            return 2;
        }
    }
}
