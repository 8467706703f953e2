// Every door that reads, writes, walks or frees a whole project, or walks its menu trees, does so
// on the large stack. The test widens the stack margin beyond the thread's own stack, so that
// any record read or written on that stack is refused as too deeply nested: each door must
// still work, and the boxes it shows from inside its walk must come from the large stack.
#include "editors/MenuDlg.h"
#include "editors/WriteAllDlg.h"
#include "editors/logic/MenuPages.h"
#include "entities/Menu.h"
#include "platform/core/LargeStack.h"
#include "platform/ui/ScriptedPopupMenus.h"
#include "shell/ForgeonView.h"
#include "shell/logic/ProjectTreeLayout.h"
#include "tests/model/ModelBuilders.h"
#include "tests/shell/MergeAnswers.h"
#include "tests/shell/ShellTestSupport.h"

#include <functional>

namespace
{
// Records, for each box shown, whether it was shown on the large stack, then lets the boxes
// installed before answer it.
class BoxStacks
{
public:
    BoxStacks()
        : m_previous(SetMessageBoxHandler(
              [this](const std::string& text, UINT type, UINT helpId)
              {
                  m_shown.push_back({text, LargeStack::IsActive()});
                  return m_previous(text, type, helpId);
              }))
    {
    }
    ~BoxStacks() { SetMessageBoxHandler(m_previous); }
    BoxStacks(const BoxStacks&) = delete;
    BoxStacks& operator=(const BoxStacks&) = delete;

    // Whether the box whose text starts so was shown on the large stack; nothing when it was
    // not shown.
    std::optional<bool> OnLargeStack(const std::string& start) const
    {
        for (const auto& [text, onLargeStack] : m_shown)
        {
            if (text.rfind(start, 0) == 0)
                return onLargeStack;
        }
        return std::nullopt;
    }

private:
    MessageBoxHandler m_previous;
    std::vector<std::pair<std::string, bool>> m_shown;
};

// A project whose base module holds the master table "Customer", followed by the module
// "Stock".
void WriteCustomerProject(const std::string& path)
{
    ProjectStore store;
    ForgeonProject* project = store.GetProject();
    project->InitNewProject();
    project->GetBaseModule()->AppendMasterTable(NewTable("Customer", Table::masterKind, {"name"}));
    Module* stock = NewModule("Stock", 7);
    stock->AppendMasterTable(NewTable("stock", Table::masterKind, {"item"}));
    project->AddModule(stock);
    ASSERT_TRUE(store.ArchiveProject(project, path.c_str(), FALSE));
}

// The program with a project file beside it, the stack margin wider than the thread's stack.
struct DoorProgram
{
    DoorProgram() { WriteCustomerProject(program.PathOf("Customer.wvt")); }

    void SaveAsShop()
    {
        program.files.Answer(program.PathOf("Shop.wvt").c_str());
        program.Command(ID_FILE_SAVE);
    }
    bool Exists(const char* name) const { return std::filesystem::exists(program.PathOf(name)); }
    // The project "Shop" writes into the folder "out", where files stand in the way of the
    // folders of the menu scripts and of the pages.
    void BlockOutput()
    {
        std::filesystem::create_directories(program.PathOf("out"));
        for (const char* blocked : {"out/_system", "out/Shop"})
            std::ofstream(program.PathOf(blocked)) << "a file where a folder is needed";
        program.Project().SetProjectName("Shop");
        program.Project().SetProjectPath(CString(program.PathOf("out").c_str()) + "\\");
    }
    // The command of the context menu of the base module's item under the category, or of the
    // category's node itself when no name is given.
    void TreeCommand(int slot, const char* name, UINT command)
    {
        CTreeCtrl& tree = program.Frame().GetTreeView()->GetTreeCtrl();
        auto item = static_cast<HTREEITEM>(CategoryNode(*program.Project().GetBaseModule(), slot));
        if (name != nullptr)
            item = FindTreeItem(tree, tree.GetChildItem(item), name);
        ScriptedPopupMenus menus;
        menus.Answer(command);
        program.Frame().GetTreeView()->ShowContextMenu(item, CPoint(0, 0));
    }

