#include "XWindows.hpp"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

XConnection::XConnection() : display(XOpenDisplay(nullptr)) {}

XConnection::~XConnection() {
    if (display)
        XCloseDisplay(display);
}

XWindowId XConnection::findWindowByTitle(const std::string& title) {
    if (!display)
        return 0;
    return search(DefaultRootWindow(display), title);
}

XWindowId XConnection::search(XWindowId window, const std::string& title) {
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        const bool found = title == name;
        XFree(name);
        if (found)
            return window;
    }
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return 0;
    Window result = 0;
    for (unsigned i = 0; i < count && !result; ++i)
        result = search(children[i], title);
    if (children)
        XFree(children);
    return result;
}

void XConnection::requestClose(XWindowId window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}
