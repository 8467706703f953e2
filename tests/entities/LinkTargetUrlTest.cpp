#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/DashBoard.h"
#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "model/Module.h"

#include <gtest/gtest.h>

TEST(LinkTargetUrlTest, TargetUrlIsThatOfTheTargetsOpenedFileFromASubfolder)
{
    Module module("Sales");
    DashBoard page;
    page.SetName("Sales Overview");
    page.SetModule(&module);
    page.CreateAspFile(0, AspFile::dashBoardOwner);
    Menu menu;
    menu.SetAspFile(page.GetAspFiles()[0]);
    const LinkControl link(&menu, 0, 0, LinkControl::Center);

    EXPECT_EQ("../../Sales/UI/Sales_Overview.aspx", link.GetTargetUrl());
}

TEST(LinkTargetUrlTest, TargetUrlIsEmptyWithoutTargetOpenedFileOrFileName)
{
    EXPECT_EQ("", LinkControl().GetTargetUrl());

    Menu menu;
    const LinkControl link(&menu, 0, 0, LinkControl::Left);
    EXPECT_EQ("", link.GetTargetUrl());

    // A file without owner page has no name, hence no address.
    AspxFile orphan;
    menu.SetAspFile(&orphan);
    EXPECT_EQ("", link.GetTargetUrl());
}
