#include "designers/logic/DashBoardDesigner.h"
#include "designers/logic/ReportCollectorDesigner.h"
#include "editors/MenuDlg.h"
#include "editors/logic/MenuPages.h"
#include "editors/logic/ProcedureEditor.h"
#include "editors/logic/TableDesigner.h"
#include "editors/logic/UserFunctionEditor.h"
#include "entities/DashBoard.h"
#include "entities/Menu.h"
#include "entities/MultiPageReport.h"
#include "entities/ReportCollector.h"
#include "gen_web/PartialClassWriter.h"
#include "model/GenerationReport.h"
#include "platform/ui/Messages.h"
#include "platform/ui/ScriptedPopupMenus.h"
#include "shell/ForgeonView.h"
#include "shell/logic/ProjectTreeCommands.h"
#include "shell/logic/ProjectTreeLayout.h"
#include "tests/editors/logic/DesignedProject.h"
#include "tests/shell/ShellTestSupport.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

#include <functional>

namespace
{
// The program on a saved project that holds an item of every kind the tree shows, and what a user
// does with its tree and its boxes.
class LeavingUser
{
public:
    LeavingUser()
    {
        ForgeonProject& project = program.Project();
        project.SetProjectName("Library");
        project.SetProjectPath(program.folder.ModelPath());
        RecordingHost host;
        DesignedProject::DesignTables(project, host);
        DesignedProject::DesignMapTable(project, host, /*withPages=*/true);
        AddUserFunction(project, host);
        Module& module = *project.GetCurrentModule();
        module.CreateTransactionProcedures(module.GetTransactions().front());
        auto* overview = new MultiPageReport;
        overview->SetName("Overview");
        module.AddMultiPageReport(overview);
        auto* desk = new ReportCollector;
        desk->SetName("Desk");
        module.AddReportCollector(desk);
        // A menu for a deletion to take.
        auto* spare = new Menu;
        spare->SetName("Spare");
        module.AddMenu(spare);
        AddProcedure(project, host);
        program.Frame().RefreshTree();
        program.files.Answer(program.PathOf("Library.wvt").c_str());
        EXPECT_TRUE(program.Doc().Save());
    }

    ForgeonView& View() { return *program.Frame().GetTreeView(); }
    CTreeCtrl& Tree() { return View().GetTreeCtrl(); }
    Module& Base() { return *program.Project().GetModules().front(); }
    HTREEITEM Node(int slot) { return static_cast<HTREEITEM>(CategoryNode(Base(), slot)); }
    // The first entity item under the category; null when it holds none or only categories.
    HTREEITEM FirstItem(int slot)
    {
        const HTREEITEM first = Node(slot) != nullptr ? Tree().GetChildItem(Node(slot)) : nullptr;
        const bool category = std::ranges::any_of(kCategories, [&](const TreeCategory& each)
                                                  { return Node(each.slot) == first; });
        return category ? nullptr : first;
    }
    HTREEITEM ItemNamed(int slot, const CString& text)
    {
        return FindTreeItem(Tree(), Tree().GetChildItem(Node(slot)), text);
    }
    // A double click on the item, which selects it first.
    void Open(HTREEITEM item)
    {
        Tree().SelectItem(item);
        View().OpenItem(item);
    }
    RightPane Pane() { return program.Frame().GetCurrentRightPane(); }
    CWnd& PaneView() { return *program.Frame().GetRightPaneView(Pane()); }
    // The window whose controls are the boxes of the view shown: the menu editor's page shown.
    CWnd& BoxWindow()
    {
        if (auto* menus = dynamic_cast<MenuDlg*>(&PaneView()))
            return *menus->Tabs().GetPage(menus->Tabs().GetCurrentPage());
        return PaneView();
    }
    // The ids of the edits a user can type into now, in the order the window holds them.
    std::vector<int> TypeableBoxes()
    {
        std::vector<int> ids;
        for (QWidget* widget : BoxWindow().GetSafeHwnd()->findChildren<QWidget*>())
        {
            const auto* line = qobject_cast<QLineEdit*>(widget);
            const auto* text = qobject_cast<QPlainTextEdit*>(widget);
            const bool typeable = (line != nullptr && !line->isReadOnly()) ||
                                  (text != nullptr && !text->isReadOnly());
            CWnd* control = CWnd::FromHandle(widget);
            if (typeable && widget->isVisible() && widget->isEnabled() && control != nullptr &&
                control->GetDlgCtrlID() != 0)
                ids.push_back(control->GetDlgCtrlID());
        }
        return ids;
    }
    bool IsMultiLine(int box)
    {
        return qobject_cast<QPlainTextEdit*>(BoxWindow().GetDlgItem(box)->GetSafeHwnd()) != nullptr;
    }
    // Types the text at the end of the box, as keys, the focus staying there.
    void TypeAtEnd(int box, const char* text)
    {
        DialogDriver user(BoxWindow());
        EXPECT_TRUE(user.PressKey(box, VK_END));
        EXPECT_TRUE(user.TypeKeys(box, text));
    }
    CString Shown(int box) { return DialogDriver(BoxWindow()).GetText(box); }
    // Opening an editor may complete its item (a map form's controls): the project is saved as
    // it then is, to tell what a leave changed.
    void SaveIfChanged()
    {
        if (program.Doc().IsUnchangedSinceSaved())
            return;
        EXPECT_TRUE(program.Doc().Save());
    }
    // The questions about what the editor holds shown since the count of boxes.
    std::vector<std::string> QuestionsSince(std::size_t count)
    {
        std::vector<std::string> questions;
        const std::vector<std::string> texts = program.boxes.ShownTexts();
        for (std::size_t i = count; i < texts.size(); ++i)
            if (texts[i].find(" has not been ") != std::string::npos)
                questions.push_back(texts[i]);
        return questions;
    }
    // The entries of the item's context menu, and the command chosen from it.
    std::vector<ScriptedPopupMenus::Entry> MenuOf(HTREEITEM item)
    {
        ScriptedPopupMenus menus;
        View().ShowContextMenu(item, CPoint(0, 0));
        return menus.Shown().empty() ? std::vector<ScriptedPopupMenus::Entry>{}
                                     : menus.Shown().back().entries;
    }
    void RunCommand(HTREEITEM item, UINT command)
    {
        ScriptedPopupMenus menus;
        menus.Answer(command);
        Tree().SelectItem(item);
        View().ShowContextMenu(item, CPoint(0, 0));
    }

