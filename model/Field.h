#pragma once

#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <utility>

class Table;

// The SQL type codes a field carries; the code is what the project file stores.
enum FieldTypeCode
{
    FieldTypeInt = 0,
    FieldTypeFloat = 1,
    FieldTypeDecimal = 2,
    FieldTypeChar = 3,
    FieldTypeVarchar = 4,
    FieldTypeDateTime = 5,
    FieldTypeText = 6,
    FieldTypeMoney = 7,
    FieldTypeImage = 8,
    FieldTypeNChar = 9,
    FieldTypeNVarchar = 10,
    FieldTypeNText = 11,
    FieldTypeBigInt = 12,
};

// One column of a table. The size is the length of the character types, the precision that of
// a "Decimal" column. The id is not stored: every constructor takes a new one from a
// process-wide counter, so ids are unique within a run.
class Field : public CObject
{
    DECLARE_SERIAL(Field)

public:
    // The soft-delete column of every table.
    static constexpr const char* deletedFlagName = "Is_Deleted";

    Field();
    // Copies the descriptive members and the foreign field; no table, reserved int and merge
    // mark 0, a new id.
    Field(const Field& other);
    Field& operator=(const Field&) = delete;

    // Sets all descriptive members at once.
    void Set(CString name, CString displayName, int typeCode, int size, int precision,
             Field* foreign, CString defaultValue, bool keyFlag, bool foreignKeyFlag,
             bool allowNullFlag, bool keyColumnMark, bool frontFieldFlag);

    const CString& GetFieldName() const { return m_name; }
    void SetFieldName(CString name) { m_name = std::move(name); }
    CString GetDisplayName() const { return m_displayName; }
    void SetDisplayName(CString displayName) { m_displayName = displayName; }
    CString GetDefaultValue() const { return m_defaultValue; }
    void SetDefaultValue(CString defaultValue) { m_defaultValue = defaultValue; }
    // The name in lower case.
    CString GetLowerName() const;

    int GetTypeCode() const { return m_typeCode; }
    // The type name of the code; empty for a code outside the thirteen known ones.
    CString GetTypeName() const;
    // The code whose type name equals the name ignoring case; -1 when none does.
    static int FindTypeCode(const CString& typeName);
    // A non-zero size with the same code changes nothing; otherwise the size becomes the
    // default size of the new code (an unknown code keeps the size) and the code is set.
    void SetType(int code);
    int GetSize() const { return m_size; }
    void SetSize(int size) { m_size = size; }
    int GetPrecision() const { return m_precision; }
    void SetPrecision(int precision) { m_precision = precision; }
    int GetReserved() const { return m_reserved; }

    bool IsKey() const { return m_keyFlag; }
    void SetKey(bool keyFlag) { m_keyFlag = keyFlag; }
    bool IsForeignKey() const { return m_foreignKeyFlag; }
    void SetForeignKey(bool foreignKeyFlag) { m_foreignKeyFlag = foreignKeyFlag; }
    bool IsAllowNull() const { return m_allowNullFlag; }
    void SetAllowNull(bool allowNullFlag) { m_allowNullFlag = allowNullFlag; }
    bool IsKeyColumn() const { return m_keyColumnMark; }
    void SetKeyColumn(bool keyColumnMark) { m_keyColumnMark = keyColumnMark; }
    bool IsFrontField() const { return m_frontFieldFlag; }
    void SetFrontField(bool frontFieldFlag) { m_frontFieldFlag = frontFieldFlag; }

    int GetId() const { return m_id; }
    Table* GetTable() const { return m_table; }
    void SetTable(Table* table) { m_table = table; }
    Field* GetForeignField() const { return m_foreignField; }
    void SetForeignField(Field* foreignField) { m_foreignField = foreignField; }

    // Used only by the project merge.
    BYTE GetMergeMark() const { return m_mergeMark; }
    void SetMergeMark(BYTE mark) { m_mergeMark = mark; }

    // An empty display name becomes the trimmed name turned into a caption.
    void EnsureDisplayName();

    // Empty without a foreign field.
    CString GetForeignTableName() const;
    CString GetForeignFieldName() const;
    // "table.field" of the foreign field; empty without one.
    CString GetForeignReference() const;

    // The key column or the soft-delete column "Is_Deleted" (case-sensitive).
    bool IsKeyOrDeletedFlag() const;
    // The name is exactly "Is_Deleted".
    bool IsDeletedFlagField() const;

    // Fields gated by version: table after 3, display name after 8, front-field flag after 83.
    // A load ends with EnsureDisplayName.
    void Serialize(CArchive& ar) override;

private:
    CString m_name;
    CString m_displayName;
    CString m_defaultValue;
    int m_typeCode = FieldTypeInt;
    int m_size = 0;
    int m_precision = 0;
    int m_reserved = 0;
    bool m_keyFlag = false;
    bool m_foreignKeyFlag = false;
    bool m_allowNullFlag = false;
    bool m_keyColumnMark = false;
    bool m_frontFieldFlag = false;
    int m_id;
    Table* m_table = nullptr;
    Field* m_foreignField = nullptr;
    BYTE m_mergeMark = 0;
};

// The field's name; empty without a field.
inline CString FieldNameOrEmpty(const Field* field)
{
    return field != nullptr ? field->GetFieldName() : CString();
}
