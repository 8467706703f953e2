#include "shell/logic/RoleManager.h"
#include "entities/DashBoardPage.h"
#include "entities/Designation.h"
#include "model/Module.h"
#include "tests/shell/logic/ProgramFolderFixture.h"

namespace
{
// A new project with a second module, the base module current.
class RoleManagerTest : public ProgramFolderFixture
{
protected:
    RoleManagerTest()
    {
        second = project.AddNewModule();
        project.SelectModuleAt(0);
        roles.Load();
    }

    const std::vector<Designation*>& Roles() const
    {
        return project.GetBaseModule()->GetDesignations();
    }
    std::vector<CString> Names() const
    {
        std::vector<CString> names;
        for (const RoleRow& row : roles.State().rows)
            names.push_back(row.name);
        return names;
    }
    // Chooses the module and then the page of that name.
    void ChoosePage(int module, const CString& name)
    {
        roles.SelectModule(module);
        const std::vector<CString>& pages = roles.State().pages;
        const auto found = std::ranges::find(pages, name);
        ASSERT_NE(found, pages.end()) << name;
        roles.SelectPage(static_cast<int>(found - pages.begin()));
    }

    Module* second = nullptr;
    RoleManager roles{project};
};

TEST_F(RoleManagerTest, StartsWithTheModulesThePagesOfTheCurrentOneAndTheRolesOfTheBase)
{
    const RoleManagerState& state = roles.State();
    EXPECT_EQ(state.modules, (std::vector<CString>{"BaseModule", "Module2"}));
    EXPECT_EQ(state.module, 0);
    ASSERT_EQ(state.pages.size(), project.GetBaseModule()->GetDashBoardPages().size());
    EXPECT_EQ(state.page, -1);
    ASSERT_EQ(Roles().size(), 1u);
    const DashBoardPage* page = Roles()[0]->GetDashBoardPage();
    EXPECT_EQ(state.rows,
              (std::vector<RoleRow>{{"admin", "Yes", page != nullptr ? page->GetFormName() : ""}}));
    EXPECT_EQ(state.addCaption, "Add");
    EXPECT_FALSE(state.activateEnabled || state.removeEnabled);

    roles.SelectModule(1);
    EXPECT_EQ(roles.State().pages, (std::vector<CString>{"Module2_Dashboard"}));
}

TEST_F(RoleManagerTest, AddRefusesAnEmptyOrTakenNameAndAcceptsAnotherCase)
{
    const struct
    {
        const char* name;
        const char* refusal;
    } cases[] = {
        {"", "Please enter the role"},
        {"admin", "This designation already exists."},
        {"Admin", nullptr},
        {"Cl\u2028erk", "The name \"Cl\\xE2\\x80\\xA8erk\" cannot be taken: it holds control "
                        "characters.\nPlease enter another name."},
        {"clerk", nullptr},
    };
    for (const auto& each : cases)
    {
        const std::size_t before = boxes.Shown().size();
        roles.SetName(each.name);
        EXPECT_EQ(roles.AddOrUpdate(), each.refusal == nullptr) << each.name;
        if (each.refusal != nullptr)
            EXPECT_EQ(Messages().back(), each.refusal);
        else
            EXPECT_EQ(boxes.Shown().size(), before);
    }
    EXPECT_EQ(Names(), (std::vector<CString>{"admin", "Admin", "clerk"}));
    ASSERT_EQ(Roles().size(), 3u);
    EXPECT_TRUE(Roles()[2]->IsActive());
    EXPECT_GT(Roles()[2]->GetId(), Roles()[1]->GetId());
    EXPECT_GT(Roles()[1]->GetId(), Roles()[0]->GetId());
}

// The offscreen dialog test covers renaming and (de)activating through the list.
TEST_F(RoleManagerTest, ARoleAddedWithAPageKeepsItsOwnNameOnUpdateAndReportsToAnother)
{
    roles.SetName("clerk");
    ChoosePage(1, "Module2_Dashboard");
    ASSERT_TRUE(roles.AddOrUpdate());
    EXPECT_EQ(roles.State().rows[1], (RoleRow{"clerk", "Yes", "Module2_Dashboard"}));

    roles.ChooseRow(1);
    EXPECT_EQ(roles.State().pageText, "Module2_Dashboard");
    EXPECT_TRUE(roles.AddOrUpdate()) << "its own name is no clash";
    roles.ChooseRow(1);
    roles.SelectReportsTo(0);
    EXPECT_EQ(Roles()[1]->GetReportsTo(), Roles()[0]);
}

TEST_F(RoleManagerTest, AssignAndRemoveChangeTheEditedRolesPage)
{
    roles.ChooseRow(0);
    EXPECT_FALSE(roles.Assign());
    EXPECT_EQ(Messages(), std::vector<std::string>{"Please select the Dashboardpage"});

    ChoosePage(1, "Module2_Dashboard");
    roles.ChooseRow(0);
    ASSERT_TRUE(roles.Assign());
    EXPECT_EQ(Roles()[0]->GetDashBoardPage(), second->GetDashBoardPages()[0]);
    EXPECT_EQ(roles.State().page, -1);
    EXPECT_TRUE(roles.State().removeEnabled);

    boxes.Answer(IDCANCEL);
    roles.Remove();
    EXPECT_NE(Roles()[0]->GetDashBoardPage(), nullptr);
    boxes.Answer(IDOK);
    roles.Remove();
    EXPECT_EQ(Messages().back(), "Do you want to remove the dashboard page \"Module2_Dashboard\"?");
    EXPECT_EQ(Roles()[0]->GetDashBoardPage(), nullptr);
    EXPECT_FALSE(roles.State().removeEnabled);
    EXPECT_EQ(roles.State().rows[0].page, "");
}
} // namespace
