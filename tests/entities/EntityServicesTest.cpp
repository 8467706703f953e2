#include "entities/Class.h"
#include "entities/Form.h"
#include "entities/Function.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/RDLCInfo.h"
#include "entities/Transaction.h"
#include "entities/Variable.h"
#include "model/Table.h"
#include "model/VersionHistory.h"
#include "tests/support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
template <class T> std::unique_ptr<T> ReloadedCopy(T& object)
{
    return std::unique_ptr<T>(LoadObject<T>(SaveObject(&object)));
}
} // namespace

// The invocation owns the pairs, the test the variables.
TEST(CallerVariablesTest, CallerVariableNamesCompareIgnoringCaseSkippingEmptySlots)
{
    Variable procedureVariable;
    procedureVariable.SetName("PRC_id_Var");
    Variable customer;
    customer.SetName("Customer_Var");
    ProcedureInvokation call;
    const auto addPair = [&](Variable* caller) {
        call.AddVariablePair(new VariablePair{&procedureVariable, caller});
    };

    EXPECT_FALSE(call.HasCallerVariableNamed(""));
    call.AddVariablePair(nullptr);
    addPair(nullptr);
    EXPECT_FALSE(call.HasCallerVariableNamed(""));

    addPair(&customer);
    EXPECT_TRUE(call.HasCallerVariableNamed("customer_var"));
    EXPECT_FALSE(call.HasCallerVariableNamed("PRC_id_Var"));
    EXPECT_FALSE(call.HasCallerVariableNamed("Customer"));
}

TEST(RDLCInfoDataSetTest, AddDataSetAppendsTheThreeTextsInOrder)
{
    RDLCInfo info;
    info.AddDataSet("orders_SelectAllRecords", "ordersTableAdapter", "orders");
    info.AddDataSet("lines_SelectAllRecords", "linesTableAdapter", "lines");

    ASSERT_EQ(info.GetEntries().size(), 2u);
    const RDLCDataSetEntry* second = info.GetEntryAt(1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->m_dataSetName, "lines_SelectAllRecords");
    EXPECT_EQ(second->m_tableAdapterName, "linesTableAdapter");
    EXPECT_EQ(second->m_tableName, "lines");
    EXPECT_EQ(info.FindEntryIndexByTableName("orders"), 0);
}

TEST(TransactionTitleAtTest, GetTableTitleAtCopiesTheEntryOrGivesAnEmptyOne)
{
    Table basic;
    basic.SetTableName("order_basic");
    Table detail;
    detail.SetTableName("order_lines_detail");
    Transaction transaction;
    transaction.SetBasicTable(&basic);
    transaction.AddDetailTable(&detail);
    transaction.SetTableTitle(&detail, "order_lines");

    TableTitleEntry copy = transaction.GetTableTitleAt(1);
    EXPECT_EQ(copy.table, &detail);
    EXPECT_EQ(copy.title, "order_lines");
    copy.title = "changed";
    EXPECT_EQ(transaction.GetTableTitle(&detail), "ORDER LINES");

    for (int bad : {-1, 2})
    {
        const TableTitleEntry none = transaction.GetTableTitleAt(bad);
        EXPECT_EQ(none.table, nullptr);
        EXPECT_TRUE(none.title.IsEmpty());
    }
}

class MergeMarkTest : public ::testing::Test
{
protected:
    ScopedArchiveVersion m_version{TheVersionHistory().GetCurrentVersion()};
};

TEST_F(MergeMarkTest, MarksStartClearAndAreNotStored)
{
    Procedure procedure;
    Class dataClass;
    Function function;
    Transaction transaction;
    const auto markedRoundTrip = [](auto& object)
    {
        EXPECT_EQ(object.GetMergeMark(), 0);
        object.SetMergeMark(1);
        EXPECT_EQ(object.GetMergeMark(), 1);
        return ReloadedCopy(object)->GetMergeMark();
    };

    EXPECT_EQ(markedRoundTrip(procedure), 0);
    EXPECT_EQ(markedRoundTrip(dataClass), 0);
    EXPECT_EQ(markedRoundTrip(function), 0);
    EXPECT_EQ(markedRoundTrip(transaction), 0);
}

TEST_F(MergeMarkTest, CopiesOfPagesStartClear)
{
    Form form;
    form.SetName("customer_form");
    form.SetMergeMark(1);
    Transaction transaction;
    transaction.SetMergeMark(1);

    const Form formCopy(form);
    const Transaction transactionCopy(&transaction);

    EXPECT_EQ(formCopy.GetMergeMark(), 0);
    EXPECT_EQ(transactionCopy.GetMergeMark(), 0);
}
