#include "entities/AspFile.h"
#include "entities/AspxFile.h"
#include "entities/DerivedField.h"
#include "entities/FormInterface.h"
#include "entities/Grid.h"
#include "entities/LinkControl.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ProcedureTable.h"
#include "entities/UniquenessProcedureTable.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/RefField.h"
#include "model/Table.h"
#include "tests/entities/PageTestSupport.h"
#include "tests/model/ModelBuilders.h"
#include "tests/support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

// A field as a load leaves it: with its display name.
Field* NewNamedField(const char* name, Table* table = nullptr)
{
    Field* field = NewField(name, table);
    field->SetDisplayName(name);
    return field;
}

// The table is as a load leaves it: with its key and soft-delete columns.
class PageRecordTest : public ::testing::Test
{
protected:
    PageRecordTest()
    {
        m_table->SetTableName("Orders");
        m_price = NewNamedField("Price", m_table.get());
        m_amount = NewNamedField("Amount", m_table.get());
        m_table->EnsureDefaultFields();
    }

    ScopedArchiveVersion m_version{TheVersionHistory().GetCurrentVersion()};
    std::unique_ptr<Table> m_table = std::make_unique<Table>();
    Field* m_price;
    Field* m_amount;
};

// Writing the loaded page again gives the same bytes: every stored member, and the table shared
// by all lists, came back; the grid is not part of the record.
TEST_F(PageRecordTest, RoundTripWritesTheSameBytesAgainButDropsTheGrid)
{
    FormInterface page;
    page.SetName("OrderPage");
    auto* file = new AspxFile;
    file->SetFileKind(5);
    page.AddAspFile(file);
    page.AddFieldRep(new FieldRep(m_price));
    page.AddFieldVariableMap(new FieldVariableMap{m_price, NewVariable("Price")});
    page.AddPreLink(NewLink("pre"));
    page.AddPostLink(NewLink("post"));
    page.SetPreLinkColumnCount(1);
    page.SetPostLinkColumnCount(3);
    page.AddUniquenessProcedureTable(
        new UniquenessProcedureTable(m_table.get(), new ProcedureInvokation));
    page.AddRefField(new RefField(NewNamedField("Lookup"), m_table.get()));
    page.AddDerivedField(new DerivedField(NewNamedField("Total"), m_table.get()));
    page.AddProcedureTable(new ProcedureTable(m_table.get(), new ProcedureInvokation, 2));
    page.AddTableFlags(PageTableFlags{m_table.get(), true, false});
    page.SetProcedureCall(new ProcedureInvokation);
    page.SetColumnCount(1);
    page.SetGrid(new Grid);

    const std::vector<BYTE> bytes = SaveObject(&page);
    std::unique_ptr<FormInterface> loaded(LoadObject<FormInterface>(bytes));
    ASSERT_NE(loaded, nullptr);
    std::unique_ptr<Table> loadedTable(loaded->GetFieldReps().at(0)->GetField()->GetTable());

    EXPECT_EQ(loaded->GetRuntimeClass(), RUNTIME_CLASS(FormInterface));
    EXPECT_EQ(loaded->GetProcedureTables().at(0)->GetTable(), loadedTable.get());
    EXPECT_EQ(loaded->GetGrid(), nullptr);
    EXPECT_EQ(SaveObject(loaded.get()), bytes);
}

TEST_F(PageRecordTest, LoadedVariableIsNamedAfterItsFieldWithPageKind)
{
    FormInterface page;
    page.AddFieldVariableMap(
        new FieldVariableMap{m_price, NewVariable("Price_Var", Variable::parameterKind)});

    std::unique_ptr<FormInterface> loaded(LoadObject<FormInterface>(SaveObject(&page)));

    const FieldVariableMap* map = loaded->GetFieldVariableMaps().at(0);
    EXPECT_EQ(map->variable->GetFieldName(), "Price");
    EXPECT_EQ(map->variable->GetKind(), Variable::pageKind);
    delete map->field->GetTable();
}

TEST_F(PageRecordTest, MapOfKindTwoVariableIsNeitherStoredNorDeleted)
{
    auto shared = std::make_unique<Variable>();
    shared->SetKind(Variable::sharedKind);
    auto sharedMap = std::make_unique<FieldVariableMap>(FieldVariableMap{m_amount, shared.get()});
    {
        FormInterface page;
        page.AddFieldVariableMap(new FieldVariableMap{m_price, NewVariable("Price", 1)});
        page.AddFieldVariableMap(sharedMap.get());

        std::unique_ptr<FormInterface> loaded(LoadObject<FormInterface>(SaveObject(&page)));

        ASSERT_EQ(loaded->GetFieldVariableMaps().size(), 1u);
        Field* loadedPrice = loaded->GetFieldVariableMaps()[0]->field;
        EXPECT_EQ(loadedPrice->GetFieldName(), "Price");
        delete loadedPrice->GetTable();
    }
    // The page freed neither the map of the shared variable nor the variable.
    EXPECT_EQ(sharedMap->variable->GetKind(), Variable::sharedKind);
}

TEST(PageRecordGateTest, VersionGates)
{
    ExpectRecordVersions<FormInterface>("FormInterface", PageParts("Old"));
}

TEST_F(PageRecordTest, CopyKeepsFileKindsButLeavesTableListsCallAndGridBehind)
{
    FormInterface source;
    source.SetName("Source");
    auto* classicFile = new AspFile;
    classicFile->SetFileKind(3);
    source.AddAspFile(classicFile);
    source.AddUniquenessProcedureTable(new UniquenessProcedureTable(m_table.get(), nullptr));
    source.AddProcedureTable(new ProcedureTable(m_table.get(), nullptr, 1));
    source.AddTableFlags(PageTableFlags{m_table.get(), true, true});
    source.SetProcedureCall(new ProcedureInvokation);
    source.SetGrid(new Grid);

    FormInterface copy;
    copy.CopyFrom(&source);

    EXPECT_EQ(copy.GetFormName(), "Source");
    ASSERT_EQ(copy.GetAspFiles().size(), 1u);
    EXPECT_EQ(copy.GetAspFiles()[0]->GetFileKind(), 3);
    EXPECT_TRUE(copy.GetUniquenessProcedureTables().empty());
    EXPECT_TRUE(copy.GetProcedureTables().empty());
    EXPECT_TRUE(copy.GetTableFlagsList().empty());
    EXPECT_EQ(copy.GetProcedureCall(), nullptr);
    EXPECT_EQ(copy.GetGrid(), nullptr);
}

} // namespace
