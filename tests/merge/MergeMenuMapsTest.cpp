// Menus and the page files' menu variable maps through a merge: the overwrite pass deletes
// menus, each menu of a merged project deleted, the open project's own maps and their pairs;
// and a page's own procedure call.
#include "entities/ProcedureInvokation.h"
#include "tests/merge/MergeRunFixture.h"
#include "tests/merge/properties/MergeFixtureProjects.h"
#include "tests/model/MenuMapChecks.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace
{
// Each map of every page file of the module whose leaf opens a page with variables, with the
// pair of that page's first variable and the file's page's first variable.
void PairEveryMap(const Module& module)
{
    std::vector<FormInterface*> pages;
    module.GetAllPages(pages);
    for (const FormInterface* page : pages)
        for (AspFile* file : page->GetAspFiles())
            for (int index = 0; MenuVariableMap* map = file->GetTopMenuVariableMapAt(index);
                 ++index)
            {
                const AspFile* opened = map->m_menu->GetAspFile();
                const FormInterface* openedPage =
                    opened != nullptr ? opened->GetOwnerPage() : nullptr;
                std::vector<Variable*> from;
                std::vector<Variable*> to;
                if (openedPage != nullptr)
                    openedPage->GetVariables(from, true);
                page->GetVariables(to, true);
                if (!from.empty() && !to.empty())
                    map->AddVariablePair(from.front(), to.front());
            }
}

// Per page file of the module ("page|address"): its maps as "menu:pairs".
std::map<std::string, std::vector<std::string>> MapsOfFiles(const Module& module)
{
    std::map<std::string, std::vector<std::string>> files;
    std::vector<FormInterface*> pages;
    module.GetAllPages(pages);
    for (const FormInterface* page : pages)
        for (const AspFile* file : page->GetAspFiles())
        {
            std::vector<std::string>& maps =
                files[StdString(page->GetFormName() + "|" + file->GetRelativeUrl(FALSE, FALSE))];
            for (const MenuVariableMap& map : file->GetTopMenuVariableMaps())
                maps.push_back(StdString(map.m_menu->GetFullName()) + ":" +
                               std::to_string(map.GetVariablePairs().size()));
        }
    return files;
}

ProcedureInvokation* NewProcedureCall(Procedure* procedure)
{
    auto* call = new ProcedureInvokation;
    call->SetProcedure(procedure);
    return call;
}
} // namespace

class MergeMenuMapsTest : public MergeRun
{
protected:
    // The merged project saved, read back as a merge input and saved again gives the same
    // bytes.
    void ExpectSameBytesOnceLoaded()
    {
        const std::string merged = SavedBytes(First(), "merged.wvt");
        ASSERT_TRUE(m_store.LoadFirstMergeProject(Path("merged.wvt"))) << LastBox();
        ExpectSameBytes(merged, SavedBytes(First(), "again.wvt"));
    }
    // The inputs that Load saved, read again.
    void Reload()
    {
        ASSERT_TRUE(m_store.LoadFirstMergeProject(m_folder.ModelPath("first.wvt"))) << LastBox();
        ASSERT_TRUE(m_store.LoadSecondMergeProject(m_folder.ModelPath("second.wvt"))) << LastBox();
    }
};

// "Overwrite Base Module" deletes the first project's supplier pages and menu items, which the
// second lacks; no page file keeps a map of them.
TEST_F(MergeMenuMapsTest, OverwritingDeletesMenusAndTheMergedProjectSavesLoadsAndSaves)
{
    Load(BuildSalesFixture("First", Path("a"), /*variant=*/true),
         BuildSalesFixture("Second", Path("b")));
    const std::size_t menus = AllMenus(*First()).size();
    ScriptedMergeSelection selection = ScriptedMergeSelection::FullModule("Sales", true);
    ASSERT_TRUE(RunStoreMerge(selection));
    EXPECT_LT(AllMenus(*First()).size(), menus);
    EXPECT_EQ(MapsOfGoneMenus(*First()), std::vector<std::string>{});
    ExpectSameBytesOnceLoaded();
}

