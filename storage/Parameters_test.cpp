#include "storage/Parameters.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "storage/Database.h"
#include "tests/support/TempDir.h"

namespace tavelo {
namespace {

using test::Exec;
using test::Rows;

class RecordingMessages : public IMessageBox {
public:
    void ShowMessage(const std::string& text) override { m_shown.push_back(text); }
    std::vector<std::string> m_shown;
};

TEST(Parameters, FirstStartCreatesTheDatabaseWithEmptyTables) {
    test::ScopedWorkDir dir;
    RecordingMessages messages;
    EXPECT_TRUE(LoadParameters(" name='pos'", messages).empty());
    EXPECT_TRUE(messages.m_shown.empty());
    EXPECT_EQ(Rows("select name from sqlite_master where type='table' and name not like "
                   "'sqlite%' order by name"),
              (std::vector<std::string>{"parameter", "rjbqhItem", "rjbqhNode", "shzl"}));
    EXPECT_EQ(Rows("select sql from sqlite_master where name='shzl'"),
              std::vector<std::string>{
                  "CREATE TABLE [shzl] ([id] INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT,[time] "
                  "DATETIME NOT NULL, [type] NVARCHAR(10) NOT NULL, [cont] INT64(20), [remark] "
                  "NVARCHAR(500))"});
    EXPECT_EQ(Rows("select count(*) from parameter"), std::vector<std::string>{"0"});
}

TEST(Parameters, AnExistingFileIsNeverAlteredEvenWithoutTables) {
    test::ScopedWorkDir dir;
    Exec("create table other(x)");
    RecordingMessages messages;
    EXPECT_TRUE(LoadParameters(" name='pos'", messages).empty());
    EXPECT_TRUE(messages.m_shown.empty());
    EXPECT_EQ(Rows("select name from sqlite_master"), std::vector<std::string>{"other"});
}

TEST(Parameters, SavedPositionReadsBackAsOneRow) {
    test::ScopedWorkDir dir;
    RecordingMessages messages;
    LoadParameters(" name='pos'", messages);
    SaveWindowPosition(100, 20);
    SaveWindowPosition(-8, 20);
    EXPECT_EQ(Rows("select * from parameter"),
              std::vector<std::string>{"pos|-8.00000000|20.00000000"});
    const auto records = LoadParameters(" name='pos'", messages);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].m_strParameter1, "-8.00000000");
    EXPECT_EQ(LeadingInt(records[0].m_strParameter1), -8);
    EXPECT_EQ(LeadingInt(records[0].m_strParameter2), 20);
}

TEST(Parameters, ReportsWhenTheDatabaseCannotBeCreated) {
    if (geteuid() == 0) {
        // Root writes into read-only folders, so the failure is made with a folder of that name.
        test::ScopedWorkDir dir;
        std::filesystem::create_directory(kDatabaseFile);
        RecordingMessages messages;
        EXPECT_TRUE(LoadParameters(" name='pos'", messages).empty());
        EXPECT_EQ(messages.m_shown, std::vector<std::string>{"创建数据库失败！"});
        return;
    }
    test::ScopedWorkDir dir;
    chmod(dir.Path().c_str(), 0500);
    RecordingMessages messages;
    EXPECT_TRUE(LoadParameters(" name='pos'", messages).empty());
    EXPECT_EQ(messages.m_shown, std::vector<std::string>{"创建数据库失败！"});
}

TEST(Parameters, SavingIntoAFileWithoutTheTableStoresNothingQuietly) {
    test::ScopedWorkDir dir;
    Exec("create table other(x)");
    SaveWindowPosition(1, 2);
    RecordingMessages messages;
    EXPECT_TRUE(LoadParameters(" name='pos'", messages).empty());
}

}  // namespace
}  // namespace tavelo
