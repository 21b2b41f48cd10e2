#pragma once

#include <webkit2/webkit2.h>

#include <functional>
#include <string>

namespace tavelo {

// What the bridge answers to one request: an HTTP-like status and a JSON body.
struct BridgeReply {
    int status = 200;
    std::string json;
};

// The program's own address space, tavelo://app/<TYPE>/<id>: pages, scripts, stylesheets and
// pictures from the embedded resources, plus the bridge at tavelo://app/bridge/<method>.
class CResourceScheme {
public:
    // Receives the bridge's requests: the requesting page's origin, the method name and the body.
    using BridgeHandler =
        std::function<BridgeReply(const std::string& origin, const std::string& method,
                                  const std::string& body)>;
    // Serves tavelo://app/TEST/<rest>; it owns finishing the request. Only the page test runner
    // installs one, so the program itself refuses the type TEST.
    using TestHandler = std::function<void(WebKitURISchemeRequest* request, const std::string& rest)>;

    static constexpr const char* kScheme = "tavelo";
    static constexpr const char* kAppPrefix = "tavelo://app/";
    static constexpr const char* kAppOrigin = "tavelo://app";
    // Pages may run inline and evaluated script (the answers are script literals) and show local
    // pictures, but nothing may reach past the program's own resources.
    static constexpr const char* kContentPolicy =
        "default-src tavelo: 'unsafe-inline' 'unsafe-eval'; img-src tavelo: file: data:; "
        "media-src tavelo: file:; connect-src tavelo:; frame-src tavelo: about:; object-src 'none'";

    CResourceScheme() = default;
    CResourceScheme(const CResourceScheme&) = delete;
    CResourceScheme& operator=(const CResourceScheme&) = delete;

    // Registers the scheme on the context; the object must outlive the context.
    void Register(WebKitWebContext* context);
    void SetBridge(BridgeHandler handler) { m_bridge = std::move(handler); }
    void SetTestHandler(TestHandler handler) { m_test = std::move(handler); }

    // Finishes a request with the given body; every answer carries the program's content policy.
    static void Finish(WebKitURISchemeRequest* request, int status, const std::string& contentType,
                       GBytes* body, const char* policy = kContentPolicy);
    static void FinishText(WebKitURISchemeRequest* request, int status,
                           const std::string& contentType, const std::string& body,
                           const char* policy = kContentPolicy);
    // The body of a request, empty when it has none.
    static std::string ReadBody(WebKitURISchemeRequest* request);
    // The content type a resource is served with: by its type, pictures by their content.
    static std::string ContentTypeFor(const std::string& type, GBytes* data);

private:
    static void OnRequest(WebKitURISchemeRequest* request, gpointer self);
    void Serve(WebKitURISchemeRequest* request);
    void ServeBridge(WebKitURISchemeRequest* request, const std::string& method);

    BridgeHandler m_bridge;
    TestHandler m_test;
};

}  // namespace tavelo
