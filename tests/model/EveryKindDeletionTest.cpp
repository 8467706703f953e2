#include "model/EntityUsageSet.h"
#include "model/MainFrameAccess.h"
#include "model/ProjectDiagnostics.h"
#include "model/ProjectStore.h"
#include "tests/model/EveryClassProject.h"
#include "tests/model/ProjectRecordBytes.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/HostFiles.h"
#include "tests/support/RecordBytes.h"
#include "tests/support/TempFolder.h"

#include "platform/core/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

namespace
{
// What a load brings back after a deletion.
enum class AfterLoad
{
    // The entity stays gone.
    gone,
    // The load-time repairs make a default entity of the same name again.
    remade,
};

// One deletion from the base module of the rich project: what is deleted, whether something
// used it, and how to tell that a module no longer holds it.
struct DeletionCase
{
    const char* name;
    std::function<bool(ForgeonProject&, Module&)> remove;
    bool used;
    std::function<bool(const Module&)> isGone;
    AfterLoad afterLoad = AfterLoad::gone;

    friend void PrintTo(const DeletionCase& deletion, std::ostream* out) { *out << deletion.name; }
};

Function* FirstFunction(const Module& module)
{
    return module.GetClasses().front()->GetFunctions().front();
}

bool HasFunction(const Module& module, const char* name)
{
    for (const Class* dataClass : module.GetClasses())
    {
        if (dataClass->FindFunctionByName(name) != nullptr)
            return true;
    }
    return false;
}

bool ForeignFieldNamed(const Module& module, const char* name)
{
    std::vector<Table*> tables;
    module.GetAllTables(tables);
    for (const Table* table : tables)
    {
        for (const Field* field : table->GetFields())
        {
            if (field->GetForeignField() != nullptr &&
                field->GetForeignField()->GetFieldName() == name)
                return true;
        }
    }
    return false;
}

std::vector<FormInterface*> PagesWithLogin(const Module& module)
{
    std::vector<FormInterface*> pages;
    module.GetAllPages(pages);
    if (module.GetLoginPage() != nullptr)
        pages.push_back(module.GetLoginPage());
    return pages;
}

bool NoPageCallsAProcedure(const Module& module)
{
    return std::ranges::none_of(PagesWithLogin(module), [](const FormInterface* page)
                                { return page->GetProcedureCall() != nullptr; });
}

// The report column, its button and the transaction's link and menu map fed the form's
// variable; none of them does any more.
bool NothingFeedsTheFormsVariables(const Module& module)
{
    const ReportField* column =
        module.FindReportByName("CustomerReport")->GetReportGroups().front()->GetReportFields()[0];
    const Transaction* transaction = module.FindTransactionByName("Orders");
    std::vector<LinkControl*> links;
    transaction->GetPreLinks(links);
    const std::vector<MenuVariableMap>& menuMaps =
        transaction->GetAspFiles().front()->GetTopMenuVariableMaps();
    return column->GetBindings().empty() && column->GetControlProperty()->GetBindings().empty() &&
           links.back()->GetVariableMaps().empty() && !menuMaps.empty() &&
           std::ranges::all_of(menuMaps, [](const MenuVariableMap& map)
                               { return map.m_variablePairs.empty(); });
}

// The transaction's pre-link that feeds the login page's variable (0) or the variable the report
// detached (1) maps nothing any more.
bool PreLinkMapsNothing(const Module& module, std::size_t index)
{
    std::vector<LinkControl*> links;
    module.FindTransactionByName("Orders")->GetPreLinks(links);
    return links.at(index)->GetVariableMaps().empty();
}

// As the table designer deletes a field: its usages first, then the field.
bool DeleteField(ForgeonProject& project, Table* table, const char* name)
{
    Field* field = table->FindFieldByName(name);
    if (!project.RemoveFieldUsages(field))
        return false;
    table->DeleteField(field);
    return true;
}

const DeletionCase deletions[] = {
    {"CustomerTable",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteTable(module.FindMasterTableByName("customer")); },
     true,
     [](const Module& module)
     {
         return module.FindMasterTableByName("customer") == nullptr &&
                module.GetMasterForms().empty() && !ForeignFieldNamed(module, "customer_id");
     }},
    {"DetailTable",
     [](ForgeonProject& project, Module& module)
     {
         CString name = "orders_detail";
         return project.DeleteTable(module.FindTableByName(name));
     },
     true,
     [](const Module& module)
     {
         return module.GetTransactionTables().size() == 1 &&
                module.GetTransactions().front()->GetDetailTables().empty();
     }},
    {"ProductTable",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteTable(module.FindMasterTableByName("product")); },
     true, [](const Module& module) { return module.FindMasterTableByName("product") == nullptr; }},
    {"MapTable",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteTable(module.GetMapTables().front()); },
     true,
     [](const Module& module)
     { return module.GetMapTables().empty() && module.GetMapForms().empty(); }},
    {"NameField",
     [](ForgeonProject& project, Module& module)
     { return DeleteField(project, module.FindMasterTableByName("customer"), "name"); },
     true,
     [](const Module& module)
     { return module.FindMasterTableByName("customer")->FindFieldByName("name") == nullptr; }},
    {"MasterForm",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteForm(module.FindMasterFormByName("CustomerForm")); },
     true,
     [](const Module& module)
     {
         return module.FindMasterFormByName("CustomerForm") == nullptr &&
                NothingFeedsTheFormsVariables(module);
     }},
    {"MapForm",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteMapForm(module.GetMapForms().front()); },
     false, [](const Module& module) { return module.GetMapForms().empty(); }},
    {"Transaction",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteTransaction(module.FindTransactionByName("Orders")); },
     true, [](const Module& module) { return module.GetTransactions().empty(); }},
    {"Report",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteApplicationReport(module.FindReportByName("CustomerReport")); },
     true,
     [](const Module& module) {
         return module.FindReportByName("CustomerReport") == nullptr &&
                PreLinkMapsNothing(module, 1);
     }},
    {"RDLCReport",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteRDLCReport(module.FindRDLCReportByName("Printout")); },
     false, [](const Module& module) { return module.GetRDLCReports().empty(); }},
    {"DashBoard",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteDashBoard(module.FindDashBoardByName("Board")); },
     true, [](const Module& module) { return module.GetDashBoards().empty(); }},
    {"DashBoardPage",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteDashBoardPage(module.FindDashBoardPageByName("Home")); },
     true, [](const Module& module) { return module.GetDashBoardPages().empty(); }},
    {"Menu",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteMenu(module.FindMenuByName("Main")); },
     false, [](const Module& module) { return module.GetMenus().empty(); }},
    {"SubMenu",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteMenu(module.FindMenuByName("Customers")); },
     false,
     [](const Module& module)
     { return module.FindMenuByName("Customers") == nullptr && module.GetMenus().size() == 1; }},
    {"Procedure",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteProcedure(module.FindProcedureByName("PRC_customer_SelectAll")); },
     true,
     [](const Module& module)
     { return module.GetProcedures().empty() && NoPageCallsAProcedure(module); }},
    {"Function",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteFunction(FirstFunction(module)); },
     true, [](const Module& module) { return !HasFunction(module, "SelectAllRecords"); },
     AfterLoad::remade},
    {"FunctionParameter",
     [](ForgeonProject& project, Module& module)
     {
         Function* function = FirstFunction(module);
         return project.DeleteFunctionParameter(function, function->GetParameters().front());
     },
     false, [](const Module& module) { return FirstFunction(module)->GetParameters().empty(); }},
    {"Field",
     [](ForgeonProject& project, Module& module)
     {
         CString tableName = "orders_detail";
         return DeleteField(project, module.FindTableByName(tableName), "order_ref");
     },
     true,
     [](const Module& module)
     { return module.GetTransactionTables().back()->FindFieldByName("order_ref") == nullptr; }},
    {"LoginPage",
     [](ForgeonProject& project, Module& module)
     { return project.DeleteLoginPage(module.GetLoginPage()); },
     false,
     [](const Module& module)
     { return module.GetLoginPage() == nullptr && PreLinkMapsNothing(module, 0); },
     AfterLoad::remade},
    {"Role",
     [](ForgeonProject&, Module& module)
     {
         module.DeleteDesignation(module.FindDesignationByName("admin"));
         return true;
     },
     false, [](const Module& module) { return module.GetDesignations().empty(); },
     AfterLoad::remade},
};

