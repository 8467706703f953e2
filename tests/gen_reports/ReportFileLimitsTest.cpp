#include "entities/RDLCInfo.h"
#include "entities/XSDInfo.h"
#include "gen_reports/CsprojReader.h"
#include "model/ForgeonProject.h"
#include "model/ProjectSettings.h"
#include "model/ReportNameIndex.h"
#include "platform/core/HostPath.h"
#include "tests/support/PipeRelease.h"
#include "tests/support/TempFolder.h"
#include "tests/support/ThreadTime.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
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
    // The file as messages name it.
    CString HostPath(const char* relative) const { return ToHostPath(ModelPath(relative)).c_str(); }
    void Write(const char* relative, const std::string& text) const
    {
        std::ofstream(Application() / relative) << text;
    }
    // Reads as the designers do; true when the reader waited on the pipe.
    static bool WaitedOnPipe(CsprojReader& reader, const fs::path& pipe)
    {
        PipeRelease release(pipe);
        reader.Read();
        return release.Stop();
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
    EXPECT_FALSE(LimitsProject::WaitedOnPipe(reader, pipe));
    EXPECT_EQ(RDLCNames(shop.project), std::vector<CString>{"Sales\\Orders.rdlc"});
    ASSERT_EQ(shop.project.GetXSDInfos().size(), 1u);
    EXPECT_EQ(shop.project.GetXSDInfos()[0]->GetName(), "Sales\\Orders.xsd");
    EXPECT_EQ(reader.GetRefusedFiles(),
              (std::vector<CString>{shop.HostPath("Sales\\Device.rdlc: not a regular file"),
                                    shop.HostPath("Sales\\Pipe.rdlc: not a regular file"),
                                    shop.HostPath("Sales\\Folder.rdlc: not a regular file"),
                                    shop.HostPath("Sales\\Huge.xsd: larger than 64 MB")}));
}

// A project file that is a named pipe is refused at once and lists nothing.
TEST(ReportFileLimits, AProjectFileThatIsAPipeIsRefused)
{
    LimitsProject shop;
    const fs::path pipe = shop.Application() / "Shop.csproj";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    CsprojReader reader(shop.ModelPath("Shop.csproj"), &shop.project);
    EXPECT_FALSE(LimitsProject::WaitedOnPipe(reader, pipe));
    EXPECT_EQ(reader.GetRefusedFiles(),
              std::vector<CString>{shop.HostPath("Shop.csproj: not a regular file")});
    EXPECT_TRUE(shop.project.GetRDLCInfos().empty());
}

// What one read of a listed or project file gives: the reports and data sets registered and the
// files named as not read.
struct ReadResult
{
    std::vector<CString> reports;
    std::size_t dataSets;
    std::vector<CString> refused;
};

// Files that cannot be taken whole are named with their reasons, not registered as empty
// reports: a missing file, UTF-16 text, a file cut short, a project file with a NUL byte in an
// Include, and one past the reader's bound of nodes.
TEST(ReportFileLimits, FilesThatCannotBeReadWholeAreNamedNotRegistered)
{
    const std::string utf16("\xFF\xFE<\0R\0e\0p\0o\0r\0t\0/\0>\0", 18);
    std::string empties;
    for (std::size_t i = 0; i < XmlParseOptions::defaultMaxNodes; ++i)
        empties += "<a/>";
    const struct
    {
        const char* what;
        std::string project;
        std::vector<std::pair<const char*, std::string>> files;
        ReadResult expected;
    } cases[] = {
        {"listed files",
         "<Project><ItemGroup><EmbeddedResource Include=\"Sales\\Orders.rdlc\" />"
         "<EmbeddedResource Include=\"Sales\\Gone.rdlc\" />"
         "<EmbeddedResource Include=\"Sales\\Wide.rdlc\" />"
         "<EmbeddedResource Include=\"Sales\\Cut.rdlc\" />"
         "<None Include=\"Sales\\Gone.xsd\" /></ItemGroup></Project>",
         {{"Sales/Orders.rdlc", "<Report />"},
          {"Sales/Wide.rdlc", utf16},
          {"Sales/Cut.rdlc", "<Report><DataSets><DataSet>"}},
         {{"Sales\\Orders.rdlc"},
          0,
          {"Sales/Gone.rdlc: No such file or directory",
           "Sales/Wide.rdlc: holds NUL bytes: not UTF-8 or ASCII text (UTF-16?)",
           "Sales/Cut.rdlc: not well-formed XML: it ends before </Report>",
           "Sales/Gone.xsd: No such file or directory"}}},
        {"a NUL in an Include",
         std::string("<Project><ItemGroup><EmbeddedResource Include=\"Sales\\Or\0ders.rdlc\" />"
                     "</ItemGroup></Project>",
                     88),
         {{"Sales/Or", "<Report />"}},
         {{}, 0, {"Shop.csproj: holds NUL bytes: not UTF-8 or ASCII text (UTF-16?)"}}},
        {"more nodes than the bound",
         "<Project>" + empties + "</Project>",
         {},
         {{},
          0,
          {"Shop.csproj: not well-formed XML: The text holds more than 1000000 elements and "
           "attributes."}}},
    };
    for (const auto& test : cases)
    {
        SCOPED_TRACE(test.what);
        LimitsProject shop;
        shop.Write("Shop.csproj", test.project);
        for (const auto& [name, text] : test.files)
            shop.Write(name, text);
        CsprojReader reader(shop.ModelPath("Shop.csproj"), &shop.project);
        reader.Read();
        std::vector<CString> refused;
        for (const CString& file : test.expected.refused)
            refused.push_back(shop.HostPath(file));
        EXPECT_EQ(RDLCNames(shop.project), test.expected.reports);
        EXPECT_EQ(shop.project.GetXSDInfos().size(), test.expected.dataSets);
        EXPECT_EQ(reader.GetRefusedFiles(), refused);
    }
}

