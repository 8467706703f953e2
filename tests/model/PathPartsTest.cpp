#include "model/PathParts.h"

#include <gtest/gtest.h>

namespace
{
void ExpectParts(const PathParts& parts, const char* drive, const char* folder,
                 const char* fileName, const char* extension)
{
    EXPECT_STREQ(drive, parts.drive);
    EXPECT_STREQ(folder, parts.folder);
    EXPECT_STREQ(fileName, parts.fileName);
    EXPECT_STREQ(extension, parts.extension);
}

PathParts SplitOf(const char* path)
{
    PathParts parts;
    parts.Split(path);
    return parts;
}
} // namespace

TEST(PathPartsTest, SplitsDrivePath)
{
    ExpectParts(SplitOf("C:\\Work\\Shop\\shop.wvt"), "C:", "\\Work\\Shop\\", "shop", ".wvt");
    ExpectParts(SplitOf("D:shop.wvt"), "D:", "", "shop", ".wvt");
    ExpectParts(SplitOf("C:\\Work\\"), "C:", "\\Work\\", "", "");
}

TEST(PathPartsTest, ExtensionStartsAtTheLastDotOfTheName)
{
    ExpectParts(SplitOf("C:\\a.b\\archive.tar.gz"), "C:", "\\a.b\\", "archive.tar", ".gz");
    ExpectParts(SplitOf("C:\\a.b\\README"), "C:", "\\a.b\\", "README", "");
    ExpectParts(SplitOf(".profile"), "", "", "", ".profile");
}

TEST(PathPartsTest, SplitsPosixAndMixedPaths)
{
    ExpectParts(SplitOf("/home/user/shop.wvt"), "", "/home/user/", "shop", ".wvt");
    ExpectParts(SplitOf("/:odd/x"), "", "/:odd/", "x", "");
    ExpectParts(SplitOf("C:\\Work/Shop\\shop.wvt"), "C:", "\\Work/Shop\\", "shop", ".wvt");
    ExpectParts(SplitOf("shop.wvt"), "", "", "shop", ".wvt");
}

TEST(PathPartsTest, UncPathKeepsServerAndShareAsDrive)
{
    ExpectParts(SplitOf("\\\\server\\share\\Projects\\Shop\\shop.wvt"), "\\\\server\\share",
                "\\Projects\\Shop\\", "shop", ".wvt");
    ExpectParts(SplitOf("\\\\server\\share\\shop.wvt"), "\\\\server\\share", "\\", "shop", ".wvt");
}

TEST(PathPartsTest, UncPathWithFewerThanFourBackslashesIsAllDrive)
{
    ExpectParts(SplitOf("\\\\server\\share"), "\\\\server\\share", "", "", "");
    ExpectParts(SplitOf("\\\\server"), "\\\\server", "", "", "");
}

TEST(PathPartsTest, SplitReplacesEveryPart)
{
    PathParts parts("C:\\Work\\shop.wvt", "x.y");
    parts.Split("\\\\server\\share");
    ExpectParts(parts, "\\\\server\\share", "", "", "");
    parts.Split("name");
    ExpectParts(parts, "", "", "name", "");
}

TEST(PathPartsTest, SetFileNameKeepsDriveAndFolder)
{
    PathParts parts("C:\\Work\\shop.wvt", "D:\\Other\\backup.bak");
    ExpectParts(parts, "C:", "\\Work\\", "backup", ".bak");
    parts.SetFileName("plain");
    ExpectParts(parts, "C:", "\\Work\\", "plain", "");
}

TEST(PathPartsTest, FullPathJoinsTheParts)
{
    EXPECT_STREQ("C:\\Work\\Shop\\shop.bak",
                 PathParts("C:\\Work\\Shop\\shop.wvt", "shop.bak").GetFullPath());
    EXPECT_STREQ("\\\\server\\share\\Shop\\shop.wvt",
                 PathParts("\\\\server\\share\\Shop\\old.txt", "shop.wvt").GetFullPath());
    EXPECT_STREQ("/home/user/shop.wvt", SplitOf("/home/user/shop.wvt").GetFullPath());
}

TEST(IsUncPathTest, NeedsTwoLeadingBackslashes)
{
    EXPECT_TRUE(IsUncPath("\\\\"));
    EXPECT_TRUE(IsUncPath("\\\\server\\share"));
    EXPECT_FALSE(IsUncPath("\\"));
    EXPECT_FALSE(IsUncPath(""));
    EXPECT_FALSE(IsUncPath("\\server"));
    EXPECT_FALSE(IsUncPath("//server/share"));
    EXPECT_FALSE(IsUncPath("C:\\\\"));
}
