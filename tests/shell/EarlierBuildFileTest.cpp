// A project file saved by the build before names were held to the site's files: its merge made
// the modules "BaseModule" and "basemodule" (it compared module names exactly) and its report
// designer took a report of 240 letters. Every door opens it with a warning that names both and
// what to do; both Write Alls refuse them, naming them, until they are renamed; then the site is
// written (once the project dashboard page that the earlier merge brought along is deleted).
#include "designers/logic/ReportDesigner.h"
#include "editors/WriteAllDlg.h"
#include "entities/ApplicationReport.h"
#include "model/ProjectNameCheck.h"
#include "shell/logic/ModuleRenamer.h"
#include "tests/designers/logic/DesignerTestSupport.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/shell/ShellTestSupport.h"

#include <algorithm>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

const std::string earlierFile = WEAVO_TEST_DATA "/fuzz/seeds/earlier-build-merged.wvt";
const std::string longName(240, 'r');

const std::string names =
    "Earlier versions took these names, which no file of the site can take:\n"
    "- the report name \"" +
    longName.substr(0, 20) + "..." + longName.substr(longName.size() - 12) +
    "\" of module \"BaseModule\": its file rrrrrrrrrrrrrrrrrrrr...rrrrr_report.aspx.designer.cs "
    "would be 264 bytes long, longer than the 255 bytes a file name may hold: rename it in the "
    "report designer\n"
    "- the module name \"basemodule\" is the name of the module \"BaseModule\" in another case, "
    "and "
    "a Windows folder holds the folders of both as one: rename one of them with Rename Module\n";
const std::string warning = names + "Rename them before the next Write All.";
const std::string refusal = names + "Nothing was written. Rename them first.";

std::vector<std::string> Texts(const RunningProgram& program)
{
    std::vector<std::string> texts;
    for (const ScriptedMessageBoxes::ShownBox& box : program.boxes.Shown())
        texts.push_back(box.text);
    return texts;
}

TEST(EarlierBuildFileTest, EveryDoorOpensItWithAWarningThatNamesWhatToRename)
{
    TempFolder files;
    const std::string path = (files.Path() / "OldShop.wvt").string();
    fs::copy_file(earlierFile, path);
    {
        RunningProgram program({path.c_str()});
        ASSERT_TRUE(program.started);
        EXPECT_EQ(Texts(program), std::vector<std::string>{warning});
        EXPECT_EQ(program.Project().GetModuleNames(),
                  (std::vector<CString>{"BaseModule", "basemodule"}));
    }
    RunningProgram program;
    program.files.Answer(path.c_str());
    program.Command(ID_FILE_OPEN);
    EXPECT_EQ(program.Doc().GetPath(), path.c_str());
    EXPECT_EQ(Texts(program), std::vector<std::string>{warning});

    // Import Tables and the merge read it beside the project open.
    const std::string good = program.PathOf("Good.wvt");
    WriteTwoModuleProject(good);
    ASSERT_TRUE(program.Doc().OpenProjectFile(good.c_str()));
    program.files.Answer(path.c_str());
    program.Command(ID_IMPORT_TABLES);
    program.boxes.Answer(IDOK);
    program.files.Answer(path.c_str());
    program.Command(ID_MERGE_PROJECT);
    EXPECT_EQ(Texts(program), (std::vector<std::string>{warning, warning,
                                                        "Do you really want to merge?", warning}));
    EXPECT_EQ(ReadHostFile(path), ReadHostFile(earlierFile));
}

TEST(EarlierBuildFileTest, WriteAllRefusesTheNamesUntilTheyAreRenamedThenWritesTheSite)
{
    RunningProgram program;
    const std::string path = program.PathOf("OldShop.wvt");
    fs::copy_file(earlierFile, path);
    program.files.Answer(path.c_str());
    program.Command(ID_FILE_OPEN);
    ForgeonProject& project = program.Project();
    ASSERT_EQ(project.GetModuleCount(), 2);
    project.SetProjectPath(program.folder.Path().c_str());
    PrepareProjectFolder(project);
    const fs::path output = program.folder.Path() / "OldShop" / "OldShop";
    const CString database = project.GetDatabaseName();

    program.Command(ID_WRITE_ALL);
    program.Command(ID_CLASSIC_WRITE_ALL);
    EXPECT_EQ(Texts(program), (std::vector<std::string>{warning, refusal, refusal}));
    EXPECT_EQ(program.boxes.Shown().back().type, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_FALSE(fs::exists(output / "OldShop.csproj"));
    EXPECT_FALSE(fs::exists(program.folder.Path() / "Login"));
    EXPECT_EQ(project.GetDatabaseName(), database) << "nothing was prepared";

    // Rename Module for the module, the report designer for the report.
    ASSERT_TRUE(ModuleRenamer(project, *project.GetModuleAt(1)).Rename("Shelf"));
    Module& base = *project.GetModuleAt(0);
    ApplicationReport* report = base.FindReportByName(longName.c_str());
    ASSERT_NE(report, nullptr);
    RecordingDesignerHost host;
    ReportDesigner designer(project, host, host);
    designer.LoadReport(base.FindReportByName("book Report"));
    EXPECT_FALSE(designer.States().IsEnabled(ReportDesigner::IDC_NAME));
    designer.LoadReport(report);
    ASSERT_TRUE(designer.States().IsEnabled(ReportDesigner::IDC_NAME)) << "the user can rename it";
    designer.States().SetText(ReportDesigner::IDC_NAME, "Books");
    designer.Ok();
    ASSERT_EQ(report->GetFormName(), "Books") << Texts(program).back();
    EXPECT_EQ(NamesToRenameWarning(project), "");
    // The earlier merge brought the second project's project dashboard page along; Write All
    // names its class, so the user deletes it from the tree.
    Module& shelf = *project.GetModuleAt(1);
    ASSERT_TRUE(project.DeleteDashBoardPage(shelf.FindDashBoardPageByName("Project_Dashboard")));

    program.dialogs.Answer(
        [](CDialog&, DialogDriver& user)
        {
            user.SetCheck(WriteAllDlg::IDC_MODIFIED_FILES, false);
            user.PressOk();
        });
    program.Command(ID_WRITE_ALL);
    ASSERT_EQ(Texts(program).size(), 4u);
    EXPECT_EQ(Texts(program).back().rfind("Your Code has been generated successfully.", 0), 0u)
        << Texts(program).back();
    for (const fs::path& written : {output / "BaseModule" / "UI" / "Books_report.aspx",
                                    output / "Shelf" / "UI" / "Shelf_Dashboard.aspx"})
        EXPECT_TRUE(fs::exists(written)) << written;

    // The file saved by Write All opens without a warning.
    ProjectStore store;
    ScriptedMessageBoxes boxes;
    ASSERT_TRUE(store.ArchiveProject(nullptr, path.c_str(), TRUE));
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(store.GetProject()->GetModuleNames(), (std::vector<CString>{"BaseModule", "Shelf"}));
}
} // namespace
