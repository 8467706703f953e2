#include "editors/logic/UserFunctionEditor.h"

#include "editors/logic/ListLookup.h"
#include "entities/Class.h"
#include "entities/Function.h"
#include "entities/Parameter.h"
#include "entities/ProcedureFieldInfo.h"
#include "model/Field.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"
#include "platform/core/HostPath.h"
#include "platform/core/MessageBox.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace
{

ListRow NameRow(const CString& name)
{
    return ListRow{{"", name}};
}
} // namespace

UserFunctionEditor::UserFunctionEditor(ForgeonProject& project, EditorHost& host)
    : PaneEditor(m_states), m_project(project), m_host(host)
{
}

UserFunctionEditor::~UserFunctionEditor() = default;

const std::vector<ListColumn>& UserFunctionEditor::TableColumns()
{
    static const std::vector<ListColumn> columns{{"", 4}, {"Table", 56}};
    return columns;
}

const std::vector<ListColumn>& UserFunctionEditor::OutputColumns()
{
    static const std::vector<ListColumn> columns{{"", 4}, {"Output Fields", 56}};
    return columns;
}

const std::vector<ListColumn>& UserFunctionEditor::ParameterColumns()
{
    static const std::vector<ListColumn> columns{{"", 4}, {"Parameters", 56}};
    return columns;
}

const std::vector<ToolTip>& UserFunctionEditor::ToolTips()
{
    static const std::vector<ToolTip> tips = []
    {
        std::vector<ToolTip> table{
            {IDC_MODULE, 62600, "Select module"},
            {IDC_CLASS, 62601, "Select class"},
            {IDC_FUNCTION, 62602, "Select function"},
            {IDC_TABLE_MODULE, 62603, "Select table module"},
            {IDC_DEPENDENT_TABLE, 62604, "Select dependent table"},
            {IDC_ADD_TABLE, 62605, "Add dependent table"},
            {IDC_PARAMETERS, 62606, "Parameter list"},
            {IDC_DEPENDENT_TABLES, 62607, "Dependent table list"},
            {IDC_ADD_OUTPUT_FIELDS, 62608, "Add output fields"},
            {IDC_OUTPUT_FIELDS, 62609, "Output fields list"},
            {IDC_BODY, 62610, "Function body"},
            {IDC_OK, 62611, "Add user defined function"},
            {IDC_CANCEL, 62612, "Cancel function"},
            {IDC_HELP_BUTTON, 62613, "Help on user defined function"},
        };
        RegisterToolTipStrings(table);
        return table;
    }();
    return tips;
}

CString UserFunctionEditor::ClassFilePath(const ForgeonProject& project, const Module& module,
                                          const Class& dataClass)
{
    const CString name = project.GetProjectName();
    const CString table =
        dataClass.GetTable() != nullptr ? dataClass.GetTable()->GetTableName() : CString();
    return project.GetProjectPath() + "\\" + name + "\\\\" + name + "\\" + module.GetName() +
           "\\CS\\" + table + "_partial.cs";
}

void UserFunctionEditor::LoadFunction(Function* function)
{
    Empty();
    m_created.reset();
    if (function == nullptr)
    {
        m_created = std::make_unique<Function>();
        function = m_created.get();
    }
    m_function = function;
    const std::vector<CString> modules = m_project.GetModuleNames();
    m_module = m_project.GetCurrentModule();
    const int current = PositionOf(m_project.GetModules(), m_module);
    for (int id : {IDC_MODULE, IDC_TABLE_MODULE})
    {
        m_states.SetItems(id, modules);
        m_states.Select(id, current);
    }
    if (Module* module = ChosenModule())
        m_classes = module->GetClasses();
    std::vector<CString> names;
    for (const Class* each : m_classes)
        names.push_back(each->GetFieldName());
    m_states.SetItems(IDC_CLASS, names);
    m_states.Select(IDC_CLASS, PositionOf(m_classes, m_function->GetClass()));
    FillMethods();
    for (size_t i = 0; i < m_methods.size(); ++i)
        if (m_methods[i]->name.text == m_function->GetFieldName())
        {
            m_states.Select(IDC_FUNCTION, static_cast<int>(i));
            break;
        }
    if (Module* tableModule =
            ItemAt(m_project.GetModules(), m_states.GetSelection(IDC_TABLE_MODULE)))
        tableModule->GetAllTables(m_tables);
    names.clear();
    for (const Table* table : m_tables)
        names.push_back(table->GetTableName());
    m_states.SetItems(IDC_DEPENDENT_TABLE, names);
    FillTables();
    FillOutputs();
    FillParameters();
    NoteLoaded();
}

