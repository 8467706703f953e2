#include "entities/BooleanTreeNode.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "model/Field.h"
#include "model/FieldFilter.h"
#include "model/ProjectDiagnostics.h"
#include "model/ReferenceList.h"
#include "model/Relation.h"
#include "model/Table.h"
#include "platform/core/ScriptedMessageBoxes.h"
#include "tests/model/ModelBuilders.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
// Each test records into a usage set of its own and leaves the diagnostics' lists empty.
class ProcedureUsageTest : public ::testing::Test
{
protected:
    void SetUp() override { TheProjectDiagnostics().PushUsageSet(); }
    void TearDown() override
    {
        TheProjectDiagnostics().PopUsageSet();
        TheProjectDiagnostics().ClearErrorsAndWarnings();
    }

    // The users the procedure's list names for the targets, one line each.
    CString UsersOf(const ReferenceList::Targets& targets)
    {
        ReferenceList list;
        procedure.ListReferences(list);
        CString text;
        for (const CString& user : list.UsersOf(targets))
            text += user + "\n";
        return text;
    }

    void AddRelationOnCustomerId()
    {
        auto* relation = new Relation;
        relation->SetFirstTable(orders.get());
        relation->SetSecondTable(customers.get());
        relation->AddJoinField(customerId);
        procedure.AddRelation(relation);
    }

    std::unique_ptr<Table> orders{NewTable("Orders", Table::masterKind, {"CustomerId"})};
    std::unique_ptr<Table> customers{NewTable("Customers", Table::masterKind, {"Name"})};
    Field* customerId = orders->FindFieldByName("CustomerId");
    Procedure procedure{orders.get(), true};
};

TEST_F(ProcedureUsageTest, ItsListNamesWhatHoldsAFieldOrTable)
{
    Field unused;
    Table other;
    EXPECT_EQ(CString(), UsersOf({&unused, &other, nullptr}));

    procedure.AddFieldFilter(customerId);
    AddRelationOnCustomerId();
    EXPECT_EQ(CString("PRC_Orders_SelectAll\n"
                      "PRC_Orders_SelectAll\n\t Field is mapped with variable!\n\n"
                      "PRC_Orders_SelectAll\n\t Field is present in Relations!\n"
                      "PRC_Orders_SelectAll\n\t Field is present in field filter!\n"),
              UsersOf({customerId}));
    EXPECT_EQ(CString("PRC_Orders_SelectAll\n"), UsersOf({customers.get()}));
    procedure.AddTable(customers.get());
    EXPECT_EQ(CString("PRC_Orders_SelectAll\n"), UsersOf({orders.get(), customers.get()}));
}

TEST_F(ProcedureUsageTest, ReleasingAFieldOrTableDropsWhatHoldsIt)
{
    procedure.AddFieldFilter(customerId);
    AddRelationOnCustomerId();
    procedure.AddTable(customers.get());
    ProcedureFieldInfo* column = procedure.FindOutputColumnByField(customerId);
    ASSERT_NE(nullptr, column);

    ReferenceList list;
    procedure.ListReferences(list);
    EXPECT_EQ(4, list.Release({customerId}));

    EXPECT_EQ(CString(), UsersOf({customerId}));
    EXPECT_EQ(nullptr, column->GetField());
    EXPECT_EQ(nullptr, procedure.FindFieldFilterByField(customerId));
    EXPECT_TRUE(procedure.GetRelations().empty());
    EXPECT_EQ(std::vector<Table*>{customers.get()}, procedure.GetTables());

    procedure.ListReferences(list);
    EXPECT_EQ(2, list.Release({orders.get(), customers.get()}));
    EXPECT_EQ(nullptr, procedure.GetMainTable());
    EXPECT_TRUE(procedure.GetTables().empty());
}

TEST_F(ProcedureUsageTest, TableRemovalIsRefusedWhileRelationsOrColumnsUseIt)
{
    ScriptedMessageBoxes boxes;
    ProjectDiagnostics& diagnostics = TheProjectDiagnostics();
    diagnostics.AddError("old error");
    diagnostics.AddWarning("old warning");
    procedure.AddOutputField(customers->FindFieldByName("Name"));
    procedure.AddOutputField(customers->GetFieldAt(0));
    EXPECT_FALSE(procedure.CanRemoveTable(customers.get()));
    EXPECT_EQ(std::vector<CString>{"Following fields of table are still used in procedure!\n"
                                   "Name\nCustomers_id\n"},
              diagnostics.GetErrors());
    EXPECT_TRUE(diagnostics.GetWarnings().empty());
    AddRelationOnCustomerId();
    EXPECT_FALSE(procedure.CanRemoveTable(customers.get()));
    EXPECT_EQ(std::vector<CString>{"Table used in relations"}, diagnostics.GetErrors());
    Table unused;
    EXPECT_TRUE(procedure.CanRemoveTable(&unused));
    EXPECT_TRUE(diagnostics.GetErrors().empty());
    ASSERT_EQ(2u, boxes.Shown().size());
    EXPECT_EQ("Following fields of table are still used in procedure!\nName\nCustomers_id\n\n",
              boxes.Shown()[0].text);
    EXPECT_EQ("Table used in relations\n", boxes.Shown()[1].text);
}

TEST_F(ProcedureUsageTest, FilterDeletionIsRefusedInsideACombinedCondition)
{
    ScriptedMessageBoxes boxes;
    procedure.AddFieldFilter(customerId);
    procedure.AddFieldFilter(orders->GetFieldAt(0));
    procedure.AddFilterTreeLeaves();
    auto* combined = new BooleanTreeNode;
    combined->SetOperator(0);
    combined->SetLeft(procedure.GetFilterTreeRootAt(0));
    procedure.RemoveFilterTreeRoot(combined->GetLeft());
    procedure.AddFilterTreeRoot(combined);
    FieldFilter* combinedFilter = procedure.GetFilters()[0];
    procedure.DeleteFieldFilter(combinedFilter);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("Can no delete filter! Child nodes present for it.", boxes.Shown()[0].text);
    EXPECT_EQ(MB_OK, boxes.Shown()[0].type);
    EXPECT_EQ(2u, procedure.GetFilters().size());
    procedure.DeleteFieldFilter(procedure.GetFilters()[1]);
    EXPECT_EQ(std::vector<FieldFilter*>{combinedFilter}, procedure.GetFilters());
    EXPECT_EQ(std::vector<BooleanTreeNode*>{combined}, procedure.GetFilterTrees());
    EXPECT_EQ(1u, boxes.Shown().size());
}

} // namespace
