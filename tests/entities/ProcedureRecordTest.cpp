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
Table* NewTable(const char* name, const char* extraField)
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

std::vector<BYTE> WithoutSentinel(std::vector<BYTE> bytes)
{
    bytes.resize(bytes.size() - sizeof(int));
    return bytes;
}

// The record of a procedure at the current version: object 2 is the procedure, 4 its output
// column, 6 the variable of its field parameter and variation, 7 a derived procedure sharing
// both; an alias field and a relation are spliced in as saved on their own.
std::vector<BYTE> CurrentRecord(const Field& aliasField, const Relation& relation)
{
    ArchiveBytes head;
    head.NewClass("Procedure").Str("PRC_Orders_SelectAll").Null().Int(2).Int(0).Int(0);
    head.Int(Procedure::standardKind);
    head.Int(1).NewClass("ProcedureFieldInfo").Null().Int(1).Str("note");
    head.Int(1).NewClass("Variable").Str("PRC_Id_Var").Int(Variable::pageKind).Str("");
    head.Str("SELECT Id FROM Orders").Int(1);
    head.Int(1).Null().ObjectRef(6);
    head.Int(1).ClassRef(1).Str("PRC_Orders_SelectAll_Id").Null().Int(1).Int(1).Int(0);
    head.Int(Procedure::derivedKind).Int(1).ObjectRef(4).Int(0).Str("").Int(0);
    head.Int(1).Null().ObjectRef(6).Int(0).Int(0).Int(0).Int(0);
    head.Int(1);
    ArchiveBytes middle;
    middle.Int(1);
    ArchiveBytes tail;
    tail.Int(1).Int(recordSentinel);
    return Joined(
        {head.Get(), SaveObject(&aliasField), middle.Get(), SaveObject(&relation), tail.Get()});
}

// The record of files of versions 44 to 64: the output column is object 4; relations are read
// after version 46 and the custom-name flag after version 63.
std::vector<BYTE> LaterRecord(bool withRelations, bool withCustomNameFlag)
{
    ArchiveBytes head;
    head.NewClass("Procedure").Str("PRC_Orders_SelectAll").Null().Int(0).Int(0).Int(0);
    head.Int(Procedure::standardKind);
    head.Int(1).NewClass("ProcedureFieldInfo").Null().Int(3).Str("");
    head.Int(0).Str("").Int(0).Int(0).Int(0).Int(0);
    std::vector<BYTE> relations;
    if (withRelations)
    {
        const Relation relation;
        relations = Joined({ArchiveBytes().Int(1).Get(), SaveObject(&relation)});
    }
    ArchiveBytes tail;
    if (withCustomNameFlag)
        tail.Int(1);
    tail.Int(recordSentinel);
    return Joined({head.Get(), relations, tail.Get()});
}
} // namespace

