#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <vector>

class ProcedureFieldInfo;
class ProcedureInvokation;
class Variable;

// When the data stands in the relation to the value, the field takes the layout status.
struct VisibilityValue
{
    // Layout statuses: 0 editable, 1 read-only, 2 invisible. Relations: 0 "=", 1 "<=", 2 ">=",
    // 3 "<>", 4 "<", 5 ">".
    CString value;
    int layoutStatus = 0;
    int relation = 0;
};

// The data on which the visibility of a field depends: a procedure's output column or a page
// variable, compared with values.
class VisibilityData : public CObject
{
    DECLARE_SERIAL(VisibilityData)

public:
    VisibilityData() = default;
    VisibilityData(const VisibilityData&) = delete;
    VisibilityData& operator=(const VisibilityData&) = delete;
    // Deletes the data procedure and the values.
    ~VisibilityData() override;

    // Procedure, result field, variable, values, reserved int. Files before version 57 hold
    // no relation per value, files before 55 no reserved int.
    void Serialize(CArchive& ar) override;

    ProcedureInvokation* GetDataProcedure() const { return m_dataProcedure; }
    // Takes ownership; a previous data procedure is deleted.
    void SetDataProcedure(ProcedureInvokation* invokation);
    ProcedureFieldInfo* GetResultField() const { return m_resultField; }
    void SetResultField(ProcedureFieldInfo* field) { m_resultField = field; }
    Variable* GetVariable() const { return m_variable; }
    void SetVariable(Variable* variable) { m_variable = variable; }
    const std::vector<VisibilityValue*>& GetValues() const { return m_values; }
    // Appends and takes ownership.
    void AddValue(VisibilityValue* value) { m_values.push_back(value); }

    // With a data procedure: deletes it, clears the result field and deletes every value.
    void RemoveProcedure();
    // Clears the variable and deletes every value.
    void ClearVariable();
    // Some value has the same layout status and the same text ignoring case.
    bool ContainsValue(const VisibilityValue* value) const;
    // Takes the value out and deletes it; nothing when absent.
    void RemoveValue(VisibilityValue* value);
    // "ReadOnly", "Invisible"; "Editable" for any other status.
    static CString GetValueStatusName(const VisibilityValue* value);
    // "=", "<=", ">=", "<>", "<", ">"; empty for any other relation.
    static CString GetOperatorText(const VisibilityValue* value);

private:
    ProcedureInvokation* m_dataProcedure = nullptr;
    ProcedureFieldInfo* m_resultField = nullptr;
    Variable* m_variable = nullptr;
    int m_reserved = 0;
    std::vector<VisibilityValue*> m_values;
};
