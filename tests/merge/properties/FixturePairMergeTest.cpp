// Every ordered pair of the suite's project files merged: each module of the second whole, kept
// and overwriting, run as the model runs it (no project open), as the window runs it (the first
// file open beside the merge inputs) and with the merge's own first project open. Each merged
// project saves, loads and saves to the same bytes, and the three runs of a merge save the same
// bytes. The project tree lists every entity of each fixture and of each kept merge where its
// count says. The pairs are dealt to shards, so that the walk runs as several tests side by side.
#include "tests/merge/MergeRunFixture.h"
#include "tests/shell/logic/TreeListingCheck.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#ifndef WEAVO_TEST_DATA
#error "WEAVO_TEST_DATA names the folder of the test data"
#endif

namespace
{
constexpr int pairShards = 8;

// The suite's project files, in path order.
std::vector<std::filesystem::path> FixtureFiles()
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(std::filesystem::path(WEAVO_TEST_DATA)))
    {
        if (entry.is_regular_file() && entry.path().extension() == ".wvt")
            files.push_back(entry.path());
    }
    std::ranges::sort(files);
    return files;
}

std::string FixtureName(const std::filesystem::path& file)
{
    return std::filesystem::relative(file, WEAVO_TEST_DATA).string();
}
} // namespace

class FixturePairMergeTest : public MergeRun, public ::testing::WithParamInterface<int>
{
protected:
    struct Fixture
    {
        std::filesystem::path file;
        std::vector<CString> modules;
    };

    // The files the store reads, with their module names.
    std::vector<Fixture> Fixtures()
    {
        std::vector<Fixture> fixtures;
        for (const std::filesystem::path& file : FixtureFiles())
        {
            if (!m_store.LoadSecondMergeProject(file.string().c_str()))
                continue;
            Fixture& fixture = fixtures.emplace_back(Fixture{file, {}});
            if (GetParam() == 0)
            {
                EXPECT_EQ(UnlistedEntities(*Second()), "") << FixtureName(file);
            }
            for (const Module* module : Second()->GetModules())
                fixture.modules.push_back(module->GetName());
        }
        m_store.DeleteMergeProjects();
        return fixtures;
    }

    enum class Way
    {
        model,
        window,
        own,
    };

    // The module of the second file merged into the first, run the way given: the merged
    // project's bytes, which load and save to the same bytes.
    std::string Merge(const std::filesystem::path& first, const std::filesystem::path& second,
                      const CString& module, bool overwrite, Way way)
    {
        if (way == Way::window)
        {
            EXPECT_TRUE(m_store.ArchiveProject(nullptr, first.string().c_str(), TRUE));
        }
        EXPECT_TRUE(m_store.LoadFirstMergeProject(first.string().c_str()));
        EXPECT_TRUE(m_store.LoadSecondMergeProject(second.string().c_str()));
        ScriptedMergeSelection selection = ScriptedMergeSelection::FullModule(module, overwrite);
        bool merged = false;
        {
            std::optional<ScopedOpenProject> open;
            if (way == Way::window)
                open.emplace(m_store);
            else if (way == Way::own)
                open.emplace(First());
            merged = RunStoreMerge(selection);
        }
        if (!merged)
            return "not merged";
        const std::string bytes = SavedBytes(First(), "merged.wvt");
        m_store.DeleteMergeProjects();
        EXPECT_TRUE(m_store.ArchiveProject(nullptr, Path("merged.wvt"), TRUE)) << LastBox();
        ExpectSameBytes(bytes, SavedBytes(m_store.GetProject(), "again.wvt"));
        return bytes;
    }
};

TEST_P(FixturePairMergeTest, EveryPairSavesTheSameBytesEveryWay)
{
    const std::vector<Fixture> fixtures = Fixtures();
    // Some of the files are refused on purpose; most are read.
    ASSERT_GT(fixtures.size(), 10u);
    std::size_t pair = 0;
    for (const Fixture& second : fixtures)
    {
        for (const Fixture& first : fixtures)
        {
            if (pair++ % pairShards != static_cast<std::size_t>(GetParam()))
                continue;
            for (const CString& module : second.modules)
            {
                for (const bool overwrite : {false, true})
                {
                    SCOPED_TRACE(FixtureName(first.file) + " <- " + FixtureName(second.file) + " " +
                                 module.GetString() + (overwrite ? " overwrite" : " keep"));
                    const std::string model =
                        Merge(first.file, second.file, module, overwrite, Way::model);
                    if (!overwrite && model != "not merged" && m_store.GetProject() != nullptr)
                    {
                        EXPECT_EQ(UnlistedEntities(*m_store.GetProject()), "");
                    }
                    EXPECT_TRUE(model ==
                                Merge(first.file, second.file, module, overwrite, Way::window))
                        << "the window's merge saves other bytes";
                    EXPECT_TRUE(model ==
                                Merge(first.file, second.file, module, overwrite, Way::own))
                        << "the merge with its own project open saves other bytes";
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shards, FixturePairMergeTest, ::testing::Range(0, pairShards));