    RunningProgram program;

private:
    static void AddProcedure(ForgeonProject& project, EditorHost& host)
    {
        ProcedureEditor editor(project, host);
        editor.LoadProcedure(nullptr);
        const std::vector<CString>& tables =
            editor.States().GetItems(ProcedureEditor::IDC_MAIN_TABLE);
        editor.States().Select(
            ProcedureEditor::IDC_MAIN_TABLE,
            static_cast<int>(std::ranges::find(tables, CString("author")) - tables.begin()));
        editor.AddMainTable();
        editor.States().SetText(ProcedureEditor::IDC_NAME, "PRC_Authors");
        editor.AddProcedure();
    }
    static void AddUserFunction(ForgeonProject& project, EditorHost& host)
    {
        GenerationReport report;
        PartialClassWriter(&project, "author", "_author", report).Write();
        UserFunctionEditor editor(project, host);
        editor.LoadFunction(nullptr);
        const auto indexOf = [&editor](int combo, const char* text)
        {
            const std::vector<CString>& items = editor.States().GetItems(combo);
            return static_cast<int>(std::ranges::find(items, CString(text)) - items.begin());
        };
        editor.ChooseClass(indexOf(UserFunctionEditor::IDC_CLASS, "_author"));
        editor.ChooseMethod(indexOf(UserFunctionEditor::IDC_FUNCTION, "HandlePostAdd"));
        editor.Ok();
    }
};

// A way of leaving the editor shown, the editor's question answered with the answer.
struct WayOfLeaving
{
    const char* name;
    std::function<void(LeavingUser&, HTREEITEM elsewhere, int answer)> leave;
};

const std::vector<WayOfLeaving>& WaysOfLeaving()
{
    static const std::vector<WayOfLeaving> ways = {
        {"another tree item",
         [](LeavingUser& user, HTREEITEM elsewhere, int answer)
         {
             user.program.boxes.Answer(answer);
             user.Open(elsewhere);
         }},
        {"File > New",
         [](LeavingUser& user, HTREEITEM, int answer)
         {
             user.program.boxes.Answer(answer);
             user.program.Command(ID_FILE_NEW);
         }},
        {"File > Open",
         [](LeavingUser& user, HTREEITEM, int answer)
         {
             user.program.boxes.Answer(answer);
             user.program.Command(ID_FILE_OPEN);
         }},
        {"a recent file",
         [](LeavingUser& user, HTREEITEM, int answer)
         {
             user.program.boxes.Answer(answer);
             user.program.app.OnCmdMsg(ID_FILE_MRU_FILE1, 0);
         }},
        {"closing the window",
         [](LeavingUser& user, HTREEITEM, int answer)
         {
             user.program.boxes.Answer(answer);
             user.program.Frame().SendMessage(WM_CLOSE);
         }},
        {"a tree delete that rebinds",
         [](LeavingUser& user, HTREEITEM, int answer)
         {
             user.Tree().SelectItem(user.ItemNamed(TreeSlot::Menus, "Spare"));
             user.program.boxes.Answer(IDOK);
             user.program.boxes.Answer(answer);
             user.View().DeleteSelectedItem();
         }},
    };
    return ways;
}

// Every way of leaving, the editor's question answered Cancel: each asks once and leaves the
// pane, the window, the project and the file choosers as they were; kept checks the rest.
void CancelEveryWay(LeavingUser& user, HTREEITEM elsewhere, const std::function<void()>& kept)
{
    const RightPane pane = user.Pane();
    for (const WayOfLeaving& way : WaysOfLeaving())
    {
        SCOPED_TRACE(way.name);
        const std::size_t before = user.program.boxes.Shown().size();
        const std::size_t fileRequests = user.program.files.Requests().size();
        way.leave(user, elsewhere, IDCANCEL);
        ASSERT_EQ(1u, user.QuestionsSince(before).size());
        EXPECT_EQ(pane, user.Pane());
        EXPECT_TRUE(user.program.Frame().GetSafeHwnd()->isVisible());
        EXPECT_EQ(fileRequests, user.program.files.Requests().size());
        EXPECT_TRUE(user.program.Doc().IsUnchangedSinceSaved());
        EXPECT_NE(nullptr, user.ItemNamed(TreeSlot::Menus, "Spare"));
        kept();
    }
}

// What a user does before a box of the view can be typed into: the menu editor's name box waits
// for a menu chosen in its tree.
void PrepareBoxes(LeavingUser& user)
{
    if (auto* menus = dynamic_cast<MenuDlg*>(&user.PaneView()))
    {
        CWnd& page = *menus->Tabs().GetPage(MenuEditor::menusPage);
        const auto& tree = dynamic_cast<const CTreeCtrl&>(*page.GetDlgItem(MenuCreation::IDC_TREE));
        HTREEITEM module = tree.GetRootItem();
        EXPECT_TRUE(
            DialogDriver(page).ClickTreeItem(MenuCreation::IDC_TREE, tree.GetChildItem(module)));
    }
}

// An item of another kind than the one shown: the first master form, or for forms the first
// master table.
HTREEITEM Elsewhere(LeavingUser& user, int slot)
{
    return user.FirstItem(slot == TreeSlot::MasterForms ? TreeSlot::MasterTables
                                                        : TreeSlot::MasterForms);
}
// The categories of the tree whose items open an editor: those that hold no categories.
std::vector<const TreeCategory*> EditorKinds()
{
    std::vector<const TreeCategory*> kinds;
    for (const TreeCategory& category : kCategories)
        if (std::ranges::none_of(kCategories, [&](const TreeCategory& each)
                                 { return each.parentSlot == category.slot; }))
            kinds.push_back(&category);
    return kinds;
}
} // namespace

