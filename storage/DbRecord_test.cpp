#include "storage/DbRecord.h"

#include <gtest/gtest.h>

#include <cfloat>

#include "storage/Records.h"

namespace tavelo {
namespace {

// Exposes the fragments a record builds.
template <typename R>
class Fragments : public R {
public:
    explicit Fragments(const R& r) : R(r) { this->BuildFragments(); }
    const std::string& Columns() const { return this->m_strColumns; }
    const std::string& Values() const { return this->m_strValues; }
    const std::string& Assignments() const { return this->m_strAssignments; }
};

TEST(DbRecord, StripLastRemovesOneCharacterAndLeavesEmptyTextEmpty) {
    EXPECT_EQ(StripLast("a,b,"), "a,b");
    EXPECT_EQ(StripLast(""), "");
    EXPECT_EQ(StripLast("x"), "");
}

TEST(DbRecord, QuoteDoublesSingleQuotesOnly) {
    EXPECT_EQ(Quote("text"), "'text'");
    EXPECT_EQ(Quote("it's"), "'it''s'");
    EXPECT_EQ(Quote("''"), "''''''");
    EXPECT_EQ(Quote("a\\b\"c"), "'a\\b\"c'");
}

TEST(DbRecord, FormatsValuesAsStatementLiterals) {
    struct Case {
        CDbField field;
        std::string expected;
    };
    const Case cases[] = {
        {{"c", -0.5, false, false}, "-0.500000"},
        {{"c", 300.0, false, false}, "300.000000"},
        {{"c", int32_t{-3}, false, false}, "-3"},
        {{"c", std::string("text"), false, false}, "'text'"},
        {{"c", 1e20, false, false}, "100000000000000000000.000000"},
        {{"c", -DBL_MAX, false, false}, FormatFixed(-DBL_MAX, 6)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatValue(c.field), c.expected);
    }
    EXPECT_EQ(FormatFixed(-DBL_MAX, 6).size(), 1 + 309 + 7u);
}

TEST(DbRecord, ReadsLeadingNumbersLikeTheOldConversions) {
    struct IntCase {
        const char* text;
        int32_t expected;
    };
    const IntCase ints[] = {{"17", 17},       {"17abc", 17},      {"  -3x", -3}, {"+8", 8},
                            {"abc", 0},       {"", 0},            {"4.9", 4},    {"99999999999", INT32_MAX},
                            {"-99999999999", INT32_MIN}};
    for (const IntCase& c : ints) {
        EXPECT_EQ(LeadingInt(c.text), c.expected) << c.text;
    }
    struct RealCase {
        const char* text;
        double expected;
    };
    const RealCase reals[] = {{"-12.5", -12.5},     {"300", 300},      {" 1.5e2x", 150},
                              {".5", 0.5},          {"5.", 5},         {"1e", 1},
                              {"abc", 0},           {"-", 0},          {"inf", 0},
                              {"nan", 0},           {"0x10", 0},       {"1e999", DBL_MAX},
                              {"-1e999", -DBL_MAX}, {"1e-999", 0}};
    for (const RealCase& c : reals) {
        EXPECT_EQ(LeadingReal(c.text), c.expected) << c.text;
    }
}

TEST(DbRecord, BuildsTheFragmentsOfAParameterRow) {
    CParameterRecord r;
    r.m_strName = "pos";
    r.m_strParameter1 = "100.00000000";
    r.m_strParameter2 = "20.00000000";
    Fragments<CParameterRecord> f(r);
    EXPECT_EQ(f.Columns(), "name,parameter1,parameter2,");
    EXPECT_EQ(f.Values(), "'pos','100.00000000','20.00000000',");
    EXPECT_EQ(f.Assignments(), "name='pos',parameter1='100.00000000',parameter2='20.00000000',");
    EXPECT_EQ(f.KeyCondition(), "name='pos',");
    EXPECT_EQ(f.UpdateClause(),
              " set name='pos',parameter1='100.00000000',parameter2='20.00000000' where "
              "name='pos'");
    EXPECT_EQ(f.InsertClause(),
              " (name,parameter1,parameter2 ) values ( 'pos','100.00000000','20.00000000' )");
}

TEST(DbRecord, LeavesTheKeyOnlyIdOutOfWrittenColumns) {
    CShzlRecord r;
    r.m_nID = 7;
    r.m_strTime = "2012-05-03 08:30";
    r.m_strType = "jz";
    r.m_dCont = -12.5;
    r.m_strRemark = "lunch";
    Fragments<CShzlRecord> f(r);
    EXPECT_EQ(f.Columns(), "time,type,cont,remark,");
    EXPECT_EQ(f.Values(), "'2012-05-03 08:30','jz',-12.500000,'lunch',");
    EXPECT_EQ(f.Assignments(), "time='2012-05-03 08:30',type='jz',cont=-12.500000,remark='lunch',");
    EXPECT_EQ(f.KeyCondition(), "ID=7,");
}

TEST(DbRecord, ReadsRowsByPositionWithNullsAndMissingColumnsEmpty) {
    const char* full[] = {"17", "2012-05-03 08:30", "sb", "-12.5", "note"};
    const CShzlRecord a = CShzlRecord::FromRow(full, 5);
    EXPECT_EQ(a.m_nID, 17);
    EXPECT_EQ(a.m_dCont, -12.5);
    EXPECT_EQ(a.m_strRemark, "note");
    const char* sparse[] = {nullptr, "t"};
    const CShzlRecord b = CShzlRecord::FromRow(sparse, 2);
    EXPECT_EQ(b.m_nID, 0);
    EXPECT_EQ(b.m_strTime, "t");
    EXPECT_EQ(b.m_strType, "");
    EXPECT_EQ(b.m_dCont, 0.0);
}

}  // namespace
}  // namespace tavelo
