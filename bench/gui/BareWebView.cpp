// The yardstick for start-up: a bare WebKitGTK window that loads an empty page and prints the
// wall-clock time of its load event.
#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <cstdio>
#include <ctime>

namespace {

void OnLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer) {
    if (event != WEBKIT_LOAD_FINISHED) {
        return;
    }
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::printf("first-load %ld.%09ld\n", static_cast<long>(now.tv_sec), now.tv_nsec);
    std::fflush(stdout);
    gtk_main_quit();
}

}  // namespace

int main(int argc, char** argv) {
    gdk_set_allowed_backends("x11");
    if (!gtk_init_check(&argc, &argv)) {
        return 1;
    }
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    GtkWidget* view = webkit_web_view_new();
    gtk_widget_set_size_request(view, 355, 490);
    gtk_container_add(GTK_CONTAINER(window), view);
    g_signal_connect(view, "load-changed", G_CALLBACK(OnLoadChanged), nullptr);
    webkit_web_view_load_html(WEBKIT_WEB_VIEW(view), "<!DOCTYPE html><html><body></body></html>",
                              nullptr);
    gtk_widget_show_all(window);
    gtk_main();
    gtk_widget_destroy(window);
    return 0;
}
