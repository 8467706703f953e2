#include "designers/ApplicationReportDlg.h"
#include "designers/DashBoardDlg.h"
#include "designers/DashBoardPageDlg.h"
#include "designers/MultiPageReportDlg.h"
#include "designers/RDLCReportdlg.h"
#include "designers/ReportCollectorDlg.h"
#include "designers/logic/StartPage.h"
#include "editors/AssignFunctionDlg.h"
#include "editors/FormEditorDialog.h"
#include "editors/LoginPageDlg.h"
#include "editors/MapFormDlg.h"
#include "editors/ProcedureDlg.h"
#include "editors/TableDialog.h"
#include "editors/TransactionDlg.h"
#include "editors/UserFunctionDlg.h"
#include "editors/WriteSelectionDlg.h"
#include "editors/logic/FormProceduresAssigner.h"
#include "editors/logic/FunctionOutputFields.h"
#include "editors/logic/ProcedureAssigner.h"
#include "entities/ApplicationReport.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/LoginPage.h"
#include "entities/MapForm.h"
#include "entities/MultiPageReport.h"
#include "entities/Procedure.h"
#include "entities/RDLCReport.h"
#include "entities/ReportCollector.h"
#include "entities/Transaction.h"
#include "model/Field.h"
#include "model/Table.h"
#include "model/TableFormCreator.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/ScriptedPopupMenus.h"
#include "shell/ForgeonView.h"
#include "shell/logic/ProjectTree.h"
#include "shell/logic/ProjectTreeLayout.h"
#include "tests/editors/consumers/WrittenApplication.h"
#include "tests/gen_classic/PageCheck.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/model/ModelBuilders.h"
#include "tests/shell/MergeAnswers.h"
#include "tests/shell/ShellTestSupport.h"

#include <QFontMetrics>
#include <QPixmap>
#include <QWidget>

#include <functional>
#include <iostream>
#include <map>
#include <regex>

namespace
{
// A user at the program: the tree on the left, the view of the right pane, pictures kept in the
// build folder.
class Walkthrough
{
public:
    MainFrame& Frame() { return program.Frame(); }
    Module& Current() { return *program.Project().GetCurrentModule(); }
    CTreeCtrl& Tree() { return Frame().GetTreeView()->GetTreeCtrl(); }
    HTREEITEM Item(const CString& text) { return FindTreeItem(Tree(), Tree().GetRootItem(), text); }

    // The command of the item's context menu whose text is the text.
    void RunContextCommand(HTREEITEM item, const char* text)
    {
        ScriptedPopupMenus menus;
        Frame().GetTreeView()->ShowContextMenu(item, CPoint(0, 0));
        ASSERT_FALSE(menus.Shown().empty());
        for (const ScriptedPopupMenus::Entry& entry : menus.Shown().back().entries)
        {
            if (entry.text == text)
                menus.Answer(entry.id);
        }
        ASSERT_EQ(1u, menus.PendingAnswers()) << text;
        Frame().GetTreeView()->ShowContextMenu(item, CPoint(0, 0));
    }
    HTREEITEM Category(int slot) { return static_cast<HTREEITEM>(CategoryNode(Current(), slot)); }
    // The item of the text under the category, at any depth.
    HTREEITEM Under(int slot, const CString& text)
    {
        return FindTreeItem(Tree(), Tree().GetChildItem(Category(slot)), text);
    }
    // A double click on the item; the pane it shows.
    RightPane OpenItem(HTREEITEM item)
    {
        EXPECT_NE(nullptr, item);
        Tree().SelectItem(item);
        Frame().GetTreeView()->OpenItem(item);
        return Frame().GetCurrentRightPane();
    }

    // A double click on the item of the text under the category; false when it shows none.
    bool Open(int slot, const CString& text)
    {
        HTREEITEM item = FindTreeItem(Tree(), Tree().GetChildItem(Category(slot)), text);
        if (item == nullptr)
            return false;
        Tree().SelectItem(item);
        Frame().GetTreeView()->OpenItem(item);
        return true;
    }
    // The Delete key on the item of the text under the category, its question answered with
    // OK; false unless the item went.
    bool Delete(int slot, const CString& text)
    {
        HTREEITEM item = FindTreeItem(Tree(), Tree().GetChildItem(Category(slot)), text);
        if (item == nullptr)
            return false;
        Tree().SelectItem(item);
        program.boxes.Answer(IDOK);
        Frame().GetTreeView()->DeleteSelectedItem();
        return FindTreeItem(Tree(), Tree().GetChildItem(Category(slot)), text) == nullptr;
    }
    // The items of the combo of the view shown.
    std::vector<CString> ComboItems(int combo)
    {
        std::vector<CString> items;
        const auto* box = dynamic_cast<CComboBox*>(View().GetDlgItem(combo));
        for (int i = 0; box != nullptr && i < box->GetCount(); ++i)
        {
            box->GetLBText(i, items.emplace_back());
        }
        return items;
    }
    // The position of the text in the combo of the view shown.
    int IndexOf(int combo, const char* text)
    {
        const std::vector<CString> items = ComboItems(combo);
        const auto found = std::find(items.begin(), items.end(), CString(text));
        if (found == items.end())
            ADD_FAILURE() << text << " not in combo " << combo;
        return found == items.end() ? -1 : static_cast<int>(found - items.begin());
    }
    // The row of the list of the view shown that holds the text, blanks aside, in one of its
    // first columns; -1 and a failure when none does.
    int RowOf(int list, const char* text)
    {
        const auto* rows = dynamic_cast<CListCtrl*>(View().GetDlgItem(list));
        for (int row = 0; rows != nullptr && row < rows->GetItemCount(); ++row)
            for (int column = 0; column < 3; ++column)
                if (rows->GetItemText(row, column).Trim() == text)
                    return row;
        ADD_FAILURE() << text << " not in list " << list;
        return -1;
    }
    // Write All of the site answered with OK; the files of the site folder by their paths
    // under it.
    std::map<std::string, std::string> WriteAll(const std::filesystem::path& site)
    {
        program.dialogs.Answer([](CDialog&, DialogDriver& user) { EXPECT_TRUE(user.PressOk()); });
        program.Command(ID_WRITE_ALL);
        // Menus are numbered anew by each load: the menu items' names in the code.
        static const std::regex menuIds("Menu1n[0-9]+");
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(site))
            if (entry.is_regular_file())
                files[entry.path().lexically_relative(site).string()] =
                    std::regex_replace(ReadHostFile(entry.path()), menuIds, "Menu1n");
        return files;
    }
    // The texts of the message boxes shown after the first count ones.
    std::vector<std::string> BoxesSince(std::size_t count) const
    {
        const std::vector<std::string> texts = program.boxes.ShownTexts();
        return {texts.begin() + static_cast<std::ptrdiff_t>(count), texts.end()};
    }
    CWnd& View() { return *Frame().GetRightPaneView(Frame().GetCurrentRightPane()); }
    template <class V> V& View(RightPane pane)
    {
        return dynamic_cast<V&>(*Frame().GetRightPaneView(pane));
    }

