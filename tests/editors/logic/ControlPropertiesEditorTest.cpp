#include "editors/logic/ControlPropertiesEditor.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Function.h"
#include "entities/LinkControl.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/EventRecmpFields.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "platform/core/MessageBox.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace
{

// A form over "orders" with controls for Name, City and When (a DateTime field).
struct PropertiesFixture
{
    std::unique_ptr<Table> table{NewTable("orders", Table::masterKind, {"Name", "City", "When"})};
    std::unique_ptr<Form> form{NewForm("OrderForm", table.get())};

    PropertiesFixture()
    {
        table->FindFieldByName("When")->SetType(FieldTypeDateTime);
        for (const char* name : {"Name", "City", "When"})
            form->AddFieldRepForField(table->FindFieldByName(name));
    }
    FieldRep& Control(int index) const { return *form->GetFieldReps()[static_cast<size_t>(index)]; }
};

std::string Joined(const std::vector<CString>& texts)
{
    std::string text;
    for (const CString& each : texts)
        text += std::string(each) + ";";
    return text;
}

TEST(ControlPropertiesEditorTest, KindsEventsAndBoxesFollowTheKind)
{
    struct Case
    {
        int kind;
        const char* events;
        bool textBox;
        bool textArea;
        bool radio;
        bool back;
    };
    const Case cases[] = {
        {FieldRepData::TextBox, "On Blur;", true, false, false, false},
        {FieldRepData::ComboBox, "On Change;On Click;On Blur;", false, false, false, true},
        {FieldRepData::DateControl, "", false, false, false, false},
        {FieldRepData::RadioButton, "On Click;", false, false, true, false},
        {FieldRepData::TextArea, "On Blur;", false, true, false, false},
        {FieldRepData::FileUpload, "", false, false, false, false},
    };
    for (const Case& test : cases)
    {
        PropertiesFixture fixture;
        fixture.Control(0).GetFieldRepData()->SetControlKind(test.kind);
        fixture.Control(0).GetFieldRepData()->SetWidth(55);
        ControlPropertiesEditor editor(*fixture.form, fixture.Control(0));
        editor.Load();
        std::vector<CString> events;
        for (int event : editor.GetEvents())
            events.push_back(ControlPropertiesEditor::GetEventName(event));
        EXPECT_EQ(Joined(events), test.events) << test.kind;
        EXPECT_EQ(editor.AreEventControlsEnabled(), !events.empty()) << test.kind;
        EXPECT_EQ(editor.ShowsTextBoxSizes(), test.textBox) << test.kind;
        EXPECT_EQ(editor.ShowsTextAreaSizes(), test.textArea) << test.kind;
        EXPECT_EQ(editor.ShowsRadioValues(), test.radio) << test.kind;
        EXPECT_EQ(editor.IsBackComboEnabled(), test.back) << test.kind;
        EXPECT_EQ(editor.width, test.kind == FieldRepData::TextBox ? 55 : 40) << test.kind;
    }
}

TEST(ControlPropertiesEditorTest, KindListsByPageAndField)
{
    PropertiesFixture fixture;
    ControlPropertiesEditor editor(*fixture.form, fixture.Control(0));
    editor.Load();
    EXPECT_EQ(Joined(editor.GetKinds()), "Text Box;Combo Box;Date Control;Radio Button;Check "
                                         "Box;Text Area;Password;Editable Combo Box;FileUpload;");
    ControlPropertiesEditor date(*fixture.form, fixture.Control(2));
    date.Load();
    EXPECT_EQ(Joined(date.GetKinds()), "Date Control;");
}

TEST(ControlPropertiesEditorTest, AKindNotOfferedIsKeptOnOpenAndOk)
{
    PropertiesFixture fixture;
    fixture.Control(0).GetFieldRepData()->SetControlKind(FieldRepData::Hidden);
    ControlPropertiesEditor editor(*fixture.form, fixture.Control(0));
    editor.Load();
    EXPECT_EQ(editor.GetKindSelection(), -1);
    EXPECT_EQ(fixture.Control(0).GetFieldRepData()->GetControlKind(), FieldRepData::Hidden);
    EXPECT_TRUE(editor.WriteBack());
    EXPECT_EQ(fixture.Control(0).GetFieldRepData()->GetControlKind(), FieldRepData::Hidden);
    editor.SelectKind(1);
    EXPECT_EQ(fixture.Control(0).GetFieldRepData()->GetControlKind(), FieldRepData::ComboBox);
}

TEST(ControlPropertiesEditorTest, RecomputeEntriesOnePerControlAndEvent)
{
    PropertiesFixture fixture;
    ControlPropertiesEditor editor(*fixture.form, fixture.Control(0));
    editor.Load();
    editor.AddRecompute(1);
    editor.AddRecompute(1);
    editor.AddRecompute(2);
    EXPECT_EQ(Joined(editor.GetRecomputeRows()), "orders_City;orders_When;");
    FieldRepData* data = fixture.Control(0).GetFieldRepData();
    EXPECT_EQ(data->GetEventRecmpFieldsList().size(), 1u);
    editor.RemoveRecompute(0);
    EXPECT_EQ(Joined(editor.GetRecomputeRows()), "orders_When;");
    editor.RemoveRecompute(0);
    EXPECT_TRUE(data->GetEventRecmpFieldsList().empty());
    editor.RemoveRecompute(0);
    EXPECT_TRUE(editor.GetRecomputeRows().empty());
}

TEST(ControlPropertiesEditorTest, WriteBackStoresTheValuesAndChecksRadioLists)
{
    struct Case
    {
        int kind;
        const char* values;
        const char* texts;
        bool ok;
        const char* message;
    };
    const Case cases[] = {
        {3, "1,2", "One,Two", true, ""},
        {3, "1,2", "One", false, "Please enter equal number of value strings and display strings."},
        {0, "1,2", "One", true, ""},
    };
    for (const Case& test : cases)
    {
        PropertiesFixture fixture;
        ControlPropertiesEditor editor(*fixture.form, fixture.Control(0));
        editor.Load();
        editor.SelectKind(test.kind);
        editor.caption = "Customer";
        editor.valueStrings = test.values;
        editor.displayStrings = test.texts;
        editor.width = 60;
        ScriptedMessageBoxes boxes{IDOK};
        EXPECT_EQ(editor.WriteBack(), test.ok) << test.kind << test.texts;
        const std::vector<std::string> shown = boxes.ShownTexts();
        EXPECT_EQ(shown.empty() ? std::string() : shown[0], test.message);
        const FieldRepData* data = fixture.Control(0).GetFieldRepData();
        EXPECT_EQ(std::string(data->GetCaption()), "Customer");
        EXPECT_EQ(data->GetWidth(), test.kind == 0 ? 60 : 40);
    }
}
// No script string of a classic page holds a line break: a caption or list string with one is
// refused and nothing is stored.
TEST(ControlPropertiesEditorTest, WriteBackRefusesLineBreaksInTheTextsOfClassicScripts)
{
    const struct
    {
        CString ControlPropertiesEditor::*text;
        const char* what;
    } cases[] = {
        {&ControlPropertiesEditor::caption, "caption"},
        {&ControlPropertiesEditor::displayStrings, "display strings"},
        {&ControlPropertiesEditor::valueStrings, "value strings"},
    };
    for (const auto& each : cases)
    {
        PropertiesFixture fixture;
        ControlPropertiesEditor editor(*fixture.form, fixture.Control(0));
        editor.Load();
        editor.SelectKind(FieldRepData::RadioButton);
        editor.caption = "Customer";
        editor.valueStrings = "1,2";
        editor.displayStrings = "One,Two";
        editor.*each.text = "One\nTwo";
        ScriptedMessageBoxes boxes;
        EXPECT_FALSE(editor.WriteBack()) << each.what;
        EXPECT_EQ(boxes.ShownTexts(),
                  std::vector<std::string>{"The " + std::string(each.what) +
                                           " cannot hold a line break: the classic pages write it "
                                           "into a script string.\nPlease enter it on one line."});
        EXPECT_EQ(std::string(fixture.Control(0).GetFieldRepData()->GetCaption()), "Name");
    }
}

TEST(ControlPropertiesEditorTest, FrontAndBackComeFromTheFunctionOutputFields)
{
    PropertiesFixture fixture;
    Class dataClass;
    dataClass.SetName("OrdersData");
    auto* function = new Function;
    function->SetName("SelectAll");
    dataClass.AddFunction(function);
    for (const char* name : {"Name", "City"})
        function->AddOutputField(new ProcedureFieldInfo(fixture.table->FindFieldByName(name), 0));
    FieldRepData* data = fixture.Control(0).GetFieldRepData();
    auto* call = new ClassInvokation;
    call->SetFunction(&dataClass, function);
    data->SetDataCall(call);
    data->SetBackField(fixture.table->FindFieldByName("City"));
    data->SetFrontField(fixture.table->FindFieldByName("When"));
    auto* link = new LinkControl;
    link->SetCaption("Details");
    data->AddLinkControl(link);

    ControlPropertiesEditor editor(*fixture.form, fixture.Control(0));
    editor.Load();
    EXPECT_EQ(std::string(editor.GetFunctionLabel()), "Function : OrdersData.SelectAll");
    EXPECT_EQ(Joined(editor.GetFrontBackItems()), "orders.Name;orders.City;");
    EXPECT_EQ(editor.frontSelection, -1);
    EXPECT_EQ(editor.backSelection, 1);
    // Escape asks about another front or back field picked, not about the stored ones.
    EXPECT_FALSE(editor.HasUnstoredChanges());
    editor.frontSelection = 0;
    EXPECT_TRUE(editor.HasUnstoredChanges());
    EXPECT_TRUE(editor.WriteBack());
    EXPECT_FALSE(editor.HasUnstoredChanges());
    EXPECT_EQ(data->GetFrontField(), fixture.table->FindFieldByName("Name"));
    EXPECT_EQ(data->GetBackField(), fixture.table->FindFieldByName("City"));

    editor.RemoveLink(-1);
    EXPECT_EQ(Joined(editor.GetLinkRows()), "Details;");
    editor.RemoveLink(0);
    EXPECT_TRUE(editor.GetLinkRows().empty());
    editor.RemoveFunction();
    EXPECT_EQ(std::string(editor.GetFunctionLabel()), "Function not assigned.");
    EXPECT_TRUE(editor.GetFrontBackItems().empty());
    EXPECT_EQ(data->GetFrontField(), nullptr);
}
TEST(ControlPropertiesEditorTest, TransactionFieldIsReadOnlyWhenItsControlRecomputes)
{
    std::unique_ptr<Table> table{NewTable("orders", Table::masterKind, {"Name", "City"})};
    Transaction transaction;
    transaction.SetBasicTable(table.get());
    for (const char* name : {"Name", "City"})
        transaction.AddFieldRepForField(table->FindFieldByName(name));
    transaction.CreateAspFile(3, AspFile::transactionOwner);
    FieldRep& name = *transaction.GetFieldReps()[0];
    FieldRep& city = *transaction.GetFieldReps()[1];
    auto* events = new EventRecmpFields;
    events->AddClassRecompute(&city);
    name.GetFieldRepData()->AddEventRecmpFields(events);

    for (FieldRep* control : {&name, &city})
    {
        ControlPropertiesEditor editor(transaction, *control);
        editor.Load();
        editor.UpdateTransactionVisibility();
    }
    const AspFile* file = transaction.FindAspFileByType(3);
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->GetFieldVisibilities().size(), 2u);
    EXPECT_EQ(file->FindFieldVisibility(name.GetField())->GetVisibilityKind(),
              FieldVisibility::ReadOnly);
    EXPECT_EQ(file->FindFieldVisibility(city.GetField())->GetVisibilityKind(),
              FieldVisibility::Editable);
}
TEST(ControlPropertiesEditorTest, CaptionRenamesItsVariableAndOneColumnPagesKeepTheRow)
{
    for (int columns : {1, 2})
    {
        PropertiesFixture fixture;
        fixture.form->SetColumnCount(columns);
        fixture.form->AddVariableForField(fixture.table->FindFieldByName("City"));
        fixture.form->AddVariableForField(fixture.table->FindFieldByName("Name"));
        fixture.Control(0).GetFieldRepData()->SetCaption("Name");
        ControlPropertiesEditor editor(*fixture.form, fixture.Control(0));
        editor.Load();
        EXPECT_EQ(editor.IsSeparateRowEnabled(), columns != 1);
        editor.caption = "Customer Name";
        EXPECT_TRUE(editor.WriteBack());
        const auto& maps = fixture.form->GetFieldVariableMaps();
        EXPECT_EQ(std::string(maps[0]->variable->GetFieldName()), "City");
        EXPECT_EQ(std::string(maps[1]->variable->GetFieldName()), "Customer_Name");
    }
}

