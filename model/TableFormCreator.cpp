#include "model/TableFormCreator.h"

#include "entities/Form.h"
#include "entities/MapForm.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/RDLCCreator.h"
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
    return m_project != nullptr ? m_project->CreateSearchReport(m_table) : nullptr;
}

void TableFormCreator::CreateRDLCReport()
{
    RDLCCreator(m_table, m_project).CreateReport();
}

void TableFormCreator::CreateAll()
{
    CreateForm();
    CreateReport();
    CreateRDLCReport();
}

MapForm* TableFormCreator::CreateMapForm()
{
    Module* module = CurrentModuleOf(m_project);
    if (module == nullptr || m_table == nullptr)
        return nullptr;
    const CString tableName = m_table->GetTableName();
    auto* mapForm = new MapForm;
    mapForm->SetMappingTable(m_table);
    mapForm->SetName(tableName + "_form");
    mapForm->SetHeader(tableName + " Form");
    mapForm->AddVariablesForTable(m_table);
    mapForm->CreateFieldRepsForTable(m_table);
    const std::vector<Field*>& fields = m_table->GetFields();
    for (Field* field : fields)
    {
        if (field->IsKeyOrDeletedFlag())
            continue;
        if (field == fields.back())
            mapForm->AddBottomField(field);
        else
            mapForm->AddTopField(field);
    }
    Module::RefreshFieldRepData(mapForm);
    module->AddMapForm(mapForm, true);
    return mapForm;
}

ApplicationReport* TableFormCreator::CreateMapReport()
{
    Module* module = CurrentModuleOf(m_project);
    if (module == nullptr)
        return nullptr;
    ApplicationReport* report = m_project->CreateSearchReport(m_table);
    MapForm* mapForm = report != nullptr ? module->FindMapFormByTable(m_table) : nullptr;
    if (mapForm != nullptr)
        mapForm->SetReport(report);
    return report;
}

void TableFormCreator::CreateMapPages()
{
    CreateMapForm();
    CreateMapReport();
}
