// The message that ends a merge run names the temp folder, each file it could not write and each
// file with other names that it replaced.
#include "merge/MergeRunMessage.h"
#include "merge/MergeReportFiles.h"
#include "model/TextFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

TEST(MergeRunMessageTest, NamesTheFolderAndEachFileNotWrittenWithItsReason)
{
    TempFolder temp;
    TempFolderOverride override(temp.Path());
    // A file where the folder of the logs should be.
    std::ofstream(override.Own() / "KestraneWeavo").put('x');
    struct Case
    {
        std::vector<const char*> paths;
        std::string message;
        // Names in the folder given other names first.
        std::vector<const char*> linked = {};
    };
    const std::string folder = override.Own().string();
    const Case cases[] = {
        {{}, "The merge report and logs are in " + folder + "."},
        {{"C:\\temp\\Report.txt", "C:\\temp\\Report_ .txt"},
         "The merge report and logs are in " + folder + "."},
        {{"C:\\temp\\Report_ .txt", "C:\\temp\\KestraneWeavo\\merging.txt",
          "C:\\temp\\KestraneWeavo\\merging1.txt"},
         "The merge report and logs are in " + folder + ".\n\nThese files could not be written:\n" +
             folder + "/KestraneWeavo/merging.txt (Not a directory)\n" + folder +
             "/KestraneWeavo/merging1.txt (Not a directory)"},
        {{"C:\\temp\\Report_ .txt"},
         "The merge report and logs are in " + folder +
             ".\n\nThese links were replaced by the files written:\n" + folder +
             "/Report_ .txt (it was a hard link)",
         {"Report_ .txt"}},
    };
    for (const Case& test : cases)
    {
        for (const char* name : test.linked)
        {
            std::ofstream(override.Own() / name) << "old";
            std::filesystem::create_hard_link(override.Own() / name, temp.Path() / name);
        }
        MergeReportFiles files;
        for (const char* path : test.paths)
        {
            TextFile writer(false, false, '=', 60);
            files.Open(writer, path);
            writer.Write(0, "%s\n", "line");
            files.Close(writer);
        }
        EXPECT_EQ(std::string(MergeRunMessage(files).GetString()), test.message);
    }
}
