#include "platform/core/HostPath.h"

#include "tests/support/FolderProbes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{
namespace fs = std::filesystem;

// Sets or clears TMPDIR for one test and puts the old value back afterwards.
class TmpdirOverride
{
public:
    explicit TmpdirOverride(const char* value)
    {
        if (const char* old = std::getenv("TMPDIR"))
            m_old = old;
        if (value != nullptr)
            ::setenv("TMPDIR", value, 1);
        else
            ::unsetenv("TMPDIR");
    }
    ~TmpdirOverride()
    {
        if (m_old)
            ::setenv("TMPDIR", m_old->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }

private:
    std::optional<std::string> m_old;
};

// A fresh folder under the system temp folder, removed with everything in it.
class EnsureFolderChainTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "hostpath-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_root = pattern;
    }
    void TearDown() override
    {
        fs::permissions(m_root, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_root);
    }

    fs::path m_root;
};

TEST(HostPathTest, EmptyOrNullPathGivesEmpty)
{
    EXPECT_EQ(ToHostPath(nullptr), "");
    EXPECT_EQ(ToHostPath(""), "");
}

// The trace folder is the user's own folder in the temp folder.
TEST(HostPathTest, TraceFolderMapsToTheUsersFolderInTmpdir)
{
    const std::string own = "/KestraneWeavo-" + std::to_string(::geteuid());
    TmpdirOverride tmpdir("/var/scratch/");
    EXPECT_EQ(HostTempFolder(), "/var/scratch");
    EXPECT_EQ(UserTempFolder(), "/var/scratch" + own);
    EXPECT_EQ(ToHostPath("C:\\temp\\trace.txt"), "/var/scratch" + own + "/trace.txt");
    EXPECT_EQ(ToHostPath("c:/TEMP\\sub\\log.txt"), "/var/scratch" + own + "/sub/log.txt");
    EXPECT_EQ(ToHostPath("C:\\Temp"), "/var/scratch" + own);
    EXPECT_EQ(ToHostPath("C:\\temp\\"), "/var/scratch" + own + "/");
}

TEST(HostPathTest, TraceFolderFallsBackToTmpWhenTmpdirUnsetOrEmpty)
{
    const std::string own = "/KestraneWeavo-" + std::to_string(::geteuid());
    {
        TmpdirOverride tmpdir(nullptr);
        EXPECT_EQ(HostTempFolder(), "/tmp");
        EXPECT_EQ(ToHostPath("C:\\temp\\a.txt"), "/tmp" + own + "/a.txt");
    }
    TmpdirOverride tmpdir("");
    EXPECT_EQ(HostTempFolder(), "/tmp");
    EXPECT_EQ(ToHostPath("C:\\temp\\a.txt"), "/tmp" + own + "/a.txt");
}

TEST(HostPathTest, TraceFolderUnderRootTmpdirHasNoDoubleSlash)
{
    const std::string own = "/KestraneWeavo-" + std::to_string(::geteuid());
    TmpdirOverride tmpdir("/");
    EXPECT_EQ(ToHostPath("C:\\temp\\a.txt"), own + "/a.txt");
    EXPECT_EQ(ToHostPath("C:\\temp"), own);
}

TEST(HostPathTest, FoldersOnlyStartingLikeTempAreOrdinaryPaths)
{
    TmpdirOverride tmpdir("/scratch");
    EXPECT_EQ(ToHostPath("C:\\temporary\\a.txt"), "/temporary/a.txt");
    EXPECT_EQ(ToHostPath("D:\\temp\\a.txt"), "/temp/a.txt");
    EXPECT_EQ(ToHostPath("C:temp\\a.txt"), "temp/a.txt");
}

TEST(HostPathTest, DriveLetterIsDropped)
{
    EXPECT_EQ(ToHostPath("D:\\Work\\Out\\a.wvt"), "/Work/Out/a.wvt");
    EXPECT_EQ(ToHostPath("c:\\Projects"), "/Projects");
    EXPECT_EQ(ToHostPath("D:rel\\x"), "rel/x");
}

TEST(HostPathTest, SeparatorsBecomeSlashes)
{
    EXPECT_EQ(ToHostPath("\\\\server\\share\\x"), "//server/share/x");
    EXPECT_EQ(ToHostPath("Out\\pages\\a.aspx"), "Out/pages/a.aspx");
}

