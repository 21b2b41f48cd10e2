#pragma once

#include <webkit2/webkit2.h>

#include <functional>
#include <string>

#include "app/gtk/GHandles.h"
#include "app/gtk/ResourceScheme.h"
#include "app/gtk/ScriptBridge.h"

namespace tavelo {

// The web view that shows the program's pages: its own web context with the tavelo scheme,
// window.external in every frame, and a navigation policy that keeps it on the program's pages.
class CWebPageView : public IPageView {
public:
    CWebPageView();
    ~CWebPageView() override;
    CWebPageView(const CWebPageView&) = delete;
    CWebPageView& operator=(const CWebPageView&) = delete;

    GtkWidget* Widget() const { return GTK_WIDGET(m_view); }
    WebKitWebView* View() const { return m_view; }
    CResourceScheme& Scheme() { return m_scheme; }
    WebKitUserContentManager* Content() const { return m_content.get(); }

    // Told about every navigation the view refused, with its address.
    void OnRefused(std::function<void(const std::string&)> handler) {
        m_onRefused = std::move(handler);
    }
    // Told when the main frame has finished loading a page.
    void OnLoaded(std::function<void()> handler) { m_onLoaded = std::move(handler); }

    // Adds a script run at the start of every document in every frame.
    void AddUserScript(const std::string& source);
    // Puts window.external back after the view's scripts were removed.
    void ReinstallExternal();

    void LoadUri(const std::string& uri);
    void LoadPage(int id) override;
    void CallPageFunction(const std::string& function, const std::string& argument) override;

    static std::string PageUri(int id);
    // Whether the view may show the address: the program's pages, and blank frames.
    static bool MayNavigate(const std::string& uri);

private:
    static gboolean OnDecidePolicy(WebKitWebView* view, WebKitPolicyDecision* decision,
                                   WebKitPolicyDecisionType type, gpointer self);
    static void OnLoadChanged(WebKitWebView* view, WebKitLoadEvent event, gpointer self);

    CResourceScheme m_scheme;
    GObjectPtr<WebKitWebContext> m_context;
    GObjectPtr<WebKitUserContentManager> m_content;
    WebKitWebView* m_view = nullptr;  // floating; owned by the widget tree it is put into
    std::function<void(const std::string&)> m_onRefused;
    std::function<void()> m_onLoaded;
};

}  // namespace tavelo
