// Whole-project properties of the merge over projects saved and loaded by the store: nothing
// selected changes nothing, an empty input adds nothing, a fixture merged into an empty project
// arrives whole and generates, a fixture merged into a copy of itself adds nothing; after every
// merge the second input is deleted and the merged project saves, loads and saves to the same
// bytes; every merge kind has the outcome of its expected file; a report collector's files stay
// with the reports it shows.
#include "entities/ClassInvokation.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "entities/LinkControl.h"
#include "entities/LoginPage.h"
#include "entities/Menu.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ReportCollector.h"
#include "gen_web/AspxWriteAll.h"
#include "merge/MergeDependencyCollector.h"
#include "merge/MergeEntityNames.h"
#include "merge/ProjectOwnObjects.h"
#include "merge/SelectiveMerge.h"
#include "model/LoginPageCreator.h"
#include "model/ReferenceList.h"
#include "platform/core/HostPath.h"
#include "tests/editors/consumers/WrittenApplication.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/merge/MergeRunFixture.h"
#include "tests/merge/properties/MergeFixtureProjects.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>

namespace
{
std::string Names(const auto& list)
{
    std::string text;
    for (const auto* item : list)
    {
        if constexpr (requires { item->GetFormName(); })
            text += std::string(" ") + item->GetFormName().GetString();
        else if constexpr (requires { item->GetTableName(); })
            text += std::string(" ") + item->GetTableName().GetString();
        else if constexpr (requires { item->GetFieldName(); })
            text += std::string(" ") + item->GetFieldName().GetString();
        else
            text += std::string(" ") + item->GetName().GetString();
    }
    return text;
}

std::string SortedNames(const auto& list)
{
    std::vector<std::string> names;
    for (const auto* item : list)
        names.push_back(item->GetFieldName().GetString());
    std::ranges::sort(names);
    std::string text;
    for (const std::string& name : names)
        text += " " + name;
    return text;
}

const std::string separator = std::string(58, '-') + "\n\n";

void DescribeMenu(std::ostringstream& out, const Menu& menu, int depth)
{
    out << std::string(static_cast<std::size_t>(depth) * 2, ' ') << menu.GetName().GetString()
        << " roles" << Names(menu.GetRoles()) << "\n";
    for (const Menu* child : menu.GetSubMenus())
        DescribeMenu(out, *child, depth + 1);
}

// Every list of every module, by names, and the project's report descriptions.
std::string DescribeLists(const ForgeonProject& project)
{
    std::ostringstream out;
    for (const Module* module : project.GetModules())
    {
        std::vector<Table*> tables;
        module->GetAllTables(tables);
        out << "module " << module->GetName().GetString() << "\n tables" << Names(tables)
            << "\n procedures" << Names(module->GetProcedures()) << "\n forms"
            << Names(module->GetMasterForms()) << "\n map forms" << Names(module->GetMapForms())
            << "\n transactions" << Names(module->GetTransactions()) << "\n reports"
            << Names(module->GetReports()) << "\n rdlc" << Names(module->GetRDLCReports())
            << "\n dashboards" << Names(module->GetDashBoards()) << "\n dashboard pages"
            << Names(module->GetDashBoardPages()) << "\n classes" << Names(module->GetClasses())
            << "\n roles" << Names(module->GetDesignations()) << "\n";
        for (const Class* dataClass : module->GetClasses())
            out << " class " << dataClass->GetFieldName().GetString()
                << Names(dataClass->GetFunctions()) << "\n";
        for (const Menu* menu : module->GetMenus())
            DescribeMenu(out, *menu, 1);
    }
    out << "rdlc infos" << Names(project.GetRDLCInfos()) << "\nxsd infos"
        << Names(project.GetXSDInfos()) << "\n";
    return out.str();
}

// What the text gives for each page file of the project, one after the other.
std::string
ForEachPageFile(const ForgeonProject& project,
                const std::function<std::string(const FormInterface&, const AspFile&)>& describe)
{
    std::string text;
    for (const Module* module : project.GetModules())
    {
        std::vector<FormInterface*> pages;
        module->GetAllPages(pages);
        for (const FormInterface* page : pages)
            for (const AspFile* file : page->GetAspFiles())
                text += describe(*page, *file);
    }
    return text;
}

// The page files that show a top or left menu which does not list them, with that menu; such a
// file would reach the menu after it is freed.
std::string OneSidedMenuLinks(const ForgeonProject& project)
{
    return ForEachPageFile(project,
                           [](const FormInterface& page, const AspFile& file)
                           {
                               std::string text;
                               for (const Menu* side : {file.GetTopMenu(), file.GetLeftMenu()})
                                   if (side != nullptr && !side->HasAspFile(&file))
                                       text += std::string(page.GetFormName().GetString()) + " " +
                                               side->GetName().GetString() + "\n";
                               return text;
                           });
}
} // namespace

class MergePropertyTest : public MergeRun
{
protected:
    // Replaces the second input by an empty project, which deletes the merged one.
    void DeleteSecondInput()
    {
        auto empty = std::make_unique<ForgeonProject>();
        empty->InitNewProject();
        ASSERT_TRUE(m_store.ArchiveProject(empty.get(), Path("empty.wvt"), FALSE));
        ASSERT_TRUE(m_store.LoadSecondMergeProject(Path("empty.wvt")));
    }

    // Merges the module, deletes the second input, and checks that the merged project saves,
    // loads and saves again to the same bytes; answers the merged project's bytes.
    std::string MergeAndRoundTrip(ScriptedMergeSelection selection)
    {
        return MergeThroughAndRoundTrip(selection);
    }
    std::string MergeThroughAndRoundTrip(MergeSelection& selection)
    {
        EXPECT_TRUE(RunStoreMerge(selection));
        // No page file of either input shows a menu that does not list it: the store frees the
        // first input before the second.
        EXPECT_EQ("", OneSidedMenuLinks(*First()));
        EXPECT_EQ("", OneSidedMenuLinks(*Second()));
        DeleteSecondInput();
        const std::string merged = SavedBytes(First(), "merged.wvt");
        EXPECT_TRUE(m_store.ArchiveProject(nullptr, Path("merged.wvt"), TRUE)) << LastBox();
        ExpectSameBytes(merged, SavedBytes(m_store.GetProject(), "again.wvt"));
        return merged;
    }

