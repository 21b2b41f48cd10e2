#include "storage/Records.h"

namespace tavelo {

void CParameterRecord::BuildFragments() {
    AppendField({"name", m_strName, true, false});
    AppendField({"parameter1", m_strParameter1, false, false});
    AppendField({"parameter2", m_strParameter2, false, false});
}

CParameterRecord CParameterRecord::FromRow(const char* const* row, int columns) {
    CParameterRecord r;
    r.m_strName = CellText(row, columns, 0);
    r.m_strParameter1 = CellText(row, columns, 1);
    r.m_strParameter2 = CellText(row, columns, 2);
    return r;
}

void CShzlRecord::BuildFragments() {
    AppendField({"ID", m_nID, true, true});
    AppendField({"time", m_strTime, false, false});
    AppendField({"type", m_strType, false, false});
    AppendField({"cont", m_dCont, false, false});
    AppendField({"remark", m_strRemark, false, false});
}

CShzlRecord CShzlRecord::FromRow(const char* const* row, int columns) {
    CShzlRecord r;
    r.m_nID = LeadingInt(CellText(row, columns, 0));
    r.m_strTime = CellText(row, columns, 1);
    r.m_strType = CellText(row, columns, 2);
    r.m_dCont = LeadingReal(CellText(row, columns, 3));
    r.m_strRemark = CellText(row, columns, 4);
    return r;
}

void CRjbqhItemRecord::BuildFragments() {
    AppendField({"itemID", m_nItemID, true, true});
    AppendField({"itemName", m_strItemName, false, false});
}

CRjbqhItemRecord CRjbqhItemRecord::FromRow(const char* const* row, int columns) {
    CRjbqhItemRecord r;
    r.m_nItemID = LeadingInt(CellText(row, columns, 0));
    r.m_strItemName = CellText(row, columns, 1);
    return r;
}

void CRjbqhNodeRecord::BuildFragments() {
    AppendField({"nodeID", m_nNodeID, true, true});
    AppendField({"itemID", m_nItemID, false, false});
    AppendField({"nodeName", m_strNodeName, false, false});
    AppendField({"nodePath", m_strNodePath, false, false});
}

CRjbqhNodeRecord CRjbqhNodeRecord::FromRow(const char* const* row, int columns) {
    CRjbqhNodeRecord r;
    r.m_nNodeID = LeadingInt(CellText(row, columns, 0));
    r.m_nItemID = LeadingInt(CellText(row, columns, 1));
    r.m_strNodeName = CellText(row, columns, 2);
    r.m_strNodePath = CellText(row, columns, 3);
    return r;
}

}  // namespace tavelo