    // Set before the program starts, so that its start goes through the doors too.
    const LargeStack::ScopedLimits limits{LargeStack::defaultSize, LargeStack::defaultSize / 4};
    RunningProgram program;
    TempFolderOverride temp{program.folder.Path()};
    BoxStacks stacks;
};

TEST(LargeStackDoorsTest, EveryDoorReadsWritesAndWalksTheProjectOnTheLargeStack)
{
    struct Door
    {
        const char* name;
        // Goes through the door; true when it did its work.
        std::function<bool(DoorProgram&)> use;
    };
    const std::vector<Door> doors = {
        {"command line",
         [](DoorProgram& t)
         {
             return t.program.Doc().OnOpenDocument(t.program.PathOf("Customer.wvt").c_str()) &&
                    t.program.Project().FindTableByName("Customer") != nullptr;
         }},
        {"Open",
         [](DoorProgram& t)
         {
             t.program.files.Answer(t.program.PathOf("Customer.wvt").c_str());
             t.program.Command(ID_FILE_OPEN);
             return t.program.Project().FindTableByName("Customer") != nullptr;
         }},
        {"Save",
         [](DoorProgram& t)
         {
             t.SaveAsShop();
             return t.Exists("Shop.wvt");
         }},
        {"Save As",
         [](DoorProgram& t)
         {
             t.program.files.Answer(t.program.PathOf("Other.wvt").c_str());
             t.program.Command(ID_FILE_SAVE_AS);
             return t.Exists("Other.wvt");
         }},
        {"timed backup",
         [](DoorProgram& t)
         {
             t.SaveAsShop();
             t.program.Doc().SaveBackupCopy("~door");
             return t.Exists("Shop_backup/Shop~door.wvt");
         }},
        {"Import Tables",
         [](DoorProgram& t)
         {
             t.program.files.Answer(t.program.PathOf("Customer.wvt").c_str());
             t.program.Command(ID_IMPORT_TABLES);
             return t.program.Project().FindTableByName("Customer") != nullptr;
         }},
        {"merge inputs, run and result",
         [](DoorProgram& t)
         {
             t.SaveAsShop();
             t.program.boxes.Answer(IDOK);
             t.program.files.Answer(t.program.PathOf("Customer.wvt").c_str());
             AnswerMergeWholeModule(t.program, "Stock");
             t.program.boxes.Answer(IDYES);
             t.program.files.Answer(t.program.PathOf("Merged.wvt").c_str());
             t.program.boxes.Answer(IDOK);
             t.program.Command(ID_MERGE_PROJECT);
             return t.Exists("Merged.wvt") &&
                    t.stacks.OnLargeStack("A new module will be created") == true;
         }},
        {"Write All",
         [](DoorProgram& t)
         {
             std::ofstream(t.program.PathOf("blocker")) << "a file where a folder is needed";
             t.program.Project().SetProjectName("Shop");
             t.program.Project().SetProjectPath(t.program.PathOf("blocker").c_str());
             t.SaveAsShop();
             t.program.dialogs.Answer([](CDialog&, DialogDriver& user) { user.PressOk(); });
             t.program.Command(ID_WRITE_ALL);
             return t.stacks.OnLargeStack("Could not write output at") == true;
         }},
        {"classic Write All",
         [](DoorProgram& t)
         {
             // A changed project that was never saved is asked for.
             t.program.Project().GetBaseModule()->SetName("Shop");
             t.program.dialogs.Answer([](CDialog&, DialogDriver& user) { user.PressCancel(); });
             t.program.boxes.Answer(IDNO);
             t.program.Command(ID_CLASSIC_WRITE_ALL);
             return t.stacks.OnLargeStack("Your application is not saved!") == true;
         }},
        {"Write Menu",
         [](DoorProgram& t)
         {
             t.BlockOutput();
             t.TreeCommand(TreeSlot::Menus, nullptr, 20);
             return t.stacks.OnLargeStack("These files could not be written:") == true;
         }},
        {"Write Form",
         [](DoorProgram& t)
         {
             t.BlockOutput();
             // A page is written only from a project saved as Write All saves it.
             t.SaveAsShop();
             t.TreeCommand(TreeSlot::MasterForms, "useraccount_form", 10);
             return t.stacks.OnLargeStack("These files could not be written:") == true;
         }},
        {"menu editor",
         [](DoorProgram& t)
         {
             // A chain of menus deeper than the thread's stack takes a recursive walk over,
             // linked from the bottom up.
             std::vector<Menu*> chain;
             for (int level = 0; level < 100000; ++level)
                 chain.push_back(NewMenu("Deep"));
             for (std::size_t level = chain.size() - 1; level > 0; --level)
                 chain[level - 1]->AddSubMenu(chain[level]);
             t.program.Project().GetBaseModule()->Append(chain.front());
             t.program.Frame().GetTreeView()->EditEntity(RightPane::MenuView, chain.back());
             // Shown again with one more menu: the tree is filled anew.
             t.program.Project().GetBaseModule()->Append(NewMenu("Other"));
             t.program.Frame().GetTreeView()->EditEntity(RightPane::MenuView, chain.front());
             auto* view =
                 dynamic_cast<MenuDlg*>(t.program.Frame().GetRightPaneView(RightPane::MenuView));
             return view != nullptr && view->GetEditor() != nullptr &&
                    view->GetEditor()->Menus().Tree().GetCount() > 100001;
         }},
        {"Exit",
         [](DoorProgram& t)
         {
             HWND window = t.program.Frame().GetSafeHwnd();
             t.program.Frame().SendMessage(WM_CLOSE);
             return !window->isVisible();
         }},
    };
    for (const Door& door : doors)
    {
        SCOPED_TRACE(door.name);
        DoorProgram each;
        ASSERT_TRUE(each.program.started);
        ASSERT_TRUE(LargeStack::IsNearlyFull()) << "the thread's own stack refuses every record";
        EXPECT_TRUE(door.use(each));
        for (const std::string& text : each.program.boxes.ShownTexts())
        {
            EXPECT_EQ(std::string::npos, text.find("nested too deep")) << text;
            EXPECT_EQ(std::string::npos, text.find("Do you want to save changes")) << text;
        }
    }
}
} // namespace
