#include "model/Table.h"

#include "entities/Form.h"
#include "model/ArchiveIO.h"
#include "model/DefaultNames.h"
#include "model/Field.h"
#include "model/ListAccess.h"
#include "model/Ownership.h"
#include "model/ReferenceList.h"

#include <algorithm>
#include <string_view>

IMPLEMENT_SERIAL(Table, CObject, 0)

namespace
{
int NextTableId()
{
    static int counter = 0;
    return ++counter;
}

const char* const kCopyPrefix = "Copy_of_";

bool BelongsTo(const Field* field, const Table* table)
{
    return field != nullptr && field->GetTable() == table;
}

void DropForeignKey(Field* field)
{
    field->SetForeignKey(false);
    field->SetForeignField(nullptr);
}
} // namespace

Table::Table() : m_id(NextTableId()) {}

Table::Table(const Table* source)
    : m_kind(source->m_kind), m_name(kCopyPrefix + source->m_name), m_id(NextTableId())
{
    for (const Field* sourceField : source->m_fields)
    {
        auto* field = new Field(*sourceField);
        field->SetTable(this);
        m_fields.push_back(field);
    }
}

Table::~Table()
{
    DeleteAll(m_fields);
}

CString Table::GetLowerName() const
{
    CString lower(m_name);
    lower.MakeLower();
    return lower;
}

Field* Table::GetFieldAt(int index) const
{
    return ItemAt(m_fields, index);
}

void Table::AddField(Field* field)
{
    m_fields.push_back(field);
}

void Table::DeleteField(Field* field)
{
    const auto found = std::find(m_fields.begin(), m_fields.end(), field);
    if (found == m_fields.end())
        return;
    m_fields.erase(found);
    delete field;
}

void Table::RemoveFieldPointer(Field* field)
{
    const auto found = std::find(m_fields.begin(), m_fields.end(), field);
    if (found != m_fields.end())
        m_fields.erase(found);
}

int Table::IndexOfField(const Field* field) const
{
    const auto found = std::find(m_fields.begin(), m_fields.end(), field);
    return found == m_fields.end() ? -1 : static_cast<int>(found - m_fields.begin());
}

bool Table::ContainsField(const Field* field) const
{
    return IndexOfField(field) >= 0;
}

Field* Table::FindFieldById(int id) const
{
    for (Field* field : m_fields)
        if (field->GetId() == id)
            return field;
    return nullptr;
}

Field* Table::FindFieldByName(const CString& name) const
{
    // Field names of a table tend to share their start, so letters are compared from the end.
    const auto sameLetter = [](char a, char b)
    { return CString::FoldNoCase(a) == CString::FoldNoCase(b); };
    const std::string_view wanted(name.GetString(), name.GetLength());
    for (Field* field : m_fields)
    {
        const CString& fieldName = field->GetFieldName();
        const std::string_view own(fieldName.GetString(), fieldName.GetLength());
        if (own.size() == wanted.size() &&
            std::equal(own.rbegin(), own.rend(), wanted.rbegin(), sameLetter))
            return field;
    }
    return nullptr;
}

Field* Table::GetPrimaryKeyField() const
{
    for (Field* field : m_fields)
        if (field->IsKey())
            return field;
    return nullptr;
}

Field* Table::GetFrontField() const
{
    for (Field* field : m_fields)
        if (field->IsFrontField())
            return field;
    return nullptr;
}

Field* Table::GetDefaultFrontField() const
{
    for (Field* field : m_fields)
        if (field->GetTypeCode() == FieldTypeVarchar)
            return field;
    if (m_fields.size() == 1)
        return m_fields.front();
    return GetFieldAt(m_kind == masterDetailKind ? 1 : 2);
}

Field* Table::GetDisplayField() const
{
    Field* front = GetFrontField();
    return front != nullptr ? front : GetDefaultFrontField();
}

void Table::GetForeignKeyFields(std::vector<Field*>& out) const
{
    out.clear();
    for (Field* field : m_fields)
        if (field->IsForeignKey())
            out.push_back(field);
}

Field* Table::FindForeignKeyFieldTo(const Table* other) const
{
    for (Field* field : m_fields)
        if (BelongsTo(field->GetForeignField(), other))
            return field;
    return nullptr;
}

bool Table::HasForeignKeyTo(const Table* other) const
{
    return std::any_of(m_fields.begin(), m_fields.end(),
                       [other](const Field* field) {
                           return field->IsForeignKey() &&
                                  BelongsTo(field->GetForeignField(), other);
                       });
}

