#include "../../platform/ui/LayoutCheck.h"

#include "designers/ApplicationReportDlg.h"
#include "designers/MultiPageReportDlg.h"
#include "designers/ReportCollectorDlg.h"
#include "designers/ReportColumnDlg.h"
#include "designers/ReportFieldPropDlg.h"
#include "designers/ReportFilterDlg.h"
#include "editors/AssignFunctionDlg.h"
#include "editors/AssignProcedureDlg.h"
#include "editors/FieldRepDlg.h"
#include "editors/MenuDlg.h"
#include "editors/ViewPageDialogs.h"
#include "entities/ApplicationReport.h"
#include "entities/MultiPageData.h"
#include "entities/MultiPageReport.h"
#include "entities/Procedure.h"
#include "entities/ReportField.h"
#include "entities/ReportGroup.h"
#include "entities/Variable.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/ui/ScriptedPopupMenus.h"
#include "shell/ForgeonView.h"
#include "shell/ShellResources.h"
#include "shell/logic/ProjectTree.h"
#include "shell/logic/ProjectTreeLayout.h"
#include "tests/designers/logic/DesignerTestSupport.h"
#include "tests/shell/ShellTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QScrollArea>

#include <functional>

namespace
{

// The position of the text among the items, or a failure.
int PositionIn(const std::vector<CString>& items, const char* text)
{
    const auto found = std::find(items.begin(), items.end(), CString(text));
    if (found == items.end())
        ADD_FAILURE() << text << " is not offered";
    return static_cast<int>(found - items.begin());
}

// The running program with, in its current module, the table book (book_id, Is_Deleted, title,
// price) as the table designer makes it, its data class "_book" and user function "ListBooks",
// and the procedure "PRC_book_all", both with book's fields but the deleted flag as output.
class DesignerProgram
{
public:
    DesignerProgram()
    {
        if (!program.started)
            return;
        Module& module = Current();
        book = new Table;
        book->SetTableName("book");
        book->EnsureDefaultFields();
        for (const char* name : {"title", "price"})
        {
            auto* field = new Field;
            field->SetFieldName(name);
            field->SetTable(book);
            field->EnsureDisplayName();
            book->AddField(field);
        }
        std::vector<Field*> output = book->GetFields();
        std::erase(output, book->FindFieldByName(Field::deletedFlagName));
        module.AppendMasterTable(book);
        Class* books = module.GetClassForTable(book, true);
        // The record handlers come first; the functions after them are the user's.
        module.AddDefaultClassFunctions(books);
        module.AddTableFieldsToClassFunctions(book);
        auto* list = new Function;
        list->SetName("ListBooks");
        list->SetClass(books);
        for (Field* field : output)
            list->AddOutputField(new ProcedureFieldInfo(field, 6));
        books->AddFunction(list);
        procedure = new Procedure;
        procedure->SetName("PRC_book_all");
        for (Field* field : output)
            procedure->AddOutputColumn(new ProcedureFieldInfo(field, 6));
        module.AddProcedure(procedure);
    }

    Module& Current() { return *program.Project().GetCurrentModule(); }
    // The report designer, started by the search reports node's "Create Search Report".
    ApplicationReportDlg& OpenNewReport()
    {
        ScriptedPopupMenus menus;
        const HTREEITEM node =
            static_cast<HTREEITEM>(CategoryNode(Current(), TreeSlot::SearchReports));
        program.Frame().GetTreeView()->ShowContextMenu(node, CPoint(0, 0));
        for (const ScriptedPopupMenus::Entry& entry : menus.Shown().back().entries)
        {
            if (entry.text == "Create Search Report")
                menus.Answer(entry.id);
        }
        program.Frame().GetTreeView()->ShowContextMenu(node, CPoint(0, 0));
        EXPECT_EQ(RightPane::ReportView, program.Frame().GetCurrentRightPane());
        return dynamic_cast<ApplicationReportDlg&>(
            *program.Frame().GetRightPaneView(RightPane::ReportView));
    }
    // The pane switched by the main frame, its view started on a new entity.
    template <class View> View& OpenNew(RightPane pane)
    {
        program.Frame().ShowRightPane(pane);
        EXPECT_EQ(pane, program.Frame().GetCurrentRightPane());
        return dynamic_cast<View&>(*program.Frame().GetRightPaneView(pane));
    }
    CString CategoryText(int slot)
    {
        return program.Frame().GetTreeView()->GetProjectTree().Control().GetItemText(
            CategoryNode(Current(), slot));
    }

