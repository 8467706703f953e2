#include "editors/logic/FunctionOutputFields.h"
#include "entities/Class.h"
#include "entities/Function.h"
#include "entities/ProcedureFieldInfo.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/editors/logic/EditorTestSupport.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
using Output = FunctionOutputFields;
using RowCells = std::vector<std::vector<std::string>>;

// A function of the "orders" class that also uses "cities"; both tables carry their default
// columns and two fields of their own.
class FunctionOutputFieldsTest : public ::testing::Test
{
protected:
    FunctionOutputFieldsTest()
    {
        orders = NewTable("orders", Table::masterKind, {"Code", "City"});
        cities = NewTable("cities", Table::masterKind, {"Name", "State"});
        for (Table* table : {orders, cities})
            open.Current().AppendMasterTable(table);
        Class* dataClass = open.Current().GetClassForTable(orders, true);
        function = new Function;
        function->SetName("ByCity");
        function->SetClass(dataClass);
        function->AddUsedTable(cities);
        dataClass->AddFunction(function);
        dialog = std::make_unique<Output>(open.project, *function);
        dialog->Open();
    }

    RowCells Cells() const
    {
        RowCells cells;
        for (const ListRow& row : dialog->GetOutputRows())
            cells.push_back({row.cells.begin(), row.cells.end()});
        return cells;
    }
    static std::string Name(const Field* field) { return std::string(field->GetFieldName()); }
    int FieldIndex(const Table* table, const char* name) const
    {
        const auto& fields = table->GetFields();
        for (size_t i = 0; i < fields.size(); ++i)
            if (fields[i]->GetFieldName() == name)
                return static_cast<int>(i);
        return -1;
    }
    void AddField(int table, const Table* from, const char* name)
    {
        dialog->ChooseTable(table);
        dialog->ChooseField(FieldIndex(from, name));
        dialog->Add();
    }
    void AddAlias(const char* name, int type)
    {
        dialog->States().SetText(Output::IDC_ALIAS_NAME, name);
        dialog->States().Select(Output::IDC_ALIAS_TYPE, type);
        dialog->AddOrUpdateAlias();
    }
    bool Enabled(int id) { return dialog->States().IsEnabled(id); }

    OpenNewProject open;
    Table* orders;
    Table* cities;
    Function* function;

    std::unique_ptr<Output> dialog;
    ScriptedMessageBoxes boxes;
};

TEST_F(FunctionOutputFieldsTest, TablesAndTableFields)
{
    EXPECT_EQ(dialog->States().GetItems(Output::IDC_TABLE),
              (std::vector<CString>{"orders", "cities"}));
    EXPECT_EQ(dialog->States().GetSelection(Output::IDC_ALIAS_TYPE), 0);

    AddField(0, orders, "City");
    AddField(1, cities, "Name");
    AddField(0, orders, "City");
    EXPECT_EQ(Cells(), (RowCells{{"City", ""}, {"Name", ""}}));
    EXPECT_EQ(Texts(boxes), std::vector<std::string>{"Field info exists."});
    EXPECT_EQ(dialog->States().GetSelection(Output::IDC_FIELD), FieldIndex(orders, "City"));

    // "Add All" skips the soft-delete column and the fields present.
    dialog->ChooseTable(-1);
    dialog->AddAll();
    EXPECT_EQ(Texts(boxes).back(), "Please select a table.");
    dialog->ChooseTable(0);
    dialog->AddAll();
    RowCells expected{{"City", ""}, {"Name", ""}};
    for (const Field* field : orders->GetFields())
        if (Name(field).find("Is_Deleted") == std::string::npos && Name(field) != "City")
            expected.push_back({Name(field), ""});
    EXPECT_EQ(Cells(), expected);
    ASSERT_NE(FieldIndex(orders, "Is_Deleted"), -1);
    EXPECT_EQ(function->GetOutputFields().size(), expected.size());
}

