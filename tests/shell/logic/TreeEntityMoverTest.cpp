#include "shell/logic/TreeEntityMover.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "entities/Menu.h"
#include "entities/Procedure.h"
#include "entities/Transaction.h"
#include "model/DependenciesDlg.h"
#include "model/ProjectStore.h"
#include "tests/shell/logic/TreeFixture.h"
#include "tests/support/HostFiles.h"
#include "tests/support/TempFolder.h"

#include <fstream>
#include <iterator>
#include <optional>

// The base module of the command fixture with a dashboard and a menu of no special name, and a
// master-detail form.
class MoverFixture : public CommandFixture
{
protected:
    MoverFixture()
    {
        AddTransaction();
        auto* dashBoard = NewPage<DashBoard>("sales");
        Base().AddDashBoard(dashBoard, /*withFiles=*/false);
        Base().AddDashBoard(NewPage<DashBoard>("basemodule_DASHBOARD"), /*withFiles=*/false);
        Base().AddDashBoardPage(NewPage<DashBoardPage>("salespage"), /*withFiles=*/false);
        Menu* menu = NewMenu("extras");
        if (Base().GetDesignations().empty())
            ADD_FAILURE() << "the base module has no role";
        else
            Base().GetDesignations().front()->AddMenu(menu);
        Base().AddMenu(menu);
        Base().CreateDeleteProcedure(customer, "");
        Base().CreateTableWriteProcedure(customer, /*insert=*/true);
        tree.BuildTree(&project);
    }

    // The project file as saved now.
    std::string SavedBytes(const char* name)
    {
        const std::string path = (folder.Path() / name).string();
        EXPECT_TRUE(ProjectStore().ArchiveProject(&project, path.c_str(), FALSE))
            << (Messages().empty() ? std::string() : Messages().back());
        return ReadHostFile(path);
    }
    bool Drop(int slot, const char* name, Module& to, int targetSlot)
    {
        return TreeDragRules::DropItem(tree, Item(Base(), slot, name), Node(to, targetSlot));
    }

    int ChildCount(TreeHandle node) const
    {
        int count = 0;
        for (TreeHandle item = control.GetChildItem(node); item != nullptr;
             item = control.GetNextSiblingItem(item))
            ++count;
        return count;
    }

    TempFolder folder;
    ScriptedDependenciesDlg dependencies;
};

