#include "../platform/ui/LayoutCheck.h"

#include "editors/AdjustFieldRepsDlg.h"
#include "editors/AssignFunctionDlg.h"
#include "editors/FieldRepDlg.h"
#include "editors/FieldVisibilityDlg.h"
#include "editors/LinkDialogs.h"
#include "editors/RefFieldDialog.h"
#include "editors/WarningDlg.h"
#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Function.h"
#include "entities/LinkControl.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/EventRecmpFields.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/FieldVisibility.h"
#include "model/RefField.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogDriver.h"
#include "platform/ui/HeaderCtrl.h"
#include "platform/ui/ListCtrl.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

// The "orders" form shows Name and City (Name with the link "Details"); Kind has no control.
// The orders class has the function "Cities" that outputs Name and City.
class ControlDialogsTest : public ::testing::Test
{
protected:
    ControlDialogsTest()
    {
        table = NewTable("orders", Table::masterKind, {"Name", "City", "Kind"});
        open.Base().AppendMasterTable(table);
        form = NewForm("orders", table);
        open.Base().Append(form);
        form->CreateAspFile(5, AspFile::formOwner);
        for (const char* name : {"Name", "City"})
        {
            form->AddFieldRepForField(table->FindFieldByName(name));
            form->AddVariableForField(table->FindFieldByName(name));
        }
        auto* link = new LinkControl;
        link->SetCaption("Details");
        Name().GetFieldRepData()->AddLinkControl(link);
        Class* data = open.Base().GetClassForTable(table, true);
        // The record functions come first; the user functions follow.
        for (const char* name : {"Insert", "Update", "Delete"})
        {
            auto* record = new Function;
            record->SetName(name);
            data->AddFunction(record);
        }
        function = new Function;
        function->SetName("Cities");
        for (const char* name : {"Name", "City"})
            function->AddOutputField(new ProcedureFieldInfo(table->FindFieldByName(name), 0));
        data->AddFunction(function);
    }

    FieldRep& Name() const { return *form->GetFieldReps()[0]; }

    // The function dialog's script: the orders class, the function called "Cities", Assign, OK.
    void AnswerFunctionWithCities()
    {
        dialogs.Answer(
            [](CDialog& dialog, DialogDriver& user)
            {
                using A = FunctionAssignment;
                auto* classes = dynamic_cast<CComboBox*>(dialog.GetDlgItem(A::IDC_CLASS));
                ASSERT_NE(classes, nullptr);
                ASSERT_GT(classes->GetCount(), 0);
                EXPECT_TRUE(user.Select(A::IDC_CLASS, 0));
                auto* functions = dynamic_cast<CComboBox*>(dialog.GetDlgItem(A::IDC_FUNCTION));
                const int cities = functions->FindStringExact(-1, "Cities");
                ASSERT_GE(cities, 0);
                EXPECT_TRUE(user.Select(A::IDC_FUNCTION, cities));
                EXPECT_TRUE(user.Click(A::IDC_ASSIGN));
                user.PressOk();
            });
    }

    static std::vector<std::string> Rows(CWnd& dialog, int id)
    {
        auto* list = dynamic_cast<CListCtrl*>(dialog.GetDlgItem(id));
        std::vector<std::string> rows;
        for (int row = 0; list != nullptr && row < list->GetItemCount(); ++row)
        {
            std::string text(list->GetItemText(row, 1));
            for (int column = 2; column < list->GetHeaderCtrl()->GetItemCount(); ++column)
                text += "|" + std::string(list->GetItemText(row, column));
            rows.push_back(text);
        }
        return rows;
    }

    static std::string Title(CWnd& window)
    {
        CString title;
        window.GetWindowText(title);
        return std::string(title);
    }

    static bool Visible(CWnd& dialog, int id)
    {
        return dialog.GetDlgItem(id)->GetSafeHwnd()->isVisible();
    }

    OpenBaseModuleProject open;
    Table* table;
    Form* form;
    Function* function;
    ScriptedDialogs dialogs;
};