    RunningProgram program;
    Table* book = nullptr;
    Procedure* procedure = nullptr;
};

// Chooses "_book.ListBooks" in "Assign Function", without assigning it.
void ChooseListBooks(CDialog& dialog, DialogDriver& assign)
{
    ASSERT_EQ(FunctionAssignment::IDD, dialog.GetTemplateId());
    const ControlStates& states = dynamic_cast<AssignFunctionDlg&>(dialog).Assignment().States();
    ASSERT_TRUE(assign.Select(FunctionAssignment::IDC_CLASS,
                              PositionIn(states.GetItems(FunctionAssignment::IDC_CLASS), "_book")));
    ASSERT_TRUE(
        assign.Select(FunctionAssignment::IDC_FUNCTION,
                      PositionIn(states.GetItems(FunctionAssignment::IDC_FUNCTION), "ListBooks")));
}

// Makes "Sales" in the report view: the population function chosen in "Assign Function", a
// filter on title and the columns title and price.
void MakeReport(DesignerProgram& p)
{
    auto& view = p.OpenNewReport();
    DialogDriver user(view);
    ASSERT_TRUE(user.SetText(ReportDesigner::IDC_NAME, "Sales"));
    ASSERT_TRUE(user.SetText(ReportDesigner::IDC_HEADER, "Sales list"));
    p.program.dialogs.Answer(
        [](CDialog& dialog, DialogDriver& assign)
        {
            ChooseListBooks(dialog, assign);
            ASSERT_TRUE(assign.Click(FunctionAssignment::IDC_ASSIGN));
            ASSERT_TRUE(assign.PressOk());
        });
    ASSERT_TRUE(user.Click(ReportDesigner::IDC_ASSIGN));
    EXPECT_EQ("_book.ListBooks", user.GetText(ReportDesigner::IDC_FUNCTION_LABEL));
    ASSERT_TRUE(user.ClickListRow(ReportDesigner::IDC_OUTPUT_LIST, 1));
    ASSERT_TRUE(user.Click(ReportDesigner::IDC_ADD_FORM_CONTROL));
    ASSERT_TRUE(user.ClickListRow(ReportDesigner::IDC_OUTPUT_LIST, 1));
    ASSERT_TRUE(user.Click(ReportDesigner::IDC_ADD_TO_REPORT));
    ASSERT_TRUE(user.ClickListRow(ReportDesigner::IDC_OUTPUT_LIST, 2));
    ASSERT_TRUE(user.Click(ReportDesigner::IDC_ADD_TO_REPORT));
    ASSERT_TRUE(user.Click(ReportDesigner::IDC_OK));
}

TEST(DesignerViewsTest, TheReportViewStoresAReportAndItsCategoryCountRises)
{
    DesignerProgram p;
    ASSERT_TRUE(p.program.started);
    const std::size_t before = p.Current().GetReports().size();
    MakeReport(p);
    ApplicationReport* sales = p.Current().FindReportByName("Sales");
    ASSERT_NE(nullptr, sales);
    EXPECT_EQ("Sales list", sales->GetTitle());
    EXPECT_EQ(CString("Search Reports(") + CString(std::to_string(before + 1)) + ")",
              p.CategoryText(TreeSlot::SearchReports));
    EXPECT_EQ(RightPane::StartPage, p.program.Frame().GetCurrentRightPane());
    ASSERT_EQ(1u, sales->GetReportGroups().size());
    EXPECT_EQ(1u, sales->GetReportGroups().front()->GetFilters().size());
    EXPECT_EQ(2u, sales->GetReportGroups().front()->GetReportFields().size());
    EXPECT_TRUE(p.program.boxes.ShownTexts().empty());

    // A double click on its item opens it in the designer again.
    const HTREEITEM item = p.program.Frame().GetTreeView()->GetTreeCtrl().GetChildItem(
        static_cast<HTREEITEM>(CategoryNode(p.Current(), TreeSlot::SearchReports)));
    HTREEITEM found = item;
    while (found != nullptr &&
           p.program.Frame().GetTreeView()->GetTreeCtrl().GetItemText(found) != "Sales")
        found = p.program.Frame().GetTreeView()->GetTreeCtrl().GetNextSiblingItem(found);
    ASSERT_NE(nullptr, found);
    p.program.Frame().GetTreeView()->OpenItem(found);
    auto& view = dynamic_cast<ApplicationReportDlg&>(
        *p.program.Frame().GetRightPaneView(RightPane::ReportView));
    EXPECT_EQ(sales, view.GetDesigner()->GetReport());
    EXPECT_EQ("Sales", DialogDriver(view).GetText(ReportDesigner::IDC_NAME));

    // Deleting it from the tree leaves the designer on a new report.
    p.program.Frame().GetTreeView()->GetTreeCtrl().SelectItem(found);
    p.program.boxes.Answer(IDOK);
    p.program.Command(ID_DELETE_TREE_ITEM);
    EXPECT_EQ(nullptr, p.Current().FindReportByName("Sales"));
    EXPECT_TRUE(view.GetDesigner()->IsNew());
    EXPECT_EQ("", DialogDriver(view).GetText(ReportDesigner::IDC_NAME));
}

// The three entities made in the views, as the project file holds them.
struct Made
{
    CString report;
    std::vector<CString> columns;
    CString page;
    std::vector<CString> pageReports;
    CString pageProcedure;
    std::size_t pageFieldReps;
    CString collector;
    int collectorColumns;
    std::vector<int> frame;
    std::vector<CString> collectorVariables;