    void Shoot(const char* name)
    {
        HWND window = Frame().GetSafeHwnd();
        window->resize(1200, 860);
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        const QPixmap shot = window->grab();
        ASSERT_FALSE(shot.isNull());
        const std::filesystem::path path =
            std::filesystem::current_path() / (std::string("walkthrough-") + name + ".png");
        ASSERT_TRUE(shot.save(QString::fromStdString(path.string()), "PNG"));
    }

    // A table made in the table designer from the tree's category node, with its default pages;
    // a field is typed or refers to another table.
    void MakeTable(int slot, const char* command, const char* name,
                   std::initializer_list<std::pair<const char*, int>> fields,
                   std::initializer_list<const char*> referred = {})
    {
        RunContextCommand(Category(slot), command);
        ASSERT_EQ(RightPane::TableView, Frame().GetCurrentRightPane());
        DialogDriver user(View());
        ASSERT_TRUE(user.SetText(TableDesigner::IDC_TABLE_NAME, name));
        for (const auto& [field, type] : fields)
        {
            ASSERT_TRUE(user.SetText(TableDesigner::IDC_FIELD_NAME, field));
            ASSERT_TRUE(user.Select(TableDesigner::IDC_TYPE, type));
            ASSERT_TRUE(user.Click(TableDesigner::IDC_ADD));
        }
        for (const char* table : referred)
        {
            ASSERT_TRUE(user.SetCheck(TableDesigner::IDC_FOREIGN_KEY, true));
            ASSERT_TRUE(user.Select(TableDesigner::IDC_FOREIGN_TABLE,
                                    IndexOf(TableDesigner::IDC_FOREIGN_TABLE, table)));
            ASSERT_TRUE(user.Click(TableDesigner::IDC_ADD));
        }
        ASSERT_TRUE(user.Click(TableDesigner::IDC_OK));
    }

    RunningProgram program;
};
} // namespace