    // Write All over the loaded merged project, into its own folder.
    void ExpectWriteAllWritesEverything()
    {
        ForgeonProject* project = m_store.GetProject();
        project->SetProjectPath(m_folder.ModelPath("site"));
        if (project->GetProjectName().IsEmpty())
            project->SetProjectName("Merged");
        ScopedOpenProject open(project);
        PrepareProjectFolder(*project);
        AspxWriteAll writeAll(project);
        EXPECT_TRUE(writeAll.Run(nullptr))
            << writeAll.GetReport().GetText().GetString() << LastBox();
    }
};

namespace
{

struct SelectionCase
{
    const char* name;
    bool overwrite;
};
} // namespace

TEST_F(MergePropertyTest, NothingSelectedLeavesTheFirstProjectAsItWas)
{
    Load(BuildSalesFixture("First", Path("a")), BuildSalesFixture("Second", Path("b"), true));
    const std::string before = SavedBytes(First(), "before.wvt");
    ExpectSameBytes(before,
                    MergeAndRoundTrip(ScriptedMergeSelection::Entities("Sales", {}, false)));
}

TEST_F(MergePropertyTest, AnEmptyModuleMergedIntoAFixtureChangesNothing)
{
    Load(BuildSalesFixture("First", Path("a")), NewSalesProject("Empty", Path("b")));
    const std::string before = DescribeLists(*First());
    MergeAndRoundTrip(ScriptedMergeSelection::FullModule("Sales", false));
    EXPECT_EQ(DescribeLists(*m_store.GetProject()), before);
}

TEST_F(MergePropertyTest, AFixtureMergedIntoAnEmptyProjectArrivesWholeAndGenerates)
{
    auto reference = BuildSalesFixture("Reference", Path("r"));
    Load(NewSalesProject("First", Path("a")), BuildSalesFixture("Second", Path("b")));
    MergeAndRoundTrip(ScriptedMergeSelection::FullModule("Sales", false));
    EXPECT_EQ(TempText("Report_ .txt"), "region_form map form is not merged!\n\n" + separator);
    const Module* expected = reference->FindModuleByName("Sales");
    const Module* merged = m_store.GetProject()->FindModuleByName("Sales");
    ASSERT_NE(merged, nullptr);
    std::vector<Table*> expectedTables;
    std::vector<Table*> mergedTables;
    expected->GetAllTables(expectedTables);
    merged->GetAllTables(mergedTables);
    EXPECT_EQ(Names(mergedTables), Names(expectedTables));
    EXPECT_EQ(Names(merged->GetMasterForms()), Names(expected->GetMasterForms()));
    EXPECT_EQ(Names(merged->GetTransactions()), Names(expected->GetTransactions()));
    EXPECT_EQ(Names(merged->GetReports()), Names(expected->GetReports()));
    EXPECT_EQ(Names(merged->GetRDLCReports()), Names(expected->GetRDLCReports()));
    EXPECT_EQ(Names(merged->GetDashBoards()), Names(expected->GetDashBoards()));
    EXPECT_EQ(Names(merged->GetDashBoardPages()), Names(expected->GetDashBoardPages()));
    EXPECT_EQ(SortedNames(merged->GetClasses()), SortedNames(expected->GetClasses()));
    const Class* customerClass = merged->FindClassByName("_customer");
    ASSERT_NE(customerClass, nullptr);
    EXPECT_NE(customerClass->FindFunctionByName("price"), nullptr);
    EXPECT_EQ(Names(merged->GetProcedures()), Names(expected->GetProcedures()));
    const Menu* extras = merged->FindMenuByFullName("Extras");
    ASSERT_NE(extras, nullptr);
    EXPECT_NE(extras->FindSubMenuByName("Tools"), nullptr);
    ASSERT_EQ(extras->GetRoles().size(), 1u);
    EXPECT_EQ(extras->GetRoles().front()->GetName(), "clerk");
    ExpectWriteAllWritesEverything();
}

TEST_F(MergePropertyTest, AFixtureMergedIntoACopyOfItselfAddsNothing)
{
    for (const SelectionCase& test :
         {SelectionCase{"keep", false}, SelectionCase{"overwrite", true}})
    {
        SCOPED_TRACE(test.name);
        Load(BuildSalesFixture("First", Path("a")), BuildSalesFixture("Second", Path("b")));
        const std::string before = DescribeLists(*First());
        MergeAndRoundTrip(ScriptedMergeSelection::FullModule("Sales", test.overwrite));
        EXPECT_EQ(DescribeLists(*m_store.GetProject()), before);
    }
}

TEST_F(MergePropertyTest, AVariantMergedIntoAFixtureSavesLoadsAndGenerates)
{
    for (const SelectionCase& test :
         {SelectionCase{"keep", false}, SelectionCase{"overwrite", true}})
    {
        SCOPED_TRACE(test.name);
        Load(BuildSalesFixture("First", Path("a"), false, false),
             BuildSalesFixture("Second", Path("b"), true, false));
        MergeAndRoundTrip(ScriptedMergeSelection::FullModule("Sales", test.overwrite));
        const Module* merged = m_store.GetProject()->FindModuleByName("Sales");
        ASSERT_NE(merged, nullptr);
        EXPECT_NE(merged->FindMasterFormByName("supplier_form"), nullptr);
        EXPECT_NE(merged->FindReportByName("supplier Report"), nullptr);
        ExpectWriteAllWritesEverything();
    }
}

