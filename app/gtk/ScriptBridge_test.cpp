#include "app/gtk/ScriptBridge.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "services/Tpx.h"

namespace tavelo {
namespace {

class CRecordingView : public IPageView, public ITargetOpener {
public:
    void LoadPage(int id) override { loads.push_back(id); }
    void CallPageFunction(const std::string& f, const std::string& a) override {
        calls.push_back(f + "(" + a + ")");
    }
    void OpenTarget(const std::string& target) override { opened.push_back(target); }
    std::vector<int> loads;
    std::vector<std::string> calls;
    std::vector<std::string> opened;
};

const std::string kSix = R"(["shzl","getData","","","",""])";

TEST(ScriptBridgeTest, AnswersWithTheCallsInOrderAndTheLastPageAskedFor) {
    CRecordingView view;
    CScriptBridge bridge(view, view);
    bridge.SetRoute([&](const CScriptBridge::Arguments& a) {
        bridge.CallScript("InitData0", a[2]);
        bridge.CallScript("InitData", "x'\"\\");
        bridge.LoadPage(187);
        bridge.LoadPage(176);
    });
    const BridgeReply reply =
        bridge.Answer("tavelo://app", "ServerFun", R"(["shzl","a","2012|4|3","","",""])");
    EXPECT_EQ(reply.status, 200);
    const auto answer = nlohmann::json::parse(reply.json);
    EXPECT_EQ(answer["calls"], nlohmann::json::parse(
                                   R"([["InitData0","2012|4|3"],["InitData","x'\"\\"]])"));
    EXPECT_EQ(answer["load"], 176);
    EXPECT_FALSE(answer.contains("error"));
    EXPECT_TRUE(view.loads.empty()) << "no load may happen inside the request";
    EXPECT_TRUE(view.calls.empty());

    // Outside a request the page is reached directly.
    bridge.CallScript("EventAbout", "t");
    bridge.LoadPage(213);
    EXPECT_EQ(view.calls, std::vector<std::string>{"EventAbout(t)"});
    EXPECT_EQ(view.loads, std::vector<int>{213});
}

TEST(ScriptBridgeTest, TurnsAFailingServiceIntoAnErrorAfterTheCallsMadeBeforeIt) {
    CRecordingView view;
    CScriptBridge bridge(view, view);
    bridge.SetRoute([&](const CScriptBridge::Arguments&) {
        bridge.CallScript("before", "1");
        throw ServiceError("cannot delete the picture");
    });
    const auto answer = nlohmann::json::parse(bridge.Answer("tavelo://app", "ServerFun", kSix).json);
    EXPECT_EQ(answer["error"], "cannot delete the picture");
    EXPECT_EQ(answer["calls"].size(), 1u);

    // The next request starts clean.
    bridge.SetRoute([](const CScriptBridge::Arguments&) {});
    const auto next = nlohmann::json::parse(bridge.Answer("tavelo://app", "ServerFun", kSix).json);
    EXPECT_TRUE(next["calls"].empty());
    EXPECT_FALSE(next.contains("error"));
}

TEST(ScriptBridgeTest, RefusesForeignOriginsAndMalformedRequestsWithoutRouting) {
    CRecordingView view;
    CScriptBridge bridge(view, view);
    int routed = 0;
    bridge.SetRoute([&](const CScriptBridge::Arguments&) { ++routed; });
    struct Case {
        std::string origin, method, body;
        int status;
    };
    const Case cases[] = {
        {"null", "ServerFun", kSix, 403},
        {"", "ServerFun", kSix, 403},
        {"https://example.com", "ServerFun", kSix, 403},
        {"tavelo://app", "Other", kSix, 404},
        {"tavelo://app", "ServerFun", "not json", 400},
        {"tavelo://app", "ServerFun", R"(["shzl","getData"])", 400},
        {"tavelo://app", "ServerFun", R"(["shzl","getData",17,"","",""])", 400},
        {"tavelo://app", "ServerFun", R"({"module":"shzl"})", 400},
    };
    for (const Case& c : cases) {
        const BridgeReply reply = bridge.Answer(c.origin, c.method, c.body);
        EXPECT_EQ(reply.status, c.status) << c.origin << " " << c.body;
        EXPECT_TRUE(nlohmann::json::parse(reply.json).contains("error"));
    }
    EXPECT_EQ(routed, 0);
}

TEST(ScriptBridgeTest, KeepsTheAnswerValidJsonForStoredTextThatIsNotUtf8) {
    CRecordingView view;
    CScriptBridge bridge(view, view);
    bridge.SetRoute([&](const CScriptBridge::Arguments&) { bridge.CallScript("InitData", "a\xff\xfe"); });
    const BridgeReply reply = bridge.Answer("tavelo://app", "ServerFun", kSix);
    EXPECT_TRUE(nlohmann::json::accept(reply.json));
}

}  // namespace
}  // namespace tavelo
