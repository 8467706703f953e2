// A project file whose field, project or database names or default values were edited by hand: a
// name no build made is refused at every door, naming it; a field name an earlier build took opens
// with the warning of names to rename, and Write All refuses it until the table designer renames
// it; then the site is written and its C# compiles.
#include "editors/WriteAllDlg.h"
#include "editors/logic/TableDesigner.h"
#include "model/Field.h"
#include "model/Module.h"
#include "model/ProjectNameCheck.h"
#include "model/ProjectSettings.h"
#include "model/Table.h"
#include "tests/editors/consumers/WrittenApplication.h"
#include "tests/editors/logic/DesignedProject.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/shell/ShellTestSupport.h"
#include "tests/support/ArchiveBytes.h"

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

std::string ArchiveString(const std::string& text)
{
    const std::vector<BYTE> bytes = ArchiveBytes().Str(text);
    return std::string(bytes.begin(), bytes.end());
}

// The bytes with each string of the archive that spells from spelt to: a field's name and the
// names of the page variables made for it.
std::string Renamed(std::string bytes, const std::string& from, const std::string& to)
{
    const std::string found = ArchiveString(from);
    const std::string replacement = ArchiveString(to);
    std::size_t at = bytes.find(found);
    EXPECT_NE(at, std::string::npos) << from;
    for (; at != std::string::npos; at = bytes.find(found, at + replacement.size()))
        bytes.replace(at, found.size(), replacement);
    return bytes;
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The texts of the boxes shown, from the first given on.
std::vector<std::string> Texts(const RunningProgram& program, std::size_t first = 0)
{
    std::vector<std::string> texts;
    for (std::size_t i = first; i < program.boxes.Shown().size(); ++i)
        texts.push_back(program.boxes.Shown()[i].text);
    return texts;
}

// The designed project "Library" (database "LibraryData") saved at the path.
std::string SaveDesignedProject(const RunningProgram& program, const std::string& path)
{
    DesignedProject designed(program.folder.ModelPath(), /*databaseKind=*/1);
    designed.project.SetDatabaseName("LibraryData");
    designed.project.GetBaseModule()
        ->FindMasterTableByNameExact("author")
        ->FindFieldByName("born")
        ->SetDefaultValue("4242");
    ProjectStore store;
    EXPECT_TRUE(store.ArchiveProject(&designed.project, path.c_str(), FALSE));
    return ReadHostFile(path);
}

const std::string fieldOfAuthor = "\" of table \"author\" of module \"BaseModule\"";
} // namespace

TEST(NamesFromFileTest, NamesNoBuildMadeAreRefusedAtEveryDoor)
{
    RunningProgram program;
    const std::string saved = SaveDesignedProject(program, program.PathOf("Library.wvt"));
    // The merge saves the open project first: one from a file has nothing to ask.
    const std::string good = program.PathOf("Good.wvt");
    WriteTwoModuleProject(good);
    ASSERT_TRUE(program.Doc().OpenProjectFile(good.c_str()));
    const struct
    {
        const char* from;
        std::string to;
        std::string refusal;
    } cases[] = {
        {"born", "bo\nrn",
         "the field name \"bo\\x0Arn" + fieldOfAuthor + " is refused: it holds control characters"},
        {"born", "bo\u2028rn",
         "the field name \"bo\\xE2\\x80\\xA8rn" + fieldOfAuthor +
             " is refused: it holds control characters"},
        {"born", "born\u202E",
         "the field name \"born\\xE2\\x80\\xAE" + fieldOfAuthor +
             " is refused: it holds control characters"},
        {"born", "a/b",
         "the field name \"a/b" + fieldOfAuthor + " is refused: it holds a path separator"},
        {"born", "a] int NULL) DROP TABLE useraccount --",
         "the field name \"a] int NULL) DROP TABLE useraccount --" + fieldOfAuthor +
             " is refused: it holds a quoting character"},
        {"4242", "1; CREATE TABLE injected(x int); --",
         "the default value \"1; CREATE TABLE injected(x int); --\" of field \"born" +
             fieldOfAuthor + " is refused: it holds special characters"},
        {"4242", "1) DROP TABLE useraccount --",
         "the default value \"1) DROP TABLE useraccount --\" of field \"born" + fieldOfAuthor +
             " is refused: it holds special characters"},
        {"Library", "..\\..\\evil",
         "the project name \"..\\..\\evil\" is refused: it holds one of * | / \\ < > ? :"},
        {"Library", "..", "the project name \"..\" is refused: it names no folder of its own"},
        {"LibraryData", "..\\..\\evil_db",
         "the database name \"..\\..\\evil_db\" is refused: it holds one of * | / \\ < > ? :"},
    };
    for (const auto& each : cases)
    {
        SCOPED_TRACE(each.to);
        const std::string path = program.PathOf("Crafted.wvt");
        const std::string crafted = Renamed(saved, each.from, each.to);
        WriteFile(path, crafted);
        const std::string box =
            "Error in archiving\n" + path + ": invalid name in file: " + each.refusal;
        const std::size_t shown = program.boxes.Shown().size();
        program.files.Answer(path.c_str());
        program.Command(ID_FILE_OPEN);
        EXPECT_EQ(Texts(program, shown), std::vector<std::string>{box});
        EXPECT_EQ(program.Doc().GetPath(), good.c_str());
        // Import Tables and the merge read it through the same door.
        program.files.Answer(path.c_str());
        program.Command(ID_IMPORT_TABLES);
        program.boxes.Answer(IDOK);
        program.files.Answer(path.c_str());
        program.Command(ID_MERGE_PROJECT);
        EXPECT_EQ(Texts(program, shown),
                  (std::vector<std::string>{box, box, "Do you really want to merge?", box}));
        EXPECT_EQ(ReadHostFile(path), crafted);
    }
}

