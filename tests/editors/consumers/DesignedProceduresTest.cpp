#include "database/SqlProcedureWriter.h"
#include "editors/logic/FormProceduresAssigner.h"
#include "editors/logic/LoginPageEditor.h"
#include "editors/logic/ProcedureAssigner.h"
#include "editors/logic/ProcedureEditor.h"
#include "editors/logic/RelationEditor.h"
#include "entities/Form.h"
#include "entities/LoginPage.h"
#include "entities/Variable.h"
#include "gen_web/AspxWriteAll.h"
#include "model/GenerationReport.h"
#include "model/ProjectStore.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/editors/consumers/WrittenApplication.h"
#include "tests/editors/logic/DesignedProject.h"
#include "tests/gen_web/GenWebProject.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{
namespace fs = std::filesystem;

void ChooseProcedureItem(ProcedureEditor& editor, int combo, const char* name)
{
    const std::vector<CString>& items = editor.States().GetItems(combo);
    for (std::size_t i = 0; i < items.size(); ++i)
    {
        if (items[i] == name)
            editor.States().Select(combo, static_cast<int>(i));
    }
}

// "PRC_AuthorSearch" built in the editor on author and publisher, joined through the relation
// dialog, with the parameters name and born, both varying; returns the text the editor showed.
CString BuildSearchProcedure(DesignedProject& designed)
{
    ProcedureEditor editor(designed.project, designed.host);
    editor.LoadProcedure(nullptr);
    ChooseProcedureItem(editor, ProcedureEditor::IDC_MAIN_TABLE, "author");
    editor.AddMainTable();
    ChooseProcedureItem(editor, ProcedureEditor::IDC_DETAIL_TABLE, "publisher");
    editor.AddDetailTable();
    RelationEditor relations(*editor.GetProcedure(), designed.host);
    relations.Open();
    relations.ChooseLeftTable(1);
    relations.ChooseRightTable(0);
    relations.CheckField(true, 0, true);
    relations.CheckField(false, 2, true);
    relations.AddOrUpdate();
    editor.EditRelations();
    for (const char* field : {"name", "born"})
    {
        editor.ChooseParameterTable(0);
        ChooseProcedureItem(editor, ProcedureEditor::IDC_PARAMETER_FIELD, field);
        editor.States().SetText(ProcedureEditor::IDC_PARAMETER_NAME, field);
        editor.AddOrUpdateParameter();
    }
    editor.ToggleVariation();
    editor.States().SetText(ProcedureEditor::IDC_NAME, "PRC_AuthorSearch");
    editor.NameLostFocus();
    editor.CreateDerivedProcedures();
    const CString text = editor.States().GetText(ProcedureEditor::IDC_TEXT);
    editor.AddProcedure();
    return text;
}
// The login page's call set through its editor: "PRC_AuthorSearch" with its two parameters
// mapped to the page's variables "user" and "role", and the employee and designation fields
// taken from its output.
void AssignLoginProcedure(DesignedProject& designed)
{
    Module& module = *designed.project.GetCurrentModule();
    for (const char* name : {"user", "role"})
    {
        auto* variable = new Variable;
        variable->SetName(name);
        module.GetLoginPage()->AddFieldVariableMap(new FieldVariableMap{nullptr, variable});
    }
    Procedure* search = module.FindProcedureByName("PRC_AuthorSearch");
    CString authorName = "author";
    for (Field* field : module.FindTableByName(authorName)->GetFields())
        search->AddOutputField(field);
    designed.host.assign = [search](ProcedureAssigner& assigner)
    {
        assigner.Open();
        const std::vector<CString>& items =
            assigner.States().GetItems(ProcedureAssigner::IDC_PROCEDURE);
        for (std::size_t i = 0; i < items.size(); ++i)
        {
            if (items[i] == search->GetName())
                assigner.ChooseProcedure(static_cast<int>(i));
        }
        for (int row : {0, 1})
        {
            assigner.SelectMapping(row);
            assigner.SelectVariable(row);
            assigner.Assign();
        }
        return true;
    };
    LoginPageEditor login(designed.project, designed.host);
    login.Load();
    login.AssignProcedure();
    login.States().Select(LoginPageEditor::IDC_OUTPUT_FIELDS, 2);
    login.AssignEmployeeField();
    login.States().Select(LoginPageEditor::IDC_OUTPUT_FIELDS, 3);
    login.AssignDesignationField();
}
} // namespace

