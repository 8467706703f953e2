#include "designers/DashBoadCellInfoDlg.h"
#include "designers/DashBoardDlg.h"
#include "designers/DashBoardPageDlg.h"
#include "designers/GridDlgs.h"
#include "designers/WeavoDashBoardDlg.h"
#include "entities/DashBoard.h"
#include "entities/DashBoardCellInfo.h"
#include "entities/DashBoardPage.h"
#include "entities/Form.h"
#include "entities/Grid.h"
#include "entities/GridCell.h"
#include "platform/ui/WebBrowser2.h"
#include "shell/ForgeonView.h"
#include "tests/shell/ShellTestSupport.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

namespace
{
// The child of the item whose text is the text; null when none is.
HTREEITEM Child(CTreeCtrl& tree, HTREEITEM parent, const CString& text)
{
    for (HTREEITEM item = tree.GetChildItem(parent); item != nullptr;
         item = tree.GetNextSiblingItem(item))
    {
        if (tree.GetItemText(item) == text)
            return item;
    }
    ADD_FAILURE() << text.GetString() << " not under " << tree.GetItemText(parent).GetString();
    return nullptr;
}

// Answers "Add New Grid in Dashboard" with the counts; an OK without input is refused first.
ScriptedDialogs::Script GridSize(const char* rows, const char* columns)
{
    return [rows, columns](CDialog& dialog, DialogDriver& user)
    {
        ASSERT_EQ(dialog.GetTemplateId(), GridSizeInput::IDD);
        ASSERT_TRUE(user.PressOk());
        ASSERT_TRUE(dialog.GetSafeHwnd() != nullptr) << "refused by the range check";
        ASSERT_TRUE(user.SetText(GridSizeInput::IDC_NUM_ROWS, rows));
        ASSERT_TRUE(user.SetText(GridSizeInput::IDC_NUM_COLUMNS, columns));
        ASSERT_TRUE(user.PressOk());
    };
}

// The start page, shown.
WeavoDashBoardDlg& ShowStartPage(MainFrame& frame)
{
    frame.ShowStartPage();
    return dynamic_cast<WeavoDashBoardDlg&>(*frame.GetRightPaneView(RightPane::StartPage));
}

DashBoardDlg& ShowDashBoardDesigner(RunningProgram& program)
{
    DialogDriver(ShowStartPage(program.Frame())).Click(1531);
    EXPECT_EQ(program.Frame().GetCurrentRightPane(), RightPane::DashBoardView);
    return dynamic_cast<DashBoardDlg&>(*program.Frame().GetRightPaneView(RightPane::DashBoardView));
}

// Builds "Board": a 2 x 2 grid whose cell (0,0) holds a 1 x 2 grid with "Sales" in its cell (0,1).
DashBoard* BuildTwoLevelDashBoard(RunningProgram& program, DashBoardDlg& view)
{
    DialogDriver user(view);
    CTreeCtrl& tree = view.GetTree();
    program.dialogs.Answer(GridSize("2", "2"));
    EXPECT_TRUE(user.Click(DashBoardDesigner::IDC_ADD));
    EXPECT_FALSE(view.GetDlgItem(DashBoardDesigner::IDC_ADD)->IsWindowEnabled());
    HTREEITEM table = tree.GetChildItem(tree.GetRootItem());
    program.dialogs.Answer(GridSize("1", "2"));
    EXPECT_TRUE(user.RightClickTreeItem(DashBoardDesigner::IDC_TREE,
                                        Child(tree, table, "TD_(TR0,TD0)"),
                                        DashBoardDesigner::kInsertTable));
    table = tree.GetChildItem(tree.GetRootItem());
    HTREEITEM nested = tree.GetChildItem(Child(tree, table, "TD_(TR0,TD0)"));
    program.dialogs.Answer(
        [](CDialog& dialog, DialogDriver& cell)
        {
            ASSERT_EQ(dialog.GetTemplateId(), DashBoardCellEditor::IDD);
            ASSERT_TRUE(cell.SetText(DashBoardCellEditor::IDC_CAPTION, "Sales"));
            ASSERT_TRUE(cell.PressOk());
        });
    EXPECT_TRUE(user.RightClickTreeItem(DashBoardDesigner::IDC_TREE,
                                        Child(tree, nested, "TD_(TR0,TD1)"),
                                        DashBoardDesigner::kAddMenu));
    EXPECT_EQ(program.dialogs.PendingScripts(), 0u);
    EXPECT_EQ(program.dialogs.UnscriptedCount(), 0u);
    DashBoard* page = view.GetDesigner()->GetDashBoard();
    EXPECT_TRUE(user.SetText(DashBoardDesigner::IDC_NAME, "Board"));
    EXPECT_TRUE(user.SetText(DashBoardDesigner::IDC_HEADER, "Sales board"));
    EXPECT_TRUE(user.Click(DashBoardDesigner::IDC_OK));
    return page;
}

// The grid of the dashboard as the tree names its cells, row by row, nested grids in brackets.
std::string GridText(const Grid& grid)
{
    std::string text;
    for (const Grid::Row& row : grid.GetRows())
    {
        for (const GridCell* cell : row)
        {
            text += std::string(CellLabel(*cell).GetString()) + " ";
            if (cell->GetSubGrid() != nullptr)
                text += "[ " + GridText(*cell->GetSubGrid()) + "] ";
        }
    }
    return text;
}
} // namespace

