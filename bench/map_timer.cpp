// SPDX-License-Identifier: MIT
// map_timer: starts a program and reports how long it took until a top-level window with the
// given title was mapped on the X server. Prints "PID MILLISECONDS" and leaves the program
// running. Gives up, and ends the program, if no such window maps within 30 seconds.
// Usage: map_timer TITLE PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool HasTitle(Display *display, Window window, const char *title)
{
    char *name = nullptr;
    const bool match = XFetchName(display, window, &name) != 0 && name != nullptr && std::strcmp(name, title) == 0;
    if (name != nullptr) {
        XFree(name);
    }
    return match;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: map_timer TITLE PROGRAM [ARGS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "map_timer: no X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto started = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    const auto deadline = started + std::chrono::seconds(30);
    bool mapped = false;
    while (!mapped) {
        // Wait on the connection with a deadline, since XNextEvent alone would block forever.
        while (!mapped && XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            mapped = event.type == MapNotify && HasTitle(display, event.xmap.window, argv[1]);
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (mapped || left.count() <= 0) {
            break;
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, static_cast<int>(left.count()));
    }
    const auto elapsed = std::chrono::steady_clock::now() - started;
    if (!mapped) {
        std::fprintf(stderr, "map_timer: no window titled %s mapped within 30 s\n", argv[1]);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        XCloseDisplay(display);
        return 1;
    }
    std::printf("%d %.1f\n", static_cast<int>(child), std::chrono::duration<double, std::milli>(elapsed).count());
    XCloseDisplay(display);
    return 0;
}
