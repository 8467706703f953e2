#include "editors/logic/ProcedureEditor.h"
#include "database/SqlProcedureWriter.h"
#include "entities/Procedure.h"
#include "entities/Variable.h"
#include "model/ProjectStore.h"
#include "tests/editors/logic/DesignedProject.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

int IndexOf(const std::vector<CString>& items, const char* name)
{
    for (std::size_t i = 0; i < items.size(); ++i)
    {
        if (items[i] == name)
            return static_cast<int>(i);
    }
    ADD_FAILURE() << name << " not offered";
    return -1;
}

std::vector<std::string> Column(const std::vector<ListRow>& rows, std::size_t column)
{
    std::vector<std::string> cells;
    for (const ListRow& row : rows)
        cells.push_back(row.cells.at(column).GetString());
    return cells;
}

// A designed project and an editor on a new procedure; tree requests are recorded.
class ProcedureEditorTest : public ::testing::Test
{
protected:
    ProcedureEditorTest() : editor(designed.project, designed.host)
    {
        editor.LoadProcedure(nullptr);
        designed.host.calls.clear();
    }

    void Choose(int combo, const char* name)
    {
        editor.States().Select(combo, IndexOf(editor.States().GetItems(combo), name));
    }
    void MainTable(const char* name)
    {
        Choose(ProcedureEditor::IDC_MAIN_TABLE, name);
        editor.AddMainTable();
    }
    void Parameter(const char* name, const char* table, const char* field)
    {
        editor.States().SetText(ProcedureEditor::IDC_PARAMETER_NAME, name);
        if (table != nullptr)
        {
            const int index =
                IndexOf(editor.States().GetItems(ProcedureEditor::IDC_PARAMETER_TABLE), table);
            editor.ChooseParameterTable(index);
            Choose(ProcedureEditor::IDC_PARAMETER_FIELD, field);
        }
        editor.AddOrUpdateParameter();
    }
    CString WriterText()
    {
        SqlProcedureWriter writer(designed.project);
        writer.WriteGeneratedProcedure(*editor.GetProcedure());
        return writer.GetProcedureText();
    }

    DesignedProject designed{"C:\\temp\\ProcedureEditor\\", 1};
    ProcedureEditor editor;
};

TEST_F(ProcedureEditorTest, TheMainTableAddedShowsInTheProcedureTextAtOnce)
{
    MainTable("author");
    EXPECT_EQ(editor.States().GetText(ProcedureEditor::IDC_TEXT), WriterText());
    EXPECT_GE(editor.States().GetText(ProcedureEditor::IDC_TEXT).Find("author"), 0);
}

