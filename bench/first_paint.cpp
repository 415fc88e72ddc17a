// first_paint PROGRAM: starts PROGRAM and prints, in milliseconds, the time from launch until
// the X server first sees drawing in a top-level window of at least 300 x 200 pixels that the
// program mapped (a Damage event), then ends the program. Needs DISPLAY.

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: first_paint PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "first_paint: no X display\n");
        return 1;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "first_paint: the X server has no DAMAGE extension\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    double milliseconds = -1;
    const auto deadline = start + std::chrono::seconds(20);
    while (milliseconds < 0 && std::chrono::steady_clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify) {
                XWindowAttributes attributes;
                if (XGetWindowAttributes(display, event.xmap.window, &attributes) &&
                    attributes.width >= 300 && attributes.height >= 200)
                    XDamageCreate(display, event.xmap.window, XDamageReportNonEmpty);
            } else if (event.type == damageEvent + XDamageNotify) {
                milliseconds = std::chrono::duration<double, std::milli>(
                                   std::chrono::steady_clock::now() - start)
                                   .count();
                break;
            }
        }
        if (milliseconds < 0)
            usleep(200);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (milliseconds < 0) {
        std::fprintf(stderr, "first_paint: no window was drawn within 20 s\n");
        return 1;
    }
    std::printf("%.1f\n", milliseconds);
    return 0;
}
