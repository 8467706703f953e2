#include "editors/ProcedureFieldInfoDlg.h"
#include "editors/UserFunctionDlg.h"
#include "entities/Class.h"
#include "entities/Function.h"
#include "gen_web/PartialClassWriter.h"
#include "model/GenerationReport.h"
#include "platform/ui/ComboBox.h"
#include "shell/ForgeonView.h"
#include "tests/editors/logic/DesignedProject.h"
#include "tests/shell/ShellTestSupport.h"

#include <QPixmap>
#include <QWidget>

namespace
{

// The item at any depth from the first one on whose text starts with the text; null when none
// does.
HTREEITEM FindItem(CTreeCtrl& tree, HTREEITEM first, const CString& text)
{
    for (HTREEITEM item = first; item != nullptr; item = tree.GetNextSiblingItem(item))
    {
        if (tree.GetItemText(item).Find(text) == 0)
            return item;
        if (HTREEITEM found = FindItem(tree, tree.GetChildItem(item), text))
            return found;
    }
    return nullptr;
}
} // namespace

TEST(UserFunctionViewTest, AHookOfTheWrittenClassFileIsRegisteredWithItsOutputFields)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    ForgeonProject& project = program.Project();
    project.SetProjectName("Library");
    project.SetProjectPath(program.folder.ModelPath());
    RecordingHost host;
    DesignedProject::DesignTables(project, host);
    program.Frame().GetTreeView()->RefreshTree();
    Module& module = *project.GetCurrentModule();
    GenerationReport report;
    PartialClassWriter(&project, "author", "_author", report).Write();

    program.Frame().EditUserFunction(nullptr);
    auto& view = dynamic_cast<UserFunctionDlg&>(
        *program.Frame().GetRightPaneView(RightPane::UserFunctionView));
    DialogDriver user(view);
    ASSERT_TRUE(user.Select(UserFunctionEditor::IDC_CLASS,
                            ComboIndexOf(view, UserFunctionEditor::IDC_CLASS, "_author")));
    EXPECT_EQ(ComboItems(view, UserFunctionEditor::IDC_FUNCTION),
              (std::vector<CString>{"HandlePreAdd", "HandlePostAdd", "HandlePreUpdate",
                                    "HandlePostUpdate", "HandlePreDelete", "HandlePostDelete"}));
    ASSERT_TRUE(user.Select(UserFunctionEditor::IDC_FUNCTION,
                            ComboIndexOf(view, UserFunctionEditor::IDC_FUNCTION, "HandlePostAdd")));
    EXPECT_NE(-1, user.GetText(UserFunctionEditor::IDC_BODY).Find("return stat;"));

    ASSERT_TRUE(
        user.Select(UserFunctionEditor::IDC_DEPENDENT_TABLE,
                    ComboIndexOf(view, UserFunctionEditor::IDC_DEPENDENT_TABLE, "publisher")));
    ASSERT_TRUE(user.Click(UserFunctionEditor::IDC_ADD_TABLE));
    program.dialogs.Answer(
        [](CDialog& dialog, DialogDriver& fields)
        {
            ASSERT_EQ(FunctionOutputFields::IDD, dialog.GetTemplateId());
            ASSERT_TRUE(fields.Select(FunctionOutputFields::IDC_TABLE, 0));
            ASSERT_TRUE(fields.Click(FunctionOutputFields::IDC_ADD_ALL));
            ASSERT_TRUE(fields.Click(FunctionOutputFields::IDC_ALIAS_MODE));
            ASSERT_TRUE(fields.SetText(FunctionOutputFields::IDC_ALIAS_NAME, "Books"));
            ASSERT_TRUE(fields.Select(FunctionOutputFields::IDC_ALIAS_TYPE, 0));
            // Enter in the name box adds the alias as the Add button does.
            ASSERT_TRUE(fields.PressKey(FunctionOutputFields::IDC_ALIAS_NAME, VK_RETURN));
            ASSERT_TRUE(fields.PressOk());
        });
    ASSERT_TRUE(user.Click(UserFunctionEditor::IDC_ADD_OUTPUT_FIELDS));
    EXPECT_EQ(0u, program.dialogs.PendingScripts());
    Function* built = view.GetEditor()->GetFunction();
    ASSERT_NE(nullptr, built);
    std::vector<CString> outputs;
    for (const ListRow& row : view.GetEditor()->GetOutputRows())
        outputs.push_back(row.cells[1]);
    ASSERT_FALSE(outputs.empty());
    EXPECT_EQ("Books", outputs.back());
    EXPECT_EQ(1u, built->GetAliasFields().size());

    // The editor with the function loaded, kept as a picture.
    HWND window = program.Frame().GetSafeHwnd();
    window->resize(1200, 900);
    QApplication::processEvents();
    const QPixmap shot = window->grab();
    ASSERT_FALSE(shot.isNull());
    const std::filesystem::path path = std::filesystem::current_path() / "user-function-editor.png";
    ASSERT_TRUE(shot.save(QString::fromStdString(path.string()), "PNG"));

    ASSERT_TRUE(user.Click(UserFunctionEditor::IDC_OK));
    EXPECT_TRUE(program.boxes.Shown().empty());
    CString authorName = "author";
    Class* author = module.GetClassForTable(module.FindTableByName(authorName), false);
    ASSERT_NE(nullptr, author);
    ASSERT_EQ(built, author->FindFunctionByName("HandlePostAdd"));
    EXPECT_EQ(1, built->GetKind());
    EXPECT_EQ(1u, built->GetUsedTables().size());

    CTreeCtrl& tree = program.Frame().GetTreeView()->GetTreeCtrl();
    HTREEITEM functions = FindItem(tree, tree.GetRootItem(), "User Defined Functions");
    ASSERT_NE(nullptr, functions);
    EXPECT_NE(nullptr, FindItem(tree, tree.GetChildItem(functions), "HandlePostAdd"));
}