namespace
{
// Chooses as the selective merge dialog does: the master tables shown, only the named one
// checked, saved.
class DialogTableSelection : public MergeSelection
{
public:
    DialogTableSelection(const char* table, bool overwrite) : m_table(table)
    {
        m_choice.overwrite = overwrite;
    }

    std::optional<MergeChoice> Choose(ForgeonProject*, ForgeonProject* second,
                                      MergeDependencyCollector& dependencies) override
    {
        Module* module = second->FindModuleByName("Sales");
        dependencies.SetSelectedModule(module);
        SelectiveMerge dialog(module, dependencies);
        dialog.SelectKind(SelectiveMerge::MasterTables);
        dialog.Select();
        for (std::size_t index = 0; index < dialog.GetItems().size(); ++index)
            dialog.SetItemCheck(static_cast<int>(index), dialog.GetItems()[index].name == m_table);
        dialog.Save();
        return m_choice;
    }

private:
    CString m_table;
    MergeChoice m_choice;
};
} // namespace

// The second project names the customer table "Customer" and gives it one more field: the
// merge matches the tables ignoring case and leaves the model as a load leaves it, whatever
// the selection.
TEST_F(MergePropertyTest, NamesThatDifferOnlyInCaseMergeAsTheLoadLeavesThem)
{
    using Kind = ScriptedMergeSelection::Kind;
    for (const bool overwrite : {false, true})
    {
        ScriptedMergeSelection fullModule = ScriptedMergeSelection::FullModule("Sales", overwrite);
        ScriptedMergeSelection table =
            ScriptedMergeSelection::Entities("Sales", {{Kind::Table, "Customer"}}, overwrite);
        DialogTableSelection dialog("Customer", overwrite);
        const std::pair<const char*, MergeSelection*> selections[] = {
            {"full module", &fullModule},
            {"table", &table},
            {"table through the dialog", &dialog},
        };
        for (const auto& [name, selection] : selections)
        {
            SCOPED_TRACE(std::string(name) + (overwrite ? ", overwrite" : ", keep"));
            auto second = NewSalesProject("Second", Path("b"));
            {
                ScopedOpenProject open(second.get());
                Table* customer =
                    NewTable("Customer", Table::masterKind, {"name", "city", "phone"});
                second->GetCurrentModule()->AddTable(customer);
                TableFormCreator(customer, second.get()).CreateAll();
            }
            Load(BuildSalesFixture("First", Path("a")), std::move(second));
            MergeThroughAndRoundTrip(*selection);
            const Module* merged = m_store.GetProject()->FindModuleByName("Sales");
            ASSERT_NE(merged, nullptr);
            std::vector<Table*> tables;
            merged->GetAllTables(tables);
            EXPECT_EQ(1, std::ranges::count_if(
                             tables, [](const Table* table)
                             { return table->GetTableName().CompareNoCase("customer") == 0; }));
        }
    }
}

namespace
{
// Renames the project's base module as Rename Module does.
void RenameBaseModule(ForgeonProject& project, const char* name)
{
    ScopedOpenProject open(&project);
    Module* base = project.GetBaseModule();
    base->RenameDefaultObjects(name);
    base->SetName(name);
    project.UpdateProjectDashboard();
}

// A new project whose base module was renamed as Rename Module does, with the table "customer"
// and its pages.
std::unique_ptr<ForgeonProject> RenamedBaseProject(const char* name, const char* path,
                                                   const char* moduleName)
{
    auto project = std::make_unique<ForgeonProject>();
    ScopedOpenProject open(project.get());
    project->InitNewProject();
    project->SetProjectName(name);
    project->SetProjectPath(path);
    RenameBaseModule(*project, moduleName);
    Table* customer = NewTable("customer", Table::masterKind, {"name", "city"});
    project->GetBaseModule()->AddTable(customer);
    TableFormCreator(customer, project.get()).CreateAll();
    return project;
}

// The captions of the project dashboard's cells, each with the name of the menu it links.
std::string ProjectDashboardCells(const ForgeonProject& project)
{
    const DashBoard* dashBoard = project.GetBaseModule()->FindDashBoardByName("Project_Dashboard");
    if (dashBoard == nullptr || dashBoard->GetGrid() == nullptr)
        return "no project dashboard";
    std::string text;
    for (int row = 0; row < dashBoard->GetGrid()->GetRowCount(); ++row)
    {
        const DashBoardCellInfo* cell =
            dashBoard->GetGrid()->GetCellAt(row, 0)->GetDashBoardCellInfo();
        text += std::string(cell->GetCaption().GetString()) + ">" +
                (cell->GetMenu() != nullptr ? cell->GetMenu()->GetName().GetString() : "") + " ";
    }
    return text;
}
} // namespace

