#include "app/gtk/TaveloApp.h"

#include <glib-unix.h>
#include <gtk/gtk.h>

#include <cstdio>
#include <csignal>

#include "app/gtk/TaveloDlg.h"

namespace tavelo {

namespace {

constexpr const char* kNoDisplay =
    "tavelo: no X display is available (DISPLAY is not set or cannot be opened).\n"
    "Tavelo needs an X11 display; to run it without a screen, start a virtual one:\n"
    "    Xvfb :99 -screen 0 1280x1024x24 &\n"
    "    DISPLAY=:99 tavelo-launch\n"
    "or in one step: xvfb-run -a tavelo-launch\n";

gboolean CloseOnSignal(gpointer dlg) {
    static_cast<CtaveloDlg*>(dlg)->Close();
    return G_SOURCE_CONTINUE;
}

}  // namespace

int CtaveloApp::Run(int argc, char** argv) {
    // Window positions are core to the program and only X11 lets a window place itself.
    gdk_set_allowed_backends("x11");
    g_set_prgname("tavelo");
    g_set_application_name("Tavelo");
    if (!gtk_init_check(&argc, &argv)) {
        std::fputs(kNoDisplay, stderr);
        return 1;
    }
    CtaveloDlg dlg;
    // Ending the session or the terminal closes the window the normal way, so the position is
    // stored as on any close.
    const guint term = g_unix_signal_add(SIGTERM, &CloseOnSignal, &dlg);
    const guint hup = g_unix_signal_add(SIGHUP, &CloseOnSignal, &dlg);
    const guint intr = g_unix_signal_add(SIGINT, &CloseOnSignal, &dlg);
    dlg.Run();
    g_source_remove(term);
    g_source_remove(hup);
    g_source_remove(intr);
    return 0;
}

}  // namespace tavelo