// Answers the sub-dialogs: the function dialog chooses a call (or none), the link dialog adds one.
struct RecordingControlPropertiesHost : ControlPropertiesHost
{
    ClassInvokation* chosen = nullptr;
    ClassInvokation* offered = nullptr;
    int linkEdits = 0;

    ClassInvokation* AssignFunction(FormInterface&, ClassInvokation* current) override
    {
        offered = current;
        return std::exchange(chosen, nullptr);
    }
    void EditFieldLinks(FieldRep& control, FormInterface&) override
    {
        ++linkEdits;
        auto* link = new LinkControl;
        link->SetCaption("Open");
        control.GetFieldRepData()->AddLinkControl(link);
    }
};

TEST(ControlPropertiesEditorTest, OkClosesAStandaloneDialogAfterAFailureButKeepsAHostedOneOpen)
{
    struct Case
    {
        bool procedureWithoutFront;
        bool radioMismatch;
        bool hosted;
        bool closes;
        const char* message;
        bool visibilityUpdated;
    };
    const char* const frontBack = "Please assign the front and back fields.";
    const char* const equal = "Please enter equal number of value strings and display strings.";
    const Case cases[] = {
        {false, false, false, true, "", true},
        {false, false, true, true, "", true},
        {true, false, false, true, frontBack, true},
        {true, false, true, false, frontBack, false},
        // The front and back message stops the write-back before the radio check.
        {true, true, true, false, frontBack, false},
        {false, true, false, true, equal, true},
        {false, true, true, false, equal, false},
    };
    for (const Case& test : cases)
    {
        std::unique_ptr<Table> table{NewTable("orders", Table::masterKind, {"Name", "City"})};
        std::unique_ptr<Procedure> procedure{NewProcedure("GetOrders", table.get())};
        Transaction transaction;
        transaction.SetBasicTable(table.get());
        transaction.AddFieldRepForField(table->FindFieldByName("Name"));
        transaction.CreateAspFile(3, AspFile::transactionOwner);
        FieldRep& control = *transaction.GetFieldReps()[0];
        FieldRepData* data = control.GetFieldRepData();
        if (test.procedureWithoutFront)
        {
            auto* call = new ProcedureInvokation;
            call->SetProcedure(procedure.get());
            data->SetDataProcedure(call);
            data->SetBackField(table->FindFieldByName("City"));
        }
        ControlPropertiesEditor editor(transaction, control);
        editor.Load();
        editor.SelectKind(test.radioMismatch ? 3 : 0);
        editor.valueStrings = "1,2";
        editor.displayStrings = "One";
        editor.caption = "Customer";
        ScriptedMessageBoxes boxes{IDOK};
        EXPECT_EQ(editor.Ok(test.hosted), test.closes) << test.message << test.hosted;
        const std::vector<std::string> shown = boxes.ShownTexts();
        EXPECT_EQ(shown.size(), std::string(test.message).empty() ? 0u : 1u);
        EXPECT_EQ(shown.empty() ? std::string() : shown[0], test.message);
        // The values before the checks are stored either way.
        EXPECT_EQ(std::string(data->GetCaption()), "Customer");
        EXPECT_EQ(transaction.FindAspFileByType(3)->GetFieldVisibilities().size(),
                  test.visibilityUpdated ? 1u : 0u);
    }
}