TEST(NamesFromFileTest, AFieldNameAnEarlierBuildTookIsRefusedByWriteAllUntilItIsRenamed)
{
    RunningProgram program;
    const std::string path = program.PathOf("Library.wvt");
    WriteFile(path, Renamed(SaveDesignedProject(program, path), "born", "born on"));
    const std::string names = "Earlier versions took these names, which no file of the site can "
                              "take:\n- the field name \"born on" +
                              fieldOfAuthor +
                              ": it holds blanks: rename it in the table designer\n";
    program.files.Answer(path.c_str());
    program.Command(ID_FILE_OPEN);
    ASSERT_EQ(Texts(program),
              std::vector<std::string>{names + "Rename them before the next Write All."});
    ForgeonProject& project = program.Project();
    PrepareProjectFolder(project);
    const fs::path site = program.folder.Path() / "Library" / "Library";

    program.Command(ID_WRITE_ALL);
    program.Command(ID_CLASSIC_WRITE_ALL);
    const std::string refusal = names + "Nothing was written. Rename them first.";
    EXPECT_EQ(Texts(program).back(), refusal);
    EXPECT_EQ(Texts(program).size(), 3u);
    EXPECT_FALSE(fs::exists(site / "Library.csproj"));

    Table* author = project.GetBaseModule()->FindMasterTableByName("Author");
    ASSERT_NE(author, nullptr);
    const std::vector<Field*>& fields = author->GetFields();
    const auto born = std::ranges::find_if(fields, [](const Field* field)
                                           { return field->GetFieldName() == "born on"; });
    ASSERT_NE(born, fields.end());
    RecordingHost host;
    TableDesigner designer(project, host);
    designer.InitialUpdate();
    designer.LoadTable(author, Table::masterKind);
    designer.LoadRow(static_cast<int>(born - fields.begin()));
    designer.States().SetText(TableDesigner::IDC_FIELD_NAME, "born_on");
    designer.AddOrUpdate(true);
    designer.Ok(true);
    ASSERT_EQ((*born)->GetFieldName(), "born_on") << Texts(program).back();
    EXPECT_EQ(NamesToRenameWarning(project), "");

    const std::size_t shown = Texts(program).size();
    program.dialogs.Answer(
        [](CDialog&, DialogDriver& user)
        {
            user.SetCheck(WriteAllDlg::IDC_MODIFIED_FILES, false);
            user.PressOk();
        });
    program.Command(ID_WRITE_ALL);
    ASSERT_EQ(Texts(program).size(), shown + 1);
    EXPECT_EQ(Texts(program).back().rfind("Your Code has been generated successfully.", 0), 0u)
        << Texts(program).back();
    const ToolResult compiled =
        CompileWrittenApplication(site, program.folder.Path() / "Library.dll");
    EXPECT_EQ(compiled.exitCode, 0) << compiled.output;
}