    bool operator==(const Made&) const = default;
};

Made Describe(const Module& module)
{
    Made made{};
    if (const ApplicationReport* report = module.FindReportByName("Sales"))
    {
        made.report = report->GetFormName() + "/" + report->GetTitle();
        for (const ReportField* column : report->GetReportGroups().front()->GetReportFields())
            made.columns.push_back(column->GetName());
    }
    if (!module.GetMultiPageReports().empty())
    {
        const MultiPageReport* page = module.GetMultiPageReports().front();
        made.page = page->GetFormName();
        for (const MultiPageData* data : page->GetPages())
            made.pageReports.push_back(data->GetReport()->GetFormName());
        const Procedure* procedure =
            page->GetProcedureForReport(page->GetPages().front()->GetReport());
        made.pageProcedure = procedure != nullptr ? procedure->GetName() : "";
        made.pageFieldReps = page->GetFieldReps().size();
    }
    if (!module.GetReportCollectors().empty())
    {
        const ReportCollector* collector = module.GetReportCollectors().front();
        made.collector = collector->GetFormName();
        made.collectorColumns = collector->GetNumColumns();
        for (const ReportCollectorEntry& entry : collector->GetEntries())
            made.frame.insert(made.frame.end(), {entry.m_height, entry.m_width});
        for (const FieldVariableMap* map : collector->GetFieldVariableMaps())
            made.collectorVariables.push_back(map->field->GetFieldName() + ":" +
                                              map->variable->GetFieldName() + ":" +
                                              CString(std::to_string(map->variable->GetKind())));
    }
    return made;
}

TEST(DesignerViewsTest, AReportAPageOfReportsAndACollectorMadeInTheViewsSaveAndLoadUnchanged)
{
    DesignerProgram p;
    ASSERT_TRUE(p.program.started);
    MakeReport(p);

    const std::size_t pages = p.Current().GetMultiPageReports().size();
    auto& pageView = p.OpenNew<MultiPageReportDlg>(RightPane::MultiPageReportView);
    pageView.LoadReport(nullptr);
    DialogDriver pageUser(pageView);
    ASSERT_TRUE(pageUser.SetText(MultiPageReportDesigner::IDC_NAME, "Overview"));
    ASSERT_TRUE(pageUser.Select(
        MultiPageReportDesigner::IDC_REPORT,
        PositionIn(pageView.GetDesigner()->States().GetItems(MultiPageReportDesigner::IDC_REPORT),
                   "Sales")));
    ASSERT_TRUE(pageUser.Click(MultiPageReportDesigner::IDC_ADD_REPORT));
    ASSERT_TRUE(pageUser.ClickListRow(MultiPageReportDesigner::IDC_PAGE_LIST, 0));
    p.program.dialogs.Answer(
        [&p](CDialog& dialog, DialogDriver& assign)
        {
            ASSERT_EQ(ProcedureAssigner::IDD, dialog.GetTemplateId());
            const ControlStates& states =
                dynamic_cast<AssignProcedureDlg&>(dialog).Assigner().States();
            ASSERT_TRUE(assign.Select(
                ProcedureAssigner::IDC_PROCEDURE,
                PositionIn(states.GetItems(ProcedureAssigner::IDC_PROCEDURE), "PRC_book_all")));
            ASSERT_TRUE(assign.PressOk());
            (void)p;
        });
    ASSERT_TRUE(pageUser.Click(MultiPageReportDesigner::IDC_ASSIGN_PROCEDURE));
    ASSERT_TRUE(pageUser.ClickListRow(MultiPageReportDesigner::IDC_PAGE_LIST, 0));
    ASSERT_TRUE(pageUser.ClickListRow(MultiPageReportDesigner::IDC_PROCEDURE_FIELDS, 1));
    ASSERT_TRUE(pageUser.Click(MultiPageReportDesigner::IDC_ADD_FIELD_REP));
    ASSERT_TRUE(pageUser.Click(MultiPageReportDesigner::IDC_ADD_MULTI_PAGE));
    EXPECT_EQ(pages + 1, p.Current().GetMultiPageReports().size());

    const std::size_t collectors = p.Current().GetReportCollectors().size();
    auto& collectorView = p.OpenNew<ReportCollectorDlg>(RightPane::ReportCollectorView);
    collectorView.LoadReportCollector(nullptr);
    DialogDriver collectorUser(collectorView);
    ASSERT_TRUE(collectorUser.SetText(ReportCollectorDesigner::IDC_NAME, "Board"));
    ASSERT_TRUE(collectorUser.SetText(ReportCollectorDesigner::IDC_NUM_COLUMNS, "3"));
    ASSERT_TRUE(collectorUser.Select(ReportCollectorDesigner::IDC_REPORT,
                                     PositionIn(collectorView.GetDesigner()->States().GetItems(
                                                    ReportCollectorDesigner::IDC_REPORT),
                                                "Sales")));
    ASSERT_TRUE(collectorUser.Click(ReportCollectorDesigner::IDC_ADD_REPORT));
    EXPECT_TRUE(collectorView.GetDesigner()->AreFiltersOn());
    ASSERT_TRUE(collectorUser.ClickListRow(ReportCollectorDesigner::IDC_COMMON_FIELDS, 0));
    ASSERT_TRUE(collectorUser.Click(ReportCollectorDesigner::IDC_ADD_FILTER));
    EXPECT_NE(nullptr, collectorView.GetDesigner()->GetCollector()->FindVariableByName("title"));
    ASSERT_TRUE(collectorUser.Click(ReportCollectorDesigner::IDC_ADD_COLLECTOR));
    EXPECT_EQ(collectors + 1, p.Current().GetReportCollectors().size());
    EXPECT_TRUE(p.program.boxes.ShownTexts().empty());

    const Made made = Describe(p.Current());
    EXPECT_EQ((Made{"Sales/Sales list",
                    {"Title", "Price"},
                    "Overview",
                    {"Sales"},
                    "PRC_book_all",
                    1,
                    "Board",
                    3,
                    {250, 450},
                    {"title:title:1"}}),
              made);

    const std::string first = p.program.PathOf("first.wvt");
    const std::string second = p.program.PathOf("second.wvt");
    ProjectStore store;
    ASSERT_TRUE(store.ArchiveProject(&p.program.Project(), first.c_str(), FALSE));
    ASSERT_TRUE(store.ArchiveProject(nullptr, first.c_str(), TRUE));
    Module* loaded = store.GetProject()->FindModuleByName(p.Current().GetName());
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(made, Describe(*loaded));
    // The load changes nothing that was made: the first save comes back as it was.
    const std::string again = p.program.PathOf("again.wvt");
    ASSERT_TRUE(store.ArchiveProject(store.GetProject(), again.c_str(), FALSE));
    EXPECT_TRUE(ReadHostFile(first) == ReadHostFile(again));
    // What was loaded saves, loads and saves again to the same bytes.
    const std::string third = p.program.PathOf("third.wvt");
    ASSERT_TRUE(store.ArchiveProject(store.GetProject(), second.c_str(), FALSE));
    ASSERT_TRUE(store.ArchiveProject(nullptr, second.c_str(), TRUE));
    ASSERT_TRUE(store.ArchiveProject(store.GetProject(), third.c_str(), FALSE));
    EXPECT_TRUE(ReadHostFile(second) == ReadHostFile(third));
}
} // namespace

