#include "model/TableFormCreator.h"

#include "entities/Form.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"

TableFormCreator::TableFormCreator(Table* table, ForgeonProject* project)
    : m_project(project), m_table(table)
{
}

TableFormCreator::~TableFormCreator()
{
    m_project = nullptr;
    m_table = nullptr;
}

namespace
{
Module* CurrentModuleOf(const ForgeonProject* project)
{
    return project == nullptr ? nullptr : project->GetCurrentModule();
}
} // namespace

Form* TableFormCreator::CreateForm()
{
    Module* module = CurrentModuleOf(m_project);
    if (module == nullptr || m_table == nullptr)
        return nullptr;
    Form* form = module->GetMasterFormForTable(m_table, true);
    Class* dataClass = module->GetClassForTable(m_table, true);
    const CString tableName = m_table->GetTableName();
    if (form->GetFormName().IsEmpty())
        form->SetName(tableName + "_form");
    CString caption = tableName + " Form";
    caption.Replace('_', ' ');
    form->SetHeader(caption);
    form->AddVariablesForTable(m_table);
    form->CreateFieldRepsForTable(m_table);
    Module::RefreshFieldRepData(form);
    module->AddMasterForm(form, true);
    module->AddDefaultClassFunctions(dataClass);
    return form;
}

ApplicationReport* TableFormCreator::CreateReport()
{
    Module* module = CurrentModuleOf(m_project);
    return module == nullptr ? nullptr : module->CreateSearchReport(m_table);
}