TEST(WalkthroughTest, EveryViewOpensFromTheTreeTakesAChangeAndTheProjectSavesAndWrites)
{
    Walkthrough w;
    ASSERT_TRUE(w.program.started);
    // The project nobody changed gives way without a question.
    w.program.Command(ID_FILE_NEW);
    EXPECT_EQ(RightPane::StartPage, w.Frame().GetCurrentRightPane());
    w.Shoot("start-page");
    // Each start button has room beside its picture for the longest word of its caption.
    for (const StartButton& button : StartPage::Buttons())
    {
        QWidget* widget = w.View().GetDlgItem(button.controlId)->GetSafeHwnd();
        int longest = 0;
        for (const QString& word : QString(button.toolTip).split(' '))
            longest = std::max(longest, QFontMetrics(widget->font()).horizontalAdvance(word));
        EXPECT_LT(longest + widget->height(), widget->width()) << button.toolTip;
    }
    w.MakeTable(TreeSlot::MasterTables, "Create Table", "Customer", {{"name", 4}, {"city", 4}});
    w.MakeTable(TreeSlot::MasterTables, "Create Table", "Product", {{"title", 4}, {"price", 2}});
    w.MakeTable(TreeSlot::DetailTables, "Create Table", "Orders", {{"placed", 5}});
    w.Shoot("table-designer");
    Module& module = w.Current();

    // Each page opened from its item shows its name; a change and OK reach the model.
    struct Visit
    {
        int slot;
        const char* name;
        RightPane pane;
        int nameBox;
        std::function<void(DialogDriver&)> change;
        int ok;
    };
    const Visit visits[] = {
        {TreeSlot::MasterForms, "customer_form", RightPane::FormEditor, FormEditor::IDC_NAME,
         [](DialogDriver& user) { EXPECT_TRUE(user.Click(FormEditor::IDC_SINGLE_COLUMN)); },
         FormEditor::IDC_OK},
        {TreeSlot::DetailForms, "orders", RightPane::TransactionView, TransactionEditor::IDC_NAME,
         [](DialogDriver& user) { EXPECT_TRUE(user.Click(TransactionEditor::IDC_SINGLE_COLUMN)); },
         TransactionEditor::IDC_OK},
        {TreeSlot::SearchReports, "customer Report", RightPane::ReportView,
         ReportDesigner::IDC_NAME,
         [](DialogDriver& user)
         { EXPECT_TRUE(user.SetText(ReportDesigner::IDC_HEADER, "Customers")); },
         ReportDesigner::IDC_OK},
        {TreeSlot::Dashboards, "BaseModule_Dashboard", RightPane::DashBoardView,
         DashBoardDesigner::IDC_NAME,
         [](DialogDriver& user)
         { EXPECT_TRUE(user.SetText(DashBoardDesigner::IDC_HEADER, "Board")); },
         DashBoardDesigner::IDC_OK},
        {TreeSlot::DashBoardPages, "Project_Dashboard", RightPane::DashBoardPageView,
         DashBoardPageDesigner::IDC_NAME,
         [](DialogDriver& user)
         { EXPECT_TRUE(user.SetText(DashBoardPageDesigner::IDC_HEADER, "Overview")); },
         DashBoardPageDesigner::IDC_OK},
        {TreeSlot::Reports, "customer_rdlc", RightPane::RDLCReportView,
         RDLCReportDesigner::IDC_NAME,
         [](DialogDriver& user)
         { EXPECT_TRUE(user.SetText(RDLCReportDesigner::IDC_HEADER, "Customer list")); },
         RDLCReportDesigner::IDC_OK},
    };
    for (const Visit& visit : visits)
    {
        SCOPED_TRACE(visit.name);
        ASSERT_TRUE(w.Open(visit.slot, visit.name));
        ASSERT_EQ(visit.pane, w.Frame().GetCurrentRightPane());
        DialogDriver user(w.View());
        EXPECT_EQ(visit.name, user.GetText(visit.nameBox));
        visit.change(user);
        w.Shoot(visit.name);
        EXPECT_TRUE(user.Click(visit.ok));
    }
    EXPECT_EQ(1, module.FindMasterFormByName("customer_form")->GetColumnCount());
    EXPECT_EQ(1, module.FindTransactionByName("orders")->GetColumnCount());
    EXPECT_EQ("Customers", module.FindReportByName("customer Report")->GetTitle());
    EXPECT_EQ("Board", module.FindDashBoardByName("BaseModule_Dashboard")->GetHeader());
    EXPECT_EQ("Overview", module.FindDashBoardPageByName("Project_Dashboard")->GetHeader());
    EXPECT_EQ("Customer list", module.FindRDLCReportByName("customer_rdlc")->GetHeader());

    // A page of reports and a collector, made in their designers and opened again.
    using MP = MultiPageReportDesigner;
    using RC = ReportCollectorDesigner;
    w.Frame().GetTreeView()->EditEntity(RightPane::MultiPageReportView, nullptr);
    auto& pageView = w.View<MultiPageReportDlg>(RightPane::MultiPageReportView);
    DialogDriver pageUser(pageView);
    ASSERT_TRUE(pageUser.SetText(MP::IDC_NAME, "Overview"));
    ASSERT_TRUE(pageUser.Select(MP::IDC_REPORT, w.IndexOf(MP::IDC_REPORT, "customer Report")));
    ASSERT_TRUE(pageUser.Click(MP::IDC_ADD_REPORT));
    ASSERT_TRUE(pageUser.Click(MP::IDC_ADD_MULTI_PAGE));
    ASSERT_EQ(1u, module.GetMultiPageReports().size());
    MultiPageReport* overview = module.GetMultiPageReports().front();
    w.Frame().GetTreeView()->EditEntity(RightPane::MultiPageReportView, overview);
    EXPECT_EQ("Overview", pageUser.GetText(MP::IDC_NAME));
    ASSERT_TRUE(pageUser.Select(MP::IDC_REPORT, w.IndexOf(MP::IDC_REPORT, "product Report")));
    ASSERT_TRUE(pageUser.Click(MP::IDC_ADD_REPORT));
    w.Shoot("multi-page-report");
    ASSERT_TRUE(pageUser.Click(MP::IDC_ADD_MULTI_PAGE));
    EXPECT_EQ(2u, overview->GetPages().size());

    w.Frame().GetTreeView()->EditEntity(RightPane::ReportCollectorView, nullptr);
    auto& collectorView = w.View<ReportCollectorDlg>(RightPane::ReportCollectorView);
    DialogDriver collectorUser(collectorView);
    ASSERT_TRUE(collectorUser.SetText(RC::IDC_NAME, "Desk"));
    ASSERT_TRUE(collectorUser.Select(RC::IDC_REPORT, w.IndexOf(RC::IDC_REPORT, "customer Report")));
    ASSERT_TRUE(collectorUser.Click(RC::IDC_ADD_REPORT));
    ASSERT_TRUE(collectorUser.Click(RC::IDC_ADD_COLLECTOR));
    ASSERT_EQ(1u, module.GetReportCollectors().size());
    ReportCollector* desk = module.GetReportCollectors().front();
    w.Frame().GetTreeView()->EditEntity(RightPane::ReportCollectorView, desk);
    EXPECT_EQ("Desk", collectorUser.GetText(RC::IDC_NAME));
    ASSERT_TRUE(collectorUser.Select(RC::IDC_REPORT, w.IndexOf(RC::IDC_REPORT, "product Report")));
    ASSERT_TRUE(collectorUser.Click(RC::IDC_ADD_REPORT));
    w.Shoot("report-collector");
    ASSERT_TRUE(collectorUser.Click(RC::IDC_ADD_COLLECTOR));
    EXPECT_EQ(2u, desk->GetEntries().size());

    // Switching between the views and back shows each page again, and the views left let go.
    for (int round = 0; round < 2; ++round)
    {
        for (const Visit& visit : visits)
        {
            SCOPED_TRACE(visit.name);
            ASSERT_TRUE(w.Open(visit.slot, visit.name));
            EXPECT_EQ(visit.name, DialogDriver(w.View()).GetText(visit.nameBox));
        }
    }
    w.Frame().GetTreeView()->EditEntity(RightPane::MultiPageReportView, overview);
    EXPECT_EQ("Overview", pageUser.GetText(MP::IDC_NAME));
    w.Frame().GetTreeView()->EditEntity(RightPane::ReportCollectorView, desk);
    EXPECT_EQ("Desk", collectorUser.GetText(RC::IDC_NAME));

    // Deleted from the tree while its view shows it, a page leaves the view empty or new.
    struct Deletion
    {
        int slot;
        const char* name;
        RightPane pane;
        int nameBox;
    };
    const Deletion deletions[] = {
        {TreeSlot::MasterForms, "product_form", RightPane::FormEditor, FormEditor::IDC_NAME},
        {TreeSlot::SearchReports, "useraccount Report", RightPane::ReportView,
         ReportDesigner::IDC_NAME},
        {TreeSlot::Reports, "product_rdlc", RightPane::RDLCReportView,
         RDLCReportDesigner::IDC_NAME},
        {TreeSlot::DashBoardPages, "Project_Dashboard", RightPane::DashBoardPageView,
         DashBoardPageDesigner::IDC_NAME},
        {TreeSlot::Dashboards, "Project_Dashboard", RightPane::DashBoardView,
         DashBoardDesigner::IDC_NAME},
    };
    for (const Deletion& deletion : deletions)
    {
        SCOPED_TRACE(deletion.name);
        ASSERT_TRUE(w.Open(deletion.slot, deletion.name));
        ASSERT_TRUE(w.Delete(deletion.slot, deletion.name));
        EXPECT_EQ(deletion.pane, w.Frame().GetCurrentRightPane());
        EXPECT_EQ("", DialogDriver(w.View()).GetText(deletion.nameBox));
    }

    // A report deleted while the page of reports shows it: the page and its designer let go.
    w.Frame().GetTreeView()->EditEntity(RightPane::MultiPageReportView, overview);
    ASSERT_TRUE(w.Delete(TreeSlot::SearchReports, "product Report"));
    EXPECT_EQ(1u, overview->GetPages().size());
    EXPECT_EQ((std::vector<CString>{"customer Report", "orders_basic Report"}),
              w.ComboItems(MP::IDC_REPORT));
    const auto* pages = dynamic_cast<CListCtrl*>(pageView.GetDlgItem(MP::IDC_PAGE_LIST));
    ASSERT_EQ(1, pages->GetItemCount());
    ASSERT_TRUE(pageUser.Select(MP::IDC_REPORT, 1));
    ASSERT_TRUE(pageUser.Click(MP::IDC_ADD_REPORT));
    ASSERT_TRUE(pageUser.ClickListRow(MP::IDC_PAGE_LIST, 1));
    ASSERT_TRUE(pageUser.Click(MP::IDC_ADD_MULTI_PAGE));
    // The customer table takes its search report out of the collector; another one stays.
    w.Frame().GetTreeView()->EditEntity(RightPane::ReportCollectorView, desk);
    ASSERT_TRUE(
        collectorUser.Select(RC::IDC_REPORT, w.IndexOf(RC::IDC_REPORT, "orders_basic Report")));
    ASSERT_TRUE(collectorUser.Click(RC::IDC_ADD_REPORT));
    ASSERT_TRUE(collectorUser.Click(RC::IDC_ADD_COLLECTOR));
    w.Frame().GetTreeView()->EditEntity(RightPane::ReportCollectorView, desk);
    ASSERT_TRUE(w.Delete(TreeSlot::MasterTables, "customer"));
    EXPECT_EQ(nullptr, w.Current().FindReportByName("customer Report"));
    EXPECT_EQ(1u, desk->GetEntries().size());
    const auto* entries = dynamic_cast<CListCtrl*>(collectorView.GetDlgItem(RC::IDC_ENTRY_LIST));
    EXPECT_EQ(static_cast<int>(desk->GetEntries().size()), entries->GetItemCount());
    EXPECT_EQ(desk, collectorView.GetDesigner()->GetCollector());
    ASSERT_TRUE(collectorUser.ClickListRow(RC::IDC_ENTRY_LIST, 0));
    ASSERT_TRUE(collectorUser.Click(RC::IDC_ADD_COLLECTOR));

    // Saved, opened again while a view shows a page, saved and opened again: the same bytes from
    // the first save on.
    w.program.Project().SetProjectName("Walk");
    w.program.Project().SetProjectPath(w.program.folder.Path().c_str());
    const std::string first = w.program.PathOf("Walk.wvt");
    const std::string second = w.program.PathOf("Walk2.wvt");
    const std::string third = w.program.PathOf("Walk3.wvt");
    w.program.files.Answer(first.c_str());
    w.program.Command(ID_FILE_SAVE);
    ASSERT_TRUE(w.Open(TreeSlot::MasterForms, "product_form") ||
                w.Open(TreeSlot::MasterForms, "useraccount_form"));
    w.program.files.Answer(first.c_str());
    w.program.Command(ID_FILE_OPEN);
    w.Frame().GetTreeView()->EditEntity(RightPane::MultiPageReportView,
                                        w.Current().GetMultiPageReports().front());
    EXPECT_EQ("Overview", pageUser.GetText(MP::IDC_NAME));
    w.program.files.Answer(second.c_str());
    w.program.Command(ID_FILE_SAVE_AS);
    w.Frame().GetTreeView()->EditEntity(RightPane::ReportCollectorView,
                                        w.Current().GetReportCollectors().front());
    w.program.files.Answer(second.c_str());
    w.program.Command(ID_FILE_OPEN);
    for (const Visit& visit : visits)
    {
        if (w.Open(visit.slot, visit.name))
        {
            EXPECT_EQ(visit.name, DialogDriver(w.View()).GetText(visit.nameBox));
        }
    }
    w.program.files.Answer(third.c_str());
    w.program.Command(ID_FILE_SAVE_AS);
    EXPECT_TRUE(ReadHostFile(first) == ReadHostFile(second));
    EXPECT_TRUE(ReadHostFile(second) == ReadHostFile(third));
    EXPECT_GT(ReadHostFile(third).size(), 1000u);

    // The questions and refusals on the way: the collector whose second report, and later its
    // third, has no filter in common with the first, and the question of each deletion.
    const std::string noCommonFields =
        "There are no common fields in above reports. Filters can not be assigned.";
    const auto question = [](const std::string& name)
    { return "Do you really want to delete the selected entity \"" + name + "\"?"; };
    std::vector<std::string> expected = {noCommonFields};
    for (const Deletion& deletion : deletions)
        expected.push_back(question(deletion.name));
    expected.push_back(question("product Report"));
    expected.push_back(noCommonFields);
    expected.push_back(question("customer"));
    EXPECT_EQ(expected, w.program.boxes.ShownTexts());
    EXPECT_EQ(0u, w.program.dialogs.UnscriptedCount());

    // Write All, ASP.NET: every file written; the success message names the pages that no
    // ASP.NET writer makes, which the project file leaves out.
    PrepareProjectFolder(w.program.Project());
    std::size_t before = w.program.boxes.Shown().size();
    w.program.dialogs.Answer([](CDialog&, DialogDriver& user) { EXPECT_TRUE(user.PressOk()); });
    w.program.Command(ID_WRITE_ALL);
    ASSERT_EQ(1u, w.BoxesSince(before).size());
    EXPECT_EQ("Your Code has been generated successfully. \nYou may load " +
                  (w.program.folder.Path() / "Walk" / "Walk.sln").string() +
                  " in your Microsoft Visual Studio. \nPlease ensure that you have SP1 installed "
                  "if you are using Visual Studio 2005\n\n"
                  "These pages are not generated for the ASP.NET application:\n"
                  "Overview (multi-page report)\nDesk (report collector)",
              w.BoxesSince(before)[0]);

    // Write All, classic pages: the database left alone, no page left unwritten.
    before = w.program.boxes.Shown().size();
    w.program.dialogs.Answer([](CDialog&, DialogDriver& user) { EXPECT_TRUE(user.PressCancel()); });
    w.program.dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_EQ(WriteSelectionDlg::IDD, dialog.GetTemplateId());
            EXPECT_EQ("There are no Errors or Warnings",
                      user.GetText(WriteSelectionDlg::IDC_MESSAGE));
            EXPECT_TRUE(user.PressOk());
        });
    w.program.Command(ID_CLASSIC_WRITE_ALL);
    EXPECT_EQ(std::vector<std::string>{}, w.BoxesSince(before));
    EXPECT_EQ("Writing completed", w.Frame().GetStatusBar()->GetPaneText(0).str());
    EXPECT_EQ(0u, w.program.dialogs.UnscriptedCount());

    // New while a designer shows a page of the project: the views start on the new project.
    w.Frame().GetTreeView()->EditEntity(RightPane::MultiPageReportView,
                                        w.Current().GetMultiPageReports().front());
    w.program.boxes.Answer(IDNO);
    w.program.Command(ID_FILE_NEW);
    EXPECT_TRUE(w.Current().GetMultiPageReports().empty());
    ASSERT_TRUE(w.Open(TreeSlot::Dashboards, "BaseModule_Dashboard"));
    EXPECT_EQ("BaseModule_Dashboard", DialogDriver(w.View()).GetText(DashBoardDesigner::IDC_NAME));
    w.Shoot("after-new");
}