TEST_F(ProcedureEditorTest, ParameterStepsRefuseOrStoreTheVariable)
{
    struct Case
    {
        const char* mainTable;
        const char* typed;
        const char* field; // of author; null for none chosen
        bool update;       // on the first row, after a click
        const char* message;
        const char* variable;
        const char* boundField;
    };
    const Case cases[] = {
        {nullptr, "name", "name", false, "Please Enter the Main Table.", nullptr, nullptr},
        {"author", "", "name", false, "Please Enter the Parameter Name.", nullptr, nullptr},
        {"author", "a b", "name", false, "Gap(s) in Parameter name. Please verify.", nullptr,
         nullptr},
        {"author", "a#b", "name", false, "Special character in Parameter name. Please verify.",
         nullptr, nullptr},
        {"author", " name ", "name", false, nullptr, "PRC_name_Var", "name"},
        {"author", "who", nullptr, false, nullptr, "PRC_who_Var", ""},
        {"author", "Who", "born", true, nullptr, "Who", "born"},
        {"author", "Who", nullptr, true, nullptr, "Who", "name"},
        {"author", "select", "name", true, "SQL keyword used as Parameter name. Please verify.",
         "PRC_name_Var", "name"},
        {"author", "a-b", "name", false,
         "The name \"a-b\" cannot be taken: it holds characters other than letters, digits and "
         "\"_\".\nPlease enter another name.",
         nullptr, nullptr},
        {"author", "2nd", "name", true,
         "The name \"2nd\" cannot be taken: it starts with a digit.\nPlease enter another name.",
         "PRC_name_Var", "name"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.typed);
        editor.Cancel();
        if (c.mainTable != nullptr)
            MainTable(c.mainTable);
        if (c.update)
        {
            Parameter("name", "author", "name");
            editor.ClickParameterRow(0);
            EXPECT_EQ(editor.States().GetText(ProcedureEditor::IDC_ADD_PARAMETER), "Update");
        }
        ScriptedMessageBoxes boxes;
        const bool chooseField = c.mainTable != nullptr && c.field != nullptr;
        Parameter(c.typed, chooseField ? "author" : nullptr, c.field);
        EXPECT_EQ(Texts(boxes),
                  c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        const auto& parameters = editor.GetProcedure()->GetFieldParameters();
        if (c.variable == nullptr)
        {
            EXPECT_TRUE(parameters.empty());
            continue;
        }
        ASSERT_EQ(parameters.size(), 1u);
        EXPECT_EQ(parameters[0].variable->GetFieldName(), c.variable);
        EXPECT_EQ(Column(editor.GetParameterRows(), 1), std::vector<std::string>{c.boundField});
        if (c.message == nullptr)
        {
            EXPECT_EQ(editor.States().GetText(ProcedureEditor::IDC_ADD_PARAMETER), "Add Parameter");
            EXPECT_EQ(editor.States().GetText(ProcedureEditor::IDC_PARAMETER_NAME), "");
        }
    }
}

TEST_F(ProcedureEditorTest, NamingStepsRevertRefusedNames)
{
    Procedure* stored = new Procedure;
    stored->SetName("PRC_Taken");
    designed.project.GetCurrentModule()->AddProcedure(stored);
    struct Case
    {
        const char* typed;
        const char* message;
        const char* name;
    };
    const Case cases[] = {
        {" PRC_First ", nullptr, "PRC_First"},
        {"PRC_ Second", "Gap(s) in Procedure name. Please verify.", "PRC_First"},
        {"prc_first", nullptr, "prc_first"},
        {"PRC_Taken", "A Procedure with this name already exists.", "prc_first"},
        {"PRC.X", "Special character in Procedure name. Please verify.", "prc_first"},
        {"Select", "SQL keyword used as Procedure name. Please verify.", "prc_first"},
        {"1PRC", "Number(s) at the start of Procedure name. Please verify.", "prc_first"},
        {"PRC-X",
         "The name \"PRC-X\" cannot be taken: it holds characters other than letters, digits and "
         "\"_\".\nPlease enter another name.",
         "prc_first"},
        {"PRC_Z\xC3\xA4hlung", nullptr, "PRC_Z\xC3\xA4hlung"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.typed);
        ScriptedMessageBoxes boxes;
        designed.host.calls.clear();
        editor.States().SetText(ProcedureEditor::IDC_NAME, c.typed);
        editor.NameLostFocus();
        EXPECT_EQ(Texts(boxes),
                  c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        EXPECT_EQ(editor.GetProcedure()->GetName(), c.name);
        EXPECT_EQ(editor.States().GetText(ProcedureEditor::IDC_NAME), c.name);
        const bool revertedEarly = c.message != nullptr && c.message[0] != 'A';
        EXPECT_EQ(designed.host.calls, revertedEarly
                                           ? std::vector<CString>{}
                                           : std::vector<CString>{"rename " + CString(c.name)});
    }
}

TEST_F(ProcedureEditorTest, StoringStepsAddToTheCurrentModule)
{
    ScriptedMessageBoxes boxes;
    editor.AddProcedure();
    MainTable("author");
    editor.AddProcedure();
    Procedure* stored = new Procedure;
    stored->SetName("PRC_Taken");
    Module& current = *designed.project.GetCurrentModule();
    current.AddProcedure(stored);
    editor.States().SetText(ProcedureEditor::IDC_NAME, "PRC_Taken");
    editor.AddProcedure();
    EXPECT_EQ(Texts(boxes),
              (std::vector<std::string>{"Please select Main Table.", "Please enter procedure name.",
                                        "A procedure with this name already exists."}));
    Procedure* built = editor.GetProcedure();
    editor.States().SetText(ProcedureEditor::IDC_NAME, "PRC_Authors");
    editor.AddProcedure();
    EXPECT_EQ(designed.project.FindProcedureByName("PRC_Authors"), built);
    EXPECT_EQ(designed.host.calls,
              std::vector<CString>{"add " + current.GetName() + " PRC_Authors"});
    EXPECT_NE(editor.GetProcedure(), built);
    EXPECT_TRUE(editor.IsNew());
    EXPECT_EQ(editor.GetProcedure()->GetMainTable(), nullptr);

    editor.LoadProcedure(built);
    editor.States().SetText(ProcedureEditor::IDC_NAME, "prc_authors");
    editor.AddProcedure();
    EXPECT_EQ(built->GetName(), "prc_authors");
    EXPECT_EQ(boxes.Shown().size(), 3u);
}

TEST_F(ProcedureEditorTest, StoringAsksAboutAParameterTypedAndNotAdded)
{
    const struct
    {
        int answer;
        bool stored;
        std::vector<std::string> parameters;
    } cases[] = {{IDCANCEL, false, {}}, {IDNO, true, {}}, {IDYES, true, {"PRC_who_Var"}}};
    for (const auto& each : cases)
    {
        editor.Cancel();
        MainTable("author");
        Procedure* built = editor.GetProcedure();
        editor.States().SetText(ProcedureEditor::IDC_NAME,
                                ("PRC_Authors" + std::to_string(each.answer)).c_str());
        editor.States().SetText(ProcedureEditor::IDC_PARAMETER_NAME, "who");
        ScriptedMessageBoxes boxes{each.answer};
        editor.AddProcedure();
        EXPECT_EQ(Texts(boxes),
                  std::vector<std::string>{"The parameter \"who\" has not been added. Add it?"});
        EXPECT_EQ(designed.project.FindProcedureByName(built->GetName()) == built, each.stored);
        std::vector<std::string> parameters;
        for (const auto& pair : built->GetFieldParameters())
            parameters.push_back(pair.variable->GetFieldName().GetString());
        EXPECT_EQ(parameters, each.parameters) << each.answer;
    }
}

TEST_F(ProcedureEditorTest, VariationRulesAndDerivedProcedures)
{
    MainTable("author");
    editor.States().SetText(ProcedureEditor::IDC_NAME, "PRC_Base");
    editor.NameLostFocus();
    Parameter("a", "author", "name");
    Parameter("b", "author", "born");
    Parameter("c", "author", "author_id");
    designed.host.calls.clear();
    editor.ToggleVariation();
    editor.ToggleVariation();
    editor.ToggleVariation();
    EXPECT_TRUE(editor.States().IsEnabled(ProcedureEditor::IDC_CREATE_DERIVED));
    EXPECT_EQ(Column(editor.GetVariationRows(), 0),
              (std::vector<std::string>{"PRC_a_Var", "PRC_b_Var", "PRC_c_Var"}));
    EXPECT_EQ(
        designed.host.calls,
        std::vector<CString>{"warning Do you really want to remove all variating parameters?"});
    editor.ClickParameterRow(1);
    editor.SelectVariationParameter();
    EXPECT_EQ(editor.GetVariationRows().size(), 3u);

    editor.CreateDerivedProcedures();
    std::vector<std::string> names;
    for (const Procedure* derived : editor.GetProcedure()->GetDerivedProcedures())
        names.push_back(derived->GetName().GetString());
    ASSERT_EQ(names.size(), 8u);
    EXPECT_EQ(names.front(), "PRC_Base_All_All_All");
    EXPECT_EQ(names.back(), "PRC_Base_name_born_author_id");

    ScriptedMessageBoxes boxes{IDNO, IDYES};
    editor.DeleteVariationRow(2);
    editor.CreateDerivedProcedures();
    EXPECT_EQ(editor.GetProcedure()->GetDerivedProcedures().size(), 8u);
    editor.CreateDerivedProcedures();
    EXPECT_EQ(editor.GetProcedure()->GetDerivedProcedures().size(), 4u);
    EXPECT_EQ(boxes.Shown().size(), 2u);

    // A deleted parameter leaves the variation list with its variable.
    editor.DeleteParameterRow(0);
    EXPECT_EQ(Column(editor.GetVariationRows(), 0), std::vector<std::string>{"PRC_b_Var"});
}

TEST_F(ProcedureEditorTest, TextIsTheScriptWritersAfterEveryChange)
{
    MainTable("book_basic");
    Procedure& procedure = *editor.GetProcedure();
    for (Field* field : procedure.GetMainTable()->GetFields())
        procedure.AddOutputField(field);
    editor.AddFieldInfo();
    EXPECT_EQ(Column(editor.GetOutputRows(), 1),
              (std::vector<std::string>{"book_basic.book_basic_id", "book_basic.title",
                                        "book_basic.price"}));
    Choose(ProcedureEditor::IDC_DETAIL_TABLE, "book_detail");
    editor.AddDetailTable();
    EXPECT_EQ(editor.States().GetText(ProcedureEditor::IDC_TEXT), WriterText());
    Parameter("title", "book_basic", "title");
    const CString text = editor.States().GetText(ProcedureEditor::IDC_TEXT);
    EXPECT_EQ(text, WriterText());
    EXPECT_NE(text.Find("@PRC_title_Var"), -1) << text.GetString();
    EXPECT_EQ(editor.GetProcedure()->GetProcedureText(), text);
    EXPECT_EQ(Column(editor.GetDetailRows(), 1), std::vector<std::string>{"book_detail"});
    EXPECT_EQ(editor.States().GetText(ProcedureEditor::IDC_MAIN_TABLE_LABEL),
              "MainTable : book_basic");

    ScriptedMessageBoxes boxes;
    editor.States().SetText(ProcedureEditor::IDC_TEXT, "SELECT title FROM book_basic");
    editor.Apply();
    EXPECT_EQ(Texts(boxes),
              std::vector<std::string>{"Please check the procedure string with the selected output "
                                       "fields."});
    EXPECT_EQ(procedure.GetProcedureText(), text);
    const CString edited = "SELECT b.book_basic_id, title, price FROM book_basic b";
    editor.States().SetText(ProcedureEditor::IDC_TEXT, edited);
    editor.Apply();
    EXPECT_EQ(procedure.GetProcedureText(), edited);
    EXPECT_EQ(boxes.Shown().size(), 1u);
}
TEST_F(ProcedureEditorTest, AHandEditApplyAcceptsIsKeptWhenTheProcedureOpensAgainAndAChangeAsks)
{
    MainTable("book_basic");
    Procedure* procedure = editor.GetProcedure();
    for (Field* field : procedure->GetMainTable()->GetFields())
        procedure->AddOutputField(field);
    editor.AddFieldInfo();
    editor.States().SetText(ProcedureEditor::IDC_NAME, "PRC_Books");
    editor.AddProcedure();
    ASSERT_EQ(procedure, designed.project.FindProcedureByName("PRC_Books"));
    const CString edited = "SELECT b.book_basic_id, title, price FROM book_basic b";

    editor.LoadProcedure(procedure);
    editor.States().SetText(ProcedureEditor::IDC_TEXT, edited);
    editor.Apply();
    // Opened again, and saved and read back, the procedure shows the text as applied.
    editor.LoadProcedure(nullptr);
    editor.LoadProcedure(procedure);
    EXPECT_EQ(edited, editor.States().GetText(ProcedureEditor::IDC_TEXT));
    const TempFolder folder;
    const std::string path = (folder.Path() / "Library.wvt").string();
    ProjectStore written;
    ASSERT_TRUE(written.ArchiveProject(&designed.project, path.c_str(), FALSE));
    ProjectStore read;
    ASSERT_TRUE(read.ArchiveProject(nullptr, path.c_str(), TRUE));
    {
        ProcedureEditor reopened(*read.GetProject(), designed.host);
        reopened.LoadProcedure(read.GetProject()->FindProcedureByName("PRC_Books"));
        EXPECT_EQ(edited, reopened.States().GetText(ProcedureEditor::IDC_TEXT));
    }
    // The scripts write the SELECT as the body of the procedure the writer makes.
    SqlProcedureWriter script(designed.project);
    script.WriteProcedure(*procedure);
    const CString frame = WriterText();
    EXPECT_EQ(frame.Left(frame.Find("\r\nAS\r\n") + 6) + edited + "\r\nGO\r\n",
              script.GetProcedureText());

    // A change asks before it makes the text anew: No keeps the edit, Yes the writer's text.
    Choose(ProcedureEditor::IDC_DETAIL_TABLE, "book_detail");
    for (const int answer : {IDNO, IDYES})
    {
        ScriptedMessageBoxes boxes{answer};
        editor.AddDetailTable();
        EXPECT_EQ(Texts(boxes), std::vector<std::string>{"The procedure text was edited by hand. "
                                                         "Replace it with the text made from the "
                                                         "procedure?"});
        EXPECT_EQ(answer == IDNO ? edited : WriterText(),
                  editor.States().GetText(ProcedureEditor::IDC_TEXT));
        EXPECT_EQ(answer == IDNO, procedure->GetTextFlag());
    }
    // Made anew, the text is the writer's again and a change asks nothing.
    ScriptedMessageBoxes none;
    editor.AddDetailTable();
    EXPECT_TRUE(none.Shown().empty());
}
} // namespace
