// An overwrite merge deletes what it replaces as the project's own deletions do: a table that
// another module's table refers to by a foreign key goes with every holder released.
#include "editors/logic/TableDesigner.h"
#include "entities/Class.h"
#include "entities/Function.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "model/Field.h"
#include "model/Table.h"
#include "tests/editors/logic/EditorTestSupport.h"
#include "tests/merge/MergeRunFixture.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace
{
// The table designer stores a master table of the text field in the current module, with its
// forms, report and data class; with a foreign module, the key of the module's "customer"
// first.
void DesignTable(ForgeonProject& project, const char* name, const char* field,
                 int foreignModule = -1)
{
    RecordingHost host;
    TableDesigner designer(project, host);
    designer.InitialUpdate();
    ControlStates& states = designer.States();
    designer.LoadTable(nullptr, Table::masterKind);
    if (foreignModule >= 0)
    {
        designer.ToggleForeignKey();
        designer.ChooseModule(foreignModule);
        const std::vector<CString>& tables = states.GetItems(TableDesigner::IDC_FOREIGN_TABLE);
        for (std::size_t i = 0; i < tables.size(); ++i)
        {
            if (tables[i] == "customer")
                designer.ChooseForeignTable(static_cast<int>(i));
        }
        designer.AddOrUpdate(true);
    }
    states.SetText(TableDesigner::IDC_FIELD_NAME, field);
    designer.ChooseType(4);
    designer.AddOrUpdate(true);
    states.SetText(TableDesigner::IDC_TABLE_NAME, name);
    designer.Ok(true);
}

Table* Customer(const ForgeonProject& project)
{
    CString name = "customer";
    return project.GetModuleAt(0)->FindTableByName(name);
}

// A new project whose base module holds "customer" and whose "Module2" holds "orders", which
// refers to it, with a user function that shows the customer's label and key and a procedure
// that joins the customer and shows its label.
std::unique_ptr<ForgeonProject> CustomerOrdersProject(const CString& path)
{
    auto project = std::make_unique<ForgeonProject>();
    ScopedOpenProject open(project.get());
    project->InitNewProject();
    project->SetProjectName("Shop");
    project->SetProjectPath(path);
    DesignTable(*project, "customer", "label");
    Module* second = project->AddNewModule();
    second->RenameDefaultObjects("Module2");
    second->SetName("Module2");
    project->SetCurrentModule(second);
    DesignTable(*project, "orders", "note", 0);
    // A user function of the orders' class joins the customer and shows its label and key
    // beside each order.
    CString className = "_orders";
    Function* function =
        second->GetOrAddClassFunction("WithCustomer", second->FindClassByName(className));
    Table* customer = Customer(*project);
    function->AddOutputField(
        new ProcedureFieldInfo(customer->GetPrimaryKeyField(), ProcedureFieldInfo::noAggregate));
    CString orders = "orders";
    Procedure* procedure =
        NewProcedure("PRC_orders_with_customer", second->FindTableByName(orders));
    procedure->AddTable(customer);
    procedure->AddOutputField(customer->FindFieldByName("label"));
    second->Append(procedure);
    return project;
}

// The module's tables and procedures, then each class function with the tables it joins and the
// tables and fields of its output.
std::string DescribeWithFunctions(const Module& module)
{
    std::string text = DescribeModule(module);
    for (const Class* dataClass : module.GetClasses())
    {
        for (const Function* function : dataClass->GetFunctions())
        {
            text += StdString(dataClass->GetFieldName()) + "." +
                    StdString(function->GetFieldName()) + " [";
            for (const Table* table : function->GetUsedTables())
                text += " " + StdString(table->GetTableName());
            text += " ]:";
            for (const ProcedureFieldInfo* output : function->GetOutputFields())
            {
                const Field* field = output->GetField();
                const Table* table = field != nullptr ? field->GetTable() : nullptr;
                text += " " + (table != nullptr ? StdString(table->GetTableName()) : "-") + "." +
                        (field != nullptr ? StdString(field->GetFieldName()) : "-");
            }
            text += "\n";
        }
    }
    return text;
}

std::unique_ptr<ForgeonProject> EmptyProject(const CString& path)
{
    auto project = std::make_unique<ForgeonProject>();
    ScopedOpenProject open(project.get());
    project->InitNewProject();
    project->SetProjectPath(path);
    return project;
}
} // namespace

class OverwriteReleaseTest : public MergeRun
{
};

