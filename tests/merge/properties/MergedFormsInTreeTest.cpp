// A merged module whose forms stand on a table of another module of the open project: the
// project tree lists them under the module that holds them, where its count says, and they open
// and delete from there.
#include "entities/Form.h"
#include "model/LoginPageCreator.h"
#include "tests/merge/MergeRunFixture.h"
#include "tests/merge/properties/MergeFixtureProjects.h"
#include "tests/shell/logic/TreeListingCheck.h"

#include <filesystem>

#ifndef WEAVO_TEST_DATA
#error "WEAVO_TEST_DATA names the folder of the test data"
#endif

using MergedFormsInTreeTest = MergeRun;

TEST_F(MergedFormsInTreeTest, FormsOnAnotherModulesTableAreListedOpenedAndDeletedInTheirModule)
{
    // The open project, made as New makes it, holds "customer" in its module "Sales"; the file's
    // base module holds two forms on its own "customer".
    const auto open = BuildSalesFixture("Shop", "");
    {
        ScopedOpenProject made(open.get());
        LoginPageCreator().Create();
    }
    ASSERT_TRUE(m_store.ArchiveProject(open.get(), Path("shop.wvt"), FALSE)) << LastBox();
    ASSERT_TRUE(m_store.LoadFirstMergeProject(Path("shop.wvt"))) << LastBox();
    const std::filesystem::path file =
        std::filesystem::path(WEAVO_TEST_DATA) / "fuzz" / "seeds" / "every-class.wvt";
    ASSERT_TRUE(m_store.LoadSecondMergeProject(file.string().c_str())) << LastBox();
    ScriptedMergeSelection selection = ScriptedMergeSelection::FullModule("BaseModule", false);
    ASSERT_TRUE(RunStoreMerge(selection));
    ASSERT_TRUE(m_store.ArchiveProject(First(), Path("merged.wvt"), FALSE)) << LastBox();
    m_store.DeleteMergeProjects();
    ASSERT_TRUE(m_store.ArchiveProject(nullptr, Path("merged.wvt"), TRUE)) << LastBox();
    ForgeonProject& project = *m_store.GetProject();
    ScopedOpenProject opened(&project);
    Module& base = *project.GetBaseModule();
    const Form* customerForm = base.FindMasterFormByName("CustomerForm");
    ASSERT_NE(customerForm, nullptr);
    ASSERT_EQ(customerForm->GetTable(),
              project.FindModuleByName("Sales")->FindMasterTableByName("customer"));

    EXPECT_EQ(UnlistedEntities(project), "");

    MemoryTree control;
    ProjectTree tree{control};
    OpeningHost host;
    ProjectTreeCommands commands{tree, host};
    tree.BuildTree(&project);
    const TreeHandle forms = CategoryNode(base, TreeSlot::MasterForms);
    // The forms on the module's own tables first, in table order; those on other modules' tables
    // after them, in the module's order.
    EXPECT_EQ(control.Dump(forms, 1, /*withData=*/false), "ChangePassword_form [6]\n"
                                                          "useraccount_form [6]\n"
                                                          "CustomerForm [6]\n"
                                                          "CustomerForm2 [6]\n");
    EXPECT_EQ(control.GetItemText(forms), "Master Forms(4)");

    commands.OpenItem(control.Child(forms, "CustomerForm"));
    EXPECT_EQ(host.openedPane, RightPane::FormEditor);
    EXPECT_EQ(host.opened, static_cast<const CObject*>(customerForm));

    ScriptedMessageBoxes boxes{IDOK};
    control.SelectItem(control.Child(forms, "CustomerForm2"));
    commands.DeleteSelectedItem();
    EXPECT_EQ(base.FindMasterFormByName("CustomerForm2"), nullptr);
    EXPECT_EQ(control.Child(forms, "CustomerForm2"), nullptr);
    EXPECT_EQ(control.GetItemText(forms), "Master Forms(3)");
    tree.Clear();
}
