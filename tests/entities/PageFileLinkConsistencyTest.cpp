#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/Menu.h"
#include "entities/ReportField.h"

#include <gtest/gtest.h>

// A page file and the items that link to it each forget the other when either is deleted, so
// the survivor holds no dangling pointer (run under AddressSanitizer, any use would be reported).

namespace
{

Menu* NewMenu(const char* name)
{
    auto* menu = new Menu;
    menu->SetName(name);
    return menu;
}

// Shows the file with the menu as its top menu, both sides linked as the menu editor does.
void ShowAsTopMenu(AspFile& file, Menu* menu)
{
    file.SetTopMenu(menu);
    menu->AddPageFile(&file);
}

void ShowAsLeftMenu(AspFile& file, Menu* menu)
{
    file.SetLeftMenu(menu);
    menu->AddPageFile(&file);
}

} // namespace

TEST(PageFileLinkConsistencyTest, ReportFieldAndTheFileItOpensForgetEachOtherWhenEitherGoes)
{
    ReportField column;
    auto* file = new AspxFile;
    column.SetAspFile(file);
    ASSERT_TRUE(file->IsLinkedFrom(&column));
    delete file;
    EXPECT_EQ(nullptr, column.GetAspFile());

    AspxFile kept;
    auto* opener = new ReportField;
    opener->SetAspFile(&kept);
    delete opener;
    EXPECT_TRUE(kept.GetLinkingItems().empty());
}

TEST(PageFileLinkConsistencyTest, ReplacedTopAndLeftMenusNoLongerReachTheFile)
{
    Menu* oldTop = NewMenu("old top");
    Menu* oldLeft = NewMenu("old left");
    Menu newTop;
    auto* file = new AspxFile;
    ShowAsTopMenu(*file, oldTop);
    ShowAsLeftMenu(*file, oldLeft);
    ShowAsTopMenu(*file, &newTop);
    file->SetLeftMenu(nullptr);
    EXPECT_TRUE(oldTop->GetPageFiles().empty());
    EXPECT_TRUE(oldLeft->GetPageFiles().empty());

    delete oldTop;
    delete oldLeft;
    EXPECT_EQ(&newTop, file->GetTopMenu());
    delete file;
    EXPECT_TRUE(newTop.GetPageFiles().empty());
}

TEST(PageFileLinkConsistencyTest, CopiedFileJoinsTheItemsListsAndLeavesThemWhenDeleted)
{
    Menu opener;
    Menu top;
    Menu left;
    AspxFile source;
    opener.SetAspFile(&source);
    ShowAsTopMenu(source, &top);
    ShowAsLeftMenu(source, &left);

    auto* copy = new AspxFile;
    copy->CopyFrom(source, nullptr);
    EXPECT_TRUE(copy->IsLinkedFrom(&opener));
    EXPECT_TRUE(copy->IsLinkedFrom(&top));
    EXPECT_TRUE(copy->IsLinkedFrom(&left));
    EXPECT_TRUE(opener.HasAspFile(copy));
    EXPECT_TRUE(top.HasAspFile(copy));
    EXPECT_TRUE(left.HasAspFile(copy));

    delete copy;
    EXPECT_FALSE(opener.HasAspFile(copy));
    EXPECT_FALSE(top.HasAspFile(copy));
    EXPECT_FALSE(left.HasAspFile(copy));
    EXPECT_EQ(&source, opener.GetAspFile());
    EXPECT_TRUE(top.HasAspFile(&source));
}

TEST(PageFileLinkConsistencyTest, MenuDeletedBeforeOrAfterACopiedFileLeavesNoPointerBehind)
{
    AspxFile source;
    Menu* opener = NewMenu("opener");
    opener->SetAspFile(&source);
    auto* copy = new AspxFile;
    copy->CopyFrom(source, nullptr);
    delete copy;
    delete opener;
    EXPECT_TRUE(source.GetLinkingItems().empty());

    Menu* top = NewMenu("top");
    ShowAsTopMenu(source, top);
    copy = new AspxFile;
    copy->CopyFrom(source, nullptr);
    delete top;
    EXPECT_EQ(nullptr, source.GetTopMenu());
    EXPECT_EQ(nullptr, copy->GetTopMenu());
    delete copy;
}
