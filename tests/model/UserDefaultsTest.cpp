#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/LoginPage.h"
#include "entities/Menu.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/ForgeonProject.h"
#include "model/LoginPageCreator.h"
#include "model/Module.h"
#include "model/Table.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::string NameOf(const Field* field)
{
    return field == nullptr ? "(none)" : field->GetFieldName().str();
}

std::vector<std::string> ControlNames(const FormInterface& page)
{
    std::vector<std::string> names;
    for (const FieldRep* control : page.GetFieldReps())
        names.push_back(NameOf(control->GetField()));
    return names;
}

// Each visibility of the page file of the kind: its field's name (or "(none)") and its kind.
std::vector<std::string> Visibilities(const Form& form, int fileKind)
{
    std::vector<std::string> entries;
    for (const FieldVisibility* visibility :
         form.FindAspFileByType(fileKind)->GetFieldVisibilities())
    {
        entries.push_back(NameOf(visibility->GetField()) + " " +
                          visibility->GetVisibilityName().str());
    }
    return entries;
}

class UserDefaultsTest : public ::testing::Test
{
protected:
    Table* UserAccountTable() { return m_base.FindMasterTableByNameExact("useraccount"); }

    OpenBaseModuleProject m_open;
    Module& m_base = m_open.Base();
};

TEST_F(UserDefaultsTest, LoginTablesHaveTheirColumnsInOrderWithTypesSizesAndLinks)
{
    m_base.EnsureSystemTables();

    Table* roles = m_base.FindMasterTableByNameExact("personnel_role");
    Table* accounts = UserAccountTable();
    ASSERT_NE(nullptr, roles);
    ASSERT_NE(nullptr, accounts);

    struct Expected
    {
        const Table* table;
        const char* name;
        int type;
        int size;
        bool front;
    };
    for (const Expected& column : {Expected{roles, "role_name", FieldTypeVarchar, 50, true},
                                   Expected{roles, "role_no", FieldTypeInt, 4, false},
                                   Expected{accounts, "username", FieldTypeNVarchar, 50, true},
                                   Expected{accounts, "password", FieldTypeNVarchar, 50, false},
                                   Expected{accounts, "personnel_role_id", FieldTypeInt, 4, false}})
    {
        SCOPED_TRACE(column.name);
        const Field* field = column.table->FindFieldByName(column.name);
        ASSERT_NE(nullptr, field);
        EXPECT_EQ(column.type, field->GetTypeCode());
        EXPECT_EQ(column.size, field->GetSize());
        EXPECT_EQ(column.front, field->IsFrontField());
        EXPECT_EQ(column.table, field->GetTable());
        EXPECT_FALSE(field->GetDisplayName().IsEmpty());
    }
    const Field* roleLink = accounts->GetFieldAt(4);
    EXPECT_TRUE(roleLink->IsForeignKey());
    EXPECT_EQ(roles->GetPrimaryKeyField(), roleLink->GetForeignField());

    for (Table* table : {roles, accounts})
    {
        const Class* dataClass = m_base.GetClassForTable(table, false);
        ASSERT_NE(nullptr, dataClass) << table->GetTableName().str();
        EXPECT_NE(nullptr, dataClass->FindFunctionByName("SelectAllRecords"));
    }
}

TEST_F(UserDefaultsTest, LoginTablesOfAnyLetterCaseAreNotMadeAgain)
{
    m_base.AddTable(NewTable("UserAccount", Table::masterKind, {"login"}));
    m_base.AddTable(NewTable("Personnel_Role", Table::masterKind, {"title"}));

    m_base.EnsureSystemTables();
    m_base.EnsureSystemTables();

    ASSERT_EQ(2u, m_base.GetMasterTables().size());
    EXPECT_EQ(nullptr, UserAccountTable());
    EXPECT_TRUE(m_base.GetClasses().empty());
    EXPECT_TRUE(Module::IsUserAccountTable(m_base.FindMasterTableByName("useraccount")));
    EXPECT_FALSE(Module::IsUserAccountTable(m_base.FindMasterTableByName("personnel_role")));
    EXPECT_FALSE(Module::IsUserAccountTable(nullptr));
}

