#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/Variable.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
LinkVariableMap* NewLinkMap(Variable* pageVariable, Variable* targetVariable)
{
    return new LinkVariableMap{pageVariable, targetVariable};
}
} // namespace

TEST(LinkControlRecordTest, RoundTripKeepsTargetCaptionAlignmentAndMapsWithNullEntries)
{
    ScopedArchiveVersion version(CurrentVersion());
    Menu menu;
    menu.SetName("Orders");
    Variable page;
    page.SetName("order_id");
    Variable target;
    target.SetName("id");
    LinkControl link;
    link.SetAlignment(LinkControl::Center);
    link.SetTarget(&menu);
    link.SetCaption("Open order");
    link.AddVariableMap(NewLinkMap(&page, &target));
    link.AddVariableMap(nullptr);
    link.AddVariableMap(NewLinkMap(&page, nullptr));
    link.AddVariableMap(NewLinkMap(nullptr, nullptr));

    const std::vector<BYTE> bytes = SaveObject(&link);
    std::unique_ptr<LinkControl> loaded(LoadObject<LinkControl>(bytes));
    std::unique_ptr<Menu> loadedMenu(loaded->GetTarget());
    const auto& maps = loaded->GetVariableMaps();
    ASSERT_EQ(4u, maps.size());
    std::unique_ptr<Variable> loadedPage(maps[0]->pageVariable);
    std::unique_ptr<Variable> loadedTarget(maps[0]->targetVariable);
    EXPECT_EQ(nullptr, maps[3]) << "a map of two null variables reads back as a null entry";
    EXPECT_EQ(bytes, SaveObject(loaded.get()));
}

TEST(LinkControlRecordTest, VersionGates)
{
    ExpectRecordVersions<LinkControl>(
        "LinkControl",
        {Always(ArchiveBytes().Int(LinkControl::Right).Null().Str("Next")),
         After(49,
               ArchiveBytes()
                   .Int(2)
                   .Null()
                   .Null()
                   .NewClass("Variable")
                   .Str("v")
                   .Int(1)
                   .Str("")
                   .Null(),
               ArchiveBytes().Int(0))},
        [](LinkControl& link)
        {
            if (!link.GetVariableMaps().empty())
            {
                EXPECT_EQ(nullptr, link.GetVariableMaps()[0]);
                delete link.GetVariableMaps()[1]->pageVariable;
            }
        });
}

TEST(LinkControlRecordTest, CopyTakesTargetAlignmentAndCaptionButNotTheMaps)
{
    Menu menu;
    Variable variable;
    LinkControl source(&menu, 0, 0, LinkControl::Left);
    EXPECT_TRUE(source.GetCaption().IsEmpty());
    source.SetCaption("FIND");
    source.AddVariableMap(NewLinkMap(&variable, &variable));

    const LinkControl copy(&source);
    EXPECT_EQ(&menu, copy.GetTarget());
    EXPECT_EQ(LinkControl::Left, copy.GetAlignment());
    EXPECT_EQ(CString("FIND"), copy.GetCaption());
    EXPECT_TRUE(copy.GetVariableMaps().empty());
}
