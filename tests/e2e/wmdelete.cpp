// Asks a top-level window to close the way a window manager would: with a
// WM_DELETE_WINDOW client message. The tests run Xvfb without a window
// manager, so nobody would act on Alt+F4, and xdotool's windowclose destroys
// the window under the program's feet instead of asking it to close.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s WINDOW-ID\n", argv[0]);
        return 2;
    }
    char *end = nullptr;
    const unsigned long id = std::strtoul(argv[1], &end, 0);
    if (end == argv[1] || *end != '\0' || id == 0) {
        std::fprintf(stderr, "%s: not a window id: %s\n", argv[0], argv[1]);
        return 2;
    }
    Display *dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "%s: cannot open display\n", argv[0]);
        return 1;
    }
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = static_cast<Window>(id);
    ev.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
    ev.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(dpy, ev.xclient.window, False, NoEventMask, &ev);
    // XSync so that a bad window id is reported (and fails us) before we go.
    XSync(dpy, False);
    XCloseDisplay(dpy);
    return sent ? 0 : 1;
}