TEST_F(MoverFixture, ARefusedOrCancelledMoveSaysWhyAndChangesNothing)
{
    struct Case
    {
        int slot;
        const char* name;
        int targetSlot;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {TreeSlot::MasterTables,
         "useraccount",
         TreeSlot::MasterTables,
         {"Can not move default table"}},
        {TreeSlot::MasterForms,
         "useraccount_form",
         TreeSlot::MasterForms,
         {"Can not move default forms"}},
        {TreeSlot::Dashboards,
         "BaseModule_Dashboard",
         TreeSlot::Dashboards,
         {"Can not move Module Dashboard"}},
        {TreeSlot::Dashboards,
         "Project_Dashboard",
         TreeSlot::Dashboards,
         {"Can not move Project Dashboard"}},
        {TreeSlot::DashBoardPages,
         "BaseModule_Dashboard",
         TreeSlot::DashBoardPages,
         {"Can not move module Dashboard Page"}},
        {TreeSlot::DashBoardPages,
         "Project_Dashboard",
         TreeSlot::DashBoardPages,
         {"Can not move project Dashboard Page"}},
        {TreeSlot::Menus, "BaseModuleMenu", TreeSlot::Menus, {"Can not move module Menu"}},
        {TreeSlot::UserFunctions,
         "CustomersByName",
         TreeSlot::UserFunctions,
         {"Can not move User Defined Function"}},
        {TreeSlot::SearchReports,
         "customer Report",
         TreeSlot::SearchReports,
         {"Moving Search Report 'customer Report' from BaseModule, to Module2"}},
        {TreeSlot::Reports,
         "customer_rdlc",
         TreeSlot::Reports,
         {"Moving Report 'customer_rdlc' from BaseModule, to Module2"}},
        {TreeSlot::Dashboards,
         "sales",
         TreeSlot::Dashboards,
         {"Moving Dashboard 'sales' from BaseModule, to Module2"}},
        // An entity dropped on a node of another kind.
        {TreeSlot::MasterForms, "customer_form", TreeSlot::SearchReports, {}},
        {TreeSlot::SearchReports, "customer Report", TreeSlot::MasterForms, {}},
    };
    const std::string before = SavedBytes("before.wvt");
    const std::string treeBefore = control.Dump(nullptr, 5);
    for (const Case& test : cases)
    {
        ScriptedMessageBoxes answers{IDCANCEL};
        EXPECT_FALSE(Drop(test.slot, test.name, *second, test.targetSlot)) << test.name;
        std::vector<std::string> shown;
        for (const auto& box : answers.Shown())
            shown.push_back(box.text);
        EXPECT_EQ(shown, test.messages) << test.name;
        EXPECT_EQ(SavedBytes("after.wvt"), before) << test.name;
        EXPECT_EQ(control.Dump(nullptr, 5), treeBefore) << test.name;
    }
    // The dependency dialogs of forms, master-detail forms and menus, cancelled.
    dependencies.AnswerCancel();
    dependencies.AnswerCancel();
    dependencies.AnswerCancel();
    EXPECT_FALSE(Drop(TreeSlot::MasterForms, "customer_form", *second, TreeSlot::MasterForms));
    EXPECT_FALSE(Drop(TreeSlot::DetailForms, "customer", *second, TreeSlot::DetailForms));
    EXPECT_FALSE(Drop(TreeSlot::Menus, "extras", *second, TreeSlot::Menus));
    EXPECT_EQ(dependencies.Titles(),
              (std::vector<CString>{"Moving Master Form 'customer_form' from BaseModule to Module2",
                                    "Moving Master-Detail Form 'customer' from BaseModule to "
                                    "Module2",
                                    "Moving Menu 'extras' from BaseModule to Module2"}));
    EXPECT_EQ(SavedBytes("after.wvt"), before);
    EXPECT_EQ(control.Dump(nullptr, 5), treeBefore);
}