TEST_F(UserDefaultsTest,
       UserAccountFormHasPasswordBoxesAndTheRoleBoxLastAndIsCopiedForChangePassword)
{
    m_base.EnsureSystemTables();
    m_base.CreateUserAccountForm();

    Table* accounts = UserAccountTable();
    const Form* form = m_base.FindMasterFormForTable(accounts);
    ASSERT_NE(nullptr, form);
    EXPECT_TRUE(m_base.HasUserAccountForm());
    EXPECT_EQ(CString("useraccount_form"), form->GetFormName());
    EXPECT_EQ(CString("useraccount Form"), form->GetHeader());
    EXPECT_EQ(1, form->GetColumnCount());
    EXPECT_EQ((std::vector<std::string>{"username", "password", "new_password", "confirm_password",
                                        "personnel_role_id"}),
              ControlNames(*form));

    const FieldRep* roleControl = form->GetFieldReps()[4];
    EXPECT_EQ(CString("Personnel Role"), roleControl->GetFieldRepData()->GetCaption());
    EXPECT_EQ(7, form->GetFieldReps()[1]->GetFieldRepData()->GetControlKind());
    EXPECT_NE(7, form->GetFieldReps()[0]->GetFieldRepData()->GetControlKind());

    Field* newPassword = form->GetFieldReps()[2]->GetField();
    EXPECT_EQ(nullptr, newPassword->GetTable());
    EXPECT_EQ(FieldTypeNVarchar, newPassword->GetTypeCode());
    EXPECT_EQ(CString("New Password"), newPassword->GetDisplayName());
    EXPECT_FALSE(accounts->ContainsField(newPassword));
    const FieldVariableMap* map = form->FindFieldVariableMapByField(newPassword);
    ASSERT_NE(nullptr, map);
    // Named and of the kind that a load gives the variable.
    EXPECT_EQ(CString("new_password"), map->variable->GetFieldName());
    EXPECT_EQ(Variable::pageKind, map->variable->GetKind());
    EXPECT_EQ(map->variable, form->GetFieldReps()[2]->GetFieldRepData()->GetVariable());

    EXPECT_EQ((std::vector<std::string>{"new_password Invisible"}), Visibilities(*form, 5));
    EXPECT_EQ((std::vector<std::string>{"password Invisible"}), Visibilities(*form, 7));

    const ApplicationReport* report = m_base.FindReportByName("useraccount Report");
    ASSERT_NE(nullptr, report);
    EXPECT_EQ(1u, report->GetReportGroups().size());

    // The change-password form is a copy with password fields of its own.
    m_base.CreateChangePasswordForm();
    const Form* source = form;
    const Form* copy = m_base.FindMasterFormByName("ChangePassword_form");
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ(CString("Change Password"), copy->GetHeader());
    EXPECT_EQ(UserAccountTable(), copy->GetTable());
    EXPECT_EQ(ControlNames(*source), ControlNames(*copy));
    for (int i : {2, 3})
    {
        Field* own = copy->GetFieldReps()[i]->GetField();
        ASSERT_NE(nullptr, own);
        EXPECT_NE(source->GetFieldReps()[i]->GetField(), own);
        EXPECT_NE(nullptr, copy->FindFieldVariableMapByField(own));
    }
    // The copied visibilities keep their kind but no field: the add page shows new_password and
    // the update page the password box.
    EXPECT_EQ((std::vector<std::string>{"(none) Invisible"}), Visibilities(*copy, 5));
    EXPECT_EQ((std::vector<std::string>{"(none) Invisible", "username ReadOnly",
                                        "personnel_role_id Invisible"}),
              Visibilities(*copy, 7));
    EXPECT_EQ((std::vector<std::string>{"password Invisible"}), Visibilities(*source, 7));
}

TEST_F(UserDefaultsTest, DefaultRoleIsAdminWithTheFirstIdAndTheSecondDashboardPage)
{
    Designation::SetIdCounter(40);
    m_base.AddDashBoardPage(NewPage<DashBoardPage>("first"), false);
    DashBoardPage* second = NewPage<DashBoardPage>("second");
    m_base.AddDashBoardPage(second, false);

    m_base.EnsureDefaultDesignation();
    m_base.EnsureDefaultDesignation();

    ASSERT_EQ(1u, m_base.GetDesignations().size());
    const Designation* admin = m_base.GetDesignations().front();
    EXPECT_EQ(CString("admin"), admin->GetName());
    EXPECT_EQ(1, admin->GetId());
    EXPECT_EQ(second, admin->GetDashBoardPage());
}

