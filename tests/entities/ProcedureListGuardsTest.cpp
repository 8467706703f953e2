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
    FieldVariableMap stranger{&field, nullptr};
    call.RemoveFieldVariableMap(&stranger);
    call.RemoveFieldVariableMapOfField(nullptr);
    EXPECT_EQ(1u, call.GetVariablePairs().size());

    const ProcedureFieldInfo fieldless(nullptr, ProcedureFieldInfo::sumAggregate);
    CString name = "stale";
    fieldless.GetDisplayName(name);
    EXPECT_EQ(CString(), name);
}

namespace
{
Variable* NamedVariable(Variable& variable, const char* name)
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
    auto* amountMap = new FieldVariableMap{&amount, NamedVariable(c0, "c0")};
    call.AddFieldVariableMap(amountMap);
    call.AddFieldVariableMap(new FieldVariableMap{&status, nullptr});
    call.AddFieldVariableMap(new FieldVariableMap{&status, NamedVariable(c1, "c1")});
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

TEST(ProcedureOutputColumnsTest, DisplayNameAndCaptionAddTheAggregateName)
{
    Field amount;
    amount.SetFieldName("Amount");
    amount.SetDisplayName("Order amount");
    ProcedureFieldInfo column(&amount, ProcedureFieldInfo::sumAggregate);
    CString name;
    CString caption;
    column.GetDisplayName(name);
    column.GetCaption(caption);
    EXPECT_EQ(CString("Amount_Sum"), name);
    EXPECT_EQ(CString("Order amount Sum"), caption);
    column.SetAggregate(ProcedureFieldInfo::noAggregate);
    column.GetDisplayName(name);
    column.GetCaption(caption);
    EXPECT_EQ(CString("Amount"), name);
    EXPECT_EQ(CString("Order amount"), caption);
    const char* const names[] = {"None",    "Count",      "Sum",  "Min", "Max",
                                 "Average", "Percentage", "None", "None"};
    for (int code = -1; code <= 7; ++code)
    {
        column.SetAggregate(code);
        EXPECT_EQ(CString(names[code + 1]), column.GetAggregateName()) << code;
    }
}

TEST(ProcedureOutputColumnsTest, RemovingTheColumnOfAnAliasFieldDeletesTheField)
{
    Field withTable;
    Table table;
    withTable.SetTable(&table);
    auto* total = new Field;
    total->SetFieldName("Total");
    auto* margin = new Field;
    margin->SetFieldName("Margin");
    Procedure procedure;
    procedure.AddAliasField(total, true);
    procedure.AddAliasField(margin, false);
    procedure.AddAliasField(&withTable, true);
    EXPECT_EQ((std::vector<Field*>{total, margin}), procedure.GetAliasFields());
    EXPECT_EQ(1u, procedure.GetOutputColumns().size());
    EXPECT_EQ(nullptr, procedure.FindAliasFieldByName("total"));
    EXPECT_EQ(total, procedure.FindAliasFieldByNameNoCase("total"));
    procedure.RemoveOutputColumn(procedure.GetOutputColumnAt(0));
    EXPECT_TRUE(procedure.GetOutputColumns().empty());
    EXPECT_EQ(std::vector<Field*>{margin}, procedure.GetAliasFields());
}
