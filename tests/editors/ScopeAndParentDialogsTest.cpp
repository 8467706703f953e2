#include "editors/AlterScriptSelDlg.h"
#include "editors/SetMenuParent.h"
#include "entities/Designation.h"
#include "entities/Menu.h"
#include "model/ForgeonProject.h"
#include "model/Module.h"
#include "platform/ui/DialogDriver.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

TEST(ScopeAndParentDialogsTest, AlterScriptScopeOffersTheTableOnlyWhenOneIsSelected)
{
    for (const bool tableSelected : {true, false})
    {
        ScriptedDialogs dialogs;
        dialogs.Answer(
            [&](CDialog& dialog, DialogDriver& user)
            {
                CString caption;
                dialog.GetWindowText(caption);
                EXPECT_EQ(caption, "Generate Alter script for");
                EXPECT_EQ(dialog.GetDlgItem(AlterScriptSelDlg::IDC_TABLE)->IsWindowEnabled(),
                          tableSelected);
                EXPECT_EQ(dialog.IsDlgButtonChecked(AlterScriptSelDlg::IDC_TABLE),
                          tableSelected ? BST_CHECKED : BST_UNCHECKED);
                EXPECT_EQ(user.Click(AlterScriptSelDlg::IDC_TABLE), tableSelected);
                user.Click(AlterScriptSelDlg::IDC_PROJECT);
                user.Click(AlterScriptSelDlg::IDC_MODULE);
                user.PressOk();
            });
        AlterScriptSelDlg dialog(tableSelected);
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(dialog.GetScope().m_table, 0);
        EXPECT_EQ(dialog.GetScope().m_module, 1);
        EXPECT_EQ(dialog.GetScope().m_project, 0);
    }
}

TEST(ScopeAndParentDialogsTest, SetMenuParentListsTheCandidatesAndMovesTheMenuOnOk)
{
    ForgeonProject project;
    project.InitNewProject();
    ScopedOpenProject open(&project);
    auto* masters = new Menu;
    auto* reports = new Menu;
    auto* orders = new Menu;
    masters->SetName("Masters");
    reports->SetName("Reports");
    orders->SetName("Orders");
    for (Menu* menu : {masters, reports, orders})
        project.GetBaseModule()->Append(menu);
    auto* director = new Designation(TRUE);
    director->SetName("Director");
    project.GetBaseModule()->Append(director);

    ScriptedDialogs dialogs;
    dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            CString caption;
            dialog.GetWindowText(caption);
            EXPECT_EQ(caption, "Set Parent for Orders");
            user.Select(SetMenuParent::IDC_PARENT, 1);
            EXPECT_EQ(user.GetText(SetMenuParent::IDC_PARENT), "Masters");
            user.PressOk();
        });
    SetMenuParent dialog(project, *orders, nullptr,
                         [masters, reports](const Menu&) {
                             return ParentMenuEntries{{"Reports", "Masters"}, {reports, masters}};
                         });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(orders->GetParent(), masters);
    EXPECT_EQ(masters->GetSubMenus(), std::vector<Menu*>{orders});
    EXPECT_TRUE(director->HasMenu(orders));
}
