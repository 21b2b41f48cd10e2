#include "app/gtk/WebPageView.h"

#include <nlohmann/json.hpp>

#include <string_view>

// The generated resource headers are plain C.
extern "C" {
#include "tavelo_app_resources.h"
#include "tavelo_pages_resources.h"
}

namespace tavelo {

namespace {

std::string ExternalScript() {
    static const std::string text = [] {
        tavelo_pages_register_resource();
        tavelo_app_register_resource();
        GBytesPtr data(g_resources_lookup_data("/tavelo-app/external.js",
                                               G_RESOURCE_LOOKUP_FLAGS_NONE, nullptr));
        gsize size = 0;
        const auto* bytes = static_cast<const char*>(g_bytes_get_data(data.get(), &size));
        return std::string(bytes, size);
    }();
    return text;
}

}  // namespace

CWebPageView::CWebPageView()
    : m_context(webkit_web_context_new()), m_content(webkit_user_content_manager_new()) {
    m_scheme.Register(m_context.get());
    webkit_web_context_set_cache_model(m_context.get(), WEBKIT_CACHE_MODEL_DOCUMENT_VIEWER);

    ReinstallExternal();

    m_view = WEBKIT_WEB_VIEW(g_object_new(WEBKIT_TYPE_WEB_VIEW, "web-context", m_context.get(),
                                          "user-content-manager", m_content.get(), nullptr));
    g_object_ref_sink(m_view);
    WebKitSettings* settings = webkit_web_view_get_settings(m_view);
    webkit_settings_set_javascript_can_open_windows_automatically(settings, FALSE);
    webkit_settings_set_enable_developer_extras(settings, FALSE);
    // The program's scheme is local (so pages may show picture files); without this every local
    // document would be an origin of its own and a page could not reach its own frames.
    webkit_settings_set_allow_file_access_from_file_urls(settings, TRUE);
    g_signal_connect(m_view, "decide-policy", G_CALLBACK(&CWebPageView::OnDecidePolicy), this);
    g_signal_connect(m_view, "load-changed", G_CALLBACK(&CWebPageView::OnLoadChanged), this);
}

CWebPageView::~CWebPageView() {
    g_signal_handlers_disconnect_by_data(m_view, this);
    g_object_unref(m_view);
}

std::string CWebPageView::PageUri(int id) {
    return std::string(CResourceScheme::kAppPrefix) + "HTML/" + std::to_string(id);
}

bool CWebPageView::MayNavigate(const std::string& uri) {
    const std::string_view text = uri;
    const std::string_view app = CResourceScheme::kAppPrefix;
    if (text.substr(0, app.size()) == app) {
        return text.substr(app.size(), 7) != "bridge/";
    }
    return text == "about:blank" || text == "about:srcdoc";
}

void CWebPageView::AddUserScript(const std::string& source) {
    WebKitUserScript* script = webkit_user_script_new(
        source.c_str(), WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
        WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, nullptr, nullptr);
    webkit_user_content_manager_add_script(m_content.get(), script);
    webkit_user_script_unref(script);
}

void CWebPageView::ReinstallExternal() { AddUserScript(ExternalScript()); }

void CWebPageView::LoadUri(const std::string& uri) { webkit_web_view_load_uri(m_view, uri.c_str()); }

void CWebPageView::LoadPage(int id) { LoadUri(PageUri(id)); }

void CWebPageView::CallPageFunction(const std::string& function, const std::string& argument) {
    const nlohmann::json args{function, argument};
    const std::string dumped = args.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    const std::string script = "window.__taveloDeliver && window.__taveloDeliver.apply(null, " +
                               dumped + ");";
    webkit_web_view_evaluate_javascript(m_view, script.c_str(), -1, nullptr, nullptr, nullptr,
                                        nullptr, nullptr);
}

gboolean CWebPageView::OnDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision,
                                      WebKitPolicyDecisionType type, gpointer self) {
    if (type != WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION &&
        type != WEBKIT_POLICY_DECISION_TYPE_NEW_WINDOW_ACTION) {
        return FALSE;
    }
    auto* navigation = WEBKIT_NAVIGATION_POLICY_DECISION(decision);
    WebKitNavigationAction* action = webkit_navigation_policy_decision_get_navigation_action(navigation);
    WebKitURIRequest* request = webkit_navigation_action_get_request(action);
    const char* uri = webkit_uri_request_get_uri(request);
    const std::string address = uri != nullptr ? uri : "";
    // New windows are never opened; web addresses go to the browser only through the routing.
    if (type == WEBKIT_POLICY_DECISION_TYPE_NEW_WINDOW_ACTION || !MayNavigate(address)) {
        webkit_policy_decision_ignore(decision);
        auto* view = static_cast<CWebPageView*>(self);
        if (view->m_onRefused) {
            view->m_onRefused(address);
        }
        return TRUE;
    }
    webkit_policy_decision_use(decision);
    return TRUE;
}

void CWebPageView::OnLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer self) {
    auto* view = static_cast<CWebPageView*>(self);
    if (event == WEBKIT_LOAD_FINISHED && view->m_onLoaded) {
        view->m_onLoaded();
    }
}

}  // namespace tavelo
