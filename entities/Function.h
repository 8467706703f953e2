#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

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

    // Working value of the editors; never stored.
    int GetTransient() const { return m_transient; }
    void SetTransient(int value) { m_transient = value; }

private:
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
};
