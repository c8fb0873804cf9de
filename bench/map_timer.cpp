// SPDX-License-Identifier: MIT
// map_timer: starts a program and reports how long it took until a top-level window with the
// given title was mapped on the X server. Prints "PID MILLISECONDS" and leaves the program
// running. Usage: map_timer TITLE PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstring>
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
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && HasTitle(display, event.xmap.window, argv[1])) {
            break;
        }
    }
    const auto elapsed = std::chrono::steady_clock::now() - started;
    std::printf("%d %.1f\n", static_cast<int>(child), std::chrono::duration<double, std::milli>(elapsed).count());
    XCloseDisplay(display);
    return 0;
}
