#include "app/ServerFunDispatch.h"

#include <gtest/gtest.h>

#include <fstream>

#include "services/Shzl.h"
#include "tests/support/TempDir.h"

namespace tavelo {
namespace {

using test::Rows;

// Records, in order, everything the dispatch asks of the window.
class RecordingPlatform : public IPageHost,
                          public IPictureProbe,
                          public IWindowSizer,
                          public IIconWriter {
public:
    void CallScript(const std::string& function, const std::string& argument) override {
        m_events.push_back("call " + function + "(" + argument + ")");
    }
    void LoadPage(int id) override { m_events.push_back("load " + std::to_string(id)); }
    void OpenTarget(const std::string& target) override { m_events.push_back("open " + target); }
    std::optional<PixelSize> PictureSize(const std::string&) override { return m_picture; }
    void ResizeWindow(int width, int height) override {
        m_events.push_back("resize " + std::to_string(width) + "x" + std::to_string(height));
    }
    void SaveFileIconAsPng(const std::string& target, const std::string& pngPath) override {
        m_events.push_back("icon " + target + " -> " + pngPath);
    }

    std::vector<std::string> Take() { return std::exchange(m_events, {}); }

    std::optional<PixelSize> m_picture;
    std::vector<std::string> m_events;
};

class DispatchTest : public ::testing::Test {
protected:
    void SetUp() override { test::CreateFullDatabase(); }

    void Send(const std::string& module, const std::string& action, const std::string& a1 = "",
              const std::string& a2 = "", const std::string& a3 = "", const std::string& a4 = "") {
        m_dispatch.ServerFun(module, action, a1, a2, a3, a4);
    }

    using Events = std::vector<std::string>;

