#include "storage/DbTable.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>

#include "storage/Database.h"
#include "storage/Records.h"
#include "tests/support/TempDir.h"

namespace tavelo {
namespace {

using test::Exec;
using test::Rows;

class DbTableTest : public ::testing::Test {
protected:
    void SetUp() override { test::CreateFullDatabase(); }

    CShzlRecord Entry(const std::string& remark, double cont = 0) {
        CShzlRecord r;
        r.m_strTime = "2012-05-03 08:30";
        r.m_strType = "sb";
        r.m_dCont = cont;
        r.m_strRemark = remark;
        return r;
    }

    test::ScopedWorkDir m_dir;
};

TEST_F(DbTableTest, SelectsNothingFromAnEmptyOrMissingTableOrABadFragment) {
    DbConnection db = OpenDatabase();
    EXPECT_TRUE(CDbTable<CShzlRecord>(db.get(), "shzl").SelectAll().empty());
    EXPECT_TRUE(CDbTable<CShzlRecord>(db.get(), "nosuchtable").SelectAll().empty());
    Exec("insert into shzl(time,type,cont,remark) values('t','sb',0,'x')");
    EXPECT_TRUE(CDbTable<CShzlRecord>(db.get(), "shzl").Select("").empty());
    EXPECT_TRUE(CDbTable<CShzlRecord>(db.get(), "shzl").Select("this is not sql").empty());
    EXPECT_EQ(CDbTable<CShzlRecord>(db.get(), "shzl").Select(" 1=1").size(), 1u);
}

TEST_F(DbTableTest, RefusesAFragmentThatCarriesASecondStatement) {
    Exec("insert into shzl(time,type,cont,remark) values('t','sb',0,'x')");
    DbConnection db = OpenDatabase();
    CDbTable<CShzlRecord> table(db.get(), "shzl");
    EXPECT_TRUE(table.Select(" 1=1; delete from shzl").empty());
    EXPECT_TRUE(table.Select(" 1=1; drop table shzl;").empty());
    EXPECT_EQ(table.QueryNumber("delete from shzl returning id"), 0.0);
    EXPECT_EQ(Rows("select count(*) from shzl"), std::vector<std::string>{"1"});
}

TEST_F(DbTableTest, InsertsWithEngineIdsThatAreNeverReused) {
    DbConnection db = OpenDatabase();
    CDbTable<CShzlRecord> table(db.get(), "shzl");
    ASSERT_TRUE(table.Insert(Entry("a")));
    ASSERT_TRUE(table.Insert(Entry("b")));
    EXPECT_TRUE(table.DeleteWhere("id", 2));
    ASSERT_TRUE(table.Insert(Entry("c")));
    EXPECT_EQ(Rows("select id, remark from shzl order by id"),
              (std::vector<std::string>{"1|a", "3|c"}));
}

TEST_F(DbTableTest, StoresWholeAmountsAsIntegersAndFractionsAsReals) {
    DbConnection db = OpenDatabase();
    CDbTable<CShzlRecord> table(db.get(), "shzl");
    table.Insert(Entry("whole", 300));
    table.Insert(Entry("fraction", -12.5));
    EXPECT_EQ(Rows("select cont, typeof(cont) from shzl order by id"),
              (std::vector<std::string>{"300|integer", "-12.5|real"}));
}

TEST_F(DbTableTest, StoresSingleQuotesAndSqlLookingTextExactly) {
    DbConnection db = OpenDatabase();
    CDbTable<CShzlRecord> table(db.get(), "shzl");
    const std::string hostile = "it's '); drop table shzl; -- \\ \n end";
    ASSERT_TRUE(table.Insert(Entry(hostile)));
    const auto records = table.SelectAll();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].m_strRemark, hostile);
}

TEST_F(DbTableTest, SaveUpdatesTheRowWithTheKeyOrInsertsANewOne) {
    DbConnection db = OpenDatabase();
    CDbTable<CShzlRecord> table(db.get(), "shzl");
    table.Insert(Entry("first"));
    CShzlRecord edit = Entry("edited");
    edit.m_nID = 1;
    table.Save(edit);
    CShzlRecord missing = Entry("new");
    missing.m_nID = 40;
    table.Save(missing);
    EXPECT_EQ(Rows("select id, remark from shzl order by id"),
              (std::vector<std::string>{"1|edited", "2|new"}));
}

TEST_F(DbTableTest, SelectOneGivesAnEmptyRecordWhenNothingMatches) {
    DbConnection db = OpenDatabase();
    Exec("insert into rjbqhNode(itemID,nodeName,nodePath) values(3,'n','p')");
    CDbTable<CRjbqhNodeRecord> table(db.get(), "rjbqhNode");
    EXPECT_EQ(table.SelectOne("nodeID", 1).m_strNodePath, "p");
    const CRjbqhNodeRecord none = table.SelectOne("nodeID", 9);
    EXPECT_EQ(none.m_nNodeID, 0);
    EXPECT_EQ(none.m_strNodePath, "");
}

TEST_F(DbTableTest, DeleteOfAMissingIdSucceedsAndChangesNothing) {
    Exec("insert into shzl(time,type,cont,remark) values('t','sb',0,'x')");
    DbConnection db = OpenDatabase();
    EXPECT_TRUE(CDbTable<CShzlRecord>(db.get(), "shzl").DeleteWhere("id", 99));
    EXPECT_EQ(Rows("select count(*) from shzl"), std::vector<std::string>{"1"});
}

TEST_F(DbTableTest, QueryNumberReadsTheLastCellAndZeroForNothing) {
    DbConnection db = OpenDatabase();
    CDbTable<CShzlRecord> table(db.get(), "shzl");
    EXPECT_EQ(table.QueryNumber("select sum(cont) from shzl"), 0.0);
    Exec("insert into shzl(time,type,cont,remark) values('t','jz',300,''),('t','jz',-500.5,'')");
    EXPECT_EQ(table.QueryNumber("select sum(cont) from shzl"), -200.5);
    EXPECT_EQ(table.QueryNumber("select id, cont from shzl order by id"), -500.5);
    EXPECT_EQ(table.QueryNumber("select nonsense"), 0.0);
}

TEST(DbTableFaults, ACorruptFileReadsAsEmptyAndIsNotChangedByWrites) {
    test::ScopedWorkDir dir;
    const std::string garbage(4096, 'x');
    std::ofstream(kDatabaseFile, std::ios::binary) << garbage;
    DbConnection db = OpenDatabase();
    CDbTable<CShzlRecord> table(db.get(), "shzl");
    EXPECT_TRUE(table.SelectAll().empty());
    EXPECT_FALSE(table.Insert(CShzlRecord{}));
    EXPECT_EQ(table.QueryNumber("select count(*) from shzl"), 0.0);
    CloseDatabase(db);
    std::ifstream in(kDatabaseFile, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), garbage);
}

TEST(DbTableFaults, ALockedFileFailsQuietlyAndLosesNothing) {
    test::ScopedWorkDir dir;
    test::CreateFullDatabase();
    Exec("insert into shzl(time,type,cont,remark) values('t','sb',0,'kept')");
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open(kDatabaseFile, &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    {
        DbConnection db = OpenDatabase();
        CDbTable<CShzlRecord> table(db.get(), "shzl");
        EXPECT_TRUE(table.SelectAll().empty());
        EXPECT_FALSE(table.Insert(CShzlRecord{}));
    }
    sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
    EXPECT_EQ(Rows("select remark from shzl"), std::vector<std::string>{"kept"});
}

}  // namespace
}  // namespace tavelo
