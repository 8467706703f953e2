#include "editors/TableDialog.h"
#include "editors/VariableDlg.h"
#include "editors/ViewEditorHost.h"
#include "editors/WarningDlg.h"
#include "entities/Form.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/Table.h"
#include "model/TableFormCreator.h"
#include "platform/ui/DC.h"
#include "platform/ui/SystemSettings.h"
#include "shell/ForgeonView.h"
#include "tests/model/ModelBuilders.h"
#include "tests/platform/ui/TextInk.h"
#include "tests/shell/ShellTestSupport.h"

#include <QPixmap>
#include <QTreeWidget>

namespace
{
TableDialog& TableView(RunningProgram& program)
{
    return dynamic_cast<TableDialog&>(*program.Frame().GetRightPaneView(RightPane::TableView));
}

void AddField(DialogDriver& user, const char* name, int type)
{
    ASSERT_TRUE(user.SetText(TableDesigner::IDC_FIELD_NAME, name));
    ASSERT_TRUE(user.Select(TableDesigner::IDC_TYPE, type));
    ASSERT_TRUE(user.Click(TableDesigner::IDC_ADD));
}
} // namespace

TEST(TableDesignerViewTest, ANewMasterTableIsStoredWithItsTreeItemsAndTheNextOneIsOffered)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    Module* module = program.Project().GetCurrentModule();
    ASSERT_NE(nullptr, module);

    program.Frame().EditTable(nullptr, Table::masterKind);
    ASSERT_EQ(RightPane::TableView, program.Frame().GetCurrentRightPane());
    TableDialog& view = TableView(program);
    DialogDriver user(view);
    EXPECT_EQ("Table1", user.GetText(TableDesigner::IDC_TABLE_NAME));
    ASSERT_TRUE(user.SetText(TableDesigner::IDC_TABLE_NAME, "Customer"));
    AddField(user, "name", 4);
    AddField(user, "city", 4);
    ASSERT_TRUE(user.Click(TableDesigner::IDC_OK));

    Table* table = module->FindMasterTableByNameExact("customer");
    ASSERT_NE(nullptr, table);
    std::vector<CString> names;
    for (const Field* field : table->GetFields())
        names.push_back(field->GetFieldName());
    EXPECT_EQ((std::vector<CString>{"customer_id", "Is_Deleted", "name", "city"}), names);
    EXPECT_NE(nullptr, module->FindMasterFormForTable(table));
    EXPECT_EQ("Table2", user.GetText(TableDesigner::IDC_TABLE_NAME));
    EXPECT_EQ(0u, program.boxes.Shown().size());

    // The tree shows the table, and the designer shows it loaded: kept as a picture.
    CTreeCtrl& tree = program.Frame().GetTreeView()->GetTreeCtrl();
    EXPECT_NE(FindTreeItem(tree, tree.GetRootItem(), "customer"), nullptr);
    EXPECT_NE(FindTreeItem(tree, tree.GetRootItem(), "city"), nullptr);
    program.Frame().EditTable(table, Table::masterKind);
    EXPECT_EQ("customer", user.GetText(TableDesigner::IDC_TABLE_NAME));
    auto* grid = dynamic_cast<CListCtrl*>(view.GetDlgItem(TableDesigner::IDC_GRID));
    ASSERT_NE(nullptr, grid);
    EXPECT_EQ(4, grid->GetItemCount());
    EXPECT_EQ(" city", grid->GetItemText(3, 1));
    // "customer_id" shows its underscore below the letters of " name".
    QApplication::processEvents();
    auto* widget = static_cast<QTreeWidget*>(grid->GetSafeHwnd());
    const QImage cells = widget->viewport()->grab().toImage();
    const auto nameArea = [grid, widget](int row)
    {
        CRect cell;
        grid->GetSubItemRect(row, 1, LVIR_BOUNDS, cell);
        return QRect(cell.left + 1, cell.top, cell.Width() - 3, cell.Height())
            .translated(widget->viewport()->mapFrom(widget, QPoint(0, 0)));
    };
    EXPECT_GT(LowestInkRow(cells, nameArea(0)), LowestInkRow(cells, nameArea(2)));
    HWND window = program.Frame().GetSafeHwnd();
    window->resize(1100, 760);
    QApplication::processEvents();
    const QPixmap shot = window->grab();
    ASSERT_FALSE(shot.isNull());
    const std::filesystem::path path = std::filesystem::current_path() / "table-designer.png";
    ASSERT_TRUE(shot.save(QString::fromStdString(path.string()), "PNG"));
}

