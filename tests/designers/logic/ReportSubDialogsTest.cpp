#include "designers/logic/ChartDataEditor.h"
#include "designers/logic/GroupHeaderEditor.h"
#include "designers/logic/ReportColumnEditor.h"
#include "designers/logic/ReportFieldControlEditor.h"
#include "designers/logic/ReportFieldSettings.h"
#include "designers/logic/ReportFilterEditor.h"
#include "entities/AspxFile.h"
#include "entities/ColumnGraphData.h"
#include "entities/PieChartData.h"
#include "entities/Procedure.h"
#include "entities/ReportFieldControlProperty.h"
#include "entities/Variable.h"
#include "model/EventRecmpFields.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/designers/logic/ReportFixture.h"

#include <gtest/gtest.h>

namespace
{

class ReportSubDialogsTest : public ::testing::Test, public ReportFixture
{
};

std::string lineBreakRefusal(const char* what)
{
    return "The " + std::string(what) +
           " cannot hold a line break: the classic pages write it into a script string.\nPlease "
           "enter it on one line.";
}

// Among several selected output columns, one already shown is named in a message and the others
// are still added; the columns then move and the selection follows.
TEST_F(ReportSubDialogsTest, ColumnAndFilterAddsSkipTheRowsAlreadyPresent)
{
    AddColumn(2);
    AddFilter("customer");
    ScriptedMessageBoxes boxes;

    ReportColumnEditor columns(*group, open.Project(), host);
    columns.Open();
    EXPECT_EQ(columns.GetCaption(), "Columns for :Sales");
    ASSERT_EQ(columns.GetOutputRows().size(), 4u);
    EXPECT_EQ(columns.GetOutputRows()[1].cells, (std::vector<CString>{"", "customer"}));
    columns.SelectOutputs({0, 2, 3});
    columns.Add();
    EXPECT_EQ(ColumnNames(), (std::vector<CString>{"total", "orders_id", "region"}));
    ASSERT_EQ(columns.GetEntryRows().size(), 3u);
    EXPECT_EQ(columns.GetEntryRows()[2].cells[1], "region");
    columns.SelectEntry(2);
    columns.MoveUp();
    EXPECT_EQ(ColumnNames(), (std::vector<CString>{"total", "region", "orders_id"}));
    EXPECT_EQ(columns.GetSelectedEntry(), 1);
    columns.SetProperties();
    EXPECT_EQ(host.calls, (std::vector<CString>{"settings region in BaseModule"}));

    ReportFilterEditor filters(*group, host);
    filters.Open();
    EXPECT_EQ(filters.GetCaption(), "Filters for :Sales");
    filters.SelectOutputs({1, 3, 0});
    filters.Add();
    EXPECT_EQ(FilterNames(), (std::vector<CString>{"customer", "region", "orders_id"}));
    EXPECT_EQ(filters.GetEntryRows()[1].cells, (std::vector<CString>{"", "region"}));
    EXPECT_TRUE(report->HasReportVariableForField(FieldOf("region")));
    filters.SelectEntry(2);
    filters.MoveUp();
    filters.MoveUp();
    EXPECT_EQ(FilterNames(), (std::vector<CString>{"orders_id", "customer", "region"}));
    EXPECT_EQ(filters.GetSelectedEntry(), 0);
    filters.SetProperties();
    EXPECT_EQ(host.calls.back(), "control properties on Sales");

    EXPECT_EQ(boxes.ShownTexts(),
              (std::vector<std::string>{"Report column 'total' already present",
                                        "Filter already present for customer"}));
}

// The layout radios of the filter dialog show and set the report's column count.
TEST_F(ReportSubDialogsTest, FilterDialogLayoutRadios)
{
    const struct
    {
        int start;
        bool single;
        void (ReportFilterEditor::*click)();
        int stored;
    } cases[] = {
        {4, false, &ReportFilterEditor::SingleColumn, 1},
        {1, true, &ReportFilterEditor::TwoColumns, 2},
        {2, false, &ReportFilterEditor::TwoColumns, 2},
    };
    for (const auto& c : cases)
    {
        report->SetColumnLayout(c.start);
        ReportFilterEditor filters(*group, host);
        filters.Open();
        EXPECT_EQ(filters.States().IsChecked(ReportFilterEditor::IDC_SINGLE_COLUMN), c.single);
        EXPECT_EQ(filters.States().IsChecked(ReportFilterEditor::IDC_TWO_COLUMNS), !c.single);
        (filters.*c.click)();
        EXPECT_EQ(report->GetColumnLayout(), c.stored);
        EXPECT_EQ(filters.States().IsChecked(ReportFilterEditor::IDC_SINGLE_COLUMN), c.stored == 1);
    }
}

// A filter that another filter recomputes is refused only after the confirmation; one that no
// filter recomputes goes on Yes and stays on No.
TEST_F(ReportSubDialogsTest, FilterUsedByARecomputationIsRefusedAfterTheConfirmation)
{
    FieldRep* region = AddFilter("region");
    FieldRep* total = AddFilter("total");
    auto* recomputes = new EventRecmpFields;
    recomputes->AddClassRecompute(region);
    total->GetFieldRepData()->AddEventRecmpFields(recomputes);

    ScriptedMessageBoxes boxes({IDYES, IDOK, IDNO, IDYES});
    ReportFilterEditor filters(*group, host);
    filters.Open();
    filters.SelectEntry(0);
    filters.Remove();
    EXPECT_EQ(FilterNames(), (std::vector<CString>{"region", "total"}));
    filters.SelectEntry(1);
    filters.Remove();
    EXPECT_EQ(FilterNames(), (std::vector<CString>{"region", "total"}));
    filters.Remove();
    EXPECT_EQ(FilterNames(), (std::vector<CString>{"region"}));
    EXPECT_EQ(
        boxes.ShownTexts(),
        (std::vector<std::string>{"Do you really want to remove the filter \"region\"?",
                                  " Cannot Remove the filter. It is being used for recomputation.",
                                  "Do you really want to remove the filter \"total\"?",
                                  "Do you really want to remove the filter \"total\"?"}));
    EXPECT_EQ(boxes.Shown()[0].type & 0xF, static_cast<UINT>(MB_YESNO));
}

// The column's link: a page file of the orders form, the bindings of its variables, and the
// stored layout numbers.
class ReportFieldSettingsTest : public ReportSubDialogsTest
{
protected:
    ReportFieldSettingsTest()
    {
        form = NewForm("orders", orders);
        open.Base().Append(form);
        for (const char* name : {"customer", "region"})
        {
            auto* variable = new Variable;
            variable->SetName(name);
            form->AddFieldVariableMap(new FieldVariableMap{FieldOf(name), variable});
        }
        for (int kind : {1, 2, 3})
        {
            auto* file = new AspxFile;
            file->SetFileKind(kind);
            file->SetOwnerPage(form);
            form->AddAspFile(file);
        }
        column = AddColumn(1);
        AddFilter("region");
        auto* reportVariable = new Variable;
        reportVariable->SetName("chosen");
        report->AddFieldVariableMap(new FieldVariableMap{nullptr, reportVariable});
    }