// The hosted page: a failed write-back keeps "Manage Control Settings" open; the page grows
// and shrinks with its Advanced part and its owner with it.
TEST_F(ControlDialogsTest, ManageControlSettingsEditsTheControlThroughItsPage)
{
    const bool compulsory = Name().IsMandatory();
    dialogs.Answer(
        [&](CDialog& dialog, DialogDriver& owner)
        {
            EXPECT_EQ(Title(dialog), "Manage Control Settings");
            FieldRepDlg* page =
                static_cast<FieldRepPropertiesDlg&>(dialog).Tabs().GetFieldRepPage();
            ASSERT_NE(page, nullptr);
            DialogDriver user(*page);
            EXPECT_EQ(Title(*page), "Control Properties for : Name");
            EXPECT_EQ(GapBelow(*page, ControlPropertiesEditor::AdvancedButton), 10);
            EXPECT_FALSE(Visible(*page, ControlPropertiesEditor::RecomputeList));
            EXPECT_TRUE(Visible(*page, ControlPropertiesEditor::WidthBox));
            EXPECT_EQ(user.GetText(ControlPropertiesEditor::WidthBox), "40");

            // Radio values that do not pair up keep the dialog open.
            EXPECT_TRUE(user.Select(ControlPropertiesEditor::KindCombo, 3));
            EXPECT_FALSE(Visible(*page, ControlPropertiesEditor::WidthBox));
            EXPECT_TRUE(Visible(*page, ControlPropertiesEditor::ValueStringsBox));
            user.SetText(ControlPropertiesEditor::ValueStringsBox, "1,2");
            user.SetText(ControlPropertiesEditor::DisplayStringsBox, "One");
            EXPECT_TRUE(owner.PressOk());
            EXPECT_FALSE(dialog.IsEnded());

            EXPECT_TRUE(user.Select(ControlPropertiesEditor::KindCombo, 1));
            EXPECT_EQ(Name().GetFieldRepData()->GetControlKind(), FieldRepData::ComboBox);
            EXPECT_TRUE(user.Click(ControlPropertiesEditor::AdvancedButton));
            EXPECT_EQ(user.GetText(ControlPropertiesEditor::AdvancedButton), "<<Advanced");
            EXPECT_TRUE(Visible(*page, ControlPropertiesEditor::RecomputeList));
            EXPECT_EQ(GapBelow(*page, ControlPropertiesEditor::RecomputeList), 10);
            // The owner shows the whole page above its buttons.
            CRect pageRect;
            page->GetWindowRect(&pageRect);
            CRect okRect;
            dialog.GetDlgItem(IDOK)->GetWindowRect(&okRect);
            EXPECT_LE(pageRect.bottom, okRect.top);
            KeepGrab(dialog.GetSafeHwnd(), LAYOUT_GRAB_DIR, "manage-control-settings-expanded");

            AnswerFunctionWithCities();
            EXPECT_TRUE(user.Click(ControlPropertiesEditor::AssignFunctionButton));
            EXPECT_EQ(user.GetText(ControlPropertiesEditor::FunctionLabel),
                      "Function : _orders.Cities");
            EXPECT_TRUE(user.Select(ControlPropertiesEditor::FrontCombo, 0));
            EXPECT_TRUE(user.Select(ControlPropertiesEditor::BackCombo, 1));

            EXPECT_TRUE(user.Select(ControlPropertiesEditor::EventCombo, 0));
            EXPECT_TRUE(user.Select(ControlPropertiesEditor::CandidateCombo, 1));
            EXPECT_TRUE(user.Click(ControlPropertiesEditor::AddRecomputeButton));
            EXPECT_TRUE(user.Select(ControlPropertiesEditor::CandidateCombo, 1));
            EXPECT_TRUE(user.Click(ControlPropertiesEditor::AddRecomputeButton));
            EXPECT_EQ(Rows(*page, ControlPropertiesEditor::RecomputeList),
                      (std::vector<std::string>{"orders_City"}));

            // "Remove Link" without a clicked row leaves the links; with one it removes it.
            EXPECT_TRUE(user.Click(ControlPropertiesEditor::RemoveLinkButton));
            EXPECT_EQ(Rows(*page, ControlPropertiesEditor::LinkList),
                      (std::vector<std::string>{"Details"}));
            dialogs.Answer([](CDialog&, DialogDriver& links) { links.PressOk(); });
            EXPECT_TRUE(user.Click(ControlPropertiesEditor::AssignLinkButton));
            EXPECT_TRUE(user.ClickListRow(ControlPropertiesEditor::LinkList, 0, 1));
            EXPECT_TRUE(user.Click(ControlPropertiesEditor::RemoveLinkButton));
            EXPECT_TRUE(Rows(*page, ControlPropertiesEditor::LinkList).empty());

            EXPECT_TRUE(user.Click(ControlPropertiesEditor::CompulsoryCheck));
            EXPECT_EQ(Name().IsMandatory(), !compulsory);
            user.SetText(ControlPropertiesEditor::CaptionBox, "Customer Name");
            EXPECT_TRUE(user.Click(ControlPropertiesEditor::AdvancedButton));
            EXPECT_EQ(GapBelow(*page, ControlPropertiesEditor::AdvancedButton), 10);
            EXPECT_TRUE(owner.PressOk());
        });
    ScriptedMessageBoxes boxes{IDOK};
    FieldRepPropertiesDlg dialog(open.Project(), *form, Name());
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(boxes.ShownTexts(),
              (std::vector<std::string>{
                  "Please enter equal number of value strings and display strings."}));
    EXPECT_EQ(dialogs.Shown(), (std::vector<UINT>{233, 257, 295}));
    EXPECT_EQ(dialogs.UnscriptedCount(), 0u);

    const FieldRepData* data = Name().GetFieldRepData();
    EXPECT_EQ(std::string(data->GetCaption()), "Customer Name");
    EXPECT_EQ(data->GetControlKind(), FieldRepData::ComboBox);
    ASSERT_NE(data->GetDataCall(), nullptr);
    EXPECT_EQ(data->GetDataCall()->GetFunction(), function);
    EXPECT_EQ(data->GetFrontField(), table->FindFieldByName("Name"));
    EXPECT_EQ(data->GetBackField(), table->FindFieldByName("City"));
    EXPECT_TRUE(data->GetLinkControls().empty());
    const EventRecmpFields* events = data->FindEventRecmpFields(ControlPropertiesEditor::OnChange);
    ASSERT_NE(events, nullptr);
    ASSERT_EQ(events->GetClassRecomputes().size(), 1u);
    EXPECT_EQ(events->GetClassRecomputes()[0]->fieldRep, form->GetFieldReps()[1]);
}

