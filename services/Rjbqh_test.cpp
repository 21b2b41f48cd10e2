#include "services/Rjbqh.h"

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"

namespace tavelo {
namespace {

using test::Exec;
using test::Rows;

class RjbqhTest : public ::testing::Test {
protected:
    void SetUp() override { test::CreateFullDatabase(); }
    test::ScopedWorkDir m_dir;
};

TEST_F(RjbqhTest, EmptyListsAnswerWithBothBrackets) {
    int32_t first = -1;
    EXPECT_EQ(RjbqhListItems(), "[]");
    EXPECT_EQ(RjbqhListFirstItemNodes(first), "[]");
    EXPECT_EQ(first, 0);
    EXPECT_EQ(RjbqhListNodes(" itemID=3"), "[]");
}

TEST_F(RjbqhTest, ItemsAndNodesListInInsertionOrder) {
    RjbqhAddItem("Tools");
    RjbqhAddItem("Work");
    EXPECT_EQ(RjbqhListItems(), "[['1','Tools'],['2','Work']]");
    int32_t first = 0;
    EXPECT_EQ(RjbqhListFirstItemNodes(first), "[]");
    EXPECT_EQ(first, 1);
    EXPECT_EQ(RjbqhAddNode("1", "a", "b"), 1);
    EXPECT_EQ(RjbqhAddNode("2", "c", "d"), 2);
    EXPECT_EQ(RjbqhAddNode("1", "e", "f"), 3);
    EXPECT_EQ(RjbqhListFirstItemNodes(first), "[['1','a','b'],['3','e','f']]");
    EXPECT_EQ(RjbqhListNodes(" itemID=2"), "[['2','c','d']]");
}

TEST_F(RjbqhTest, NodeTextsStoredWithDoubledBackslashesStandDoubledInTheList) {
    RjbqhAddNode("4.9", "x\\\\y", "C:\\\\Tools\\\\x.exe");
    EXPECT_EQ(Rows("select itemID, nodePath from rjbqhNode"),
              std::vector<std::string>{"4|C:\\\\Tools\\\\x.exe"});
    EXPECT_EQ(RjbqhListNodes(" itemID=4"), "[['1','x\\\\y','C:\\\\Tools\\\\x.exe']]");
}

TEST_F(RjbqhTest, QuotesAndSeparatorsInNamesNeitherBreakTheStatementNorTheAnswer) {
    RjbqhAddItem("Bob's |^%*!| tools");
    EXPECT_EQ(RjbqhListItems(), "[['1','Bob\\'s \\|^%*!\\| tools']]");
    EXPECT_EQ(RjbqhAddNode("1", "it's", "/home/me/it's.txt"), 1);
    EXPECT_EQ(RjbqhGetNode("1").m_strNodePath, "/home/me/it's.txt");
}

TEST_F(RjbqhTest, AddNodeReturnsItsOwnIdAndNothingWhenTheInsertFails) {
    Exec("insert into rjbqhNode(nodeID,itemID,nodeName,nodePath) values(50,1,'other','p')");
    EXPECT_EQ(RjbqhAddNode("1", "n", "p"), 51);
    Exec("create trigger refuse before insert on rjbqhNode begin select raise(abort,'no'); end");
    EXPECT_EQ(RjbqhAddNode("1", "n", "p"), std::nullopt);
}

TEST_F(RjbqhTest, GetNodeFindsByNumberOrGivesAnEmptyRecord) {
    RjbqhAddNode("1", "name", "/usr/bin");
    EXPECT_EQ(RjbqhGetNode("1").m_strNodePath, "/usr/bin");
    EXPECT_EQ(RjbqhGetNode("7").m_strNodePath, "");
    EXPECT_EQ(RjbqhGetNode("abc").m_nNodeID, 0);
}

TEST(RjbqhFaults, CreatesItsTablesInAFileFromTheOlderProgram) {
    test::ScopedWorkDir dir;
    Exec("create table parameter(name, parameter1, parameter2)");
    EXPECT_EQ(RjbqhListItems(), "[]");
    RjbqhAddItem("Tools");
    EXPECT_EQ(RjbqhListItems(), "[['1','Tools']]");
}

}  // namespace
}  // namespace tavelo
