#include "editors/AdjustFieldRepsDlg.h"
#include "editors/AssignReportDlg.h"
#include "editors/FieldRepDlg.h"
#include "editors/FieldVisibilityDlg.h"
#include "editors/FormEditorDialog.h"
#include "editors/LinkDialogs.h"
#include "editors/MapFormDlg.h"
#include "editors/RefFieldDialog.h"
#include "editors/TransactionDlg.h"
#include "editors/WarningDlg.h"
#include "entities/Form.h"
#include "entities/MapForm.h"
#include "entities/Transaction.h"
#include "model/RefField.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "shell/ForgeonView.h"
#include "tests/editors/logic/DesignedProject.h"
#include "tests/shell/ShellTestSupport.h"

#include <QPixmap>
#include <QTest>
#include <QWidget>

namespace
{
bool TreeShows(RunningProgram& program, const CString& text)
{
    CTreeCtrl& tree = program.Frame().GetTreeView()->GetTreeCtrl();
    return FindTreeItem(tree, tree.GetRootItem(), text) != nullptr;
}

// The tree item of the text opened as a double click opens it; false without one.
bool OpenFromTree(RunningProgram& program, const CString& text)
{
    ForgeonView& view = *program.Frame().GetTreeView();
    HTREEITEM item = FindTreeItem(view.GetTreeCtrl(), view.GetTreeCtrl().GetRootItem(), text);
    if (item != nullptr)
        view.OpenItem(item);
    return item != nullptr;
}

// Answers the next dialog, which must be of the template, with OK.
void PressOkOn(RunningProgram& program, UINT templateId)
{
    program.dialogs.Answer(
        [templateId](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_EQ(templateId, dialog.GetTemplateId());
            EXPECT_TRUE(user.PressOk());
        });
}

// Answers the next dialog, the reference fields of a page, by adding a varchar field.
void AddRefFieldIn(RunningProgram& program, const char* name)
{
    program.dialogs.Answer(
        [name](CDialog& dialog, DialogDriver& user)
        {
            ASSERT_EQ(RefFieldEditor::IDD, dialog.GetTemplateId());
            EXPECT_TRUE(user.SetText(RefFieldEditor::NameBox, name));
            EXPECT_TRUE(user.Select(RefFieldEditor::TypeCombo, 4));
            EXPECT_TRUE(user.Click(RefFieldEditor::AddButton));
            EXPECT_TRUE(user.PressOk());
        });
}

template <class View> View& PaneView(RunningProgram& program, RightPane pane)
{
    return dynamic_cast<View&>(*program.Frame().GetRightPaneView(pane));
}

// The frame with the view shown, kept as a picture in the build folder.
void KeepScreenshot(RunningProgram& program, const char* name)
{
    HWND window = program.Frame().GetSafeHwnd();
    window->resize(1100, 760);
    QApplication::processEvents();
    const QPixmap shot = window->grab();
    ASSERT_FALSE(shot.isNull());
    const std::filesystem::path path = std::filesystem::current_path() / name;
    ASSERT_TRUE(shot.save(QString::fromStdString(path.string()), "PNG"));
}

// The designed tables, and the map table publication (publisher_id, author_id) made without
// default pages, in the running program's project.
Table* DesignTablesAndMapTable(RunningProgram& program)
{
    RecordingHost host;
    DesignedProject::DesignTables(program.Project(), host);
    DesignedProject::DesignMapTable(program.Project(), host, /*withPages=*/false);
    program.Frame().RefreshTree();
    CString name = "publication";
    return program.Project().GetCurrentModule()->FindTableByName(name);
}
} // namespace

