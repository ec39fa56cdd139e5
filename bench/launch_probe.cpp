// Starts a program, waits until X maps its window with the given title,
// asks that window to close as a window manager would, and prints the
// time from launch to mapped window (ms) and the program's peak resident
// memory (KiB), as the kernel counts it for the ended child.
// Usage: launch_probe TITLE PROGRAM [ARGUMENT...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string titleOf(Display *dpy, Window window)
{
    std::string title;
    XTextProperty property{};
    const Atom netName = XInternAtom(dpy, "_NET_WM_NAME", False);
    if (XGetTextProperty(dpy, window, &property, netName) && property.value) {
        title = reinterpret_cast<const char *>(property.value);
        XFree(property.value);
    } else if (XGetWMName(dpy, window, &property) && property.value) {
        title = reinterpret_cast<const char *>(property.value);
        XFree(property.value);
    }
    return title;
}

void askToClose(Display *dpy, Window window)
{
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = window;
    ev.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, window, False, NoEventMask, &ev);
    XFlush(dpy);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    Display *dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "%s: cannot open display\n", argv[0]);
        return 1;
    }
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    XSync(dpy, False);
    alarm(300); // a program that never shows its window ends the probe

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    Window shown = 0;
    auto mapped = start;
    while (!shown) {
        XEvent ev;
        XNextEvent(dpy, &ev);
        if (ev.type == MapNotify && !ev.xmap.override_redirect && titleOf(dpy, ev.xmap.window) == argv[1]) {
            mapped = std::chrono::steady_clock::now();
            shown = ev.xmap.window;
        }
    }
    askToClose(dpy, shown);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    XCloseDisplay(dpy);
    const double ms = std::chrono::duration<double, std::milli>(mapped - start).count();
    std::printf("%.1f %ld\n", ms, usage.ru_maxrss);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}
