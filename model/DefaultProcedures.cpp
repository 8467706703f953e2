#include "entities/Class.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/MapForm.h"
#include "entities/Parameter.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/Module.h"
#include "model/Table.h"

#include <algorithm>

namespace
{
// The part of a default procedure's name between "PRC_" and the action: the table's name, or
// for a transaction that names its procedures the page name and "_basic" or "_detail<n>".
CString NameMiddle(const Table* table, const Transaction* namingTransaction)
{
    if (namingTransaction == nullptr)
        return table->GetTableName();
    const int index = namingTransaction->GetDetailTableIndex(table);
    if (index < 0)
        return namingTransaction->GetFormName() + "_basic";
    CString detail;
    detail.Format("_detail%d", index + 1);
    return namingTransaction->GetFormName() + detail;
}

CString DefaultProcedureName(const Table* table, const Transaction* namingTransaction,
                             const char* suffix)
{
    return "PRC_" + NameMiddle(table, namingTransaction) + suffix;
}

// The transaction when it names its procedures after itself, else null.
const Transaction* NamingTransaction(const Transaction* transaction)
{
    return transaction != nullptr && transaction->GetCustomProcedureNames() ? transaction : nullptr;
}

// A name that does not follow the table's: flagged, and no hand-written text.
void MarkCustomName(Procedure* procedure)
{
    procedure->SetCustomNameFlag(true);
    procedure->SetProcedureText("");
}

void GiveCustomName(Procedure* procedure, const CString& name)
{
    procedure->SetName(name);
    MarkCustomName(procedure);
}

Procedure* NewTableProcedure(Table* table, const CString& name)
{
    auto* procedure = new Procedure;
    procedure->SetMainTable(table);
    procedure->SetKind(Procedure::standardKind);
    procedure->SetName(name);
    return procedure;
}

// The field becomes an output column and a field parameter where it is not one yet.
void EnsureColumnAndParameter(Procedure* procedure, Field* field)
{
    if (field == nullptr)
        return;
    if (!procedure->HasOutputField(field))
        procedure->AddOutputField(field);
    FieldVariableMap parameter;
    if (!procedure->FindFieldParameterByField(field, parameter))
        procedure->AddFieldParameter(field);
}

// An update leaves out the foreign key that links a detail table to the basic record of the
// transaction found.
bool IsLinkToOtherBasicTable(const Field* field, const Table* table, const Transaction* transaction)
{
    if (!field->IsForeignKey() || transaction == nullptr)
        return false;
    const Table* basic = transaction->GetBasicTable();
    return basic != nullptr && basic != table && field->GetForeignField() != nullptr &&
           field->GetForeignField() == basic->GetPrimaryKeyField();
}

bool IsWrittenByUpdate(const Field* field, const Table* table, const Transaction* transaction)
{
    if (!field->IsKey() && field->IsKeyOrDeletedFlag())
        return false;
    return !IsLinkToOtherBasicTable(field, table, transaction);
}

// The select and write procedures of the transaction's tables; with named set, each is named
// after the page.
void CreateProceduresOfTransaction(Module& module, Transaction* transaction, bool named)
{
    if (transaction == nullptr)
        return;
    const Transaction* namingTransaction = named ? transaction : nullptr;
    const auto nameOf = [namingTransaction](const Table* table, const char* suffix)
    { return DefaultProcedureName(table, namingTransaction, suffix); };
    const auto add = [&module, named](Procedure* procedure, const CString& name)
    {
        if (named)
            GiveCustomName(procedure, name);
        module.AddProcedure(procedure);
    };
    Table* basic = transaction->GetBasicTable();
    if (basic != nullptr)
    {
        const CString recordName = nameOf(basic, "_SelectRecord");
        if (!module.HasTableProcedure(basic, recordName))
            add(new Procedure(basic, false), recordName);
        const CString lastName = nameOf(basic, "_SelectLastRecord");
        if (!module.HasTableProcedure(basic, lastName))
        {
            auto* last = new Procedure;
            last->InitSelectLastRecord(basic);
            add(last, lastName);
        }
    }
    // Without a link field a detail table gets no select-all procedure, so the select-record
    // procedure is made only when it is missing itself.
    for (Table* detail : transaction->GetDetailTables())
    {
        const CString allName = nameOf(detail, "_SelectAll");
        if (module.HasTableProcedure(detail, allName))
            continue;
        if (Field* link = transaction->FindLinkField(detail))
        {
            auto* all = new Procedure;
            all->InitSelectAllByField(detail, link);
            add(all, allName);
        }
        const CString recordName = nameOf(detail, "_SelectRecord");
        if (!module.HasTableProcedure(detail, recordName))
            add(new Procedure(detail, false), recordName);
    }
    if (basic != nullptr)
    {
        module.FillBasicWriteProcedure(transaction, true);
        module.FillBasicWriteProcedure(transaction, false);
        module.CreateDeleteProcedure(basic, named ? nameOf(basic, "_Delete") : CString());
    }
    for (Table* detail : transaction->GetDetailTables())
    {
        module.FillDetailWriteProcedure(detail, transaction, true);
        module.FillDetailWriteProcedure(detail, transaction, false);
        module.CreateDeleteProcedure(detail, named ? nameOf(detail, "_Delete") : CString());
    }
}

void CreateWriteProceduresOfTable(Module& module, Table* table, const CString& deleteName)
{
    module.CreateTableWriteProcedure(table, true);
    module.CreateTableWriteProcedure(table, false);
    module.CreateDeleteProcedure(table, deleteName);
}

// The write procedures of the table made again after the procedure was emptied.
void RefillWriteProcedures(Module& module, Table* table, const Procedure& procedure)
{
    if (table->GetKind() == Table::masterKind)
    {
        CreateWriteProceduresOfTable(module, table, CString());
        return;
    }
    if (table->GetKind() == Table::mapKind)
    {
        if (MapForm* mapForm = module.FindMapFormByTable(table))
        {
            module.UpdateMapTableWriteProcedures(mapForm);
            module.CreateDeleteProcedure(table, CString());
        }
        return;
    }
    if (table->GetKind() != Table::masterDetailKind)
        return;
    CString middle;
    procedure.GetNameMiddlePart(middle);
    Transaction* transaction = module.FindTransactionByTableOrName(table, middle);
    if (transaction != nullptr)
        CreateProceduresOfTransaction(module, transaction, transaction->GetCustomProcedureNames());
    else if (!module.IsDetailTableOfAnyTransaction(table))
        CreateWriteProceduresOfTable(
            module, table, procedure.GetCustomNameFlag() ? procedure.GetName() : CString());
}

// The column of the field with the report bindings it feeds and the field parameter of the
// field with the call pairs that pass it a value go.
void RemoveColumnAndParameter(Module& module, Procedure* procedure, Field* field)
{
    if (ProcedureFieldInfo* column = procedure->FindOutputColumnByField(field))
        Module::RemoveOutputColumn(module.GetReferringModules(), procedure, column);
    module.RemoveFieldParameter(procedure, field);
}

// Insert and update take the map form's fields: the key for an update, the top fields for an
// insert, and without a bottom master form every field but the key and the deleted flag; the
// bottom master table's fields other than those two join both.
void UpdateMapWriteProcedure(Module& module, Procedure* procedure, const MapForm& mapForm)
{
    const bool insert = procedure->IsInsertProcedure();
    const bool update = procedure->IsUpdateProcedure();
    if (!insert && !update)
        return;
    const Form* master = mapForm.GetBottomMasterForm();
    for (Field* field : procedure->GetMainTable()->GetFields())
    {
        if ((update && field->IsKey()) || (insert && mapForm.HasTopField(field)) ||
            (master == nullptr && !field->IsKeyOrDeletedFlag()))
            EnsureColumnAndParameter(procedure, field);
    }
    const Table* masterTable = master != nullptr ? master->GetTable() : nullptr;
    if (masterTable == nullptr)
        return;
    for (Field* field : masterTable->GetFields())
    {
        if (field->IsKeyOrDeletedFlag())
            RemoveColumnAndParameter(module, procedure, field);
        else
            EnsureColumnAndParameter(procedure, field);
    }
}

void AddParameterUnlessPresent(Function* function, const CString& name)
{
    if (function->FindParameterByName(name) != nullptr)
        return;
    auto* parameter = new Parameter;
    parameter->SetName(name);
    function->AddParameter(parameter);
}

// A new function gets the parameter "id".
void EnsureClassFunctionWithId(Module& module, const CString& name, Class* dataClass)
{
    if (module.EnsureClassFunction(name, dataClass))
        AddParameterUnlessPresent(dataClass->FindFunctionByName(name), "id");
}

void AddOutputFieldUnlessNamed(Function* function, Field* field)
{
    // An output field of the field itself without aggregate bears its name: found without
    // building a name.
    if (!function->HasOutputFieldEntry(field, ProcedureFieldInfo::noAggregate) &&
        !function->HasProcedureFieldInfoNamed(field->GetFieldName()))
        function->AddOutputField(new ProcedureFieldInfo(field, ProcedureFieldInfo::noAggregate));
}

// Every function of kind 0 of the class gets the columns of its table.
void AddTableFieldsToFunctionsOf(Module& module, const Class& dataClass)
{
    for (Function* function : dataClass.GetFunctions())
    {
        if (function->GetKind() == 0)
            module.AddTableFieldsToFunction(function);
    }
}
} // namespace

