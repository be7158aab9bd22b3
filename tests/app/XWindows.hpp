#pragma once

#include <string>

// Xlib's macros clash with GoogleTest, so its types stay out of this header.
using XWindowId = unsigned long;
struct _XDisplay;

// Just enough Xlib to find the game's window and close it the way a click on
// its close box does.
class XConnection {
public:
    XConnection();
    ~XConnection();
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    bool isOpen() const { return display != nullptr; }

    // The first top-level window whose title is exactly the given text, or 0.
    XWindowId findWindowByTitle(const std::string& title);

    // Sends WM_DELETE_WINDOW as a window manager would.
    void requestClose(XWindowId window);

private:
    XWindowId search(XWindowId root, const std::string& title);

    _XDisplay* display = nullptr;
};