TEST(LeaveQuestionViewTest, TextTypedInEveryBoxOfEveryEditorIsAskedAboutHoweverTheEditorIsLeft)
{
    LeavingUser user;
    ASSERT_TRUE(user.program.started);
    // Every kind of item the tree shows that opens an editor.
    for (const TreeCategory* kind : EditorKinds())
    {
        const TreeCategory& category = *kind;
        SCOPED_TRACE(category.text);
        const HTREEITEM item = user.FirstItem(category.slot);
        ASSERT_NE(nullptr, item) << "the project of the test holds no item of the kind";
        const CString itemText = user.Tree().GetItemText(item);
        user.Open(item);
        const RightPane pane = user.Pane();
        ASSERT_NE(RightPane::StartPage, pane);
        PrepareBoxes(user);
        user.SaveIfChanged();
        for (const int box : user.TypeableBoxes())
        {
            SCOPED_TRACE(box);
            const CString loaded = user.Shown(box);
            user.TypeAtEnd(box, "7");
            const CString typed = user.Shown(box);
            ASSERT_NE(loaded, typed);
            // A box whose text reaches the item as it is typed has nothing to ask about: the
            // item opened again shows it.
            if (!user.program.Doc().IsUnchangedSinceSaved())
            {
                user.Open(Elsewhere(user, category.slot));
                user.Open(user.ItemNamed(category.slot, itemText));
                PrepareBoxes(user);
                EXPECT_EQ(typed, user.Shown(box));
                user.SaveIfChanged();
                continue;
            }
            const HTREEITEM opened = user.ItemNamed(category.slot, itemText);
            CancelEveryWay(user, Elsewhere(user, category.slot),
                           [&]
                           {
                               EXPECT_EQ(typed, user.Shown(box));
                               EXPECT_EQ(opened, user.Tree().GetSelectedItem());
                           });
            // No drops what was typed: the item opened again shows what it held.
            user.program.boxes.Answer(IDNO);
            user.Open(Elsewhere(user, category.slot));
            EXPECT_NE(pane, user.Pane());
            user.Open(user.ItemNamed(category.slot, itemText));
            PrepareBoxes(user);
            EXPECT_EQ(loaded, user.Shown(box));
            EXPECT_TRUE(user.program.Doc().IsUnchangedSinceSaved());
        }
    }
}