TEST(TableDesignerViewTest, TheVariablesDialogOfAPageIsAnsweredByItsScript)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    Form page;
    program.dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            ASSERT_EQ(VariableEditor::IDD, dialog.GetTemplateId());
            ASSERT_TRUE(user.SetText(VariableEditor::IDC_NAME, "city"));
            ASSERT_TRUE(user.SetText(VariableEditor::IDC_DEFAULT_VALUE, "Oslo"));
            ASSERT_TRUE(user.Click(VariableEditor::IDC_ADD));
            ASSERT_TRUE(user.PressOk());
        });
    ViewEditorHost::Get().EditVariables(page.EditFieldVariableMaps(), &page);

    EXPECT_EQ((std::vector<UINT>{VariableEditor::IDD}), program.dialogs.Shown());
    ASSERT_EQ(1u, page.GetFieldVariableMaps().size());
    const FieldVariableMap* map = page.GetFieldVariableMaps()[0];
    EXPECT_EQ(nullptr, map->field);
    EXPECT_EQ("city", map->variable->GetFieldName());
    EXPECT_EQ("Oslo", map->variable->GetValue());
    EXPECT_EQ(Variable::pageKind, map->variable->GetKind());
}

TEST(TableDesignerViewTest, EnterInAnAddBoxAddsAndOkAsksAboutWhatIsLeftTyped)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    Form page;
    program.dialogs.Answer(
        [&program](CDialog& dialog, DialogDriver& user)
        {
            ASSERT_TRUE(user.TypeKeys(VariableEditor::IDC_NAME, "city\n"));
            EXPECT_TRUE(dialog.GetSafeHwnd()->isVisible());
            ASSERT_TRUE(user.SetText(VariableEditor::IDC_NAME, "zip"));
            program.boxes.Answer(IDYES);
            ASSERT_TRUE(user.PressOk());
            EXPECT_FALSE(dialog.GetSafeHwnd()->isVisible());
        });
    ViewEditorHost::Get().EditVariables(page.EditFieldVariableMaps(), &page);
    std::vector<CString> names;
    for (const FieldVariableMap* map : page.GetFieldVariableMaps())
        names.push_back(map->variable->GetFieldName());
    EXPECT_EQ(names, (std::vector<CString>{"city", "zip"}));

    program.Frame().EditTable(nullptr, Table::masterKind);
    DialogDriver user(TableView(program));
    ASSERT_TRUE(user.SetText(TableDesigner::IDC_TABLE_NAME, "Customer"));
    ASSERT_TRUE(user.TypeKeys(TableDesigner::IDC_FIELD_NAME, "name\n"));
    ASSERT_TRUE(user.SetText(TableDesigner::IDC_FIELD_NAME, "city"));
    program.boxes.Answer(IDYES);
    ASSERT_TRUE(user.Click(TableDesigner::IDC_OK));
    const Table* table = program.Project().FindTableByName("customer");
    ASSERT_NE(table, nullptr);
    names.clear();
    for (const Field* field : table->GetFields())
        names.push_back(field->GetFieldName());
    EXPECT_EQ(names, (std::vector<CString>{"customer_id", "Is_Deleted", "name", "city"}));
    EXPECT_EQ(program.boxes.ShownTexts(),
              (std::vector<std::string>{"The variable \"zip\" has not been added. Add it?",
                                        "The field \"city\" has not been added. Add it?"}));
}

TEST(TableDesignerViewTest, ASizeOutOfRangeIsReportedAndACharFieldGetsItsDefaultSizeBack)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    program.Frame().EditTable(nullptr, Table::masterKind);
    TableDialog& view = TableView(program);
    DialogDriver user(view);
    ASSERT_TRUE(user.SetText(TableDesigner::IDC_FIELD_NAME, "code"));
    ASSERT_TRUE(user.Select(TableDesigner::IDC_TYPE, 3));
    ASSERT_TRUE(user.SetText(TableDesigner::IDC_SIZE, "9000"));
    ASSERT_TRUE(user.Click(TableDesigner::IDC_ADD));
    EXPECT_EQ(1u, program.boxes.Shown().size());
    EXPECT_EQ("10", user.GetText(TableDesigner::IDC_SIZE));
    EXPECT_EQ("code", user.GetText(TableDesigner::IDC_FIELD_NAME));
    ASSERT_NE(nullptr, view.GetDesigner());
    EXPECT_EQ(0, view.GetDesigner()->GetTable()->GetFieldCount());
    // Within range the field is added and the editors are cleared.
    ASSERT_TRUE(user.SetText(TableDesigner::IDC_SIZE, "12"));
    ASSERT_TRUE(user.Click(TableDesigner::IDC_ADD));
    ASSERT_EQ(1, view.GetDesigner()->GetTable()->GetFieldCount());
    EXPECT_EQ(12, view.GetDesigner()->GetTable()->GetFieldAt(0)->GetSize());
    EXPECT_EQ("", user.GetText(TableDesigner::IDC_FIELD_NAME));
    view.EnableOK(false);
    EXPECT_FALSE(view.GetDlgItem(TableDesigner::IDC_OK)->IsWindowEnabled());
    view.EnableOK(true);
    EXPECT_TRUE(view.GetDlgItem(TableDesigner::IDC_OK)->IsWindowEnabled());
    // Leaving the pane deletes the new table; the controls are emptied.
    program.Frame().ShowStartPage();
    EXPECT_EQ(nullptr, view.GetDesigner()->GetTable());
    EXPECT_EQ("", user.GetText(TableDesigner::IDC_TABLE_NAME));
}

