#include "editors/logic/VariableEditor.h"
#include "entities/Form.h"
#include "entities/Variable.h"
#include "model/FieldRep.h"
#include "tests/editors/logic/EditorTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

FieldVariableMap* AddMap(Form& page, const char* name, int kind, Field* field = nullptr)
{
    auto* variable = new Variable();
    variable->SetName(name);
    variable->SetValue("v");
    variable->SetKind(kind);
    auto* map = new FieldVariableMap{field, variable};
    page.AddFieldVariableMap(map);
    return map;
}

std::vector<CString> Names(const Form& page)
{
    std::vector<CString> names;
    for (const FieldVariableMap* map : page.GetFieldVariableMaps())
        names.push_back(map->variable->GetFieldName());
    return names;
}
} // namespace

TEST(VariableEditorTest, OpeningTakesOutAndFreesTheSoftDeleteVariables)
{
    OpenNewProject open;
    Form page;
    AddMap(page, "customer_Is_Deleted", Variable::pageKind);
    AddMap(page, "city", Variable::pageKind);
    AddMap(page, "Is_Deleted", Variable::pageKind);
    VariableEditor editor(open.project, page.EditFieldVariableMaps(), &page);
    editor.Open();
    EXPECT_EQ(std::vector<CString>{"city"}, Names(page));
    ASSERT_EQ(1u, editor.GetRows().size());
    EXPECT_EQ((std::vector<CString>{"", "city", "v"}), editor.GetRows()[0].cells);
    EXPECT_TRUE(editor.States().IsChecked(VariableEditor::IDC_INPUT));
    EXPECT_FALSE(editor.States().IsChecked(VariableEditor::IDC_LOCAL));
}

TEST(VariableEditorTest, AddAndUpdateMakeInputVariablesAndAnEmptyNameIsRefused)
{
    OpenNewProject open;
    Form page;
    AddMap(page, "p", Variable::parameterKind);
    VariableEditor editor(open.project, page.EditFieldVariableMaps(), &page);
    editor.Open();
    ScriptedMessageBoxes boxes;
    editor.AddOrUpdate();
    EXPECT_EQ(std::vector<std::string>{"Please enter valid variable name."}, Texts(boxes));
    editor.States().SetText(VariableEditor::IDC_NAME, "q\u202E");
    editor.AddOrUpdate();
    EXPECT_EQ(Texts(boxes).back(), "The name \"q\\xE2\\x80\\xAE\" cannot be taken: it holds "
                                   "control characters.\nPlease enter another name.");
    EXPECT_EQ(editor.GetRows().size(), 1u);
    for (const char* name : {"q-r", "q r", "order", "9q"})
    {
        editor.States().SetText(VariableEditor::IDC_NAME, name);
        editor.AddOrUpdate();
        EXPECT_EQ(Texts(boxes).back().rfind(
                      "The name \"" + std::string(name) + "\" cannot be taken: it ", 0),
                  0u)
            << Texts(boxes).back();
        EXPECT_EQ(editor.GetRows().size(), 1u);
    }
    editor.States().SetText(VariableEditor::IDC_NAME, "q");
    editor.States().SetText(VariableEditor::IDC_DEFAULT_VALUE, "a\r\nb");
    editor.AddOrUpdate();
    EXPECT_EQ(Texts(boxes).back(), "The default value cannot hold a line break: the classic pages "
                                   "write it into a script string.\nPlease enter it on one line.");
    EXPECT_EQ(editor.GetRows().size(), 1u);
    editor.States().SetText(VariableEditor::IDC_DEFAULT_VALUE, "1");
    editor.AddOrUpdate();
    editor.ClickRow(0);
    EXPECT_TRUE(editor.States().IsChecked(VariableEditor::IDC_LOCAL));
    EXPECT_EQ("Update", editor.States().GetText(VariableEditor::IDC_ADD));
    editor.States().SetText(VariableEditor::IDC_NAME, "p2");
    editor.AddOrUpdate();
    EXPECT_EQ((std::vector<CString>{"p2", "q"}), Names(page));
    for (const FieldVariableMap* map : page.GetFieldVariableMaps())
        EXPECT_EQ(Variable::pageKind, map->variable->GetKind());
    EXPECT_EQ("Add", editor.States().GetText(VariableEditor::IDC_ADD));
    EXPECT_FALSE(editor.States().IsEnabled(VariableEditor::IDC_DELETE));
    editor.ClickRow(-1);
    EXPECT_TRUE(editor.States().IsChecked(VariableEditor::IDC_INPUT));
}