// A new project: a map table and its map form, a procedure, the login page's call, a page of
// reports and a report collector, each made and opened again through the tree; the site and the
// classic pages are written and checked.
TEST(WalkthroughTest, ANewUserMakesEveryKindThroughTheTreeAndWritesBothApplications)
{
    Walkthrough user;
    ASSERT_TRUE(user.program.started);
    user.program.Command(ID_FILE_NEW);
    ForgeonProject& project = user.program.Project();
    project.SetProjectName("Press");
    project.SetProjectPath(user.program.folder.Path().c_str());

    // A map table made on Map Tables gets its map form; "Create Form" on it opens the map form
    // editor, whose form procedures are answered in their dialog.
    user.MakeTable(TreeSlot::MasterTables, "Create Table", "Publisher", {{"name", 4}});
    user.MakeTable(TreeSlot::MasterTables, "Create Table", "Author", {{"name", 4}});
    user.MakeTable(TreeSlot::MapTables, "Create Table", "Publication", {}, {"publisher", "author"});
    EXPECT_EQ("Map Tables(1)", user.Tree().GetItemText(user.Category(TreeSlot::MapTables)));
    EXPECT_EQ("Map Forms(1)", user.Tree().GetItemText(user.Category(TreeSlot::MapForms)));
    const HTREEITEM mapTable = user.Under(TreeSlot::MapTables, "publication");
    ASSERT_NE(nullptr, mapTable);
    user.RunContextCommand(mapTable, "Create Form");
    ASSERT_EQ(RightPane::MapFormView, user.Frame().GetCurrentRightPane());
    {
        DialogDriver mapUser(user.View());
        EXPECT_EQ("publication", mapUser.GetText(MapFormEditor::IDC_TABLE_NAME));
        ASSERT_TRUE(mapUser.SetText(MapFormEditor::IDC_HEADER, "Publications"));
        user.program.dialogs.Answer(
            [](CDialog& dialog, DialogDriver& procedures)
            {
                EXPECT_EQ(FormProceduresAssigner::IDD, dialog.GetTemplateId());
                EXPECT_TRUE(procedures.PressOk());
            });
        ASSERT_TRUE(mapUser.Click(MapFormEditor::IDC_FORM_PROCEDURES));
        ASSERT_TRUE(mapUser.Click(MapFormEditor::IDC_ADD_MAP_FORM));
    }
    ASSERT_EQ(1u, user.Current().GetMapForms().size());
    MapForm* mapForm = user.Current().GetMapForms().front();
    EXPECT_EQ("Publications", mapForm->GetHeader());
    EXPECT_EQ(RightPane::MapFormView,
              user.OpenItem(user.Under(TreeSlot::MapForms, "publication_form")));
    EXPECT_EQ("Publications", DialogDriver(user.View()).GetText(MapFormEditor::IDC_HEADER));
    EXPECT_EQ(RightPane::TableView, user.OpenItem(mapTable));
    EXPECT_EQ("publication", DialogDriver(user.View()).GetText(TableDesigner::IDC_TABLE_NAME));

    // The login procedure, made in the procedure editor from Procedures.
    user.RunContextCommand(user.Category(TreeSlot::UserProcedures), "Create Procedure");
    ASSERT_EQ(RightPane::ProcedureView, user.Frame().GetCurrentRightPane());
    {
        CWnd& view = user.View();
        DialogDriver procedure(view);
        ASSERT_TRUE(
            procedure.Select(ProcedureEditor::IDC_MAIN_TABLE,
                             ComboIndexOf(view, ProcedureEditor::IDC_MAIN_TABLE, "useraccount")));
        ASSERT_TRUE(procedure.Click(ProcedureEditor::IDC_ADD_MAIN_TABLE));
        for (const char* field : {"username", "password"})
        {
            ASSERT_TRUE(procedure.Select(ProcedureEditor::IDC_PARAMETER_TABLE, 0));
            ASSERT_TRUE(
                procedure.Select(ProcedureEditor::IDC_PARAMETER_FIELD,
                                 ComboIndexOf(view, ProcedureEditor::IDC_PARAMETER_FIELD, field)));
            ASSERT_TRUE(procedure.SetText(ProcedureEditor::IDC_PARAMETER_NAME, field));
            ASSERT_TRUE(procedure.Click(ProcedureEditor::IDC_ADD_PARAMETER));
        }
        // The editor offers no output fields or conditions of its own: "Add Field Info" shows
        // the procedure's, and the parameters are only declared.
        ASSERT_TRUE(procedure.Click(ProcedureEditor::IDC_ADD_FIELD_INFO));
        auto* outputs = dynamic_cast<CListCtrl*>(view.GetDlgItem(ProcedureEditor::IDC_OUTPUT_LIST));
        ASSERT_NE(nullptr, outputs);
        EXPECT_EQ(0, outputs->GetItemCount());
        ASSERT_TRUE(procedure.SetText(ProcedureEditor::IDC_NAME, "PRC_Login"));
        ASSERT_TRUE(procedure.Click(ProcedureEditor::IDC_ADD_PROCEDURE));
    }
    Procedure* login = user.Current().FindProcedureByName("PRC_Login");
    ASSERT_NE(nullptr, login);
    EXPECT_EQ("\n/****** PRC_Login ******/\r\nCREATE PROCEDURE [PRC_Login]\r\n"
              "\t@PRC_username_Var nvarchar(50),\r\n\t@PRC_password_Var nvarchar(50)\r\n"
              "AS\r\n\r\nSELECT * FROM [useraccount]\r\nWHERE [useraccount].Is_Deleted = "
              "'N'\r\nGO\r\n\n",
              login->GetProcedureText());
    EXPECT_EQ("Procedures(1)", user.Tree().GetItemText(user.Category(TreeSlot::UserProcedures)));
    EXPECT_EQ(RightPane::ProcedureView,
              user.OpenItem(user.Under(TreeSlot::UserProcedures, "PRC_Login")));
    EXPECT_EQ("PRC_Login", DialogDriver(user.View()).GetText(ProcedureEditor::IDC_NAME));

    // The login page's call, set in the login page editor opened from its item.
    ASSERT_EQ(RightPane::LoginPageView,
              user.OpenItem(user.Under(TreeSlot::LoginPage, "Login Page")));
    {
        DialogDriver page(user.View());
        user.program.dialogs.Answer(
            [](CDialog& dialog, DialogDriver& assign)
            {
                ASSERT_EQ(ProcedureAssigner::IDD, dialog.GetTemplateId());
                ASSERT_TRUE(assign.Select(
                    ProcedureAssigner::IDC_PROCEDURE,
                    ComboIndexOf(dialog, ProcedureAssigner::IDC_PROCEDURE, "PRC_Login")));
                // User name and password, parameter by parameter.
                for (const int row : {0, 1})
                {
                    ASSERT_TRUE(assign.ClickListRow(ProcedureAssigner::IDC_MAPPINGS, row));
                    ASSERT_TRUE(assign.ClickListRow(ProcedureAssigner::IDC_VARIABLES, row, 1));
                    ASSERT_TRUE(assign.Click(ProcedureAssigner::IDC_ASSIGN));
                }
                ASSERT_TRUE(assign.PressOk());
            });
        ASSERT_TRUE(page.Click(LoginPageEditor::IDC_ASSIGN_PROCEDURE));
        EXPECT_EQ("Assigned Procedure :PRC_Login",
                  page.GetText(LoginPageEditor::IDC_PROCEDURE_LABEL));
        // No output fields to choose the employee and designation fields from.
        EXPECT_EQ(std::vector<CString>{}, user.ComboItems(LoginPageEditor::IDC_OUTPUT_FIELDS));
    }
    EXPECT_EQ(login, user.Current().GetLoginPage()->GetLoginProcedure());

    // A page of reports and a report collector, made from their nodes and opened from their
    // items.
    using MP = MultiPageReportDesigner;
    user.RunContextCommand(user.Category(TreeSlot::MultiPageReports), "Create MultiPageReport");
    ASSERT_EQ(RightPane::MultiPageReportView, user.Frame().GetCurrentRightPane());
    {
        DialogDriver pages(user.View());
        ASSERT_TRUE(pages.SetText(MP::IDC_NAME, "Overview"));
        ASSERT_TRUE(pages.Select(MP::IDC_REPORT, user.IndexOf(MP::IDC_REPORT, "publisher Report")));
        ASSERT_TRUE(pages.Click(MP::IDC_ADD_REPORT));
        ASSERT_TRUE(pages.Click(MP::IDC_ADD_MULTI_PAGE));
    }
    EXPECT_EQ(RightPane::MultiPageReportView,
              user.OpenItem(user.Under(TreeSlot::MultiPageReports, "Overview")));
    EXPECT_EQ("Overview", DialogDriver(user.View()).GetText(MP::IDC_NAME));
    using RC = ReportCollectorDesigner;
    user.RunContextCommand(user.Category(TreeSlot::ReportCollectors), "Create ReportCollector");
    ASSERT_EQ(RightPane::ReportCollectorView, user.Frame().GetCurrentRightPane());
    {
        DialogDriver collector(user.View());
        ASSERT_TRUE(collector.SetText(RC::IDC_NAME, "Desk"));
        ASSERT_TRUE(
            collector.Select(RC::IDC_REPORT, user.IndexOf(RC::IDC_REPORT, "author Report")));
        ASSERT_TRUE(collector.Click(RC::IDC_ADD_REPORT));
        ASSERT_TRUE(collector.Click(RC::IDC_ADD_COLLECTOR));
    }
    EXPECT_EQ("ReportCollectors(1)",
              user.Tree().GetItemText(user.Category(TreeSlot::ReportCollectors)));
    EXPECT_EQ(RightPane::ReportCollectorView,
              user.OpenItem(user.Under(TreeSlot::ReportCollectors, "Desk")));
    EXPECT_EQ("Desk", DialogDriver(user.View()).GetText(RC::IDC_NAME));
    user.Tree().Expand(user.Category(TreeSlot::UserProcedures), TVE_EXPAND);
    user.Tree().Expand(user.Category(TreeSlot::MapTables), TVE_EXPAND);
    user.Tree().Expand(user.Category(TreeSlot::MapForms), TVE_EXPAND);
    user.Tree().Expand(user.Category(TreeSlot::LoginPage), TVE_EXPAND);
    user.Shoot("tree-kinds");
    // A collector of one report has nothing to say about common fields.
    EXPECT_EQ(std::vector<std::string>{}, user.program.boxes.ShownTexts());

    // Saved, then Write All of the site, with nothing left unwritten, and the C# compiles.
    const std::string file = user.program.PathOf("Press.wvt");
    user.program.files.Answer(file.c_str());
    user.program.Command(ID_FILE_SAVE);
    ASSERT_TRUE(std::filesystem::exists(file));
    // Every kind made through the tree is saved as a load makes it.
    EXPECT_TRUE(SavedAfterLoad(file) == ReadHostFile(file));
    PrepareProjectFolder(project);
    std::size_t boxes = user.program.boxes.Shown().size();
    user.program.dialogs.Answer([](CDialog&, DialogDriver& ok) { EXPECT_TRUE(ok.PressOk()); });
    user.program.Command(ID_WRITE_ALL);
    // Map forms and pages of reports get no ASP.NET pages; the success message names them.
    EXPECT_EQ(
        std::vector<std::string>{
            "Your Code has been generated successfully. \nYou may load " +
            (user.program.folder.Path() / "Press" / "Press.sln").string() +
            " in your Microsoft Visual Studio. \nPlease ensure that you have SP1 installed "
            "if you are using Visual Studio 2005\n\n"
            "These pages are not generated for the ASP.NET application:\n"
            "publication_form (map form)\nOverview (multi-page report)\n"
            "Desk (report collector)"},
        user.BoxesSince(boxes));
    const std::filesystem::path site = user.program.folder.Path() / "Press" / "Press";
    EXPECT_TRUE(std::filesystem::exists(site / "BaseModule" / "UI" / "publisherAdd.aspx"));
    const ToolResult compiled =
        CompileWrittenApplication(site, user.program.folder.Path() / "Press.dll");
    EXPECT_EQ(0, compiled.exitCode) << compiled.output;

    // The classic pages: the map form has its pages, and every page passes the page check. The
    // login procedure compares nothing, so the login action lets no user in and Write All says
    // so.
    boxes = user.program.boxes.Shown().size();
    user.program.dialogs.Answer([](CDialog&, DialogDriver& no) { EXPECT_TRUE(no.PressCancel()); });
    user.program.dialogs.Answer(
        [](CDialog& dialog, DialogDriver& ok)
        {
            EXPECT_EQ(WriteSelectionDlg::IDD, dialog.GetTemplateId());
            EXPECT_TRUE(ok.PressOk());
        });
    user.program.Command(ID_CLASSIC_WRITE_ALL);
    EXPECT_EQ(
        std::vector<std::string>{"These pages were skipped:\nLogin Page (Login_action.asp) (it "
                                 "lets no user in: the login procedure PRC_Login does not "
                                 "compare the user name)"},
        user.BoxesSince(boxes));
    const std::filesystem::path root = user.program.folder.Path();
    std::filesystem::copy(
        std::filesystem::path(WEAVO_TEST_DATA) / "gen_classic" / "_system", root / "_system",
        std::filesystem::copy_options::recursive | std::filesystem::copy_options::skip_existing);
    int pages = 0;
    for (const std::filesystem::directory_entry& entry :
         std::filesystem::recursive_directory_iterator(root))
    {
        if (entry.path().extension() != ".asp" ||
            *entry.path().lexically_relative(root).begin() == "_system")
            continue;
        ++pages;
        std::string problems;
        for (const std::string& problem : CheckPageFile(entry.path()))
            problems += problem + "\n";
        EXPECT_EQ("", problems) << entry.path();
    }
    EXPECT_EQ(13, pages);
    for (const char* page :
         {"publication_form_addReport.asp", "publication_form_addReport_action.asp"})
        EXPECT_TRUE(std::filesystem::exists(root / "BaseModule" / page)) << page;
    const std::string action = ReadHostFile(root / "Login" / "Login_action.asp");
    EXPECT_NE(std::string::npos, action.find("PRC_Login"));
    EXPECT_EQ(std::string::npos, action.find("rsQry.Open"));
    EXPECT_NE(std::string::npos, action.find("Login Failed : Invalid Username or Password."));
    EXPECT_EQ(0u, user.program.dialogs.UnscriptedCount());
}

