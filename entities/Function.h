#pragma once

#include "model/ReferenceList.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <functional>
#include <vector>

class CArchive;
class Class;
class Field;
class Parameter;
class ProcedureFieldInfo;
class Table;

// A method of a user class in the generated C# code: its parameters, the tables it reads and
// the output fields that pages and reports bind to. Kind 1 marks a built-in record handler.
class Function : public CObject
{
    DECLARE_SERIAL(Function)

public:
    // Empty name and lists, no class or table, kind 0, the next function id.
    Function();
    // Deletes the parameters, the output fields and the alias fields; the used tables are not
    // owned.
    ~Function() override;
    Function(const Function&) = delete;
    Function& operator=(const Function&) = delete;

    // Name, class, table, parameters, output fields, used tables, [> 67] kind, [> 72] alias
    // fields. Loading empties the parameter, output-field and used-table lists (without
    // deleting) before reading them and appends the alias fields read.
    void Serialize(CArchive& ar) override;

    int GetId() const { return m_id; }
    CString GetFieldName() const { return m_name; }
    void SetName(CString name) { m_name = name; }
    Class* GetClass() const { return m_class; }
    void SetClass(Class* ownerClass) { m_class = ownerClass; }
    Table* GetTable() const { return m_table; }
    void SetTable(Table* table) { m_table = table; }
    int GetKind() const { return m_kind; }
    void SetKind(int kind) { m_kind = kind; }
    // Set by the project merge on both sides of a merged pair; 0 on creation and after a load
    // (not stored).
    BYTE GetMergeMark() const { return m_mergeMark; }
    void SetMergeMark(BYTE mark) { m_mergeMark = mark; }

    const std::vector<Parameter*>& GetParameters() const { return m_parameters; }
    // Takes ownership.
    void AddParameter(Parameter* parameter) { m_parameters.push_back(parameter); }
    const std::vector<Table*>& GetUsedTables() const { return m_usedTables; }
    void AddUsedTable(Table* table) { m_usedTables.push_back(table); }
    const std::vector<ProcedureFieldInfo*>& GetOutputFields() const { return m_outputFields; }
    // Takes ownership.
    void AddOutputField(ProcedureFieldInfo* outputField) { m_outputFields.push_back(outputField); }
    const std::vector<Field*>& GetAliasFields() const { return m_aliasFields; }
    // Takes ownership.
    void AddAliasField(Field* field) { m_aliasFields.push_back(field); }

    // False for the record handlers "HandleAdd", "HandleUpdate", "HandleDelete" and
    // "SelectRecord" and for a function of kind 1.
    bool IsUserFunction() const;

    // The first parameter whose name equals the text ignoring case, or null.
    Parameter* FindParameterByName(const CString& name) const;
    // The first parameter whose name equals the item's ignoring case, or null (also for no
    // item).
    Parameter* FindParameterLike(const Parameter* item) const;
    // Erases and deletes the parameter; false when it is not in the list.
    bool RemoveParameter(Parameter* parameter);
    // Brings the parameters in line with the names read from the function's source: a new
    // parameter for each name not found, and the parameters whose names are not given are
    // deleted through the project, which first clears the pages' references to them.
    void SyncParameters(const std::vector<CString>& names);

    // The function with its output fields and parameters: what goes when it is deleted.
    ReferenceList::Targets FreedWithIt() const;

    bool UsesTable(const Table* table) const;
    // The first used table whose name equals the text ignoring case, or null.
    Table* FindTableByName(const CString& name) const;
    // When the table is used: erases and deletes the output fields of its fields, then erases
    // the table from the list. Whatever deletes output fields lets their holders let go of them
    // first (Module::ReleaseThenFree).
    void RemoveTable(Table* table);

    // An output field names the field.
    bool HasOutputField(const Field* field) const;
    // An output field names both the field and the aggregate.
    bool HasOutputFieldEntry(const Field* field, int aggregate) const;
    // The first output field naming the field, or null; its index (-1 when none) goes to
    // index when one is given.
    ProcedureFieldInfo* FindOutputFieldOf(const Field* field, int* index = nullptr) const;
    // Null for a negative or too large index.
    ProcedureFieldInfo* GetProcedureFieldInfoAt(int index) const;
    // An output field's display name equals the text ignoring case.
    bool HasProcedureFieldInfoNamed(const CString& name) const;
    // An output field's display name equals the text exactly.
    bool HasProcedureFieldInfoNamedExact(const CString& name) const;
    // The first output field whose display name equals the text ignoring case, or null.
    ProcedureFieldInfo* FindProcedureFieldInfoByName(const CString& name) const;
    // The first output field whose display name equals the given one's ignoring case, or null.
    ProcedureFieldInfo* FindProcedureFieldInfoLike(const ProcedureFieldInfo* outputField) const;
    // When the output field is in the list: it is erased and deleted; then its field, when that
    // is an alias field, is erased from the alias list and deleted.
    void RemoveProcedureFieldInfo(ProcedureFieldInfo* outputField);
    // Erases and deletes every output field naming the field.
    void RemoveOutputFieldsOf(const Field* field);
    // The output fields of the field; for a foreign-key field then the display field of the
    // referenced table, the same way (recursively; a chain stops at a field that no output field
    // names or that was already handled).
    void RemoveFieldWithReferences(Field* field);

    bool ContainsAliasField(const Field* field) const;
    // The first alias field with exactly that name, or null.
    Field* FindAliasFieldByName(const CString& name) const;
    // Erases the field from the alias list and deletes it; false when it is not there.
    bool RemoveAliasField(Field* field);

    // Its table, the tables it reads and the fields its output fields name; a release leaves
    // it without its table, drops a read table with its output fields, or removes the field
    // with its references (RemoveFieldWithReferences).
    void ListReferences(ReferenceList& list);

    // Working value of the editors; never stored.
    int GetTransient() const { return m_transient; }
    void SetTransient(int value) { m_transient = value; }

private:
    // The holders of the output fields that match let go of them; then they are erased and
    // deleted.
    void DeleteOutputFields(const std::function<bool(const ProcedureFieldInfo*)>& going);

    CString m_name;
    Class* m_class = nullptr;
    Table* m_table = nullptr;
    int m_id;
    int m_kind = 0;
    std::vector<Parameter*> m_parameters;
    std::vector<Table*> m_usedTables;
    std::vector<ProcedureFieldInfo*> m_outputFields;
    std::vector<Field*> m_aliasFields;
    int m_transient = 0;
    BYTE m_mergeMark = 0;
};
