#include "entities/ApplicationReport.h"
#include "entities/DerivedField.h"
#include "entities/Form.h"
#include "entities/FormInterface.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "merge/ProjectMerger.h"
#include "merge/ProjectMergerPageKinds.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/RefField.h"
#include "model/Table.h"

Table* ProjectMerger::FindFirstTable(const CString& name) const
{
    if (!m_firstTables)
    {
        m_firstTables.emplace();
        for (const Module* module : m_first->GetModules())
            AddModuleTables(*m_firstTables, *module);
    }
    return m_firstTables->Find(name);
}

void ProjectMerger::IndexTable(Table* table)
{
    if (m_firstTables && m_targetInFirst)
        m_firstTables->Add(table->GetTableName(), table);
}

Menu* ProjectMerger::FindFirstMenu(const Menu* menu) const
{
    if (menu == nullptr)
        return nullptr;
    if (!m_firstMenus)
    {
        m_firstMenus.emplace(true);
        for (const Module* module : m_first->GetModules())
            for (Menu* top : module->GetMenus())
                AddMenuTree(*m_firstMenus, top);
    }
    return m_firstMenus->Find(menu->GetFullName());
}

void ProjectMerger::AddMenuTree(MergeNameIndex<Menu>& index, Menu* menu)
{
    index.Add(menu->GetFullName(), menu);
    for (Menu* child : menu->GetSubMenus())
        AddMenuTree(index, child);
}

void ProjectMerger::IndexMenuTree(Menu* menu)
{
    if (m_firstMenus && m_targetInFirst)
        AddMenuTree(*m_firstMenus, menu);
}

void ProjectMerger::IndexModule(const Module& module)
{
    if (m_firstTables)
        AddModuleTables(*m_firstTables, module);
    if (m_firstMenus)
        for (Menu* top : module.GetMenus())
            AddMenuTree(*m_firstMenus, top);
    if (m_firstClasses)
        AddModuleClasses(*m_firstClasses, module);
    if (m_firstForms)
        AddPages(*m_firstForms, module.GetMasterForms());
    if (m_firstTransactions)
        AddPages(*m_firstTransactions, module.GetTransactions());
    if (m_firstReports)
        AddPages(*m_firstReports, module.GetReports());
}

void ProjectMerger::DropIndexes()
{
    m_firstTables.reset();
    m_firstMenus.reset();
    m_firstClasses.reset();
    m_firstForms.reset();
    m_firstTransactions.reset();
    m_firstReports.reset();
}

Field* ProjectMerger::FindFirstField(const Field* field, const FormInterface* page) const
{
    const CString& name = field->GetFieldName();
    if (const Table* owner = field->GetTable())
    {
        // The index ignores the case of ASCII letters, as the lower-case name does.
        const Table* table = FindFirstTable(owner->GetTableName());
        return table != nullptr ? table->FindFieldByName(name) : nullptr;
    }
    if (page == nullptr)
        return nullptr;
    if (const RefField* refField = page->FindRefFieldByName(name))
        return refField->GetField();
    const DerivedField* derivedField = page->FindDerivedFieldByName(name);
    return derivedField != nullptr ? derivedField->GetField() : nullptr;
}

Procedure* ProjectMerger::FindFirstProcedure(const CString& name) const
{
    for (const Module* module : m_first->GetModules())
        if (Procedure* procedure = module->FindProcedureByNameNoCase(name))
            return procedure;
    return nullptr;
}

Variable* ProjectMerger::FindFieldParameterByName(const Procedure* procedure, const CString& name)
{
    return procedure != nullptr ? procedure->FindFieldParameterVariableByName(name) : nullptr;
}

Table* ProjectMerger::ResolveTableReference(Table* source)
{
    if (source == nullptr)
        return nullptr;
    if (Table* found = FindFirstTable(source->GetTableName()))
        return found;
    return AdoptTable(m_newEntities.GetTableCounterpart(source), source);
}

Field* ProjectMerger::ResolveFieldReference(Field* source, const FormInterface* page)
{
    if (source == nullptr)
        return nullptr;
    if (Field* found = FindFirstField(source, page))
        return found;
    return FieldCounterpart(source);
}

Field* ProjectMerger::FieldCounterpart(Field* source)
{
    Field* counterpart = m_newEntities.GetFieldCounterpart(source);
    if (counterpart == nullptr || source->GetTable() == nullptr)
        return counterpart;
    return AdoptField(counterpart, source, ResolveTableReference(source->GetTable()));
}

Procedure* ProjectMerger::ResolveProcedureReference(Procedure* source)
{
    if (source == nullptr)
        return nullptr;
    if (Procedure* found = FindFirstProcedure(source->GetName()))
        return found;
    return AdoptProcedure(m_newEntities.GetProcedureCounterpart(source), source);
}

Procedure* ProjectMerger::AdoptProcedure(Procedure* procedure, const Procedure* source)
{
    if (procedure == nullptr || !m_newEntities.OwnsCreated(procedure))
        return procedure;
    if (m_targetModule == nullptr)
        return nullptr;
    // Named first: the module keeps its procedures sorted by name.
    procedure->SetName(source->GetName());
    m_targetModule->AddProcedure(procedure);
    m_newEntities.HandOver(procedure);
    return procedure;
}

Table* ProjectMerger::AdoptTable(Table* made, const Table* source)
{
    if (made == nullptr || !m_newEntities.OwnsCreated(made))
        return made;
    if (m_targetModule == nullptr || !SourceModuleHolds(source))
        return nullptr;
    CString name = source->GetTableName();
    if (Table* namesake = m_targetModule->FindTableByName(name))
        return namesake;
    if (made->GetTableName().IsEmpty())
        made->SetTableName(source->GetTableName());
    made->SetKind(source->GetKind());
    m_targetModule->AddTable(made);
    IndexTable(made);
    m_newEntities.HandOver(made);
    return made;
}

bool ProjectMerger::SourceModuleHolds(const Table* source) const
{
    CString name = source->GetLowerName();
    return m_sourceModule != nullptr && m_sourceModule->FindTableByName(name) != nullptr;
}

Field* ProjectMerger::AdoptField(Field* made, const Field* source, Table* table)
{
    if (made == nullptr || !m_newEntities.OwnsCreated(made))
        return made;
    if (table == nullptr)
        return nullptr;
    if (Field* namesake = table->FindFieldByName(source->GetFieldName()))
        return namesake;
    made->SetTable(table);
    table->AddField(made);
    m_newEntities.HandOver(made);
    return made;
}