// The base module of a second project, renamed "Sales", merged whole as a new module: it brings
// its module dashboard and pages but not its project's project dashboard; the merged project's
// project dashboard gains the module's cell, the module dashboard leads back to it, and the site
// is written and compiles.
TEST_F(MergePropertyTest, AMergedModuleLeavesItsProjectsDashboardBehind)
{
    for (const bool overwrite : {false, true})
    {
        SCOPED_TRACE(overwrite ? "overwrite" : "keep");
        auto first = std::make_unique<ForgeonProject>();
        {
            ScopedOpenProject open(first.get());
            first->InitNewProject();
            first->SetProjectName("First");
            first->SetProjectPath(Path("a"));
        }
        Load(std::move(first), RenamedBaseProject("Second", Path("b"), "Sales"));
        MergeAndRoundTrip(ScriptedMergeSelection::FullModule("Sales", overwrite));
        const ForgeonProject& merged = *m_store.GetProject();
        EXPECT_EQ(merged.GetModuleNames(), (std::vector<CString>{"BaseModule", "Sales"}));
        const Module* sales = merged.FindModuleByName("Sales");
        ASSERT_NE(sales, nullptr);
        EXPECT_EQ(Names(sales->GetDashBoardPages()), " Sales_Dashboard");
        EXPECT_EQ(Names(sales->GetDashBoards()), " Sales_Dashboard");
        EXPECT_EQ(sales->FindMenuByName("Project Dashboard"), nullptr);
        EXPECT_EQ(ProjectDashboardCells(merged),
                  "BaseModule>Base Module Dashboard Sales>Sales Dashboard ");
        const Menu* back = nullptr;
        const Grid* grid = sales->FindDashBoardByName("Sales_Dashboard")->GetGrid();
        for (int row = 0; row < grid->GetRowCount(); ++row)
            if (const DashBoardCellInfo* cell = grid->GetCellAt(row, 0)->GetDashBoardCellInfo();
                cell != nullptr && cell->GetCaption() == "Back to Project Dashboard")
                back = cell->GetMenu();
        EXPECT_EQ(back, merged.GetBaseModule()->FindMenuByName("Project Dashboard"));
        ExpectWriteAllWritesEverything();
        const std::filesystem::path application = ToHostPath(Path("site\\First\\First"));
        const ToolResult compiled =
            CompileWrittenApplication(application, application / "site.dll");
        EXPECT_EQ(compiled.exitCode, 0) << compiled.output;
    }
}

namespace
{
// The second and later page files of one name in a page, by address.
std::string TwiceHeldPageFiles(const ForgeonProject& project)
{
    return ForEachPageFile(project,
                           [](const FormInterface& page, const AspFile& file)
                           {
                               return FindPageFile(page, PageFileName(file)) != &file
                                          ? std::string(PageFileUrl(file).GetString()) + "\n"
                                          : std::string();
                           });
}

} // namespace

// Two projects made as the window makes them, the second's base module renamed "Sales" and
// merged whole: the login pages both hold keep one file of each name, so the project file lists
// each once.
TEST_F(MergePropertyTest, PagesBothProjectsHoldKeepOneFileOfEachName)
{
    for (const bool overwrite : {false, true})
    {
        SCOPED_TRACE(overwrite ? "overwrite" : "keep");
        std::unique_ptr<ForgeonProject> inputs[2];
        for (const int side : {0, 1})
        {
            inputs[side] = std::make_unique<ForgeonProject>();
            ScopedOpenProject open(inputs[side].get());
            inputs[side]->InitNewProject();
            inputs[side]->SetProjectPath(Path(side == 0 ? "a" : "b"));
            LoginPageCreator().Create();
        }
        RenameBaseModule(*inputs[1], "Sales");
        Load(std::move(inputs[0]), std::move(inputs[1]));
        MergeAndRoundTrip(ScriptedMergeSelection::FullModule("Sales", overwrite));
        EXPECT_EQ(TwiceHeldPageFiles(*m_store.GetProject()), "");
        ExpectWriteAllWritesEverything();
    }
}

// Module names that differ only in case are one module, kept or overwritten: the merge adds no
// module, and the merged project saves, loads, saves to the same bytes and is written.
TEST_F(MergePropertyTest, ModuleNamesThatDifferOnlyInCaseAreOneModule)
{
    for (const char* name : {"SALES", "sales"})
    {
        for (const bool overwrite : {false, true})
        {
            SCOPED_TRACE(std::string(name) + (overwrite ? ", overwrite" : ", keep"));
            auto second = BuildSalesFixture("Second", Path("b"), /*variant=*/true);
            {
                ScopedOpenProject open(second.get());
                Module* sales = second->FindModuleByName("Sales");
                sales->RenameDefaultObjects(name);
                sales->SetName(name);
                second->UpdateProjectDashboard();
            }
            Load(BuildSalesFixture("First", Path("a")), std::move(second));
            MergeAndRoundTrip(ScriptedMergeSelection::FullModule(name, overwrite));
            EXPECT_EQ(m_store.GetProject()->GetModuleNames(),
                      (std::vector<CString>{"BaseModule", "Sales"}));
            ExpectWriteAllWritesEverything();
        }
    }
}