TEST(TableDesignerViewTest, TheEditorsConfirmationIsTheWarningDialogWithTheCallersMessage)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    for (const bool yes : {true, false})
    {
        program.dialogs.Answer(
            [yes](CDialog&, DialogDriver& user)
            {
                EXPECT_EQ("Remove the table?", user.GetText(WarningDlg::IDC_MESSAGE));
                EXPECT_TRUE(yes ? user.PressOk() : user.PressCancel());
            });
        EXPECT_EQ(yes, ViewEditorHost::Get().ConfirmWarning("Remove the table?"));
    }
    EXPECT_EQ((std::vector<UINT>{WarningDlg::IDD, WarningDlg::IDD}), program.dialogs.Shown());
}

// Opening a file gives the designer a new project: what the view showed of the one before must
// not stand for the new designer's rows.
TEST(TableDesignerViewTest, AFieldDeletedFromTheTreeAfterATableShowsItsTableWithTheFieldsLeft)
{
    TempFolder files;
    const std::string path = (files.Path() / "shop.wvt").string();
    {
        ProjectStore store;
        ForgeonProject* project = store.GetProject();
        project->InitNewProject();
        for (const char* name : {"customer", "supplier"})
        {
            Table* table = NewTable(name, Table::masterKind, {"name", "city", "phone"});
            project->GetCurrentModule()->AddTable(table);
            TableFormCreator(table, project).CreateAll();
        }
        ASSERT_TRUE(store.ArchiveProject(project, path.c_str(), FALSE));
    }
    RunningProgram program({path.c_str()});
    ASSERT_TRUE(program.started);
    ForgeonView& treeView = *program.Frame().GetTreeView();
    CTreeCtrl& tree = treeView.GetTreeCtrl();
    const auto deleteItem = [&](const char* text)
    {
        HTREEITEM item = FindTreeItem(tree, tree.GetRootItem(), text);
        ASSERT_NE(nullptr, item) << text;
        tree.SelectItem(item);
        program.boxes.Answer(IDOK);
        treeView.DeleteSelectedItem();
    };

    deleteItem("customer");
    deleteItem("city");

    const Table* supplier =
        program.Project().GetCurrentModule()->FindMasterTableByNameExact("supplier");
    ASSERT_NE(nullptr, supplier);
    ASSERT_EQ(RightPane::TableView, program.Frame().GetCurrentRightPane());
    TableDialog& view = TableView(program);
    EXPECT_EQ("supplier", DialogDriver(view).GetText(TableDesigner::IDC_TABLE_NAME));
    auto* grid = dynamic_cast<CListCtrl*>(view.GetDlgItem(TableDesigner::IDC_GRID));
    ASSERT_NE(nullptr, grid);
    ASSERT_EQ(static_cast<int>(supplier->GetFields().size()), grid->GetItemCount());
    for (int row = 0; row < grid->GetItemCount(); ++row)
        EXPECT_NE("city", grid->GetItemText(row, 1).Trim());

    // OK names only the table's own item, whichever item the deletion left selected.
    HTREEITEM phone = FindTreeItem(tree, tree.GetRootItem(), "phone");
    ASSERT_NE(nullptr, phone);
    tree.SelectItem(phone);
    ASSERT_TRUE(DialogDriver(view).Click(TableDesigner::IDC_OK));
    EXPECT_EQ(tree.GetItemText(phone), "phone");
    EXPECT_NE(nullptr, FindTreeItem(tree, tree.GetRootItem(), "supplier"));
}

// A click on a field's row loads it into the panel, which takes the focus: the row stays
// highlighted, in the window text on the 3-D face colour.
TEST(TableDesignerViewTest, TheRowTheFirstClickLoadsStaysHighlightedWhileThePanelHasTheFocus)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    Table* table = program.Project().GetBaseModule()->GetMasterTables().front();
    program.Frame().EditTable(table, Table::masterKind);
    TableDialog& view = TableView(program);
    DialogDriver user(view);
    ASSERT_TRUE(user.ClickListRow(TableDesigner::IDC_GRID, 2, 1));
    view.GetDlgItem(TableDesigner::IDC_FIELD_NAME)->SetFocus();
    EXPECT_EQ(user.GetText(TableDesigner::IDC_FIELD_NAME), table->GetFieldAt(2)->GetFieldName());
    auto* grid = dynamic_cast<CListCtrl*>(view.GetDlgItem(TableDesigner::IDC_GRID));
    ASSERT_NE(nullptr, grid);
    QApplication::processEvents();
    auto* widget = static_cast<QTreeWidget*>(grid->GetSafeHwnd());
    const QImage cells = widget->viewport()->grab().toImage();
    const auto background = [grid, widget, &cells](int row)
    {
        CRect cell;
        grid->GetSubItemRect(row, 2, LVIR_BOUNDS, cell);
        const QPoint inside = QPoint(cell.right - 3, cell.top + cell.Height() / 2) +
                              widget->viewport()->mapFrom(widget, QPoint(0, 0));
        return cells.pixelColor(inside);
    };
    EXPECT_EQ(background(2), ToQColor(GetSysColor(COLOR_3DFACE)));
    EXPECT_NE(background(1), ToQColor(GetSysColor(COLOR_3DFACE)));
}