TEST(LeaveQuestionViewTest, YesKeepsTheTextTypedInTheItemAndTheProjectSaveTakesIt)
{
    LeavingUser user;
    ASSERT_TRUE(user.program.started);
    for (const TreeCategory* kind : EditorKinds())
    {
        SCOPED_TRACE(kind->text);
        const CString itemText = user.Tree().GetItemText(user.FirstItem(kind->slot));
        user.Open(user.FirstItem(kind->slot));
        const RightPane pane = user.Pane();
        PrepareBoxes(user);
        const std::vector<int> boxes = user.TypeableBoxes();
        const auto box = std::ranges::find_if(boxes, [&](int id) { return !user.IsMultiLine(id); });
        if (box == boxes.end())
            continue;
        user.TypeAtEnd(*box, "7");
        const CString typed = user.Shown(*box);
        const std::size_t before = user.program.boxes.Shown().size();
        user.program.boxes.Answer(IDYES);
        user.Open(Elsewhere(user, kind->slot));
        ASSERT_EQ(1u, user.QuestionsSince(before).size());
        // Stored: the item, found by its name or the name typed, shows the text again.
        ASSERT_NE(pane, user.Pane()) << user.program.boxes.ShownTexts().back();
        HTREEITEM stored = user.ItemNamed(kind->slot, itemText);
        if (stored == nullptr)
            stored = user.ItemNamed(kind->slot, typed);
        ASSERT_NE(nullptr, stored);
        user.Open(stored);
        PrepareBoxes(user);
        EXPECT_EQ(typed, user.Shown(*box));
    }

    // The project's question after the editor's saves the project with what the editor took.
    user.Open(user.ItemNamed(TreeSlot::Dashboards, "BaseModule_Dashboard"));
    user.TypeAtEnd(DashBoardDesigner::IDC_HEADER, " of the week");
    const CString header = user.Shown(DashBoardDesigner::IDC_HEADER);
    user.program.boxes.Answer(IDYES);
    user.program.boxes.Answer(IDYES);
    user.program.Command(ID_FILE_NEW);
    const std::vector<std::string> texts = user.program.boxes.ShownTexts();
    EXPECT_EQ(std::vector<std::string>({"The dashboard \"BaseModule_Dashboard\" has not been "
                                        "updated. Update it?",
                                        "Do you want to save changes in current project?"}),
              std::vector<std::string>(texts.end() - 2, texts.end()));
    ProjectStore saved;
    ASSERT_TRUE(saved.ArchiveProject(nullptr, user.program.PathOf("Library.wvt").c_str(), TRUE));
    EXPECT_EQ(header, saved.GetProject()
                          ->GetModules()
                          .front()
                          ->FindDashBoardByName("BaseModule_Dashboard")
                          ->GetHeader());
}

namespace
{
// What a new item needs beyond a name before OK would store it: a table its fields, a function
// its class.
void FillNewItem(LeavingUser& user)
{
    DialogDriver driver(user.BoxWindow());
    if (user.Pane() == RightPane::TableView)
    {
        for (const char* field : {"title", "price"})
        {
            user.TypeAtEnd(TableDesigner::IDC_FIELD_NAME, field);
            EXPECT_TRUE(driver.Click(TableDesigner::IDC_ADD));
        }
    }
    if (user.Pane() == RightPane::UserFunctionView)
    {
        EXPECT_TRUE(
            driver.Select(UserFunctionEditor::IDC_CLASS,
                          ComboIndexOf(user.PaneView(), UserFunctionEditor::IDC_CLASS, "_author")));
    }
}

// A create command of the tree's menus: the node it is on and its entry.
struct CreateCommand
{
    int slot;
    ScriptedPopupMenus::Entry entry;
};

// The commands of the tree's category menus that open an editor on a new item; those that make
// pages at once (forms, modules) are left out.
std::vector<CreateCommand> CreateCommands(LeavingUser& user)
{
    std::vector<CreateCommand> commands;
    for (const TreeCategory& category : kCategories)
        for (const ScriptedPopupMenus::Entry& entry : user.MenuOf(user.Node(category.slot)))
            if (entry.text.Find("Create ") == 0 && entry.text != "Create Module" &&
                entry.text.Find("Create Form") != 0 &&
                std::ranges::none_of(
                    commands, [&](const CreateCommand& each)
                    { return each.entry.text == entry.text && entry.text != "Create Table"; }))
                commands.push_back({category.slot, entry});
    return commands;
}
} // namespace

