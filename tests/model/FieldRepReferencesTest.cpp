#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/FormInterface.h"
#include "entities/Function.h"
#include "entities/LinkControl.h"
#include "entities/Menu.h"
#include "entities/Parameter.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Transaction.h"
#include "model/EventRecmpFields.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ReferenceList.h"
#include "model/ValidationData.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/ListedRelease.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
LinkControl* NewAlignedLink(Menu* target, int alignment, const char* caption)
{
    auto* link = new LinkControl(target, 0, 0, alignment);
    link->SetCaption(caption);
    return link;
}

void ReleaseFromControl(FieldRep& control, const ReferenceList::Targets& targets)
{
    ReferenceList list;
    control.ListReferences(list);
    list.Release(targets);
}

std::vector<CString> LinkCaptions(const FieldRepData& data)
{
    std::vector<CString> captions;
    for (const LinkControl* link : data.GetLinkControls())
        captions.push_back(link->GetCaption());
    return captions;
}

// The control lets go of the table through the tables it lists.
void ReleaseTable(FieldRep& rep, const Table* table)
{
    ReferenceList list;
    rep.ListTables(list);
    list.Release({table});
}

// Whether what a page lists for the control (its field, its references, the tables it reaches)
// refers to the field.
bool Listed(FieldRep& rep, const Field* field)
{
    ReferenceList list;
    list.Add(rep.GetField(), [] {});
    rep.ListReferences(list);
    rep.ListTables(list);
    return list.Refers({field});
}

TEST(FieldRepReferencesTest, ListsLookupFieldsOwnFieldAndTheFieldsOfTheTablesItReaches)
{
    std::unique_ptr<Table> table(NewTable("t", Table::masterKind, {"own", "front", "sibling"}));
    std::unique_ptr<Table> lookup(NewTable("lookup", Table::masterKind, {"shown"}));
    Field* own = table->FindFieldByName("own");
    Field* sibling = table->FindFieldByName("sibling");
    Field* shown = lookup->FindFieldByName("shown");

    FieldRep rep(own);
    EXPECT_FALSE(rep.IsFrontOrBackField(nullptr));
    EXPECT_FALSE(rep.UsesTable(table.get()));
    EXPECT_TRUE(Listed(rep, own));
    ReleaseTable(rep, table.get());
    EXPECT_EQ(nullptr, rep.GetFieldRepData());

    auto* data = new FieldRepData;
    data->SetFrontField(shown);
    rep.AttachFieldRepData(data);
    EXPECT_TRUE(Listed(rep, shown));
    EXPECT_TRUE(rep.IsFrontOrBackField(shown));
    EXPECT_FALSE(rep.IsFrontOrBackField(own));
    EXPECT_FALSE(Listed(rep, sibling));
    EXPECT_FALSE(Listed(rep, nullptr));

    auto* recomputes = new EventRecmpFields;
    FieldRep siblingRep(sibling);
    recomputes->AddClassRecompute(&siblingRep);
    data->AddEventRecmpFields(recomputes);
    EXPECT_TRUE(Listed(rep, sibling));

    FieldRep variableControl;
    variableControl.AttachFieldRepData(new FieldRepData(*data));
    EXPECT_TRUE(Listed(variableControl, shown));
    EXPECT_FALSE(Listed(variableControl, own));
}

TEST(FieldRepReferencesTest, RemovingTheProcedureOrClassCallClearsTheLookupFieldsOnlyWithIt)
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

    ReleaseFromControl(rep, {&other});
    data->ClearClassInvokation();
    EXPECT_EQ(invokation, data->GetDataProcedure());
    EXPECT_EQ(&front, data->GetFrontField());

    ReleaseFromControl(rep, {&called});
    EXPECT_EQ(nullptr, data->GetDataProcedure());
    EXPECT_EQ(nullptr, data->GetFrontField());
    EXPECT_EQ(nullptr, data->GetBackField());

    data->SetDataCall(new ClassInvokation);
    data->SetFrontField(&front);
    data->SetBackField(&back);
    data->ClearClassInvokation();
    EXPECT_EQ(nullptr, data->GetDataCall());
    EXPECT_EQ(nullptr, data->GetFrontField());
    EXPECT_EQ(nullptr, data->GetBackField());
}

