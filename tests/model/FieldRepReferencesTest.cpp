#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/Function.h"
#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/Parameter.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "model/EventRecmpFields.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ValidationData.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
LinkControl* NewLink(Menu* target, int alignment, const char* caption)
{
    auto* link = new LinkControl(target, 0, 0, alignment);
    link->SetCaption(caption);
    return link;
}

std::vector<CString> LinkCaptions(const FieldRepData& data)
{
    std::vector<CString> captions;
    for (const LinkControl* link : data.GetLinkControls())
        captions.push_back(link->GetCaption());
    return captions;
}

// Data with three links "1", "2", "3" to no menu.
struct ThreeLinks
{
    ThreeLinks()
    {
        data.AddLinkControl(NewLink(nullptr, LinkControl::Left, "1"));
        data.AddLinkControl(NewLink(nullptr, LinkControl::Left, "2"));
        data.AddLinkControl(NewLink(nullptr, LinkControl::Left, "3"));
    }

    FieldRepData data;
};
} // namespace

TEST(FieldRepReferencesTest, UsesFieldChecksLookupFieldsOwnFieldAndTables)
{
    std::unique_ptr<Table> table(NewTable("t", Table::masterKind, {"own", "front", "sibling"}));
    std::unique_ptr<Table> lookup(NewTable("lookup", Table::masterKind, {"shown"}));
    Field* own = table->FindFieldByName("own");
    Field* sibling = table->FindFieldByName("sibling");
    Field* shown = lookup->FindFieldByName("shown");

    FieldRep rep(own);
    auto* data = new FieldRepData;
    data->SetFrontField(shown);
    rep.AttachFieldRepData(data);

    EXPECT_TRUE(rep.UsesField(own));
    EXPECT_TRUE(rep.UsesField(shown));
    EXPECT_TRUE(rep.IsFrontOrBackField(shown));
    EXPECT_FALSE(rep.IsFrontOrBackField(own));
    EXPECT_FALSE(rep.UsesField(sibling));
    EXPECT_FALSE(rep.UsesField(nullptr));

    auto* recomputes = new EventRecmpFields;
    FieldRep siblingRep(sibling);
    recomputes->AddClassRecompute(&siblingRep);
    data->AddEventRecmpFields(recomputes);
    EXPECT_TRUE(rep.UsesField(sibling));

    FieldRep variableControl;
    variableControl.AttachFieldRepData(new FieldRepData(*data));
    EXPECT_TRUE(variableControl.UsesField(shown));
    EXPECT_FALSE(variableControl.UsesField(own));
}

TEST(FieldRepReferencesTest, ControlWithoutDataUsesNoLookupFieldOrTable)
{
    std::unique_ptr<Table> table(NewTable("t", Table::masterKind, {"own"}));
    FieldRep rep(table->FindFieldByName("own"));
    EXPECT_FALSE(rep.IsFrontOrBackField(nullptr));
    EXPECT_FALSE(rep.UsesTable(table.get()));
    EXPECT_TRUE(rep.UsesField(table->FindFieldByName("own")));
    rep.RemoveTableReferences(table.get());
    rep.RemoveProcedureReferences(nullptr);
    rep.RemoveMenuReferences(nullptr);
    EXPECT_EQ(nullptr, rep.GetFieldRepData());
}

TEST(FieldRepReferencesTest, RemovingAProcedureDropsOnlyACallOfIt)
{
    Procedure called;
    Procedure other;
    Field front;
    Field back;
    FieldRep rep;
    auto* data = new FieldRepData;
    data->SetFrontField(&front);
    data->SetBackField(&back);
    auto* invokation = new ProcedureInvokation;
    invokation->SetProcedure(&called);
    data->SetDataProcedure(invokation);
    rep.AttachFieldRepData(data);

    rep.RemoveProcedureReferences(&other);
    rep.RemoveProcedureReferences(nullptr);
    EXPECT_EQ(invokation, data->GetDataProcedure());
    EXPECT_EQ(&front, data->GetFrontField());

    rep.RemoveProcedureReferences(&called);
    EXPECT_EQ(nullptr, data->GetDataProcedure());
    EXPECT_EQ(nullptr, data->GetFrontField());
    EXPECT_EQ(nullptr, data->GetBackField());
}

TEST(FieldRepReferencesTest, ClearingTheClassCallClearsTheLookupFieldsOnlyWithACall)
{
    Field front;
    FieldRepData data;
    data.SetFrontField(&front);
    data.ClearClassInvokation();
    EXPECT_EQ(&front, data.GetFrontField());

    data.SetDataCall(new ClassInvokation);
    data.SetBackField(&front);
    data.ClearClassInvokation();
    EXPECT_EQ(nullptr, data.GetDataCall());
    EXPECT_EQ(nullptr, data.GetFrontField());
    EXPECT_EQ(nullptr, data.GetBackField());
}

