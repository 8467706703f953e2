#include "editors/WarningDlg.h"
#include "editors/WriteAllDlg.h"
#include "entities/AspFile.h"
#include "model/RDLCCreator.h"
#include "model/TableFormCreator.h"
#include "platform/ui/ScriptedPopupMenus.h"
#include "shell/ForgeonView.h"
#include "shell/logic/ProjectTree.h"
#include "shell/logic/ProjectTreeLayout.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/model/ModelBuilders.h"
#include "tests/shell/ShellTestSupport.h"

#include <filesystem>
#include <string>

namespace
{
// After every write command the open project is its file, and the file loads and saves to the
// same bytes: the commands that write pages prepare and save the project as Write All does, the
// script commands leave it as it was, and a save that fails leaves it as it was before. The
// project "Shop" is saved, opened and saved again; its module "Sales", current, has a table with
// pages whose titles are empty (as a merge brings them), its base module a table with a form and
// an RDLC report but no data class, and it has no database name.
TEST(WriteCommandsSaveTest, EveryWriteCommandLeavesTheProjectAsSaved)
{
    const struct
    {
        const char* name;
        UINT docCommand;
        // The context menu of the module item (0) or of a category's first item or node.
        int slot;
        UINT treeCommand;
        bool saves;
        bool readOnly = false;
    } commands[] = {
        {"Write All", ID_WRITE_ALL, 0, 0, true},
        {"classic Write All", ID_CLASSIC_WRITE_ALL, 0, 0, true},
        {"Write Module", 0, 0, 20, true},
        {"Write Form", 0, TreeSlot::MasterForms, 10, true},
        {"Write Menu", 0, TreeSlot::Menus, 20, false},
        {"Write Table Script", 0, TreeSlot::MasterTables, 70, false},
        {"SQL script", ID_SQL_QUERY, 0, 0, false},
        {"SQL scripts of the project", ID_PROJECT_SQL_SCRIPTS, 0, 0, false},
        {"Write Module with a read-only file", 0, 0, 20, false, true},
    };
    for (const auto& command : commands)
    {
        SCOPED_TRACE(command.name);
        RunningProgram program;
        ForgeonProject& project = program.Project();
        project.SetProjectName("Shop");
        project.SetProjectPath(program.folder.Path().c_str());
        PrepareProjectFolder(project);
        Module* sales = project.AddNewModule();
        project.SetCurrentModule(sales);
        Table* member = NewTable("member", Table::masterKind, {"name"});
        sales->AddTable(member);
        TableFormCreator(member, &project).CreateAll();
        for (AspFile* file : sales->GetMasterForms().at(0)->GetAspFiles())
            file->SetTitle("");
        Table* guest = NewTable("guest", Table::masterKind, {"name"});
        AddVarcharField(guest, "member", member->GetFields().front());
        project.GetBaseModule()->AddTable(guest);
        AddFormWithoutDefaults(*project.GetBaseModule(), guest, "guest_form");
        project.SetCurrentModule(project.GetBaseModule());
        RDLCCreator(guest, &project).CreateReport();
        project.SetCurrentModule(sales);
        project.SetDatabaseName("");
        const std::string path = program.PathOf("Shop.wvt");
        program.files.Answer(path.c_str());
        program.Command(ID_FILE_SAVE);
        ASSERT_TRUE(program.Doc().OpenProjectFile(path.c_str()) && program.Doc().Save());
        const std::string before = ReadHostFile(path);
        if (command.readOnly)
            std::filesystem::permissions(path, std::filesystem::perms::owner_read);
        // The alter question is declined, every other dialog accepted.
        for (int dialog = 0; dialog < 2; ++dialog)
            program.dialogs.Answer(
                [](CDialog& shown, DialogDriver& user)
                {
                    if (shown.GetTemplateId() == WarningDlg::IDD)
                    {
                        user.PressCancel();
                        return;
                    }
                    if (shown.GetTemplateId() == WriteAllDlg::IDD)
                        user.SetCheck(WriteAllDlg::IDC_MODIFIED_FILES, false);
                    user.PressOk();
                });

        if (command.docCommand != 0)
            program.Command(command.docCommand);
        else
        {
            ForgeonView& tree = *program.Frame().GetTreeView();
            Module& module = *program.Project().GetModuleAt(1);
            auto item =
                static_cast<HTREEITEM>(command.slot == 0 ? tree.GetProjectTree().GetModuleItem(1)
                                                         : CategoryNode(module, command.slot));
            if (command.slot != TreeSlot::Menus && command.slot != 0)
                item = tree.GetTreeCtrl().GetChildItem(item);
            ScriptedPopupMenus menus;
            menus.Answer(command.treeCommand);
            tree.ShowContextMenu(item, CPoint(0, 0));
        }

        if (command.readOnly)
            std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        EXPECT_TRUE(program.Doc().IsUnchangedSinceSaved());
        EXPECT_EQ(ReadHostFile(path) != before, command.saves);
        EXPECT_TRUE(ReadHostFile(path) == SavedAfterLoad(path));
        EXPECT_EQ(program.Project().GetDatabaseName(), command.saves ? "Shop_db" : "");
    }
}
} // namespace