TEST(PageEditorViewsTest, TheFormEditorEditsTheLayoutAndLinksOfAFormOpenedFromTheTree)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    DesignTablesAndMapTable(program);
    Module& module = *program.Project().GetCurrentModule();
    Form* form = module.FindMasterFormByName("author_form");
    ASSERT_NE(nullptr, form);
    form->SetReportAndGetProject(module.FindReportByName("author Report"));
    ASSERT_TRUE(OpenFromTree(program, "author_form"));
    ASSERT_EQ(RightPane::FormEditor, program.Frame().GetCurrentRightPane());
    auto& view = PaneView<FormEditorDialog>(program, RightPane::FormEditor);
    DialogDriver user(view);
    EXPECT_EQ("author_form", user.GetText(FormEditor::IDC_NAME));
    EXPECT_FALSE(view.GetDlgItem(FormEditor::IDC_NAME)->IsWindowEnabled());
    EXPECT_EQ("Master Table : author", user.GetText(FormEditor::IDC_TABLE_LABEL));
    EXPECT_EQ("ReportName : author Report", user.GetText(FormEditor::IDC_REPORT_LABEL));
    EXPECT_FALSE(view.GetDlgItem(FormEditor::IDC_ASSIGN_REPORT)->IsWindowEnabled());
    auto* files = dynamic_cast<CListCtrl*>(view.GetDlgItem(FormEditor::IDC_FILES));
    ASSERT_NE(nullptr, files);
    EXPECT_EQ(2, files->GetItemCount());

    ASSERT_TRUE(user.Click(FormEditor::IDC_SINGLE_COLUMN));
    EXPECT_EQ(1, form->GetColumnCount());
    auto* single = dynamic_cast<CButton*>(view.GetDlgItem(FormEditor::IDC_SINGLE_COLUMN));
    auto* two = dynamic_cast<CButton*>(view.GetDlgItem(FormEditor::IDC_TWO_COLUMNS));
    ASSERT_NE(nullptr, single);
    ASSERT_NE(nullptr, two);
    EXPECT_EQ(BST_CHECKED, single->GetCheck());
    EXPECT_EQ(BST_UNCHECKED, two->GetCheck());

    program.dialogs.Answer(
        [](CDialog& dialog, DialogDriver& links)
        {
            ASSERT_EQ(LinkControlDlg::IDD, dialog.GetTemplateId());
            EXPECT_TRUE(links.PressOk());
        });
    ASSERT_TRUE(user.Click(FormEditor::IDC_LINK_CONTROLS));
    PressOkOn(program, FormControlsEditor::IDD);
    ASSERT_TRUE(user.Click(FormEditor::IDC_FORM_CONTROLS));
    AddRefFieldIn(program, "nickname");
    ASSERT_TRUE(user.Click(FormEditor::IDC_REFERENCE_FIELDS));
    EXPECT_NE(nullptr, form->FindRefFieldByName("nickname"));
    // "Set Properties" opens the visibility of the Update page file of the second row.
    ASSERT_TRUE(user.ClickListRow(FormEditor::IDC_FILES, 1, 1));
    PressOkOn(program, FieldVisibilityEditor::IDD);
    ASSERT_TRUE(user.Click(FormEditor::IDC_SET_PROPERTIES));
    EXPECT_EQ((std::vector<UINT>{LinkControlDlg::IDD, FormControlsEditor::IDD, RefFieldEditor::IDD,
                                 FieldVisibilityEditor::IDD}),
              program.dialogs.Shown());

    // The report is removed after its question; "Assign Report" is offered again.
    program.boxes.Answer(IDOK);
    ASSERT_TRUE(user.Click(FormEditor::IDC_REMOVE_REPORT));
    EXPECT_EQ(nullptr, form->GetReport());
    EXPECT_EQ("Report not assigned.", user.GetText(FormEditor::IDC_REPORT_LABEL));
    EXPECT_TRUE(view.GetDlgItem(FormEditor::IDC_ASSIGN_REPORT)->IsWindowEnabled());

    // "Assign Report": cancelled it leaves the form without a report; OK assigns the choice.
    program.dialogs.Answer(
        [](CDialog& dialog, DialogDriver& assign)
        {
            ASSERT_EQ(ReportAssigner::IDD, dialog.GetTemplateId());
            EXPECT_TRUE(assign.PressCancel());
        });
    ASSERT_TRUE(user.Click(FormEditor::IDC_ASSIGN_REPORT));
    EXPECT_EQ(nullptr, form->GetReport());
    program.dialogs.Answer(
        [](CDialog& dialog, DialogDriver& assign)
        {
            ASSERT_EQ(ReportAssigner::IDD, dialog.GetTemplateId());
            EXPECT_TRUE(
                assign.Select(ReportAssigner::IDC_REPORT,
                              ComboIndexOf(dialog, ReportAssigner::IDC_REPORT, "author Report")));
            EXPECT_TRUE(assign.PressOk());
        });
    ASSERT_TRUE(user.Click(FormEditor::IDC_ASSIGN_REPORT));
    EXPECT_EQ(module.FindReportByName("author Report"), form->GetReport());
    EXPECT_EQ("ReportName : author Report", user.GetText(FormEditor::IDC_REPORT_LABEL));
    EXPECT_TRUE(view.GetDlgItem(FormEditor::IDC_REMOVE_REPORT)->IsWindowEnabled());
    EXPECT_EQ(6u, program.dialogs.Shown().size());
    EXPECT_EQ(0u, program.dialogs.PendingScripts());
    KeepScreenshot(program, "form-editor.png");

    ASSERT_TRUE(user.Click(FormEditor::IDC_OK));
    EXPECT_EQ(RightPane::StartPage, program.Frame().GetCurrentRightPane());
    EXPECT_EQ(nullptr, view.GetEditor()->GetForm());

    // A copied form's name is edited; Enter runs the name check and the tree item follows.
    auto* copy = new Form(*form);
    module.AddMasterForm(copy, /*withFiles=*/true);
    program.Frame().RefreshTree();
    program.Frame().EditForm(copy);
    ASSERT_TRUE(user.SetText(FormEditor::IDC_NAME, "author copy"));
    program.boxes.Answer(IDYES);
    ASSERT_TRUE(user.TypeKeys(FormEditor::IDC_NAME, "\n"));
    EXPECT_EQ("author_copy", copy->GetFormName());
    EXPECT_EQ("Do you want to change the name?", program.boxes.ShownTexts().back());
    EXPECT_EQ(RightPane::FormEditor, program.Frame().GetCurrentRightPane());
}

