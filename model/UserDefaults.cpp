#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/LoginPage.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "entities/Variable.h"
#include "model/DefaultNames.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/ForgeonProject.h"
#include "model/MainFrameAccess.h"
#include "model/Module.h"
#include "model/Table.h"
#include "model/TableFormCreator.h"

#include <algorithm>
#include <map>
#include <span>

namespace
{
constexpr const char* userAccountFormName = "useraccount_form";
constexpr const char* roleKeyName = "personnel_role_id";
// Page-file kinds of a master form's add and update pages.
constexpr int addPageFileKind = 5;
constexpr int updatePageFileKind = 7;
// The control kind of a password box.
constexpr int passwordControlKind = 7;

// A column of a login table after its key and soft-delete columns.
struct LoginColumn
{
    const char* name;
    int typeCode;
    int size;
    bool frontField;
};

constexpr LoginColumn roleColumns[] = {
    {"role_name", FieldTypeVarchar, 50, true},
    {"role_no", FieldTypeInt, 4, false},
};

constexpr LoginColumn userAccountColumns[] = {
    {"username", FieldTypeNVarchar, 50, true},
    {"password", FieldTypeNVarchar, 50, false},
    {roleKeyName, FieldTypeInt, 4, false},
};

// A field of the type, captioned after its name.
Field* NewField(const char* name, int typeCode)
{
    auto* field = new Field;
    field->SetFieldName(name);
    field->SetType(typeCode);
    field->EnsureDisplayName();
    return field;
}

// An nvarchar field that only the form shows, and owns.
Field* NewPageField(Form& form, const char* name)
{
    Field* field = NewField(name, FieldTypeNVarchar);
    form.AdoptPageField(field);
    return field;
}

// A master table with its key and soft-delete columns followed by the columns.
Table* NewLoginTable(const char* name, std::span<const LoginColumn> columns)
{
    auto* table = new Table;
    table->SetTableName(name);
    table->SetKind(Table::masterKind);
    table->EnsureDefaultFields();
    for (const LoginColumn& column : columns)
    {
        Field* field = NewField(column.name, column.typeCode);
        field->SetSize(column.size);
        field->SetFrontField(column.frontField);
        field->SetTable(table);
        table->AddField(field);
    }
    return table;
}

void AddVisibility(AspFile* file, Field* field, int kind)
{
    if (file == nullptr || field == nullptr)
        return;
    auto* visibility = new FieldVisibility(field);
    visibility->SetVisibilityKind(kind);
    file->AddFieldVisibility(visibility);
}

void AddUpdatePageVisibility(const Form& form, Field* field, int kind)
{
    AddVisibility(form.FindAspFileByType(updatePageFileKind), field, kind);
}

// The project's current module is the module while the scope lasts.
class CurrentModuleScope
{
public:
    CurrentModuleScope(ForgeonProject* project, Module* module)
        : m_project(project), m_previous(project == nullptr ? nullptr : project->GetCurrentModule())
    {
        if (m_project != nullptr)
            m_project->SetCurrentModule(module);
    }
    ~CurrentModuleScope()
    {
        if (m_project != nullptr)
            m_project->SetCurrentModule(m_previous);
    }
    CurrentModuleScope(const CurrentModuleScope&) = delete;
    CurrentModuleScope& operator=(const CurrentModuleScope&) = delete;

private:
    ForgeonProject* m_project;
    Module* m_previous;
};

// The field a report column shows: its output column's; a column of a file older than version
// 24 has only a field of its own.
const Field* ShownField(const ReportField& column)
{
    const ProcedureFieldInfo* output = column.GetFieldInfo();
    return output != nullptr && output->GetField() != nullptr ? output->GetField()
                                                              : column.GetField();
}

bool HoldsModule(const ForgeonProject& project, const Module* module)
{
    return std::ranges::find(project.GetModules(), module) != project.GetModules().end();
}
} // namespace

void Module::EnsureSystemTables()
{
    EnsureRoleTable();
    EnsureUserAccountTable();
}