TEST(FieldRepReferencesTest, RemovingAMenuUnlinksOnlyTheLinksToIt)
{
    Menu removed;
    Menu kept;
    FieldRep rep;
    auto* data = new FieldRepData;
    LinkControl* toRemoved = NewLink(&removed, LinkControl::Left, "a");
    toRemoved->AddVariableMap(new LinkVariableMap);
    LinkControl* toKept = NewLink(&kept, LinkControl::Left, "b");
    toKept->AddVariableMap(new LinkVariableMap);
    data->AddLinkControl(toRemoved);
    data->AddLinkControl(toKept);
    rep.AttachFieldRepData(data);

    rep.RemoveMenuReferences(&removed);

    ASSERT_EQ(2u, data->GetLinkControls().size());
    EXPECT_EQ(nullptr, toRemoved->GetTarget());
    EXPECT_TRUE(toRemoved->GetVariableMaps().empty());
    EXPECT_EQ(&kept, toKept->GetTarget());
    EXPECT_EQ(1u, toKept->GetVariableMaps().size());
}

TEST(FieldRepReferencesTest, LinkIsFoundByTargetAndAlignment)
{
    Menu menu;
    FieldRepData data;
    data.AddLinkControl(NewLink(&menu, LinkControl::Left, "left"));
    LinkControl* right = NewLink(&menu, LinkControl::Right, "right");
    data.AddLinkControl(right);

    EXPECT_EQ(right, data.FindLinkControl(&menu, LinkControl::Right));
    EXPECT_EQ(nullptr, data.FindLinkControl(&menu, LinkControl::Center));
    EXPECT_EQ(nullptr, data.FindLinkControl(nullptr, LinkControl::Left));
}

TEST(FieldRepReferencesTest, LinksMoveWithinTheListAndStayAtTheEnds)
{
    ThreeLinks links;
    links.data.MoveLinkControlUp(2);
    EXPECT_EQ((std::vector<CString>{"1", "3", "2"}), LinkCaptions(links.data));
    links.data.MoveLinkControlDown(0);
    EXPECT_EQ((std::vector<CString>{"3", "1", "2"}), LinkCaptions(links.data));

    links.data.MoveLinkControlUp(0);
    links.data.MoveLinkControlDown(2);
    links.data.MoveLinkControlUp(3);
    links.data.MoveLinkControlDown(-1);
    EXPECT_EQ((std::vector<CString>{"3", "1", "2"}), LinkCaptions(links.data));
}

TEST(FieldRepReferencesTest, RemovingNeighbouringLinksByIndexRemovesBoth)
{
    ThreeLinks links;
    links.data.RemoveLinkControlAt(1);
    links.data.RemoveLinkControlAt(1);
    EXPECT_EQ((std::vector<CString>{"1"}), LinkCaptions(links.data));

    links.data.RemoveLinkControlAt(1);
    links.data.RemoveLinkControlAt(-1);
    EXPECT_EQ((std::vector<CString>{"1"}), LinkCaptions(links.data));
}

TEST(FieldRepReferencesTest, CallParameterMappingCheckNumbersEachShortCall)
{
    Class dataClass;
    Function function;
    function.SetName("SelectByCity");
    function.AddParameter(new Parameter);
    function.AddParameter(new Parameter);
    FieldRepData data;
    auto* call = new ClassInvokation;
    call->SetFunction(&dataClass, &function);
    call->AddParameterMap(nullptr, nullptr);
    data.SetDataCall(call);

    CString text = "before\n";
    int counter = 1;
    data.CheckCallParameterMapping(text, "Orders", "lst_city", "Forms", counter);
    data.CheckCallParameterMapping(text, "Invoices", "lst_town", "Forms", counter);
    EXPECT_EQ(CString("before\nParameter mapping missing on following Forms\n"
                      "1.Orders for function SelectByCity on form control lst_city\n"
                      "2.Invoices for function SelectByCity on form control lst_town\n"),
              text);
    EXPECT_EQ(3, counter);

    call->AddParameterMap(nullptr, nullptr);
    data.CheckCallParameterMapping(text, "Orders", "lst_city", "Forms", counter);
    EXPECT_EQ(3, counter);
}

TEST(FieldRepReferencesTest, CallParameterMappingCheckNeedsACallWithAFunction)
{
    CString text;
    int counter = 1;
    FieldRepData data;
    data.CheckCallParameterMapping(text, "Orders", "lst_city", "Forms", counter);
    data.SetDataCall(new ClassInvokation);
    data.CheckCallParameterMapping(text, "Orders", "lst_city", "Forms", counter);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(1, counter);
}
