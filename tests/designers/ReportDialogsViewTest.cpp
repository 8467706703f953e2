#include "designers/AssignRDLCDlg.h"
#include "designers/ChartDataDlgs.h"
#include "designers/GroupHdrPropDlg.h"
#include "designers/RDLCParamMapDlg.h"
#include "designers/RDLCReportdlg.h"
#include "designers/ReportColumnDlg.h"
#include "designers/ReportFieldCtrlPropDlg.h"
#include "designers/ReportFieldPropDlg.h"
#include "designers/ReportFilterDlg.h"
#include "editors/AssignReportDlg.h"
#include "editors/LinkDialogs.h"
#include "editors/RefFieldDialog.h"
#include "editors/logic/ControlPropertiesEditor.h"
#include "editors/logic/FormControlsEditor.h"
#include "entities/ColumnGraphData.h"
#include "entities/PieChartData.h"
#include "entities/ReportFieldControlProperty.h"
#include "platform/ui/DialogDriver.h"
#include "tests/designers/logic/RDLCFixture.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace
{
CString Caption(CWnd& window)
{
    CString text;
    window.GetWindowText(text);
    return text;
}

// Each report dialog opened on the fixture report and driven through one command, answered by
// scripts without an event loop.
class ReportDialogsViewTest : public ::testing::Test, public RDLCFixture
{
protected:
    ScriptedDialogs dialogs;
};

TEST_F(ReportDialogsViewTest, ColumnsAndTheirSettingsAndControl)
{
    using C = ReportColumnEditor;
    using S = ReportFieldSettings;
    dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_EQ(Caption(dialog), "Columns for :Sales");
            EXPECT_TRUE(user.ClickListRow(C::IDC_OUTPUTS, 3, 1));
            EXPECT_TRUE(user.Click(C::IDC_ADD));
            EXPECT_TRUE(user.DoubleClickListRow(C::IDC_COLUMNS, 0, 1));
            user.PressOk();
        });
    dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_EQ(Caption(dialog), "Report field settings:region");
            EXPECT_EQ(user.GetText(S::IDC_NAME), "region");
            EXPECT_TRUE(user.SetText(S::IDC_WIDTH, "30"));
            EXPECT_TRUE(user.Click(S::IDC_MONEY));
            EXPECT_TRUE(user.Click(S::IDC_CONTROL_PROPERTY));
            EXPECT_TRUE(user.Click(S::IDC_OK));
        });
    dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_EQ(Caption(dialog), "Report Field Control Property Dlg");
            EXPECT_FALSE(
                dialog.GetDlgItem(ReportFieldControlEditor::IDC_ASSIGN)->IsWindowEnabled());
            user.PressCancel();
        });
    ReportColumnDlg columns(*group, open.Project());
    EXPECT_EQ(columns.DoModal(), IDOK);
    EXPECT_EQ(dialogs.Shown(), (std::vector<UINT>{298, 186, 227}));
    ASSERT_EQ(ColumnNames(), (std::vector<CString>{"region"}));
    const ReportField* column = group->GetReportFields()[0];
    EXPECT_EQ(column->GetWidth(), 30);
    EXPECT_TRUE(column->IsMoney());
    EXPECT_EQ(column->GetControlProperty(), nullptr);
}

TEST_F(ReportDialogsViewTest, FiltersAndLayout)
{
    using F = ReportFilterEditor;
    dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_EQ(Caption(dialog), "Filters for :Sales");
            EXPECT_TRUE(user.ClickListRow(F::IDC_OUTPUTS, 1, 1));
            EXPECT_TRUE(user.Click(F::IDC_ADD));
            EXPECT_TRUE(user.Click(F::IDC_SINGLE_COLUMN));
            EXPECT_TRUE(dialog.IsDlgButtonChecked(F::IDC_SINGLE_COLUMN));
            EXPECT_TRUE(user.ClickListRow(F::IDC_FILTERS, 0, 1));
            EXPECT_TRUE(user.Click(F::IDC_PROPERTIES));
            user.PressOk();
        });
    dialogs.Answer([](CDialog&, DialogDriver& user) { user.PressCancel(); });
    ReportFilterDlg filters(*group, open.Project());
    EXPECT_EQ(filters.DoModal(), IDOK);
    EXPECT_EQ(dialogs.Shown(), (std::vector<UINT>{297, ControlPropertiesEditor::IDD}));
    EXPECT_EQ(FilterNames(), (std::vector<CString>{"customer"}));
    EXPECT_EQ(report->GetColumnLayout(), 1);
}