namespace
{
#ifndef WEAVO_TEST_DATA
#error "WEAVO_TEST_DATA names the folder of the test data"
#endif

std::size_t CountMenus(const Module& module)
{
    std::vector<Menu*> menus;
    module.CollectMenus(menus, nullptr);
    return menus.size();
}

std::size_t CountFunctions(const Module& module)
{
    std::size_t count = 0;
    for (const Class* dataClass : module.GetClasses())
        count += dataClass->GetFunctions().size();
    return count;
}

// The dashboard cells of the module that open a menu.
std::size_t CountLinkedCells(const Module& module)
{
    std::size_t count = 0;
    for (const DashBoard* dashBoard : module.GetDashBoards())
    {
        const Grid* grid = dashBoard->GetGrid();
        for (int row = 0; grid != nullptr && row < grid->GetRowCount(); ++row)
            for (int column = 0; column < grid->GetColumnCount(); ++column)
                if (const GridCell* cell = grid->GetCellAt(row, column);
                    cell != nullptr && cell->GetDashBoardCellInfo() != nullptr &&
                    cell->GetDashBoardCellInfo()->GetMenu() != nullptr)
                    ++count;
    }
    return count;
}

std::size_t CountPageFiles(const Module& module)
{
    std::vector<FormInterface*> pages;
    module.GetAllPages(pages);
    std::size_t count = 0;
    for (const FormInterface* page : pages)
        count += page->GetAspFiles().size();
    return count;
}

// The links of the module's login page, which the outcome test gives the first project's; "none"
// without login page.
std::string LoginPageLinks(const Module& module)
{
    const LoginPage* page = module.GetLoginPage();
    return page != nullptr
               ? std::to_string(page->GetPreLinkList().size() + page->GetPostLinkList().size())
               : "none";
}

// The full names of the module's menu items that open the project dashboard; "none" without.
std::string ProjectDashboardItems(const ProjectOwnObjects& own, const Module& module)
{
    std::vector<Menu*> menus;
    module.CollectMenus(menus, nullptr);
    std::string names;
    for (const Menu* item : menus)
        if (own.Holds(item))
            names += (names.empty() ? "" : ", ") + std::string(item->GetFullName());
    return names.empty() ? "none" : names;
}

// Each module's entity counts and the project's report descriptions.
std::string DescribeCounts(const ForgeonProject& project)
{
    std::ostringstream out;
    const ProjectOwnObjects own = FindProjectOwnObjects(project);
    for (const Module* module : project.GetModules())
    {
        std::vector<Table*> tables;
        module->GetAllTables(tables);
        out << "module " << module->GetName().GetString() << "\n tables " << tables.size()
            << "\n procedures " << module->GetProcedures().size() << "\n master forms "
            << module->GetMasterForms().size() << "\n map forms " << module->GetMapForms().size()
            << "\n transactions " << module->GetTransactions().size() << "\n reports "
            << module->GetReports().size() << "\n rdlc reports " << module->GetRDLCReports().size()
            << "\n dashboards " << module->GetDashBoards().size() << "\n dashboard pages "
            << module->GetDashBoardPages().size() << "\n linked dashboard cells "
            << CountLinkedCells(*module) << "\n classes " << module->GetClasses().size()
            << "\n functions " << CountFunctions(*module) << "\n roles "
            << module->GetDesignations().size() << "\n menus " << CountMenus(*module)
            << "\n login page links " << LoginPageLinks(*module) << "\n page files "
            << CountPageFiles(*module) << "\n project dashboard items "
            << ProjectDashboardItems(own, *module) << "\n";
    }
    out << "rdlc infos " << project.GetRDLCInfos().size() << "\nxsd infos "
        << project.GetXSDInfos().size() << "\n";
    return out.str();
}
} // namespace

// The outcome of every kind of merge over the suite's fixtures, kept and overwriting: the
// variant with a procedure of its own into the fixture, the whole module or one entity of each
// kind, the variant's module named in capitals or after the base module, and each module of the
// fixture into a copy of itself. The merged project saves, loads and saves to the same bytes; each
// module's entity counts and the overwrite report are compared whole with the expected file of the
// case (WEAVO_WRITE_MERGE_OUTCOMES names a folder that takes the outcomes, to renew the files).
TEST_F(MergePropertyTest, EveryMergeKindHasItsExpectedOutcome)
{
    using Kind = ScriptedMergeSelection::Kind;
    enum class Second
    {
        variant,
        capitals,
        // The variant's module renamed after the base module, whose name is another.
        baseModuleName,
        // The same, its top menu named otherwise than the base module's: the overwrite deletes
        // the base module's menu tree.
        baseModuleNameOwnMenu,
        copy
    };
    struct Case
    {
        const char* file;
        const char* module;
        std::optional<ScriptedMergeSelection::Entity> entity;
        Second second;
        const char* nameText = " ";
    };
    const Case cases[] = {
        {"full-module", "Sales", std::nullopt, Second::variant},
        {"table", "Sales", {{Kind::Table, "supplier"}}, Second::variant},
        {"procedure", "Sales", {{Kind::Procedure, "PRC_supplier_list"}}, Second::variant},
        {"report", "Sales", {{Kind::Report, "supplier Report"}}, Second::variant},
        {"master-form", "Sales", {{Kind::MasterForm, "supplier_form"}}, Second::variant},
        {"map-form", "Sales", {{Kind::MapForm, "region_form"}}, Second::variant},
        {"transaction", "Sales", {{Kind::Transaction, "order"}}, Second::variant},
        {"menu", "Sales", {{Kind::Menu, "Extras"}}, Second::variant},
        {"dashboard", "Sales", {{Kind::DashBoard, "overview"}}, Second::variant},
        {"dashboard-page", "Sales", {{Kind::DashBoardPage, "home"}}, Second::variant},
        {"class", "Sales", {{Kind::Class, "_supplier"}}, Second::variant},
        {"rdlc-report", "Sales", {{Kind::RDLCReport, "supplier_rdlc"}}, Second::variant},
        {"module-in-capitals", "SALES", std::nullopt, Second::capitals},
        {"module-named-as-the-base-module", "BaseModule", std::nullopt, Second::baseModuleName},
        {"module-named-as-the-base-module-own-menu", "BaseModule", std::nullopt,
         Second::baseModuleNameOwnMenu},
        {"copy-sales", "Sales", std::nullopt, Second::copy},
        {"copy-base-module", "BaseModule", std::nullopt, Second::copy},
        {"copy-base-module-named", "BaseModule", std::nullopt, Second::copy, "BaseModule"},
    };
    const char* written = std::getenv("WEAVO_WRITE_MERGE_OUTCOMES");
    for (const bool overwrite : {false, true})
    {
        for (const Case& test : cases)
        {
            const std::string name =
                std::string(test.file) + (overwrite ? "-overwrite.txt" : "-keep.txt");
            SCOPED_TRACE(name);
            auto second = BuildSalesFixture("Second", Path("b"), test.second != Second::copy);
            if (test.second != Second::copy)
            {
                ScopedOpenProject open(second.get());
                Module* sales = second->FindModuleByName("Sales");
                CString supplier = "supplier";
                sales->Append(NewProcedure("PRC_supplier_list", sales->FindTableByName(supplier)));
                if (test.second == Second::baseModuleName ||
                    test.second == Second::baseModuleNameOwnMenu)
                    RenameBaseModule(*second, "Main");
                if (test.second != Second::variant)
                {
                    sales->RenameDefaultObjects(test.module);
                    sales->SetName(test.module);
                    second->UpdateProjectDashboard();
                }
                if (test.second == Second::baseModuleNameOwnMenu)
                    sales->FindMenuByName("BaseModuleMenu")->SetName("ShopMenu");
            }
            auto first = BuildSalesFixture("First", Path("a"));
            auto* help = new LinkControl;
            help->SetCaption("Help");
            first->GetBaseModule()->GetLoginPage()->AddPostLink(help);
            Load(std::move(first), std::move(second));
            const std::filesystem::path report =
                m_tempOverride.Own() /
                (std::string("Merge_OverwriteReport_") + test.nameText + ".txt");
            std::filesystem::remove(report);
            ScriptedMergeSelection selection =
                test.entity
                    ? ScriptedMergeSelection::Entities(test.module, {*test.entity}, overwrite)
                    : ScriptedMergeSelection::FullModule(test.module, overwrite);
            selection.WithNameText(test.nameText);
            MergeAndRoundTrip(selection);
            std::string outcome = DescribeCounts(*m_store.GetProject());
            if (overwrite)
                outcome += "overwrite report\n" + MergeFileText(report);
            if (written != nullptr)
                std::ofstream(std::filesystem::path(written) / name, std::ios::binary) << outcome;
            EXPECT_EQ(outcome, ReadHostFile(std::filesystem::path(WEAVO_TEST_DATA) / "merge" /
                                            "outcomes" / name));
        }
    }
}

