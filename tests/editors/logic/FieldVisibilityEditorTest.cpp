#include "editors/logic/FieldVisibilityEditor.h"
#include "entities/AspFile.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/VisibilityData.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{

// An update page of "orders" with controls for Name, City and Note (Note added by a sync, so
// left out), City read-only and Note carrying visibility data.
struct VisibilityFixture
{
    std::unique_ptr<Table> table{NewTable("orders", Table::masterKind, {"Name", "City", "Note"})};
    std::unique_ptr<Form> form{NewForm("OrderForm", table.get())};
    AspFile* file = nullptr;

    VisibilityFixture()
    {
        for (const char* name : {"Name", "City", "Note"})
            form->AddFieldRepForField(table->FindFieldByName(name));
        form->GetFieldReps()[2]->GetFieldRepData()->SetAddedBySync(true);
        form->CreateAspFile(7, AspFile::formOwner);
        file = form->GetAspFileAt(0);
        auto* city = new FieldVisibility(table->FindFieldByName("City"));
        city->SetVisibilityKind(FieldVisibility::ReadOnly);
        file->AddFieldVisibility(city);
    }

    std::string Properties(const FieldVisibilityEditor& editor) const
    {
        std::string text;
        for (const ListRow& row : editor.GetRows())
            text += std::string(row.cells[1]) + "=" + std::string(row.cells[2]) + ";";
        return text;
    }
};

std::string Checks(const FieldVisibilityEditor& editor)
{
    std::string text;
    for (int id : {FieldVisibilityEditor::EditableRadio, FieldVisibilityEditor::ReadOnlyRadio,
                   FieldVisibilityEditor::InvisibleRadio})
        text += editor.GetStates().IsChecked(id) ? '1' : '0';
    return text;
}

TEST(FieldVisibilityEditorTest, OpensWithTheFileOrDisabledWithout)
{
    VisibilityFixture fixture;
    FieldVisibilityEditor editor(*fixture.form, fixture.file);
    editor.Load();
    EXPECT_EQ(fixture.Properties(editor), "orders_Name=Editable;orders_City=ReadOnly;");
    EXPECT_EQ(std::string(editor.GetStates().GetText(FieldVisibilityEditor::TitleBox)),
              "UPDATE ORDERS");
    for (int id : {FieldVisibilityEditor::EditableRadio, FieldVisibilityEditor::UpdateButton,
                   FieldVisibilityEditor::ClearButton})
        EXPECT_FALSE(editor.GetStates().IsEnabled(id)) << id;
    EXPECT_TRUE(editor.GetStates().IsEnabled(FieldVisibilityEditor::FieldList));

    FieldVisibilityEditor without(*fixture.form, nullptr);
    without.Load();
    EXPECT_TRUE(without.GetRows().empty());
    EXPECT_FALSE(without.GetStates().IsEnabled(FieldVisibilityEditor::FieldList));
    EXPECT_FALSE(without.GetStates().IsEnabled(FieldVisibilityEditor::TitleBox));
    without.SelectRow(0);
    EXPECT_EQ(without.GetCurrent(), nullptr);
}

// Each case: radios toggled (0 none), row selected and updated, and the rows afterwards.
struct RadioCase
{
    const char* name;
    std::vector<int> clicksBefore;
    int row;
    std::vector<int> clicksAfterSelect;
    const char* checksAfterSelect;
    const char* expected;
};

TEST(FieldVisibilityEditorTest, UpdateStoresTheFlagSetWhateverTheButtonsShow)
{
    const RadioCase cases[] = {
        {"no radio stores Editable",
         {},
         0,
         {},
         "100",
         "orders_Name=Editable;orders_City=ReadOnly;"},
        {"read only click",
         {},
         0,
         {FieldVisibilityEditor::ReadOnlyRadio},
         "100",
         "orders_Name=ReadOnly;orders_City=ReadOnly;"},
        {"earlier flag applies to the next row",
         {FieldVisibilityEditor::InvisibleRadio},
         1,
         {},
         "010",
         "orders_Name=Editable;orders_City=Invisible;"},
        {"flag toggled off keeps the kind",
         {},
         1,
         {FieldVisibilityEditor::EditableRadio, FieldVisibilityEditor::EditableRadio},
         "010",
         "orders_Name=Editable;orders_City=ReadOnly;"},
        {"last click wins",
         {},
         0,
         {FieldVisibilityEditor::EditableRadio, FieldVisibilityEditor::InvisibleRadio},
         "100",
         "orders_Name=Invisible;orders_City=ReadOnly;"},
    };
    for (const RadioCase& test : cases)
    {
        VisibilityFixture fixture;
        FieldVisibilityEditor editor(*fixture.form, fixture.file);
        editor.Load();
        for (int id : test.clicksBefore)
            editor.ToggleRadio(id);
        editor.SelectRow(test.row);
        EXPECT_EQ(Checks(editor), test.checksAfterSelect) << test.name;
        EXPECT_TRUE(editor.GetStates().IsEnabled(FieldVisibilityEditor::UpdateButton)) << test.name;
        for (int id : test.clicksAfterSelect)
            editor.ToggleRadio(id);
        editor.Update();
        EXPECT_EQ(fixture.Properties(editor), test.expected) << test.name;
        EXPECT_EQ(fixture.file->GetFieldVisibilities().size(), test.row == 0 ? 2u : 1u)
            << test.name;
        EXPECT_EQ(Checks(editor), "000") << test.name;
        EXPECT_FALSE(editor.GetStates().IsEnabled(FieldVisibilityEditor::ReadOnlyRadio))
            << test.name;
    }
}