    // Links the column to the first page file of the form through the dialog.
    void Link(ReportFieldSettings& settings)
    {
        settings.ChoosePageKind(0);
        settings.ChoosePage(0);
        settings.States().Select(ReportFieldSettings::IDC_PAGE_FILE, 0);
        settings.AddFile();
    }
    std::vector<CString> MappedColumn(const ReportFieldSettings& settings) const
    {
        std::vector<CString> texts;
        for (const ListRow& row : settings.GetPageVariableRows())
            texts.push_back(row.cells[0] + "=" + row.cells[1]);
        return texts;
    }

    Form* form;
    ReportField* column;
};

TEST_F(ReportFieldSettingsTest, BindingsReplaceTheirTargetsAndRecordIdReplacesRecordId)
{
    ScriptedMessageBoxes boxes({IDOK});
    ReportFieldSettings settings(*group, *column, open.Project().GetCurrentModule(), open.Project(),
                                 host);
    settings.Open();
    EXPECT_EQ(settings.GetCaption(), "Report field settings:customer");
    EXPECT_EQ(settings.States().GetText(ReportFieldSettings::IDC_NAME), "customer");
    EXPECT_EQ(settings.States().GetItems(ReportFieldSettings::IDC_PAGE_KIND),
              (std::vector<CString>{"Master forms", "Master detail", "Reports"}));
    Link(settings);
    // The page files of kinds 1 and 3 are offered, kind 2 is an action page.
    EXPECT_EQ(settings.States().GetItems(ReportFieldSettings::IDC_PAGE_FILE).size(), 2u);
    EXPECT_EQ(column->GetAspFile(), form->GetAspFiles()[0]);
    EXPECT_EQ(MappedColumn(settings), (std::vector<CString>{"customer=NOT SET", "region=NOT SET"}));

    const struct
    {
        int pageVariable;
        int sourceKind;
        int source;
        std::vector<CString> shown;
    } steps[] = {
        {0, ReportFieldSettings::FunctionFields, 2, {"customer=total", "region=NOT SET"}},
        {0, ReportFieldSettings::ReportVariables, 1, {"customer=chosen", "region=NOT SET"}},
        {1, ReportFieldSettings::RecordId, -1, {"customer=chosen", "region=Record Id"}},
        {0, ReportFieldSettings::RecordId, -1, {"customer=Record Id", "region=NOT SET"}},
        {1, ReportFieldSettings::HiddenControls, 0, {"customer=Record Id", "region=region"}},
    };
    for (const auto& step : steps)
    {
        settings.ChooseSourceKind(step.sourceKind);
        EXPECT_EQ(settings.States().IsEnabled(ReportFieldSettings::IDC_SOURCES),
                  step.sourceKind != ReportFieldSettings::RecordId);
        settings.SelectPageVariable(step.pageVariable);
        settings.SelectSource(step.source);
        settings.Map();
        EXPECT_EQ(MappedColumn(settings), step.shown);
        EXPECT_EQ(column->GetBindings().size(), 2u - (step.shown[1] == "region=NOT SET"));
    }
    settings.SelectPageVariable(0);
    settings.Unmap();
    EXPECT_EQ(MappedColumn(settings), (std::vector<CString>{"customer=NOT SET", "region=region"}));
    EXPECT_EQ(boxes.ShownTexts(),
              (std::vector<std::string>{
                  "Do you want to remove the assigned report variable \"customer\"?"}));
}

TEST_F(ReportFieldSettingsTest, PageFileChangesAskAndOkStoresTheLayout)
{
    ScriptedMessageBoxes boxes({IDOK, IDCANCEL, IDOK, IDNO, IDYES});
    ReportFieldSettings settings(*group, *column, nullptr, open.Project(), host);
    settings.Open();
    settings.RemoveFile();
    Link(settings);
    settings.ChooseSourceKind(ReportFieldSettings::RecordId);
    settings.SelectPageVariable(0);
    settings.Map();
    settings.States().Select(ReportFieldSettings::IDC_PAGE_FILE, 1);
    settings.AddFile();
    EXPECT_EQ(column->GetAspFile(), form->GetAspFiles()[0]);
    EXPECT_EQ(column->GetBindings().size(), 1u);
    settings.AddFile();
    EXPECT_EQ(column->GetAspFile(), form->GetAspFiles()[2]);
    EXPECT_TRUE(column->GetBindings().empty());
    settings.RemoveFile();
    EXPECT_NE(column->GetAspFile(), nullptr);
    settings.RemoveFile();
    EXPECT_EQ(column->GetAspFile(), nullptr);
    EXPECT_EQ(settings.States().GetText(ReportFieldSettings::IDC_FILE_NAME), "ASPX NAME:");
    EXPECT_EQ(boxes.ShownTexts(),
              (std::vector<std::string>{
                  "No asp file attached to this field.", "Do you want to change the ASPX file?",
                  "Do you want to change the ASPX file?",
                  "Do you really want to remove the assigned asp file \"ordersUpdate.aspx\"?",
                  "Do you really want to remove the assigned asp file \"ordersUpdate.aspx\"?"}));

    settings.ToggleMoney();
    EXPECT_TRUE(column->IsMoney());
    for (const auto& [id, text] :
         std::vector<std::pair<int, const char*>>{{ReportFieldSettings::IDC_COLUMN_NUMBER, "3"},
                                                  {ReportFieldSettings::IDC_WIDTH, "25"},
                                                  {ReportFieldSettings::IDC_NAME, "Client"},
                                                  {ReportFieldSettings::IDC_IMAGE_HEIGHT, "40"},
                                                  {ReportFieldSettings::IDC_IMAGE_WIDTH, "60"}})
        settings.States().SetText(id, text);
    settings.States().SetCheck(ReportFieldSettings::IDC_LEFT, false);
    settings.States().SetCheck(ReportFieldSettings::IDC_RIGHT, true);
    settings.States().SetCheck(ReportFieldSettings::IDC_FILE_CONTENT, true);
    settings.Ok();
    EXPECT_EQ(column->GetColNo(), 3);
    EXPECT_EQ(column->GetWidth(), 25);
    EXPECT_EQ(column->GetName(), "Client");
    EXPECT_EQ(column->GetAlignment(), 2);
    EXPECT_TRUE(column->IsImageFromFileContent());
    EXPECT_EQ(column->GetImageHeight(), 40);
    EXPECT_EQ(column->GetImageWidth(), 60);
    settings.EditControlProperty();
    EXPECT_EQ(host.calls, (std::vector<CString>{"control property Client"}));
}

// A button column's procedure and the bindings of its parameters; a control of another kind
// loses them; OK needs a procedure for a button; Cancel drops a property the dialog made.
TEST_F(ReportSubDialogsTest, ControlPropertyOfAButtonColumn)
{
    using C = ReportFieldControlEditor;
    ReportField* button = AddColumn(0);
    AddFilter("region");
    Procedure* procedure = NewProcedure("Approve", orders);
    auto* parameter = new Variable;
    parameter->SetName("@order");
    procedure->AddFieldParameterPair(FieldOf("orders_id"), parameter);
    procedure->AddOutputColumn(
        new ProcedureFieldInfo(FieldOf("total"), ProcedureFieldInfo::noAggregate));
    open.Base().Append(procedure);
    int kind = FieldRepData::Button;
    host.editControl = [&kind](FieldRep& control)
    { control.GetFieldRepData()->SetControlKind(kind); };
    host.assign = [procedure](ProcedureAssigner& assigner)
    {
        assigner.GetInvocation()->SetProcedure(procedure);
        return true;
    };

    ScriptedMessageBoxes boxes({IDYES});
    {
        C editor(*group, *button, open.Project(), host);
        editor.Open();
        EXPECT_FALSE(editor.States().IsEnabled(C::IDC_ASSIGN_PROCEDURE));
        editor.Cancel();
        EXPECT_EQ(button->GetControlProperty(), nullptr);
    }
    C editor(*group, *button, open.Project(), host);
    editor.Open();
    editor.AssignControl();
    EXPECT_TRUE(editor.States().IsEnabled(C::IDC_ASSIGN_PROCEDURE));
    EXPECT_FALSE(editor.Ok());
    editor.AssignProcedure();
    EXPECT_EQ(editor.States().GetText(C::IDC_PROCEDURE_NAME), "Approve");
    ASSERT_EQ(editor.GetParameterRows().size(), 1u);
    const struct
    {
        int sourceKind;
        int source;
        CString shown;
        // Which of the control, the variable and the column the binding holds.
        std::vector<bool> bound;
    } steps[] = {
        {C::HiddenControls, 0, "region", {true, false, false}},
        {C::ReportVariables, 0, "region", {false, true, false}},
        {C::ProcedureFields, 0, "total", {false, false, true}},
    };
    for (const auto& step : steps)
    {
        editor.ChooseSourceKind(step.sourceKind);
        editor.SelectParameter(0);
        editor.SelectSource(step.source);
        editor.Assign();
        EXPECT_EQ(editor.GetParameterRows()[0].cells[1], step.shown);
        ASSERT_EQ(editor.GetProperty()->GetBindings().size(), 1u);
        const ReportFieldBinding* binding = editor.GetProperty()->GetBindings().front();
        EXPECT_EQ((std::vector<bool>{binding->m_sourceControl != nullptr,
                                     binding->m_sourceVariable != nullptr,
                                     binding->m_sourceColumn != nullptr}),
                  step.bound)
            << step.shown;
    }
    editor.SelectParameter(0);
    editor.Remove();
    EXPECT_TRUE(editor.GetProperty()->GetBindings().empty());
    EXPECT_TRUE(editor.Ok());
    editor.AssignProcedure();
    kind = 0;
    editor.ChooseSourceKind(C::HiddenControls);
    editor.SelectParameter(0);
    editor.SelectSource(0);
    editor.Assign();
    editor.AssignControl();
    EXPECT_EQ(editor.GetProperty()->GetProcedure(), nullptr);
    EXPECT_TRUE(editor.GetProperty()->GetBindings().empty());
    EXPECT_FALSE(editor.States().IsEnabled(C::IDC_ASSIGN));
    editor.Cancel();
    EXPECT_EQ(button->GetControlProperty(), editor.GetProperty());
    EXPECT_EQ(boxes.ShownTexts(),
              (std::vector<std::string>{"Please Select a Procedure.",
                                        "Do you really want to change the procedure?"}));
    EXPECT_EQ(host.calls.size(), 4u);
}

// The header combos list "Null" first; OK leaves null for "Null", an empty text without a header
// column, and null for a key position past the shorter key list.
TEST_F(ReportSubDialogsTest, GroupHeaderChoices)
{
    using G = GroupHeaderEditor;
    group->SetHeader("By region");
    group->SetHeaderValue(Output(3));
    group->SetNextProcKey(Output(1));
    G start(*group);
    start.Open();
    EXPECT_EQ(start.States().GetText(G::IDC_HEADER), "By region");
    EXPECT_EQ(start.States().GetItems(G::IDC_HEADER_VALUE),
              (std::vector<CString>{"Null", "orders_id", "customer", "total", "region"}));
    EXPECT_EQ(start.States().GetSelection(G::IDC_HEADER_VALUE), 4);
    EXPECT_EQ(start.States().GetItems(G::IDC_NEXT_KEY),
              (std::vector<CString>{"Null", "orders_id", "customer"}));
    EXPECT_EQ(start.States().GetSelection(G::IDC_NEXT_KEY), 2);

    const struct
    {
        int value;
        int key;
        const char* text;
        ProcedureFieldInfo* expectedValue;
        const char* expectedText;
        ProcedureFieldInfo* expectedKey;
    } cases[] = {
        {2, 1, "Customers", Output(1), "Customers", Output(0)},
        {0, 2, "Ignored", nullptr, "", Output(1)},
        {3, 0, "Totals", Output(2), "Totals", nullptr},
        {1, 3, "Past", Output(0), "Past", nullptr},
    };
    for (const auto& c : cases)
    {
        G editor(*group);
        editor.Open();
        editor.States().Select(G::IDC_HEADER_VALUE, c.value);
        editor.States().Select(G::IDC_NEXT_KEY, c.key);
        editor.States().SetText(G::IDC_HEADER, c.text);
        editor.Ok();
        EXPECT_EQ(editor.GetHeaderValue(), c.expectedValue) << c.text;
        EXPECT_EQ(editor.GetHeaderText(), c.expectedText) << c.text;
        EXPECT_EQ(editor.GetNextKey(), c.expectedKey) << c.text;
    }
}

// The chart dialogs start from the chart's texts (the report's name for an empty caption), their
// parameter combos preset by name, and OK writes the texts back.
TEST_F(ReportSubDialogsTest, ChartDialogsPresetFromTheStoredNames)
{
    using E = ChartDataEditor;
    ColumnGraphData column;
    column.SetValues("", "Per month", "Month", "Amount", "region", "total", "$");
    PieChartData pie;
    pie.SetValues("Shares", "", "customer", "");
    PieChartData unknown;
    unknown.SetParameter("gone");
    EXPECT_EQ(E::TemplateFor(column), E::IDD_COLUMN);
    EXPECT_EQ(E::TemplateFor(pie), E::IDD_PIE);

    E columnEditor(*report, 0, column);
    columnEditor.Open();
    ControlStates& columnStates = columnEditor.States();
    EXPECT_EQ(columnStates.GetText(E::IDC_CAPTION), "Sales");
    EXPECT_EQ(columnStates.GetText(E::IDC_SUBCAPTION), "Per month");
    EXPECT_EQ(columnStates.GetText(E::IDC_X_NAME), "Month");
    EXPECT_EQ(columnStates.GetSelection(E::IDC_X_PARAMETER), 3);
    EXPECT_EQ(columnStates.GetSelection(E::IDC_Y_PARAMETER), 2);
    columnStates.Select(E::IDC_Y_PARAMETER, 0);
    columnStates.SetText(E::IDC_NUMBER_PREFIX, "EUR");
    // The chart data page of a classic report writes the caption into a script string.
    columnStates.SetText(E::IDC_CAPTION, "Sales\nby month");
    {
        ScriptedMessageBoxes boxes;
        EXPECT_FALSE(columnEditor.Ok());
        EXPECT_EQ(boxes.ShownTexts(), std::vector<std::string>{lineBreakRefusal("caption")});
        EXPECT_EQ(column.GetNumberPrefix(), "$");
    }
    columnStates.SetText(E::IDC_CAPTION, "Sales");
    EXPECT_TRUE(columnEditor.Ok());
    EXPECT_EQ(column.GetCaption(), "Sales");
    EXPECT_EQ(column.GetYParameter(), "orders_id");
    EXPECT_EQ(column.GetXParameter(), "region");
    EXPECT_EQ(column.GetNumberPrefix(), "EUR");

    E pieEditor(*report, 0, pie);
    pieEditor.Open();
    EXPECT_EQ(pieEditor.States().GetText(E::IDC_PIE_CAPTION), "Shares");
    EXPECT_EQ(pieEditor.States().GetSelection(E::IDC_PIE_PARAMETER), 1);
    E unknownEditor(*report, 5, unknown);
    unknownEditor.Open();
    EXPECT_TRUE(unknownEditor.States().GetItems(E::IDC_PIE_PARAMETER).empty());
    unknownEditor.Ok();
    EXPECT_EQ(unknown.GetParameter(), "");
}
} // namespace