bool Module::HasTableProcedure(Table* table, const CString& name) const
{
    return std::any_of(m_procedures.begin(), m_procedures.end(),
                       [table, &name](const Procedure* procedure)
                       {
                           return procedure->GetMainTable() == table &&
                                  procedure->GetKind() == Procedure::standardKind &&
                                  procedure->GetName() == name;
                       });
}

bool Module::HasSelectAllProcedure(Table* table) const
{
    return table != nullptr &&
           HasTableProcedure(table, DefaultProcedureName(table, nullptr, "_SelectAll"));
}

bool Module::HasSelectRecordProcedure(Table* table) const
{
    return table != nullptr &&
           HasTableProcedure(table, DefaultProcedureName(table, nullptr, "_SelectRecord"));
}

bool Module::HasSelectLastRecordProcedure(Table* table) const
{
    return table != nullptr &&
           HasTableProcedure(table, DefaultProcedureName(table, nullptr, "_SelectLastRecord"));
}

void Module::CreateDeleteProcedure(Table* table, CString name)
{
    if (table == nullptr)
        return;
    const bool given = !name.IsEmpty();
    if (!given)
        name = DefaultProcedureName(table, nullptr, "_Delete");
    Procedure* procedure = FindProcedureByName(name);
    if (procedure == nullptr)
    {
        procedure = NewTableProcedure(table, name);
        if (given)
            MarkCustomName(procedure);
        AddProcedure(procedure);
    }
    EnsureColumnAndParameter(procedure, table->GetPrimaryKeyField());
}

