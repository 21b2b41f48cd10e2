#include "services/Shzl.h"

#include <gtest/gtest.h>

#include "storage/TextCodec.h"
#include "tests/support/TempDir.h"

namespace tavelo {
namespace {

using test::Exec;
using test::Rows;

class ShzlTest : public ::testing::Test {
protected:
    void SetUp() override { test::CreateFullDatabase(); }
    test::ScopedWorkDir m_dir;
};

TEST_F(ShzlTest, AnEmptyTableAnswersWithEachOperationsEmptyForm) {
    EXPECT_EQ(ShzlGetAll(), "]");
    EXPECT_EQ(ShzlGetWhere(" 1=1"), "");
    EXPECT_EQ(ShzlSum("select sum(cont) from shzl"), 0.0);
}

TEST_F(ShzlTest, ListsAllEntriesWithoutIdsAndWhereEntriesWithQuotedIds) {
    ShzlAdd("2012-05-03 12:00", "jz", "-12.5", "lunch");
    ShzlAdd("2012-05-03 08:30", "sb", "0", "call home");
    EXPECT_EQ(ShzlGetAll(),
              "[['jz',-12.50000000,'lunch','2012-05-03 12:00'],"
              "['sb',0.00000000,'call home','2012-05-03 08:30']]");
    EXPECT_EQ(ShzlGetWhere(" time>='2012-05-03 ' and time<='2012-05-03 23:59:59' ORDER BY time "
                           "DESC"),
              "[['jz',-12.50000000,'lunch','2012-05-03 12:00','1'],"
              "['sb',0.00000000,'call home','2012-05-03 08:30','2']]");
    EXPECT_EQ(ShzlGetWhere(" id==2"), "[['sb',0.00000000,'call home','2012-05-03 08:30','2']]");
    EXPECT_EQ(ShzlGetWhere(" time>='2012-06-01'"), "");
    EXPECT_EQ(ShzlGetWhere(""), "");
}

TEST_F(ShzlTest, StoresAmountsAsTheirLeadingNumber) {
    ShzlAdd("t", "jz", "300", "");
    ShzlAdd("t", "jz", "abc", "");
    ShzlAdd("t", "jz", "1e999", "");
    EXPECT_EQ(Rows("select cont from shzl order by id"),
              (std::vector<std::string>{"300", "0", "1.79769313486232e+308"}));
    EXPECT_NE(ShzlGetAll().find("['jz',300.00000000,'','t']"), std::string::npos);
}

TEST_F(ShzlTest, EditChangesTheRowInPlaceOrAddsOneForAnUnknownId) {
    ShzlAdd("2012-05-03 08:30", "sb", "0", "old");
    ShzlEdit(1, "2012-05-04 09:00", "jz", "30", "new");
    ShzlEdit(77, "2012-05-05 10:00", "sb", "0", "added");
    EXPECT_EQ(Rows("select * from shzl order by id"),
              (std::vector<std::string>{"1|2012-05-04 09:00|jz|30|new",
                                        "2|2012-05-05 10:00|sb|0|added"}));
}

TEST_F(ShzlTest, DeletedIdsAreNotReused) {
    ShzlAdd("t", "sb", "0", "a");
    ShzlDelete(1);
    ShzlDelete(55);
    ShzlAdd("t", "sb", "0", "b");
    EXPECT_EQ(Rows("select id from shzl"), std::vector<std::string>{"2"});
}

TEST_F(ShzlTest, HostileTextsRoundTripThroughStorageAndAnswer) {
    const std::string remark = "it's \"x\" \\ 记事 😀\nline2 <img src=x onerror=alert(1)> |^%*!|";
    ShzlAdd("2012-05-03 08:30", "sb", "0", remark);
    EXPECT_EQ(Rows("select remark from shzl"), std::vector<std::string>{ToCodePage(remark)});
    EXPECT_EQ(ShzlGetAll(),
              "[['sb',0.00000000,'it\\'s \"x\" \\\\ 记事 😀\\nline2 <img src=x "
              "onerror=alert(1)> \\|^%*!\\|','2012-05-03 08:30']]");
    ShzlEdit(1, "2012-05-03 08:30", "sb", "0", "edited 'again'");
    EXPECT_EQ(Rows("select remark from shzl"), std::vector<std::string>{"edited 'again'"});
}

TEST_F(ShzlTest, ReadsTextWrittenInCodePage936ByTheOlderProgram) {
    // 记事 and 午饭 as code page 936 bytes, the form files from the older program hold.
    Exec("insert into shzl(time,type,cont,remark) values('2012-05-03 12:00','jz',-25.5,"
         "CAST(x'CEE7B7B9' AS TEXT)),('2012-05-03 08:00','sb',0,CAST(x'BCC7CAC2' AS TEXT))");
    EXPECT_EQ(ShzlGetAll(),
              "[['jz',-25.50000000,'午饭','2012-05-03 12:00'],"
              "['sb',0.00000000,'记事','2012-05-03 08:00']]");
}

TEST_F(ShzlTest, CommandRunsOnlyTheActionsItKnows) {
    EXPECT_EQ(ShzlCommand("addData", "2012-05-03 08:30", "sb", "0", "x"), "");
    EXPECT_EQ(ShzlCommand("getData", "", "", "", ""), "[['sb',0.00000000,'x','2012-05-03 08:30']]");
    EXPECT_EQ(ShzlCommand("getDataByData", " id==1", "", "", ""),
              "[['sb',0.00000000,'x','2012-05-03 08:30','1']]");
    EXPECT_EQ(ShzlCommand("AddData", "t", "sb", "0", "y"), "");
    EXPECT_EQ(ShzlCommand("getdata", "", "", "", ""), "");
    EXPECT_EQ(Rows("select count(*) from shzl"), std::vector<std::string>{"1"});
}

TEST_F(ShzlTest, LongTextsAreKeptWhole) {
    const std::string longText(100000, 'y');
    ShzlAdd("t", "sb", "0", longText);
    EXPECT_EQ(ShzlGetWhere(" 1=1"), "[['sb',0.00000000,'" + longText + "','t','1']]");
}

TEST(ShzlFaults, AMissingTableOrFileAnswersEmpty) {
    test::ScopedWorkDir dir;
    EXPECT_EQ(ShzlGetAll(), "]");
    EXPECT_EQ(ShzlGetWhere(" 1=1"), "");
    ShzlAdd("t", "sb", "0", "lost");
    EXPECT_EQ(ShzlSum("select sum(cont) from shzl"), 0.0);
}

}  // namespace
}  // namespace tavelo
