#include "editors/LinkDialogs.h"
#include "editors/ProcedureFieldInfoDlg.h"
#include "editors/RefFieldDialog.h"
#include "editors/VariableDlg.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/LinkControl.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/Module.h"
#include "model/RefField.h"
#include "model/Table.h"
#include "shell/DesignationDlg.h"
#include "tests/shell/ShellTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{
// A small dialog whose boxes add to its list, opened on the base module's first table and its
// form.
struct TypedTextDialog
{
    const char* name;
    std::function<std::unique_ptr<CDialog>(ForgeonProject&, Form&, Table&, Function&)> make;
    // Makes the box take text where a mode must be chosen first.
    std::function<void(DialogDriver&)> prepare;
    int box;
    const char* typed;
    // How many of what the dialog's list shows are named name.
    std::function<std::size_t(Form&, Function&, const CString& name)> count;
    std::string question;
};

// The first master table of the base module that has a master form.
Table& TableWithForm(Module& base)
{
    for (Table* table : base.GetMasterTables())
        if (base.FindMasterFormForTable(table) != nullptr)
            return *table;
    return *base.GetMasterTables().front();
}

// A new project's table with a form, the form, and a function of no output.
struct OpenedProject
{
    RunningProgram program;
    Table& table = TableWithForm(*program.Project().GetBaseModule());
    Form& form = *program.Project().GetBaseModule()->FindMasterFormForTable(&table);
    Function function;
};

std::vector<TypedTextDialog> Dialogs()
{
    const auto none = [](DialogDriver&) {};
    const auto links = [](Form& form, Function&, const CString& name)
    {
        return std::ranges::count_if(form.GetPreLinkList(), [&name](const LinkControl* link)
                                     { return link->GetCaption() == name; }) +
               std::ranges::count_if(form.GetPostLinkList(), [&name](const LinkControl* link)
                                     { return link->GetCaption() == name; });
    };
    return {
        {"Manage Variables",
         [](ForgeonProject& project, Form& form, Table&, Function&) -> std::unique_ptr<CDialog>
         { return std::make_unique<VariableDlg>(project, form.EditFieldVariableMaps(), &form); },
         none, VariableEditor::IDC_NAME, "zip",
         [](Form& form, Function&, const CString& name)
         {
             return std::ranges::count_if(
                 form.EditFieldVariableMaps(), [&name](const FieldVariableMap* map)
                 { return map->variable != nullptr && map->variable->GetFieldName() == name; });
         },
         "The variable \"zip\" has not been added. Add it?"},
        {"Manage Roles",
         [](ForgeonProject& project, Form&, Table&, Function&) -> std::unique_ptr<CDialog>
         { return std::make_unique<DesignationDlg>(project); },
         none, DesignationDlg::IDC_NAME, "Clerk", nullptr,
         "The role \"Clerk\" has not been added. Add it?"},
        {"Linkcontrols for form",
         [](ForgeonProject& project, Form& form, Table&, Function&) -> std::unique_ptr<CDialog>
         { return std::make_unique<LinkControlDlg>(project, form); },
         none, LinkEditor::IDC_CAPTION, "Orders", links,
         "The link \"Orders\" has not been added. Add it?"},
        {"Linkcontrols for field",
         [](ForgeonProject& project, Form& form, Table&, Function&) -> std::unique_ptr<CDialog>
         { return std::make_unique<FieldLinkControlDlg>(project, *form.GetFieldReps()[0], form); },
         none, LinkEditor::IDC_CAPTION, "Orders", links,
         "The link \"Orders\" has not been added. Add it?"},
        {"Manage Reference Fields",
         [](ForgeonProject&, Form& form, Table& table, Function&) -> std::unique_ptr<CDialog>
         { return std::make_unique<RefFieldDialog>(form, &table); },
         none, RefFieldEditor::NameBox, "nick",
         [](Form& form, Function&, const CString& name)
         {
             return std::ranges::count_if(form.GetRefFields(), [&name](const RefField* field)
                                          { return field->GetField()->GetFieldName() == name; });
         },
         "The field \"nick\" has not been added. Add it?"},
        {"Manage function Output Fields",
         [](ForgeonProject& project, Form&, Table&, Function& function) -> std::unique_ptr<CDialog>
         { return std::make_unique<ProcedureFieldInfoDlg>(project, function); },
         [](DialogDriver& user) { ASSERT_TRUE(user.Click(FunctionOutputFields::IDC_ALIAS_MODE)); },
         FunctionOutputFields::IDC_ALIAS_NAME, "total",
         [](Form&, Function& function, const CString& name)
         {
             return std::ranges::count_if(function.GetOutputFields(),
                                          [&name](const ProcedureFieldInfo* column) {
                                              return column->GetField() != nullptr &&
                                                     column->GetField()->GetFieldName() == name;
                                          });
         },
         "The alias field \"total\" has not been added. Add it?"},
    };
}

// Escape or OK: Cancel on the question keeps the dialog open with the text typed, No lets it
// close with nothing added.
TEST(TypedTextDialogsTest, EscapeAndOkAskAboutTextTypedAndNotAdded)
{
    for (const bool escape : {true, false})
        for (const TypedTextDialog& each : Dialogs())
        {
            SCOPED_TRACE(std::string(each.name) + (escape ? ", Escape" : ", OK"));
            OpenedProject opened;
            auto& [program, table, form, function] = opened;
            CString kept;
            bool stayed = false;
            program.boxes.Answer(IDCANCEL);
            program.boxes.Answer(IDNO);
            program.dialogs.Answer(
                [&](CDialog& dialog, DialogDriver& user)
                {
                    each.prepare(user);
                    ASSERT_TRUE(user.SetText(each.box, each.typed));
                    const auto leave = [&]
                    { escape ? user.TypeKeys(each.box, "\x1b") : user.PressOk(); };
                    leave();
                    stayed = dialog.IsEnded() == FALSE;
                    kept = user.GetText(each.box);
                    leave();
                });
            const std::unique_ptr<CDialog> dialog =
                each.make(program.Project(), form, table, function);
            EXPECT_EQ(dialog->DoModal(), escape ? IDCANCEL : IDOK);
            EXPECT_TRUE(stayed);
            EXPECT_EQ(kept, each.typed);
            EXPECT_EQ(program.boxes.ShownTexts(),
                      (std::vector<std::string>{each.question, each.question}));
            if (each.count)
            {
                EXPECT_EQ(each.count(form, function, each.typed), 0);
            }
        }
}

// Yes on Escape's question adds what was typed, and the dialog closes.
TEST(TypedTextDialogsTest, YesOnEscapesQuestionAddsTheTypedName)
{
    OpenedProject opened;
    auto& [program, table, form, function] = opened;
    for (const TypedTextDialog& each : Dialogs())
    {
        // A link needs a menu chosen as well.
        if (each.box == LinkEditor::IDC_CAPTION || !each.count)
            continue;
        SCOPED_TRACE(each.name);
        program.boxes.Answer(IDYES);
        program.dialogs.Answer(
            [&each](CDialog&, DialogDriver& user)
            {
                each.prepare(user);
                ASSERT_TRUE(user.SetText(each.box, each.typed));
                user.TypeKeys(each.box, "\x1b");
            });
        EXPECT_EQ(each.make(program.Project(), form, table, function)->DoModal(), IDCANCEL);
        EXPECT_EQ(each.count(form, function, each.typed), 1);
    }
}
} // namespace