// A procedure built in the editor stands in its table's procedure file with the text the
// editor showed.
TEST(DesignedProcedures, TheEditorsTextIsInTheTableProcedureFile)
{
    TempFolder folder;
    DesignedProject designed(folder.ModelPath(), /*databaseKind=*/1);
    ScriptedMessageBoxes boxes;
    const CString text = BuildSearchProcedure(designed);
    EXPECT_TRUE(boxes.Shown().empty());
    Module& module = *designed.project.GetCurrentModule();
    const Procedure* built = module.FindProcedureByName("PRC_AuthorSearch");
    ASSERT_NE(nullptr, built);
    ASSERT_EQ(1u, built->GetRelations().size());
    EXPECT_NE(-1, text.Find("CREATE PROCEDURE [PRC_AuthorSearch]"));

    fs::create_directories(folder.Path() / "Scripts");
    GenerationReport report;
    SqlProcedureWriter(designed.project)
        .WriteTableProcedureFile(module, *built->GetMainTable(), report);
    fs::path file;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder.Path()))
    {
        if (entry.path().filename() == "author_procedureCreate.sql")
            file = entry.path();
    }
    ASSERT_FALSE(file.empty()) << report.GetText();
    // The file has CR LF line ends; the text is compared line by line.
    const auto lines = [](std::string text)
    {
        std::erase(text, '\r');
        return text;
    };
    const std::string expected = lines(text.GetString());
    const std::string written = lines(ReadHostFile(file));
    EXPECT_NE(std::string::npos, written.find(expected)) << written;
}

// The login page whose call and fields were set through its editor is written by Write All and
// the whole application compiles.
TEST(DesignedProcedures, TheLoginPageIsWrittenAndTheApplicationCompiles)
{
    TempFolder folder;
    DesignedProject designed(folder.ModelPath(), /*databaseKind=*/1);
    ScriptedMessageBoxes boxes;
    BuildSearchProcedure(designed);
    AssignLoginProcedure(designed);
    const LoginPage* page = designed.project.GetCurrentModule()->GetLoginPage();
    ASSERT_NE(nullptr, page->GetLoginProcedure());
    ASSERT_NE(nullptr, page->GetDesignationField());

    const fs::path application = folder.Path() / "Library" / "Library";
    PrepareProjectFolder(designed.project);
    AspxWriteAll writeAll(&designed.project);
    ASSERT_TRUE(writeAll.Run(nullptr)) << writeAll.GetReport().GetText();
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_TRUE(fs::exists(application / "BaseModule" / "UI" / "Login.aspx.cs"));
    const ToolResult compile =
        CompileWrittenApplication(application, folder.Path() / "Library.dll");
    EXPECT_EQ(0, compile.exitCode) << compile.output;
}

// The procedures, relations, derived procedures, the login page's call and fields and a page's
// table procedures save, load and save again to the same bytes.
TEST(DesignedProcedures, TheProjectRoundTripsToTheSameBytes)
{
    TempFolder folder;
    const std::string first = (folder.Path() / "first.wvt").string();
    const std::string second = (folder.Path() / "second.wvt").string();
    ProjectStore store;
    {
        DesignedProject designed(folder.ModelPath(), /*databaseKind=*/1);
        ScriptedMessageBoxes boxes;
        BuildSearchProcedure(designed);
        Module& module = *designed.project.GetCurrentModule();
        ASSERT_NE(nullptr, module.GetLoginPage());
        AssignLoginProcedure(designed);
        ASSERT_NE(nullptr, module.GetLoginPage()->GetDesignationField());
        CString authorName = "author";

        Form* form = module.FindMasterFormByName("author_form");
        ASSERT_NE(nullptr, form);
        FormProceduresAssigner procedures(designed.project, designed.host, form,
                                          module.FindTableByName(authorName));
        procedures.Open();
        for (int type : {0, 1})
        {
            procedures.States().Select(FormProceduresAssigner::IDC_TYPE, type);
            procedures.Assign();
        }
        ASSERT_TRUE(store.ArchiveProject(&designed.project, first.c_str(), FALSE));
    }
    ASSERT_TRUE(store.ArchiveProject(nullptr, first.c_str(), TRUE));
    const Module& loaded = *store.GetProject()->GetCurrentModule();
    ASSERT_NE(nullptr, loaded.GetLoginPage());
    ASSERT_NE(nullptr, loaded.GetLoginPage()->GetLoginProcedure());
    EXPECT_EQ("PRC_AuthorSearch", loaded.GetLoginPage()->GetLoginProcedure()->GetName());
    ASSERT_TRUE(store.ArchiveProject(store.GetProject(), second.c_str(), FALSE));
    EXPECT_TRUE(ReadHostFile(first) == ReadHostFile(second));
}