// Customers and their orders made in the window, and a function of the user's own that a search
// report shows; the function, a field and a page deleted from the tree; a project whose customer
// table is spelt "Customer" and has a phone merged whole. The merge leaves the file as a load
// leaves it, the merged project saves the same after a reopen, and Write All writes the same
// files before and after it.
TEST(WalkthroughTest, DeletesAndAMergeOfACaseDifferingTableSaveReopenAndWriteTheSame)
{
    Walkthrough w;
    ASSERT_TRUE(w.program.started);
    TempFolderOverride temp{w.program.folder.Path()};
    w.program.Command(ID_FILE_NEW);
    ForgeonProject& project = w.program.Project();
    project.SetProjectName("Shop");
    project.SetProjectPath(w.program.folder.Path().c_str());
    w.MakeTable(TreeSlot::MasterTables, "Create Table", "customer",
                {{"name", 4}, {"city", 4}, {"email", 4}});
    w.MakeTable(TreeSlot::MasterTables, "Create Table", "orders", {{"placed", 5}}, {"customer"});
    const std::string shop = w.program.PathOf("Shop.wvt");
    w.program.files.Answer(shop.c_str());
    w.program.Command(ID_FILE_SAVE);

    // Write All gives customer's partial class file, where the user writes a method.
    PrepareProjectFolder(project);
    const std::filesystem::path site = w.program.folder.Path() / "Shop" / "Shop";
    w.WriteAll(site);
    const std::filesystem::path partial = site / "BaseModule" / "CS" / "customer_partial.cs";
    std::string code = ReadHostFile(partial);
    const std::size_t body = code.find('{', code.find("partial class _customer"));
    ASSERT_NE(std::string::npos, body);
    code.insert(body + 1, "\npublic DataSet ListCustomers(string city)\n{\nreturn null;\n}\n");
    WriteHostFile(partial, code);

    // The method made a function from its node, with customer's fields as its output.
    w.RunContextCommand(w.Category(TreeSlot::UserFunctions), "Create Function");
    ASSERT_EQ(RightPane::UserFunctionView, w.Frame().GetCurrentRightPane());
    {
        using F = UserFunctionEditor;
        DialogDriver user(w.View());
        ASSERT_TRUE(user.Select(F::IDC_CLASS, w.IndexOf(F::IDC_CLASS, "_customer")));
        ASSERT_TRUE(user.Select(F::IDC_FUNCTION, w.IndexOf(F::IDC_FUNCTION, "ListCustomers")));
        ASSERT_TRUE(
            user.Select(F::IDC_DEPENDENT_TABLE, w.IndexOf(F::IDC_DEPENDENT_TABLE, "customer")));
        ASSERT_TRUE(user.Click(F::IDC_ADD_TABLE));
        w.program.dialogs.Answer(
            [](CDialog& dialog, DialogDriver& fields)
            {
                ASSERT_EQ(FunctionOutputFields::IDD, dialog.GetTemplateId());
                ASSERT_TRUE(fields.Select(FunctionOutputFields::IDC_TABLE, 0));
                ASSERT_TRUE(fields.Click(FunctionOutputFields::IDC_ADD_ALL));
                ASSERT_TRUE(fields.PressOk());
            });
        ASSERT_TRUE(user.Click(F::IDC_ADD_OUTPUT_FIELDS));
        ASSERT_TRUE(user.Click(F::IDC_OK));
    }
    ASSERT_NE(nullptr, w.Under(TreeSlot::UserFunctions, "ListCustomers"));

    // The search report that the function fills: a filter on city, the columns name and email.
    w.RunContextCommand(w.Category(TreeSlot::SearchReports), "Create Search Report");
    ASSERT_EQ(RightPane::ReportView, w.Frame().GetCurrentRightPane());
    {
        using R = ReportDesigner;
        DialogDriver user(w.View());
        ASSERT_TRUE(user.SetText(R::IDC_NAME, "customer_list"));
        ASSERT_TRUE(user.SetText(R::IDC_HEADER, "Customers by city"));
        w.program.dialogs.Answer(
            [](CDialog& dialog, DialogDriver& assign)
            {
                using A = FunctionAssignment;
                ASSERT_EQ(A::IDD, dialog.GetTemplateId());
                ASSERT_TRUE(
                    assign.Select(A::IDC_CLASS, ComboIndexOf(dialog, A::IDC_CLASS, "_customer")));
                ASSERT_TRUE(assign.Select(A::IDC_FUNCTION,
                                          ComboIndexOf(dialog, A::IDC_FUNCTION, "ListCustomers")));
                ASSERT_TRUE(assign.Click(A::IDC_ASSIGN));
                ASSERT_TRUE(assign.PressOk());
            });
        ASSERT_TRUE(user.Click(R::IDC_ASSIGN));
        EXPECT_EQ("_customer.ListCustomers", user.GetText(R::IDC_FUNCTION_LABEL));
        ASSERT_TRUE(user.ClickListRow(R::IDC_OUTPUT_LIST, w.RowOf(R::IDC_OUTPUT_LIST, "city")));
        ASSERT_TRUE(user.Click(R::IDC_ADD_FORM_CONTROL));
        for (const char* column : {"name", "email"})
        {
            ASSERT_TRUE(user.ClickListRow(R::IDC_OUTPUT_LIST, w.RowOf(R::IDC_OUTPUT_LIST, column)));
            ASSERT_TRUE(user.Click(R::IDC_ADD_TO_REPORT));
        }
        ASSERT_TRUE(user.Click(R::IDC_OK));
    }
    ASSERT_NE(nullptr, w.Current().FindReportByName("customer_list"));

    // Deleted, each asked: the function from the tree, which takes the report it alone fed,
    // customer's email in the table designer opened from the tree, customer's form from the tree.
    EXPECT_TRUE(w.Delete(TreeSlot::UserFunctions, "ListCustomers"));
    EXPECT_EQ(nullptr, w.Current().FindReportByName("customer_list"));
    EXPECT_EQ(nullptr, w.Under(TreeSlot::SearchReports, "customer_list"));
    ASSERT_EQ(RightPane::TableView, w.OpenItem(w.Under(TreeSlot::MasterTables, "customer")));
    {
        DialogDriver user(w.View());
        ASSERT_TRUE(user.ClickListRow(TableDesigner::IDC_GRID,
                                      w.RowOf(TableDesigner::IDC_GRID, "email"), 1));
        w.program.boxes.Answer(IDOK);
        ASSERT_TRUE(user.Click(TableDesigner::IDC_DELETE));
    }
    EXPECT_TRUE(w.Delete(TreeSlot::MasterForms, "customer_form"));
    w.program.Command(ID_FILE_SAVE);
    EXPECT_TRUE(SavedAfterLoad(shop) == ReadHostFile(shop));

    // The project to merge: its customer table spelt "Customer", with a phone, and its pages.
    {
        ProjectStore store;
        ForgeonProject* second = store.GetProject();
        second->InitNewProject();
        ScopedOpenProject open(second);
        Table* customer = NewTable("Customer", Table::masterKind, {"name", "city", "phone"});
        second->GetCurrentModule()->AddTable(customer);
        TableFormCreator(customer, second).CreateAll();
        ASSERT_TRUE(store.ArchiveProject(second, w.program.PathOf("Second.wvt").c_str(), FALSE));
    }
    w.program.boxes.Answer(IDOK);
    w.program.files.Answer(w.program.PathOf("Second.wvt").c_str());
    AnswerMergeWholeModule(w.program, "BaseModule");
    w.program.files.Answer(w.program.PathOf("Merged.wvt").c_str());
    w.program.boxes.Answer(IDOK);
    w.program.Command(ID_MERGE_PROJECT);
    const std::string merged = ReadHostFile(w.program.PathOf("Merged.wvt"));

    // Opened and saved, written and saved; opened again, saved, written and saved. Write All
    // gives the report files their default names, which the merged file does not hold yet.
    std::vector<std::string> saved;
    std::vector<std::map<std::string, std::string>> written;
    std::string opened = w.program.PathOf("Merged.wvt");
    for (const char* name : {"Saved1.wvt", "Saved2.wvt"})
    {
        w.program.files.Answer(opened.c_str());
        w.program.Command(ID_FILE_OPEN);
        opened = w.program.PathOf(name);
        w.program.files.Answer(opened.c_str());
        w.program.Command(ID_FILE_SAVE_AS);
        saved.push_back(ReadHostFile(opened));
        std::filesystem::remove_all(site);
        WriteHostFile(partial, code);
        written.push_back(w.WriteAll(site));
        w.program.Command(ID_FILE_SAVE);
        saved.push_back(ReadHostFile(opened));
    }
    EXPECT_TRUE(merged == saved[0]);
    EXPECT_TRUE(saved[1] == saved[2]);
    EXPECT_TRUE(saved[2] == saved[3]);
    EXPECT_TRUE(written[0] == written[1]);
    EXPECT_TRUE(written[0].contains("BaseModule/UI/customerAdd.aspx"));

    // One customer table, under the open project's name, with the merged project's fields.
    std::vector<Table*> tables;
    w.Current().GetAllTables(tables);
    std::vector<std::string> customers;
    for (const Table* table : tables)
        if (table->GetTableName().CompareNoCase("customer") == 0)
            for (const Field* field : table->GetFields())
                customers.push_back(std::string(table->GetTableName().GetString()) + "." +
                                    field->GetFieldName().GetString());
    EXPECT_EQ((std::vector<std::string>{"customer.Customer_id", "customer.Is_Deleted",
                                        "customer.name", "customer.city", "customer.phone"}),
              customers);

    const std::string success = "Your Code has been generated successfully. \nYou may load " +
                                (w.program.folder.Path() / "Shop" / "Shop.sln").string() +
                                " in your Microsoft Visual Studio. \nPlease ensure that you have "
                                "SP1 installed if you are using Visual Studio 2005";
    const std::string question = "Do you really want to delete the selected entity ";
    EXPECT_EQ(
        (std::vector<std::string>{success, question + "\"ListCustomers\"?",
                                  "Do you really want to delete field \"email\"?",
                                  question + "\"customer_form\"?", "Do you really want to merge?",
                                  "The merge report and logs are in " + temp.Own().string() + ".",
                                  success, success}),
        w.program.boxes.ShownTexts());
    EXPECT_EQ(0u, w.program.dialogs.UnscriptedCount());
}
