#include "model/TransactionDataCreator.h"

#include "entities/Transaction.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/RDLCCreator.h"
#include "model/Table.h"
#include "platform/core/MessageBox.h"

#include <algorithm>

TransactionDataCreator::TransactionDataCreator(Table* basicTable, ForgeonProject* project)
    : m_project(project), m_basicTable(basicTable)
{
}

TransactionDataCreator::TransactionDataCreator(Table* basicTable, Table* detailTable,
                                               ForgeonProject* project, Transaction* transaction)
    : m_project(project), m_basicTable(basicTable), m_detailTable(detailTable),
      m_transaction(transaction)
{
}

TransactionDataCreator::~TransactionDataCreator()
{
    m_project = nullptr;
    m_basicTable = nullptr;
    m_detailTable = nullptr;
    m_transaction = nullptr;
}

void TransactionDataCreator::CreateAll()
{
    if (!CheckBasicTable())
        return;
    CreateDetailTable();
    CreateTransaction();
    AddClassFunctions();
    CreateReport();
    CreateRDLCReport();
}

CString TransactionDataCreator::DerivedName(const char* replacement) const
{
    CString name = m_basicTable->GetTableName();
    if (name.Replace("_basic", replacement) == 0)
        name.Replace("_Basic", replacement);
    return name;
}

bool TransactionDataCreator::NamesOwnDetailTable() const
{
    return m_basicTable != nullptr && m_basicTable->GetKind() == Table::masterDetailKind &&
           DerivedName("_detail").CompareNoCase(m_basicTable->GetTableName()) == 0;
}

bool TransactionDataCreator::CheckBasicTable() const
{
    if (!NamesOwnDetailTable())
        return true;
    AfxMessageBox("The table " + m_basicTable->GetTableName() +
                  " has no _basic in its name and would become its own detail table: no "
                  "master-detail page is made for it.");
    return false;
}

bool TransactionDataCreator::HasForeignKeyToBasicTable(const CString& name) const
{
    return std::ranges::any_of(m_detailTable->GetFields(),
                               [this, &name](const Field* field)
                               {
                                   return field->GetFieldName().CompareNoCase(name) == 0 &&
                                          field->GetForeignField() != nullptr &&
                                          field->GetForeignField()->GetTable() == m_basicTable;
                               });
}

Table* TransactionDataCreator::FindMasterDetailTable(const CString& name) const
{
    for (const Module* module : m_project->GetModules())
    {
        for (Table* table : module->GetTransactionTables())
        {
            if (table->GetKind() == Table::masterDetailKind &&
                table->GetTableName().CompareNoCase(name) == 0)
                return table;
        }
    }
    return nullptr;
}

Table* TransactionDataCreator::CreateDetailTable()
{
    Module* module = CurrentModuleOf(m_project);
    if (module == nullptr || m_basicTable == nullptr || NamesOwnDetailTable())
        return nullptr;
    CString detailName = DerivedName("_detail");
    detailName.MakeLower();
    if (m_detailTable == nullptr)
        m_detailTable = FindMasterDetailTable(detailName);
    if (m_detailTable == nullptr)
    {
        m_detailTable = new Table;
        m_detailTable->SetKind(Table::masterDetailKind);
    }
    m_detailTable->SetTableName(detailName);
    m_detailTable->EnsureDefaultFields();
    const CString keyName = DerivedName("_id");
    if (!HasForeignKeyToBasicTable(keyName))
    {
        auto* field = new Field;
        field->Set(keyName, keyName, /*typeCode=*/0, /*size=*/4, /*precision=*/0,
                   m_basicTable->GetPrimaryKeyField(), "", /*keyFlag=*/false,
                   /*foreignKeyFlag=*/true, /*allowNullFlag=*/false, /*keyColumnMark=*/false,
                   /*frontFieldFlag=*/false);
        field->EnsureDisplayName();
        m_detailTable->AddField(field);
        field->SetTable(m_detailTable);
    }
    // A table found in another module stays there: a module deletes the tables it lists.
    const std::vector<Module*>& modules = m_project->GetModules();
    if (std::ranges::none_of(modules, [this](const Module* other)
                             { return other->ContainsTable(m_detailTable); }))
        module->AddTable(m_detailTable);
    return m_detailTable;
}

Transaction* TransactionDataCreator::CreateTransaction()
{
    Module* module = CurrentModuleOf(m_project);
    if (module == nullptr || m_basicTable == nullptr || m_detailTable == nullptr)
        return nullptr;
    m_transaction = new Transaction;
    m_transaction->SetName(DerivedName(""));
    m_transaction->SetBasicTable(m_basicTable);
    m_transaction->AddDetailTable(m_detailTable);
    for (Table* table : {m_basicTable, m_detailTable})
    {
        m_transaction->AddVariablesForTable(table);
        m_transaction->CreateFieldRepsForTable(table);
    }
    Module::RefreshFieldRepData(m_transaction);
    module->AddTransaction(m_transaction, true);
    return m_transaction;
}

void TransactionDataCreator::AddClassFunctions()
{
    Module* module = CurrentModuleOf(m_project);
    if (module == nullptr || m_transaction == nullptr)
        return;
    if (m_transaction->GetBasicTable() != nullptr)
        module->AddDefaultClassFunctions(
            module->GetClassForTable(m_transaction->GetBasicTable(), true));
    for (Table* detail : m_transaction->GetDetailTables())
        module->AddDefaultClassFunctions(module->GetClassForTable(detail, true));
}

ApplicationReport* TransactionDataCreator::CreateReport()
{
    return m_project != nullptr ? m_project->CreateSearchReport(m_basicTable) : nullptr;
}

void TransactionDataCreator::CreateRDLCReport()
{
    RDLCCreator(m_basicTable, m_project).CreateReport();
}