namespace
{
// Each designer at its own size fits a 1024 x 768 screen and shows every control apart; the
// pictures are kept in the build folder.
TEST(DesignerViewsTest, EachDesignerIsLaidOutWithNoControlOverAnother)
{
    DesignerProgram p;
    ASSERT_TRUE(p.program.started);
    const std::pair<RightPane, const char*> panes[] = {
        {RightPane::ReportView, "report-designer"},
        {RightPane::MultiPageReportView, "multi-page-report-designer"},
        {RightPane::ReportCollectorView, "report-collector-designer"},
    };
    for (const auto& [pane, name] : panes)
    {
        SCOPED_TRACE(name);
        p.program.Frame().ShowRightPane(pane);
        QApplication::processEvents();
        // The controls sit in the body of the view's scroll area.
        QWidget* view = p.program.Frame().GetRightPaneView(pane)->GetSafeHwnd();
        auto* scroller = view != nullptr ? view->findChild<QScrollArea*>() : nullptr;
        ASSERT_NE(nullptr, scroller);
        ExpectLaidOutApart(scroller->widget(), LAYOUT_GRAB_DIR, name);
    }
}
} // namespace

namespace
{
// The report designer's buttons and double clicks open the report sub-dialogs on the report's
// first group and its filter and column.
TEST(DesignerViewsTest, TheReportDesignerOpensItsSubDialogs)
{
    DesignerProgram p;
    ASSERT_TRUE(p.program.started);
    MakeReport(p);
    ApplicationReport* sales = p.Current().FindReportByName("Sales");
    ASSERT_NE(nullptr, sales);
    p.program.Frame().ShowRightPane(RightPane::ReportView);
    auto& view = dynamic_cast<ApplicationReportDlg&>(
        *p.program.Frame().GetRightPaneView(RightPane::ReportView));
    view.LoadReport(sales);
    DialogDriver user(view);
    const std::pair<UINT, std::function<bool()>> openings[] = {
        {ReportFilterDlg::IDD, [&] { return user.Click(ReportDesigner::IDC_SET_FILTERS); }},
        {ReportColumnDlg::IDD, [&] { return user.Click(ReportDesigner::IDC_SET_COLUMNS); }},
        {ReportFieldPropDlg::IDD,
         [&] { return user.DoubleClickListRow(ReportDesigner::IDC_COLUMN_LIST, 0); }},
        {FieldRepPropertiesDlg::IDD,
         [&] { return user.DoubleClickListRow(ReportDesigner::IDC_FILTER_LIST, 0); }},
    };
    for (const auto& [templateId, open] : openings)
    {
        p.program.dialogs.Answer([](CDialog& dialog, DialogDriver& opened)
                                 { ASSERT_TRUE(opened.PressCancel()) << dialog.GetTemplateId(); });
        ASSERT_TRUE(open()) << templateId;
        ASSERT_FALSE(p.program.dialogs.Shown().empty());
        EXPECT_EQ(templateId, p.program.dialogs.Shown().back());
    }
    EXPECT_EQ(0u, p.program.dialogs.PendingScripts());
}
} // namespace

