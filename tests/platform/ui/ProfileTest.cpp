#include "platform/ui/Profile.h"
#include "platform/ui/WinApp.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace
{
// An application object whose profile lives in the temp folder.
std::unique_ptr<CWinApp> MakeProfileApp(const TempFolder& folder)
{
    auto app = std::make_unique<CWinApp>("KestraneWeavo");
    app->SetProfileFolder(folder.Path().c_str());
    app->SetRegistryKey("Local AppWizard-Generated Applications");
    return app;
}
} // namespace

TEST(ProfileTest, ValuesWrittenByOneApplicationAreReadByTheNext)
{
    TempFolder folder;
    {
        auto first = MakeProfileApp(folder);
        EXPECT_TRUE(first->WriteProfileString("SplitterWnd", "Panes_0", "-1 225 -1 100"));
        EXPECT_TRUE(first->WriteProfileInt("Settings", "PreviewPages", -7));
    }
    auto second = MakeProfileApp(folder);
    EXPECT_EQ(second->GetProfileString("SplitterWnd", "Panes_0"), "-1 225 -1 100");
    EXPECT_EQ(static_cast<int>(second->GetProfileInt("Settings", "PreviewPages", 0)), -7);
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "Local AppWizard-Generated Applications" /
                                        "KestraneWeavo.ini"));
}

TEST(ProfileTest, MissingEntriesGiveTheDefaults)
{
    TempFolder folder;
    auto app = MakeProfileApp(folder);
    EXPECT_EQ(app->GetProfileString("Settings", "Missing"), "");
    EXPECT_EQ(app->GetProfileString("Settings", "Missing", "fallback"), "fallback");
    EXPECT_EQ(app->GetProfileInt("Settings", "Missing", 42), 42u);
}

TEST(ProfileTest, TextThatIsNoWholeNumberReadsAsTheDefaultInt)
{
    TempFolder folder;
    auto app = MakeProfileApp(folder);
    app->WriteProfileString("Settings", "Word", "twelve");
    app->WriteProfileString("Settings", "Trailing", "12px");
    app->WriteProfileString("Settings", "Empty", "");
    EXPECT_EQ(app->GetProfileInt("Settings", "Word", 5), 5u);
    EXPECT_EQ(app->GetProfileInt("Settings", "Trailing", 5), 5u);
    EXPECT_EQ(app->GetProfileInt("Settings", "Empty", 5), 5u);
}

TEST(ProfileTest, TextsWithSeparatorsAndNonAsciiBytesComeBackUnchanged)
{
    TempFolder folder;
    const char* texts[] = {"a, b, c",   "key=value; other=1",   "\"quoted\"",
                           "@at start", "C:\\Projects\\Shop\\", "Caf\xc3\xa9 \xe2\x82\xac",
                           "  padded  "};
    {
        auto app = MakeProfileApp(folder);
        int index = 0;
        for (const char* text : texts)
            app->WriteProfileString("Texts", CString(std::to_string(index++)), text);
    }
    auto app = MakeProfileApp(folder);
    int index = 0;
    for (const char* text : texts)
        EXPECT_EQ(app->GetProfileString("Texts", CString(std::to_string(index++))), text);
}

TEST(ProfileTest, NullValueRemovesTheEntryAndNullEntryTheSection)
{
    TempFolder folder;
    auto app = MakeProfileApp(folder);
    app->WriteProfileString("A", "one", "1");
    app->WriteProfileString("A", "two", "2");
    app->WriteProfileString("B", "three", "3");

    app->WriteProfileString("A", "one", nullptr);
    EXPECT_EQ(app->GetProfileString("A", "one", "gone"), "gone");
    EXPECT_EQ(app->GetProfileString("A", "two"), "2");

    app->WriteProfileString("A", nullptr, nullptr);
    EXPECT_EQ(app->GetProfileString("A", "two", "gone"), "gone");
    EXPECT_EQ(app->GetProfileString("B", "three"), "3");
}

TEST(ProfileTest, WriteFailsWhenTheFolderCannotBeMade)
{
    TempFolder folder;
    std::ofstream(folder.Path() / "file") << "not a folder";
    Profile profile((folder.Path() / "file" / "app.ini").string());
    EXPECT_FALSE(profile.WriteString("Settings", "Key", "value"));
}