    test::ScopedWorkDir m_dir;
    RecordingPlatform m_platform;
    CServerFunDispatch m_dispatch{{m_platform, m_platform, m_platform, m_platform}};
};

TEST_F(DispatchTest, OpeningADayRemembersTheDayAndTheCondition) {
    ShzlAdd("2012-05-03 08:30", "sb", "0", "call home");
    const std::string where =
        " time>='2012-05-03 ' and time<='2012-05-03 23:59:59' ORDER BY time DESC";
    Send("shzl", "SetData", "2012|4|3");
    Send("shzl", "getDataByData", where);
    EXPECT_EQ(m_platform.Take(), Events{"load 176"});
    EXPECT_EQ(m_dispatch.m_strWhere, where);
    Send("shzl", "InitData");
    EXPECT_EQ(m_platform.Take(),
              (Events{"call InitData0(2012|4|3)",
                      "call InitData([['sb',0.00000000,'call home','2012-05-03 08:30','1']])"}));
}

TEST_F(DispatchTest, InitDataSendsTheSelectedDayOnlyWhenOneIsSet) {
    // Before any getData the remembered day is the empty text, which differs from "0".
    Send("shzl", "InitData");
    EXPECT_EQ(m_platform.Take(), (Events{"call InitData0()", "call InitData()"}));
    Send("shzl", "getData");
    EXPECT_EQ(m_platform.Take(), Events{"call InitData(])"});
    EXPECT_EQ(m_dispatch.m_strSelDate, "0");
    Send("shzl", "InitData");
    EXPECT_EQ(m_platform.Take(), Events{"call InitData()"});
}

TEST_F(DispatchTest, EditAndDeleteWriteThenReloadTheEntriesPage) {
    ShzlAdd("2012-05-03 08:30", "sb", "0", "a");
    Send("shzl", "editDataJz", "1abc", "2012-05-03 09:00", "-30", "b");
    Send("shzl", "editDataSb", "letters", "2012-05-04 09:00", "0", "new row");
    EXPECT_EQ(Rows("select * from shzl order by id"),
              (std::vector<std::string>{"1|2012-05-03 09:00|jz|-30|b",
                                        "2|2012-05-04 09:00|sb|0|new row"}));
    Send("shzl", "delData", "17");
    Send("shzl", "delData", "1");
    EXPECT_EQ(Rows("select id from shzl"), std::vector<std::string>{"2"});
    EXPECT_EQ(m_platform.Take(), (Events{"load 176", "load 176", "load 176", "load 176"}));
}

TEST_F(DispatchTest, EditRiliSumAndAddAnswerThroughTheirFunctions) {
    Send("shzl", "addData", "2012-05-03 12:00", "jz", "-25.5", "午饭");
    Send("shzl", "addData", "2012-05-03 13:00", "jz", "300", "");
    EXPECT_EQ(m_platform.Take(), Events{});
    Send("shzl", "editRili", " id==1");
    Send("shzl", "getSum");
    EXPECT_EQ(m_platform.Take(),
              (Events{"call EventSelFun([['jz',-25.50000000,'午饭','2012-05-03 12:00','1']])",
                      "call setZJVal(274.50)"}));
}

TEST_F(DispatchTest, SumOfAnEmptyTableIsZero) {
    Send("shzl", "getSum");
    EXPECT_EQ(m_platform.Take(), Events{"call setZJVal(0.00)"});
}

TEST_F(DispatchTest, NamesAreComparedExactly) {
    const std::pair<std::string, std::string> ignored[] = {
        {"SHZL", "getData"}, {"shzl", "getdata"}, {"shzl ", "getData"}, {"tpx", "GETIMG"},
        {"rjbqh", "initData"}, {"riliAbout", "Init"}, {"other", "init"}, {"", ""},
    };
    for (const auto& [module, action] : ignored) {
        Send(module, action, "a", "b", "c", "d");
    }
    EXPECT_EQ(m_platform.Take(), Events{});
    EXPECT_EQ(Rows("select count(*) from shzl"), std::vector<std::string>{"0"});
}

TEST_F(DispatchTest, QuickLaunchAnswersInParts) {
    Send("rjbqh", "InitData");
    EXPECT_EQ(m_platform.Take(), Events{"call InitData([]|^%*!|[]|^%*!|0)"});
    Send("rjbqh", "addNewItem", "Tools");
    Send("rjbqh", "addNewNode", "1", "x", "C:\\Tools\\x.exe");
    const std::string png = (m_dir.Path() / "icons" / "icon1.png").string();
    EXPECT_EQ(m_platform.Take(), Events{"icon C:\\\\Tools\\\\x.exe -> " + png});
    EXPECT_EQ(Rows("select nodePath from rjbqhNode"),
              std::vector<std::string>{"C:\\\\Tools\\\\x.exe"});
    Send("rjbqh", "InitData");
    Send("rjbqh", "GetNodeList", "3");
    Send("rjbqh", "GetNodeList", "1");
    EXPECT_EQ(m_platform.Take(),
              (Events{"call InitData([['1','Tools']]|^%*!|[['1','x','C:\\\\Tools\\\\x.exe']]|^%*!|1)",
                      "call GetNodeList(3|^%*!|[])",
                      "call GetNodeList(1|^%*!|[['1','x','C:\\\\Tools\\\\x.exe']])"}));
}

TEST_F(DispatchTest, AFailedNodeInsertWritesNoIcon) {
    test::Exec("create trigger refuse before insert on rjbqhNode begin select raise(abort,'x'); end");
    Send("rjbqh", "addNewNode", "1", "x", "/bin/ls");
    EXPECT_EQ(m_platform.Take(), Events{});
}

TEST_F(DispatchTest, GetNodeOpensTheStoredTarget) {
    Send("rjbqh", "addNewNode", "1", "site", "https://example.org/a?b=c");
    m_platform.Take();
    Send("rjbqh", "getNode", "1");
    Send("rjbqh", "getNode", "9");
    EXPECT_EQ(m_platform.Take(), Events{"open https://example.org/a?b=c"});
}

TEST_F(DispatchTest, AboutBoxTextHasThreeFieldsAndOpenWebOpensTheSite) {
    Send("riliAbout", "init");
    Send("riliAbout", "openWeb", "ignored", "x");
    const Events events = m_platform.Take();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(std::count(events[0].begin(), events[0].end(), '|'), 2);
    EXPECT_EQ(events[0].rfind("call EventAbout(关于|<div", 0), 0u);
    EXPECT_EQ(events[1], "open https://tavelo.example.org");
}

TEST_F(DispatchTest, PictureRequestsReachTheFolderAndTheWindow) {
    m_dispatch.SetInitialSize(400, 600);
    m_platform.m_picture = PixelSize{800, 600};
    std::filesystem::create_directory("tpx");
    std::ofstream("tpx/a.jpg") << "x";
    Send("tpx", "changeSize", "file://" + (m_dir.Path() / "tpx/a.jpg").string());
    Send("tpx", "getImg");
    EXPECT_EQ(m_platform.Take(),
              (Events{"resize 400x324",
                      "call execImg(['" + (m_dir.Path() / "tpx/a.jpg").string() + "'])"}));
    Send("tpx", "delImg", "file://" + (m_dir.Path() / "tpx/a.jpg").string());
    EXPECT_FALSE(std::filesystem::exists("tpx/a.jpg"));
    EXPECT_THROW(Send("tpx", "delImg", "file:///etc/hostname"), ServiceError);
}

TEST_F(DispatchTest, DoublesEveryBackslashOnce) {
    EXPECT_EQ(DoubleBackslashes("C:\\a\\\\b"), "C:\\\\a\\\\\\\\b");
    EXPECT_EQ(DoubleBackslashes("none"), "none");
}

}  // namespace
}  // namespace tavelo
