#include "gen_web/AspxWriteAll.h"
#include "model/ProjectStore.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/editors/logic/DesignedProject.h"
#include "tests/gen_web/GenWebProject.h"
#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/gen_web/ReportViewerAssembly.h"
#include "tests/gen_web/UtilLibrary.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{
namespace fs = std::filesystem;
} // namespace

// Write All writes the pages, data classes and reports of the designed tables, and the C# of the
// whole application compiles.
TEST(DesignedTables, WriteAllOutputCompiles)
{
    TempFolder folder;
    DesignedProject designed(folder.ModelPath(), /*databaseKind=*/1);
    Module& base = *designed.project.GetBaseModule();
    ASSERT_NE(nullptr, base.FindMasterFormByName("author_form"));
    ASSERT_NE(nullptr, base.FindTransactionByName("book"));
    ASSERT_NE(nullptr, base.FindRDLCReportByName("author_rdlc"));
    const fs::path application = folder.Path() / "Library" / "Library";
    PrepareProjectFolder(designed.project);
    ScriptedMessageBoxes boxes;
    AspxWriteAll writeAll(&designed.project);
    ASSERT_TRUE(writeAll.Run(nullptr)) << writeAll.GetReport().GetText();
    EXPECT_TRUE(boxes.Shown().empty());

    const ToolResult viewer = BuildReportViewerAssembly(application);
    ASSERT_EQ(0, viewer.exitCode) << viewer.output;
    std::string sources;
    int pages = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(application))
    {
        if (entry.path().extension() != ".cs" ||
            entry.path().filename() == "ReportViewerDeclarations.cs")
            continue;
        sources += " " + ShellQuoted(entry.path());
        pages += entry.path().filename().string().ends_with(".aspx.cs") ? 1 : 0;
    }
    EXPECT_LT(10, pages);
    const ToolResult compile =
        RunTool("mcs -warnaserror -nowarn:169,219,414 -target:library -out:" +
                ShellQuoted(folder.Path() / "Library.dll") + references + " -r:" +
                ShellQuoted(application / "Microsoft.ReportViewer.WebForms.dll") + sources);
    EXPECT_EQ(0, compile.exitCode) << compile.output;
}

// The project saves, loads and saves again to the same bytes.
TEST(DesignedTables, TheProjectRoundTripsToTheSameBytes)
{
    TempFolder folder;
    const std::string first = (folder.Path() / "first.wvt").string();
    const std::string second = (folder.Path() / "second.wvt").string();
    ProjectStore store;
    {
        DesignedProject designed(folder.ModelPath(), /*databaseKind=*/0);
        ASSERT_TRUE(store.ArchiveProject(&designed.project, first.c_str(), FALSE));
    }
    ASSERT_TRUE(store.ArchiveProject(nullptr, first.c_str(), TRUE));
    ASSERT_TRUE(store.ArchiveProject(store.GetProject(), second.c_str(), FALSE));
    EXPECT_EQ(ReadHostFile(first), ReadHostFile(second));
}
