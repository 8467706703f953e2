#include "editors/logic/FormEditor.h"
#include "entities/ApplicationReport.h"
#include "entities/DerivedField.h"
#include "model/RefField.h"
#include "tests/editors/logic/EditorTestSupport.h"
#include "tests/editors/logic/RecordingPageDialogs.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

// The open project's base module with the form "Orders" over the table orders (fields code and
// note), its two ASP.NET page files, and the editor loaded with it.
class FormEditorTest : public ::testing::Test
{
protected:
    FormEditorTest()
    {
        table = NewTable("orders", Table::masterKind, {"code", "note"});
        open.Current().AppendMasterTable(table);
        form = NewForm("Orders", table);
        open.Current().Append(form);
        form->CreateDefaultAspFiles(1);
        editor.LoadForm(form);
    }

    ApplicationReport* AddReport(const char* name)
    {
        auto* report = NewPage<ApplicationReport>(name);
        open.Current().Append(report);
        return report;
    }

    OpenNewProject open;
    RecordingHost host;
    RecordingPageDialogs dialogs;
    FormEditor editor{host, dialogs};
    Table* table = nullptr;
    Form* form = nullptr;
};

TEST_F(FormEditorTest, LoadingShowsTheNameTableReportFilesAndLayout)
{
    const ControlStates& states = editor.States();
    EXPECT_EQ("Orders", states.GetText(FormEditor::IDC_NAME));
    EXPECT_FALSE(states.IsEnabled(FormEditor::IDC_NAME));
    EXPECT_EQ("Master Table : orders", states.GetText(FormEditor::IDC_TABLE_LABEL));
    ASSERT_EQ(2u, editor.GetFileRows().size());
    EXPECT_EQ((std::vector<CString>{"", "ordersAdd.aspx"}), editor.GetFileRows()[0].cells);
    EXPECT_EQ((std::vector<CString>{"", "ordersUpdate.aspx"}), editor.GetFileRows()[1].cells);
    EXPECT_FALSE(states.IsChecked(FormEditor::IDC_SINGLE_COLUMN));
    EXPECT_TRUE(states.IsChecked(FormEditor::IDC_TWO_COLUMNS));

    // A copied form's name may be edited; a form of one column checks "Single Column".
    Form* copy = new Form(*form);
    open.Current().Append(copy);
    copy->SetColumnCount(1);
    editor.LoadForm(copy);
    EXPECT_TRUE(states.IsEnabled(FormEditor::IDC_NAME));
    EXPECT_TRUE(states.IsChecked(FormEditor::IDC_SINGLE_COLUMN));
    EXPECT_FALSE(states.IsChecked(FormEditor::IDC_TWO_COLUMNS));

    editor.ClearForm();
    EXPECT_EQ(nullptr, editor.GetForm());
    EXPECT_EQ("", states.GetText(FormEditor::IDC_NAME));
    EXPECT_EQ("", states.GetText(FormEditor::IDC_REPORT_LABEL));
    EXPECT_FALSE(states.IsEnabled(FormEditor::IDC_NAME));
    // Without a form the commands do nothing.
    editor.FormControls();
    editor.SingleColumn();
    editor.Ok();
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(FormEditorTest, TheNameCheckRefusesSpecialCharactersAndAsksBeforeRenaming)
{
    struct Case
    {
        const char* text;
        std::vector<int> answers;
        bool passes;
        const char* name;
        std::vector<std::string> boxes;
    };
    const std::string special =
        "Special character is present in the form name. Please change the name";
    const std::string ask = "Do you want to change the name?";
    const std::vector<Case> cases = {
        {"Orders", {}, true, "Orders", {}},
        {"orders", {IDYES}, true, "orders", {ask}},
        {"new orders form", {IDYES}, true, "new_orders_form", {ask}},
        {"new orders", {IDNO}, true, "Orders", {ask}},
        {"my-form:2", {IDYES}, true, "my-form:2", {ask}},
        {"", {IDYES}, true, "", {ask}},
        {"a\xE9", {IDNO}, true, "Orders", {ask}},
    };
    for (const Case& each : cases)
    {
        form->SetName("Orders");
        host.calls.clear();
        ScriptedMessageBoxes boxes;
        for (const int answer : each.answers)
            boxes.Answer(answer);
        editor.States().SetText(FormEditor::IDC_NAME, each.text);
        EXPECT_EQ(each.passes, editor.CheckName()) << each.text;
        EXPECT_EQ(each.name, form->GetFormName()) << each.text;
        EXPECT_EQ(each.boxes, Texts(boxes)) << each.text;
        const bool renamed = each.name != CString("Orders");
        EXPECT_EQ(renamed ? std::vector<CString>{"page item"} : std::vector<CString>{}, host.calls)
            << each.text;
    }
    for (const char c : std::string("!\"#$%&'()*+,./;<=>?@[\\]^`{|}~"))
    {
        ScriptedMessageBoxes boxes;
        editor.States().SetText(FormEditor::IDC_NAME, ("Ord" + std::string(1, c) + "ers").c_str());
        EXPECT_FALSE(editor.CheckName()) << c;
        editor.Ok();
        EXPECT_EQ((std::vector<std::string>{special, special}), Texts(boxes)) << c;
        EXPECT_EQ("Orders", form->GetFormName());
    }
    EXPECT_EQ(std::vector<CString>{}, host.calls);

    // OK passes the check and shows the start page.
    ScriptedMessageBoxes boxes;
    editor.States().SetText(FormEditor::IDC_NAME, "Orders");
    editor.Ok();
    EXPECT_EQ((std::vector<CString>{"start page"}), host.calls);
    EXPECT_TRUE(FormEditor::CheckPageName(nullptr, nullptr, "a/b", host, /*confirmRename=*/true));
}

TEST_F(FormEditorTest, TheReportLabelButtonsAssignmentAndRemoval)
{
    ControlStates& states = editor.States();
    const auto expectShown = [&](const char* label, bool assigned)
    {
        EXPECT_EQ(label, states.GetText(FormEditor::IDC_REPORT_LABEL));
        EXPECT_EQ(!assigned, states.IsEnabled(FormEditor::IDC_ASSIGN_REPORT));
        EXPECT_EQ(assigned, states.IsEnabled(FormEditor::IDC_REMOVE_REPORT));
    };
    expectShown("Report not assigned.", false);
    ApplicationReport* report = AddReport("orders Report");

    // Cancelled: the dialog keeps its preset, none; the form keeps having no report.
    editor.AssignReport();
    EXPECT_EQ(nullptr, form->GetReport());
    expectShown("Report not assigned.", false);
    dialogs.chooseReport = [&](ApplicationReport* preset)
    {
        EXPECT_EQ(nullptr, preset);
        return report;
    };
    editor.AssignReport();
    EXPECT_EQ(report, form->GetReport());
    expectShown("ReportName : orders Report", true);
    // Cancelled with a report, the dialog gives its preset back and the report stays.
    dialogs.chooseReport = [](ApplicationReport* preset) { return preset; };
    editor.AssignReport();
    EXPECT_EQ(report, form->GetReport());
    EXPECT_EQ(3u, dialogs.calls.size());
    EXPECT_EQ("assign report Orders orders", dialogs.calls.back());

    for (const int answer : {IDCANCEL, IDOK})
    {
        ScriptedMessageBoxes boxes{answer};
        editor.RemoveReport();
        EXPECT_EQ((std::vector<std::string>{
                      "Do you want to remove the existing report \"orders Report\"?"}),
                  Texts(boxes));
        EXPECT_EQ(static_cast<UINT>(MB_OKCANCEL), boxes.Shown()[0].type & MB_TYPEMASK);
        EXPECT_EQ(answer == IDOK ? nullptr : report, form->GetReport());
    }
    expectShown("Report not assigned.", false);
    // Without a report nothing is asked.
    ScriptedMessageBoxes boxes;
    editor.RemoveReport();
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(FormEditorTest, TheLayoutRadiosChangeTheColumnCountOnlyWhenItDiffers)
{
    struct Step
    {
        void (FormEditor::*click)();
        int columns;
    };
    const std::vector<Step> steps = {{&FormEditor::TwoColumns, 2},
                                     {&FormEditor::SingleColumn, 1},
                                     {&FormEditor::SingleColumn, 1},
                                     {&FormEditor::TwoColumns, 2}};
    for (const Step& step : steps)
    {
        // A click on the current layout leaves even a stale radio alone.
        editor.States().SetCheck(FormEditor::IDC_SINGLE_COLUMN, true);
        editor.States().SetCheck(FormEditor::IDC_TWO_COLUMNS, true);
        const int before = form->GetColumnCount();
        (editor.*step.click)();
        EXPECT_EQ(step.columns, form->GetColumnCount());
        const bool changed = before != step.columns;
        EXPECT_EQ(!changed || step.columns == 1,
                  editor.States().IsChecked(FormEditor::IDC_SINGLE_COLUMN));
        EXPECT_EQ(!changed || step.columns == 2,
                  editor.States().IsChecked(FormEditor::IDC_TWO_COLUMNS));
    }
}

TEST_F(FormEditorTest, SetPropertiesOpensTheVisibilityOfTheRowsPageFile)
{
    struct Case
    {
        int row;
        std::vector<CString> calls;
    };
    const std::vector<Case> cases = {
        {-1, {}},
        {0, {"visibility Orders 5"}},
        {1, {"visibility Orders 7"}},
        {2, {"visibility Orders 7"}},
    };
    for (const Case& each : cases)
    {
        dialogs.calls.clear();
        editor.SelectFile(each.row);
        editor.SetProperties();
        EXPECT_EQ(each.calls, dialogs.calls) << each.row;
    }
    // Without a page file of the kind nothing opens.
    Form bare;
    bare.SetTable(table);
    editor.LoadForm(&bare);
    dialogs.calls.clear();
    editor.SelectFile(0);
    editor.SetProperties();
    EXPECT_TRUE(dialogs.calls.empty());
    editor.ClearForm();
}

TEST_F(FormEditorTest, TheDialogsOfControlsLinksAndReferenceFieldsGetThePageAndItsFields)
{
    Field* refFieldField = new Field;
    refFieldField->SetFieldName("customer_name");
    form->AddRefField(new RefField(refFieldField, table));
    Field* derivedField = new Field;
    derivedField->SetFieldName("total");
    form->AddDerivedField(new DerivedField(derivedField, table));

    editor.FormControls();
    editor.LinkControls();
    editor.ReferenceFields();
    EXPECT_EQ((std::vector<CString>{"form controls Orders", "links Orders",
                                    "reference fields Orders orders"}),
              dialogs.calls);
    std::vector<CString> names;
    for (const Field* field : dialogs.controlFields)
        names.push_back(field->GetFieldName());
    EXPECT_EQ((std::vector<CString>{"code", "note", "customer_name", "total"}), names);
}
} // namespace