CString UserFunctionEditor::ItemName() const
{
    if (m_created == nullptr)
        return m_function->GetFieldName();
    const CSharpMethodInfo* method = ChosenMethod();
    return method != nullptr ? method->name.text : CString();
}

std::vector<CString> UserFunctionEditor::NewItemContent() const
{
    std::vector<CString> content = {CString(std::to_string(m_states.GetSelection(IDC_CLASS)))};
    for (const std::vector<ListRow>* rows : {&m_tableRows, &m_outputRows, &m_parameterRows})
        AddRows(content, *rows);
    return content;
}

void UserFunctionEditor::ForgetFunction(Function* function)
{
    if (m_created.get() == function)
        static_cast<void>(m_created.release());
    m_created.reset();
    m_function = nullptr;
    Empty();
}

void UserFunctionEditor::ChooseClass(int index)
{
    m_states.Select(IDC_CLASS, index);
    Class* chosen = ChosenClass();
    if (m_function == nullptr || chosen == nullptr)
        return;
    m_function->SetClass(chosen);
    m_function->SetTable(chosen->GetTable());
    FillMethods();
    FillParameters();
}

void UserFunctionEditor::ChooseMethod(int index)
{
    m_states.Select(IDC_FUNCTION, index);
    FillParameters();
    const CSharpMethodInfo* method = ChosenMethod();
    m_states.SetText(IDC_BODY, method != nullptr ? method->body : CString());
}

void UserFunctionEditor::AddTable()
{
    Table* table = ItemAt(m_tables, m_states.GetSelection(IDC_DEPENDENT_TABLE));
    if (m_function == nullptr || table == nullptr)
        return;
    if (!m_function->UsesTable(table))
        m_function->AddUsedTable(table);
    m_states.Select(IDC_DEPENDENT_TABLE, -1);
    FillTables();
}

void UserFunctionEditor::DeleteTable()
{
    Table* table =
        m_function != nullptr ? ItemAt(m_function->GetUsedTables(), m_selectedTableRow) : nullptr;
    if (table == nullptr)
        return;
    m_project.RemoveFunctionDependentTableReferences(m_function, table);
    Module::RemoveFunctionTable(m_project.GetModules(), m_function, table);
    FillTables();
    FillOutputs();
}

void UserFunctionEditor::UpdateParameters()
{
    if (m_function == nullptr || ChosenMethod() == nullptr)
        return;
    m_function->SyncParameters(ChosenMethodParameters());
    FillParameters();
}

void UserFunctionEditor::AddOutputFields()
{
    if (m_function == nullptr || ChosenMethod() == nullptr)
        return;
    m_host.EditOutputFields(*m_function);
    FillOutputs();
}

void UserFunctionEditor::Ok()
{
    const CSharpMethodInfo* method = ChosenMethod();
    Class* chosen = ChosenClass();
    Module* module = ChosenModule();
    if (m_function == nullptr || method == nullptr || chosen == nullptr || module == nullptr)
    {
        AfxMessageBox("Function is not complete");
        return;
    }
    m_function->SetName(method->name.text);
    m_function->SetKind(1);
    for (const CString& name : ChosenMethodParameters())
        if (m_function->FindParameterByName(name) == nullptr)
        {
            auto* parameter = new Parameter;
            parameter->SetName(name);
            m_function->AddParameter(parameter);
        }
    if (chosen->FindFunctionByName(m_function->GetFieldName()) == nullptr)
    {
        if (m_created.get() == m_function)
            static_cast<void>(m_created.release());
        m_function->SetClass(chosen);
        chosen->AddFunction(m_function);
        m_host.AddUserFunctionItem(*module, *m_function);
    }
    // A new function the class already had under that name is not stored.
    if (m_created != nullptr)
    {
        m_created.reset();
        m_function = nullptr;
    }
    Empty();
    NoteLoaded();
}