// AddressSanitizer reserves more address space than a memory limit leaves.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define WEAVO_READER_UNDER_ASAN
#endif
#endif
#if !defined(__SANITIZE_ADDRESS__) && !defined(WEAVO_READER_UNDER_ASAN)
constexpr const char* outOfMemoryProject = "WEAVO_READER_OUT_OF_MEMORY_PROJECT";

// In a process of its own (memory that earlier tests freed would give room): reads the project
// file with room for its text but not for its tree; exits with 0 when the read was refused
// with the message and nothing of the tree was kept.
[[noreturn]] void ReadWithoutRoom(const char* path)
{
    std::size_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t room = pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (64u << 20);
    const rlimit limit{room, room};
    ::setrlimit(RLIMIT_AS, &limit);
    ForgeonProject project;
    CsprojReader reader(path, &project);
    reader.Read();
    const bool refused =
        reader.GetRefusedFiles() ==
        std::vector<CString>{ToHostPath(path) + ": too large to read in the memory available"};
    ::_exit(refused && reader.GetRoot().GetChildren().empty() ? 0 : 1);
}

// Freeing what a failed read built cannot fail in turn.
static_assert(noexcept(std::declval<XmlNode&>().Clear()));

// Under a memory limit, a project file that needs more than the limit is refused with a
// message, and what was built is freed; the program goes on.
TEST(ReportFileLimits, AReadThatRunsOutOfMemoryIsRefusedAndFreed)
{
    if (const char* path = std::getenv(outOfMemoryProject))
        ReadWithoutRoom(path);
    LimitsProject shop;
    std::string items;
    for (int i = 0; i < 400'000; ++i)
        items += "<None Include=\"Sales\\Item" + std::to_string(i) + ".txt\" />";
    shop.Write("Shop.csproj", "<Project><ItemGroup>" + items + "</ItemGroup></Project>");
    const pid_t child = ::fork();
    if (child == 0)
    {
        ::setenv(outOfMemoryProject, shop.ModelPath("Shop.csproj"), 1);
        ::execl("/proc/self/exe", "gen_reports_tests",
                "--gtest_filter=ReportFileLimits.AReadThatRunsOutOfMemoryIsRefusedAndFreed",
                nullptr);
        ::_exit(2);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "the reader died of signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
#endif

// The thread's processor time, in seconds, of reading a project file that lists the number of
// report definitions, each twice, into a project of its own; each is taken once.
double SecondsToRegister(int count)
{
    LimitsProject shop;
    std::string items;
    for (int i = 0; i < count; ++i)
    {
        const std::string name = "R" + std::to_string(i) + ".rdlc";
        items += "<EmbeddedResource Include=\"Sales\\" + name + "\" />";
        shop.Write(("Sales/" + name).c_str(), "<Report />");
    }
    shop.Write("Shop.csproj", "<Project><ItemGroup>" + items + items + "</ItemGroup></Project>");
    CsprojReader reader(shop.ModelPath("Shop.csproj"), &shop.project);
    const double start = ThreadProcessorSeconds();
    reader.Read();
    const double seconds = ThreadProcessorSeconds() - start;
    EXPECT_EQ(shop.project.GetRDLCInfos().size(), static_cast<std::size_t>(count))
        << "each listed twice, taken once";
    return seconds;
}

// The names a project uses, as ForgeonProject answers them one by one; registering four times
// the files takes about four times as long, not sixteen, as a load on the machine stretches
// both sizes alike.
TEST(ReportFileLimits, TheNameIndexAnswersAsTheProjectAndKeepsRegisteringLinear)
{
    LimitsProject shop;
    auto* listed = new RDLCInfo;
    listed->SetName("Sales\\Listed.rdlc");
    shop.project.AddRDLCInfo(listed);
    auto* dataSet = new XSDInfo;
    dataSet->SetFilePath("Sales\\Listed.xsd");
    shop.project.AddXSDInfo(dataSet);
    ReportNameIndex names(shop.project);
    for (const char* name :
         {"Sales\\Listed.rdlc", "SALES\\LISTED.RDLC", "Sales\\Other.rdlc", "Sales\\Listed.xsd"})
    {
        RDLCInfo candidate;
        candidate.SetName(name);
        EXPECT_EQ(names.IsRDLCNameUsed(name), shop.project.IsRDLCInfoNameUsed(&candidate)) << name;
        XSDInfo xsdCandidate;
        xsdCandidate.SetFilePath(name);
        EXPECT_EQ(names.IsXSDNameUsed(name), shop.project.IsXSDInfoNameUsed(&xsdCandidate)) << name;
    }
    names.AddRDLCName("Sales\\New.rdlc");
    EXPECT_TRUE(names.IsRDLCNameUsed("sales\\new.RDLC"));
    EXPECT_FALSE(names.IsXSDNameUsed("Sales\\New.rdlc"));

    const double small = SecondsToRegister(2'500);
    const double large = SecondsToRegister(10'000);
    EXPECT_LT(large, 8 * small) << "registering was quadratic: " << small << " s then " << large
                                << " s";
}
} // namespace