TEST(ControlPropertiesEditorTest, SubDialogsTitleCompulsoryAndControlsWithoutData)
{
    PropertiesFixture fixture;
    Class dataClass;
    dataClass.SetName("OrdersData");
    auto* function = new Function;
    function->SetName("Cities");
    dataClass.AddFunction(function);
    function->AddOutputField(new ProcedureFieldInfo(fixture.table->FindFieldByName("City"), 0));
    fixture.Control(0).GetFieldRepData()->SetCaption("Customer");

    RecordingControlPropertiesHost host;
    ControlPropertiesEditor editor(*fixture.form, fixture.Control(0), &host);
    editor.Load();
    EXPECT_EQ(std::string(editor.GetTitle()), "Control Properties for : Customer");
    EXPECT_TRUE(editor.HasData());

    // Cancelled: nothing changes; chosen: the call is the data's and feeds the combos.
    editor.AssignFunction();
    EXPECT_EQ(fixture.Control(0).GetFieldRepData()->GetDataCall(), nullptr);
    auto* call = new ClassInvokation;
    call->SetFunction(&dataClass, function);
    host.chosen = call;
    editor.AssignFunction();
    EXPECT_EQ(fixture.Control(0).GetFieldRepData()->GetDataCall(), call);
    EXPECT_EQ(Joined(editor.GetStates().GetItems(ControlPropertiesEditor::FrontCombo)),
              "orders.City;");
    editor.AssignFunction();
    EXPECT_EQ(host.offered, call);

    editor.AssignLink();
    EXPECT_EQ(host.linkEdits, 1);
    ASSERT_EQ(editor.GetLinkListRows().size(), 1u);
    EXPECT_EQ(std::string(editor.GetLinkListRows()[0].cells[1]), "Open");
    editor.RemoveLink(1);
    EXPECT_EQ(editor.GetLinkListRows().size(), 1u);

    const bool compulsory = fixture.Control(0).IsMandatory();
    editor.ToggleCompulsory();
    EXPECT_EQ(fixture.Control(0).IsMandatory(), !compulsory);
    EXPECT_EQ(editor.GetStates().IsChecked(ControlPropertiesEditor::CompulsoryCheck), !compulsory);

    // Text Box: front combo and events on, back combo off; Date Control: event controls off.
    struct Case
    {
        int kind;
        bool back;
        bool events;
        bool display;
    };
    for (const Case& test : {Case{0, false, true, false}, Case{1, true, true, false},
                             Case{2, false, false, false}, Case{4, false, true, true}})
    {
        editor.SelectKind(test.kind);
        const ControlStates states = editor.GetStates();
        EXPECT_TRUE(states.IsEnabled(ControlPropertiesEditor::FrontCombo));
        EXPECT_EQ(states.IsEnabled(ControlPropertiesEditor::BackCombo), test.back) << test.kind;
        EXPECT_EQ(states.IsEnabled(ControlPropertiesEditor::DisplayStringsBox), test.display)
            << test.kind;
        for (int id : {ControlPropertiesEditor::EventCombo, ControlPropertiesEditor::CandidateCombo,
                       ControlPropertiesEditor::AddRecomputeButton,
                       ControlPropertiesEditor::RemoveRecomputeButton})
            EXPECT_EQ(states.IsEnabled(id), test.events) << test.kind << " " << id;
    }
    EXPECT_EQ(std::string(editor.GetStates().GetText(ControlPropertiesEditor::AdvancedButton)),
              "Advanced>>");
    editor.ToggleAdvanced();
    EXPECT_EQ(std::string(editor.GetStates().GetText(ControlPropertiesEditor::AdvancedButton)),
              "<<Advanced");

    // Without data nothing can be edited and the title shows the field name.
    fixture.Control(1).SetFieldRepData(nullptr);
    ControlPropertiesEditor bare(*fixture.form, fixture.Control(1), &host);
    bare.Load();
    EXPECT_FALSE(bare.HasData());
    EXPECT_EQ(std::string(bare.GetTitle()), "Control Properties for : City");
    const ControlStates states = bare.GetStates();
    for (int id :
         {ControlPropertiesEditor::CaptionBox, ControlPropertiesEditor::KindCombo,
          ControlPropertiesEditor::WidthBox, ControlPropertiesEditor::ValueStringsBox,
          ControlPropertiesEditor::FrontCombo, ControlPropertiesEditor::BackCombo,
          ControlPropertiesEditor::EventCombo, ControlPropertiesEditor::CandidateCombo,
          ControlPropertiesEditor::SeparateRowCheck, ControlPropertiesEditor::LinkList,
          ControlPropertiesEditor::AssignLinkButton, ControlPropertiesEditor::RemoveLinkButton})
        EXPECT_FALSE(states.IsEnabled(id)) << id;
    // The links live in the data: the link dialog is not opened.
    const int linkEdits = host.linkEdits;
    bare.AssignLink();
    EXPECT_EQ(host.linkEdits, linkEdits);
    bare.AssignFunction();
    EXPECT_EQ(host.offered, call);
    EXPECT_TRUE(bare.Ok(true));
    EXPECT_EQ(fixture.Control(1).GetFieldRepData(), nullptr);

    // The control's own variable stays only on a control without data.
    Variable own;
    for (int index : {0, 1})
    {
        fixture.Control(index).SetVariable(&own);
        ControlPropertiesEditor editor(*fixture.form, fixture.Control(index));
        editor.Load();
        EXPECT_TRUE(editor.Ok(false));
        EXPECT_EQ(fixture.Control(index).GetVariable(), index == 1 ? &own : nullptr) << index;
    }
}
} // namespace