TEST(DashBoardViewsTest, ATwoLevelDashBoardIsBuiltStoredSavedAndLoaded)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    DashBoardDlg& view = ShowDashBoardDesigner(program);
    DashBoard* page = BuildTwoLevelDashBoard(program, view);
    const std::string expected =
        "TD_(TR0,TD0) [ TD_(TR0,TD0) TD_(TR0,TD1)_Sales ] TD_(TR0,TD1) TD_(TR1,TD0) TD_(TR1,TD1) ";

    Module& module = *program.Project().GetCurrentModule();
    ASSERT_EQ(module.FindDashBoardByName("Board"), page);
    EXPECT_EQ(page->GetHeader(), "Sales board");
    ASSERT_NE(page->GetGrid(), nullptr);
    EXPECT_EQ(GridText(*page->GetGrid()), expected);
    EXPECT_NE(view.GetDesigner()->GetDashBoard(), page) << "a new page is started";
    EXPECT_EQ(DialogDriver(view).GetText(DashBoardDesigner::IDC_NAME), "");
    // The range check's message for each OK without input.
    EXPECT_EQ(program.boxes.ShownTexts(),
              std::vector<std::string>(2, "Please enter an integer between 1 and 10."));

    const std::string path = program.PathOf("Board.wvt");
    ProjectStore saving;
    ASSERT_TRUE(saving.ArchiveProject(&program.Project(), path.c_str(), FALSE));
    ProjectStore loading;
    ASSERT_TRUE(loading.ArchiveProject(nullptr, path.c_str(), TRUE));
    Module* loaded = loading.GetProject()->FindModuleByName(module.GetName());
    ASSERT_NE(loaded, nullptr);
    const DashBoard* board = loaded->FindDashBoardByName("Board");
    ASSERT_NE(board, nullptr);
    ASSERT_NE(board->GetGrid(), nullptr);
    EXPECT_EQ(GridText(*board->GetGrid()), expected);
    EXPECT_EQ(board->GetHeader(), "Sales board");
}

TEST(DashBoardViewsTest, RefreshWritesThePreviewThatTheBrowserShows)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    program.Project().SetProjectPath(program.folder.ModelPath());
    program.Project().SetProjectName("Shop");
    std::filesystem::create_directory(program.folder.Path() / "Shop");
    DashBoardDlg& view = ShowDashBoardDesigner(program);
    DashBoard* page = BuildTwoLevelDashBoard(program, view);
    std::vector<CString> navigated;
    WebBrowser2::NavigateHandler previous = WebBrowser2::SetNavigateHandler(
        [&navigated](WebBrowser2& browser, const CString& url)
        {
            navigated.push_back(url);
            browser.ShowFile(url);
        });
    program.Frame().GetTreeView()->EditEntity(RightPane::DashBoardView, page);
    DialogDriver user(view);
    EXPECT_EQ(user.GetText(DashBoardDesigner::IDC_NAME), "Board");
    EXPECT_FALSE(view.GetDlgItem(DashBoardDesigner::IDC_NAME)->IsWindowEnabled());
    EXPECT_TRUE(user.Click(DashBoardDesigner::IDC_REFRESH));
    WebBrowser2::SetNavigateHandler(std::move(previous));

    const CString path = program.folder.ModelPath("Shop\\Board_preview.html");
    EXPECT_EQ(navigated, std::vector<CString>{path});
    EXPECT_TRUE(std::filesystem::exists(program.folder.Path() / "Shop" / "Board_preview.html"));
    EXPECT_EQ(view.GetBrowser().GetLocationURL(), path);
    const CString shown = view.GetBrowser().GetPageText();
    EXPECT_NE(shown.Find("TD_(TR0,TD1)_Sales"), -1) << shown.GetString();
    EXPECT_EQ(page->GetAspFiles().size(), 1u);

    HWND window = program.Frame().GetSafeHwnd();
    window->resize(1200, 900);
    HTREEITEM table = view.GetTree().GetChildItem(view.GetTree().GetRootItem());
    view.GetTree().Expand(table, TVE_EXPAND);
    view.GetTree().Expand(Child(view.GetTree(), table, "TD_(TR0,TD0)"), TVE_EXPAND);
    QApplication::processEvents();
    const QPixmap shot = window->grab();
    ASSERT_FALSE(shot.isNull());
    const std::filesystem::path picture =
        std::filesystem::current_path() / "dashboard-designer.png";
    ASSERT_TRUE(shot.save(QString::fromStdString(picture.string()), "PNG"));

    // The designer cleared after OK shows no preview.
    EXPECT_TRUE(user.Click(DashBoardDesigner::IDC_OK));
    EXPECT_EQ(user.GetText(DashBoardDesigner::IDC_NAME), "");
    EXPECT_EQ(view.GetBrowser().GetPageText(), "");
}

