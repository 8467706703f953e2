// Every door that reads, writes, walks or frees a whole project does so on the large stack. The
// test widens the stack margin beyond the thread's own stack, so that any record read or written
// on that stack is refused as too deeply nested: each door must still work, and the boxes it
// shows from inside its walk must come from the large stack.
#include "editors/WriteAllDlg.h"
#include "platform/core/LargeStack.h"
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