TEST_F(FunctionOutputFieldsTest, AliasFieldsAddAndUpdate)
{
    AddField(0, orders, "City");
    dialog->ToggleAliasMode();
    AddAlias("Total", 2);
    AddAlias("City", 4);
    AddAlias("Total", 0);
    AddAlias("", 0);
    EXPECT_EQ(Cells(), (RowCells{{"City", ""}, {"Total", "Decimal"}, {"City", "varchar"}}));
    EXPECT_EQ(Texts(boxes), std::vector<std::string>{"Field with this name exists."});
    EXPECT_EQ(function->GetAliasFields().size(), 2u);

    dialog->DoubleClickRow(1);
    EXPECT_EQ(dialog->States().GetText(Output::IDC_ALIAS_NAME), "Total");
    EXPECT_EQ(dialog->States().GetText(Output::IDC_ALIAS_ADD), "Update");
    EXPECT_TRUE(dialog->States().IsChecked(Output::IDC_ALIAS_MODE));
    AddAlias("Sum_Total", 1);
    EXPECT_EQ(Cells(), (RowCells{{"City", ""}, {"Sum_Total", "float"}, {"City", "varchar"}}));
    EXPECT_EQ(function->GetAliasFields()[0]->GetDisplayName(), "Sum Total");
    EXPECT_EQ(dialog->States().GetText(Output::IDC_ALIAS_ADD), "Add");
    EXPECT_EQ(dialog->States().GetText(Output::IDC_ALIAS_NAME), "");
    EXPECT_EQ(dialog->States().GetSelection(Output::IDC_ALIAS_TYPE), 0);
}

TEST_F(FunctionOutputFieldsTest, EnabledStatesFollowTheModeAndTheSelection)
{
    AddField(0, orders, "City");
    dialog->ToggleAliasMode();
    AddAlias("Total", 2);
    dialog->ToggleAliasMode();
    const int tableIds[] = {Output::IDC_TABLE, Output::IDC_FIELD, Output::IDC_ADD,
                            Output::IDC_ADD_ALL};
    const int aliasIds[] = {Output::IDC_ALIAS_NAME, Output::IDC_ALIAS_TYPE, Output::IDC_ALIAS_ADD};
    // Each step: table controls, alias controls, "Delete".
    const struct
    {
        const char* step;
        bool table, alias, remove;
    } states[] = {
        {"open", true, false, false},      {"alias mode", false, true, false},
        {"table row", false, false, true}, {"clear", true, false, false},
        {"alias row", false, true, true},  {"clear", false, true, false},
    };
    for (const auto& state : states)
    {
        const std::string step = state.step;
        if (step == "alias mode")
            dialog->ToggleAliasMode();
        else if (step == "table row")
            dialog->DoubleClickRow(0);
        else if (step == "alias row")
            dialog->DoubleClickRow(1);
        else if (step == "clear")
            dialog->Clear();
        for (int id : tableIds)
            EXPECT_EQ(Enabled(id), state.table) << step << id;
        for (int id : aliasIds)
            EXPECT_EQ(Enabled(id), state.alias) << step << id;
        EXPECT_EQ(Enabled(Output::IDC_DELETE), state.remove) << step;
    }
}

TEST_F(FunctionOutputFieldsTest, DeleteAsksAndIsRefusedWhileAPageUsesTheColumn)
{
    AddField(0, orders, "City");
    AddField(0, orders, "Code");
    Form* page = NewForm("orderPage", orders);
    open.Current().Append(page);
    auto* control = new FieldRep(orders->GetFields()[FieldIndex(orders, "Code")]);
    control->SetFieldRepData(new FieldRepData);
    control->GetFieldRepData()->SetFrontField(function->GetOutputFields()[0]->GetField());
    page->AddFieldRep(control);

    // Each: the row, the answer to the question, the rows after.
    const struct
    {
        int row, answer;
        RowCells rows;
    } steps[] = {
        {1, IDCANCEL, {{"City", ""}, {"Code", ""}}},
        {0, IDOK, {{"City", ""}, {"Code", ""}}},
        {1, IDOK, {{"City", ""}}},
    };
    for (const auto& step : steps)
    {
        boxes.Answer(step.answer);
        dialog->DoubleClickRow(step.row);
        dialog->Delete();
        EXPECT_EQ(Cells(), step.rows) << step.row;
        EXPECT_FALSE(Enabled(Output::IDC_DELETE));
    }
    const auto texts = Texts(boxes);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], "Do you want to delete output field \"Code\"?");
    EXPECT_NE(texts[2].find("Function Field is used in orderPage"), std::string::npos) << texts[2];
}

TEST_F(FunctionOutputFieldsTest, PreparedColumnsNeverStoredAreFreed)
{
    // Preparing one column after another and closing leaves the function as it was; the
    // sanitizer build sees any column left behind.
    dialog->ChooseTable(0);
    for (int index = 0; index < 3; ++index)
    {
        dialog->ChooseField(index);
        EXPECT_EQ(dialog->GetPrepared()->GetField(), orders->GetFields()[index]);
    }
    EXPECT_TRUE(function->GetOutputFields().empty());
    dialog->Add();
    EXPECT_EQ(dialog->GetPrepared(), nullptr);
    EXPECT_EQ(Cells(), (RowCells{{Name(orders->GetFields()[2]), ""}}));
}
} // namespace