TEST(VariableEditorTest, DeleteAsksAndNeverDeletesAGlobalOrAShownVariable)
{
    struct Case
    {
        int kind;
        bool shownByControl;
        std::vector<int> answers;
        std::vector<std::string> boxes;
        bool deleted;
    };
    const Case cases[] = {
        {Variable::pageKind, false, {IDOK}, {"Do you want to delete variable \"city\"?"}, true},
        {Variable::pageKind,
         false,
         {IDCANCEL},
         {"Do you want to delete variable \"city\"?"},
         false},
        {Variable::sharedKind,
         false,
         {IDOK, IDOK},
         {"Do you want to delete variable \"city\"?", "Variable not free for deletion"},
         false},
        {Variable::pageKind,
         true,
         {IDOK, IDOK},
         {"Do you want to delete variable \"city\"?", "Variable not free for deletion"},
         false},
    };
    for (const Case& c : cases)
    {
        OpenNewProject open;
        Form page;
        FieldVariableMap* map = AddMap(page, "city", c.kind);
        auto* control = new FieldRep();
        if (c.shownByControl)
            control->SetVariable(map->variable);
        page.AddFieldRep(control);
        {
            VariableEditor editor(open.project, page.EditFieldVariableMaps(), &page);
            editor.Open();
            ScriptedMessageBoxes boxes;
            for (int answer : c.answers)
                boxes.Answer(answer);
            editor.ClickRow(0);
            editor.Delete();
            EXPECT_EQ(c.boxes, Texts(boxes)) << c.kind;
            EXPECT_EQ(c.deleted ? 0u : 1u, page.GetFieldVariableMaps().size()) << c.kind;
            EXPECT_EQ(c.deleted ? 0u : 1u, editor.GetRows().size()) << c.kind;
        }
        control->SetVariable(nullptr);
        if (c.kind == Variable::sharedKind)
        {
            page.EditFieldVariableMaps().clear();
            delete map->variable;
            delete map;
        }
    }
}

TEST(VariableEditorTest, OkAsksAboutAVariableTypedAndNotAddedOrUpdated)
{
    const struct
    {
        int row;
        const char* name;
        int answer;
        bool closes;
        std::vector<CString> names;
        std::vector<std::string> asked;
    } cases[] = {
        {-1, "", IDYES, true, {"p"}, {}},
        {-1, "p", IDYES, true, {"p"}, {}},
        {-1, "q", IDCANCEL, false, {"p"}, {"The variable \"q\" has not been added. Add it?"}},
        {-1, "q", IDNO, true, {"p"}, {"The variable \"q\" has not been added. Add it?"}},
        {-1, "q", IDYES, true, {"p", "q"}, {"The variable \"q\" has not been added. Add it?"}},
        {0, "p", IDYES, true, {"p"}, {}},
        {0, "p2", IDYES, true, {"p2"}, {"The variable \"p2\" has not been updated. Update it?"}},
    };
    for (const auto& each : cases)
    {
        OpenNewProject open;
        Form page;
        AddMap(page, "p", Variable::pageKind);
        VariableEditor editor(open.project, page.EditFieldVariableMaps(), &page);
        editor.Open();
        editor.ClickRow(each.row);
        editor.States().SetText(VariableEditor::IDC_NAME, each.name);
        editor.States().SetText(VariableEditor::IDC_DEFAULT_VALUE, "v");
        ScriptedMessageBoxes boxes{each.answer};
        EXPECT_EQ(editor.Close(), each.closes) << each.name;
        EXPECT_EQ(Names(page), each.names) << each.name;
        EXPECT_EQ(Texts(boxes), each.asked) << each.name;
    }
}

TEST(VariableEditorTest, AVariableAddedEmptiesTheBoxesSoThatASecondAddAddsNothing)
{
    OpenNewProject open;
    Form page;
    VariableEditor editor(open.project, page.EditFieldVariableMaps(), &page);
    editor.Open();
    editor.States().SetText(VariableEditor::IDC_NAME, "city");
    editor.States().SetText(VariableEditor::IDC_DEFAULT_VALUE, "Oslo");
    ScriptedMessageBoxes boxes;
    editor.AddOrUpdate();
    EXPECT_EQ("", editor.States().GetText(VariableEditor::IDC_NAME));
    EXPECT_EQ("", editor.States().GetText(VariableEditor::IDC_DEFAULT_VALUE));
    editor.AddOrUpdate();
    EXPECT_EQ(std::vector<CString>{"city"}, Names(page));
    EXPECT_EQ(std::vector<std::string>{"Please enter valid variable name."}, Texts(boxes));
}
