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
} // namespace

TEST(PathPartsTest, SplitsDriveUncPosixAndMixedPaths)
{
    struct Case
    {
        const char* path;
        const char* drive;
        const char* folder;
        const char* fileName;
        const char* extension;
    };
    const Case cases[] = {
        {"C:\\Work\\Shop\\shop.wvt", "C:", "\\Work\\Shop\\", "shop", ".wvt"},
        {"D:shop.wvt", "D:", "", "shop", ".wvt"},
        {"C:\\Work\\", "C:", "\\Work\\", "", ""},
        {"C:\\a.b\\archive.tar.gz", "C:", "\\a.b\\", "archive.tar", ".gz"},
        {"C:\\a.b\\README", "C:", "\\a.b\\", "README", ""},
        {".profile", "", "", "", ".profile"},
        {"/home/user/shop.wvt", "", "/home/user/", "shop", ".wvt"},
        {"/:odd/x", "", "/:odd/", "x", ""},
        {"C:\\Work/Shop\\shop.wvt", "C:", "\\Work/Shop\\", "shop", ".wvt"},
        {"shop.wvt", "", "", "shop", ".wvt"},
        {"\\\\server\\share\\Projects\\Shop\\shop.wvt", "\\\\server\\share", "\\Projects\\Shop\\",
         "shop", ".wvt"},
        {"\\\\server\\share\\shop.wvt", "\\\\server\\share", "\\", "shop", ".wvt"},
        {"\\\\server\\share", "\\\\server\\share", "", "", ""},
        {"\\\\server", "\\\\server", "", "", ""},
    };
    PathParts parts("C:\\Work\\shop.wvt", "x.y");
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.path);
        parts.Split(c.path);
        ExpectParts(parts, c.drive, c.folder, c.fileName, c.extension);
    }
}

TEST(PathPartsTest, SetFileNameKeepsDriveAndFolderAndFullPathJoinsTheParts)
{
    PathParts parts("C:\\Work\\shop.wvt", "D:\\Other\\backup.bak");
    ExpectParts(parts, "C:", "\\Work\\", "backup", ".bak");
    parts.SetFileName("plain");
    ExpectParts(parts, "C:", "\\Work\\", "plain", "");

    EXPECT_STREQ("C:\\Work\\Shop\\shop.bak",
                 PathParts("C:\\Work\\Shop\\shop.wvt", "shop.bak").GetFullPath());
    EXPECT_STREQ("\\\\server\\share\\Shop\\shop.wvt",
                 PathParts("\\\\server\\share\\Shop\\old.txt", "shop.wvt").GetFullPath());
    parts.Split("/home/user/shop.wvt");
    EXPECT_STREQ("/home/user/shop.wvt", parts.GetFullPath());
}

TEST(IsUncPathTest, NeedsTwoLeadingBackslashes)
{
    for (const char* path : {"\\\\", "\\\\server\\share"})
        EXPECT_TRUE(IsUncPath(path)) << path;
    for (const char* path : {"\\", "", "\\server", "//server/share", "C:\\\\"})
        EXPECT_FALSE(IsUncPath(path)) << path;
}
