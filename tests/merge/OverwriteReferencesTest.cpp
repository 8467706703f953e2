// The overwrite pass over the rich project: each listed entity that pages, reports, dashboards
// or calls refer to goes, nothing listed still refers to what was freed, and the project saves,
// loads and saves to the same bytes.
#include "entities/LinkControl.h"
#include "merge/MergeOverwriteSet.h"
#include "merge/MergeReportFiles.h"
#include "model/ReferenceList.h"
#include "tests/merge/MergeInputs.h"
#include "tests/model/EveryClassProject.h"

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>

namespace
{
Module& Base(ForgeonProject& project)
{
    return *project.GetBaseModule();
}

Function* SelectAll(ForgeonProject& project)
{
    return Base(project).FindClassByName("_customer")->FindFunctionByName("SelectAllRecords");
}

Procedure* CustomerProcedure(ForgeonProject& project)
{
    return Base(project).FindProcedureByName("PRC_customer_SelectAll");
}

Form* CustomerForm(ForgeonProject& project)
{
    return Base(project).FindMasterFormByName("CustomerForm");
}

Table* Customer(ForgeonProject& project)
{
    return Base(project).FindMasterTableByName("customer");
}

// The page with the variables it owns.
ReferenceList::Targets PageWithVariables(const FormInterface* page)
{
    ReferenceList::Targets freed{page};
    for (const FieldVariableMap* map : page->GetFieldVariableMaps())
        freed.insert(map->variable);
    return freed;
}

template <class Column>
ReferenceList::Targets ColumnsOfTable(const std::vector<Column*>& columns, const Table* table)
{
    ReferenceList::Targets freed;
    for (const Column* column : columns)
    {
        if (column->GetField() != nullptr && column->GetField()->GetTable() == table)
            freed.insert(column);
    }
    return freed;
}

// One overwrite step: what it lists (answering what the step frees), the heading and name line
// its report holds, and whether the entity is gone afterwards.
struct OverwriteCase
{
    const char* name;
    std::function<ReferenceList::Targets(MergeOverwriteSet&, ForgeonProject&)> list;
    const char* reportLines;
    std::function<bool(ForgeonProject&)> isGone;
    // The load's repairs make the default function or variable again: the bytes are compared
    // from the first load on.
    bool remade = false;

