#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/PageHost.h"
#include "app/gtk/ResourceScheme.h"

namespace tavelo {

// The page that is on show, as the bridge needs it outside of a request.
class IPageView {
public:
    virtual ~IPageView() = default;
    virtual void LoadPage(int id) = 0;
    virtual void CallPageFunction(const std::string& function, const std::string& argument) = 0;
};

// Opens a file, folder or web address with the user's default handler.
class ITargetOpener {
public:
    virtual ~ITargetOpener() = default;
    virtual void OpenTarget(const std::string& target) = 0;
};

// The native end of window.external. A request from page script arrives as six texts; the route
// runs inside it, and the page functions it calls and the page it loads travel back in the answer,
// so that they run before the page's ServerFun returns and the load happens after it.
class CScriptBridge : public IPageHost {
public:
    using Arguments = std::array<std::string, 6>;
    using Route = std::function<void(const Arguments&)>;

    CScriptBridge(IPageView& view, ITargetOpener& opener) : m_view(view), m_opener(opener) {}

    void SetRoute(Route route) { m_route = std::move(route); }

    // Answers one request. Every failure becomes an answer the page turns into a script exception.
    BridgeReply Answer(const std::string& origin, const std::string& method,
                       const std::string& body);

    void CallScript(const std::string& function, const std::string& argument) override;
    void LoadPage(int id) override;
    void OpenTarget(const std::string& target) override;

private:
    IPageView& m_view;
    ITargetOpener& m_opener;
    Route m_route;
    bool m_inRequest = false;
    std::vector<std::pair<std::string, std::string>> m_calls;
    std::optional<int> m_load;
};

}  // namespace tavelo