void Module::EnsureRoleTable()
{
    if (FindMasterTableByName(roleTableName) != nullptr)
        return;
    Table* table = NewLoginTable(roleTableName, roleColumns);
    AddTable(table);
    AddDefaultClassFunctions(GetClassForTable(table, true));
}

void Module::EnsureUserAccountTable()
{
    if (FindMasterTableByName(userAccountTableName) != nullptr)
        return;
    Table* table = NewLoginTable(userAccountTableName, userAccountColumns);
    Field* roleKey = table->FindFieldByName(roleKeyName);
    roleKey->SetForeignKey(true);
    if (const Table* roleTable = FindMasterTableByName(roleTableName))
        roleKey->SetForeignField(roleTable->GetPrimaryKeyField());
    AddTable(table);
    AddDefaultClassFunctions(GetClassForTable(table, true));
}

bool Module::IsUserAccountTable(const Table* table)
{
    return table != nullptr && table->GetLowerName() == userAccountTableName;
}

bool Module::HasUserAccountForm() const
{
    return std::ranges::any_of(m_masterForms, [](const Form* form)
                               { return IsUserAccountTable(form->GetTable()); });
}

FieldRep* Module::AddFieldControlToPage(FormInterface* page, Field* field)
{
    page->AddVariableForField(field);
    auto* control = new FieldRep(field);
    auto* data = new FieldRepData;
    control->SetFieldRepData(data);
    if (const FieldVariableMap* map = page->FindFieldVariableMapByField(field))
        data->SetVariable(map->variable);
    page->AddFieldRep(control);
    return control;
}

void Module::CreateUserAccountForm()
{
    Table* table = FindMasterTableByName(userAccountTableName);
    if (table == nullptr || FindMasterFormForTable(table) != nullptr)
        return;
    ForgeonProject* project = MainFrameAccess::GetProject();
    const CurrentModuleScope scope(project, this);
    TableFormCreator creator(table, project);
    Form* form = creator.CreateForm();
    if (form == nullptr)
        return;
    creator.CreateReport();
    form->SetColumnCount(1);

    Field* newPassword = NewPageField(*form, "new_password");
    FieldRep* newPasswordControl = AddFieldControlToPage(form, newPassword);
    FieldRep* confirmControl = AddFieldControlToPage(form, NewPageField(*form, "confirm_password"));

    Field* password = nullptr;
    for (Field* field : table->GetFields())
    {
        if (field->GetFieldName().Find("password") < 0)
            continue;
        password = field;
        const FieldRep* control = form->GetFieldRepForField(field);
        if (control != nullptr && control->GetFieldRepData() != nullptr)
            control->GetFieldRepData()->SetControlKind(passwordControlKind);
    }
    AddVisibility(form->FindAspFileByType(addPageFileKind), newPassword,
                  FieldVisibility::Invisible);
    AddUpdatePageVisibility(*form, password, FieldVisibility::Invisible);

    FieldRep* roleControl = form->FindFieldRepByFieldNameNoCase(roleKeyName);
    form->SwapFieldReps(newPasswordControl, roleControl);
    form->SwapFieldReps(confirmControl, roleControl);
    if (roleControl != nullptr && roleControl->GetFieldRepData() != nullptr)
        roleControl->GetFieldRepData()->SetCaption("Personnel Role");
}

void Module::CreateChangePasswordForm()
{
    Table* table = FindMasterTableByName(userAccountTableName);
    Form* source = GetMasterFormForTable(table, false);
    if (source == nullptr)
        return;
    SetPastedForm(source);
    Form* copy = TakePastedForm();
    copy->SetName(changePasswordFormName);
    copy->SetHeader("Change Password");
    AddMasterForm(copy, true);
    // The copy's controls take their variables as a load gives them.
    copy->SyncFieldRepsWithTable(table);
    AddUpdatePageVisibility(*copy, table->FindFieldByName("username"), FieldVisibility::ReadOnly);
    AddUpdatePageVisibility(*copy, table->FindFieldByName(roleKeyName), FieldVisibility::Invisible);
}

