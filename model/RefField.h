#pragma once

#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"

class Field;
class Table;

// A page-level field whose values come from a table; it owns its field.
class RefField : public CObject
{
    DECLARE_SERIAL(RefField)

public:
    RefField() = default;
    // Takes ownership of the field.
    RefField(Field* field, Table* table);
    // The same table and flag with a copy of the other's field.
    RefField(const RefField& other);
    RefField& operator=(const RefField&) = delete;
    ~RefField() override;

    Field* GetField() const { return m_field; }
    Table* GetTable() const { return m_table; }
    void SetTable(Table* table) { m_table = table; }
    bool GetValidate() const { return m_validateFlag; }
    void SetValidate(bool validateFlag) { m_validateFlag = validateFlag; }

    // The validate flag is read after version 55.
    void Serialize(CArchive& ar) override;

private:
    Field* m_field = nullptr;
    Table* m_table = nullptr;
    bool m_validateFlag = true;
};
