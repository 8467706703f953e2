#include "entities/Procedure.h"
#include "entities/ProcedureFieldInfo.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ProcedureTable.h"
#include "entities/UniquenessProcedureTable.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/Relation.h"
#include "model/Table.h"
#include "model/VersionHistory.h"
#include "tests/entities/PageTestSupport.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/RecordBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
// A table as a load leaves it (key and soft-delete columns) with one more field.
Table* NewTableWithField(const char* name, const char* extraField)
{
    auto* table = new Table;
    table->SetTableName(name);
    table->EnsureDefaultFields();
    auto* field = new Field;
    field->SetFieldName(extraField);
    field->SetDisplayName(extraField);
    field->SetTable(table);
    table->AddField(field);
    return table;
}

} // namespace

TEST(ProcedureRecordTest, RoundTripKeepsSharedReferences)
{
    ScopedArchiveVersion version(CurrentVersion());
    std::unique_ptr<Table> orders(NewTableWithField("Orders", "Amount"));
    std::unique_ptr<Table> customers(NewTableWithField("Customers", "City"));
    Field* amount = orders->FindFieldByName("Amount");
    Field* key = orders->GetPrimaryKeyField();
    ASSERT_NE(nullptr, key);

    Procedure procedure;
    procedure.SetName("PRC_Orders_SelectAll");
    procedure.SetMainTable(orders.get());
    procedure.SetKind(Procedure::standardKind);
    procedure.AddTable(orders.get());
    procedure.AddTable(customers.get());
    auto* column = new ProcedureFieldInfo(amount, ProcedureFieldInfo::sumAggregate);
    procedure.AddOutputColumn(column);
    Variable* parameter = NewVariable("PRC_Id_Var", Variable::pageKind);
    procedure.AddFieldParameterPair(key, parameter);
    procedure.AddVariationVariable(parameter);
    auto* relation = new Relation;
    relation->SetFirstTable(orders.get());
    relation->SetSecondTable(customers.get());
    relation->AddJoinField(key);
    procedure.AddRelation(relation);
    auto* derived = new Procedure;
    derived->SetName("PRC_Orders_SelectAll_Id");
    derived->SetKind(Procedure::derivedKind);
    derived->SetMainTable(orders.get());
    derived->AddOutputColumn(column);
    derived->AddFieldParameterPair(key, parameter);
    derived->AddRelation(relation);
    procedure.AddDerivedProcedure(derived);

    // Every shared object written once and referred to afterwards: the same bytes again prove
    // the sharing came back.
    const std::vector<BYTE> bytes = SaveObject(&procedure);
    std::unique_ptr<Procedure> loaded(LoadObject<Procedure>(bytes));
    ASSERT_NE(nullptr, loaded);
    std::unique_ptr<Table> loadedOrders(loaded->GetMainTable());
    ASSERT_EQ(2u, loaded->GetTables().size());
    std::unique_ptr<Table> loadedCustomers(loaded->GetTables()[1]);
    EXPECT_EQ(loadedOrders.get(), loaded->GetTables()[0]);
    EXPECT_EQ(loaded->GetRelations().at(0),
              loaded->GetDerivedProcedures().at(0)->GetRelations().at(0));
    EXPECT_EQ(bytes, SaveObject(loaded.get()));
}

