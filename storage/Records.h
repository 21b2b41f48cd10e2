#pragma once

#include <cstdint>
#include <string>

#include "storage/DbRecord.h"

namespace tavelo {

// A row of table parameter: one named setting with two text values.
class CParameterRecord : public CDbRecord {
public:
    std::string m_strName;
    std::string m_strParameter1;
    std::string m_strParameter2;

    void BuildFragments();
    static CParameterRecord FromRow(const char* const* row, int columns);
};

// A row of table shzl: a note, ledger entry or reminder.
class CShzlRecord : public CDbRecord {
public:
    int32_t m_nID = 0;
    std::string m_strTime;
    std::string m_strType;
    double m_dCont = 0.0;
    std::string m_strRemark;

    void BuildFragments();
    static CShzlRecord FromRow(const char* const* row, int columns);
};

// A row of table rjbqhItem: a quick-launch category.
class CRjbqhItemRecord : public CDbRecord {
public:
    int32_t m_nItemID = 0;
    std::string m_strItemName;

    void BuildFragments();
    static CRjbqhItemRecord FromRow(const char* const* row, int columns);
};

// A row of table rjbqhNode: a quick-launch target.
class CRjbqhNodeRecord : public CDbRecord {
public:
    int32_t m_nNodeID = 0;
    int32_t m_nItemID = 0;
    std::string m_strNodeName;
    std::string m_strNodePath;

    void BuildFragments();
    static CRjbqhNodeRecord FromRow(const char* const* row, int columns);
};

}  // namespace tavelo