TEST(DashBoardViewsTest, EachStartPageButtonSwitchesToItsEditor)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    MainFrame& frame = program.Frame();
    WeavoDashBoardDlg& start = ShowStartPage(frame);
    const int tips = start.GetToolTips().GetToolCount();
    EXPECT_EQ(tips, 10);
    start.OnInitialUpdate();
    EXPECT_EQ(start.GetToolTips().GetToolCount(), tips);

    const std::pair<int, RightPane> buttons[] = {
        {1039, RightPane::TableView},         {1526, RightPane::TableView},
        {1528, RightPane::TransactionView},   {1529, RightPane::ReportView},
        {1530, RightPane::RDLCReportView},    {1531, RightPane::DashBoardView},
        {1532, RightPane::DashBoardPageView}, {1533, RightPane::MenuView},
        {1534, RightPane::UserFunctionView},
    };
    for (const auto& [id, pane] : buttons)
    {
        SCOPED_TRACE(id);
        frame.ShowStartPage();
        EXPECT_TRUE(DialogDriver(start).Click(id));
        EXPECT_EQ(frame.GetCurrentRightPane(), pane);
    }

    // A module without forms: "Add master form" stays on the start page; with one, the form
    // editor shows.
    Module* empty = program.Project().AddNewModule();
    program.Project().SetCurrentModule(empty);
    frame.ShowStartPage();
    EXPECT_TRUE(DialogDriver(start).Click(1527));
    EXPECT_EQ(frame.GetCurrentRightPane(), RightPane::StartPage);
    auto* form = new Form;
    form->SetName("Orders");
    empty->AddMasterForm(form, false);
    EXPECT_TRUE(DialogDriver(start).Click(1527));
    EXPECT_EQ(frame.GetCurrentRightPane(), RightPane::FormEditor);
}

TEST(DashBoardViewsTest, ADashBoardPageIsStoredWithItsPlacement)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    MainFrame& frame = program.Frame();
    WeavoDashBoardDlg& start = ShowStartPage(frame);
    ASSERT_TRUE(DialogDriver(start).Click(1532));
    auto& view =
        dynamic_cast<DashBoardPageDlg&>(*frame.GetRightPaneView(RightPane::DashBoardPageView));
    using P = DashBoardPageDesigner;
    DialogDriver user(view);
    Module& module = *program.Project().GetCurrentModule();
    const std::size_t before = module.GetDashBoardPages().size();
    ASSERT_FALSE(module.GetDashBoards().empty());
    ASSERT_TRUE(user.Select(P::IDC_DASHBOARDS, 0));
    ASSERT_TRUE(user.Click(P::IDC_ADD));
    ASSERT_TRUE(user.Select(P::IDC_DASHBOARDS, 0));
    ASSERT_TRUE(user.Click(P::IDC_ADD));
    EXPECT_EQ(view.GetDesigner()->GetPlacementRows().size(), 1u);
    ASSERT_TRUE(user.SetText(P::IDC_NAME, " Sales overview "));
    ASSERT_TRUE(user.SetText(P::IDC_HEADER, "Overview"));
    ASSERT_TRUE(user.Click(P::IDC_OK));
    ASSERT_EQ(module.GetDashBoardPages().size(), before + 1);
    const DashBoardPage* stored = module.FindDashBoardPageByName("Sales_overview");
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->GetPlacements().size(), 1u);
    EXPECT_TRUE(view.GetDesigner()->IsNew());
}
