// A desktop panel for the desktop test: an X dock window along one edge of the screen that
// reserves its room the way desktop panels do (_NET_WM_STRUT_PARTIAL), so that the window
// manager shrinks the work area. Runs until it is killed.
// Usage: desktop_panel top|bottom THICKNESS

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 3 || (std::strcmp(argv[1], "top") != 0 && std::strcmp(argv[1], "bottom") != 0)) {
        std::fprintf(stderr, "usage: desktop_panel top|bottom THICKNESS\n");
        return 2;
    }
    const bool top = std::strcmp(argv[1], "top") == 0;
    const int thickness = std::atoi(argv[2]);
    Display* display = XOpenDisplay(nullptr);
    if (!display || thickness <= 0) {
        std::fprintf(stderr, "desktop_panel: no display, or no thickness\n");
        return 1;
    }
    const int screen = DefaultScreen(display);
    const int width = DisplayWidth(display, screen);
    const int height = DisplayHeight(display, screen);
    const Window panel = XCreateSimpleWindow(display, RootWindow(display, screen), 0, top ? 0 : height - thickness,
                                             width, thickness, 0, 0, 0x808080);

    const Atom type = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
    const Atom dock = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DOCK", False);
    XChangeProperty(display, panel, type, XA_ATOM, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(&dock), 1);
    // left, right, top, bottom, then the start and end of each along its edge.
    long strut[12] = {};
    strut[top ? 2 : 3] = thickness;
    strut[top ? 9 : 11] = width - 1;
    XChangeProperty(display, panel, XInternAtom(display, "_NET_WM_STRUT_PARTIAL", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(strut), 12);
    XChangeProperty(display, panel, XInternAtom(display, "_NET_WM_STRUT", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(strut), 4);
    // Placed where it asks to be, not where the window manager would put a new window.
    XSizeHints hints = {};
    hints.flags = USPosition | PPosition | PMinSize | PMaxSize;
    hints.x = 0;
    hints.y = top ? 0 : height - thickness;
    hints.min_width = hints.max_width = width;
    hints.min_height = hints.max_height = thickness;
    XSetWMNormalHints(display, panel, &hints);
    XStoreName(display, panel, "desktop panel");
    XMapWindow(display, panel);
    XFlush(display);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
    }
}
