#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/DashBoard.h"
#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/Variable.h"
#include "model/Module.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// A link to the orders menu passing two values.
class LinkOperationsTest : public ::testing::Test
{
protected:
    LinkOperationsTest()
    {
        m_orders.SetName("Orders");
        m_link.SetTarget(&m_orders);
        m_link.AddVariableMap(new LinkVariableMap{&m_pageId, &m_targetId});
        m_link.AddVariableMap(new LinkVariableMap{&m_pageName, &m_targetName});
    }

    Menu m_orders;
    Variable m_pageId;
    Variable m_targetId;
    Variable m_pageName;
    Variable m_targetName;
    LinkControl m_link;
};

TEST(LinkControlTest, AlignmentTextsAndEmptyForOtherValues)
{
    LinkControl link;
    const std::vector<CString> texts = {"", "left", "center", "Right", ""};
    for (int alignment = -1; alignment < 4; ++alignment)
    {
        link.SetAlignment(alignment);
        EXPECT_EQ(texts[alignment + 1], link.GetAlignmentText()) << alignment;
    }
}

TEST_F(LinkOperationsTest, UnlinkingClearsTargetAndMapsOnlyForTheTarget)
{
    EXPECT_EQ(CString("Orders"), m_link.GetMenuName());
    Menu other;
    m_link.AddVariableMap(nullptr);
    m_link.UnlinkMenu(&other);
    m_link.UnlinkMenu(nullptr);
    EXPECT_EQ(&m_orders, m_link.GetTarget());
    EXPECT_EQ(3u, m_link.GetVariableMaps().size());

    m_link.UnlinkMenu(&m_orders);

    EXPECT_EQ(nullptr, m_link.GetTarget());
    EXPECT_TRUE(m_link.GetVariableMaps().empty());
    EXPECT_EQ(CString(), m_link.GetMenuName());
}

TEST_F(LinkOperationsTest, RemovingTwoNeighbouringMapsRemovesBoth)
{
    auto* kept = new LinkVariableMap{&m_pageId, &m_targetName};
    m_link.AddVariableMap(kept);
    const std::vector<LinkVariableMap*> maps = m_link.GetVariableMaps();

    LinkVariableMap stranger{&m_pageId, &m_targetId};
    m_link.RemoveLinkVariableMap(&stranger);
    m_link.RemoveLinkVariableMap(nullptr);
    m_link.RemoveLinkVariableMap(maps[0]);
    m_link.RemoveLinkVariableMap(maps[1]);

    EXPECT_EQ(std::vector<LinkVariableMap*>{kept}, m_link.GetVariableMaps());
}

TEST(LinkControlTest, CopyOfNoLinkIsADefaultLink)
{
    const LinkControl copy(static_cast<const LinkControl*>(nullptr));
    EXPECT_EQ(LinkControl::Right, copy.GetAlignment());
    EXPECT_EQ(nullptr, copy.GetTarget());
    EXPECT_EQ(CString(), copy.GetCaption());
}

TEST(LinkTargetUrlTest, TargetUrlIsThatOfTheTargetsOpenedFileFromASubfolderOrEmpty)
{
    EXPECT_EQ("", LinkControl().GetTargetUrl());
    Menu menu;
    const LinkControl link(&menu, 0, 0, LinkControl::Center);
    EXPECT_EQ("", link.GetTargetUrl());
    // A file without owner page has no name, hence no address.
    AspxFile orphan;
    menu.SetAspFile(&orphan);
    EXPECT_EQ("", link.GetTargetUrl());

    Module module("Sales");
    DashBoard page;
    page.SetName("Sales Overview");
    page.SetModule(&module);
    page.CreateAspFile(0, AspFile::dashBoardOwner);
    menu.SetAspFile(page.GetAspFiles()[0]);
    EXPECT_EQ("../../Sales/UI/Sales_Overview.aspx", link.GetTargetUrl());
}

} // namespace