TEST(ProcedureRecordTest, RoundTripKeepsSharedReferences)
{
    ScopedArchiveVersion version(CurrentVersion());
    std::unique_ptr<Table> orders(NewTable("Orders", "Amount"));
    std::unique_ptr<Table> customers(NewTable("Customers", "City"));
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

TEST(ProcedureRecordTest, CurrentLayoutIsReadInWriteOrderAndWrittenBackUnchanged)
{
    ScopedArchiveVersion version(CurrentVersion());
    Field aliasField;
    aliasField.SetFieldName("Total");
    aliasField.SetDisplayName("Total");
    const Relation relation;
    const std::vector<BYTE> bytes = CurrentRecord(aliasField, relation);

    LoadedRecord<Procedure> loaded = LoadWithSentinel<Procedure>(bytes);
    std::unique_ptr<Procedure> procedure(loaded.object);
    ASSERT_NE(nullptr, procedure);
    EXPECT_EQ(recordSentinel, loaded.trailer);
    EXPECT_EQ(nullptr, procedure->GetMainTable());
    EXPECT_EQ(Procedure::allRows, procedure->GetRowStatusFilter());
    EXPECT_FALSE(procedure->GetWriteFlag());
    EXPECT_TRUE(procedure->GetTables().empty());
    EXPECT_EQ(Procedure::standardKind, procedure->GetKind());
    ASSERT_EQ(1u, procedure->GetOutputColumns().size());
    EXPECT_EQ(CString("note"), procedure->GetOutputColumns()[0]->GetText());
    ASSERT_EQ(1u, procedure->GetVariationVariables().size());
    EXPECT_EQ(CString("SELECT Id FROM Orders"), procedure->GetProcedureText());
    EXPECT_TRUE(procedure->GetTextFlag());
    ASSERT_EQ(1u, procedure->GetFieldParameters().size());
    EXPECT_EQ(procedure->GetVariationVariables()[0], procedure->GetFieldParameters()[0].variable);
    ASSERT_EQ(1u, procedure->GetDerivedProcedures().size());
    const Procedure* derived = procedure->GetDerivedProcedures()[0];
    EXPECT_EQ(CString("PRC_Orders_SelectAll_Id"), derived->GetName());
    EXPECT_EQ(procedure->GetOutputColumns(), derived->GetOutputColumns());
    EXPECT_EQ(procedure->GetVariationVariables()[0], derived->GetFieldParameters()[0].variable);
    ASSERT_EQ(1u, procedure->GetAliasFields().size());
    EXPECT_EQ(CString("Total"), procedure->GetAliasFields()[0]->GetFieldName());
    EXPECT_EQ(1u, procedure->GetRelations().size());
    EXPECT_TRUE(procedure->GetCustomNameFlag());

    EXPECT_EQ(WithoutSentinel(bytes), SaveObject(procedure.get()));
}

TEST(ProcedureRecordTest, VersionTwentyReadsInlineColumnsAndDropsOldBlocks)
{
    ScopedArchiveVersion version(20);
    ArchiveBytes bytes;
    bytes.NewClass("Procedure").Str("PRC_Orders_SelectAll").Null().Int(1).Null();
    bytes.Int(1).Null().Int(1).Null().Int(1).Null();
    bytes.Int(1).NewClass("Variable").Str("PRC_Old_Var").Int(Variable::parameterKind).Str("5");
    bytes.Int(Procedure::standardKind);
    bytes.Int(2).Null().Int(ProcedureFieldInfo::countAggregate).Null().Int(4);
    bytes.Int(recordSentinel);

    LoadedRecord<Procedure> loaded = LoadWithSentinel<Procedure>(bytes.Get());
    std::unique_ptr<Procedure> procedure(loaded.object);
    ASSERT_NE(nullptr, procedure);
    EXPECT_EQ(recordSentinel, loaded.trailer);
    EXPECT_EQ(CString("PRC_Orders_SelectAll"), procedure->GetName());
    EXPECT_EQ(1u, procedure->GetTables().size());
    EXPECT_EQ(Procedure::standardKind, procedure->GetKind());
    ASSERT_EQ(2u, procedure->GetOutputColumns().size());
    EXPECT_EQ(ProcedureFieldInfo::countAggregate, procedure->GetOutputColumns()[0]->GetAggregate());
    EXPECT_EQ(ProcedureFieldInfo::averageAggregate,
              procedure->GetOutputColumns()[1]->GetAggregate());
    EXPECT_TRUE(procedure->GetWriteFlag());
    EXPECT_EQ(Procedure::liveRowsOnly, procedure->GetRowStatusFilter());

    // The procedure does not own the variables of old files.
    ASSERT_EQ(1u, procedure->GetLegacyVariables().size());
    std::unique_ptr<Variable> legacy(procedure->GetLegacyVariables()[0]);
    EXPECT_EQ(CString("PRC_Old_Var"), legacy->GetFieldName());
    EXPECT_EQ(CString("5"), legacy->GetValue());
    EXPECT_EQ(Variable::pageKind, legacy->GetKind());
}

TEST(ProcedureRecordTest, VersionFourteenReadsDroppedFieldsAndNoKindOrColumns)
{
    ScopedArchiveVersion version(14);
    ArchiveBytes bytes;
    bytes.NewClass("Procedure").Str("PRC_Orders_SelectRecord").Null().Int(0);
    bytes.Int(0).Int(1).Null().Int(0).Int(0).Int(0);
    bytes.Int(recordSentinel);

    LoadedRecord<Procedure> loaded = LoadWithSentinel<Procedure>(bytes.Get());
    std::unique_ptr<Procedure> procedure(loaded.object);
    ASSERT_NE(nullptr, procedure);
    EXPECT_EQ(recordSentinel, loaded.trailer);
    EXPECT_EQ(Procedure::customKind, procedure->GetKind());
    EXPECT_TRUE(procedure->GetOutputColumns().empty());
    EXPECT_TRUE(procedure->GetLegacyVariables().empty());
}

class ProcedureLaterVersionTest : public ::testing::TestWithParam<int>
{
};

TEST_P(ProcedureLaterVersionTest, ReadsRelationsAfterFortySixAndTheNameFlagAfterSixtyThree)
{
    const int fileVersion = GetParam();
    ScopedArchiveVersion version(fileVersion);
    const bool withRelations = fileVersion > 46;
    const bool withCustomNameFlag = fileVersion > 63;

    LoadedRecord<Procedure> loaded =
        LoadWithSentinel<Procedure>(LaterRecord(withRelations, withCustomNameFlag));
    std::unique_ptr<Procedure> procedure(loaded.object);
    ASSERT_NE(nullptr, procedure);
    EXPECT_EQ(recordSentinel, loaded.trailer);
    EXPECT_EQ(Procedure::deletedRowsOnly, procedure->GetRowStatusFilter());
    EXPECT_FALSE(procedure->GetWriteFlag());
    EXPECT_EQ(Procedure::standardKind, procedure->GetKind());
    ASSERT_EQ(1u, procedure->GetOutputColumns().size());
    EXPECT_EQ(ProcedureFieldInfo::maxAggregate, procedure->GetOutputColumns()[0]->GetAggregate());
    EXPECT_EQ(withRelations ? 1u : 0u, procedure->GetRelations().size());
    EXPECT_EQ(withCustomNameFlag, procedure->GetCustomNameFlag());
    EXPECT_TRUE(procedure->GetLegacyVariables().empty());
}

INSTANTIATE_TEST_SUITE_P(ProcedureVersions, ProcedureLaterVersionTest,
                         ::testing::Values(44, 45, 46, 47, 63, 64));

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
    std::unique_ptr<Table> table(NewTable("Orders", "Amount"));
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

TEST(ProcedureInvokationRecordTest, VersionFortyNineHoldsNoFieldMaps)
{
    ArchiveBytes pairs;
    pairs.NewClass("ProcedureInvokation").Null();
    pairs.Int(1).NewClass("Variable").Str("PRC_Id_Var").Int(0).Str("").Null();
    for (int fileVersion : {49, 50})
    {
        ScopedArchiveVersion version(fileVersion);
        ArchiveBytes bytes = pairs;
        if (fileVersion > 49)
            bytes.Int(0);
        bytes.Int(recordSentinel);
        LoadedRecord<ProcedureInvokation> loaded =
            LoadWithSentinel<ProcedureInvokation>(bytes.Get());
        std::unique_ptr<ProcedureInvokation> invocation(loaded.object);
        ASSERT_NE(nullptr, invocation);
        EXPECT_EQ(recordSentinel, loaded.trailer) << "version " << fileVersion;
        ASSERT_EQ(1u, invocation->GetVariablePairs().size());
        const VariablePair* pair = invocation->GetVariablePairs()[0];
        ASSERT_NE(nullptr, pair);
        std::unique_ptr<Variable> first(pair->first);
        ASSERT_NE(nullptr, first);
        EXPECT_EQ(CString("PRC_Id_Var"), first->GetFieldName());
        EXPECT_EQ(nullptr, pair->second);
        EXPECT_TRUE(invocation->GetFieldVariableMaps().empty());
    }
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
    std::unique_ptr<Table> table(NewTable("Customers", "Email"));
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
