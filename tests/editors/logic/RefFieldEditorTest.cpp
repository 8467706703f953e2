#include "editors/logic/RefFieldEditor.h"
#include "model/RefField.h"
#include "platform/core/MessageBox.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{

// A page over "orders" with controls for Name and a_b, and reference fields Total (orders,
// decimal), Stock (items, int) and Price (orders, float).
struct RefFieldFixture
{
    std::unique_ptr<Table> orders{NewTable("orders", Table::masterKind, {"Name", "a_b"})};
    std::unique_ptr<Table> items{NewTable("items", Table::masterKind, {})};
    std::unique_ptr<Form> form{NewForm("OrderForm", orders.get())};

    RefFieldFixture()
    {
        form->AddFieldRepForField(orders->FindFieldByName("Name"));
        form->AddFieldRepForField(orders->FindFieldByName("a_b"));
        Add("Total", 2, orders.get());
        Add("Stock", 0, items.get());
        Add("Price", 1, orders.get());
    }

    void Add(const char* name, int type, Table* table)
    {
        auto* field = new Field;
        field->SetFieldName(name);
        field->SetType(type);
        form->AddRefField(new RefField(field, table));
    }
};

std::string Rows(const RefFieldEditor& editor)
{
    std::string text;
    for (const ListRow& row : editor.GetRows())
        text += std::string(row.cells[1]) + ":" + std::string(row.cells[2]) + ";";
    return text;
}

TEST(RefFieldEditorTest, OpensWithTheTableRowsOnly)
{
    RefFieldFixture fixture;
    RefFieldEditor editor(*fixture.form, fixture.orders.get());
    editor.Load();
    EXPECT_EQ(Rows(editor), "Total:Decimal;Price:float;");
    EXPECT_EQ(std::string(editor.GetStates().GetText(RefFieldEditor::TableLabel)),
              "Table : orders");
    EXPECT_EQ(editor.GetStates().GetSelection(RefFieldEditor::TypeCombo), 0);
    EXPECT_TRUE(editor.GetStates().IsChecked(RefFieldEditor::ValidateCheck));
    EXPECT_FALSE(editor.GetStates().IsEnabled(RefFieldEditor::DeleteButton));
    editor.SelectRow(1);
    EXPECT_EQ(std::string(editor.GetStates().GetText(RefFieldEditor::NameBox)), "Price");
    EXPECT_EQ(editor.GetStates().GetSelection(RefFieldEditor::TypeCombo), 1);
    EXPECT_EQ(std::string(editor.GetStates().GetText(RefFieldEditor::AddButton)), "Update");
    EXPECT_TRUE(editor.GetStates().IsEnabled(RefFieldEditor::DeleteButton));
}

// Each case: row loaded (-1 adds), name and type typed, messages, and the rows afterwards.
struct AddCase
{
    const char* name;
    int row;
    const char* typed;
    int type;
    const char* message;
    const char* expected;
};

TEST(RefFieldEditorTest, AddAndUpdateByName)
{
    const AddCase cases[] = {
        {"added", -1, "Qty", 0, "", "Total:Decimal;Price:float;Qty:int;"},
        {"case differs from a control", -1, "name", 4, "",
         "Total:Decimal;Price:float;name:varchar;"},
        {"taken by a control", -1, "Name", 0, "Field with this name exists.",
         "Total:Decimal;Price:float;"},
        {"taken by another table's field", -1, "Stock", 0, "Field with this name exists.",
         "Total:Decimal;Price:float;"},
        {"empty name", -1, "", 0, "", "Total:Decimal;Price:float;"},
        {"no type", -1, "Qty", -1, "", "Total:Decimal;Price:float;"},
        {"renamed and retyped", 1, "Cost", 6, "", "Total:Decimal;Cost:text;"},
        {"taken name kept silently", 1, "Total", 5, "", "Total:Decimal;Price:DateTime;"},
        {"the id of a control", -1, "a-b", 0,
         "The generated page names this field as the field \"a_b\". Please enter another name.",
         "Total:Decimal;Price:float;"},
        {"the id of a control on update", 1, "a b", 0,
         "The generated page names this field as the field \"a_b\". Please enter another name.",
         "Total:Decimal;Price:float;"},
        {"free text whose id is its own", -1, "<b>x</b>", 0, "",
         "Total:Decimal;Price:float;<b>x</b>:int;"},
        {"a line separator", -1, "Q\u2028ty", 0,
         "The name \"Q\\xE2\\x80\\xA8ty\" cannot be taken: it holds control characters.\nPlease "
         "enter another name.",
         "Total:Decimal;Price:float;"},
    };
    for (const AddCase& test : cases)
    {
        RefFieldFixture fixture;
        RefFieldEditor editor(*fixture.form, fixture.orders.get());
        editor.Load();
        if (test.row >= 0)
            editor.SelectRow(test.row);
        editor.SetName(test.typed);
        editor.SelectType(test.type);
        ScriptedMessageBoxes boxes{IDOK};
        editor.AddOrUpdate();
        const std::vector<std::string> shown = boxes.ShownTexts();
        EXPECT_EQ(shown.empty() ? std::string() : shown[0], test.message) << test.name;
        EXPECT_EQ(Rows(editor), test.expected) << test.name;
        EXPECT_EQ(fixture.form->GetRefFields()[1]->GetTable(), fixture.items.get()) << test.name;
    }
}

TEST(RefFieldEditorTest, AddedFieldTakesTheValidateFlagAndEditorsClear)
{
    RefFieldFixture fixture;
    RefFieldEditor editor(*fixture.form, fixture.orders.get());
    editor.Load();
    editor.SetName("Qty");
    editor.SelectType(3);
    editor.ToggleValidate();
    editor.AddOrUpdate();
    const RefField* added = fixture.form->GetRefFields().back();
    EXPECT_FALSE(added->GetValidate());
    EXPECT_EQ(added->GetTable(), fixture.orders.get());
    EXPECT_FALSE(std::string(added->GetField()->GetDisplayName()).empty());
    EXPECT_EQ(std::string(editor.GetStates().GetText(RefFieldEditor::NameBox)), "");
    EXPECT_EQ(editor.GetStates().GetSelection(RefFieldEditor::TypeCombo), 0);
}

TEST(RefFieldEditorTest, DeleteAsksFirst)
{
    for (int answer : {IDCANCEL, IDOK})
    {
        RefFieldFixture fixture;
        RefFieldEditor editor(*fixture.form, fixture.orders.get());
        editor.Load();
        editor.SelectRow(1);
        ScriptedMessageBoxes boxes{answer};
        editor.Delete();
        EXPECT_EQ(boxes.ShownTexts(),
                  std::vector<std::string>{"Do you want to delete the field \"Price\"?"});
        EXPECT_EQ(Rows(editor), answer == IDOK ? "Total:Decimal;" : "Total:Decimal;Price:float;");
        EXPECT_EQ(fixture.form->GetRefFields().size(), answer == IDOK ? 2u : 3u);
    }
    RefFieldFixture fixture;
    RefFieldEditor editor(*fixture.form, fixture.orders.get());
    editor.Load();
    ScriptedMessageBoxes boxes;
    editor.Delete();
    EXPECT_TRUE(boxes.ShownTexts().empty());
}
} // namespace