    friend void PrintTo(const OverwriteCase& test, std::ostream* out) { *out << test.name; }
};

const OverwriteCase cases[] = {
    {"Variable",
     [](MergeOverwriteSet& set, ForgeonProject& project)
     {
         Variable* variable = CustomerForm(project)->FindVariableByName("name");
         set.GetVariableList().push_back(variable);
         return ReferenceList::Targets{variable};
     },
     "\nDELETED VARIABLES: \nname\n",
     [](ForgeonProject& project)
     { return CustomerForm(project)->FindVariableByName("name") == nullptr; },
     true},
    {"ProcedureOutputColumn",
     [](MergeOverwriteSet& set, ForgeonProject& project)
     {
         Procedure* procedure = CustomerProcedure(project);
         ProcedureFieldInfo* column = procedure->GetOutputColumns().front();
         set.GetOwnerProcedureList().push_back(procedure);
         set.GetProcedureColumnList().push_back(column);
         return ReferenceList::Targets{column};
     },
     "\nDELETED PROCEDUREINFO: \nname\n",
     [](ForgeonProject& project)
     { return CustomerProcedure(project)->GetOutputColumns().empty(); }},
    {"FunctionOutputColumn",
     [](MergeOverwriteSet& set, ForgeonProject& project)
     {
         Function* function = SelectAll(project);
         ProcedureFieldInfo* column = function->FindProcedureFieldInfoByName("name");
         set.GetFunctionList().push_back(function);
         set.GetFunctionColumnList().push_back(column);
         return ReferenceList::Targets{column};
     },
     "\nDELETED FUNCTIONINFO: \nname\n",
     [](ForgeonProject& project)
     { return SelectAll(project)->FindProcedureFieldInfoByName("name") == nullptr; },
     true},
    {"FunctionParameter",
     [](MergeOverwriteSet& set, ForgeonProject& project)
     {
         Function* function = SelectAll(project);
         Parameter* parameter = function->GetParameters().front();
         set.GetFunctionList().push_back(function);
         set.GetFunctionParameterList().push_back(parameter);
         return ReferenceList::Targets{parameter};
     },
     "\nDELETED FUNCTION PARAMETER: \ncustomer_id\n",
     [](ForgeonProject& project) { return SelectAll(project)->GetParameters().empty(); }},
    {"DerivedField",
     [](MergeOverwriteSet& set, ForgeonProject& project)
     {
         DerivedField* derived = CustomerForm(project)->GetDerivedFields().front();
         set.GetDerivedFieldList().push_back(derived);
         return ReferenceList::Targets{derived, derived->GetField()};
     },
     "\nDELETED DERIVED FIELDS: \ntotal\n",
     [](ForgeonProject& project) { return CustomerForm(project)->GetDerivedFields().empty(); }},
    {"ReferenceField",
     [](MergeOverwriteSet& set, ForgeonProject& project)
     {
         RefField* refField = CustomerForm(project)->GetRefFields().front();
         set.GetRefFieldList().push_back(refField);
         return ReferenceList::Targets{refField, refField->GetField()};
     },
     "\nDELETED REFERENCE FIELDS: \nregion\n",
     [](ForgeonProject& project) { return CustomerForm(project)->GetRefFields().empty(); }},
    {"ReportField",
     [](MergeOverwriteSet& set, ForgeonProject& project)
     {
         ReportField* column = Base(project)
                                   .FindReportByName("CustomerReport")
                                   ->GetReportGroups()
                                   .front()
                                   ->GetReportFields()
                                   .front();
         set.GetReportFieldList().push_back(column);
         return ReferenceList::Targets{column};
     },
     "\nDELETED REPORT FIELDS: \nname\n",
     [](ForgeonProject& project)
     {
         return std::ranges::none_of(Base(project)
                                         .FindReportByName("CustomerReport")
                                         ->GetReportGroups()
                                         .front()
                                         ->GetReportFields(),
                                     [](const ReportField* column)
                                     { return column->GetName() == "name"; });
     }},
    {"LinkControl",
     [](MergeOverwriteSet& set, ForgeonProject& project)
     {
         std::vector<LinkControl*> links;
         Base(project).FindTransactionByName("Orders")->GetPreLinks(links);
         links.back()->SetCaption("Customer");
         set.GetLinkControlList().push_back(links.back());
         return ReferenceList::Targets{links.back()};
     },
     "\nDELETED LINK CONTROLS: \nCustomer\n",
     [](ForgeonProject& project)
     {
         std::vector<LinkControl*> links;
         Base(project).FindTransactionByName("Orders")->GetPreLinks(links);
         return links.size() == 2;
     }},
    {"ProcedureDetailTable",
     [](MergeOverwriteSet& set, ForgeonProject& project)
     {
         Procedure* procedure = CustomerProcedure(project);
         set.GetOwnerProcedureList().push_back(procedure);
         set.GetProcedureDetailTableList().push_back(Customer(project));
         return ColumnsOfTable(procedure->GetOutputColumns(), Customer(project));
     },
     "\nDELETED PROC DETAIL TABLE: \ncustomer\n",
     [](ForgeonProject& project)
     { return CustomerProcedure(project)->FindTable(Customer(project)) == nullptr; }},
    {"FunctionDependentTable",
     [](MergeOverwriteSet& set, ForgeonProject& project)
     {
         Function* function = SelectAll(project);
         set.GetFunctionList().push_back(function);
         set.GetFunctionTableList().push_back(Customer(project));
         return ColumnsOfTable(function->GetOutputFields(), Customer(project));
     },
     "\nDELETED FUNC DEPENDENT TABLE: \ncustomer\n",
     [](ForgeonProject& project) { return !SelectAll(project)->UsesTable(Customer(project)); },
     true},
    {"Procedure",
     [](MergeOverwriteSet& set, ForgeonProject& project)
     {
         Procedure* procedure = CustomerProcedure(project);
         set.GetProcedureList().push_back(procedure);
         ReferenceList::Targets freed{procedure};
         freed.insert(procedure->GetOutputColumns().begin(), procedure->GetOutputColumns().end());
         return freed;
     },
     "\nDELETED PROCS: \nPRC_customer_SelectAll\n",
     [](ForgeonProject& project) { return CustomerProcedure(project) == nullptr; }},
    {"DashBoard",
     [](MergeOverwriteSet& set, ForgeonProject& project)
     {
         DashBoard* board = Base(project).FindDashBoardByName("Board");
         set.GetDashBoardList().push_back(board);
         return PageWithVariables(board);
     },
     "\nDELETED DASHBOARDS: \nBoard\n",
     [](ForgeonProject& project) { return Base(project).FindDashBoardByName("Board") == nullptr; },
     true},
    {"DashBoardPage",
     [](MergeOverwriteSet& set, ForgeonProject& project)
     {
         DashBoardPage* home = Base(project).FindDashBoardPageByName("Home");
         set.GetDashBoardPageList().push_back(home);
         return PageWithVariables(home);
     },
     "\nDELETED DASHBOARD PAGES: \nHome\n",
     [](ForgeonProject& project)
     { return Base(project).FindDashBoardPageByName("Home") == nullptr; },
     true},
    {"Menu",
     [](MergeOverwriteSet& set, ForgeonProject& project)
     {
         Menu* menu = Base(project).FindMenuByName("Main");
         set.GetMenuList().push_back(menu);
         std::vector<Menu*> subtree{menu};
         menu->CollectSubMenus(subtree, nullptr);
         return ReferenceList::Targets(subtree.begin(), subtree.end());
     },
     "\nDELETED MENUS: \nMain\n",
     [](ForgeonProject& project) { return Base(project).FindMenuByName("Main") == nullptr; }},
    {"MasterForm",
     [](MergeOverwriteSet& set, ForgeonProject& project)
     {
         set.GetMasterFormList().push_back(CustomerForm(project));
         return PageWithVariables(CustomerForm(project));
     },
     "\nDELETED MASTERFORMS: \nCustomerForm\n",
     [](ForgeonProject& project) { return CustomerForm(project) == nullptr; }, true},
    {"Report",
     [](MergeOverwriteSet& set, ForgeonProject& project)
     {
         ApplicationReport* report = Base(project).FindReportByName("CustomerReport");
         set.GetReportList().push_back(report);
         return PageWithVariables(report);
     },
     "\nDELETED REPORTS: \nCustomerReport\n",
     [](ForgeonProject& project)
     { return Base(project).FindReportByName("CustomerReport") == nullptr; },
     true},
    // The table's search report shows the function's output and parameters.
    {"Function",
     [](MergeOverwriteSet& set, ForgeonProject& project)
     {
         Function* function = SelectAll(project);
         set.GetOwnerClassList().push_back(Base(project).FindClassByName("_customer"));
         set.GetFunctionList().push_back(function);
         return function->FreedWithIt();
     },
     "\nDELETED FUNCTIONS: \nSelectAllRecords\n",
     [](ForgeonProject& project) { return SelectAll(project) == nullptr; }, true},
};

class OverwriteReferencesTest : public MergeInputs,
                                public ::testing::WithParamInterface<OverwriteCase>
{
protected:
    void SetUp() override
    {
        EveryClassProject built;
        Module* unused = nullptr;
        Load(std::unique_ptr<ForgeonProject>(built.ReleaseProject()),
             NewMergeProject("Second", unused));
    }
    void TearDown() override { m_store.DeleteProject(); }

    CString PathOf(const char* name) const { return m_folder.ModelPath(name); }
    std::string Bytes(const char* name) const { return ReadHostFile(m_folder.Path() / name); }

    TempFolder m_hostTemp{"WeavoMergeTemp"};
    MergeReportFiles m_files;
};

TEST_P(OverwriteReferencesTest, ReleasesEveryReferenceThenSavesAndLoadsAgain)
{
    const OverwriteCase& test = GetParam();
    ForgeonProject& first = *First();
    ReferenceList::Targets freed;
    std::filesystem::path own;
    {
        const TempFolderOverride temp(m_hostTemp.Path());
        own = temp.Own();
        MergeOverwriteSet set(First(), m_files);
        set.OpenReport("refs");
        freed = test.list(set, first);
        set.ApplyDeletions();
    }
    EXPECT_TRUE(test.isGone(first));
    std::string report = ReadHostFile(own / "Merge_OverwriteReport_refs.txt");
    std::erase(report, '\r');
    EXPECT_NE(report.find(test.reportLines), std::string::npos) << report;

    ReferenceList left;
    for (Module* module : first.GetModules())
        module->ListReferences(left);
    EXPECT_FALSE(left.Refers(freed));

    ASSERT_TRUE(m_store.ArchiveProject(&first, PathOf("merged.wvt"), FALSE)) << LastBox();
    ASSERT_FALSE(Bytes("merged.wvt").empty());
    const char* expected = "merged.wvt";
    if (test.remade)
    {
        ASSERT_TRUE(m_store.ArchiveProject(nullptr, PathOf("merged.wvt"), TRUE)) << LastBox();
        ASSERT_TRUE(m_store.ArchiveProject(m_store.GetProject(), PathOf("loaded.wvt"), FALSE))
            << LastBox();
        expected = "loaded.wvt";
    }
    ASSERT_TRUE(m_store.ArchiveProject(nullptr, PathOf(expected), TRUE)) << LastBox();
    ASSERT_TRUE(m_store.ArchiveProject(m_store.GetProject(), PathOf("again.wvt"), FALSE))
        << LastBox();
    EXPECT_TRUE(Bytes(expected) == Bytes("again.wvt"));
}

INSTANTIATE_TEST_SUITE_P(OverwriteSteps, OverwriteReferencesTest, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<OverwriteCase>& info)
                         { return std::string(info.param.name); });
} // namespace
