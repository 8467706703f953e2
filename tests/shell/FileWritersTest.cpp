#include "merge/MergeReportFiles.h"
#include "model/GenerationReport.h"
#include "model/ProjectDiagnostics.h"
#include "model/TextFile.h"
#include "platform/core/HostPath.h"
#include "tests/shell/ShellTestSupport.h"

#include <functional>

namespace
{
namespace fs = std::filesystem;

// Every place that writes a file, with a link, a dangling link and a hard link planted at its
// name: the file written is one of its own, the file a link led to keeps its bytes and no file
// is made where a dangling link points. The project file, whose name no longer holds the file
// opened, is asked about first, naming where the link leads.
TEST(FileWritersTest, NoWriterWritesThroughALinkOrAHardLinkPlantedAtItsName)
{
    RunningProgram program;
    const std::string projectFile = program.PathOf("Shop.wvt");
    program.files.Answer(projectFile.c_str());
    ASSERT_TRUE(program.Doc().Save());
    ForgeonProject& project = program.Project();
    project.SetProjectName("Shop");
    project.SetProjectPath(program.folder.ModelPath() + "\\");
    const auto host = [&](const char* name) { return ToHostPath(project.GetProjectPath() + name); };
    const CString outputRoot = project.GetProjectPath() + "Shop\\";

    struct Writer
    {
        const char* name;
        std::string path;
        std::function<void()> write;
    };
    const Writer writers[] = {
        {"project file", projectFile,
         [&]
         {
             program.boxes.Answer(IDYES);
             EXPECT_TRUE(program.Doc().Save());
             EXPECT_NE(program.boxes.Shown().back().text.find("was changed by another program"),
                       std::string::npos);
         }},
        {"backup copy", program.PathOf("Shop_backup/Shop~planted.wvt"),
         [&] { program.Doc().SaveBackupCopy("~planted"); }},
        {"error log", host("errorLog.txt"), [] { TheProjectDiagnostics().ReportErrors(false); }},
        {"usage dump", host("ObjectRefDump.txt"),
         [&] { project.GetBaseModule()->ReportUsage("Orders", "used"); }},
        {"merge log", host("merging.txt"),
         [&]
         {
             MergeReportFiles files;
             TextFile log(/*disabled=*/false, /*flush=*/true, '=', 60);
             EXPECT_TRUE(files.OpenLog(log, project.GetProjectPath() + "merging.txt"));
             log.Write(0, "merged\n");
             files.Close(log);
         }},
        {"a text file written at its path", host("Board_preview.html"),
         [&]
         {
             TextFile preview(project.GetProjectPath() + "Board_preview.html", false, '=', 60,
                              false, false);
             preview.Write(0, "<html/>\n");
         }},
        {"output tree", host("Shop\\Page.aspx"),
         [&]
         {
             GenerationReport report;
             report.SetOutputRoot(outputRoot);
             EXPECT_TRUE(SaveTextFile(outputRoot + "Page.aspx", "page\n", report));
         }},
        {"sql script", ToHostPath(project.GetScriptFilePath()),
         [&] { program.Command(ID_SQL_QUERY); }},
    };

    const fs::path outside = program.folder.Path() / "outside.txt";
    const fs::path absent = program.folder.Path() / "absent.txt";
    struct Plant
    {
        const char* name;
        std::function<void(const fs::path&)> plant;
    };
    const Plant plants[] = {
        {"link", [&](const fs::path& at) { fs::create_symlink(outside, at); }},
        {"dangling link", [&](const fs::path& at) { fs::create_symlink(absent, at); }},
        {"hard link", [&](const fs::path& at) { fs::create_hard_link(outside, at); }},
    };
    for (const Writer& writer : writers)
    {
        for (const Plant& plant : plants)
        {
            SCOPED_TRACE(std::string(writer.name) + " at a " + plant.name);
            std::ofstream(outside) << "outside";
            const fs::path at = writer.path;
            fs::create_directories(at.parent_path());
            fs::remove(at);
            plant.plant(at);
            writer.write();
            EXPECT_FALSE(fs::is_symlink(at));
            EXPECT_TRUE(fs::is_regular_file(at));
            EXPECT_EQ(fs::hard_link_count(at), 1u);
            EXPECT_EQ(ReadHostFile(outside), "outside");
            EXPECT_FALSE(fs::exists(absent));
        }
    }
    // The question named where the link led.
    bool named = false;
    for (const ScriptedMessageBoxes::ShownBox& box : program.boxes.Shown())
        named =
            named || box.text.find("It is now a link to " + absent.string()) != std::string::npos;
    EXPECT_TRUE(named);
}

} // namespace