TEST(HostPathTest, PosixPathStaysAsItIs)
{
    EXPECT_EQ(ToHostPath("/home/user/a.wvt"), "/home/user/a.wvt");
    EXPECT_EQ(ToHostPath("rel/a:b.txt"), "rel/a:b.txt");
}

TEST(HostPathTest, ARelativePathIsTakenFromTheCurrentFolder)
{
    const std::string current = std::filesystem::current_path().string();
    const struct
    {
        const char* given;
        std::string absolute;
    } cases[] = {
        {"Shop.wvt", current + "/Shop.wvt"},
        {"./sub/Shop.wvt", current + "/sub/Shop.wvt"},
        {"/home/user/Shop.wvt", "/home/user/Shop.wvt"},
        {"C:\\Work\\Shop.wvt", "C:\\Work\\Shop.wvt"},
        {"\\\\server\\Shop.wvt", "\\\\server\\Shop.wvt"},
        {"", ""},
    };
    for (const auto& each : cases)
        EXPECT_EQ(AbsolutePath(each.given), each.absolute) << each.given;
}

TEST(HostPathTest, AnAbsoluteHostPathTakesTheModelsFormAndMapsBack)
{
    TmpdirOverride tmpdir("/scratch");
    const struct
    {
        const char* host;
        const char* model;
    } cases[] = {
        {"/home/user/Projects/", "C:\\home\\user\\Projects\\"},
        {"/srv", "C:\\srv"},
        {"/temp/sites/", "D:\\temp\\sites\\"},
        {"/TEMP", "D:\\TEMP"},
        {"/temporary/x", "C:\\temporary\\x"},
        {"relative/x", "relative/x"},
        {"D:\\Work", "D:\\Work"},
        {"", ""},
    };
    for (const auto& each : cases)
    {
        EXPECT_EQ(ToModelPath(each.host), each.model) << each.host;
        EXPECT_EQ(ToHostPath(ToModelPath(each.host).c_str()), ToHostPath(each.host)) << each.host;
    }
    EXPECT_EQ(ToModelPath(nullptr), "");
}

TEST_F(EnsureFolderChainTest, MakesEveryMissingLevel)
{
    const fs::path nested = m_root / "a" / "b" / "c";
    EXPECT_TRUE(EnsureFolderChain(nested.c_str()));
    EXPECT_TRUE(fs::is_directory(nested));
    EXPECT_TRUE(EnsureFolderChain((m_root / "a" / "x" / "").c_str()));
    EXPECT_TRUE(fs::is_directory(m_root / "a" / "x"));
}