// Alone: a failed write-back closes the dialog with the values stored, the transaction's field
// visibility follows; a kind the combo does not offer survives opening and Cancel.
TEST_F(ControlDialogsTest, ControlPropertiesAloneCloseAfterTheirMessage)
{
    Transaction transaction;
    transaction.SetBasicTable(table);
    transaction.AddFieldRepForField(table->FindFieldByName("City"));
    transaction.CreateAspFile(3, AspFile::transactionOwner);
    FieldRep& city = *transaction.GetFieldReps()[0];
    dialogs.Answer(
        [&](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_EQ(Title(dialog), "Control Properties for : City");
            EXPECT_EQ(GapBelow(dialog, ControlPropertiesEditor::AdvancedButton), 10);
            EXPECT_TRUE(user.Click(ControlPropertiesEditor::AdvancedButton));
            EXPECT_EQ(GapBelow(dialog, ControlPropertiesEditor::RecomputeList), 10);
            KeepGrab(dialog.GetSafeHwnd(), LAYOUT_GRAB_DIR, "control-properties-expanded");
            EXPECT_TRUE(user.Select(ControlPropertiesEditor::KindCombo, 3));
            // The Advanced part stays open below the kind's boxes.
            EXPECT_EQ(GapBelow(dialog, ControlPropertiesEditor::RecomputeList), 10);
            user.SetText(ControlPropertiesEditor::ValueStringsBox, "1,2,3");
            user.SetText(ControlPropertiesEditor::DisplayStringsBox, "One,Two");
            user.SetText(ControlPropertiesEditor::CaptionBox, "Town");
            user.PressOk();
        });
    ScriptedMessageBoxes boxes{IDOK};
    FieldRepDlg dialog(open.Project(), transaction, city);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(boxes.ShownTexts().size(), 1u);
    EXPECT_EQ(std::string(city.GetFieldRepData()->GetCaption()), "Town");
    EXPECT_EQ(city.GetFieldRepData()->GetControlKind(), FieldRepData::RadioButton);
    const FieldVisibility* visibility =
        transaction.FindAspFileByType(3)->FindFieldVisibility(city.GetField());
    ASSERT_NE(visibility, nullptr);
    EXPECT_EQ(visibility->GetVisibilityKind(), FieldVisibility::Editable);

    city.GetFieldRepData()->SetControlKind(FieldRepData::Hidden);
    dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            auto* kinds =
                dynamic_cast<CComboBox*>(dialog.GetDlgItem(ControlPropertiesEditor::KindCombo));
            EXPECT_EQ(kinds->GetCurSel(), -1);
            EXPECT_EQ(kinds->GetCount(), 9);
            user.PressCancel();
        });
    FieldRepDlg hidden(open.Project(), transaction, city);
    EXPECT_EQ(hidden.DoModal(), IDCANCEL);
    EXPECT_EQ(city.GetFieldRepData()->GetControlKind(), FieldRepData::Hidden);
}