void UserFunctionEditor::Cancel()
{
    // What Cancel leaves is not asked about.
    NoteLoaded();
    m_host.ShowStartPage();
}

void UserFunctionEditor::Empty()
{
    for (int id : {IDC_MODULE, IDC_TABLE_MODULE, IDC_CLASS, IDC_FUNCTION, IDC_DEPENDENT_TABLE})
        m_states.SetItems(id, {});
    m_states.SetText(IDC_BODY, "");
    m_classes.clear();
    m_tables.clear();
    m_methods.clear();
    m_tableRows.clear();
    m_outputRows.clear();
    m_parameterRows.clear();
    m_selectedTableRow = -1;
}

Class* UserFunctionEditor::ChosenClass() const
{
    return ItemAt(m_classes, m_states.GetSelection(IDC_CLASS));
}

Module* UserFunctionEditor::ChosenModule() const
{
    return ItemAt(m_project.GetModules(), m_states.GetSelection(IDC_MODULE));
}

const CSharpMethodInfo* UserFunctionEditor::ChosenMethod() const
{
    return ItemAt(m_methods, m_states.GetSelection(IDC_FUNCTION));
}

std::vector<CString> UserFunctionEditor::ChosenMethodParameters() const
{
    std::vector<CString> names;
    if (const CSharpMethodInfo* method = ChosenMethod())
        for (const CSharpParameterInfo* parameter : method->parameters)
            names.push_back(parameter->name.text);
    return names;
}

void UserFunctionEditor::FillMethods()
{
    m_methods.clear();
    m_states.SetText(IDC_BODY, "");
    const Class* chosen = ChosenClass();
    const Module* module = ChosenModule();
    if (chosen != nullptr && module != nullptr)
    {
        m_parser.Clear();
        const std::string path = ToHostPath(ClassFilePath(m_project, *module, *chosen));
        std::error_code error;
        const int parsed =
            std::filesystem::exists(path, error) ? m_parser.Parse(path.c_str(), nullptr) : -1;
        if (parsed == 0)
        {
            for (const CSharpClassInfo* info : m_parser.GetClasses())
                if (info->name.text == chosen->GetFieldName())
                    m_methods.insert(m_methods.end(), info->methods.begin(), info->methods.end());
        }
        else if (parsed == 3)
            AfxMessageBox(m_parser.GetRefusal().c_str());
    }
    std::vector<CString> names;
    for (const CSharpMethodInfo* method : m_methods)
        names.push_back(method->name.text);
    m_states.SetItems(IDC_FUNCTION, names);
}

void UserFunctionEditor::FillTables()
{
    m_tableRows.clear();
    if (m_function != nullptr)
        for (const Table* table : m_function->GetUsedTables())
            m_tableRows.push_back(NameRow(table->GetTableName()));
}

void UserFunctionEditor::FillOutputs()
{
    m_outputRows.clear();
    if (m_function != nullptr)
        for (const ProcedureFieldInfo* column : m_function->GetOutputFields())
            m_outputRows.push_back(NameRow(
                column->GetField() != nullptr ? column->GetField()->GetFieldName() : CString()));
}

void UserFunctionEditor::FillParameters()
{
    m_parameterRows.clear();
    if (m_function == nullptr)
        return;
    if (IsNew())
        for (const CString& name : ChosenMethodParameters())
            m_parameterRows.push_back(NameRow(name));
    else
        for (const Parameter* parameter : m_function->GetParameters())
            m_parameterRows.push_back(NameRow(parameter->GetFieldName()));
}
