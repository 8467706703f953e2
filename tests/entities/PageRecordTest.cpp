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
#include "model/EventRecmpFields.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/RefField.h"
#include "model/Table.h"
#include "tests/entities/PageTestSupport.h"
#include "tests/support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

LinkControl* NewLink(const char* caption)
{
    auto* link = new LinkControl;
    link->SetCaption(caption);
    return link;
}

class PageRecordTest : public ::testing::Test
{
protected:
    PageRecordTest()
    {
        m_table->SetTableName("Orders");
        m_price = NewField("Price", m_table.get());
        m_amount = NewField("Amount", m_table.get());
    }

    ScopedArchiveVersion m_version{TheVersionHistory().GetCurrentVersion()};
    std::unique_ptr<Table> m_table = std::make_unique<Table>();
    Field* m_price;
    Field* m_amount;
};

TEST_F(PageRecordTest, RoundTripKeepsEveryStoredMemberAndSharesTheTable)
{
    FormInterface page;
    page.SetName("OrderPage");
    auto* file = new AspxFile;
    file->SetFileKind(5);
    page.AddAspFile(file);
    page.AddFieldRep(new FieldRep(m_price));
    page.AddFieldVariableMap(new FieldVariableMap{m_price, NewVariable("Price", 1)});
    page.AddPreLink(NewLink("pre"));
    page.AddPostLink(NewLink("post"));
    page.SetPreLinkColumnCount(1);
    page.SetPostLinkColumnCount(3);
    page.AddUniquenessProcedureTable(
        new UniquenessProcedureTable(m_table.get(), new ProcedureInvokation));
    page.AddRefField(new RefField(NewField("Lookup"), m_table.get()));
    page.AddDerivedField(new DerivedField(NewField("Total"), m_table.get()));
    page.AddProcedureTable(new ProcedureTable(m_table.get(), new ProcedureInvokation, 2));
    page.AddTableFlags(PageTableFlags{m_table.get(), true, false});
    page.SetProcedureCall(new ProcedureInvokation);
    page.SetColumnCount(1);
    page.SetGrid(new Grid);

    std::unique_ptr<FormInterface> loaded(LoadObject<FormInterface>(SaveObject(&page)));

    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->GetRuntimeClass(), RUNTIME_CLASS(FormInterface));
    EXPECT_EQ(loaded->GetFormName(), "OrderPage");
    ASSERT_EQ(loaded->GetAspFiles().size(), 1u);
    EXPECT_NE(dynamic_cast<AspxFile*>(loaded->GetAspFiles()[0]), nullptr);
    EXPECT_EQ(loaded->GetAspFiles()[0]->GetFileKind(), 5);
    ASSERT_EQ(loaded->GetFieldReps().size(), 1u);
    Field* loadedPrice = loaded->GetFieldReps()[0]->GetField();
    ASSERT_NE(loadedPrice, nullptr);
    EXPECT_EQ(loadedPrice->GetFieldName(), "Price");
    Table* loadedTable = loadedPrice->GetTable();
    ASSERT_NE(loadedTable, nullptr);
    std::unique_ptr<Table> ownedTable(loadedTable);
    ASSERT_EQ(loaded->GetFieldVariableMaps().size(), 1u);
    EXPECT_EQ(loaded->GetFieldVariableMaps()[0]->field, loadedPrice);
    EXPECT_EQ(loaded->GetFieldVariableMaps()[0]->variable->GetFieldName(), "Price");
    ASSERT_EQ(loaded->GetPreLinkList().size(), 1u);
    EXPECT_EQ(loaded->GetPreLinkList()[0]->GetCaption(), "pre");
    ASSERT_EQ(loaded->GetPostLinkList().size(), 1u);
    EXPECT_EQ(loaded->GetPostLinkList()[0]->GetCaption(), "post");
    EXPECT_EQ(loaded->GetPreLinkColumnCount(), 1);
    EXPECT_EQ(loaded->GetPostLinkColumnCount(), 3);
    ASSERT_EQ(loaded->GetUniquenessProcedureTables().size(), 1u);
    EXPECT_EQ(loaded->GetUniquenessProcedureTables()[0]->GetTable(), loadedTable);
    EXPECT_NE(loaded->GetUniquenessProcedureTables()[0]->GetInvocation(), nullptr);
    ASSERT_EQ(loaded->GetRefFields().size(), 1u);
    EXPECT_EQ(loaded->GetRefFields()[0]->GetTable(), loadedTable);
    EXPECT_EQ(loaded->GetRefFields()[0]->GetField()->GetFieldName(), "Lookup");
    ASSERT_EQ(loaded->GetDerivedFields().size(), 1u);
    EXPECT_EQ(loaded->GetDerivedFields()[0]->GetTable(), loadedTable);
    ASSERT_EQ(loaded->GetProcedureTables().size(), 1u);
    EXPECT_EQ(loaded->GetProcedureTables()[0]->GetTable(), loadedTable);
    EXPECT_EQ(loaded->GetProcedureTables()[0]->GetKind(), 2);
    ASSERT_EQ(loaded->GetTableFlagsList().size(), 1u);
    EXPECT_EQ(loaded->GetTableFlagsList()[0].table, loadedTable);
    EXPECT_TRUE(loaded->GetTableFlagsList()[0].firstFlag);
    EXPECT_FALSE(loaded->GetTableFlagsList()[0].secondFlag);
    EXPECT_NE(loaded->GetProcedureCall(), nullptr);
    EXPECT_FALSE(loaded->IsCopy());
    EXPECT_EQ(loaded->GetColumnCount(), 1);
    EXPECT_EQ(loaded->GetGrid(), nullptr);
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

