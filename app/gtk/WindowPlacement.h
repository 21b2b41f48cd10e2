#pragma once

#include <gtk/gtk.h>

#include <optional>
#include <vector>

namespace tavelo {

struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Where the window goes on a screen: its stored position kept or refused, the monitors read, and
// the desktop asked to show itself.
class CWindowPlacement {
public:
    // The stored position when a window of the given size there shows at least one pixel on some
    // monitor; nothing when it would lie entirely off every monitor.
    static std::optional<ScreenRect> Restorable(int left, int top, int width, int height,
                                                const std::vector<ScreenRect>& monitors);

    // The monitors of the display, in screen coordinates.
    static std::vector<ScreenRect> Monitors(GdkDisplay* display);

    // Asks the window manager to show the desktop (EWMH _NET_SHOWING_DESKTOP).
    static void RequestShowDesktop(GdkDisplay* display);
};

}  // namespace tavelo