TEST(ProcedureRecordTest, VersionGates)
{
    const int count = ProcedureFieldInfo::countAggregate;
    const int average = ProcedureFieldInfo::averageAggregate;
    const ArchiveBytes columns =
        ArchiveBytes().Int(2).NewClass("ProcedureFieldInfo").Null().Int(count).Str("");
    ExpectRecordVersions<Procedure>(
        "Procedure",
        {Always(ArchiveBytes().Str("PRC_Orders").Null()),
         After(21, ArchiveBytes().Int(Procedure::allRows),
               ArchiveBytes().Int(Procedure::liveRowsOnly)),
         After(22, ArchiveBytes().Int(0), ArchiveBytes().Int(1)),
         Always(ArchiveBytes().Int(1).Null()), Until(43, ArchiveBytes().Int(1).Null()),
         Until(17, ArchiveBytes().Int(1).Null()),
         Until(43, ArchiveBytes().Int(1).Null().Int(1).Null()), Until(9, ArchiveBytes().Int(0)),
         Between(9, 28, ArchiveBytes().Int(1).NewClass("Variable").Str("Old").Int(0).Str("5")),
         After(14, ArchiveBytes().Int(Procedure::standardKind),
               ArchiveBytes().Int(Procedure::customKind)),
         // Files before 24 hold each column inline as a field and an aggregate.
         Until(17, {}, ArchiveBytes().Int(0)),
         Between(17, 23, ArchiveBytes().Int(2).Null().Int(count).Null().Int(average),
                 ArchiveBytes(columns).ClassRef(3).Null().Int(average).Str("")),
         After(23,
               ArchiveBytes().Int(1).NewClass("ProcedureFieldInfo").Null().Int(count).Str("note")),
         After(26, ArchiveBytes().Int(1).Null().Str("SELECT 1").Int(1),
               ArchiveBytes().Int(0).Str("").Int(0)),
         After(28, ArchiveBytes().Int(1).Null().Null(), ArchiveBytes().Int(0)),
         // The null entries of the owned lists are dropped.
         After(35, ArchiveBytes().Int(1).Null(), ArchiveBytes().Int(0), ArchiveBytes().Int(0)),
         After(40, ArchiveBytes().Int(1).Null(), ArchiveBytes().Int(0), ArchiveBytes().Int(0)),
         After(46, ArchiveBytes().Int(1).Null(), ArchiveBytes().Int(0), ArchiveBytes().Int(0)),
         After(63, ArchiveBytes().Int(1), ArchiveBytes().Int(0))},
        // The procedure does not own the variables of old files, which all become page variables.
        [](Procedure& procedure)
        {
            for (Variable* legacy : procedure.GetLegacyVariables())
            {
                EXPECT_EQ(Variable::pageKind, legacy->GetKind());
                delete legacy;
            }
        });
}

TEST(ProcedureRecordTest, EveryConstructionTakesTheNextId)
{
    ScopedArchiveVersion version(CurrentVersion());
    Procedure first;
    Procedure second;
    EXPECT_EQ(first.GetId() + 1, second.GetId());
    const std::vector<BYTE> bytes = SaveObject(&first);
    std::unique_ptr<Procedure> loaded(LoadObject<Procedure>(bytes));
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(second.GetId() + 1, loaded->GetId());
}

TEST(ProcedureRecordTest, ProcedureKeepsKindTwoVariablesAndDerivedOnesOwnNothing)
{
    std::unique_ptr<Variable> shared(NewVariable("Shared", Variable::sharedKind));
    auto* column = new ProcedureFieldInfo;
    {
        Procedure base;
        base.AddOutputColumn(column);
        base.AddFieldParameterPair(nullptr, shared.get());
        base.AddFieldParameterPair(nullptr, NewVariable("Owned", Variable::pageKind));
        auto* derived = new Procedure;
        derived->SetKind(Procedure::derivedKind);
        derived->AddOutputColumn(column);
        derived->AddFieldParameterPair(nullptr, shared.get());
        base.AddDerivedProcedure(derived);
        base.DeleteDerivedProcedures();
        EXPECT_TRUE(base.GetDerivedProcedures().empty());
        EXPECT_EQ(nullptr, base.GetOutputColumns()[0]->GetField());
    }
    EXPECT_EQ(CString("Shared"), shared->GetFieldName());
}