TEST_F(MoverFixture, ADoneMoveLandsInTheOtherModuleAndSavesAndLoads)
{
    struct Case
    {
        int slot;
        const char* name;
        int targetSlot;
        // The answer of the dependency dialog, when it shows.
        std::optional<std::vector<bool>> dependencies;
        std::vector<std::string> messages;
        // The items under the destination's node afterwards.
        std::string destination;
    };
    const Case cases[] = {
        {TreeSlot::SearchReports,
         "customer Report",
         TreeSlot::SearchReports,
         std::nullopt,
         {"Moving Search Report 'customer Report' from BaseModule, to Module2"},
         "customer Report"},
        {TreeSlot::Reports,
         "customer_rdlc",
         TreeSlot::Reports,
         std::nullopt,
         {"Moving Report 'customer_rdlc' from BaseModule, to Module2"},
         "customer_rdlc"},
        {TreeSlot::Dashboards,
         "sales",
         TreeSlot::Dashboards,
         std::nullopt,
         {"Moving Dashboard 'sales' from BaseModule, to Module2"},
         "Module2_Dashboard sales"},
        // The form is shown under its table, which goes with it.
        {TreeSlot::MasterForms,
         "customer_form",
         TreeSlot::MasterForms,
         std::vector<bool>{true, true},
         {},
         "customer_form"},
        {TreeSlot::DetailForms,
         "customer",
         TreeSlot::DetailForms,
         std::vector<bool>{},
         {},
         "customer"},
        {TreeSlot::Menus, "extras", TreeSlot::Menus, std::vector<bool>{}, {}, "Module2Menu extras"},
    };
    for (const Case& test : cases)
    {
        ScriptedMessageBoxes answers{IDOK};
        if (test.dependencies)
            dependencies.AnswerOk(*test.dependencies);
        const int sourceCount = ChildCount(Node(Base(), test.slot));
        EXPECT_TRUE(Drop(test.slot, test.name, *second, test.targetSlot)) << test.name;
        std::vector<std::string> shown;
        for (const auto& box : answers.Shown())
            shown.push_back(box.text);
        EXPECT_EQ(shown, test.messages) << test.name;
        EXPECT_EQ(ChildCount(Node(Base(), test.slot)), sourceCount - 1) << test.name;
        const TreeHandle node = Node(*second, test.targetSlot);
        EXPECT_TRUE(control.IsExpanded(node)) << test.name;
        std::string names;
        for (TreeHandle item = control.GetChildItem(node); item != nullptr;
             item = control.GetNextSiblingItem(item))
            names += (names.empty() ? "" : " ") + std::string(control.GetItemText(item));
        EXPECT_EQ(names, test.destination) << test.name;
    }
    EXPECT_EQ(dependencies.UnscriptedCount(), 0u);
    const std::string path = (folder.Path() / "moved.wvt").string();
    ASSERT_TRUE(ProjectStore().ArchiveProject(&project, path.c_str(), FALSE));
    ProjectStore store;
    ASSERT_TRUE(store.ArchiveProject(nullptr, path.c_str(), TRUE));
    MemoryTree again;
    ProjectTree(again).BuildTree(store.GetProject());
    tree.BuildTree(&project);
    EXPECT_EQ(again.Dump(nullptr, 5, /*withData=*/false),
              control.Dump(nullptr, 5, /*withData=*/false));
}

TEST_F(MoverFixture, AMasterTableTakesItsFormAndProceduresAlong)
{
    std::vector<Procedure*> procedures;
    for (Procedure* procedure : Base().GetProcedures())
    {
        if (procedure->GetMainTable() == customer && procedure->GetKind() == 0)
            procedures.push_back(procedure);
    }
    ASSERT_FALSE(procedures.empty());
    ScriptedMessageBoxes answers;
    EXPECT_TRUE(Drop(TreeSlot::MasterTables, "customer", *second, TreeSlot::MasterTables));
    EXPECT_TRUE(answers.Shown().empty());
    EXPECT_EQ(Base().FindTableById(customer->GetId()), nullptr);
    EXPECT_EQ(second->FindTableById(customer->GetId()), customer);
    Form* form = second->GetMasterFormForTable(customer, /*create=*/false);
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(Base().ContainsMasterForm(form));
    for (Procedure* procedure : procedures)
    {
        EXPECT_EQ(second->FindProcedureById(procedure->GetId()), procedure);
        EXPECT_EQ(Base().FindProcedureById(procedure->GetId()), nullptr);
    }
    EXPECT_NE(Item(*second, TreeSlot::MasterTables, "customer"), nullptr);
    EXPECT_NE(Item(*second, TreeSlot::MasterForms, "customer_form"), nullptr);
    EXPECT_TRUE(control.IsExpanded(Node(*second, TreeSlot::MasterTables)));

    const std::string path = (folder.Path() / "table.wvt").string();
    ASSERT_TRUE(ProjectStore().ArchiveProject(&project, path.c_str(), FALSE));
    ProjectStore store;
    ASSERT_TRUE(store.ArchiveProject(nullptr, path.c_str(), TRUE));
    Module* loaded = nullptr;
    for (Module* module : store.GetProject()->GetModules())
        loaded = module->GetName() == "Module2" ? module : loaded;
    ASSERT_NE(loaded, nullptr);
    ASSERT_EQ(loaded->GetMasterTables().size(), 1u);
    Table* table = loaded->GetMasterTables().front();
    EXPECT_EQ(table->GetTableName(), "customer");
    int loadedProcedures = 0;
    for (Procedure* procedure : loaded->GetProcedures())
        loadedProcedures += procedure->GetMainTable() == table && procedure->GetKind() == 0;
    EXPECT_EQ(loadedProcedures, static_cast<int>(procedures.size()));
}