namespace
{
// The collector "board" of the project's module "Sales", showing the reports of the names; a
// name the module lacks becomes a report of its own first.
void AddBoard(ForgeonProject& project, const std::vector<const char*>& reports)
{
    ScopedOpenProject open(&project);
    Module* sales = project.FindModuleByName("Sales");
    auto* collector = NewPage<ReportCollector>("board");
    sales->AddReportCollector(collector);
    for (const char* name : reports)
    {
        if (sales->FindReportByName(name) == nullptr)
            sales->AddReport(NewPage<ApplicationReport>(name), true);
        collector->AddReport({sales->FindReportByName(name), 250, 450});
    }
}

// The collectors of the module: the reports each shows, then each of its page files with the
// page that owns it, marked when that page is not the collector nor a report it shows.
std::string DescribeCollectors(const Module& module)
{
    std::string text;
    for (const ReportCollector* collector : module.GetReportCollectors())
    {
        text += std::string(collector->GetFormName().GetString()) + " shows";
        for (const ReportCollectorEntry& entry : collector->GetEntries())
            text += std::string(" ") + entry.m_report->GetFormName().GetString();
        text += "; files";
        for (const AspFile* file : collector->GetAspFiles())
        {
            const FormInterface* owner = file->GetOwnerPage();
            const bool shown = std::ranges::any_of(collector->GetEntries(),
                                                   [owner](const ReportCollectorEntry& entry)
                                                   { return entry.m_report == owner; });
            text += " " + std::to_string(file->GetFileKind()) + ":" +
                    (owner != nullptr ? owner->GetFormName().GetString() : "none") +
                    (owner == collector || shown ? "" : " (foreign)");
        }
        text += "\n";
    }
    return text;
}
} // namespace

// A first project whose collector shows a search report is merged with either module of a
// second project, which has a collector of the same name showing other reports or none, kept or
// overwriting, and through the selective merge dialog: each collector's files stay as a load
// reads them (a report's file owned by the report it shows), and the merged project saves,
// loads and saves to the same bytes.
TEST_F(MergePropertyTest, ACollectorsReportFilesStayWithTheReportsItShows)
{
    struct Case
    {
        const char* module;
        bool secondBoard;
        bool dialog;
        bool overwrite;
        const char* collectors;
    };
    const char* const kept = "board shows customer Report first_only; files 0:board "
                             "10:customer Report 10:first_only\n";
    const char* const overwritten = "board shows customer Report; files 0:board "
                                    "10:customer Report\n";
    const Case cases[] = {
        {"Sales", false, false, false, kept},     {"Sales", false, false, true, overwritten},
        {"Sales", true, false, false, kept},      {"Sales", true, false, true, overwritten},
        {"BaseModule", true, false, false, kept}, {"BaseModule", true, false, true, kept},
        {"Sales", true, true, false, kept},       {"Sales", true, true, true, overwritten},
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(std::string(test.module) + (test.secondBoard ? ", both boards" : "") +
                     (test.dialog ? ", dialog" : "") + (test.overwrite ? ", overwrite" : ", keep"));
        auto first = BuildSalesFixture("First", Path("a"));
        AddBoard(*first, {"customer Report", "first_only"});
        auto second = BuildSalesFixture("Second", Path("b"), true);
        if (test.secondBoard)
            AddBoard(*second, {"supplier Report", "second_only"});
        Load(std::move(first), std::move(second));
        ScriptedMergeSelection whole =
            ScriptedMergeSelection::FullModule(test.module, test.overwrite);
        DialogTableSelection dialog("supplier", test.overwrite);
        MergeThroughAndRoundTrip(test.dialog ? static_cast<MergeSelection&>(dialog) : whole);
        EXPECT_EQ(DescribeCollectors(*m_store.GetProject()->FindModuleByName("Sales")),
                  test.collectors);
    }
}