TEST(FieldRepReferencesTest, RemovingAMenuUnlinksOnlyTheLinksToIt)
{
    Menu removed;
    Menu kept;
    FieldRep rep;
    auto* data = new FieldRepData;
    LinkControl* toRemoved = NewAlignedLink(&removed, LinkControl::Left, "a");
    toRemoved->AddVariableMap(new LinkVariableMap);
    LinkControl* toKept = NewAlignedLink(&kept, LinkControl::Left, "b");
    toKept->AddVariableMap(new LinkVariableMap);
    data->AddLinkControl(toRemoved);
    data->AddLinkControl(toKept);
    rep.AttachFieldRepData(data);

    EXPECT_EQ(1, ReleaseListed(rep, {&removed}));

    ASSERT_EQ(2u, data->GetLinkControls().size());
    EXPECT_EQ(nullptr, toRemoved->GetTarget());
    EXPECT_TRUE(toRemoved->GetVariableMaps().empty());
    EXPECT_EQ(&kept, toKept->GetTarget());
    EXPECT_EQ(1u, toKept->GetVariableMaps().size());
}

TEST(FieldRepReferencesTest, LinksAreFoundByTargetAndAlignmentAndMoveOrGoByIndexWithinTheList)
{
    Menu menu;
    FieldRepData data;
    data.AddLinkControl(NewAlignedLink(&menu, LinkControl::Left, "1"));
    LinkControl* right = NewAlignedLink(&menu, LinkControl::Right, "2");
    data.AddLinkControl(right);
    data.AddLinkControl(NewAlignedLink(nullptr, LinkControl::Right, "3"));
    EXPECT_EQ(right, data.FindLinkControl(&menu, LinkControl::Right));
    EXPECT_EQ(nullptr, data.FindLinkControl(&menu, LinkControl::Center));
    EXPECT_EQ(nullptr, data.FindLinkControl(nullptr, LinkControl::Left));

    data.MoveLinkControlUp(2);
    EXPECT_EQ((std::vector<CString>{"1", "3", "2"}), LinkCaptions(data));
    data.MoveLinkControlDown(0);
    EXPECT_EQ((std::vector<CString>{"3", "1", "2"}), LinkCaptions(data));
    data.MoveLinkControlUp(0);
    data.MoveLinkControlDown(2);
    data.MoveLinkControlUp(3);
    data.MoveLinkControlDown(-1);
    EXPECT_EQ((std::vector<CString>{"3", "1", "2"}), LinkCaptions(data));

    data.RemoveLinkControlAt(1);
    data.RemoveLinkControlAt(1);
    EXPECT_EQ((std::vector<CString>{"3"}), LinkCaptions(data));
    data.RemoveLinkControlAt(1);
    data.RemoveLinkControlAt(-1);
    EXPECT_EQ((std::vector<CString>{"3"}), LinkCaptions(data));
}

