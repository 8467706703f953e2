#include "platform/ui/RecentFileList.h"
#include "platform/ui/Profile.h"
#include "platform/ui/WinApp.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
std::vector<CString> Entries(const CRecentFileList& list)
{
    std::vector<CString> entries;
    for (int index = 0; index < list.GetCount(); ++index)
        entries.push_back(list[index]);
    return entries;
}

std::unique_ptr<CWinApp> MakeRecentFileApp(const TempFolder& folder, UINT maxMRU)
{
    auto app = std::make_unique<CWinApp>("KestraneWeavo");
    app->SetProfileFolder(folder.Path().c_str());
    app->LoadStdProfileSettings(maxMRU);
    return app;
}
} // namespace

TEST(RecentFileListTest, NewestFileComesFirstAndTheOldestDropsOffAFullList)
{
    CRecentFileList list(ID_FILE_MRU_FILE1, "Recent File List", "File%d", 3);
    list.Add("a.wvt");
    list.Add("b.wvt");
    list.Add("c.wvt");
    list.Add("d.wvt");
    EXPECT_EQ(Entries(list), (std::vector<CString>{"d.wvt", "c.wvt", "b.wvt"}));
    EXPECT_EQ(list[3], "");
    EXPECT_EQ(list[-1], "");
}

TEST(RecentFileListTest, AddingAListedFileMovesItToTheFrontWithoutRepeatingIt)
{
    CRecentFileList list(ID_FILE_MRU_FILE1, "Recent File List", "File%d", 4);
    list.Add("a.wvt");
    list.Add("b.wvt");
    list.Add("c.wvt");
    list.Add("a.wvt");
    list.Add("");
    list.Add(nullptr);
    EXPECT_EQ(Entries(list), (std::vector<CString>{"a.wvt", "c.wvt", "b.wvt"}));
}

TEST(RecentFileListTest, ListPersistsAcrossTwoApplicationObjects)
{
    TempFolder folder;
    {
        auto first = MakeRecentFileApp(folder, 4);
        for (const char* file : {"/p/1.wvt", "/p/2.wvt", "/p/3.wvt", "/p/4.wvt", "/p/5.wvt"})
            first->AddToRecentFileList(file);
    }
    auto second = MakeRecentFileApp(folder, 4);
    ASSERT_NE(second->GetRecentFileList(), nullptr);
    EXPECT_EQ(Entries(*second->GetRecentFileList()),
              (std::vector<CString>{"/p/5.wvt", "/p/4.wvt", "/p/3.wvt", "/p/2.wvt"}));
    EXPECT_EQ(second->GetProfileString("Recent File List", "File1"), "/p/5.wvt");
    EXPECT_EQ(second->GetProfileString("Recent File List", "File4"), "/p/2.wvt");
}

TEST(RecentFileListTest, WritingAShorterListRemovesTheStaleEntries)
{
    TempFolder folder;
    Profile profile((folder.Path() / "app.ini").string());
    CRecentFileList list(ID_FILE_MRU_FILE1, "Recent File List", "File%d", 4);
    list.Add("a.wvt");
    list.Add("b.wvt");
    list.WriteList(profile);
    list.Remove(0);
    list.WriteList(profile);

    CRecentFileList read(ID_FILE_MRU_FILE1, "Recent File List", "File%d", 4);
    read.ReadList(profile);
    EXPECT_EQ(Entries(read), std::vector<CString>{"a.wvt"});
    EXPECT_EQ(profile.GetString("Recent File List", "File2", "none"), "none");
}

TEST(RecentFileListTest, ApplicationWithoutAListIgnoresRecentFiles)
{
    TempFolder folder;
    auto app = MakeRecentFileApp(folder, 0);
    EXPECT_EQ(app->GetRecentFileList(), nullptr);
    app->AddToRecentFileList("/p/1.wvt");
    EXPECT_EQ(app->GetProfileString("Recent File List", "File1", "none"), "none");
}
