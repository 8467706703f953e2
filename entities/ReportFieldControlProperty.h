#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <vector>

class CArchive;
class FieldRep;
class Procedure;
class ProcedureFieldInfo;
class Variable;

// What feeds one variable of a linked page: a report variable, a hidden control of the report
// or an output column of the group's procedure. A binding with neither source variable nor
// source control is the record-id binding.
struct ReportFieldBinding
{
    Variable* m_target = nullptr;
    Variable* m_sourceVariable = nullptr;
    FieldRep* m_sourceControl = nullptr;
    ProcedureFieldInfo* m_sourceColumn = nullptr;
};

// A list of bindings: the int count, then per binding its target, source variable, source
// control and source column.
void WriteReportFieldBindings(CArchive& ar, const std::vector<ReportFieldBinding*>& bindings);
// Appends the bindings read; the source column is read only when withSourceColumn is set.
void ReadReportFieldBindings(CArchive& ar, std::vector<ReportFieldBinding*>& bindings,
                             bool withSourceColumn);
// Deletes every binding and empties the list.
void DeleteReportFieldBindings(std::vector<ReportFieldBinding*>& bindings);
// The index of the first binding of the target, or -1.
int FindReportFieldBindingIndex(const std::vector<ReportFieldBinding*>& bindings,
                                const Variable* target);

// Turns a report column into a control (for instance a button) with its own procedure and
// bindings.
class ReportFieldControlProperty : public CObject
{
    DECLARE_SERIAL(ReportFieldControlProperty)

public:
    ReportFieldControlProperty() = default;
    ~ReportFieldControlProperty() override;
    ReportFieldControlProperty(const ReportFieldControlProperty&) = delete;
    ReportFieldControlProperty& operator=(const ReportFieldControlProperty&) = delete;

    void Serialize(CArchive& ar) override;

    FieldRep* GetControl() const { return m_control; }
    // The property takes the control and deletes the previous one.
    void SetControl(FieldRep* control);
    Procedure* GetProcedure() const { return m_procedure; }
    void SetProcedure(Procedure* procedure) { m_procedure = procedure; }
    const std::vector<ReportFieldBinding*>& GetBindings() const { return m_bindings; }
    // The property takes the binding.
    void AddBinding(ReportFieldBinding* binding) { m_bindings.push_back(binding); }
    // The binding of the target, its index in index when one is given; null (and -1) when
    // none.
    ReportFieldBinding* FindBinding(Variable* target, int* index = nullptr) const;
    // Deletes and erases a listed binding.
    void RemoveBinding(ReportFieldBinding* binding);
    // The name of the control's kind; empty without control.
    void GetControlTypeName(CString& out) const;
    // The control kind of the control's data; -1 without control or data.
    int GetControlKind() const;

private:
    FieldRep* m_control = nullptr;
    Procedure* m_procedure = nullptr;
    std::vector<ReportFieldBinding*> m_bindings;
};
