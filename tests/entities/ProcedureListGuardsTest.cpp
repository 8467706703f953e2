#include "entities/FormInterface.h"
#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/UniquenessProcedureTable.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldFilter.h"
#include "model/Relation.h"
#include "model/Table.h"

#include <gtest/gtest.h>

TEST(ProcedureListGuardsTest, RemovingAnEntryRemovesAdjacentOccurrencesToo)
{
    Table first;
    Table second;
    Variable one;
    Variable two;
    Procedure procedure;
    for (Table* table : {&first, &first, &second, &first})
        procedure.AddTable(table);
    for (Variable* variable : {&one, &two, &two, &one, &two})
        procedure.AddVariationVariable(variable);
    procedure.RemoveTable(&first);
    procedure.RemoveVariable(&two);
    EXPECT_EQ(std::vector<Table*>{&second}, procedure.GetTables());
    EXPECT_EQ((std::vector<Variable*>{&one, &one}), procedure.GetVariationVariables());
    procedure.RemoveVariableAt(-1);
    EXPECT_TRUE(procedure.GetVariationVariables().empty());

    ProcedureInvokation call;
    for (Variable* variable : {&one, &two, &one})
        call.AddVariablePair(new VariablePair{variable, nullptr});
    call.RemoveVariablePairAt(0);
    call.RemoveVariablePairAt(0);
    ASSERT_EQ(1u, call.GetVariablePairs().size());
    EXPECT_EQ(&one, call.GetVariablePairAt(0)->first);
}

TEST(ProcedureListGuardsTest, IndexOperationsIgnoreBadIndexes)
{
    Field field;
    Variable variable;
    Procedure procedure;
    procedure.AddTable(nullptr);
    procedure.AddRelation(new Relation);
    procedure.AddFieldParameter(&field);
    procedure.AddVariationVariable(&variable);
    ProcedureInvokation call;
    call.AddVariablePair(nullptr);
    UniquenessProcedureTable uniqueness(nullptr, nullptr);
    uniqueness.AddField(&field);
    for (int index : {-2, 1})
    {
        procedure.RemoveTableAt(index);
        procedure.RemoveRelationAt(index);
        procedure.RemoveFieldParameterAt(index);
        procedure.RemoveVariableAt(index);
        procedure.SetFieldParameterFieldAt(index, nullptr);
        call.RemoveVariablePairAt(index);
        EXPECT_EQ(nullptr, procedure.GetOutputFieldAt(index));
        EXPECT_EQ(nullptr, procedure.GetAliasFieldAt(index));
        EXPECT_EQ(nullptr, procedure.GetFieldParameterVariableAt(index));
        EXPECT_EQ(nullptr, procedure.GetFilterTreeRootAt(index));
        EXPECT_EQ(nullptr, procedure.GetVariableAt(index));
        EXPECT_EQ(nullptr, procedure.GetSubProcedureAt(index));
        EXPECT_EQ(nullptr, uniqueness.GetFieldAt(index));
        FieldVariableMap parameter{&field, &variable};
        procedure.GetFieldParameterAt(parameter, index);
        EXPECT_EQ(nullptr, parameter.field);
        EXPECT_EQ(nullptr, parameter.variable);
    }
    EXPECT_EQ(1u, procedure.GetTables().size());
    EXPECT_EQ(1u, procedure.GetRelations().size());
    EXPECT_EQ(&field, procedure.GetFieldParameters()[0].field);
    EXPECT_EQ(&variable, procedure.GetVariableAt(0));
    EXPECT_EQ(1u, call.GetVariablePairs().size());
}

TEST(ProcedureListGuardsTest, MissingObjectsChangeNothing)
{
    Procedure procedure(nullptr, false);
    EXPECT_EQ(CString("PRC__SelectRecord"), procedure.GetName());
    procedure.InitSelectAllByField(nullptr, nullptr);
    procedure.InitSelectRecordForMapForm(nullptr);
    procedure.SyncWithMainTable();
    procedure.AddAliasField(nullptr, true);
    EXPECT_EQ(CString("PRC__SelectAll"), procedure.GetName());
    EXPECT_TRUE(procedure.GetOutputColumns().empty());
    EXPECT_TRUE(procedure.GetFieldParameters().empty());
    EXPECT_TRUE(procedure.GetFilters().empty());
    Field field;
    FieldFilter filter;
    ProcedureFieldInfo column(&field, ProcedureFieldInfo::noAggregate);
    procedure.DeleteFieldFilter(&filter);
    procedure.DeleteFieldFilter(nullptr);
    procedure.RemoveOutputColumn(&column);
    procedure.RemoveAliasField(&field);
    EXPECT_EQ(nullptr, procedure.FindEquivalentFilter(nullptr));
    EXPECT_EQ(&field, column.GetField());

    ProcedureInvokation call;
    call.AddVariablePair(nullptr);
    call.SyncWithProcedure();
    EXPECT_EQ(nullptr, call.FindVariablePair(nullptr));
    EXPECT_FALSE(call.HasPairWithCallerVariable(nullptr));
    FieldVariableMap stranger{&field, nullptr};
    call.RemoveFieldVariableMap(&stranger);
    call.RemoveFieldVariableMapOfField(nullptr);
    EXPECT_EQ(1u, call.GetVariablePairs().size());

    const ProcedureFieldInfo fieldless(nullptr, ProcedureFieldInfo::sumAggregate);
    CString name = "stale";
    fieldless.GetDisplayName(name);
    EXPECT_EQ(CString(), name);
}