TEST_F(PageRecordTest, LoadedVariableIsNamedAfterItsFieldWithKindOne)
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

class PageRecordGateTest : public ::testing::TestWithParam<int>
{
};

TEST_P(PageRecordGateTest, OldLayoutReadsOnlyTheFieldsOfItsVersion)
{
    const int version = GetParam();
    ScopedArchiveVersion scoped(version);
    ArchiveBytes bytes;
    bytes.NewClass("FormInterface");
    AppendPageRecord(bytes, version, "Old");
    bytes.Int(recordSentinel);

    const LoadedRecord<FormInterface> record = LoadWithSentinel<FormInterface>(bytes.Get());
    std::unique_ptr<FormInterface> page(record.object);

    EXPECT_EQ(record.trailer, recordSentinel);
    EXPECT_EQ(page->GetFormName(), "Old");
    ExpectPageRecordRead(*page, version);
}

INSTANTIATE_TEST_SUITE_P(EveryGateBoundary, PageRecordGateTest,
                         ::testing::Values(18, 19, 25, 26, 27, 28, 37, 38, 44, 45, 51, 52, 61, 62,
                                           70, 71, 73, 74, 82, 83, 87));

TEST_F(PageRecordTest, StoredRecordIsTheCurrentLayout)
{
    FormInterface page;
    page.SetName("P");
    page.SetColumnCount(1);

    ArchiveBytes expected;
    expected.NewClass("FormInterface");
    expected.Str("P").Int(0).Int(0).Int(0);
    expected.Int(0).Int(0).Int(2).Int(2);
    expected.Int(0).Int(0).Int(0).Int(0).Int(0);
    expected.Null().Int(0).Int(1);

    EXPECT_EQ(SaveObject(&page), expected.Get());
}

