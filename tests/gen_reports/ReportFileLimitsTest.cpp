#include "entities/RDLCInfo.h"
#include "entities/XSDInfo.h"
#include "gen_reports/CsprojReader.h"
#include "model/ForgeonProject.h"
#include "model/ProjectSettings.h"
#include "tests/support/PipeRelease.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace
{
namespace fs = std::filesystem;

// The web project folder of a project "Shop" on a temporary folder.
class LimitsProject
{
public:
    LimitsProject()
    {
        project.SetProjectSettings(new ProjectSettings);
        project.SetProjectName("Shop");
        project.SetProjectPath(folder.ModelPath() + "\\");
        fs::create_directories(Application() / "Sales");
    }

    fs::path Application() const { return folder.Path() / "Shop" / "Shop"; }
    CString ModelPath(const char* relative) const
    {
        return folder.ModelPath("Shop\\Shop\\") + relative;
    }
    void Write(const char* relative, const std::string& text) const
    {
        std::ofstream(Application() / relative) << text;
    }
    // Reads as the designers do; the seconds it took.
    double Read(CsprojReader& reader, const fs::path& pipe)
    {
        const PipeRelease release(pipe);
        const auto start = std::chrono::steady_clock::now();
        reader.Read();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    TempFolder folder{"WeavoReaderLimits"};
    ForgeonProject project;
};

std::vector<CString> RDLCNames(const ForgeonProject& project)
{
    std::vector<CString> names;
    for (const RDLCInfo* info : project.GetRDLCInfos())
        names.push_back(info->GetName());
    return names;
}

// Items pointing at a device, a named pipe or a file beyond the size limit are not read and
// not registered, each listed with its reason; the regular files beside them are read.
TEST(ReportFileLimits, OnlyRegularFilesWithinTheLimitAreRead)
{
    LimitsProject shop;
    std::string items;
    for (const char* name : {"Orders.rdlc", "Device.rdlc", "Pipe.rdlc", "Folder.rdlc"})
        items += std::string("<EmbeddedResource Include=\"Sales\\") + name + "\" />";
    for (const char* name : {"Orders.xsd", "Huge.xsd"})
        items += std::string("<None Include=\"Sales\\") + name + "\" />";
    shop.Write("Shop.csproj", "<Project><ItemGroup>" + items + "</ItemGroup></Project>");
    shop.Write("Sales/Orders.rdlc", "<Report />");
    shop.Write("Sales/Orders.xsd", "<xs:schema />");
    fs::create_symlink("/dev/null", shop.Application() / "Sales/Device.rdlc");
    const fs::path pipe = shop.Application() / "Sales/Pipe.rdlc";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_directory(shop.Application() / "Sales/Folder.rdlc");
    shop.Write("Sales/Huge.xsd", "");
    fs::resize_file(shop.Application() / "Sales/Huge.xsd", XmlFile::maxFileSize + 1);

    CsprojReader reader(shop.ModelPath("Shop.csproj"), &shop.project);
    EXPECT_LT(shop.Read(reader, pipe), 2.0) << "the reader waited on the pipe";
    EXPECT_EQ(RDLCNames(shop.project), std::vector<CString>{"Sales\\Orders.rdlc"});
    ASSERT_EQ(shop.project.GetXSDInfos().size(), 1u);
    EXPECT_EQ(shop.project.GetXSDInfos()[0]->GetName(), "Sales\\Orders.xsd");
    EXPECT_EQ(reader.GetRefusedFiles(),
              (std::vector<CString>{shop.ModelPath("Sales\\Device.rdlc: not a regular file"),
                                    shop.ModelPath("Sales\\Pipe.rdlc: not a regular file"),
                                    shop.ModelPath("Sales\\Folder.rdlc: not a regular file"),
                                    shop.ModelPath("Sales\\Huge.xsd: larger than 64 MB")}));
}

// A project file that is a named pipe is refused at once and lists nothing.
TEST(ReportFileLimits, AProjectFileThatIsAPipeIsRefused)
{
    LimitsProject shop;
    const fs::path pipe = shop.Application() / "Shop.csproj";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    CsprojReader reader(shop.ModelPath("Shop.csproj"), &shop.project);
    EXPECT_LT(shop.Read(reader, pipe), 2.0) << "the reader waited on the pipe";
    EXPECT_EQ(reader.GetRefusedFiles(),
              std::vector<CString>{shop.ModelPath("Shop.csproj: not a regular file")});
    EXPECT_TRUE(shop.project.GetRDLCInfos().empty());
}
} // namespace