TEST_F(MergeMenuMapsTest, EachMenuOfAMergedProjectDeletedSavesLoadsAndSaves)
{
    Load(BuildSalesFixture("First", Path("a")),
         BuildSalesFixture("Second", Path("b"), /*variant=*/true));
    std::size_t count = 0;
    for (std::size_t index = 0; index == 0 || index < count; ++index)
    {
        if (index > 0)
            Reload();
        ScriptedMergeSelection selection = ScriptedMergeSelection::FullModule("Sales", false);
        ASSERT_TRUE(RunStoreMerge(selection));
        const std::vector<Menu*> menus = AllMenus(*First());
        count = menus.size();
        const std::string name = StdString(menus[index]->GetFullName());
        ASSERT_TRUE(First()->DeleteMenu(menus[index])) << name;
        EXPECT_EQ(MapsOfGoneMenus(*First()), std::vector<std::string>{}) << name;
        ExpectSameBytesOnceLoaded();
    }
    EXPECT_GT(count, 10u);
}

// A menu item of the second project that opens the page file its namesake in the first opens
// already leaves that file's maps, and the pairs set in them, as they were.
TEST_F(MergeMenuMapsTest, TheOpenProjectsPageFilesKeepTheirMapsAndTheirPairs)
{
    auto first = BuildSalesFixture("First", Path("a"));
    PairEveryMap(*first->FindModuleByName("Sales"));
    Load(std::move(first), BuildSalesFixture("Second", Path("b"), /*variant=*/true));
    const auto before = MapsOfFiles(*FirstSales());
    ASSERT_NE(before.at("customer_form|Sales/UI/customerAdd.aspx"), std::vector<std::string>{});

    ScriptedMergeSelection selection = ScriptedMergeSelection::FullModule("Sales", false);
    ASSERT_TRUE(RunStoreMerge(selection));
    const auto after = MapsOfFiles(*FirstSales());
    for (const auto& [file, maps] : before)
    {
        ASSERT_TRUE(after.contains(file)) << file;
        // The supplier's new leaves join every file that shows the menu.
        std::vector<std::string> kept;
        for (const std::string& map : after.at(file))
            if (map.find("upplier") == std::string::npos)
                kept.push_back(map);
        EXPECT_EQ(kept, maps) << file;
    }
    ExpectSameBytesOnceLoaded();
}

// A master form's own procedure call goes to the procedure of that name that the merge brings
// along, for the first project's form and for the second's new one; without the procedure the
// calls are left off, each with a line of the report.
TEST_F(MergeMenuMapsTest, AMasterFormsOwnProcedureCallIsRepointedOrReportedNotFound)
{
    auto second = BuildSalesFixture("Second", Path("b"), /*variant=*/true);
    {
        Module* sales = second->FindModuleByName("Sales");
        CString customer = "customer";
        Procedure* check = NewProcedure("customer_check", sales->FindTableByName(customer));
        sales->AddProcedure(check);
        for (const char* name : {"customer_form", "supplier_form"})
            sales->FindMasterFormByName(name)->SetProcedureCall(NewProcedureCall(check));
    }
    Load(BuildSalesFixture("First", Path("a")), std::move(second));
    using Kind = ScriptedMergeSelection::Kind;
    for (const bool withProcedure : {true, false})
    {
        if (!withProcedure)
            Reload();
        std::vector<ScriptedMergeSelection::Entity> entities{{Kind::Table, "customer"},
                                                             {Kind::Table, "supplier"},
                                                             {Kind::MasterForm, "customer_form"},
                                                             {Kind::MasterForm, "supplier_form"}};
        if (withProcedure)
            entities.push_back({Kind::Procedure, "customer_check"});
        ScriptedMergeSelection selection =
            ScriptedMergeSelection::Entities("Sales", entities, false);
        ASSERT_TRUE(RunStoreMerge(selection));
        const Procedure* merged = FirstSales()->FindProcedureByName("customer_check");
        EXPECT_EQ(merged != nullptr, withProcedure);
        for (const char* name : {"customer_form", "supplier_form"})
        {
            const Form* form = FirstSales()->FindMasterFormByName(name);
            ASSERT_NE(form, nullptr) << name;
            const ProcedureInvokation* call = form->GetProcedureCall();
            EXPECT_EQ(call != nullptr ? call->GetProcedure() : nullptr, merged) << name;
        }
        EXPECT_EQ(TempText("Report_ .txt"),
                  withProcedure ? reportSeparator
                                : "customer_check procedure of customer_form page not found in "
                                  "first file!\n\n"
                                  "customer_check procedure of supplier_form page not found in "
                                  "first file!\n\n" +
                                      reportSeparator);
        ExpectSameBytesOnceLoaded();
    }
}
