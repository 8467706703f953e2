#include "editors/logic/FormControlsEditor.h"
#include "entities/FormInterface.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/EventRecmpFields.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/editors/logic/EditorTestSupport.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

namespace
{

// A form whose master link field is City.
class LinkedForm : public Form
{
public:
    bool IsMasterLinkField(Field* field) override { return field->GetFieldName() == "City"; }
};

// A page over "orders" with controls for Name, Note (left out by a sync) and Code, Code
// recomputing Name on a change.
struct ControlsFixture
{
    std::unique_ptr<Table> table{
        NewTable("orders", Table::masterKind, {"Name", "City", "Note", "Code"})};
    std::unique_ptr<LinkedForm> form{std::make_unique<LinkedForm>()};
    Module module{"Sales"};
    RecordingHost host;

    ControlsFixture()
    {
        form->SetTable(table.get());
        for (const char* name : {"Name", "Note", "Code"})
            form->AddFieldRepForField(table->FindFieldByName(name));
        form->GetFieldReps()[1]->GetFieldRepData()->SetAddedBySync(true);
        auto* events = new EventRecmpFields;
        events->AddClassRecompute(form->GetFieldReps()[0]);
        form->GetFieldReps()[2]->GetFieldRepData()->AddEventRecmpFields(events);
    }

    std::vector<Field*> Fields() const
    {
        std::vector<Field*> fields;
        for (int i = 0; i < table->GetFieldCount(); ++i)
            fields.push_back(table->GetFieldAt(i));
        return fields;
    }