TEST_F(PageRecordTest, CopyDuplicatesOwnedContentsAndTranslatesPageFields)
{
    FormInterface source;
    source.SetName("Source");
    source.SetPreLinkColumnCount(3);
    source.SetPostLinkColumnCount(4);
    source.SetColumnCount(1);
    source.AddRefField(new RefField(NewField("Lookup"), m_table.get()));
    auto* classicFile = new AspFile;
    classicFile->SetFileKind(3);
    source.AddAspFile(classicFile);
    auto* priceRep = new FieldRep(m_price);
    priceRep->AttachFieldRepData(new FieldRepData);
    auto* lookupRep = new FieldRep(source.GetRefFields()[0]->GetField());
    auto* events = new EventRecmpFields;
    events->SetEventKind(EventRecmpFields::OnBlur);
    events->AddClassRecompute(lookupRep);
    priceRep->GetFieldRepData()->AddEventRecmpFields(events);
    source.AddFieldRep(priceRep);
    source.AddFieldRep(lookupRep);
    source.AddPreLink(NewLink("pre"));
    source.AddPostLink(NewLink("post"));
    source.AddFieldVariableMap(
        new FieldVariableMap{source.GetRefFields()[0]->GetField(), NewVariable("Lookup", 1)});
    source.AddUniquenessProcedureTable(new UniquenessProcedureTable(m_table.get(), nullptr));
    source.AddProcedureTable(new ProcedureTable(m_table.get(), nullptr, 1));
    source.AddTableFlags(PageTableFlags{m_table.get(), true, true});
    source.SetProcedureCall(new ProcedureInvokation);
    source.SetGrid(new Grid);

    FormInterface copy;
    copy.CopyFrom(&source);

    EXPECT_EQ(copy.GetFormName(), "Source");
    EXPECT_TRUE(copy.IsCopy());
    EXPECT_EQ(copy.GetPreLinkColumnCount(), 3);
    EXPECT_EQ(copy.GetPostLinkColumnCount(), 4);
    EXPECT_EQ(copy.GetColumnCount(), 1);
    ASSERT_EQ(copy.GetRefFields().size(), 1u);
    Field* copiedLookup = copy.GetRefFields()[0]->GetField();
    EXPECT_NE(copiedLookup, source.GetRefFields()[0]->GetField());
    EXPECT_EQ(copiedLookup->GetFieldName(), "Lookup");
    ASSERT_EQ(copy.GetAspFiles().size(), 1u);
    EXPECT_NE(dynamic_cast<AspxFile*>(copy.GetAspFiles()[0]), nullptr);
    EXPECT_EQ(copy.GetAspFiles()[0]->GetOwnerPage(), &copy);
    EXPECT_EQ(copy.GetAspFiles()[0]->GetFileKind(), 3);
    ASSERT_EQ(copy.GetFieldReps().size(), 2u);
    EXPECT_EQ(copy.GetFieldReps()[0]->GetField(), m_price);
    EXPECT_EQ(copy.GetFieldReps()[1]->GetField(), copiedLookup);
    const auto& copiedEvents = copy.GetFieldReps()[0]->GetFieldRepData()->GetEventRecmpFieldsList();
    ASSERT_EQ(copiedEvents.size(), 1u);
    EXPECT_EQ(copiedEvents[0]->GetEventKind(), EventRecmpFields::OnBlur);
    ASSERT_EQ(copiedEvents[0]->GetClassRecomputes().size(), 1u);
    EXPECT_EQ(copiedEvents[0]->GetClassRecomputes()[0]->fieldRep, copy.GetFieldReps()[1]);
    ASSERT_EQ(copy.GetPreLinkList().size(), 1u);
    EXPECT_EQ(copy.GetPreLinkList()[0]->GetCaption(), "pre");
    ASSERT_EQ(copy.GetPostLinkList().size(), 1u);
    EXPECT_EQ(copy.GetPostLinkList()[0]->GetCaption(), "post");
    ASSERT_EQ(copy.GetFieldVariableMaps().size(), 1u);
    EXPECT_EQ(copy.GetFieldVariableMaps()[0]->field, copiedLookup);
    EXPECT_NE(copy.GetFieldVariableMaps()[0]->variable, source.GetFieldVariableMaps()[0]->variable);
    EXPECT_EQ(copy.GetFieldVariableMaps()[0]->variable->GetFieldName(), "Lookup");
    EXPECT_TRUE(copy.GetUniquenessProcedureTables().empty());
    EXPECT_TRUE(copy.GetProcedureTables().empty());
    EXPECT_TRUE(copy.GetTableFlagsList().empty());
    EXPECT_EQ(copy.GetProcedureCall(), nullptr);
    EXPECT_EQ(copy.GetGrid(), nullptr);
}

TEST_F(PageRecordTest, CopiedPageFieldWithoutCounterpartBecomesNull)
{
    FormInterface source;
    Field* orphan = NewField("Orphan");
    source.AddFieldRep(new FieldRep(orphan));

    FormInterface copy;
    copy.CopyFrom(&source);

    ASSERT_EQ(copy.GetFieldReps().size(), 1u);
    EXPECT_EQ(copy.GetFieldReps()[0]->GetField(), nullptr);
    delete orphan;
}

} // namespace