namespace
{
void PressEscape(QWidget* widget)
{
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(widget, &escape);
}

// "Assign Function" has OK and Help only: Escape and the close box after "Assign" keep the
// report's population function as OK would; with nothing assigned the report stays without one.
TEST(DesignerViewsTest, LeavingAssignFunctionWithoutOkKeepsWhatAssignDid)
{
    for (const bool closeBox : {false, true})
        for (const bool assign : {false, true})
        {
            DesignerProgram p;
            ASSERT_TRUE(p.program.started);
            DialogDriver user(p.OpenNewReport());
            p.program.dialogs.Answer(
                [&](CDialog& dialog, DialogDriver& chooser)
                {
                    ChooseListBooks(dialog, chooser);
                    if (assign)
                    {
                        ASSERT_TRUE(chooser.Click(FunctionAssignment::IDC_ASSIGN));
                    }
                    if (closeBox)
                        dialog.GetSafeHwnd()->close();
                    else
                        PressEscape(dialog.GetSafeHwnd());
                    EXPECT_TRUE(dialog.IsEnded());
                });
            ASSERT_TRUE(user.Click(ReportDesigner::IDC_ASSIGN));
            EXPECT_EQ(std::string(assign ? "_book.ListBooks" : "Function not assigned."),
                      user.GetText(ReportDesigner::IDC_FUNCTION_LABEL))
                << closeBox;
            EXPECT_TRUE(p.program.boxes.ShownTexts().empty());
        }
}

// The dialog pages inside the window: dialogs that are not windows of their own.
std::vector<CDialog*> PagesIn(const QWidget& window)
{
    std::vector<CDialog*> pages;
    for (QDialog* widget : window.findChildren<QDialog*>())
    {
        if (auto* page = dynamic_cast<CDialog*>(CWnd::FromHandle(widget));
            page != nullptr && !widget->isWindow())
            pages.push_back(page);
    }
    return pages;
}

// Escape in a page acts on the window the page is in, as Escape pressed there does. "Manage
// Control Settings", opened by a search report's filter and by the map form editor's host, asks
// after a change (Cancel stays, No closes) and closes at once without one; the menu editor's
// pages in the right pane stay as they are.
TEST(DesignerViewsTest, EscapeInEveryPageActsOnTheWindowThePageIsIn)
{
    DesignerProgram p;
    ASSERT_TRUE(p.program.started);
    MakeReport(p);
    ApplicationReport* sales = p.Current().FindReportByName("Sales");
    ASSERT_NE(nullptr, sales);
    FieldRep& filter = *sales->GetReportGroups().front()->GetFilters().front();
    const CString caption = filter.GetFieldRepData()->GetCaption();
    auto& view = p.OpenNew<ApplicationReportDlg>(RightPane::ReportView);
    view.LoadReport(sales);
    const std::pair<const char*, std::function<void()>> hosts[] = {
        {"report filter",
         [&] {
             ASSERT_TRUE(DialogDriver(view).DoubleClickListRow(ReportDesigner::IDC_FILTER_LIST, 0));
         }},
        {"map form host", [&] { ViewPageDialogs::Get().EditControlProperties(*sales, filter); }},
    };
    for (const auto& [name, open] : hosts)
        for (const bool changed : {false, true})
        {
            SCOPED_TRACE(std::string(name) + (changed ? ", changed" : ""));
            ScriptedMessageBoxes boxes{IDCANCEL, IDNO};
            p.program.dialogs.Answer(
                [changed](CDialog& dialog, DialogDriver&)
                {
                    const std::vector<CDialog*> pages = PagesIn(*dialog.GetSafeHwnd());
                    ASSERT_EQ(1u, pages.size());
                    DialogDriver page(*pages[0]);
                    if (changed)
                    {
                        ASSERT_TRUE(page.SetText(ControlPropertiesEditor::CaptionBox, "Heading"));
                        ASSERT_TRUE(page.TypeKeys(ControlPropertiesEditor::CaptionBox, "\x1b"));
                        EXPECT_FALSE(dialog.IsEnded());
                    }
                    ASSERT_TRUE(page.TypeKeys(ControlPropertiesEditor::CaptionBox, "\x1b"));
                    EXPECT_TRUE(dialog.IsEnded());
                });
            open();
            EXPECT_EQ(changed ? 2u : 0u, boxes.ShownTexts().size());
            for (const std::string& question : boxes.ShownTexts())
                EXPECT_TRUE(question.ends_with("has not been updated. Update it?")) << question;
            EXPECT_EQ(caption, filter.GetFieldRepData()->GetCaption());
            EXPECT_EQ(0u, p.program.dialogs.PendingScripts());
        }

    // The pages of the main window are the menu editor's; Escape leaves them and the pane shown.
    p.program.Frame().EditMenu(p.Current().GetMenuAt(0));
    const std::vector<CDialog*> pages = PagesIn(*p.program.Frame().GetSafeHwnd());
    EXPECT_EQ(3u, pages.size());
    auto& tabs =
        dynamic_cast<MenuDlg&>(*p.program.Frame().GetRightPaneView(RightPane::MenuView)).Tabs();
    for (int index = 0; index < tabs.GetPageCount(); ++index)
    {
        ASSERT_TRUE(DialogDriver(*p.program.Frame().GetRightPaneView(RightPane::MenuView))
                        .SelectTab(MenuDlg::IDC_TABS, index));
        CWnd* page = tabs.GetPage(index);
        PressEscape(page->GetSafeHwnd());
        EXPECT_TRUE(page->IsWindowVisible()) << index;
        EXPECT_FALSE(dynamic_cast<CDialog&>(*page).IsEnded()) << index;
    }
    EXPECT_EQ(RightPane::MenuView, p.program.Frame().GetCurrentRightPane());
}
} // namespace