namespace
{
std::string CallText(const ClassInvokation* classCall, const ProcedureInvokation* procedureCall)
{
    std::string text;
    if (classCall != nullptr)
        text = (classCall->GetClass() != nullptr ? StdString(classCall->GetClass()->GetFieldName())
                                                 : std::string()) +
               "." +
               (classCall->GetFunction() != nullptr
                    ? StdString(classCall->GetFunction()->GetFieldName())
                    : std::string());
    if (procedureCall != nullptr)
        text += "+" + (procedureCall->GetProcedure() != nullptr
                           ? StdString(procedureCall->GetProcedure()->GetName())
                           : std::string("?"));
    return text.empty() ? "-" : text;
}

// The calls of each report group, graph and placement of the module, from its lists.
std::string DescribeCalls(const Module& module)
{
    std::ostringstream out;
    for (const ApplicationReport* report : module.GetReports())
    {
        out << "report " << StdString(report->GetFormName()) << ":";
        for (const ReportGroup* group : report->GetReportGroups())
            out << " " << CallText(group->GetClassCall(), group->GetProcedureCall());
        out << "\n";
    }
    for (const DashBoard* graph : module.GetDashBoards())
        out << "graph " << StdString(graph->GetFormName()) << ": "
            << CallText(graph->GetClassInvokation(), graph->GetProcedureInvokation()) << "\n";
    for (const DashBoardPage* page : module.GetDashBoardPages())
    {
        out << "dashboard page " << StdString(page->GetFormName()) << ":";
        for (const DashBoardPageData* placement : page->GetPlacements())
            out << " "
                << CallText(placement->GetClassInvokation(), placement->GetProcedureInvokation());
        out << "\n";
    }
    return out.str();
}

// Each procedure, class and function of the project with the entities of the module that refer
// to it, as the module's reference list names them.
std::string DescribeCallers(const ForgeonProject& project, Module& module)
{
    std::map<std::string, const void*> callees;
    for (const Module* each : project.GetModules())
    {
        for (const Procedure* procedure : each->GetProcedures())
            callees["procedure " + StdString(procedure->GetName())] = procedure;
        for (const Class* dataClass : each->GetClasses())
        {
            callees["class " + StdString(dataClass->GetFieldName())] = dataClass;
            for (const Function* function : dataClass->GetFunctions())
                callees["function " + StdString(dataClass->GetFieldName()) + "." +
                        StdString(function->GetFieldName())] = function;
        }
    }
    ReferenceList::Targets targets;
    for (const auto& [name, callee] : callees)
        targets.insert(callee);
    ReferenceList list(targets);
    module.ListReferences(list);
    std::string text;
    for (const auto& [name, callee] : callees)
        for (const CString& user : list.UsersOf({callee}))
            text += name + " <- " + StdString(user) + "\n";
    return text;
}
} // namespace

// The report feeding fixture's base module, whose reports, graphs and placements call
// procedures and class functions every way, merged whole into another project, kept and
// overwriting: every call names the same procedure and function as before, and the merged
// project saves, loads and saves to the same bytes. Its second module, whose reports call the
// base module's procedure and class, merged alone loses those calls and the report names them
// with their pages.
TEST_F(MergePropertyTest, AMergedModuleKeepsEveryCallOfItsReportsAndGraphs)
{
    struct Case
    {
        const char* module;
        bool overwrite;
        std::vector<std::string> lost;
    };
    const std::vector<std::string> module2 = {
        "PRC_table_3_SelectAll procedure of procedure_in_module2 page not found in first file!\n\n",
        "_table_2.SelectAllRecords function of search_in_module2 page not found in first "
        "file!\n\n"};
    for (const Case& test : {Case{"BaseModule", false, {}}, Case{"BaseModule", true, {}},
                             Case{"Module2", false, module2}, Case{"Module2", true, module2}})
    {
        SCOPED_TRACE(std::string(test.module) + (test.overwrite ? ", overwrite" : ", keep"));
        auto first = std::make_unique<ForgeonProject>();
        {
            ScopedOpenProject open(first.get());
            first->InitNewProject();
            first->SetProjectPath(Path("a"));
        }
        ASSERT_TRUE(m_store.ArchiveProject(first.get(), Path("first.wvt"), FALSE));
        first.reset();
        ASSERT_TRUE(m_store.LoadFirstMergeProject(Path("first.wvt")));
        const std::filesystem::path fixture =
            std::filesystem::path(WEAVO_TEST_DATA) / "model" / "report-feeding.wvt";
        ASSERT_TRUE(m_store.LoadSecondMergeProject(fixture.string().c_str()));
        Module* source = Second()->FindModuleByName(test.module);
        const std::string calls = DescribeCalls(*source);
        const std::string callers = DescribeCallers(*Second(), *source);
        MergeAndRoundTrip(ScriptedMergeSelection::FullModule(test.module, test.overwrite));
        Module* merged = m_store.GetProject()->FindModuleByName(test.module);
        ASSERT_NE(merged, nullptr);
        const std::string report = TempText("Report_ .txt");
        if (test.lost.empty())
        {
            EXPECT_EQ(report, separator);
            EXPECT_EQ(DescribeCalls(*merged), calls);
            EXPECT_EQ(DescribeCallers(*m_store.GetProject(), *merged), callers);
        }
        for (const std::string& line : test.lost)
            EXPECT_NE(report.find(line), std::string::npos) << line;
    }
}

// Saved projects whose report columns and page file bindings show class function output
// fields that the overwrite's deletions free, through the foreign key a deleted field had to
// the table they show: merged kept and overwriting, the merged project saves, loads and saves
// to the same bytes.
TEST_F(MergePropertyTest, FreedFunctionOutputFieldsLeaveTheirHolders)
{
    struct Case
    {
        const char* first;
        const char* second;
    };
    const std::filesystem::path data = std::filesystem::path(WEAVO_TEST_DATA) / "fuzz";
    const Case cases[] = {
        {"reload-changes/form-key-variable-named-after-table.wvt",
         "loader-crashes/dangling-menu-in-report-file.wvt"},
        {"reload-changes/repeated-control-keeps-variable.wvt",
         "reload-changes/form-key-variable-named-after-table.wvt"},
    };
    for (const Case& test : cases)
    {
        for (const bool overwrite : {false, true})
        {
            SCOPED_TRACE(std::string(test.first) + " + " + test.second +
                         (overwrite ? ", overwrite" : ", keep"));
            ASSERT_TRUE(m_store.LoadFirstMergeProject((data / test.first).string().c_str()));
            ASSERT_TRUE(m_store.LoadSecondMergeProject((data / test.second).string().c_str()));
            MergeAndRoundTrip(ScriptedMergeSelection::FullModule("BaseModule", overwrite));
        }
    }
}