void Module::AddMenuToDefaultDesignation(Menu* menu)
{
    const ForgeonProject* project = MainFrameAccess::GetProject();
    const Module* base = this;
    if (project != nullptr && HoldsModule(*project, this))
        base = project->GetBaseModule();
    if (!base->m_designations.empty())
        base->m_designations.front()->AddMenu(menu);
}

void Module::EnsureDefaultDesignation()
{
    if (!m_designations.empty())
        return;
    const ForgeonProject* open = MainFrameAccess::GetProject();
    const int floor = ForgeonProject::GetDesignationIdFloor(nullptr);
    // A module beside the open project never lowers the counter below ids already given.
    const bool inOpenProject = open == nullptr || HoldsModule(*open, this);
    Designation::SetIdCounter(inOpenProject ? floor : std::max(floor, Designation::GetIdCounter()));
    auto* role = new Designation(TRUE);
    role->SetName("admin");
    m_designations.push_back(role);
    if (m_dashBoardPages.size() > 1)
        role->SetDashBoardPage(m_dashBoardPages[1]);
}

void Module::CreateLoginPage()
{
    if (m_loginPage != nullptr)
        return;
    auto* page = new LoginPage;
    page->CreateDefaultControls();
    AdoptLoginPage(page);
    AddLogoutMenuEntry();
}

void Module::EnsureLoginTableClasses(ForgeonProject& project)
{
    if (project.GetBaseModule() != this)
        return;
    for (const char* name : {roleTableName, userAccountTableName})
    {
        if (Table* table = FindMasterTableByNameExact(name))
            GetClassForTable(table, true);
    }
}

void Module::RemovePasswordFromUserAccountReport()
{
    for (const ApplicationReport* report : m_reports)
    {
        const Table* table = report->GetTable();
        if (table == nullptr || table->GetTableName() != userAccountTableName ||
            report->GetReportGroups().empty())
            continue;
        ReportGroup* group = report->GetReportGroups().front();
        const auto& columns = group->GetReportFields();
        const auto password = std::ranges::find_if(
            columns,
            [](const ReportField* column)
            {
                const Field* field = ShownField(*column);
                return field != nullptr && field->GetFieldName().CompareNoCase("password") == 0;
            });
        if (password == columns.end())
            continue;
        group->RemoveReportFieldAt(static_cast<int>(password - columns.begin()));
        return;
    }
}

void Module::RepairUserAccountPages()
{
    Table* table = FindMasterTableByNameExact(userAccountTableName);
    if (table == nullptr)
        return;
    Field* password = table->FindFieldByName("password");
    for (Field* field : {password, table->FindFieldByName("username")})
    {
        if (field != nullptr)
            field->SetType(FieldTypeNVarchar);
    }
    for (const Form* form : m_masterForms)
    {
        if (form->GetFormName().CompareNoCase(userAccountFormName) != 0)
            continue;
        AspFile* update = form->FindAspFileByType(updatePageFileKind);
        if (update != nullptr && update->GetFieldVisibilities().empty())
            AddVisibility(update, password, FieldVisibility::Invisible);
    }
}

void ForgeonProject::RepairBaseModuleUserAccountPages()
{
    if (Module* base = GetBaseModule())
    {
        base->RemovePasswordFromUserAccountReport();
        base->RepairUserAccountPages();
    }
}

int ForgeonProject::GetHighestDesignationId() const
{
    int highest = 0;
    for (const Module* module : m_modules)
    {
        for (const Designation* role : module->GetDesignations())
            highest = std::max(highest, role->GetId());
    }
    return highest;
}

int ForgeonProject::GetDesignationIdFloor(const ForgeonProject* replaced)
{
    const ForgeonProject* open = MainFrameAccess::GetProject();
    return open == nullptr || open == replaced ? 0 : open->GetHighestDesignationId();
}
