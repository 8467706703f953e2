#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/Variable.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
LinkVariableMap* NewMap(Variable* pageVariable, Variable* targetVariable)
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
    link.AddVariableMap(NewMap(&page, &target));
    link.AddVariableMap(nullptr);
    link.AddVariableMap(NewMap(&page, nullptr));
    link.AddVariableMap(NewMap(nullptr, nullptr));

    std::unique_ptr<LinkControl> loaded(LoadObject<LinkControl>(SaveObject(&link)));
    std::unique_ptr<Menu> loadedMenu(loaded->GetTarget());
    EXPECT_EQ(CString("Orders"), loadedMenu->GetName());
    EXPECT_EQ(LinkControl::Center, loaded->GetAlignment());
    EXPECT_EQ(CString("Open order"), loaded->GetCaption());

    const auto& maps = loaded->GetVariableMaps();
    ASSERT_EQ(4u, maps.size());
    ASSERT_NE(nullptr, maps[0]);
    std::unique_ptr<Variable> loadedPage(maps[0]->pageVariable);
    std::unique_ptr<Variable> loadedTarget(maps[0]->targetVariable);
    EXPECT_EQ(CString("order_id"), loadedPage->GetFieldName());
    EXPECT_EQ(CString("id"), loadedTarget->GetFieldName());
    EXPECT_EQ(nullptr, maps[1]);
    ASSERT_NE(nullptr, maps[2]);
    EXPECT_EQ(loadedPage.get(), maps[2]->pageVariable);
    EXPECT_EQ(nullptr, maps[2]->targetVariable);
    EXPECT_EQ(nullptr, maps[3]) << "a map of two null variables reads back as a null entry";
}

TEST(LinkControlRecordTest, MapsAreReadFromVersion50WithNullEntriesStayingNull)
{
    ArchiveBytes old;
    old.NewClass("LinkControl").Int(LinkControl::Left).Null().Str("Home");
    const auto oldLink = ReadRecordAndSentinel<LinkControl>(old, 49);
    EXPECT_EQ(LinkControl::Left, oldLink->GetAlignment());
    EXPECT_EQ(CString("Home"), oldLink->GetCaption());
    EXPECT_TRUE(oldLink->GetVariableMaps().empty());

    Variable variable;
    ArchiveBytes bytes;
    bytes.NewClass("LinkControl").Int(LinkControl::Right).Null().Str("Next");
    bytes.Int(2).Null().Null().ObjectRef(2).Null(); // the Variable is class 1, object 2
    RecordReader reader(StoredThenHandBuilt({&variable}, bytes));
    std::unique_ptr<Variable> loadedVariable(reader.Read<Variable>(CurrentVersion()));
    std::unique_ptr<LinkControl> link(reader.Read<LinkControl>(50));
    EXPECT_EQ(recordSentinel, reader.ReadInt());
    ASSERT_EQ(2u, link->GetVariableMaps().size());
    EXPECT_EQ(nullptr, link->GetVariableMaps()[0]);
    ASSERT_NE(nullptr, link->GetVariableMaps()[1]);
    EXPECT_EQ(loadedVariable.get(), link->GetVariableMaps()[1]->pageVariable);
    EXPECT_EQ(nullptr, link->GetVariableMaps()[1]->targetVariable);
}

TEST(LinkControlRecordTest, CopyTakesTargetAlignmentAndCaptionButNotTheMaps)
{
    Menu menu;
    Variable variable;
    LinkControl source(&menu, 0, 0, LinkControl::Left);
    EXPECT_TRUE(source.GetCaption().IsEmpty());
    source.SetCaption("FIND");
    source.AddVariableMap(NewMap(&variable, &variable));

    const LinkControl copy(&source);
    EXPECT_EQ(&menu, copy.GetTarget());
    EXPECT_EQ(LinkControl::Left, copy.GetAlignment());
    EXPECT_EQ(CString("FIND"), copy.GetCaption());
    EXPECT_TRUE(copy.GetVariableMaps().empty());
}
