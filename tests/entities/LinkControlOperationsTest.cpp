#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/Variable.h"

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
} // namespace

TEST(LinkControlTest, AlignmentTextsAndEmptyForOtherValues)
{
    LinkControl link;
    const std::vector<CString> texts = {"left", "center", "Right", ""};
    for (int alignment = 0; alignment < static_cast<int>(texts.size()); ++alignment)
    {
        link.SetAlignment(alignment);
        EXPECT_EQ(texts[alignment], link.GetAlignmentText()) << alignment;
    }
    link.SetAlignment(-1);
    EXPECT_EQ(CString(), link.GetAlignmentText());
}

TEST_F(LinkOperationsTest, MenuNameIsTheTargetsOrEmpty)
{
    EXPECT_EQ(CString("Orders"), m_link.GetMenuName());
    EXPECT_EQ(CString(), LinkControl().GetMenuName());
}

TEST_F(LinkOperationsTest, UnlinkingClearsTargetAndMapsOnlyForTheTarget)
{
    Menu other;
    m_link.AddVariableMap(nullptr);
    m_link.UnlinkMenu(&other);
    m_link.UnlinkMenu(nullptr);
    EXPECT_EQ(&m_orders, m_link.GetTarget());
    EXPECT_EQ(3u, m_link.GetVariableMaps().size());

    m_link.UnlinkMenu(&m_orders);

    EXPECT_EQ(nullptr, m_link.GetTarget());
    EXPECT_TRUE(m_link.GetVariableMaps().empty());
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