// The control made for a column starts as a button, edited in the control properties; OK then
// wants a procedure, and Cancel drops the property the dialog made.
TEST_F(ReportDialogsViewTest, ControlPropertyOfANewButton)
{
    using C = ReportFieldControlEditor;
    ReportField* column = AddColumn(0);
    dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_FALSE(dialog.GetDlgItem(C::IDC_ASSIGN_PROCEDURE)->IsWindowEnabled());
            EXPECT_TRUE(user.Click(C::IDC_ASSIGN_CONTROL));
            EXPECT_TRUE(dialog.GetDlgItem(C::IDC_ASSIGN_PROCEDURE)->IsWindowEnabled());
            user.PressOk();
            user.PressCancel();
        });
    dialogs.Answer([](CDialog&, DialogDriver& user) { user.PressOk(); });
    ScriptedMessageBoxes boxes;
    ReportFieldCtrlPropDlg control(open.Project(), *group, *column);
    EXPECT_EQ(control.DoModal(), IDCANCEL);
    EXPECT_EQ(dialogs.Shown(), (std::vector<UINT>{227, ControlPropertiesEditor::IDD}));
    EXPECT_EQ(boxes.ShownTexts(), (std::vector<std::string>{"Please Select a Procedure."}));
    EXPECT_EQ(column->GetControlProperty(), nullptr);
}

TEST_F(ReportDialogsViewTest, GroupHeaderAndCharts)
{
    using G = GroupHeaderEditor;
    using E = ChartDataEditor;
    dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_EQ(Caption(dialog), "Group Header Properties...");
            EXPECT_TRUE(user.SetText(G::IDC_HEADER, "Per customer"));
            EXPECT_TRUE(user.Select(G::IDC_HEADER_VALUE, 2));
            EXPECT_TRUE(user.Select(G::IDC_NEXT_KEY, 1));
            user.PressOk();
        });
    GroupHdrPropDlg header(*group);
    EXPECT_EQ(header.DoModal(), IDOK);
    EXPECT_EQ(header.Editor().GetHeaderText(), "Per customer");
    EXPECT_EQ(header.Editor().GetHeaderValue(), Output(1));
    EXPECT_EQ(header.Editor().GetNextKey(), Output(0));

    ColumnGraphData column;
    column.SetXParameter("total");
    dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_EQ(Caption(dialog), "Column and area chart data");
            EXPECT_EQ(user.GetText(E::IDC_CAPTION), "Sales");
            EXPECT_EQ(user.GetText(E::IDC_X_PARAMETER), "total");
            EXPECT_TRUE(user.Select(E::IDC_Y_PARAMETER, 3));
            EXPECT_TRUE(user.SetText(E::IDC_X_NAME, "Orders"));
            user.PressOk();
        });
    EXPECT_EQ(ColumnGraphDlg(*report, 0, column).DoModal(), IDOK);
    EXPECT_EQ(column.GetCaption(), "Sales");
    EXPECT_EQ(column.GetXAxisName(), "Orders");
    EXPECT_EQ(column.GetYParameter(), "region");

    PieChartData pie;
    dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_EQ(Caption(dialog), "Pie and doughunt chart data");
            EXPECT_TRUE(user.Select(E::IDC_PIE_PARAMETER, 1));
            EXPECT_TRUE(user.SetText(E::IDC_PIE_CAPTION, "Shares"));
            user.PressOk();
        });
    EXPECT_EQ(PieChartDataDlg(*report, 0, pie).DoModal(), IDOK);
    EXPECT_EQ(pie.GetCaption(), "Shares");
    EXPECT_EQ(pie.GetParameter(), "customer");
    EXPECT_EQ(dialogs.Shown(), (std::vector<UINT>{205, 203, 204}));
}

