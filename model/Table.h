#pragma once

#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <vector>

class Field;
class ReferenceList;

// One database table of a module; it owns its fields, kept in column order. The id is not
// stored: every constructor takes a new one from a process-wide counter.
class Table : public CObject
{
    DECLARE_SERIAL(Table)

public:
    // The table kinds.
    static constexpr int masterKind = 0;
    // The table of a master-detail form, named "..._basic" or "..._detail".
    static constexpr int masterDetailKind = 1;
    // A link table holding two foreign keys.
    static constexpr int mapKind = 2;

    Table();
    // Named "Copy_of_" + the source name, same kind, a copy of every field (keeping its foreign
    // field) belonging to the new table; no default columns are added.
    explicit Table(const Table* source);
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;
    ~Table() override;

    const CString& GetTableName() const { return m_name; }
    void SetTableName(CString name) { m_name = name; }
    // The name in lower case.
    CString GetLowerName() const;
    int GetKind() const { return m_kind; }
    void SetKind(int kind) { m_kind = kind; }
    int GetId() const { return m_id; }

    // Used only by the project merge.
    BYTE GetMergeMark() const { return m_mergeMark; }
    void SetMergeMark(BYTE mark) { m_mergeMark = mark; }

    const std::vector<Field*>& GetFields() const { return m_fields; }
    int GetFieldCount() const { return static_cast<int>(m_fields.size()); }
    // Null when the index is out of range.
    Field* GetFieldAt(int index) const;
    // Appends without a duplicate check; the table takes ownership.
    void AddField(Field* field);
    // Removes the first entry of the pointer and deletes the field; nothing when absent.
    void DeleteField(Field* field);
    // Removes the first entry of the pointer without deleting the field.
    void RemoveFieldPointer(Field* field);
    // Inserts before the field at the index, or appends for an index outside the list; the
    // table takes ownership.
    void InsertFieldAt(Field* field, int index);
    // -1 when absent.
    int IndexOfField(const Field* field) const;
    bool ContainsField(const Field* field) const;
    Field* FindFieldById(int id) const;
    // The first field whose name equals the argument ignoring case.
    Field* FindFieldByName(const CString& name) const;

    // The first field with the key flag, or null.
    Field* GetPrimaryKeyField() const;
    // The first field with the front-field flag, or null.
    Field* GetFrontField() const;
    // The field lookups show when none has the front-field flag: the first varchar, else the
    // only field, else the second (master-detail) or third field.
    Field* GetDefaultFrontField() const;
    // The field lookups show for a row: the front field, else the default one.
    Field* GetDisplayField() const;

    // Empties out, then appends every field with the foreign-key flag, in list order.
    void GetForeignKeyFields(std::vector<Field*>& out) const;
    // The first field whose foreign field belongs to other, whatever its foreign-key flag.
    Field* FindForeignKeyFieldTo(const Table* other) const;
    // A field has the foreign-key flag and a foreign field belonging to other.
    bool HasForeignKeyTo(const Table* other) const;
    // The number of fields that have a foreign field.
    int CountForeignFields() const;
    // Among the first n fields (n at most the field count), those whose foreign field is target.
    int CountFieldsReferencing(int n, const Field* target) const;
    // The foreign fields of its fields; a release drops the field's foreign key.
    void ListReferences(ReferenceList& list);

    // The key column, then the soft-delete column except in master-detail tables, which lose
    // theirs; the column a master-detail table lost, or null.
    Field* EnsureDefaultFields();
    // Gives every field this table; marks every field named <table>_id (ignoring case) as key,
    // or adds that key column at the front when none is.
    void EnsureKeyField();
    // Adds "Is_Deleted" after the first field unless a field of that name (ignoring case)
    // exists.
    void EnsureSoftDeleteField();
    // The key field takes the name <table>_id.
    void RenameKeyField();
    // True only for a master-detail "..._detail" table; a master-detail name without a
    // "_basic", "_detail" or "_Detail" part gains "_basic".
    bool IsDetailTable();
    // The default caption of the table's page.
    CString GetFormCaption() const;
    // Readies a copy for an export file: no foreign keys, no "Copy_of_" in the name.
    void DetachCopy();
    // The login tables "useraccount" and "personnel_role" (case-sensitive).
    bool IsSystemTable() const;
    bool HasDateTimeField() const;

    // The kind is read after version 3. A load ends with EnsureDefaultFields.
    void Serialize(CArchive& ar) override;

private:
    // A new field belonging to this table.
    Field* NewOwnField();

    std::vector<Field*> m_fields;
    int m_kind = masterKind;
    CString m_name;
    int m_id;
    BYTE m_mergeMark = 0;
};