TEST(PageEditorViewsTest, ATransactionIsBuiltInTheDesignerAndStoredWithItsTreeItem)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    DesignTablesAndMapTable(program);
    Module& module = *program.Project().GetCurrentModule();
    program.Frame().EditTransaction(nullptr);
    ASSERT_EQ(RightPane::TransactionView, program.Frame().GetCurrentRightPane());
    auto& view = PaneView<TransactionDlg>(program, RightPane::TransactionView);
    DialogDriver user(view);

    // A detail table without a basic one is refused.
    ASSERT_TRUE(
        user.Select(TransactionEditor::IDC_DETAIL_TABLE,
                    ComboIndexOf(view, TransactionEditor::IDC_DETAIL_TABLE, "book_detail")));
    ASSERT_TRUE(user.Click(TransactionEditor::IDC_ADD_DETAIL));
    EXPECT_EQ((std::vector<std::string>{"Please select basic table."}), program.boxes.ShownTexts());
    ASSERT_TRUE(user.Select(TransactionEditor::IDC_MASTER_TABLE,
                            ComboIndexOf(view, TransactionEditor::IDC_MASTER_TABLE, "book_basic")));
    ASSERT_TRUE(user.Click(TransactionEditor::IDC_ADD_MASTER));
    EXPECT_FALSE(view.GetDlgItem(TransactionEditor::IDC_MODULE)->IsWindowEnabled());
    ASSERT_TRUE(
        user.Select(TransactionEditor::IDC_DETAIL_TABLE,
                    ComboIndexOf(view, TransactionEditor::IDC_DETAIL_TABLE, "book_detail")));
    ASSERT_TRUE(user.Click(TransactionEditor::IDC_ADD_DETAIL));
    EXPECT_FALSE(view.GetDlgItem(TransactionEditor::IDC_ADD_DETAIL)->IsWindowEnabled());
    auto* tables = dynamic_cast<CListCtrl*>(view.GetDlgItem(TransactionEditor::IDC_TABLES));
    ASSERT_NE(nullptr, tables);
    ASSERT_EQ(2, tables->GetItemCount());
    EXPECT_EQ("book_detail", tables->GetItemText(1, 1));

    // The detail row removed after its question, then added again.
    ASSERT_TRUE(user.ClickListRow(TransactionEditor::IDC_TABLES, 1, 1));
    program.boxes.Answer(IDYES);
    ASSERT_TRUE(user.Click(TransactionEditor::IDC_REMOVE_TABLE));
    EXPECT_EQ(1, tables->GetItemCount());
    EXPECT_TRUE(view.GetDlgItem(TransactionEditor::IDC_ADD_DETAIL)->IsWindowEnabled());
    ASSERT_TRUE(
        user.Select(TransactionEditor::IDC_DETAIL_TABLE,
                    ComboIndexOf(view, TransactionEditor::IDC_DETAIL_TABLE, "book_detail")));
    ASSERT_TRUE(user.Click(TransactionEditor::IDC_ADD_DETAIL));
    ASSERT_TRUE(user.Click(TransactionEditor::IDC_SINGLE_COLUMN));
    ASSERT_TRUE(user.SetText(TransactionEditor::IDC_NAME, "BookEntry"));
    Transaction* made = view.GetEditor()->GetTransaction();
    ASSERT_EQ(1, made->GetColumnCount());
    KeepScreenshot(program, "transaction-designer.png");

    ASSERT_TRUE(user.Click(TransactionEditor::IDC_OK));
    EXPECT_EQ(made, module.FindTransactionByName("BookEntry"));
    EXPECT_TRUE(TreeShows(program, "BookEntry"));
    EXPECT_EQ("", user.GetText(TransactionEditor::IDC_NAME));
    EXPECT_NE(made, view.GetEditor()->GetTransaction());

    // Opened from the tree, the stored transaction is renamed on leaving the name box.
    ASSERT_TRUE(OpenFromTree(program, "BookEntry"));
    EXPECT_EQ("BookEntry", user.GetText(TransactionEditor::IDC_NAME));
    EXPECT_EQ(2, tables->GetItemCount());
    auto* files = dynamic_cast<CListCtrl*>(view.GetDlgItem(TransactionEditor::IDC_FILES));
    ASSERT_NE(nullptr, files);
    EXPECT_EQ(2, files->GetItemCount());
    // The dialogs of the selected table: its controls with the header, its reference fields.
    ASSERT_TRUE(user.ClickListRow(TransactionEditor::IDC_TABLES, 1, 1));
    program.dialogs.Answer(
        [](CDialog& dialog, DialogDriver& controls)
        {
            ASSERT_EQ(FormControlsEditor::IDD, dialog.GetTemplateId());
            EXPECT_TRUE(controls.SetText(FormControlsEditor::HeaderBox, "Book Lines"));
            EXPECT_TRUE(controls.PressOk());
        });
    ASSERT_TRUE(user.Click(TransactionEditor::IDC_FORM_CONTROLS));
    EXPECT_EQ("BOOK LINES", made->GetTableTitle(made->GetDetailTableAt(0)));
    ASSERT_TRUE(user.ClickListRow(TransactionEditor::IDC_TABLES, 0, 1));
    AddRefFieldIn(program, "shelf");
    ASSERT_TRUE(user.Click(TransactionEditor::IDC_REFERENCE_FIELDS));
    ASSERT_EQ(1u, made->GetRefFields().size());
    EXPECT_EQ(made->GetBasicTable(), made->GetRefFields()[0]->GetTable());
    ASSERT_TRUE(user.ClickListRow(TransactionEditor::IDC_FILES, 0, 1));
    PressOkOn(program, FieldVisibilityEditor::IDD);
    ASSERT_TRUE(user.Click(TransactionEditor::IDC_SET_PROPERTIES));
    EXPECT_EQ((std::vector<UINT>{FormControlsEditor::IDD, RefFieldEditor::IDD,
                                 FieldVisibilityEditor::IDD}),
              program.dialogs.Shown());
    // Cancel shows the start page and the view lets go of the transaction.
    ASSERT_TRUE(user.Click(TransactionEditor::IDC_CANCEL));
    EXPECT_EQ(RightPane::StartPage, program.Frame().GetCurrentRightPane());
    EXPECT_EQ(nullptr, view.GetEditor()->GetTransaction());
    EXPECT_EQ(1u, program.boxes.Shown().size() - 1);
}

