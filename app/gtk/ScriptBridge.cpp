#include "app/gtk/ScriptBridge.h"

#include <nlohmann/json.hpp>

#include <exception>

#include "services/Tpx.h"

namespace tavelo {

namespace {

BridgeReply Refuse(int status, const std::string& message) {
    return {status, nlohmann::json{{"calls", nlohmann::json::array()}, {"error", message}}.dump()};
}

}  // namespace

BridgeReply CScriptBridge::Answer(const std::string& origin, const std::string& method,
                                  const std::string& body) {
    // Only the program's own pages may reach the native side; a frame of any other origin
    // (including an opaque one) is turned away before anything is read.
    if (origin != CResourceScheme::kAppOrigin) {
        return Refuse(403, "ServerFun: refused for a page that is not the program's own");
    }
    if (method != "ServerFun" || !m_route) {
        return Refuse(404, "unknown bridge method " + method);
    }
    if (m_inRequest) {
        return Refuse(409, "ServerFun: a request is already running");
    }
    Arguments args;
    try {
        const nlohmann::json parsed = nlohmann::json::parse(body);
        if (!parsed.is_array() || parsed.size() != args.size()) {
            return Refuse(400, "ServerFun: expects six texts");
        }
        for (std::size_t i = 0; i < args.size(); ++i) {
            args[i] = parsed[i].get<std::string>();
        }
    } catch (const nlohmann::json::exception&) {
        return Refuse(400, "ServerFun: expects six texts");
    }

    m_inRequest = true;
    m_calls.clear();
    m_load.reset();
    std::string error;
    try {
        m_route(args);
    } catch (const ServiceError& e) {
        error = e.what();
    } catch (const std::exception& e) {
        error = std::string("ServerFun failed: ") + e.what();
    } catch (...) {
        error = "ServerFun failed";
    }
    m_inRequest = false;

    nlohmann::json answer{{"calls", nlohmann::json::array()}};
    for (const auto& [function, argument] : m_calls) {
        answer["calls"].push_back({function, argument});
    }
    if (m_load) {
        answer["load"] = *m_load;
    }
    if (!error.empty()) {
        answer["error"] = error;
    }
    m_calls.clear();
    m_load.reset();
    // Stored texts are not always valid UTF-8; replacing bad bytes keeps the answer readable.
    return {200, answer.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)};
}

void CScriptBridge::CallScript(const std::string& function, const std::string& argument) {
    if (m_inRequest) {
        m_calls.emplace_back(function, argument);
    } else {
        m_view.CallPageFunction(function, argument);
    }
}

void CScriptBridge::LoadPage(int id) {
    if (m_inRequest) {
        m_load = id;
    } else {
        m_view.LoadPage(id);
    }
}

void CScriptBridge::OpenTarget(const std::string& target) { m_opener.OpenTarget(target); }

}  // namespace tavelo
