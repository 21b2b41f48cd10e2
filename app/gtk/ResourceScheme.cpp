#include "app/gtk/ResourceScheme.h"

#include <libsoup/soup.h>

#include <string_view>

#include "app/gtk/GHandles.h"

namespace tavelo {

std::string CResourceScheme::ReadBody(WebKitURISchemeRequest* request) {
    std::string body;
    GInputStream* stream = webkit_uri_scheme_request_get_http_body(request);
    if (stream == nullptr) {
        return body;
    }
    GObjectPtr<GInputStream> owned(stream);
    char buffer[16384];
    for (;;) {
        gsize read = 0;
        if (!g_input_stream_read_all(stream, buffer, sizeof buffer, &read, nullptr, nullptr)) {
            break;
        }
        body.append(buffer, read);
        if (read < sizeof buffer) {
            break;
        }
    }
    return body;
}

void CResourceScheme::Register(WebKitWebContext* context) {
    webkit_web_context_register_uri_scheme(context, kScheme, &CResourceScheme::OnRequest, this,
                                           nullptr);
    WebKitSecurityManager* security = webkit_web_context_get_security_manager(context);
    // Local lets pages show picture files from disk; secure and CORS-enabled let the page's
    // requests to the bridge go through like same-site requests.
    webkit_security_manager_register_uri_scheme_as_local(security, kScheme);
    webkit_security_manager_register_uri_scheme_as_secure(security, kScheme);
    webkit_security_manager_register_uri_scheme_as_cors_enabled(security, kScheme);
}

void CResourceScheme::OnRequest(WebKitURISchemeRequest* request, gpointer self) {
    static_cast<CResourceScheme*>(self)->Serve(request);
}

void CResourceScheme::Serve(WebKitURISchemeRequest* request) {
    std::string_view uri = webkit_uri_scheme_request_get_uri(request);
    const std::string_view prefix = kAppPrefix;
    if (uri.substr(0, prefix.size()) != prefix) {
        FinishText(request, 404, "text/plain", "not found");
        return;
    }
    std::string path(uri.substr(prefix.size()));
    if (const auto cut = path.find_first_of("?#"); cut != std::string::npos) {
        path.resize(cut);
    }
    const auto slash = path.find('/');
    if (slash == std::string::npos || slash == 0 || slash + 1 == path.size()) {
        FinishText(request, 404, "text/plain", "not found");
        return;
    }
    const std::string type = path.substr(0, slash);
    const std::string rest = path.substr(slash + 1);
    if (type == "bridge") {
        ServeBridge(request, rest);
        return;
    }
    if (type == "TEST") {
        if (m_test) {
            m_test(request, rest);
        } else {
            FinishText(request, 404, "text/plain", "not found");
        }
        return;
    }
    const std::string resource = "/tavelo/" + path;
    GBytesPtr data(
        g_resources_lookup_data(resource.c_str(), G_RESOURCE_LOOKUP_FLAGS_NONE, nullptr));
    if (!data) {
        FinishText(request, 404, "text/plain", "not found");
        return;
    }
    Finish(request, 200, ContentTypeFor(type, data.get()), data.get());
}

void CResourceScheme::ServeBridge(WebKitURISchemeRequest* request, const std::string& method) {
    std::string origin;
    if (SoupMessageHeaders* headers = webkit_uri_scheme_request_get_http_headers(request)) {
        if (const char* value = soup_message_headers_get_one(headers, "Origin")) {
            origin = value;
        }
    }
    const char* httpMethod = webkit_uri_scheme_request_get_http_method(request);
    if (!m_bridge || httpMethod == nullptr || std::string_view(httpMethod) != "POST") {
        FinishText(request, 405, "application/json", R"({"error":"not a bridge request"})");
        return;
    }
    const BridgeReply reply = m_bridge(origin, method, ReadBody(request));
    FinishText(request, reply.status, "application/json", reply.json);
}

std::string CResourceScheme::ContentTypeFor(const std::string& type, GBytes* data) {
    if (type == "HTML") {
        return "text/html; charset=utf-8";
    }
    if (type == "JS") {
        return "text/javascript; charset=utf-8";
    }
    if (type == "CSS") {
        return "text/css; charset=utf-8";
    }
    gsize size = 0;
    const auto* bytes = static_cast<const guchar*>(g_bytes_get_data(data, &size));
    gboolean uncertain = FALSE;
    g_autofree gchar* guessed = g_content_type_guess(nullptr, bytes, size, &uncertain);
    g_autofree gchar* mime = g_content_type_get_mime_type(guessed);
    return mime != nullptr ? mime : "application/octet-stream";
}

void CResourceScheme::Finish(WebKitURISchemeRequest* request, int status,
                             const std::string& contentType, GBytes* body, const char* policy) {
    GObjectPtr<GInputStream> stream(g_memory_input_stream_new_from_bytes(body));
    GObjectPtr<WebKitURISchemeResponse> response(
        webkit_uri_scheme_response_new(stream.get(), static_cast<gint64>(g_bytes_get_size(body))));
    webkit_uri_scheme_response_set_content_type(response.get(), contentType.c_str());
    webkit_uri_scheme_response_set_status(response.get(), static_cast<guint>(status), nullptr);
    SoupMessageHeaders* headers = soup_message_headers_new(SOUP_MESSAGE_HEADERS_RESPONSE);
    soup_message_headers_append(headers, "Content-Security-Policy", policy);
    soup_message_headers_append(headers, "Cache-Control", "no-store");
    webkit_uri_scheme_response_set_http_headers(response.get(), headers);  // takes ownership
    webkit_uri_scheme_request_finish_with_response(request, response.get());
}

void CResourceScheme::FinishText(WebKitURISchemeRequest* request, int status,
                                 const std::string& contentType, const std::string& body,
                                 const char* policy) {
    GBytesPtr bytes(g_bytes_new(body.data(), body.size()));
    Finish(request, status, contentType, bytes.get(), policy);
}

}  // namespace tavelo
