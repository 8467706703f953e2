#pragma once

#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

class Field;

// One output column of a procedure, a user function or a report field: a field with an
// aggregate. The field is not owned.
class ProcedureFieldInfo : public CObject
{
    DECLARE_SERIAL(ProcedureFieldInfo)

public:
    // The aggregate codes; the names are "Count", "Sum", "Min", "Max", "Average", "Percentage".
    static constexpr int countAggregate = 0;
    static constexpr int sumAggregate = 1;
    static constexpr int minAggregate = 2;
    static constexpr int maxAggregate = 3;
    static constexpr int averageAggregate = 4;
    static constexpr int percentageAggregate = 5;
    static constexpr int noAggregate = 6;

    // No field, no aggregate, empty text.
    ProcedureFieldInfo() = default;
    ProcedureFieldInfo(Field* field, int aggregate);

    Field* GetField() const { return m_field; }
    void SetField(Field* field) { m_field = field; }
    int GetAggregate() const { return m_aggregate; }
    void SetAggregate(int aggregate) { m_aggregate = aggregate; }
    CString GetText() const { return m_text; }
    void SetText(CString text) { m_text = text; }

    // The aggregate's name; "None" for 6 and for any unknown code.
    CString GetAggregateName() const;
    // The column name used by generated code, reports and the SELECT check: the field name,
    // with "_" and the aggregate name when there is an aggregate; empty without a field.
    void GetDisplayName(CString& out) const;
    CString GetDisplayName() const;
    // Whether the display name is exactly name, without building it.
    bool HasDisplayName(const CString& name) const;
    // The field's display name, with " " and the aggregate name when there is an aggregate;
    // empty without a field.
    void GetCaption(CString& out) const;

    // Field, aggregate, text; no version gate.
    void Serialize(CArchive& ar) override;

private:
    // The name, followed by the separator and the aggregate name when there is an aggregate.
    CString WithAggregate(const CString& name, const char* separator) const;

    Field* m_field = nullptr;
    int m_aggregate = noAggregate;
    CString m_text;
};