TEST_F(ReportDialogsViewTest, SearchReportAndRDLCAssignmentsAndTheParameterMap)
{
    dialogs.Answer(
        [](CDialog&, DialogDriver& user)
        {
            EXPECT_EQ(user.GetText(ReportAssigner::IDC_REPORT), "");
            EXPECT_TRUE(user.Select(ReportAssigner::IDC_REPORT, 0));
            user.PressOk();
        });
    AssignReportDlg assignReport(open.Project(), nullptr, orders, nullptr);
    EXPECT_EQ(assignReport.DoModal(), IDOK);
    EXPECT_EQ(assignReport.GetChosenReport(), report);

    RDLCReport rdlc;
    rdlc.SetName("Monthly");
    rdlc.AddFieldRep(new FieldRep(FieldOf("total")));
    dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_EQ(Caption(dialog), "Select RDLC for Monthly");
            EXPECT_EQ(user.GetText(RDLCAssigner::IDC_RDLC_NAME), "RDLC Not assigned.");
            EXPECT_TRUE(user.Select(RDLCAssigner::IDC_RDLC, 0));
            EXPECT_TRUE(user.Click(RDLCAssigner::IDC_ASSIGN));
            EXPECT_EQ(user.GetText(RDLCAssigner::IDC_RDLC_NAME), "Sales/Orders.rdlc");
            user.PressOk();
        });
    EXPECT_EQ(AssignRDLCDlg(rdlc, open.Project()).DoModal(), IDOK);
    ASSERT_NE(rdlc.GetRDLCInfo(), nullptr);

    TableAdapter* adapter = open.Project().GetXSDInfos()[0]->GetTableAdapters()[0];
    dialogs.Answer(
        [](CDialog&, DialogDriver& user)
        {
            EXPECT_TRUE(user.ClickListRow(RDLCParamMapper::IDC_FILTERS, 0, 1));
            EXPECT_TRUE(user.ClickListRow(RDLCParamMapper::IDC_PARAMETERS, 0, 1));
            EXPECT_TRUE(user.Click(RDLCParamMapper::IDC_ASSIGN));
            user.PressOk();
        });
    EXPECT_EQ(RDLCParamMapDlg(rdlc, *adapter).DoModal(), IDOK);
    EXPECT_TRUE(rdlc.IsTableAdapterColumnMapped(adapter, "@min"));
    EXPECT_EQ(dialogs.Shown(), (std::vector<UINT>{173, 306, 308}));
}

// The RDLC view starts a new report, assigns the definition through the dialog and stores the
// report into the current module on OK.
TEST_F(ReportDialogsViewTest, RDLCViewStoresANewReport)
{
    using D = RDLCReportDesigner;
    RDLCReportdlg view;
    ASSERT_TRUE(view.Create(nullptr, 1, nullptr));
    view.OnInitialUpdate();
    DialogDriver user(view);
    EXPECT_EQ(user.GetText(D::IDC_RDLC_NAME), "RDLC Not assigned.");
    EXPECT_FALSE(
        view.GetDlgItem(D::IDC_SYNCHRONIZE)->GetSafeHwnd()->isVisibleTo(view.GetSafeHwnd()));
    EXPECT_TRUE(user.SetText(D::IDC_NAME, "Monthly"));
    EXPECT_TRUE(user.SetText(D::IDC_HEADER, "Monthly sales"));
    dialogs.Answer(
        [](CDialog&, DialogDriver& assign)
        {
            EXPECT_TRUE(assign.Select(RDLCAssigner::IDC_RDLC, 0));
            EXPECT_TRUE(assign.Click(RDLCAssigner::IDC_ASSIGN));
            assign.PressOk();
        });
    EXPECT_TRUE(user.Click(D::IDC_ASSIGN));
    EXPECT_EQ(user.GetText(D::IDC_RDLC_NAME), "Sales/Orders.rdlc");
    EXPECT_FALSE(view.GetDlgItem(D::IDC_ASSIGN)->IsWindowEnabled());
    auto* adapters = dynamic_cast<CListCtrl*>(view.GetDlgItem(D::IDC_ADAPTERS));
    ASSERT_NE(adapters, nullptr);
    ASSERT_EQ(adapters->GetItemCount(), 1);
    EXPECT_EQ(adapters->GetItemText(0, 0), "OrdersTableAdapter");
    // The page dialogs of the report, each closed at once.
    for (const int command : {D::IDC_FORM_CONTROLS, D::IDC_REFERENCE_FIELDS, D::IDC_LINK_CONTROLS,
                              D::IDC_MAP_PARAMETERS})
    {
        dialogs.Answer([](CDialog&, DialogDriver& page) { page.PressCancel(); });
        EXPECT_TRUE(user.ClickListRow(D::IDC_ADAPTERS, 0, 0));
        EXPECT_TRUE(user.Click(command));
    }
    EXPECT_EQ(dialogs.Shown(), (std::vector<UINT>{306, FormControlsEditor::IDD, RefFieldDialog::IDD,
                                                  LinkControlDlg::IDD, 308}));
    EXPECT_TRUE(user.Click(D::IDC_OK));
    ASSERT_EQ(open.Base().GetRDLCReports().size(), 1u);
    const RDLCReport* stored = open.Base().GetRDLCReports()[0];
    EXPECT_EQ(stored->GetFormName(), "Monthly");
    EXPECT_EQ(stored->GetHeader(), "Monthly sales");
    EXPECT_EQ(user.GetText(D::IDC_NAME), "");
    EXPECT_EQ(user.GetText(D::IDC_RDLC_NAME), "RDLC Not assigned.");
    view.DestroyWindow();
}
} // namespace