Procedure* Module::GetOrCreateWriteProcedure(Table* table, bool insert, Transaction* transaction)
{
    if (table == nullptr)
        return nullptr;
    const CString name =
        DefaultProcedureName(table, NamingTransaction(transaction), insert ? "_Insert" : "_Update");
    Procedure* procedure = FindProcedureByName(name);
    if (procedure == nullptr)
    {
        procedure = NewTableProcedure(table, name);
        AddProcedure(procedure);
    }
    return procedure;
}

void Module::CreateTableWriteProcedure(Table* table, bool insert)
{
    Procedure* procedure = GetOrCreateWriteProcedure(table, insert, nullptr);
    if (procedure == nullptr || table->GetKind() == Table::mapKind)
        return;
    const Transaction* transaction = nullptr;
    if (!insert)
    {
        CString middle;
        procedure->GetNameMiddlePart(middle);
        transaction = FindTransactionByTableOrName(table, middle);
    }
    for (Field* field : table->GetFields())
    {
        const bool taken =
            insert ? !field->IsKeyOrDeletedFlag() : IsWrittenByUpdate(field, table, transaction);
        if (taken)
            EnsureColumnAndParameter(procedure, field);
    }
}

void Module::FillBasicWriteProcedure(Transaction* transaction, bool insert)
{
    if (transaction == nullptr || transaction->GetBasicTable() == nullptr)
        return;
    Procedure* procedure =
        GetOrCreateWriteProcedure(transaction->GetBasicTable(), insert, transaction);
    if (transaction->GetCustomProcedureNames())
        MarkCustomName(procedure);
    for (Field* field : transaction->GetBasicTable()->GetFields())
        EnsureColumnAndParameter(procedure, field);
}

void Module::FillDetailWriteProcedure(Table* detail, Transaction* transaction, bool insert)
{
    if (detail == nullptr || transaction == nullptr)
        return;
    Procedure* procedure = GetOrCreateWriteProcedure(detail, insert, transaction);
    if (transaction->GetCustomProcedureNames())
        MarkCustomName(procedure);
    const Table* basic = transaction->GetBasicTable();
    const Field* basicKey = basic != nullptr ? basic->GetPrimaryKeyField() : nullptr;
    for (Field* field : detail->GetFields())
    {
        const bool linksToBasic = basicKey != nullptr && field->GetForeignField() == basicKey;
        if (insert || !linksToBasic)
            EnsureColumnAndParameter(procedure, field);
    }
    EnsureColumnAndParameter(procedure, insert ? transaction->FindLinkField(detail)
                                               : detail->GetPrimaryKeyField());
}