    int FieldRow(const char* name) const
    {
        const std::vector<Field*> fields = Fields();
        for (size_t i = 0; i < fields.size(); ++i)
            if (fields[i]->GetFieldName() == name)
                return static_cast<int>(i);
        return -1;
    }
};

std::string Controls(const FormControlsEditor& editor)
{
    std::string text;
    for (const ListRow& row : editor.GetControlRows())
        text += std::string(row.cells[1]) + ";";
    return text;
}

TEST(FormControlsEditorTest, CreateControlOnlyWhereThePageAllowsIt)
{
    struct Case
    {
        const char* field;
        const char* message;
        const char* controls;
        size_t pageControls;
    };
    const Case cases[] = {
        {"Name", "Can not create form control for this field.", "Name;Code;", 3},
        {"City", "Can not create form control for this field.", "Name;Code;", 3},
        {"Note", "", "Name;Code;", 3},
        {"orders_id", "", "Name;Code;orders_id;", 4},
    };
    for (const Case& test : cases)
    {
        ControlsFixture fixture;
        FormControlsEditor editor(fixture.Fields(), *fixture.form, &fixture.module, fixture.host);
        editor.Load();
        ASSERT_GE(fixture.FieldRow(test.field), 0) << test.field;
        editor.SelectField(fixture.FieldRow(test.field));
        ScriptedMessageBoxes boxes{IDOK};
        editor.CreateControl();
        const std::vector<std::string> shown = boxes.ShownTexts();
        EXPECT_EQ(shown.empty() ? std::string() : shown[0], test.message) << test.field;
        EXPECT_EQ(Controls(editor), test.controls) << test.field;
        EXPECT_EQ(fixture.form->GetFieldReps().size(), test.pageControls) << test.field;
    }
}

TEST(FormControlsEditorTest, NewControlGetsItsVariable)
{
    ControlsFixture fixture;
    std::vector<Field*> fields = fixture.Fields();
    std::erase_if(fields, [](const Field* field) { return field->GetFieldName() == "City"; });
    auto page = std::make_unique<Form>();
    page->SetTable(fixture.table.get());
    FormControlsEditor editor(fields, *page, nullptr, fixture.host);
    editor.Load();
    editor.SelectField(fixture.FieldRow("Name"));
    editor.CreateControl();
    ASSERT_EQ(page->GetFieldReps().size(), 1u);
    const Variable* variable = page->GetFieldReps()[0]->GetFieldRepData()->GetVariable();
    ASSERT_NE(variable, nullptr);
    EXPECT_EQ(std::string(variable->GetFieldName()), "Name");
    EXPECT_EQ(Controls(editor), "Name;");
}

TEST(FormControlsEditorTest, RemoveAfterTheWarningUnlessUsed)
{
    for (int row : {0, 1})
    {
        ControlsFixture fixture;
        FormControlsEditor editor(fixture.Fields(), *fixture.form, &fixture.module, fixture.host);
        editor.Load();
        editor.SelectControl(row);
        editor.RemoveControl();
        const CString question =
            row == 0 ? "warning Do you really want to remove the Form Control \"Name\"?"
                     : "warning Do you really want to remove the Form Control \"Code\"?";
        EXPECT_EQ(fixture.host.calls, std::vector<CString>{question});
        EXPECT_EQ(Controls(editor), row == 0 ? "Name;Code;" : "Name;") << row;
    }
}

TEST(FormControlsEditorTest, UpAndDownSwapNeighboursAndStopAtTheEnds)
{
    struct Case
    {
        int row;
        bool up;
        const char* controls;
        int selected;
    };
    const Case cases[] = {
        {0, true, "Name;Code;", 0},
        {1, false, "Name;Code;", 1},
        {0, false, "Code;Name;", 1},
        {1, true, "Code;Name;", 0},
    };
    for (const Case& test : cases)
    {
        ControlsFixture fixture;
        FormControlsEditor editor(fixture.Fields(), *fixture.form, &fixture.module, fixture.host);
        editor.Load();
        editor.SelectControl(test.row);
        test.up ? editor.MoveUp() : editor.MoveDown();
        EXPECT_EQ(Controls(editor), test.controls) << test.row << test.up;
        EXPECT_EQ(editor.GetSelectedControl(), test.selected) << test.row << test.up;
    }
}

// The header box of a transaction, typed and not left: OK takes it, Escape asks about it first.
TEST(FormControlsEditorTest, AHeaderTypedAndNotTakenIsTakenByOkAndAskedAboutOnEscape)
{
    ControlsFixture fixture;
    Transaction transaction;
    for (FormInterface* page :
         std::initializer_list<FormInterface*>{fixture.form.get(), &transaction})
    {
        FormControlsEditor editor(fixture.Fields(), *page, &fixture.module, fixture.host);
        editor.Load();
        const bool shown = editor.IsHeaderShown();
        ScriptedMessageBoxes boxes{IDYES};
        EXPECT_EQ(editor.AskAboutHeader(editor.GetStates().GetText(FormControlsEditor::HeaderBox)),
                  IDNO);
        EXPECT_EQ(editor.AskAboutHeader("Orders"), shown ? IDYES : IDNO);
        EXPECT_EQ(boxes.ShownTexts().size(), shown ? 1u : 0u);
        editor.TakeHeader("Orders");
        EXPECT_EQ(editor.GetStates().GetText(FormControlsEditor::HeaderBox) == "Orders", shown);
        EXPECT_EQ(editor.AskAboutHeader("Orders"), IDNO);
    }
}

TEST(FormControlsEditorTest, HeaderWithASpecialCharacterIsReportedAndKept)
{
    ControlsFixture fixture;
    FormControlsEditor editor(fixture.Fields(), *fixture.form, &fixture.module, fixture.host);
    editor.Load();
    EXPECT_FALSE(editor.IsHeaderShown());
    for (const char* header : {"Orders", "Orders#"})
    {
        ScriptedMessageBoxes boxes{IDOK};
        editor.LeaveHeader(header);
        EXPECT_EQ(boxes.ShownTexts().size(), std::string(header) == "Orders" ? 0u : 1u);
        if (!boxes.ShownTexts().empty())
        {
            EXPECT_EQ(boxes.ShownTexts()[0], " Special character in form name. Please check.");
        }
        EXPECT_EQ(std::string(editor.GetStates().GetText(FormControlsEditor::HeaderBox)), header);
    }
}
} // namespace