// The base module overwritten by one without "customer": the table leaves the merged project as
// a plain delete takes it, Module2 keeping what the delete leaves it (the user function no
// longer joins the customer nor shows its fields), and the merged project saves, loads and saves
// to the same bytes, whichever project is open: none, the window's, or the merge's own.
TEST_F(OverwriteReleaseTest, ATableAnotherModuleRefersToGoesWithEveryHolder)
{
    Load(CustomerOrdersProject(Path("a")), EmptyProject(Path("b")));
    ASSERT_NE(Customer(*First()), nullptr);
    const std::string before = DescribeWithFunctions(*First()->FindModuleByName("Module2"));
    ASSERT_NE(before.find("_orders.WithCustomer [ customer ]: orders.orders_id "
                          "orders.customer_id orders.note customer.label customer.customer_id\n"),
              std::string::npos)
        << before;
    {
        ScopedOpenProject open(First());
        ASSERT_TRUE(First()->DeleteTable(Customer(*First())));
    }
    const std::string deleted = DescribeWithFunctions(*First()->FindModuleByName("Module2"));
    EXPECT_NE(deleted.find("_orders.WithCustomer [ ]: orders.orders_id orders.customer_id "
                           "orders.note\n"),
              std::string::npos)
        << deleted;
    EXPECT_EQ(deleted.find("customer."), std::string::npos) << deleted;
    enum class Open
    {
        none,
        window,
        merge,
    };
    for (const Open way : {Open::none, Open::window, Open::merge})
    {
        SCOPED_TRACE(static_cast<int>(way));
        Load(CustomerOrdersProject(Path("a")), EmptyProject(Path("b")));
        if (way == Open::window)
        {
            ASSERT_TRUE(m_store.ArchiveProject(nullptr, Path("first.wvt"), TRUE));
        }
        ScriptedMergeSelection selection = ScriptedMergeSelection::FullModule("BaseModule", true);
        {
            std::optional<ScopedOpenProject> open;
            if (way == Open::window)
                open.emplace(m_store);
            else if (way == Open::merge)
                open.emplace(First());
            ASSERT_TRUE(RunStoreMerge(selection));
        }
        EXPECT_EQ(Customer(*First()), nullptr);
        EXPECT_EQ(DescribeWithFunctions(*First()->FindModuleByName("Module2")), deleted);
        const std::string merged = SavedBytes(First(), "merged.wvt");
        m_store.DeleteMergeProjects();
        ASSERT_TRUE(m_store.ArchiveProject(nullptr, Path("merged.wvt"), TRUE)) << LastBox();
        ExpectSameBytes(merged, SavedBytes(m_store.GetProject(), "again.wvt"));
    }
}

namespace
{
std::string DataFile(const char* relative)
{
    return (std::filesystem::path(WEAVO_TEST_DATA) / relative).string();
}
} // namespace

// A project whose Module2 pages, procedures and class functions use the base module's
// "customer", its base module overwritten by one without it; and its Module2 first merged into
// another project whose base module holds "customer", then the same base module merged over it. The
// merged project saves, loads and saves to the same bytes, no function of Module2 still showing a
// field of "customer".
TEST_F(OverwriteReleaseTest, AnOverwrittenTableLeavesEveryFunctionOfAnotherModule)
{
    const std::string user = DataFile("merge/foreign-key-into-base-module.wvt");
    const std::string base = DataFile("merge/base-module-without-customer.wvt");
    for (const bool mergedFirst : {false, true})
    {
        SCOPED_TRACE(mergedFirst ? "Module2 merged into another project first" : "as saved");
        std::string first = user;
        if (mergedFirst)
        {
            const std::string other = DataFile("fuzz/seeds/every-class.wvt");
            ASSERT_TRUE(m_store.LoadFirstMergeProject(other.c_str())) << LastBox();
            ASSERT_TRUE(m_store.LoadSecondMergeProject(user.c_str())) << LastBox();
            ScriptedMergeSelection keep = ScriptedMergeSelection::FullModule("Module2", false);
            ASSERT_TRUE(RunStoreMerge(keep));
            first = StdString(Path("joined.wvt"));
            ASSERT_TRUE(m_store.ArchiveProject(First(), first.c_str(), FALSE)) << LastBox();
            m_store.DeleteMergeProjects();
        }
        ASSERT_TRUE(m_store.LoadFirstMergeProject(first.c_str())) << LastBox();
        ASSERT_TRUE(m_store.LoadSecondMergeProject(base.c_str())) << LastBox();
        ASSERT_NE(Customer(*First()), nullptr);
        ASSERT_NE(DescribeWithFunctions(*First()->FindModuleByName("Module2")).find("customer."),
                  std::string::npos);
        ScriptedMergeSelection overwrite = ScriptedMergeSelection::FullModule("BaseModule", true);
        ASSERT_TRUE(RunStoreMerge(overwrite));
        EXPECT_EQ(Customer(*First()), nullptr);
        const std::string left = DescribeWithFunctions(*First()->FindModuleByName("Module2"));
        EXPECT_EQ(left.find("customer."), std::string::npos) << left;
        const std::string merged = SavedBytes(First(), "merged.wvt");
        m_store.DeleteMergeProjects();
        ASSERT_TRUE(m_store.ArchiveProject(nullptr, Path("merged.wvt"), TRUE)) << LastBox();
        ExpectSameBytes(merged, SavedBytes(m_store.GetProject(), "again.wvt"));
    }
}