// Escape and the close box ask about a caption typed and not stored: Cancel keeps the dialog
// open, No drops the caption, Yes stores it as OK does.
TEST_F(ControlDialogsTest, ControlPropertiesAskBeforeEscapeOrTheCloseBoxDropsACaption)
{
    struct Case
    {
        bool closeBox;
        int answer;
        INT_PTR result;
        const char* caption;
    };
    for (const Case& test : {Case{false, IDNO, IDCANCEL, "City"}, Case{false, IDYES, IDOK, "Town"},
                             Case{true, IDNO, IDCANCEL, "City"}, Case{true, IDYES, IDOK, "Town"}})
    {
        FieldRep& city = *form->GetFieldReps()[1];
        city.GetFieldRepData()->SetCaption("City");
        dialogs.Answer(
            [&](CDialog& dialog, DialogDriver& user)
            {
                const auto leave = [&]
                {
                    if (test.closeBox)
                        dialog.GetSafeHwnd()->close();
                    else
                        EXPECT_TRUE(user.TypeKeys(ControlPropertiesEditor::CaptionBox, "\x1b"));
                };
                user.SetText(ControlPropertiesEditor::CaptionBox, "Town");
                // The first question is cancelled: the dialog stays open.
                leave();
                EXPECT_FALSE(dialog.IsEnded());
                leave();
            });
        ScriptedMessageBoxes boxes{IDCANCEL, test.answer};
        FieldRepDlg dialog(open.Project(), *form, city);
        EXPECT_EQ(dialog.DoModal(), test.result);
        EXPECT_EQ(
            boxes.ShownTexts(),
            std::vector<std::string>(2, "The control \"City\" has not been updated. Update it?"));
        EXPECT_EQ(std::string(city.GetFieldRepData()->GetCaption()), test.caption);
    }
    // Nothing changed: Escape closes without a question.
    dialogs.Answer([](CDialog&, DialogDriver& user)
                   { EXPECT_TRUE(user.TypeKeys(ControlPropertiesEditor::CaptionBox, "\x1b")); });
    ScriptedMessageBoxes none;
    FieldRepDlg dialog(open.Project(), *form, Name());
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(none.ShownTexts().empty());
}

