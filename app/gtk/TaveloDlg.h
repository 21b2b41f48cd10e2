#pragma once

#include <gtk/gtk.h>

#include <memory>
#include <string>

#include "app/ServerFunDispatch.h"
#include "app/gtk/IconWriter.h"
#include "app/gtk/MessageBox.h"
#include "app/gtk/PictureProbe.h"
#include "app/gtk/ScriptBridge.h"
#include "app/gtk/TargetOpener.h"
#include "app/gtk/WebPageView.h"

namespace tavelo {

// The program's one window: the web view with the pages, the bridge to the routing, the stored
// position restored at start and stored again when the window closes.
class CtaveloDlg : public IWindowSizer {
public:
    // The window's content size, from the dialog template (203 x 262 dialog units).
    static constexpr int kWidth = 355;
    static constexpr int kHeight = 490;
    static constexpr const char* kWelcome =
        "欢迎您第一次使用,请点击显示桌面,来查看Tavelo日历记事本";

    CtaveloDlg();
    ~CtaveloDlg() override;
    CtaveloDlg(const CtaveloDlg&) = delete;
    CtaveloDlg& operator=(const CtaveloDlg&) = delete;

    // Shows the window, restores its place (or welcomes a first-time user) and runs until the
    // window is closed.
    void Run();
    // Closes the window as the close button does.
    void Close();

    void ResizeWindow(int width, int height) override;

private:
    void InitDialog();
    void SavePositionOnce();
    static gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer self);
    static void OnDestroy(GtkWidget*, gpointer self);
    static gboolean OnConfigure(GtkWidget*, GdkEvent*, gpointer self);
    static GdkFilterReturn OnRootEvent(GdkXEvent* xevent, GdkEvent*, gpointer self);
    void StopWatchingRoot();

    GtkWidget* m_window = nullptr;
    CWebPageView m_page;
    CTargetOpener m_opener;
    CPictureProbe m_pictures;
    CIconWriter m_icons;
    CScriptBridge m_bridge;
    CServerFunDispatch m_dispatch;
    std::unique_ptr<CMessageBox> m_messages;
    double m_dInitWidth = 0;
    double m_dInitHeight = 0;
    int m_lastLeft = 0;
    int m_lastTop = 0;
    bool m_saved = false;
    // Until this time (monotonic microseconds) the window is brought back if the show-desktop
    // request hides it along with every other window.
    gint64 m_keepShownUntil = 0;
    bool m_watchingRoot = false;
    bool m_running = false;
};

}  // namespace tavelo
