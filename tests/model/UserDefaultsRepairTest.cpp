#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Designation.h"
#include "entities/Form.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "entities/Transaction.h"
#include "model/Field.h"
#include "model/FieldFilter.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "model/ProjectSettings.h"
#include "model/ProjectStore.h"
#include "model/Table.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"
#include "tests/model/ProjectRecordBytes.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>
namespace
{
constexpr int updatePageFileKind = 7;

// A search report over the table whose first group shows the named fields of the table
// through output columns of the procedure.
ApplicationReport* NewReport(const char* name, Table* table, Procedure& procedure,
                             std::initializer_list<const char*> columns)
{
    ApplicationReport* report = NewPage<ApplicationReport>(name);
    report->SetTable(table);
    auto* group = new ReportGroup(report, nullptr);
    report->AddReportGroup(group);
    for (const char* column : columns)
    {
        auto* output =
            new ProcedureFieldInfo(table->FindFieldByName(column), ProcedureFieldInfo::noAggregate);
        procedure.AddOutputColumn(output);
        group->AddReportField(new ReportField(output));
    }
    return report;
}

// A procedure of the module.
Procedure& AppendSelectAllProcedure(Module& module)
{
    auto* procedure = new Procedure;
    procedure->SetName("PRC_useraccount_SelectAll");
    module.Append(procedure);
    return *procedure;
}

std::vector<std::string> ReportColumnNames(const ApplicationReport& report)
{
    std::vector<std::string> names;
    for (const ReportField* column : report.GetReportGroups().front()->GetReportFields())
        names.push_back(column->GetFieldInfo()->GetField()->GetFieldName().str());
    return names;
}

const std::vector<FieldVisibility*>& UpdatePageVisibilities(const Form& form)
{
    return form.FindAspFileByType(updatePageFileKind)->GetFieldVisibilities();
}

Form* NewFormWithPageFiles(const char* name, Table* table)
{
    Form* form = NewForm(name, table);
    form->CreateDefaultAspFiles(ForgeonProject::aspNetOutput);
    return form;
}

// A base module as an older program version left it: login tables of varchar columns without
// classes, a user-account report showing the password, a user-account form whose update page
// hides nothing, no role and no login page.
Module* OldBaseModule()
{
    Module* base = NewModule("BaseModule", 0);
    base->AppendMasterTable(NewTable("personnel_role", Table::masterKind, {"role_name"}));
    Table* accounts = NewTable("useraccount", Table::masterKind, {"username", "password"});
    base->AppendMasterTable(accounts);
    base->Append(NewReport("useraccount Report", accounts, AppendSelectAllProcedure(*base),
                           {"username", "password"}));
    Form* form = NewFormWithPageFiles("useraccount_form", accounts);
    form->AddVariablesForTable(accounts);
    form->CreateFieldRepsForTable(accounts);
    base->Append(form);
    return base;
}

ForgeonProject* NewSavableProject(Module* base)
{
    auto* project = new ForgeonProject;
    project->SetProjectSettings(new ProjectSettings);
    project->AddModule(base);
    project->SetCurrentModule(base);
    return project;
}

// A project as an older version left it: a map form not named after its mapping table, a
// detail select procedure without the filter on its link field and a form control that a
// table sync added and nobody confirmed.
ForgeonProject* NewOutdatedProject()
{
    Module* base = NewModule("BaseModule", 1);

    Table* customer = NewTable("customer", Table::masterKind, {"name", "region"});
    base->AppendMasterTable(customer);
    Form* form = NewForm("Customers", customer);
    for (const char* name : {"name", "region"})
    {
        auto* control = new FieldRep(customer->FindFieldByName(name));
        control->AttachFieldRepData(new FieldRepData);
        form->AddFieldRep(control);
    }
    form->GetFieldReps().back()->GetFieldRepData()->SetAddedBySync(true);
    base->Append(form);

    Table* links = NewTable("customer_product", Table::mapKind, {"note"});
    base->AppendMapTable(links);
    auto* mapForm = NewPage<MapForm>("Links");
    mapForm->SetMappingTable(links);
    base->Append(mapForm);

    Table* basic = NewTable("orders_basic", Table::masterDetailKind);
    Table* detail = NewTable("orders_detail", Table::masterDetailKind);
    AddVarcharField(detail, "order_ref", basic->GetPrimaryKeyField());
    base->AppendTransactionTable(basic);
    base->AppendTransactionTable(detail);
    auto* orders = NewPage<Transaction>("Orders");
    orders->SetBasicTable(basic);
    orders->AddDetailTable(detail);
    base->Append(orders);
    auto* selectAll = new Procedure;
    selectAll->SetKind(Procedure::standardKind);
    selectAll->SetMainTable(detail);
    selectAll->SetName("PRC_orders_detail_SelectAll");
    base->Append(selectAll);
    return NewSavableProject(base);
}

// The repairs, which a second read finds done and leaves as they are.
void ExpectRepaired(const Module& base)
{
    ASSERT_EQ(1u, base.GetMapForms().size());
    EXPECT_EQ(CString("customer_product_form"), base.GetMapForms().front()->GetFormName());
    const Procedure* selectAll = base.FindProcedureByName("PRC_orders_detail_SelectAll");
    ASSERT_NE(nullptr, selectAll);
    ASSERT_EQ(1u, selectAll->GetFilters().size());
    EXPECT_EQ(CString("order_ref"), selectAll->GetFilters().front()->GetField()->GetFieldName());
    const Form* form = base.FindMasterFormByName("Customers");
    ASSERT_NE(nullptr, form);
    ASSERT_EQ(1u, form->GetFieldReps().size());
    EXPECT_EQ(CString("name"), form->GetFieldReps().front()->GetField()->GetFieldName());
}
class UserDefaultsRepairTest : public ::testing::Test
{
protected:
    // Saves the project and loads it into the store.
    void SaveAndLoad(ForgeonProject* project, ProjectStore& store)
    {
        const std::unique_ptr<ForgeonProject> saved(project);
        ASSERT_TRUE(store.ArchiveProject(saved.get(), m_folder.ModelPath("users.wvt"), FALSE));
        ASSERT_TRUE(store.ArchiveProject(nullptr, m_folder.ModelPath("users.wvt"), TRUE));
    }

