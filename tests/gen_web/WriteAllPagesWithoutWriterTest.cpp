#include "gen_web/AspxWriteAll.h"

#include "entities/AspxFile.h"
#include "entities/MapForm.h"
#include "entities/MultiPageReport.h"
#include "entities/ReportCollector.h"
#include "platform/core/ScriptedMessageBoxes.h"

#include "tests/gen_web/PreparedProjectFolder.h"
#include "tests/gen_web/ShopProject.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// The page with one ASP.NET page file of kind 0.
template <class Page> Page* PageWithFile(const char* name, int ownerKind)
{
    Page* page = NewPage<Page>(name);
    auto* file = new AspxFile;
    file->SetOwnerKind(ownerKind);
    file->SetFileKind(0);
    file->SetOwnerPage(page);
    page->AddAspFile(file);
    return page;
}

class WriteAllPagesWithoutWriter : public ::testing::Test
{
protected:
    WriteAllPagesWithoutWriter()
    {
        Module& base = *shop.Project().GetBaseModule();
        base.Append(PageWithFile<MapForm>("orders_map", AspFile::mapFormOwner));
        base.Append(PageWithFile<MultiPageReport>("Overview", AspFile::multiPageReportOwner));
        base.Append(PageWithFile<ReportCollector>("Collected", AspFile::reportCollectorOwner));
        shop.Project().GetModuleAt(1)->Append(
            PageWithFile<MapForm>("lines_map", AspFile::mapFormOwner));
        PrepareProjectFolder(shop.Project());
        WriteOwnDataSet(shop.ApplicationFolder());
    }

    ShopProject shop;
    ScriptedMessageBoxes boxes;
    const std::string notGenerated = "These pages are not generated for the ASP.NET application:\n"
                                     "orders_map (map form)\n"
                                     "Overview (multi-page report)\n"
                                     "Collected (report collector)\n"
                                     "lines_map (map form)";
};

TEST_F(WriteAllPagesWithoutWriter, AreLeftOutOfTheProjectFileAndNamedOnceWithoutFailingTheRun)
{
    AspxWriteAll writeAll(&shop.Project());
    EXPECT_TRUE(writeAll.Run(nullptr, /*copyModifiedFiles=*/true));
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(notGenerated, writeAll.GetReport().GetText().str());

    const std::string projectFile = ReadHostFile(shop.ApplicationFolder() / "Shop.csproj");
    ASSERT_NE(std::string::npos, projectFile.find("customerAdd.aspx"));
    for (const char* page : {"orders_map", "Overview", "Collected", "lines_map"})
        EXPECT_EQ(std::string::npos, projectFile.find(page)) << page;
}

TEST_F(WriteAllPagesWithoutWriter, AFailedRunSaysWhyTheModifiedFilesWereNotCopied)
{
    std::filesystem::create_directories(shop.ApplicationFolder() / "Util" / "Menus.cs");
    AspxWriteAll writeAll(&shop.Project());
    EXPECT_FALSE(writeAll.Run(nullptr, /*copyModifiedFiles=*/true));
    const std::string util = (shop.ApplicationFolder() / "Util").string();
    const std::string modified = (shop.Root() / "Shop" / "_modifiedCode").string();
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("These files could not be written:\n" + util + "/Menus.cs (Is a directory)\n" +
                  notGenerated + "\nYour modified files were not copied:\n" + modified +
                  " (not every file was written)",
              boxes.Shown()[0].text);
}
} // namespace