TEST_F(UserDefaultsTest, RoleIdsNeverRepeatForModulesBesideTheOpenProject)
{
    Module* other = NewModule("Module2", 2);
    m_open.Project().AddModule(other);
    for (int i = 0; i < 3; ++i)
        other->Append(new Designation(TRUE));
    const int highest = other->GetDesignations().back()->GetId();
    Designation::SetIdCounter(1);

    // A module of a project read for a merge, below the open project's ids.
    Module outside("BaseModule");
    outside.EnsureDefaultDesignation();
    EXPECT_EQ(highest + 1, outside.GetDesignations().front()->GetId());

    // The open project's own base module continues after its other roles.
    m_base.EnsureDefaultDesignation();
    EXPECT_EQ(highest + 1, m_base.GetDesignations().front()->GetId());
    EXPECT_EQ(highest + 1, m_open.Project().GetHighestDesignationId());
}

TEST_F(UserDefaultsTest, MenusAreGrantedToTheFirstRoleOfTheBaseModule)
{
    Module* other = NewModule("Module2", 2);
    m_open.Project().AddModule(other);
    auto* menu = new Menu;
    other->Append(menu);
    other->AddMenuToDefaultDesignation(menu);

    m_base.EnsureDefaultDesignation();
    m_base.Append(new Designation(TRUE));
    other->AddMenuToDefaultDesignation(menu);
    other->AddMenuToDefaultDesignation(menu);

    const Designation* admin = m_base.GetDesignations().front();
    ASSERT_EQ(1u, admin->GetMenus().size());
    EXPECT_EQ(menu, admin->GetMenus().front());
    EXPECT_TRUE(m_base.GetDesignations().back()->GetMenus().empty());
}

// Names of the module's tables, forms and reports.
std::vector<std::string> ContentNames(const Module& module)
{
    std::vector<std::string> names;
    for (const Table* table : module.GetMasterTables())
        names.push_back(table->GetTableName().str());
    for (const Form* form : module.GetMasterForms())
        names.push_back(form->GetFormName().str());
    for (const ApplicationReport* report : module.GetReports())
        names.push_back(report->GetFormName().str());
    return names;
}

TEST_F(UserDefaultsTest, LoginPageCreatorFillsTheBaseModuleOnceWhateverModuleIsCurrent)
{
    Module* second = NewModule("Module2", 2);
    m_open.Project().AddModule(second);
    m_open.Project().SetCurrentModule(second);

    LoginPageCreator().Create();
    const std::vector<std::string> names = ContentNames(m_base);
    LoginPage* loginPage = m_base.GetLoginPage();
    LoginPageCreator().Create();

    EXPECT_EQ((std::vector<std::string>{"personnel_role", "useraccount", "ChangePassword_form",
                                        "useraccount_form", "useraccount Report"}),
              names);
    EXPECT_EQ(names, ContentNames(m_base));
    EXPECT_EQ(2u, m_base.GetClasses().size());
    ASSERT_NE(nullptr, loginPage);
    EXPECT_EQ(loginPage, m_base.GetLoginPage());
    EXPECT_EQ(&m_base, loginPage->GetModule());
    EXPECT_EQ(2u, loginPage->GetFieldReps().size());
    EXPECT_EQ(second, m_open.Project().GetCurrentModule());
    EXPECT_TRUE(second->IsEmpty());
    EXPECT_EQ(nullptr, second->GetLoginPage());
}

TEST_F(UserDefaultsTest, LoginPageCreatorKeepsTheFormsOfAModuleWithAUserAccountForm)
{
    Table* accounts = NewTable("UserAccount", Table::masterKind, {"login"});
    m_base.AddTable(accounts);
    m_base.AddMasterForm(NewForm("accounts", accounts), false);

    LoginPageCreator().Create();

    EXPECT_EQ((std::vector<std::string>{"UserAccount", "personnel_role", "accounts"}),
              ContentNames(m_base));
    EXPECT_NE(nullptr, m_base.GetLoginPage());
}

TEST(LoginPageCreatorTest, NothingHappensWithoutAnOpenProjectOrModule)
{
    ForgeonProject empty;
    {
        const ScopedOpenProject open(&empty);
        LoginPageCreator().Create();
    }
    EXPECT_EQ(0, empty.GetModuleCount());

    ForgeonProject closed;
    Module* base = NewModule("BaseModule", 0);
    closed.AddModule(base);
    const ScopedOpenProject none(nullptr);
    LoginPageCreator().Create();
    EXPECT_TRUE(base->IsEmpty());
    EXPECT_EQ(nullptr, base->GetLoginPage());
}

} // namespace
