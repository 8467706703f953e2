#include "entities/FormInterface.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/Variable.h"
#include "model/Field.h"

#include <gtest/gtest.h>

namespace
{
Variable* Named(Variable& variable, const char* name)
{
    variable.SetName(name);
    return &variable;
}
} // namespace

TEST(ProcedureCallTest, PairsAreFoundPastNullEntriesAndClearedInPlace)
{
    Variable p0, p1, c0, c1;
    ProcedureInvokation call;
    call.AddVariablePair(new VariablePair{&p0, &c0});
    call.AddVariablePair(nullptr);
    call.AddVariablePair(new VariablePair{&p1, &c1});
    EXPECT_EQ(call.GetVariablePairAt(2), call.FindVariablePair(&p1));
    EXPECT_EQ(nullptr, call.FindVariablePair(&c1));
    EXPECT_TRUE(call.HasPairWithCallerVariable(&c1));
    EXPECT_EQ(&p1, call.FindProcedureVariableOf(&c1));
    EXPECT_EQ(nullptr, call.FindProcedureVariableOf(&p1));
    call.ClearVariablePairOf(&p1);
    ASSERT_EQ(3u, call.GetVariablePairs().size());
    EXPECT_EQ(nullptr, call.GetVariablePairAt(2));
    EXPECT_EQ(&p0, call.GetVariablePairAt(0)->first);
}

TEST(ProcedureCallTest, SyncKeepsOnePairEntryPerFieldParameter)
{
    Variable p0, p1, p2;
    ProcedureInvokation call;
    for (Variable* variable : {&p0, &p1, &p2})
        call.AddVariablePair(new VariablePair{variable, nullptr});
    Field field;
    Procedure procedure;
    procedure.AddFieldParameter(&field);
    call.SetProcedure(&procedure);
    call.SyncWithProcedure();
    ASSERT_EQ(1u, call.GetVariablePairs().size());
    EXPECT_EQ(&p0, call.GetVariablePairAt(0)->first);
    procedure.AddFieldParameter(&field);
    call.SyncWithProcedure();
    ASSERT_EQ(2u, call.GetVariablePairs().size());
    EXPECT_EQ(nullptr, call.GetVariablePairAt(1));
}

TEST(ProcedureCallTest, FieldMapsByFieldAndByExactVariableName)
{
    Field amount;
    Field status;
    Variable c0, c1;
    ProcedureInvokation call;
    auto* amountMap = new FieldVariableMap{&amount, Named(c0, "c0")};
    call.AddFieldVariableMap(amountMap);
    call.AddFieldVariableMap(new FieldVariableMap{&status, nullptr});
    call.AddFieldVariableMap(new FieldVariableMap{&status, Named(c1, "c1")});
    EXPECT_EQ(call.GetFieldVariableMaps()[1], call.FindFieldVariableMap(&status));
    EXPECT_EQ(call.GetFieldVariableMaps()[2], call.FindFieldVariableMapByVariableName("c1"));
    EXPECT_EQ(nullptr, call.FindFieldVariableByName("C1"));
    EXPECT_EQ(&c0, call.FindFieldVariableByName("c0"));
    call.RemoveFieldVariableMapOfField(&status);
    call.RemoveFieldVariableMapOfField(&status);
    EXPECT_EQ(std::vector<FieldVariableMap*>{amountMap}, call.GetFieldVariableMaps());
    call.RemoveFieldVariableMap(amountMap);
    EXPECT_TRUE(call.GetFieldVariableMaps().empty());
}