TEST_F(ControlDialogsTest, FieldVisibilityIsSetRowByRow)
{
    AspFile* file = form->FindAspFileByType(5);
    ASSERT_NE(file, nullptr);
    dialogs.Answer(
        [&](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_EQ(Title(dialog), "File Properties");
            using V = FieldVisibilityEditor;
            EXPECT_EQ(Rows(dialog, V::FieldList),
                      (std::vector<std::string>{"orders_Name|Editable", "orders_City|Editable"}));
            EXPECT_FALSE(user.Click(V::UpdateButton));
            EXPECT_TRUE(user.ClickListRow(V::FieldList, 0, 1));
            EXPECT_TRUE(user.Click(V::ReadOnlyRadio));
            EXPECT_TRUE(user.Click(V::UpdateButton));
            // The flag stays: the next row updated reads "ReadOnly" too.
            EXPECT_TRUE(user.ClickListRow(V::FieldList, 1, 1));
            EXPECT_TRUE(user.Click(V::UpdateButton));
            EXPECT_EQ(Rows(dialog, V::FieldList),
                      (std::vector<std::string>{"orders_Name|ReadOnly", "orders_City|ReadOnly"}));
            EXPECT_TRUE(user.ClickListRow(V::FieldList, 0, 1));
            EXPECT_TRUE(user.Click(V::InvisibleRadio));
            EXPECT_TRUE(user.Click(V::ClearButton));
            EXPECT_FALSE(user.Click(V::UpdateButton));
            user.SetText(V::TitleBox, "Orders at a glance");
            user.PressCancel();
        });
    FieldVisibilityDlg dialog(*form, file);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(std::string(file->GetTitle()), "Orders at a glance");
    ASSERT_EQ(file->GetFieldVisibilities().size(), 2u);
    for (const FieldVisibility* each : file->GetFieldVisibilities())
        EXPECT_EQ(each->GetVisibilityKind(), FieldVisibility::ReadOnly);

    dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_FALSE(dialog.GetDlgItem(FieldVisibilityEditor::FieldList)->IsWindowEnabled());
            EXPECT_FALSE(user.SetText(FieldVisibilityEditor::TitleBox, "x"));
            user.PressOk();
        });
    FieldVisibilityDlg without(*form, nullptr);
    EXPECT_EQ(without.DoModal(), IDOK);
}

TEST_F(ControlDialogsTest, ReferenceFieldsAreAddedUpdatedAndDeleted)
{
    using R = RefFieldEditor;
    dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_EQ(Title(dialog), "Manage Reference Fields");
            user.SetText(R::NameBox, "Total");
            EXPECT_TRUE(user.Select(R::TypeCombo, 2));
            EXPECT_TRUE(user.Click(R::AddButton));
            // A name differing from a control's field only in case is taken; the same is not.
            user.SetText(R::NameBox, "city");
            EXPECT_TRUE(user.Click(R::AddButton));
            user.SetText(R::NameBox, "Total");
            EXPECT_TRUE(user.Click(R::AddButton));
            EXPECT_EQ(Rows(dialog, R::FieldList),
                      (std::vector<std::string>{"Total|Decimal", "city|int"}));
            EXPECT_TRUE(user.ClickListRow(R::FieldList, 1, 1));
            EXPECT_EQ(user.GetText(R::AddButton), "Update");
            EXPECT_TRUE(user.Select(R::TypeCombo, 4));
            // Enter in the name box updates as the Update button does.
            user.SetText(R::NameBox, "Region");
            EXPECT_TRUE(user.PressKey(R::NameBox, VK_RETURN));
            EXPECT_EQ(user.GetText(R::AddButton), "Add");
            EXPECT_TRUE(user.ClickListRow(R::FieldList, 0, 1));
            EXPECT_TRUE(user.Click(R::DeleteButton));
            EXPECT_EQ(Rows(dialog, R::FieldList), (std::vector<std::string>{"Region|varchar"}));
            user.PressOk();
        });
    ScriptedMessageBoxes boxes{IDOK, IDOK};
    RefFieldDialog dialog(*form, table);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(boxes.ShownTexts(),
              (std::vector<std::string>{"Field with this name exists.",
                                        "Do you want to delete the field \"Total\"?"}));
    ASSERT_EQ(form->GetRefFields().size(), 1u);
    EXPECT_EQ(std::string(form->GetRefFields()[0]->GetField()->GetFieldName()), "Region");
}