TEST_F(EnsureFolderChainTest, MapsTheModelPath)
{
    TmpdirOverride tmpdir(m_root.c_str());
    EXPECT_TRUE(EnsureFolderChain("C:\\temp\\trace\\run"));
    const fs::path own = UserTempFolder();
    EXPECT_TRUE(fs::is_directory(own / "trace" / "run"));
    // The user's own folder is made for the user only.
    struct stat info;
    ASSERT_EQ(::stat(own.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0700u);
}

TEST_F(EnsureFolderChainTest, AcceptsExistingFolder)
{
    EXPECT_TRUE(EnsureFolderChain(m_root.c_str()));
    EXPECT_TRUE(EnsureFolderChain("/"));
}

TEST_F(EnsureFolderChainTest, CreatesWithModeUnderUmask)
{
    const mode_t old = ::umask(027);
    const bool made = EnsureFolderChain((m_root / "p" / "q").c_str());
    ::umask(old);
    ASSERT_TRUE(made);
    struct stat info;
    ASSERT_EQ(::stat((m_root / "p" / "q").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0750u);
}

TEST_F(EnsureFolderChainTest, FailsWhereComponentIsAFile)
{
    std::ofstream(m_root / "file") << "x";
    errno = 0;
    EXPECT_FALSE(EnsureFolderChain((m_root / "file" / "sub").c_str()));
    EXPECT_EQ(errno, ENOTDIR);
    errno = 0;
    EXPECT_FALSE(EnsureFolderChain((m_root / "file").c_str()));
    EXPECT_EQ(errno, ENOTDIR);
    EXPECT_FALSE(fs::exists(m_root / "file" / "sub"));
}

TEST_F(EnsureFolderChainTest, KeepsErrnoWhenNameIsTooLong)
{
    errno = 0;
    EXPECT_FALSE(EnsureFolderChain((m_root / std::string(300, 'n') / "sub").c_str()));
    EXPECT_EQ(errno, ENAMETOOLONG);
}

TEST_F(EnsureFolderChainTest, KeepsErrnoWhenParentIsNotWritable)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    const fs::path locked = m_root / "locked";
    ASSERT_TRUE(fs::create_directory(locked));
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    errno = 0;
    EXPECT_FALSE(EnsureFolderChain((locked / "new").c_str()));
    EXPECT_EQ(errno, EACCES);
    fs::permissions(locked, fs::perms::owner_all);
}

TEST_F(EnsureFolderChainTest, CacheLooksAtEachFolderOnceUntilCleared)
{
    FolderChainCache cache;
    ASSERT_TRUE(cache.Ensure(m_root.c_str()));
    FolderProbes probes;
    const std::string root = m_root.string();
    EXPECT_TRUE(cache.Ensure((root + "/a/b").c_str()));
    EXPECT_TRUE(cache.Ensure((root + "\\a\\b\\").c_str()));
    EXPECT_TRUE(cache.Ensure((root + "/a/c/").c_str()));
    EXPECT_TRUE(cache.Ensure((root + "/a").c_str()));
    EXPECT_TRUE(cache.Ensure(root.c_str()));
    EXPECT_EQ(probes.folders,
              (std::vector<std::string>{root + "/a", root + "/a/b", root + "/a/c"}));
    EXPECT_TRUE(fs::is_directory(m_root / "a" / "b"));
    EXPECT_TRUE(fs::is_directory(m_root / "a" / "c"));

    fs::remove_all(m_root / "a");
    probes.folders.clear();
    cache.Clear();
    EXPECT_TRUE(cache.Ensure((root + "/a/b").c_str()));
    ASSERT_GE(probes.folders.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(probes.folders.end() - 3, probes.folders.end()),
              (std::vector<std::string>{root, root + "/a", root + "/a/b"}));
    EXPECT_TRUE(fs::is_directory(m_root / "a" / "b"));
}

TEST_F(EnsureFolderChainTest, CacheFailsEachTimeAFolderCannotBeMade)
{
    std::ofstream(m_root / "file") << "x";
    FolderChainCache cache;
    for (int attempt = 0; attempt < 2; ++attempt)
    {
        errno = 0;
        EXPECT_FALSE(cache.Ensure((m_root / "file" / "sub").c_str()));
        EXPECT_EQ(errno, ENOTDIR);
    }
    errno = 0;
    EXPECT_FALSE(cache.Ensure(""));
    EXPECT_EQ(errno, ENOENT);
    fs::remove(m_root / "file");
    EXPECT_TRUE(cache.Ensure((m_root / "file" / "sub").c_str()));
    EXPECT_TRUE(fs::is_directory(m_root / "file" / "sub"));
}

TEST(HostPathTest, ProgramFolderIsTheTestExecutablesFolder)
{
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '/');
    EXPECT_EQ(fs::path(folder), fs::canonical(program_invocation_name).parent_path());
}
TEST(HostPathTest, OnlyAHostPathWithABackslashInANameIsRefused)
{
    const struct
    {
        const char* path;
        bool refused;
    } cases[] = {
        {"/home/user/a\\b.wvt", true},
        {"/srv/out\\put/", true},
        {"/home/user/Shop.wvt", false},
        {"C:\\Work\\Shop.wvt", false},
        {"relative\\Shop.wvt", false},
        {"", false},
        {nullptr, false},
    };
    for (const auto& each : cases)
        EXPECT_EQ(HostNamesHoldBackslash(each.path), each.refused)
            << (each.path != nullptr ? each.path : "(null)");
    EXPECT_EQ(BackslashNameRefusal("/srv/a\\b"),
              "/srv/a\\b\nFile and folder names with a \"\\\" cannot be used here.");
}
} // namespace