void Module::CreateTransactionProcedures(Transaction* transaction)
{
    CreateProceduresOfTransaction(*this, transaction, false);
}

void Module::CreateNamedTransactionProcedures(Transaction* transaction)
{
    CreateProceduresOfTransaction(*this, transaction, true);
}

void Module::RebuildTableProcedures(Table* table)
{
    if (table == nullptr)
        return;
    std::vector<Procedure*> writeProcedures;
    std::copy_if(m_procedures.begin(), m_procedures.end(), std::back_inserter(writeProcedures),
                 [table](const Procedure* procedure)
                 {
                     return procedure->GetMainTable() == table &&
                            (procedure->IsInsertProcedure() || procedure->IsUpdateProcedure() ||
                             procedure->IsDeleteProcedure());
                 });
    for (Procedure* procedure : writeProcedures)
    {
        if (!procedure->GetCustomNameFlag())
            procedure->RenameForMainTable();
        procedure->ClearFieldParameters();
        procedure->ClearOutputColumns();
        RefillWriteProcedures(*this, table, *procedure);
    }
}

Transaction* Module::FindTransactionByTableOrName(Table* table, const CString& name) const
{
    const auto found =
        std::find_if(m_transactions.begin(), m_transactions.end(),
                     [table, &name](const Transaction* transaction)
                     {
                         if (!name.IsEmpty())
                             return transaction->GetFormName().CompareNoCase(name) == 0;
                         return transaction->GetBasicTable() == table ||
                                transaction->GetDetailTableIndex(table) >= 0;
                     });
    return found == m_transactions.end() ? nullptr : *found;
}

bool Module::IsDetailTableOfAnyTransaction(Table* table) const
{
    return std::any_of(m_transactions.begin(), m_transactions.end(),
                       [table](const Transaction* transaction)
                       { return transaction->GetDetailTableIndex(table) >= 0; });
}

void Module::CreateMapTableProcedures(Table* mapTable)
{
    if (mapTable == nullptr || mapTable->GetKind() != Table::mapKind)
        return;
    if (!HasSelectAllProcedure(mapTable))
    {
        auto* all = new Procedure(mapTable, true);
        AddProcedure(all);
        FillMapTableProcedure(mapTable, all);
    }
    if (!HasSelectRecordProcedure(mapTable))
        AddProcedure(new Procedure(mapTable, false));
    const MapForm* mapForm = FindMapFormByTable(mapTable);
    const Form* master = mapForm != nullptr ? mapForm->GetBottomMasterForm() : nullptr;
    Table* masterTable = master != nullptr ? master->GetTable() : nullptr;
    if (masterTable == nullptr || HasSelectLastRecordProcedure(masterTable))
        return;
    auto* last = new Procedure;
    last->InitSelectLastRecord(masterTable);
    AddProcedure(last);
}

void Module::UpdateMapTableWriteProcedures(MapForm* mapForm)
{
    for (Procedure* procedure : m_procedures)
    {
        Table* table = procedure->GetMainTable();
        if (table == nullptr || table->GetKind() != Table::mapKind ||
            procedure->GetKind() != Procedure::standardKind)
            continue;
        const MapForm* form = mapForm == nullptr                    ? FindMapFormByTable(table)
                              : mapForm->GetMappingTable() == table ? mapForm
                                                                    : nullptr;
        if (form != nullptr)
            UpdateMapWriteProcedure(*this, procedure, *form);
    }
}

void Module::AddMapFormSelectParameter(MapForm* mapForm)
{
    if (mapForm == nullptr || mapForm->GetMappingTable() == nullptr)
        return;
    Procedure* all = FindProcedureByNameNoCase("PRC_" + mapForm->GetMappingTable()->GetTableName() +
                                               "_SelectAll");
    Field* top = mapForm->GetTopFieldAt(0);
    if (all == nullptr || top == nullptr)
        return;
    auto* variable = new Variable;
    variable->SetName("PRC_" + top->GetFieldName() + "_Var");
    variable->SetKind(Variable::parameterKind);
    all->AddFieldParameterPair(top, variable);
}

