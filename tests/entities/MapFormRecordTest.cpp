#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Form.h"
#include "entities/MapForm.h"
#include "entities/Variable.h"
#include "model/Field.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/Table.h"
#include "tests/entities/PageTestSupport.h"
#include "tests/support/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

FieldRep* NewControl(Field* field, bool addedBySync = false)
{
    auto* control = new FieldRep(field);
    auto* data = new FieldRepData;
    data->SetAddedBySync(addedBySync);
    control->AttachFieldRepData(data);
    return control;
}

template <class T> bool Contains(const std::vector<T*>& list, const T* item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

class MapFormRecordTest : public ::testing::Test
{
protected:
    MapFormRecordTest()
    {
        m_mapTable->SetTableName("ProductMap");
        m_mapKey = NewField("ProductMap_id", m_mapTable.get(), true);
        m_mapProduct = NewField("Product", m_mapTable.get());
        m_productTable->SetTableName("Products");
        m_productKey = NewField("Products_id", m_productTable.get(), true);
        m_productName = NewField("Name", m_productTable.get());
        m_productDeleted = NewField("Is_Deleted", m_productTable.get());
    }

    // A master form over the products with maps of its key, name and soft-delete column and
    // of a shared variable, and controls of the name and of a column added by a sync.
    Form* NewMasterForm()
    {
        auto* form = new Form;
        form->SetTable(m_productTable.get());
        form->AddFieldVariableMap(new FieldVariableMap{m_productKey, NewVariable("Products_id")});
        form->AddFieldVariableMap(new FieldVariableMap{m_productName, NewVariable("Name")});
        form->AddFieldVariableMap(
            new FieldVariableMap{m_productDeleted, NewVariable("Is_Deleted")});
        form->AddFieldRep(NewControl(m_productName));
        form->AddFieldRep(NewControl(m_productDeleted, true));
        return form;
    }

    ScopedArchiveVersion m_version{TheVersionHistory().GetCurrentVersion()};
    std::unique_ptr<Table> m_mapTable = std::make_unique<Table>();
    std::unique_ptr<Table> m_productTable = std::make_unique<Table>();
    Field* m_mapKey;
    Field* m_mapProduct;
    Field* m_productKey;
    Field* m_productName;
    Field* m_productDeleted;
};

TEST_F(MapFormRecordTest, RoundTripKeepsPartsAndSharesMappingTableFields)
{
    auto report = std::make_unique<ApplicationReport>();
    auto reportVariable = std::make_unique<Variable>();
    MapForm page;
    page.SetName("ProductMapPage");
    page.SetMappingTable(m_mapTable.get());
    page.AddTopField(m_mapProduct);
    page.AddBottomField(m_mapKey);
    page.AddFieldRep(NewControl(m_mapProduct));
    page.AddFieldVariableMap(new FieldVariableMap{m_mapProduct, NewVariable("Product")});
    page.SetHeader("Map products");
    page.SetReport(report.get());
    page.AddReportVariableMap(new ReportVariableMap{reportVariable.get(), nullptr});
    page.AddReportVariableMap(nullptr);

    // The tables outlive the page, as in a module.
    std::unique_ptr<Table> table;
    std::unique_ptr<MapForm> loaded(LoadObject<MapForm>(SaveObject(&page)));

    ASSERT_NE(loaded, nullptr);
    EXPECT_GT(loaded->GetId(), page.GetId());
    table.reset(loaded->GetMappingTable());
    std::unique_ptr<ApplicationReport> loadedReport(loaded->GetReport());
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->GetTableName(), "ProductMap");
    EXPECT_EQ(loaded->GetFormName(), "ProductMapPage");
    EXPECT_EQ(loaded->GetBottomMasterForm(), nullptr);
    ASSERT_EQ(loaded->GetTopFields().size(), 1u);
    EXPECT_EQ(loaded->GetTopFields()[0]->GetTable(), table.get());
    EXPECT_EQ(loaded->GetTopFields()[0], loaded->GetFieldReps().at(0)->GetField());
    ASSERT_EQ(loaded->GetBottomFields().size(), 1u);
    EXPECT_EQ(loaded->GetBottomFields()[0]->GetFieldName(), "ProductMap_id");
    EXPECT_EQ(loaded->GetHeader(), "Map products");
    EXPECT_NE(loadedReport, nullptr);
    ASSERT_EQ(loaded->GetReportVariableMaps().size(), 1u);
    delete loaded->GetReportVariableMaps()[0]->reportVariable;
    EXPECT_EQ(loaded->GetReportVariableMaps()[0]->pageVariable, nullptr);
    EXPECT_EQ(loaded->GetAspFiles().size(), 2u);
}

// The record after the page part, without version gates: mapping table, master form, top and
// bottom fields, top and bottom input controls, header, report, report-variable maps.
TEST_F(MapFormRecordTest, RecordReadsInputControlsAndDropsNullReportPairs)
{
    ArchiveBytes bytes;
    bytes.NewClass("MapForm");
    AppendPageRecord(bytes, TheVersionHistory().GetCurrentVersion(), "M");
    bytes.Null().Null().Int(0).Int(0);
    bytes.Int(1).NewClass("FieldRep").Null().Null().Null().Null().Int(1);
    bytes.Int(2).ClassRef(5).Null().Null().Null().Null().Int(0).Null();
    bytes.Str("Head").Null().Int(2).Null().Null().Null().Null();
    bytes.Int(recordSentinel);

    const LoadedRecord<MapForm> record = LoadWithSentinel<MapForm>(bytes.Get());
    std::unique_ptr<MapForm> loaded(record.object);

    EXPECT_EQ(record.trailer, recordSentinel);
    ASSERT_EQ(loaded->GetTopInputFieldReps().size(), 1u);
    EXPECT_TRUE(loaded->GetTopInputFieldReps()[0]->IsMandatory());
    ASSERT_EQ(loaded->GetBottomInputFieldReps().size(), 2u);
    EXPECT_FALSE(loaded->GetBottomInputFieldReps()[0]->IsMandatory());
    EXPECT_EQ(loaded->GetBottomInputFieldReps()[1], nullptr);
    EXPECT_EQ(loaded->GetHeader(), "Head");
    EXPECT_TRUE(loaded->GetReportVariableMaps().empty());
}