namespace
{
// Each table of the project that lacks its key or any field, by module.
std::string TablesWithoutKey(const ForgeonProject& project)
{
    std::string text;
    for (const Module* module : project.GetModules())
    {
        std::vector<Table*> tables;
        module->GetAllTables(tables);
        for (const Table* table : tables)
            if (table->GetFields().empty() || table->GetPrimaryKeyField() == nullptr)
                text += std::string(module->GetName().GetString()) + " " +
                        table->GetTableName().GetString() + "\n";
    }
    return text;
}
} // namespace

// A module whose table joins a table of the base module, merged into a project that lacks the
// joined table, kept and overwriting: the table stays behind and the report names it, the key
// that joined it is a plain field, the module's own report descriptions alone come, the merged
// project saves, loads and saves to the same bytes, and Write All writes everything it lists.
TEST_F(MergePropertyTest, AMergedModuleBringsNoEmptyTable)
{
    for (const SelectionCase& test :
         {SelectionCase{"keep", false}, SelectionCase{"overwrite", true}})
    {
        SCOPED_TRACE(test.name);
        auto first = std::make_unique<ForgeonProject>();
        {
            ScopedOpenProject open(first.get());
            first->InitNewProject();
            first->SetProjectPath(Path("a"));
        }
        Load(std::move(first), BuildJoinedCustomerFixture("Second", Path("b")));
        MergeAndRoundTrip(ScriptedMergeSelection::FullModule("Module2", test.overwrite));
        const ForgeonProject& merged = *m_store.GetProject();
        EXPECT_EQ(TablesWithoutKey(merged), "");
        CString name = "customer";
        EXPECT_EQ(merged.FindTableByName(name), nullptr);
        name = "orders";
        const Table* orders = merged.FindTableByName(name);
        ASSERT_NE(orders, nullptr);
        EXPECT_FALSE(orders->FindFieldByName("customer_ref")->IsForeignKey());
        EXPECT_NE(TempText("Report_ .txt").find("customer table not found in first file\n\n"),
                  std::string::npos);
        EXPECT_EQ(Names(merged.GetRDLCInfos()) + Names(merged.GetXSDInfos()),
                  " Module2\\RDLCs\\orders_SelectAllRecords.rdlc"
                  " Module2\\DataSets\\orders_SelectAllRecords.xsd");
        ExpectWriteAllWritesEverything();
    }
}

namespace
{
// The fixture whose customer report has two groups that call nothing, with the procedure of the
// name on the customer table.
std::unique_ptr<ForgeonProject> WithIdleGroupsAndProcedure(std::unique_ptr<ForgeonProject> project,
                                                           const char* procedure)
{
    ScopedOpenProject open(project.get());
    Module* sales = project->FindModuleByName("Sales");
    ApplicationReport* report = sales->FindReportByName("customer Report");
    for (const char* header : {"Totals", "Notes"})
    {
        auto* group = new ReportGroup(report, nullptr);
        group->SetHeader(header);
        report->AddReportGroup(group);
    }
    CString customer = "customer";
    sales->Append(NewProcedure(procedure, sales->FindTableByName(customer)));
    return project;
}

// Each report of the project with the header of each of its groups.
std::string DescribeGroups(const ForgeonProject& project)
{
    std::string text;
    for (const Module* module : project.GetModules())
        for (const ApplicationReport* report : module->GetReports())
        {
            text += report->GetFormName().GetString();
            for (const ReportGroup* group : report->GetReportGroups())
                text += std::string(" [") + group->GetHeader().GetString() + "]";
            text += "\n";
        }
    return text;
}
} // namespace

// A module merged into its namesake adds nothing empty and nothing twice: a report's groups that
// call nothing pair with the namesake's in their order, and a procedure whose name differs only
// in case is the project's own, which keeps its spelling; kept and overwriting, twice over.
TEST_F(MergePropertyTest, AMergeIntoTheNamesakeAddsNoGroupNorProcedureTwice)
{
    for (const SelectionCase& test :
         {SelectionCase{"keep", false}, SelectionCase{"overwrite", true}})
    {
        SCOPED_TRACE(test.name);
        Load(WithIdleGroupsAndProcedure(BuildSalesFixture("First", Path("a")),
                                        "PRC_customer_SelectAll"),
             WithIdleGroupsAndProcedure(BuildSalesFixture("Second", Path("b")),
                                        "prc_customer_selectall"));
        const std::string lists = DescribeLists(*First());
        const std::string groups = DescribeGroups(*First());
        EXPECT_NE(groups.find("customer Report [] [Totals] [Notes]\n"), std::string::npos)
            << groups;
        const std::string once =
            MergeAndRoundTrip(ScriptedMergeSelection::FullModule("Sales", test.overwrite));
        EXPECT_EQ(DescribeLists(*m_store.GetProject()), lists);
        EXPECT_EQ(DescribeGroups(*m_store.GetProject()), groups);
        EXPECT_FALSE(m_store.GetProject()->HasDuplicateNames()) << LastBox();

        ASSERT_TRUE(m_store.LoadFirstMergeProject(Path("merged.wvt"))) << LastBox();
        ASSERT_TRUE(m_store.LoadSecondMergeProject(Path("second.wvt"))) << LastBox();
        ExpectSameBytes(
            once, MergeAndRoundTrip(ScriptedMergeSelection::FullModule("Sales", test.overwrite)));
    }
}