TEST(FieldRepReferencesTest, CallParameterMappingCheckNumbersEachShortCallOfAFunction)
{
    Class dataClass;
    Function function;
    CString text = "before\n";
    int counter = 1;
    FieldRepData data;
    data.CheckCallParameterMapping(text, "Orders", "lst_city", "Forms", counter);
    auto* call = new ClassInvokation;
    data.SetDataCall(call);
    data.CheckCallParameterMapping(text, "Orders", "lst_city", "Forms", counter);
    EXPECT_EQ(CString("before\n"), text);
    EXPECT_EQ(1, counter);

    function.SetName("SelectByCity");
    function.AddParameter(new Parameter);
    function.AddParameter(new Parameter);
    call->SetFunction(&dataClass, &function);
    call->AddParameterMap(nullptr, nullptr);
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

// Controls on the fields "a", "b" and "c" of a table "t", and a control with data whose event
// lists the tests fill.
class EventRecomputes : public ::testing::Test
{
protected:
    EventRecomputes()
        : m_table(NewTable("t", Table::masterKind, {"a", "b", "c"})),
          m_a(m_table->FindFieldByName("a")), m_b(m_table->FindFieldByName("b")),
          m_c(m_table->FindFieldByName("c"))
    {
        m_owner.AttachFieldRepData(new FieldRepData);
    }

    FieldRepData& Data() { return *m_owner.GetFieldRepData(); }

    // A new event list of the data with class recomputes of the controls.
    EventRecmpFields* AddClassList(std::initializer_list<FieldRep*> reps)
    {
        auto* list = new EventRecmpFields;
        for (FieldRep* rep : reps)
            list->AddClassRecompute(rep);
        Data().AddEventRecmpFields(list);
        return list;
    }

    // A procedure invocation that maps each field to no variable.
    static ProcedureInvokation* MappingInvokation(std::initializer_list<Field*> fields)
    {
        auto* invokation = new ProcedureInvokation;
        for (Field* field : fields)
            invokation->AddFieldVariableMap(new FieldVariableMap{field, nullptr});
        return invokation;
    }

    std::unique_ptr<Table> m_table;
    Field* m_a;
    Field* m_b;
    Field* m_c;
    FieldRep m_repA{m_a};
    FieldRep m_repB{m_b};
    FieldRep m_repC{m_c};
    FieldRep m_owner;
};

TEST_F(EventRecomputes, RemovingAControlTakesItsFirstRecordOfEachListAndDeletesEmptiedLists)
{
    AddClassList({&m_repA});
    AddClassList({&m_repA});
    EventRecmpFields* kept = AddClassList({&m_repA, &m_repA, &m_repB});

    Data().RemoveClassRecomputeOf(&m_repA);

    ASSERT_EQ(1u, Data().GetEventRecmpFieldsList().size());
    EXPECT_EQ(kept, Data().GetEventRecmpFieldsList()[0]);
    ASSERT_EQ(2u, kept->GetClassRecomputes().size());
    EXPECT_EQ(&m_repA, kept->GetClassRecomputes()[0]->fieldRep);
    EXPECT_EQ(&m_repB, kept->GetClassRecomputes()[1]->fieldRep);
}

TEST_F(EventRecomputes, RemovingAClassRecomputeLeavesItsInvocationAliveWhichDeletingClears)
{
    EventRecmpFields* list = AddClassList({&m_repA});
    Class dataClass;
    Function function;
    auto invokation = std::make_unique<ClassInvokation>();
    invokation->SetFunction(&dataClass, &function);
    list->GetClassRecomputes()[0]->classInvokation = invokation.get();

    list->RemoveClassRecompute(&m_repB);
    EXPECT_EQ(1u, list->GetClassRecomputes().size());
    list->RemoveClassRecompute(&m_repA);
    EXPECT_TRUE(list->GetClassRecomputes().empty());
    EXPECT_EQ(&function, invokation->GetFunction());

    EventClassRecompute* record = AddClassList({&m_repA})->GetClassRecomputes()[0];
    record->classInvokation = new ClassInvokation;
    EventRecmpFields::DeleteClassInvokation(record);
    EXPECT_EQ(nullptr, record->classInvokation);
    EventRecmpFields::DeleteClassInvokation(nullptr);
}

TEST_F(EventRecomputes, RemovingATableDropsRecomputesOfItsFieldsAndEmptiedLists)
{
    auto other = std::unique_ptr<Table>(NewTable("other", Table::masterKind, {"x"}));
    FieldRep repX(other->FindFieldByName("x"));
    AddClassList({&m_repA, &m_repB});
    AddClassList({&m_repC});
    EventRecmpFields* kept = AddClassList({&m_repA, &repX, &m_repC});

    ReleaseTable(m_owner, m_table.get());

    EXPECT_EQ(std::vector<EventRecmpFields*>{kept}, Data().GetEventRecmpFieldsList());
    ASSERT_EQ(1u, kept->GetClassRecomputes().size());
    EXPECT_EQ(&repX, kept->GetClassRecomputes()[0]->fieldRep);
}

TEST_F(EventRecomputes, RemovingNoTableLeavesEveryList)
{
    auto* procedureOnly = new EventRecmpFields;
    procedureOnly->AddProcedureRecompute(&m_repA, nullptr);
    Data().AddEventRecmpFields(procedureOnly);
    AddClassList({&m_repB});

    Data().RemoveClassRecomputesOfTable(nullptr);
    ReleaseTable(m_owner, nullptr);

    EXPECT_EQ(2u, Data().GetEventRecmpFieldsList().size());
    EXPECT_FALSE(m_owner.UsesTable(nullptr));
}

TEST_F(EventRecomputes, RemovingATableClearsADataCallThatUsesIt)
{
    Field front;
    Data().SetFrontField(&front);
    auto* call = new ClassInvokation;
    Data().SetDataCall(call);
    auto unused = std::unique_ptr<Table>(NewTable("unused"));

    ReleaseTable(m_owner, unused.get());
    EXPECT_EQ(call, Data().GetDataCall());

    Class dataClass;
    dataClass.SetTable(m_table.get());
    Function function;
    call->SetFunction(&dataClass, &function);
    ReleaseTable(m_owner, m_table.get());
    EXPECT_EQ(nullptr, Data().GetDataCall());
    EXPECT_EQ(nullptr, Data().GetFrontField());
}

TEST_F(EventRecomputes, ClassRecomputesTellWhichControlsFieldsTablesAndTransactionsAreRefilled)
{
    AddClassList({&m_repA});
    AddClassList({&m_repB});

    EXPECT_TRUE(Data().HasClassRecomputeFor(&m_repB));
    EXPECT_FALSE(Data().HasClassRecomputeFor(&m_repC));
    EXPECT_TRUE(Data().HasClassRecomputeForField(m_b));
    EXPECT_FALSE(Data().HasClassRecomputeForField(m_c));
    EXPECT_FALSE(Data().HasClassRecomputeForField(nullptr));
    EXPECT_TRUE(m_owner.UsesTable(m_table.get()));
    EXPECT_FALSE(Data().HasEventRecmpFields());

    auto detail = std::unique_ptr<Table>(NewTable("d", Table::masterDetailKind, {"x"}));
    FieldRep repX(detail->FindFieldByName("x"));
    AddClassList({&repX});
    Transaction transaction;
    EXPECT_FALSE(Data().RecomputesTransactionField(&transaction));
    transaction.AddDetailTable(detail.get());
    EXPECT_TRUE(Data().RecomputesTransactionField(&transaction));
    EXPECT_FALSE(Data().RecomputesTransactionField(nullptr));
}

TEST_F(EventRecomputes, ProcedureRecomputeRemovalUnmapsEarlierRecordsAndStopsAtTheControl)
{
    auto* list = new EventRecmpFields;
    Data().AddEventRecmpFields(list);
    ProcedureInvokation* before = MappingInvokation({m_a, m_b});
    ProcedureInvokation* after = MappingInvokation({m_b});
    list->AddProcedureRecompute(&m_repA, before);
    list->AddProcedureRecompute(&m_repB, MappingInvokation({m_b}));
    list->AddProcedureRecompute(&m_repC, after);

    list->RemoveProcedureRecompute(&m_repB);

    ASSERT_EQ(2u, list->GetProcedureRecomputes().size());
    EXPECT_EQ(&m_repA, list->GetProcedureRecomputes()[0]->fieldRep);
    EXPECT_EQ(&m_repC, list->GetProcedureRecomputes()[1]->fieldRep);
    EXPECT_EQ(nullptr, before->FindFieldVariableMap(m_b));
    EXPECT_NE(nullptr, before->FindFieldVariableMap(m_a));
    EXPECT_NE(nullptr, after->FindFieldVariableMap(m_b));
    EXPECT_TRUE(Data().HasEventRecmpFields());
}

TEST_F(EventRecomputes, RemovalOfAnAbsentControlOnlyUnmapsAndRemovalByIndexKeepsTheNextOne)
{
    EventRecmpFields list;
    ProcedureInvokation* invokation = MappingInvokation({m_c, m_c});
    list.AddProcedureRecompute(&m_repA, invokation);
    list.AddProcedureRecompute(&m_repB, MappingInvokation({}));
    list.AddProcedureRecompute(&m_repC, MappingInvokation({}));
    FieldRep absent(m_c);

    list.RemoveProcedureRecompute(&absent);
    EXPECT_EQ(3u, list.GetProcedureRecomputes().size());
    ASSERT_EQ(1u, invokation->GetFieldVariableMaps().size());
    EXPECT_EQ(m_c, invokation->GetFieldVariableMaps()[0]->field);

    list.RemoveProcedureRecomputeAt(1);
    ASSERT_EQ(2u, list.GetProcedureRecomputes().size());
    EXPECT_EQ(&m_repA, list.GetProcedureRecomputes()[0]->fieldRep);
    EXPECT_EQ(&m_repC, list.GetProcedureRecomputes()[1]->fieldRep);
    list.RemoveProcedureRecomputeAt(2);
    list.RemoveProcedureRecomputeAt(-1);
    EXPECT_EQ(2u, list.GetProcedureRecomputes().size());
}

TEST_F(EventRecomputes, ListsAreMatchedByTheFieldNamesOfTheirProcedureRecomputes)
{
    auto* plain = new EventRecmpFields;
    plain->AddProcedureRecompute(&m_repA, nullptr);
    auto* sharing = new EventRecmpFields;
    sharing->AddProcedureRecompute(&m_repC, nullptr);
    Data().AddEventRecmpFields(plain);
    Data().AddEventRecmpFields(sharing);

    Field upper;
    upper.SetFieldName("C");
    FieldRep upperRep(&upper);
    EventRecmpFields other;
    other.AddProcedureRecompute(nullptr, nullptr);
    other.AddProcedureRecompute(&upperRep, nullptr);

    EXPECT_EQ(sharing, Data().FindEventRecmpFieldsSharingField(&other));
    EXPECT_EQ(sharing->GetProcedureRecomputes()[0],
              sharing->FindProcedureRecomputeByFieldName("c"));
    EXPECT_EQ(nullptr, plain->FindProcedureRecomputeByFieldName("b"));
    EXPECT_EQ(nullptr, Data().FindEventRecmpFieldsSharingField(nullptr));

    EventRecmpFields unmatched;
    unmatched.AddProcedureRecompute(&m_repB, nullptr);
    EXPECT_EQ(nullptr, Data().FindEventRecmpFieldsSharingField(&unmatched));
}

} // namespace