TEST(PageEditorViewsTest, AMapFormIsBuiltInTheEditorAndStoredWithItsTreeItem)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    Table* mapTable = DesignTablesAndMapTable(program);
    ASSERT_NE(nullptr, mapTable);
    Module& module = *program.Project().GetCurrentModule();
    program.Frame().EditMapForm(mapTable);
    ASSERT_EQ(RightPane::MapFormView, program.Frame().GetCurrentRightPane());
    auto& view = PaneView<MapFormDlg>(program, RightPane::MapFormView);
    DialogDriver user(view);
    EXPECT_EQ("publication", user.GetText(MapFormEditor::IDC_TABLE_NAME));
    EXPECT_EQ("Report not assigned.", user.GetText(MapFormEditor::IDC_REPORT_LABEL));
    EXPECT_FALSE(view.GetDlgItem(MapFormEditor::IDC_EDITABLE)->IsWindowEnabled());

    ASSERT_TRUE(user.SetText(MapFormEditor::IDC_HEADER, "Publications"));
    ASSERT_TRUE(user.Select(MapFormEditor::IDC_FIELDS,
                            ComboIndexOf(view, MapFormEditor::IDC_FIELDS, "publisher_id")));
    ASSERT_TRUE(user.Click(MapFormEditor::IDC_ADD_FIELD));
    ASSERT_TRUE(user.Select(MapFormEditor::IDC_FIELDS,
                            ComboIndexOf(view, MapFormEditor::IDC_FIELDS, "author_id")));
    ASSERT_TRUE(user.Click(MapFormEditor::IDC_ADD_FIELD));
    auto* fields = dynamic_cast<CListCtrl*>(view.GetDlgItem(MapFormEditor::IDC_FIELD_LIST));
    ASSERT_NE(nullptr, fields);
    ASSERT_EQ(2, fields->GetItemCount());

    // Two top fields are refused; the second is removed with the Delete key after the warning.
    ASSERT_TRUE(user.Click(MapFormEditor::IDC_ADD_MAP_FORM));
    EXPECT_EQ((std::vector<std::string>{"Please Enter the Top and Bottom fields"}),
              program.boxes.ShownTexts());
    program.dialogs.Answer(
        [](CDialog& dialog, DialogDriver& warning)
        {
            ASSERT_EQ(WarningDlg::IDD, dialog.GetTemplateId());
            EXPECT_EQ("Do you really want to remove the selected field \"author_id\"?",
                      warning.GetText(WarningDlg::IDC_MESSAGE));
            EXPECT_TRUE(warning.PressOk());
        });
    program.boxes.Answer(IDNO);
    ASSERT_TRUE(user.ClickListRow(MapFormEditor::IDC_FIELD_LIST, 1, 1));
    view.GetDlgItem(MapFormEditor::IDC_FIELD_LIST)->SetFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    EXPECT_EQ(1, fields->GetItemCount());

    // The bottom field, editable through the author form.
    ASSERT_TRUE(user.Click(MapFormEditor::IDC_BOTTOM_FIELDS));
    ASSERT_TRUE(user.Select(MapFormEditor::IDC_FIELDS,
                            ComboIndexOf(view, MapFormEditor::IDC_FIELDS, "author_id")));
    ASSERT_TRUE(user.Click(MapFormEditor::IDC_ADD_FIELD));
    ASSERT_TRUE(user.Select(MapFormEditor::IDC_MASTER_FORMS,
                            ComboIndexOf(view, MapFormEditor::IDC_MASTER_FORMS, "author_form")));
    ASSERT_TRUE(user.Click(MapFormEditor::IDC_ASSIGN_MASTER));
    MapForm* made = view.GetEditor()->GetMapForm();
    EXPECT_EQ(module.FindMasterFormByName("author_form"), made->GetBottomMasterForm());

    // A top input field over a reference field named as an output field of the select-record
    // procedure, and its properties.
    ASSERT_TRUE(user.Click(MapFormEditor::IDC_TOP_FIELDS));
    AddRefFieldIn(program, "Publisher_ID");
    ASSERT_TRUE(user.Click(MapFormEditor::IDC_ADD_REF_FIELD));
    ASSERT_TRUE(user.Select(MapFormEditor::IDC_REF_FIELDS,
                            ComboIndexOf(view, MapFormEditor::IDC_REF_FIELDS, "Publisher_ID")));
    ASSERT_TRUE(user.Click(MapFormEditor::IDC_ADD_INPUT));
    ASSERT_EQ(1u, made->GetTopInputFieldReps().size());
    PressOkOn(program, FieldRepPropertiesDlg::IDD);
    ASSERT_TRUE(user.DoubleClickListRow(MapFormEditor::IDC_INPUT_LIST, 0, 1));
    EXPECT_EQ((std::vector<UINT>{WarningDlg::IDD, RefFieldEditor::IDD, FieldRepPropertiesDlg::IDD}),
              program.dialogs.Shown());
    KeepScreenshot(program, "map-form-editor.png");

    ASSERT_TRUE(user.Click(MapFormEditor::IDC_ADD_MAP_FORM));
    EXPECT_EQ((std::vector<MapForm*>{made}), module.GetMapForms());
    EXPECT_EQ("publication_form", made->GetFormName());
    EXPECT_EQ("Publications", made->GetHeader());
    EXPECT_EQ("", user.GetText(MapFormEditor::IDC_TABLE_NAME));

    // Opened again, the stored map form shows its header and top field.
    program.Frame().EditMapForm(made->GetMappingTable());
    EXPECT_EQ("Publications", user.GetText(MapFormEditor::IDC_HEADER));
    ASSERT_EQ(1, fields->GetItemCount());
    EXPECT_EQ("publisher_id", fields->GetItemText(0, 1));
}

TEST(PageEditorViewsTest, ANewMapFormLeftForAnotherPaneIsDropped)
{
    RunningProgram program;
    ASSERT_TRUE(program.started);
    Table* mapTable = DesignTablesAndMapTable(program);
    program.Frame().EditMapForm(mapTable);
    auto& view = PaneView<MapFormDlg>(program, RightPane::MapFormView);
    ASSERT_NE(nullptr, view.GetEditor()->GetMapForm());
    EXPECT_TRUE(view.GetEditor()->IsNew());
    DialogDriver user(view);
    ASSERT_TRUE(user.Click(MapFormEditor::IDC_CANCEL));
    EXPECT_EQ(nullptr, view.GetEditor()->GetMapForm());
    program.Frame().EditMapForm(mapTable);
    program.Frame().ShowStartPage();
    EXPECT_EQ(nullptr, view.GetEditor()->GetMapForm());
    EXPECT_TRUE(program.Project().GetCurrentModule()->GetMapForms().empty());
}
