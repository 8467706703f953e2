#include "entities/Designation.h"
#include "entities/Menu.h"
#include "model/DependenciesDlg.h"
#include "model/Module.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{

using Roles = std::vector<Designation*>;

// The menu Orders, used by the roles Clerk and Manager of the module Sales, moves to Stock. The
// dialog's answers are scripted; the records it is shown are kept.
class MenuModuleMoveTest : public ::testing::Test
{
protected:
    MenuModuleMoveTest()
    {
        Designation::ResetIdCounter();
        menu.SetName("Orders");
        DependenciesDlg::SetModalHandler(
            [this, scripted = DependenciesDlg::SetModalHandler({})](DependenciesDlg& shown)
            {
                for (const DependencyRecord* record : shown.GetRecords())
                    records.push_back(*record);
                return scripted(shown);
            });
    }

    Designation* NewRole(const char* name, Module& owner)
    {
        auto* role = new Designation(TRUE);
        role->SetName(name);
        owner.Append(role);
        role->AddMenu(&menu);
        return role;
    }

    std::unique_ptr<Module> from{NewModule("Sales", 1)};
    std::unique_ptr<Module> to{NewModule("Stock", 2)};
    Menu menu;
    ScriptedDependenciesDlg dialog;
    std::vector<DependencyRecord> records;
    Designation* clerk = NewRole("Clerk", *from);
    Designation* manager = NewRole("Manager", *from);
};

} // namespace

TEST_F(MenuModuleMoveTest, CancelShowsTheHeadingAndOneRoleRecordPerIdAndChangesNothing)
{
    auto* unnumbered = new Designation;
    unnumbered->SetName("Guest");
    from->Append(unnumbered);
    unnumbered->AddMenu(&menu);
    auto* alsoUnnumbered = new Designation;
    from->Append(alsoUnnumbered);
    alsoUnnumbered->AddMenu(&menu);
    dialog.AnswerCancel();

    EXPECT_FALSE(menu.MoveToModule(from.get(), to.get()));

    EXPECT_EQ((std::vector<CString>{"Moving Menu 'Orders' from Sales to Stock"}), dialog.Titles());
    ASSERT_EQ(3u, records.size());
    EXPECT_EQ("Clerk", records[0].name);
    EXPECT_EQ("Sales", records[0].moduleName);
    EXPECT_EQ(clerk->GetId(), records[0].number);
    EXPECT_EQ(DependencyRecord::kRole, records[0].kind);
    EXPECT_FALSE(records[0].selected);
    EXPECT_EQ(manager->GetId(), records[1].number);
    EXPECT_EQ("Guest", records[2].name);
    EXPECT_EQ(4u, from->GetDesignations().size());
    EXPECT_TRUE(to->GetDesignations().empty());
}

TEST_F(MenuModuleMoveTest, OkMovesExactlyTheSelectedRolesOwnedByTheFromModule)
{
    Designation* foreign = NewRole("Foreign", *to);
    dialog.AnswerOk({false, true, true});

    EXPECT_TRUE(menu.MoveToModule(from.get(), to.get()));

    EXPECT_EQ((Roles{clerk}), from->GetDesignations());
    EXPECT_EQ((Roles{foreign, manager}), to->GetDesignations())
        << "a role that the from-module does not own is not moved, nor held twice";
    EXPECT_TRUE(menu.HasRole(manager));

    dialog.AnswerOk({});
    EXPECT_TRUE(menu.MoveToModule(to.get(), from.get())) << "OK with nothing selected";
    EXPECT_EQ((Roles{foreign, manager}), to->GetDesignations());
}

TEST_F(MenuModuleMoveTest, WithoutRolesOrModulesNoDialogIsShown)
{
    Menu bare;
    EXPECT_FALSE(bare.MoveToModule(from.get(), to.get()));
    EXPECT_FALSE(menu.MoveToModule(nullptr, to.get()));
    EXPECT_FALSE(menu.MoveToModule(from.get(), nullptr));
    EXPECT_TRUE(dialog.Titles().empty());
}

TEST(ModuleDesignationTest, DetachingARoleErasesItWithoutFreeingIt)
{
    std::unique_ptr<Module> module(NewModule("Sales", 1));
    Designation role;
    EXPECT_FALSE(module->DetachDesignation(&role));
    module->Append(&role);
    EXPECT_TRUE(module->DetachDesignation(&role));
    EXPECT_TRUE(module->GetDesignations().empty());
}