// Escape asks about each box OK stores once it holds what the data does not, naming the
// control by the caption it had; the boxes of another kind and an untouched dialog ask nothing.
TEST(ControlPropertiesEditorTest, EscapeAsksAboutEveryBoxOkWouldStore)
{
    struct Case
    {
        const char* box;
        int kind;
        void (*change)(ControlPropertiesEditor&);
        bool asks;
    };
    const Case cases[] = {
        {"nothing", FieldRepData::TextBox, [](ControlPropertiesEditor&) {}, false},
        {"caption", FieldRepData::TextBox, [](ControlPropertiesEditor& e) { e.caption = "Town"; },
         true},
        {"value strings", FieldRepData::TextBox,
         [](ControlPropertiesEditor& e) { e.valueStrings = "1,2"; }, true},
        {"max length", FieldRepData::TextBox, [](ControlPropertiesEditor& e) { e.maxLength = 9; },
         true},
        {"separate row", FieldRepData::TextBox,
         [](ControlPropertiesEditor& e) { e.separateRow = true; }, true},
        {"width", FieldRepData::TextBox, [](ControlPropertiesEditor& e) { e.width = 61; }, true},
        {"width of a text area", FieldRepData::TextArea,
         [](ControlPropertiesEditor& e) { e.width = 61; }, false},
        {"rows", FieldRepData::TextArea, [](ControlPropertiesEditor& e) { e.rows = 7; }, true},
        {"columns", FieldRepData::TextArea, [](ControlPropertiesEditor& e) { e.columns = 9; },
         true},
        {"display strings", FieldRepData::RadioButton,
         [](ControlPropertiesEditor& e) { e.displayStrings = "One"; }, true},
        {"display strings of a text box", FieldRepData::TextBox,
         [](ControlPropertiesEditor& e) { e.displayStrings = "One"; }, false},
    };
    for (const Case& test : cases)
    {
        PropertiesFixture fixture;
        fixture.Control(1).GetFieldRepData()->SetControlKind(test.kind);
        ControlPropertiesEditor editor(*fixture.form, fixture.Control(1));
        editor.Load();
        test.change(editor);
        EXPECT_EQ(editor.HasUnstoredChanges(), test.asks) << test.box;
        ScriptedMessageBoxes boxes{IDCANCEL};
        EXPECT_EQ(editor.AskAboutChanges(), test.asks ? IDCANCEL : IDNO) << test.box;
        EXPECT_EQ(boxes.ShownTexts(),
                  test.asks ? std::vector<std::string>{"The control \"City\" has not been "
                                                       "updated. Update it?"}
                            : std::vector<std::string>{})
            << test.box;
        // Once stored, nothing is left to ask about.
        ScriptedMessageBoxes none;
        EXPECT_TRUE(editor.WriteBack()) << test.box;
        EXPECT_FALSE(editor.HasUnstoredChanges()) << test.box;
    }
}
