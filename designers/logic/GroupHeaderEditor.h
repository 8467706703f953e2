#pragma once

#include "editors/logic/ControlStates.h"

#include <vector>

class ProcedureFieldInfo;
class ReportGroup;

// "Group Header Properties...": the header text, the output column whose value heads the group
// and the key column handed to the next group's call. OK leaves the choice for the caller to
// store.
class GroupHeaderEditor
{
public:
    static constexpr UINT IDD = 205;
    static constexpr int IDC_HEADER = 1462;
    static constexpr int IDC_HEADER_VALUE = 1463;
    static constexpr int IDC_NEXT_KEY = 1464;

    explicit GroupHeaderEditor(const ReportGroup& group);

    ControlStates& States() { return m_states; }
    void Open();
    void Ok();

    // What OK chose: the text is empty without a header column.
    const CString& GetHeaderText() const { return m_text; }
    ProcedureFieldInfo* GetHeaderValue() const { return m_value; }
    ProcedureFieldInfo* GetNextKey() const { return m_nextKey; }

private:
    const ReportGroup& m_group;
    std::vector<ProcedureFieldInfo*> m_outputs;
    std::vector<ProcedureFieldInfo*> m_keys;
    ControlStates m_states;
    CString m_text;
    ProcedureFieldInfo* m_value = nullptr;
    ProcedureFieldInfo* m_nextKey = nullptr;
};