TEST(ProcedureInvokationRecordTest, RoundTripKeepsPairsMapsAndSharing)
{
    ScopedArchiveVersion version(CurrentVersion());
    std::unique_ptr<Table> table(NewTableWithField("Orders", "Amount"));
    std::unique_ptr<Procedure> procedure(new Procedure);
    procedure->SetName("PRC_Orders_Delete");
    Variable* parameter = NewVariable("PRC_Orders_id_Var", Variable::pageKind);
    procedure->AddFieldParameterPair(table->GetPrimaryKeyField(), parameter);
    std::unique_ptr<Variable> caller(NewVariable("Orders_id", Variable::pageKind));

    auto* invocation = new ProcedureInvokation;
    invocation->SetProcedure(procedure.get());
    invocation->AddVariablePair(new VariablePair{parameter, caller.get()});
    invocation->AddVariablePair(nullptr);
    invocation->AddVariablePair(new VariablePair{nullptr, caller.get()});
    invocation->AddFieldVariableMap(
        new FieldVariableMap{table->GetPrimaryKeyField(), caller.get()});
    const ProcedureTable procedureTable(table.get(), invocation, ProcedureTable::recordDeleteKind);

    const std::vector<BYTE> bytes = SaveObject(&procedureTable);
    std::unique_ptr<ProcedureTable> loaded(LoadObject<ProcedureTable>(bytes));
    ASSERT_NE(nullptr, loaded);
    std::unique_ptr<Table> loadedTable(loaded->GetTable());
    const ProcedureInvokation* loadedInvocation = loaded->GetInvocation();
    ASSERT_NE(nullptr, loadedInvocation);
    std::unique_ptr<Procedure> loadedProcedure(loadedInvocation->GetProcedure());
    const std::vector<VariablePair*>& pairs = loadedInvocation->GetVariablePairs();
    ASSERT_EQ(3u, pairs.size());
    ASSERT_NE(nullptr, pairs[0]);
    std::unique_ptr<Variable> loadedCaller(pairs[0]->second);
    EXPECT_EQ(nullptr, pairs[1]);
    EXPECT_EQ(loadedCaller.get(), loadedInvocation->GetFieldVariableMaps().at(0)->variable);
    EXPECT_EQ(bytes, SaveObject(loaded.get()));
}

TEST(ProcedureInvokationRecordTest, VersionGates)
{
    ExpectRecordVersions<ProcedureInvokation>(
        "ProcedureInvokation",
        {Always(ArchiveBytes().Null().Int(1).Null().Null()),
         After(49, ArchiveBytes().Int(1).Null().Null(), ArchiveBytes().Int(0))});
}

TEST(ProcedureInvokationRecordTest, CopyTakesTheProcedureOnly)
{
    Procedure procedure;
    Variable variable;
    ProcedureInvokation source;
    source.SetProcedure(&procedure);
    source.AddVariablePair(new VariablePair{&variable, &variable});
    const ProcedureInvokation copy(&source);
    EXPECT_EQ(&procedure, copy.GetProcedure());
    EXPECT_TRUE(copy.GetVariablePairs().empty());
    const ProcedureInvokation fromNull(nullptr);
    EXPECT_EQ(nullptr, fromNull.GetProcedure());
}

TEST(UniquenessProcedureTableRecordTest, RoundTripKeepsTheTablesFieldsAndOutOfRangeGivesNone)
{
    ScopedArchiveVersion version(CurrentVersion());
    std::unique_ptr<Table> table(NewTableWithField("Customers", "Email"));
    Field* email = table->FindFieldByName("Email");
    UniquenessProcedureTable uniqueness(table.get(), new ProcedureInvokation);
    uniqueness.AddField(email);
    uniqueness.AddField(table->GetPrimaryKeyField());

    const std::vector<BYTE> bytes = SaveObject(&uniqueness);
    std::unique_ptr<UniquenessProcedureTable> loaded(LoadObject<UniquenessProcedureTable>(bytes));
    ASSERT_NE(nullptr, loaded);
    std::unique_ptr<Table> loadedTable(loaded->GetTable());
    EXPECT_EQ(loadedTable->GetPrimaryKeyField(), loaded->GetFieldAt(1));
    EXPECT_EQ(nullptr, loaded->GetFieldAt(-1));
    EXPECT_EQ(nullptr, loaded->GetFieldAt(2));
    EXPECT_EQ(bytes, SaveObject(loaded.get()));
}