TEST_F(MoverFixture, ATableDroppedElsewhereMovesNothingButRebuildsBothModules)
{
    // A detail table on its node moves its master-detail form and reports no move.
    dependencies.AnswerOk({});
    const TreeHandle oldBaseNode = Node(Base(), TreeSlot::MasterForms);
    const TreeHandle oldSecondNode = Node(*second, TreeSlot::MasterForms);
    EXPECT_FALSE(Drop(TreeSlot::DetailTables, "customer_detail", *second, TreeSlot::DetailTables));
    EXPECT_NE(Item(*second, TreeSlot::DetailForms, "customer"), nullptr);
    EXPECT_NE(Node(Base(), TreeSlot::MasterForms), oldBaseNode);
    EXPECT_NE(Node(*second, TreeSlot::MasterForms), oldSecondNode);

    // A master table on the other module's master forms node: both rebuilt, the expansion kept.
    control.Expand(Node(Base(), TreeSlot::MasterTables), true);
    control.Expand(Item(Base(), TreeSlot::MasterTables, "customer"), true);
    const std::string before = SavedBytes("before.wvt");
    const std::string treeBefore = control.Dump(nullptr, 5);
    const TreeHandle oldNode = Node(Base(), TreeSlot::MasterTables);
    ScriptedMessageBoxes answers;
    EXPECT_FALSE(Drop(TreeSlot::MasterTables, "customer", *second, TreeSlot::MasterForms));
    EXPECT_TRUE(answers.Shown().empty());
    EXPECT_NE(Node(Base(), TreeSlot::MasterTables), oldNode);
    EXPECT_TRUE(control.IsExpanded(Item(Base(), TreeSlot::MasterTables, "customer")));
    EXPECT_EQ(control.Dump(nullptr, 5), treeBefore);
    EXPECT_EQ(SavedBytes("after.wvt"), before);
}

TEST_F(MoverFixture, DragsStartBelowTheTopAndDropsNeedAnotherModule)
{
    const TreeHandle root = tree.GetRootItem();
    const TreeHandle table = Item(Base(), TreeSlot::MasterTables, "customer");
    const TreeHandle field = control.GetChildItem(table);
    ASSERT_NE(field, nullptr);
    EXPECT_FALSE(TreeDragRules::CanStartDrag(control, root));
    EXPECT_TRUE(TreeDragRules::CanStartDrag(control, tree.GetModuleItem(0)));
    EXPECT_TRUE(TreeDragRules::CanStartDrag(control, table));
    EXPECT_FALSE(TreeDragRules::CanHighlight(control, table, Node(Base(), TreeSlot::MasterTables)));
    EXPECT_TRUE(TreeDragRules::CanHighlight(control, table, Node(*second, TreeSlot::MasterTables)));
    struct Case
    {
        TreeHandle dragged;
        TreeHandle target;
    };
    const Case cases[] = {
        {table, table},
        {table, field},
        {table, nullptr},
        {tree.GetModuleItem(0), Node(Base(), TreeSlot::Menus)},
        {table, Node(Base(), TreeSlot::MasterTables)},
        {Item(Base(), TreeSlot::SearchReports, "customer Report"),
         Node(Base(), TreeSlot::SearchReports)},
    };
    const std::string before = SavedBytes("before.wvt");
    ScriptedMessageBoxes answers;
    for (const Case& test : cases)
        EXPECT_FALSE(TreeDragRules::DropItem(tree, test.dragged, test.target));
    EXPECT_TRUE(answers.Shown().empty());
    EXPECT_EQ(SavedBytes("after.wvt"), before);
}
