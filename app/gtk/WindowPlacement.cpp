#include "app/gtk/WindowPlacement.h"

#include <X11/Xlib.h>
#include <gdk/gdkx.h>

namespace tavelo {

std::optional<ScreenRect> CWindowPlacement::Restorable(int left, int top, int width, int height,
                                                       const std::vector<ScreenRect>& monitors) {
    const ScreenRect window{left, top, width, height};
    for (const ScreenRect& m : monitors) {
        const bool overlaps = window.x < m.x + m.width && m.x < window.x + window.width &&
                              window.y < m.y + m.height && m.y < window.y + window.height;
        if (overlaps) {
            return window;
        }
    }
    return std::nullopt;
}

std::vector<ScreenRect> CWindowPlacement::Monitors(GdkDisplay* display) {
    std::vector<ScreenRect> monitors;
    const int count = gdk_display_get_n_monitors(display);
    for (int i = 0; i < count; ++i) {
        GdkRectangle area{};
        gdk_monitor_get_geometry(gdk_display_get_monitor(display, i), &area);
        monitors.push_back({area.x, area.y, area.width, area.height});
    }
    return monitors;
}

void CWindowPlacement::RequestShowDesktop(GdkDisplay* display) {
    if (!GDK_IS_X11_DISPLAY(display)) {
        return;
    }
    Display* x = GDK_DISPLAY_XDISPLAY(display);
    const Window root = DefaultRootWindow(x);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = root;
    event.xclient.message_type = XInternAtom(x, "_NET_SHOWING_DESKTOP", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 1;
    XSendEvent(x, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(x);
}

}  // namespace tavelo