class EveryKindDeletionTest : public ::testing::TestWithParam<DeletionCase>
{
protected:
    EveryKindDeletionTest()
    {
        m_built.GetProject()->SetProjectPath(m_folder.ModelPath());
        // The built project starts in the state the load-time repairs leave, so that a load
        // after the deletion has nothing to repair.
        ProjectStore::FixUpLoadedProject(m_built.GetProject());
        m_previousSource =
            MainFrameAccess::SetProjectSource([this] { return m_built.GetProject(); });
    }
    ~EveryKindDeletionTest() override
    {
        m_store.DeleteProject();
        TheProjectDiagnostics().GetCurrentUsageSet().Clear();
        MainFrameAccess::SetProjectSource(m_previousSource);
    }

    CString PathOf(const char* name) const { return m_folder.ModelPath(name); }
    // The bytes of a file the test saved; a missing or empty file fails the test.
    std::string SavedBytes(const char* name) const
    {
        const std::filesystem::path path = m_folder.Path() / name;
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
        std::string bytes = ReadHostFile(path);
        EXPECT_FALSE(bytes.empty()) << path;
        return bytes;
    }
    // The text of the last message box, for failure messages.
    std::string LastBox() const
    {
        return m_boxes.Shown().empty() ? std::string() : m_boxes.Shown().back().text;
    }