int Table::CountForeignFields() const
{
    return static_cast<int>(std::count_if(m_fields.begin(), m_fields.end(),
                                          [](const Field* field)
                                          { return field->GetForeignField() != nullptr; }));
}

int Table::CountFieldsReferencing(int n, const Field* target) const
{
    const auto end = m_fields.begin() + std::clamp(n, 0, GetFieldCount());
    return static_cast<int>(std::count_if(m_fields.begin(), end,
                                          [target](const Field* field)
                                          { return field->GetForeignField() == target; }));
}

void Table::ListReferences(ReferenceList& list)
{
    for (Field* field : m_fields)
        list.Add(field->GetForeignField(), [field] { DropForeignKey(field); });
}

Field* Table::EnsureDefaultFields()
{
    EnsureKeyField();
    if (m_kind != masterDetailKind)
    {
        EnsureSoftDeleteField();
        return nullptr;
    }
    const auto deletedFlag =
        std::find_if(m_fields.begin(), m_fields.end(),
                     [](const Field* field) { return field->GetLowerName() == "is_deleted"; });
    if (deletedFlag == m_fields.end())
        return nullptr;
    Field* dropped = *deletedFlag;
    m_fields.erase(deletedFlag);
    return dropped;
}

void Table::EnsureKeyField()
{
    const CString keyName = m_name + "_id";
    bool found = false;
    for (Field* field : m_fields)
    {
        field->SetTable(this);
        if (field->GetFieldName().CompareNoCase(keyName) == 0)
        {
            field->SetKey(true);
            found = true;
        }
    }
    if (found)
        return;
    Field* key = NewOwnField();
    key->Set(keyName, keyName, FieldTypeInt, 4, 0, nullptr, CString(), true, false, false, true,
             false);
    m_fields.insert(m_fields.begin(), key);
}

void Table::EnsureSoftDeleteField()
{
    for (Field* field : m_fields)
    {
        if (field->GetFieldName().CompareNoCase(Field::deletedFlagName) == 0)
            return;
        field->SetTable(this);
    }
    Field* deletedFlag = NewOwnField();
    deletedFlag->Set(Field::deletedFlagName, Field::deletedFlagName, FieldTypeChar, 1, 0, nullptr,
                     "N", false, false, false, false, false);
    m_fields.insert(m_fields.begin() + std::min<std::size_t>(1, m_fields.size()), deletedFlag);
}

void Table::RenameKeyField()
{
    if (Field* key = GetPrimaryKeyField())
        key->SetFieldName(m_name + "_id");
}

bool Table::IsDetailTable()
{
    if (m_kind != masterDetailKind)
        return false;
    if (m_name.Find("_basic") >= 0 || m_name.Find("_Basic") >= 0)
        return false;
    if (m_name.Find("_detail") >= 0)
        return true;
    if (m_name.Find("_Detail") < 0)
        m_name += "_basic";
    return false;
}

CString Table::GetFormCaption() const
{
    switch (m_kind)
    {
    case masterKind:
    case mapKind:
        return m_name + " Form";
    case masterDetailKind:
    {
        const int lastUnderscore = m_name.ReverseFind('_');
        return lastUnderscore >= 0 ? m_name.Left(lastUnderscore) : m_name;
    }
    default:
        return m_name;
    }
}

void Table::DetachCopy()
{
    for (Field* field : m_fields)
    {
        if (field->IsForeignKey())
            DropForeignKey(field);
    }
    m_name.Replace(kCopyPrefix, "");
}

bool Table::IsSystemTable() const
{
    return m_name == userAccountTableName || m_name == roleTableName;
}

bool Table::HasDateTimeField() const
{
    return std::any_of(m_fields.begin(), m_fields.end(),
                       [](const Field* field)
                       { return field->GetTypeCode() == FieldTypeDateTime; });
}

void Table::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        WriteObjectList(ar, m_fields);
        ar << m_name;
        ar.WriteObject(nullptr);
        ar << m_kind;
        return;
    }
    ReadOwnedList(ar, m_fields);
    ar >> m_name;
    // A page reference of old files; the page belongs to its module and may be shared, so it
    // is dropped without deleting it.
    ReadRef<Form>(ar);
    if (ArchiveVersion() > 3)
        ar >> m_kind;
    // A soft-delete column dropped here may be referred to by other objects of the file; the
    // load keeps it.
    ar.ReleaseClaim(EnsureDefaultFields());
}

Field* Table::NewOwnField()
{
    auto* field = new Field;
    field->SetTable(this);
    return field;
}

void Table::InsertFieldAt(Field* field, int index)
{
    const auto position = IsValidIndex(m_fields, index) ? m_fields.begin() + index : m_fields.end();
    m_fields.insert(position, field);
}