    TempFolder m_folder;
    ScriptedMessageBoxes m_boxes;
    DiagnosticsSnapshot m_diagnostics;
    ScopedArchiveVersion m_version{CurrentVersion()};
};

using LoadRepairPassTest = UserDefaultsRepairTest;

TEST_F(UserDefaultsRepairTest, OnlyTheFirstPasswordColumnOfTheFirstUserAccountReportGoes)
{
    Module module("BaseModule");
    Table* accounts = NewTable("useraccount", Table::masterKind, {"username", "Password"});
    Table* otherCase = NewTable("UserAccount", Table::masterKind, {"password"});
    module.AppendMasterTable(accounts);
    module.AppendMasterTable(otherCase);
    Procedure& procedure = AppendSelectAllProcedure(module);
    ApplicationReport* skipped = NewReport("skipped", otherCase, procedure, {"password"});
    ApplicationReport* empty = NewPage<ApplicationReport>("empty");
    empty->SetTable(accounts);
    ApplicationReport* first =
        NewReport("first", accounts, procedure, {"username", "Password", "Password"});
    ApplicationReport* second = NewReport("second", accounts, procedure, {"Password"});
    for (ApplicationReport* report : {skipped, empty, first, second})
        module.Append(report);

    module.RemovePasswordFromUserAccountReport();

    EXPECT_EQ((std::vector<std::string>{"password"}), ReportColumnNames(*skipped));
    EXPECT_EQ((std::vector<std::string>{"username", "Password"}), ReportColumnNames(*first));
    EXPECT_EQ((std::vector<std::string>{"Password"}), ReportColumnNames(*second));
}

TEST_F(UserDefaultsRepairTest, UserAccountColumnsBecomeNvarcharAndUpdatePagesHideThePassword)
{
    Module module("BaseModule");
    Table* accounts = NewTable("useraccount", Table::masterKind, {"username", "password", "mail"});
    module.AppendMasterTable(accounts);
    Form* repaired = NewFormWithPageFiles("UserAccount_Form", accounts);
    Form* alreadyHiding = NewFormWithPageFiles("useraccount_form", accounts);
    Field* mail = accounts->FindFieldByName("mail");
    alreadyHiding->FindAspFileByType(updatePageFileKind)
        ->AddFieldVisibility(new FieldVisibility(mail));
    Form* otherName = NewFormWithPageFiles("accounts", accounts);
    for (Form* form : {repaired, alreadyHiding, otherName})
        module.Append(form);

    module.RepairUserAccountPages();

    EXPECT_EQ(FieldTypeNVarchar, accounts->FindFieldByName("username")->GetTypeCode());
    EXPECT_EQ(FieldTypeNVarchar, accounts->FindFieldByName("password")->GetTypeCode());
    EXPECT_EQ(FieldTypeVarchar, mail->GetTypeCode());
    ASSERT_EQ(1u, UpdatePageVisibilities(*repaired).size());
    EXPECT_EQ(accounts->FindFieldByName("password"),
              UpdatePageVisibilities(*repaired).front()->GetField());
    EXPECT_EQ(FieldVisibility::Invisible,
              UpdatePageVisibilities(*repaired).front()->GetVisibilityKind());
    ASSERT_EQ(1u, UpdatePageVisibilities(*alreadyHiding).size());
    EXPECT_EQ(mail, UpdatePageVisibilities(*alreadyHiding).front()->GetField());
    EXPECT_TRUE(UpdatePageVisibilities(*otherName).empty());
}

TEST_F(UserDefaultsRepairTest, LoadingAnOlderProjectRepairsTheLoginDefaultsOfTheBaseModule)
{
    ProjectStore store;
    Designation::SetIdCounter(25);
    SaveAndLoad(NewSavableProject(OldBaseModule()), store);

    Module* base = store.GetProject()->GetBaseModule();
    ASSERT_NE(nullptr, base);
    Table* accounts = base->FindMasterTableByNameExact("useraccount");
    Table* roles = base->FindMasterTableByNameExact("personnel_role");
    EXPECT_NE(nullptr, base->GetClassForTable(accounts, false));
    EXPECT_NE(nullptr, base->GetClassForTable(roles, false));
    EXPECT_EQ(FieldTypeNVarchar, accounts->FindFieldByName("password")->GetTypeCode());
    EXPECT_EQ((std::vector<std::string>{"username"}),
              ReportColumnNames(*base->FindReportByName("useraccount Report")));
    const Form* form = base->FindMasterFormByName("useraccount_form");
    ASSERT_EQ(1u, UpdatePageVisibilities(*form).size());
    EXPECT_EQ(accounts->FindFieldByName("password"),
              UpdatePageVisibilities(*form).front()->GetField());

    ASSERT_NE(nullptr, base->GetLoginPage());
    EXPECT_EQ(base, base->GetLoginPage()->GetModule());
    EXPECT_EQ(2u, base->GetLoginPage()->GetFieldReps().size());
    ASSERT_EQ(1u, base->GetDesignations().size());
    EXPECT_EQ(CString("admin"), base->GetDesignations().front()->GetName());
    EXPECT_EQ(1, base->GetDesignations().front()->GetId());
    EXPECT_TRUE(m_boxes.Shown().empty());
    store.DeleteProject();
}

TEST_F(UserDefaultsRepairTest, ProjectsReadBesideTheOpenOneNeverRepeatItsRoleIds)
{
    OpenBaseModuleProject open;
    for (int i = 0; i < 3; ++i)
        open.Base().Append(new Designation(TRUE));
    const int highest = open.Project().GetHighestDesignationId();
    Designation::SetIdCounter(0);

    ProjectStore importStore;
    SaveAndLoad(NewSavableProject(OldBaseModule()), importStore);
    const Module* imported = importStore.GetProject()->GetBaseModule();
    ASSERT_EQ(1u, imported->GetDesignations().size());
    EXPECT_EQ(highest + 1, imported->GetDesignations().front()->GetId());

    ASSERT_TRUE(importStore.LoadFirstMergeProject(m_folder.ModelPath("users.wvt")));
    const Module* merged = importStore.GetFirstMergeProject()->GetBaseModule();
    EXPECT_EQ(highest + 2, merged->GetDesignations().front()->GetId());
    EXPECT_EQ(highest + 3, Designation(TRUE).GetId());
}

TEST_F(LoadRepairPassTest, ReadingAnOutdatedProjectRepairsItOnceForAll)
{
    ProjectStore store;
    SaveAndLoad(NewOutdatedProject(), store);
    ExpectRepaired(*store.GetProject()->GetBaseModule());

    ASSERT_TRUE(store.ArchiveProject(store.GetProject(), m_folder.ModelPath("again.wvt"), FALSE));
    ASSERT_TRUE(store.ArchiveProject(nullptr, m_folder.ModelPath("again.wvt"), TRUE));
    ExpectRepaired(*store.GetProject()->GetBaseModule());
    EXPECT_TRUE(m_boxes.Shown().empty());
    store.DeleteProject();
}

} // namespace
