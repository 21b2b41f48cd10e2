#include "app/gtk/TaveloDlg.h"

#include <X11/Xlib.h>
#include <gdk/gdkx.h>

#include <cstdio>
#include <ctime>

#include "app/gtk/WindowPlacement.h"
#include "storage/DbRecord.h"
#include "storage/Parameters.h"

namespace tavelo {

CtaveloDlg::CtaveloDlg()
    : m_bridge(m_page, m_opener),
      m_dispatch({m_bridge, m_pictures, *this, m_icons}) {
    m_window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    g_object_ref_sink(m_window);
    m_messages = std::make_unique<CMessageBox>(GTK_WINDOW(m_window));
    gtk_window_set_title(GTK_WINDOW(m_window), "");
    gtk_window_set_icon_name(GTK_WINDOW(m_window), "tavelo");
    gtk_window_set_resizable(GTK_WINDOW(m_window), FALSE);
    gtk_widget_set_size_request(m_page.Widget(), kWidth, kHeight);
    gtk_container_add(GTK_CONTAINER(m_window), m_page.Widget());
    g_signal_connect(m_window, "delete-event", G_CALLBACK(&CtaveloDlg::OnDelete), this);
    g_signal_connect(m_window, "destroy", G_CALLBACK(&CtaveloDlg::OnDestroy), this);
    g_signal_connect(m_window, "configure-event", G_CALLBACK(&CtaveloDlg::OnConfigure), this);

    m_bridge.SetRoute([this](const CScriptBridge::Arguments& a) {
        m_dispatch.ServerFun(a[0], a[1], a[2], a[3], a[4], a[5]);
    });
    m_page.Scheme().SetBridge(
        [this](const std::string& origin, const std::string& method, const std::string& body) {
            return m_bridge.Answer(origin, method, body);
        });
    // Start-up can be timed against a bare web view: the moment the first page has loaded.
    if (g_getenv("TAVELO_REPORT_FIRST_LOAD") != nullptr) {
        m_page.OnLoaded([this] {
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            std::printf("first-load %ld.%09ld\n", static_cast<long>(now.tv_sec), now.tv_nsec);
            std::fflush(stdout);
            m_page.OnLoaded(nullptr);
            Close();
        });
    }
}

CtaveloDlg::~CtaveloDlg() {
    StopWatchingRoot();
    if (m_window != nullptr) {
        g_signal_handlers_disconnect_by_data(m_window, this);
        gtk_widget_destroy(m_window);
        g_object_unref(m_window);
    }
}

void CtaveloDlg::Run() {
    m_page.LoadPage(HTML_rili);
    InitDialog();
    if (m_window != nullptr && !m_saved) {
        m_running = true;
        gtk_main();
        m_running = false;
    }
}

void CtaveloDlg::InitDialog() {
    m_dispatch.m_strWhere.clear();
    gtk_window_get_size(GTK_WINDOW(m_window), nullptr, nullptr);
    m_dInitWidth = kWidth;
    m_dInitHeight = kHeight;
    m_dispatch.SetInitialSize(m_dInitWidth, m_dInitHeight);

    const auto records = LoadParameters(" name='pos'", *m_messages);
    if (records.empty()) {
        gtk_widget_show_all(m_window);
        m_messages->ShowMessage(kWelcome);
        return;
    }
    const int left = LeadingInt(records.front().m_strParameter1);
    const int top = LeadingInt(records.front().m_strParameter2);
    // A position that would put the whole window off every monitor (a monitor since removed)
    // would lose the window, so it then keeps its default place.
    const auto place =
        CWindowPlacement::Restorable(left, top, static_cast<int>(m_dInitWidth),
                                     static_cast<int>(m_dInitHeight),
                                     CWindowPlacement::Monitors(gtk_widget_get_display(m_window)));
    if (!place) {
        gtk_widget_show_all(m_window);
        return;
    }
    gtk_window_move(GTK_WINDOW(m_window), place->x, place->y);
    gtk_widget_show_all(m_window);
    gtk_window_move(GTK_WINDOW(m_window), place->x, place->y);
    m_lastLeft = place->x;
    m_lastTop = place->y;
    m_dispatch.m_strSelDate = "0";
    // The show-desktop request hides every ordinary window, this one included, while the user
    // is meant to see the desktop with the calendar on it; once the window manager reports the
    // desktop showing, this window is activated, which leaves it alone on the desktop.
    m_keepShownUntil = g_get_monotonic_time() + 3 * G_USEC_PER_SEC;
    GdkWindow* root = gdk_get_default_root_window();
    gdk_window_set_events(root, static_cast<GdkEventMask>(gdk_window_get_events(root) |
                                                          GDK_PROPERTY_CHANGE_MASK));
    gdk_window_add_filter(root, OnRootEvent, this);
    m_watchingRoot = true;
    CWindowPlacement::RequestShowDesktop(gtk_widget_get_display(m_window));
}

GdkFilterReturn CtaveloDlg::OnRootEvent(GdkXEvent* xevent, GdkEvent*, gpointer self) {
    auto* dlg = static_cast<CtaveloDlg*>(self);
    const auto* event = static_cast<XEvent*>(xevent);
    if (event->type != PropertyNotify ||
        event->xproperty.atom != gdk_x11_get_xatom_by_name("_NET_SHOWING_DESKTOP")) {
        return GDK_FILTER_CONTINUE;
    }
    dlg->StopWatchingRoot();
    if (g_get_monotonic_time() < dlg->m_keepShownUntil && dlg->m_window != nullptr) {
        gtk_window_present_with_time(GTK_WINDOW(dlg->m_window),
                                     static_cast<guint32>(event->xproperty.time));
    }
    return GDK_FILTER_CONTINUE;
}

void CtaveloDlg::StopWatchingRoot() {
    if (m_watchingRoot) {
        gdk_window_remove_filter(gdk_get_default_root_window(), OnRootEvent, this);
        m_watchingRoot = false;
    }
}

void CtaveloDlg::ResizeWindow(int width, int height) {
    gtk_widget_set_size_request(m_page.Widget(), width, height);
    gtk_window_resize(GTK_WINDOW(m_window), width, height);
}

void CtaveloDlg::Close() {
    if (m_window != nullptr) {
        gtk_window_close(GTK_WINDOW(m_window));
    }
}

void CtaveloDlg::SavePositionOnce() {
    if (m_saved) {
        return;
    }
    m_saved = true;
    SaveWindowPosition(m_lastLeft, m_lastTop);
}

gboolean CtaveloDlg::OnDelete(GtkWidget* widget, GdkEvent*, gpointer self) {
    auto* dlg = static_cast<CtaveloDlg*>(self);
    gtk_window_get_position(GTK_WINDOW(widget), &dlg->m_lastLeft, &dlg->m_lastTop);
    dlg->SavePositionOnce();
    return FALSE;
}

void CtaveloDlg::OnDestroy(GtkWidget*, gpointer self) {
    auto* dlg = static_cast<CtaveloDlg*>(self);
    // A window destroyed without a close request still leaves its last known place behind.
    dlg->SavePositionOnce();
    if (dlg->m_running) {
        gtk_main_quit();
    }
}

gboolean CtaveloDlg::OnConfigure(GtkWidget* widget, GdkEvent*, gpointer self) {
    auto* dlg = static_cast<CtaveloDlg*>(self);
    if (gtk_widget_get_mapped(widget)) {
        gtk_window_get_position(GTK_WINDOW(widget), &dlg->m_lastLeft, &dlg->m_lastTop);
    }
    return FALSE;
}

}  // namespace tavelo