    TempFolder m_folder;
    ScriptedMessageBoxes m_boxes;
    DiagnosticsSnapshot m_diagnostics;
    ScopedArchiveVersion m_version{CurrentVersion()};
    EveryClassProject m_built;
    ProjectStore m_store;
    MainFrameAccess::ProjectSource m_previousSource;
};

TEST_P(EveryKindDeletionTest, RemovesEveryReferenceThenSavesAndLoadsAgain)
{
    const DeletionCase& deletion = GetParam();
    ForgeonProject* project = m_built.GetProject();
    Module& base = *project->GetBaseModule();
    const int depth = TheProjectDiagnostics().GetUsageSetDepth();

    ASSERT_TRUE(deletion.remove(*project, base));

    EXPECT_TRUE(deletion.isGone(base));
    EXPECT_EQ(deletion.used, std::filesystem::exists(m_folder.Path() / "ObjectRefDump.txt"));
    EXPECT_EQ(depth, TheProjectDiagnostics().GetUsageSetDepth());
    EXPECT_TRUE(m_boxes.Shown().empty());

    ASSERT_TRUE(m_store.ArchiveProject(project, PathOf("after.wvt"), FALSE)) << LastBox();
    const std::string saved = SavedBytes("after.wvt");
    ASSERT_TRUE(m_store.ArchiveProject(nullptr, PathOf("after.wvt"), TRUE)) << LastBox();
    ForgeonProject* loaded = m_store.GetProject();
    ASSERT_EQ(2, loaded->GetModuleCount());
    if (deletion.afterLoad == AfterLoad::gone)
    {
        EXPECT_TRUE(deletion.isGone(*loaded->GetBaseModule()));
    }
    ASSERT_TRUE(m_store.ArchiveProject(loaded, PathOf("again.wvt"), FALSE)) << LastBox();
    std::string expected = saved;
    std::string actual = SavedBytes("again.wvt");
    // What the load makes again is compared from the first load on.
    if (deletion.afterLoad == AfterLoad::remade)
    {
        ASSERT_TRUE(m_store.ArchiveProject(nullptr, PathOf("again.wvt"), TRUE)) << LastBox();
        ASSERT_TRUE(m_store.ArchiveProject(m_store.GetProject(), PathOf("third.wvt"), FALSE))
            << LastBox();
        expected = actual;
        actual = SavedBytes("third.wvt");
    }
    EXPECT_TRUE(expected == actual)
        << "the load changed the file of " << expected.size() << " bytes to " << actual.size()
        << ", from "
        << FirstDifference(std::vector<BYTE>(expected.begin(), expected.end()),
                           std::vector<BYTE>(actual.begin(), actual.end()));
    EXPECT_TRUE(m_boxes.Shown().empty());
}

INSTANTIATE_TEST_SUITE_P(EveryKind, EveryKindDeletionTest, ::testing::ValuesIn(deletions),
                         [](const ::testing::TestParamInfo<DeletionCase>& info)
                         { return std::string(info.param.name); });

} // namespace