void Module::AddDefaultClassFunctions(Class* dataClass)
{
    if (dataClass == nullptr)
        return;
    EnsureClassFunction("HandleAdd", dataClass);
    EnsureClassFunction("HandleUpdate", dataClass);
    EnsureClassFunction("HandleDelete", dataClass);
    EnsureClassFunction("SelectAllRecords", dataClass);
    EnsureClassFunctionWithId(*this, "SelectRecord", dataClass);
    const Table* table = dataClass->GetTable();
    if (table == nullptr)
        return;
    std::vector<Field*> foreignKeys;
    table->GetForeignKeyFields(foreignKeys);
    for (const Field* field : foreignKeys)
        EnsureClassFunctionWithId(*this, "SelectRecordFor" + field->GetFieldName(), dataClass);
    if (foreignKeys.size() <= 1)
        return;
    Function* multi = GetOrAddClassFunction("SelectRecordForMultiParam", dataClass);
    for (const Field* field : foreignKeys)
        AddParameterUnlessPresent(multi, "param_" + field->GetFieldName());
}

bool Module::EnsureClassFunction(CString name, Class* dataClass)
{
    if (dataClass == nullptr || dataClass->FindFunctionByName(name) != nullptr)
        return false;
    GetOrAddClassFunction(name, dataClass);
    return true;
}

Function* Module::GetOrAddClassFunction(CString name, Class* dataClass)
{
    if (dataClass == nullptr)
        return nullptr;
    if (Function* found = dataClass->FindFunctionByName(name))
        return found;
    auto* function = new Function;
    function->SetName(name);
    function->SetClass(dataClass);
    function->SetTable(dataClass->GetTable());
    function->SetKind(0);
    dataClass->AddFunction(function);
    AddTableFieldsToFunction(function);
    return function;
}

void Module::AddTableFieldsToFunction(Function* function)
{
    if (function == nullptr || function->GetClass() == nullptr ||
        function->GetClass()->GetTable() == nullptr)
        return;
    const Table* table = function->GetClass()->GetTable();
    for (Field* field : table->GetFields())
    {
        if (!field->IsDeletedFlagField())
            AddOutputFieldUnlessNamed(function, field);
    }
    if (!function->IsUserFunction())
        return;
    std::vector<Field*> foreignKeys;
    table->GetForeignKeyFields(foreignKeys);
    std::erase_if(foreignKeys,
                  [](const Field* field) {
                      return field->GetForeignField() == nullptr ||
                             field->GetForeignField()->GetTable() == nullptr;
                  });
    for (const Field* field : foreignKeys)
    {
        Field* front = field->GetForeignField()->GetTable()->GetDisplayField();
        if (front != nullptr && !function->HasOutputField(front))
            AddOutputFieldUnlessNamed(function, front);
    }
    for (const Field* field : foreignKeys)
    {
        Table* referred = field->GetForeignField()->GetTable();
        if (!function->UsesTable(referred))
            function->AddUsedTable(referred);
    }
}

void Module::AddTableFieldsToClassFunctions(Table* table)
{
    for (const Class* dataClass : m_classes)
    {
        if (table != nullptr && dataClass->GetTable() == table)
            AddTableFieldsToFunctionsOf(*this, *dataClass);
    }
}

void Module::AddDefaultClassFunctionsUpTo(Table* table)
{
    for (Class* dataClass : m_classes)
    {
        AddDefaultClassFunctions(dataClass);
        if (table != nullptr && dataClass->GetTable() == table)
            return;
    }
}

void Module::AddTableFieldsToAllClassFunctions()
{
    for (const Class* dataClass : m_classes)
        AddTableFieldsToFunctionsOf(*this, *dataClass);
}

void Module::AddFormKeyVariables()
{
    for (Form* form : m_masterForms)
    {
        const Table* table = form->GetTable();
        Field* key = table != nullptr ? table->GetPrimaryKeyField() : nullptr;
        if (key == nullptr || form->GetKeyFieldVariableMap() != nullptr)
            continue;
        form->AddVariableForField(key);
    }
}

void Module::AddMissingAliasColumns()
{
    for (Procedure* procedure : m_procedures)
    {
        for (const ProcedureFieldInfo* column : procedure->GetOutputColumns())
        {
            Field* field = column->GetField();
            if (field != nullptr && field->GetTable() == nullptr &&
                !procedure->ContainsAliasField(field))
                procedure->AddAliasField(field, false);
        }
    }
}
