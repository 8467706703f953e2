#include "model/LoginPageCreator.h"

#include "entities/ApplicationReport.h"
#include "entities/Form.h"
#include "entities/LoginPage.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/Table.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// Names of the base module's tables, forms and reports, and its class count.
struct ModuleContents
{
    std::vector<std::string> names;
    std::size_t classes = 0;
    LoginPage* loginPage = nullptr;

    explicit ModuleContents(const Module& module)
        : classes(module.GetClasses().size()), loginPage(module.GetLoginPage())
    {
        for (const Table* table : module.GetMasterTables())
            names.push_back(table->GetTableName().str());
        for (const Form* form : module.GetMasterForms())
            names.push_back(form->GetFormName().str());
        for (const ApplicationReport* report : module.GetReports())
            names.push_back(report->GetFormName().str());
    }

    bool operator==(const ModuleContents&) const = default;
};
} // namespace

TEST(LoginPageCreatorTest, BaseModuleGetsLoginTablesPagesAndLoginPageOnce)
{
    OpenBaseModuleProject open;
    Module* second = NewModule("Module2", 2);
    open.Project().AddModule(second);
    open.Project().SetCurrentModule(second);

    LoginPageCreator().Create();
    const ModuleContents first(open.Base());
    LoginPageCreator().Create();

    EXPECT_EQ(first, ModuleContents(open.Base()));
    EXPECT_EQ((std::vector<std::string>{"personnel_role", "useraccount", "ChangePassword_form",
                                        "useraccount_form", "useraccount Report"}),
              first.names);
    EXPECT_EQ(2u, first.classes);
    ASSERT_NE(nullptr, first.loginPage);
    EXPECT_EQ(&open.Base(), first.loginPage->GetModule());
    EXPECT_EQ(2u, first.loginPage->GetFieldReps().size());
    EXPECT_EQ(second, open.Project().GetCurrentModule());
    EXPECT_TRUE(second->IsEmpty());
    EXPECT_EQ(nullptr, second->GetLoginPage());
}

TEST(LoginPageCreatorTest, AModuleWithAUserAccountFormKeepsItsPages)
{
    OpenBaseModuleProject open;
    Module& base = open.Base();
    Table* accounts = NewTable("UserAccount", Table::masterKind, {"login"});
    base.AddTable(accounts);
    base.AddMasterForm(NewForm("accounts", accounts), false);

    LoginPageCreator().Create();

    EXPECT_EQ((std::vector<std::string>{"UserAccount", "personnel_role", "accounts"}),
              ModuleContents(base).names);
    EXPECT_NE(nullptr, base.GetLoginPage());
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