TEST_F(ControlDialogsTest, FormControlsAreMadeMovedRemovedAndOpened)
{
    using C = FormControlsEditor;
    dialogs.Answer(
        [&](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_EQ(Title(dialog), "Manage Form Controls");
            EXPECT_FALSE(Visible(dialog, C::HeaderBox));
            EXPECT_EQ(Rows(dialog, C::FieldList),
                      (std::vector<std::string>{"Name", "City", "Kind"}));
            EXPECT_EQ(Rows(dialog, C::ControlList), (std::vector<std::string>{"Name", "City"}));
            EXPECT_TRUE(user.ClickListRow(C::FieldList, 0, 1));
            EXPECT_TRUE(user.Click(C::CreateButton));
            EXPECT_TRUE(user.ClickListRow(C::FieldList, 2, 1));
            EXPECT_TRUE(user.Click(C::CreateButton));
            EXPECT_EQ(Rows(dialog, C::ControlList),
                      (std::vector<std::string>{"Name", "City", "Kind"}));
            EXPECT_TRUE(user.ClickListRow(C::ControlList, 2, 1));
            EXPECT_TRUE(user.Click(C::UpButton));
            EXPECT_TRUE(user.Click(C::UpButton));
            EXPECT_TRUE(user.Click(C::UpButton));
            EXPECT_EQ(Rows(dialog, C::ControlList),
                      (std::vector<std::string>{"Kind", "Name", "City"}));
            dialogs.Answer([](CDialog&, DialogDriver& warning) { warning.PressOk(); });
            EXPECT_TRUE(user.ClickListRow(C::ControlList, 2, 1));
            EXPECT_TRUE(user.Click(C::RemoveButton));
            EXPECT_EQ(Rows(dialog, C::ControlList), (std::vector<std::string>{"Kind", "Name"}));
            dialogs.Answer(
                [](CDialog& properties, DialogDriver& inner)
                {
                    EXPECT_EQ(Title(properties), "Control Properties for : Name");
                    inner.PressCancel();
                });
            EXPECT_TRUE(user.DoubleClickListRow(C::ControlList, 1, 1));
            user.PressOk();
        });
    ScriptedMessageBoxes boxes{IDOK};
    AdjustFieldRepsDlg dialog(open.Project(),
                              {table->FindFieldByName("Name"), table->FindFieldByName("City"),
                               table->FindFieldByName("Kind")},
                              *form, &open.Base());
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(boxes.ShownTexts(),
              (std::vector<std::string>{"Can not create form control for this field."}));
    EXPECT_EQ(dialogs.Shown(), (std::vector<UINT>{194, WarningDlg::IDD, 169}));
    ASSERT_EQ(form->GetFieldReps().size(), 2u);
    EXPECT_EQ(form->GetFieldReps()[0]->GetField(), table->FindFieldByName("Kind"));
    EXPECT_NE(form->FindFieldVariableMapByField(table->FindFieldByName("Kind")), nullptr);

    // A transaction shows the header; special characters are reported and kept.
    Transaction transaction;
    transaction.SetBasicTable(table);
    dialogs.Answer(
        [](CDialog& dialog, DialogDriver& user)
        {
            EXPECT_TRUE(Visible(dialog, C::HeaderBox));
            user.SetText(C::HeaderBox, "Orders & more");
            user.PressOk();
        });
    AdjustFieldRepsDlg header(open.Project(), {table->FindFieldByName("Name")}, transaction,
                              nullptr);
    EXPECT_EQ(header.DoModal(), IDOK);
    EXPECT_EQ(std::string(header.GetHeader()), "Orders & more");
    EXPECT_EQ(boxes.ShownTexts().back(), " Special character in form name. Please check.");
}
} // namespace
