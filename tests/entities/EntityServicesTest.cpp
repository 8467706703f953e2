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
Variable* NewVariable(const char* name)
{
    auto* variable = new Variable;
    variable->SetName(name);
    return variable;
}

// A call whose pairs pass the named caller variables; the invocation owns the pairs, the
// test the variables.
class CallerVariablesTest : public ::testing::Test
{
protected:
    void AddPair(Variable* caller)
    {
        auto* pair = new VariablePair;
        pair->first = m_procedureVariable.get();
        pair->second = caller;
        m_call.AddVariablePair(pair);
    }

    std::unique_ptr<Variable> m_procedureVariable{NewVariable("PRC_id_Var")};
    std::unique_ptr<Variable> m_customer{NewVariable("Customer_Var")};
    ProcedureInvokation m_call;
};

template <class T> std::unique_ptr<T> RoundTrip(T& object)
{
    return std::unique_ptr<T>(LoadObject<T>(SaveObject(&object)));
}
} // namespace

TEST_F(CallerVariablesTest, CallerVariableNamesCompareIgnoringCase)
{
    AddPair(m_customer.get());

    EXPECT_TRUE(m_call.HasCallerVariableNamed("customer_var"));
    EXPECT_FALSE(m_call.HasCallerVariableNamed("PRC_id_Var"));
    EXPECT_FALSE(m_call.HasCallerVariableNamed("Customer"));
}

TEST_F(CallerVariablesTest, EmptySlotsAndPairsWithoutCallerVariableAreSkipped)
{
    EXPECT_FALSE(m_call.HasCallerVariableNamed(""));
    m_call.AddVariablePair(nullptr);
    AddPair(nullptr);
    EXPECT_FALSE(m_call.HasCallerVariableNamed(""));

    AddPair(m_customer.get());
    EXPECT_TRUE(m_call.HasCallerVariableNamed("CUSTOMER_VAR"));
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
    EXPECT_EQ(procedure.GetMergeMark(), 0);
    EXPECT_EQ(dataClass.GetMergeMark(), 0);
    EXPECT_EQ(function.GetMergeMark(), 0);
    EXPECT_EQ(transaction.GetMergeMark(), 0);

    procedure.SetMergeMark(1);
    dataClass.SetMergeMark(1);
    function.SetMergeMark(1);
    transaction.SetMergeMark(1);
    EXPECT_EQ(transaction.GetMergeMark(), 1);

    EXPECT_EQ(RoundTrip(procedure)->GetMergeMark(), 0);
    EXPECT_EQ(RoundTrip(dataClass)->GetMergeMark(), 0);
    EXPECT_EQ(RoundTrip(function)->GetMergeMark(), 0);
    EXPECT_EQ(RoundTrip(transaction)->GetMergeMark(), 0);
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
