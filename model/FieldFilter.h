#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

class Field;
class Variable;

// A filter condition of a stored procedure: field, comparison, variable.
class FieldFilter : public CObject
{
    DECLARE_SERIAL(FieldFilter)

public:
    // A new id from the filter counter, kind 0 ("="), no variable, no field.
    FieldFilter();
    FieldFilter(const FieldFilter&) = delete;
    FieldFilter& operator=(const FieldFilter&) = delete;
    ~FieldFilter() override = default;

    // Field, comparison kind, variable; the id is not stored.
    void Serialize(CArchive& ar) override;

    int GetId() const { return m_id; }
    // Comparison kinds: 0 "=", 1 "<=", 2 ">=", 3 "!=", 4 "<", 5 ">".
    int GetComparisonKind() const { return m_comparisonKind; }
    void SetComparisonKind(int kind) { m_comparisonKind = kind; }
    Variable* GetVariable() const { return m_variable; }
    void SetVariable(Variable* variable) { m_variable = variable; }
    Field* GetField() const { return m_field; }
    void SetField(Field* field) { m_field = field; }
    // "=", "<=", ">=", "!=", "<", ">"; empty for any other kind.
    CString GetOperatorText() const;

private:
    int m_id;
    int m_comparisonKind = 0;
    Variable* m_variable = nullptr;
    Field* m_field = nullptr;
};

// The operator text of a comparison kind of a filter or a date validation: "=", "<=", ">=", "!=",
// "<", ">"; empty for any other kind.
CString ComparisonOperatorText(int kind);
