#include "entities/ApplicationReport.h"
#include "model/ProjectSettings.h"
#include "tests/model/ModelBuilders.h"
#include "tests/shell/ShellTestSupport.h"
#include "tests/support/PipeRelease.h"

#include <sys/stat.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace
{
// A table export of module "BaseModule" with the tables "tablemark1" and "tablemark2" and the
// report "reportmark", each name given replaced by its bytes in the file.
void WriteExportWithNames(const std::string& path,
                          const std::vector<std::pair<std::string, std::string>>& names)
{
    std::string bytes;
    {
        ProjectStore store;
        ForgeonProject* project = store.GetProject();
        project->SetProjectSettings(new ProjectSettings);
        auto* module = new Module("BaseModule");
        module->AppendMasterTable(NewTable("tablemark1", Table::masterKind, {"name"}));
        module->AppendMasterTable(NewTable("tablemark2", Table::masterKind, {"name"}));
        module->Append(NewPage<ApplicationReport>("reportmark"));
        project->AddModule(module);
        project->SetCurrentModule(module);
        ASSERT_TRUE(store.ArchiveProject(project, path.c_str(), FALSE));
        std::ifstream file(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(file), {});
    }
    for (const auto& [was, name] : names)
    {
        const std::string marker = static_cast<char>(was.size()) + was;
        const std::size_t at = bytes.find(marker);
        ASSERT_NE(at, std::string::npos);
        bytes.replace(at, marker.size(), static_cast<char>(name.size()) + name);
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The number of tables of every module of the project.
std::size_t TableCount(const ForgeonProject& project)
{
    std::size_t count = 0;
    for (const Module* module : project.GetModules())
    {
        std::vector<Table*> tables;
        module->GetAllTables(tables);
        count += tables.size();
    }
    return count;
}

// Files with names the designers would not take (a table name that leaves the output folder,
// one with a blank, two tables of one name, a module named "..", a report name that makes
// sub-folders) and a named pipe: refused with
// one message that names the file and the reason at the command line, Open, Import Tables and
// the merge, and the open project stays as it was.
TEST(ProjectFileDoorsTest, ACraftedFileIsRefusedAtEveryDoorAndChangesNothing)
{
    TempFolder files;
    const std::string pipe = (files.Path() / "Pipe.wvt").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const PipeRelease release(pipe);
    struct Case
    {
        std::string path;
        std::string reason;
    };
    const auto crafted =
        [&files](const char* name, const std::vector<std::pair<std::string, std::string>>& names)
    {
        const std::string path = (files.Path() / name).string();
        WriteExportWithNames(path, names);
        return path;
    };
    const std::string refusedTable = "invalid name in file: the table name ";
    const Case cases[] = {
        {crafted("Escape.wvp", {{"tablemark1", "..\\..\\escapedA"}}),
         refusedTable + "\"..\\..\\escapedA\" of module \"BaseModule\" is refused: it holds "
                        "special characters"},
        {crafted("Blank.wvp", {{"tablemark1", "my table"}}),
         refusedTable + "\"my table\" of module \"BaseModule\" is refused: it holds blanks"},
        {crafted("Twice.wvt", {{"tablemark2", "Tablemark1"}}),
         refusedTable + "\"tablemark1\" of module \"BaseModule\" is refused: the table "
                        "\"Tablemark1\" of module \"BaseModule\" has that name"},
        {crafted("Parent.wvt", {{"BaseModule", ".."}}),
         "invalid name in file: the module name \"..\" is refused: it names no folder of its "
         "own"},
        {crafted("Folders.wvt", {{"reportmark", "a/b/c"}}),
         "invalid name in file: the report name \"a/b/c\" of module \"BaseModule\" is refused: "
         "it holds special characters"},
        {pipe, "not a regular file"},
    };
    for (const Case& each : cases)
    {
        SCOPED_TRACE(each.path);
        const std::string refusal = "Error in archiving\n" + each.path + ": " + each.reason;
        {
            RunningProgram program({each.path.c_str()});
            ASSERT_TRUE(program.started);
            ASSERT_EQ(program.boxes.Shown().size(), 1u);
            EXPECT_EQ(program.boxes.Shown()[0].text, refusal);
            EXPECT_EQ(program.Project().GetModuleNames(), std::vector<CString>{"BaseModule"});
            EXPECT_EQ(program.Doc().GetPath(), "");
        }

        RunningProgram program;
        const std::string good = program.PathOf("Good.wvt");
        WriteTwoModuleProject(good);
        ASSERT_TRUE(program.Doc().OpenProjectFile(good.c_str()));
        ForgeonProject* open = &program.Project();
        const std::size_t tables = TableCount(*open);

        program.files.Answer(each.path.c_str());
        program.Command(ID_FILE_OPEN);
        program.files.Answer(each.path.c_str());
        program.Command(ID_IMPORT_TABLES);
        program.boxes.Answer(IDOK);
        program.files.Answer(each.path.c_str());
        program.Command(ID_MERGE_PROJECT);

        std::vector<std::string> shown;
        for (const auto& box : program.boxes.Shown())
            shown.push_back(box.text);
        EXPECT_EQ(shown, (std::vector<std::string>{refusal, refusal, "Do you really want to merge?",
                                                   refusal}));
        EXPECT_EQ(&program.Project(), open);
        EXPECT_EQ(program.Doc().GetPath(), good.c_str());
        EXPECT_EQ(TableCount(program.Project()), tables);
    }
}
} // namespace