TEST(LeaveQuestionViewTest, ANewItemIsNeverDroppedWithoutAQuestion)
{
    LeavingUser user;
    ASSERT_TRUE(user.program.started);
    const std::vector<CreateCommand> commands = CreateCommands(user);
    ASSERT_FALSE(commands.empty());
    for (const CreateCommand& command : commands)
    {
        SCOPED_TRACE(command.entry.text.GetString());
        const CString count = user.Tree().GetItemText(user.Node(command.slot));
        const auto create = [&]
        {
            user.program.Frame().ShowStartPage();
            user.RunCommand(user.Node(command.slot), command.entry.id);
            const std::vector<int> boxes = user.TypeableBoxes();
            const auto name =
                std::ranges::find_if(boxes, [&](int id) { return !user.IsMultiLine(id); });
            if (name != boxes.end())
                user.TypeAtEnd(*name, "Fresh");
            FillNewItem(user);
        };
        create();
        const RightPane pane = user.Pane();
        ASSERT_NE(RightPane::StartPage, pane);
        // A menu editor opened for no menu holds nothing new.
        if (pane == RightPane::MenuView)
        {
            const std::size_t before = user.program.boxes.Shown().size();
            user.Open(user.FirstItem(TreeSlot::MasterForms));
            EXPECT_TRUE(user.QuestionsSince(before).empty());
            continue;
        }
        CancelEveryWay(user, user.FirstItem(TreeSlot::MasterForms),
                       [&] { EXPECT_EQ(count, user.Tree().GetItemText(user.Node(command.slot))); });
        // No drops the new item.
        user.program.boxes.Answer(IDNO);
        user.Open(user.FirstItem(TreeSlot::MasterForms));
        EXPECT_EQ(RightPane::FormEditor, user.Pane());
        EXPECT_EQ(count, user.Tree().GetItemText(user.Node(command.slot)));
        EXPECT_TRUE(user.program.Doc().IsUnchangedSinceSaved());
        // Yes stores it, or OK's check says what it misses and the editor stays with it.
        create();
        const std::size_t before = user.program.boxes.Shown().size();
        user.program.boxes.Answer(IDYES);
        user.Open(user.FirstItem(TreeSlot::MasterForms));
        if (user.Pane() == pane)
        {
            EXPECT_LT(before + 1, user.program.boxes.Shown().size()) << "a refusal is shown";
            user.program.boxes.Answer(IDNO);
            user.Open(user.FirstItem(TreeSlot::MasterForms));
        }
        else
        {
            EXPECT_NE(count, user.Tree().GetItemText(user.Node(command.slot)));
        }
        user.SaveIfChanged();
    }
}

TEST(LeaveQuestionViewTest, TheCollectorAsksOnceAboutASizeTypedBeforeAnotherReportIsChosen)
{
    using RC = ReportCollectorDesigner;
    LeavingUser user;
    ASSERT_TRUE(user.program.started);
    user.Open(user.ItemNamed(TreeSlot::ReportCollectors, "Desk"));
    DialogDriver driver(user.PaneView());
    for (const char* report : {"author Report", "publisher Report"})
    {
        ASSERT_TRUE(
            driver.Select(RC::IDC_REPORT, ComboIndexOf(user.PaneView(), RC::IDC_REPORT, report)));
        ASSERT_TRUE(driver.Click(RC::IDC_ADD_REPORT));
    }
    ASSERT_TRUE(driver.ClickListRow(RC::IDC_ENTRY_LIST, 0));
    user.TypeAtEnd(RC::IDC_HEIGHT, "0");
    const std::size_t before = user.program.boxes.Shown().size();
    user.program.boxes.Answer(IDNO);
    ASSERT_TRUE(driver.ClickListRow(RC::IDC_ENTRY_LIST, 1));
    EXPECT_EQ(std::vector<std::string>{"The size of the report \"author Report\" has not been "
                                       "updated. Update it?"},
              user.QuestionsSince(before));
    EXPECT_EQ("publisher Report", driver.GetText(RC::IDC_ENTRY_NAME));
    EXPECT_EQ("250", driver.GetText(RC::IDC_HEIGHT));
}