TEST(FieldVisibilityEditorTest, RadiosAreExclusiveAndClickingTwiceClears)
{
    VisibilityFixture fixture;
    FieldVisibilityEditor editor(*fixture.form, fixture.file);
    editor.Load();
    editor.ToggleRadio(FieldVisibilityEditor::ReadOnlyRadio);
    editor.ToggleRadio(FieldVisibilityEditor::InvisibleRadio);
    EXPECT_EQ(Checks(editor), "001");
    EXPECT_FALSE(editor.IsFlagSet(FieldVisibilityEditor::ReadOnlyRadio));
    editor.ToggleRadio(FieldVisibilityEditor::InvisibleRadio);
    EXPECT_EQ(Checks(editor), "000");
    EXPECT_FALSE(editor.IsFlagSet(FieldVisibilityEditor::InvisibleRadio));
}

TEST(FieldVisibilityEditorTest, ClearCancelAndDataRecordsLeaveTheFileUnchanged)
{
    VisibilityFixture fixture;
    {
        FieldVisibilityEditor editor(*fixture.form, fixture.file);
        editor.Load();
        editor.SelectRow(0);
        editor.ToggleRadio(FieldVisibilityEditor::InvisibleRadio);
        editor.Clear();
        EXPECT_EQ(Checks(editor), "000");
        EXPECT_TRUE(editor.IsFlagSet(FieldVisibilityEditor::InvisibleRadio));
        EXPECT_EQ(editor.GetSelectedRow(), -1);
        EXPECT_FALSE(editor.GetStates().IsEnabled(FieldVisibilityEditor::ClearButton));
        editor.Close();
        EXPECT_EQ(editor.GetCurrent(), nullptr);
    }
    EXPECT_EQ(fixture.file->GetFieldVisibilities().size(), 1u);

    fixture.file->FindFieldVisibility(fixture.table->FindFieldByName("City"))
        ->SetVisibilityData(new VisibilityData);
    FieldVisibilityEditor editor(*fixture.form, fixture.file);
    editor.Load();
    EXPECT_EQ(fixture.Properties(editor),
              "orders_Name=Editable;orders_City=Visibility depends on Data;");
    editor.ToggleRadio(FieldVisibilityEditor::InvisibleRadio);
    editor.SelectRow(1);
    EXPECT_FALSE(editor.GetStates().IsEnabled(FieldVisibilityEditor::InvisibleRadio));
    EXPECT_TRUE(editor.GetStates().IsEnabled(FieldVisibilityEditor::UpdateButton));
    editor.Update();
    EXPECT_EQ(fixture.file->GetFieldVisibilities()[0]->GetVisibilityKind(),
              FieldVisibility::ReadOnly);
}

TEST(FieldVisibilityEditorTest, LeavingTheTitleBoxRetitlesTheFile)
{
    VisibilityFixture fixture;
    FieldVisibilityEditor editor(*fixture.form, fixture.file);
    editor.Load();
    editor.LeaveTitle("Change order");
    EXPECT_EQ(std::string(fixture.file->GetPageTitle()), "Change order");
}

// A title typed in a box that was not left: OK takes it, Escape asks about it first; the title
// shown as loaded is neither taken nor asked about.
TEST(FieldVisibilityEditorTest, ATitleTypedAndNotTakenIsTakenByOkAndAskedAboutOnEscape)
{
    VisibilityFixture fixture;
    FieldVisibilityEditor editor(*fixture.form, fixture.file);
    editor.Load();
    const CString stored = fixture.file->GetTitle();
    const CString shown = editor.GetStates().GetText(FieldVisibilityEditor::TitleBox);
    ScriptedMessageBoxes boxes{IDCANCEL};
    EXPECT_EQ(editor.AskAboutTitle(shown), IDNO);
    editor.TakeTitle(shown);
    EXPECT_EQ(fixture.file->GetTitle(), stored);
    EXPECT_EQ(editor.AskAboutTitle("Change order"), IDCANCEL);
    EXPECT_EQ(boxes.ShownTexts(),
              std::vector<std::string>{
                  "The page title \"Change order\" has not been updated. Update it?"});
    editor.TakeTitle("Change order");
    EXPECT_EQ(std::string(fixture.file->GetPageTitle()), "Change order");
    EXPECT_EQ(editor.AskAboutTitle("Change order"), IDNO);
}
} // namespace