TEST_F(MapFormRecordTest, PageWithoutReportHasReportFilesAfterLoading)
{
    MapForm page;
    ASSERT_TRUE(page.GetAspFiles().empty());

    std::unique_ptr<MapForm> loaded(LoadObject<MapForm>(SaveObject(&page)));

    ASSERT_EQ(loaded->GetAspFiles().size(), 2u);
    EXPECT_EQ(loaded->GetAspFiles()[0]->GetFileKind(), 5);
    EXPECT_EQ(loaded->GetAspFiles()[1]->GetFileKind(), 6);
    EXPECT_EQ(loaded->GetAspFiles()[0]->GetOwnerKind(), 3);
    EXPECT_EQ(loaded->GetAspFiles()[0]->GetOwnerPage(), loaded.get());
}

TEST_F(MapFormRecordTest, MasterFormSharesKeyMapAndOwnControlsOnly)
{
    auto shared = std::make_unique<Variable>();
    shared->SetKind(Variable::sharedKind);
    auto sharedMap =
        std::make_unique<FieldVariableMap>(FieldVariableMap{m_productName, shared.get()});
    std::unique_ptr<Form> form(NewMasterForm());
    form->AddFieldVariableMap(sharedMap.get());
    {
        MapForm page;
        page.SetMappingTable(m_mapTable.get());
        page.AddFieldRep(NewControl(m_mapProduct));

        page.SetBottomMasterForm(form.get());

        EXPECT_EQ(page.GetBottomMasterForm(), form.get());
        ASSERT_EQ(page.GetFieldVariableMaps().size(), 1u);
        EXPECT_EQ(page.GetFieldVariableMaps()[0], form->GetFieldVariableMaps()[0]);
        ASSERT_EQ(page.GetFieldReps().size(), 2u);
        EXPECT_EQ(page.GetFieldReps()[1], form->GetFieldReps()[0]);
    }
    // The page is gone; the form still owns intact maps and controls.
    EXPECT_EQ(form->GetFieldVariableMaps()[0]->variable->GetFieldName(), "Products_id");
    EXPECT_EQ(form->GetFieldReps()[0]->GetField(), m_productName);
}

TEST_F(MapFormRecordTest, ClearingTheMasterFormDropsSharedEntriesWithoutDeletingThem)
{
    std::unique_ptr<Form> form(NewMasterForm());
    MapForm page;
    page.SetMappingTable(m_mapTable.get());
    page.AddFieldRep(NewControl(m_mapProduct));
    page.AddFieldVariableMap(new FieldVariableMap{m_mapProduct, NewVariable("Product")});
    page.SetBottomMasterForm(form.get());

    page.SetBottomMasterForm(nullptr);

    EXPECT_EQ(page.GetBottomMasterForm(), nullptr);
    ASSERT_EQ(page.GetFieldReps().size(), 1u);
    EXPECT_EQ(page.GetFieldReps()[0]->GetField(), m_mapProduct);
    ASSERT_EQ(page.GetFieldVariableMaps().size(), 1u);
    EXPECT_EQ(page.GetFieldVariableMaps()[0]->field, m_mapProduct);
    EXPECT_TRUE(Contains(form->GetFieldReps(), form->GetFieldReps()[0]));
    EXPECT_EQ(form->GetFieldVariableMaps()[0]->variable->GetFieldName(), "Products_id");
}

TEST_F(MapFormRecordTest, LoadedPageSharesItsMasterFormsObjectsAndFreesEachOnce)
{
    std::unique_ptr<Form> form(NewMasterForm());
    MapForm page;
    page.SetMappingTable(m_mapTable.get());
    page.AddFieldRep(NewControl(m_mapProduct));
    page.SetBottomMasterForm(form.get());

    std::unique_ptr<Table> productTable;
    std::unique_ptr<Table> mapTable;
    std::unique_ptr<Form> ownedForm;
    std::unique_ptr<MapForm> loaded(LoadObject<MapForm>(SaveObject(&page)));

    Form* loadedForm = loaded->GetBottomMasterForm();
    ASSERT_NE(loadedForm, nullptr);
    productTable.reset(loadedForm->GetTable());
    mapTable.reset(loaded->GetMappingTable());
    ownedForm.reset(loadedForm);
    ASSERT_EQ(loaded->GetFieldReps().size(), 2u);
    EXPECT_EQ(loaded->GetFieldReps()[1], loadedForm->GetFieldReps().at(0));
    ASSERT_EQ(loaded->GetFieldVariableMaps().size(), 1u);
    EXPECT_EQ(loaded->GetFieldVariableMaps()[0], loadedForm->GetFieldVariableMaps().at(0));
    loaded.reset();
    EXPECT_EQ(ownedForm->GetFieldReps()[0]->GetField()->GetFieldName(), "Name");
}

} // namespace
