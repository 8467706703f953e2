#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <utility>
#include <vector>

// One table adapter of a dataset: its name, its command and the names of its parameters and
// result columns.
class TableAdapter : public CObject
{
    DECLARE_SERIAL(TableAdapter)

public:
    TableAdapter() = default;

    void Serialize(CArchive& ar) override;

    const CString& GetName() const { return m_name; }
    void SetName(CString name) { m_name = std::move(name); }
    const CString& GetCommandType() const { return m_commandType; }
    void SetCommandType(CString commandType) { m_commandType = std::move(commandType); }
    const CString& GetCommandText() const { return m_commandText; }
    void SetCommandText(CString commandText) { m_commandText = std::move(commandText); }
    int GetStatus() const { return m_status; }
    void SetStatus(int status) { m_status = status; }
    const std::vector<CString>& GetParameterNames() const { return m_parameterNames; }
    void AddParameterName(const CString& name) { m_parameterNames.push_back(name); }
    void ClearParameterNames() { m_parameterNames.clear(); }
    // A copy of the name at the index; empty for a bad index.
    CString GetParameterAt(int index) const;
    const std::vector<CString>& GetColumnNames() const { return m_columnNames; }
    void AddColumnName(const CString& name) { m_columnNames.push_back(name); }
    void ClearColumnNames() { m_columnNames.clear(); }
    // A copy of the name at the index; empty for a bad index.
    CString GetColumnAt(int index) const;
    // A mark of the report generator's; not stored.
    bool GetFlag() const { return m_flag; }
    void SetFlag(bool flag) { m_flag = flag; }

private:
    CString m_name;
    CString m_commandType;
    CString m_commandText;
    int m_status = 0;
    std::vector<CString> m_parameterNames;
    std::vector<CString> m_columnNames;
    bool m_flag = false;
};
