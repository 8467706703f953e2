#include "model/Field.h"

#include "model/ArchiveIO.h"
#include "model/NameUtilities.h"
#include "model/Table.h"

#include <iterator>

IMPLEMENT_SERIAL(Field, CObject, 0)

namespace
{
struct FieldTypeInfo
{
    const char* name;
    int defaultSize;
};

// Indexed by type code.
constexpr FieldTypeInfo kFieldTypes[] = {
    {"int", 8},       {"float", 8},  {"Decimal", 9}, {"char", 10},  {"varchar", 50},
    {"DateTime", 8},  {"Text", 16},  {"money", 8},   {"image", 16}, {"nchar", 10},
    {"nvarchar", 50}, {"ntext", 16}, {"bigint", 8},
};

const FieldTypeInfo* FindFieldType(int code)
{
    if (code < 0 || code >= static_cast<int>(std::size(kFieldTypes)))
        return nullptr;
    return &kFieldTypes[code];
}

int NextFieldId()
{
    static int counter = 0;
    return ++counter;
}
} // namespace

Field::Field() : m_id(NextFieldId()) {}

Field::Field(const Field& other)
    : CObject(other), m_name(other.m_name), m_displayName(other.m_displayName),
      m_defaultValue(other.m_defaultValue), m_typeCode(other.m_typeCode), m_size(other.m_size),
      m_precision(other.m_precision), m_keyFlag(other.m_keyFlag),
      m_foreignKeyFlag(other.m_foreignKeyFlag), m_allowNullFlag(other.m_allowNullFlag),
      m_keyColumnMark(other.m_keyColumnMark), m_frontFieldFlag(other.m_frontFieldFlag),
      m_id(NextFieldId()), m_foreignField(other.m_foreignField)
{
}

void Field::Set(CString name, CString displayName, int typeCode, int size, int precision,
                Field* foreign, CString defaultValue, bool keyFlag, bool foreignKeyFlag,
                bool allowNullFlag, bool keyColumnMark, bool frontFieldFlag)
{
    m_name = name;
    m_displayName = displayName;
    m_typeCode = typeCode;
    m_size = size;
    m_precision = precision;
    m_foreignField = foreign;
    m_defaultValue = defaultValue;
    m_keyFlag = keyFlag;
    m_foreignKeyFlag = foreignKeyFlag;
    m_allowNullFlag = allowNullFlag;
    m_keyColumnMark = keyColumnMark;
    m_frontFieldFlag = frontFieldFlag;
}

CString Field::GetLowerName() const
{
    CString lower(m_name);
    lower.MakeLower();
    return lower;
}

CString Field::GetTypeName() const
{
    const FieldTypeInfo* type = FindFieldType(m_typeCode);
    return type != nullptr ? CString(type->name) : CString();
}

int Field::FindTypeCode(const CString& typeName)
{
    for (int code = 0; code < static_cast<int>(std::size(kFieldTypes)); ++code)
        if (typeName.CompareNoCase(kFieldTypes[code].name) == 0)
            return code;
    return -1;
}

void Field::SetType(int code)
{
    if (m_size != 0 && m_typeCode == code)
        return;
    if (const FieldTypeInfo* type = FindFieldType(code))
        m_size = type->defaultSize;
    m_typeCode = code;
}

void Field::EnsureDisplayName()
{
    if (!m_displayName.IsEmpty())
        return;
    CString name(m_name);
    name.Trim();
    m_displayName = MakeCaption(name);
}

CString Field::GetForeignTableName() const
{
    if (m_foreignField == nullptr || m_foreignField->m_table == nullptr)
        return CString();
    return m_foreignField->m_table->GetTableName();
}

CString Field::GetForeignFieldName() const
{
    return m_foreignField != nullptr ? m_foreignField->m_name : CString();
}

CString Field::GetForeignReference() const
{
    if (m_foreignField == nullptr)
        return CString();
    return GetForeignTableName() + "." + GetForeignFieldName();
}

bool Field::IsKeyOrDeletedFlag() const
{
    return m_keyFlag || IsDeletedFlagField();
}

bool Field::IsDeletedFlagField() const
{
    return m_name == deletedFlagName;
}

void Field::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_name << m_typeCode << m_size << m_precision << m_reserved;
        WriteBoolInt(ar, m_keyFlag);
        WriteBoolInt(ar, m_foreignKeyFlag);
        ar << m_defaultValue;
        WriteBoolInt(ar, m_allowNullFlag);
        WriteBoolInt(ar, m_keyColumnMark);
        ar.WriteObject(m_table);
        ar << m_displayName;
        ar.WriteObject(m_foreignField);
        WriteBoolInt(ar, m_frontFieldFlag);
        return;
    }
    const int version = ArchiveVersion();
    ar >> m_name >> m_typeCode >> m_size >> m_precision >> m_reserved;
    m_keyFlag = ReadBoolInt(ar);
    m_foreignKeyFlag = ReadBoolInt(ar);
    ar >> m_defaultValue;
    m_allowNullFlag = ReadBoolInt(ar);
    m_keyColumnMark = ReadBoolInt(ar);
    if (version > 3)
        m_table = ReadRef<Table>(ar);
    if (version > 8)
        ar >> m_displayName;
    m_foreignField = ReadRef<Field>(ar);
    if (version > 83)
        m_frontFieldFlag = ReadBoolInt(ar);
    EnsureDisplayName();
}
