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

FieldRep* NewSyncControl(Field* field, bool addedBySync = false)
{
    auto* control = new FieldRep(field);
    auto* data = new FieldRepData;
    data->SetAddedBySync(addedBySync);
    control->AttachFieldRepData(data);
    return control;
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
    }

    ScopedArchiveVersion m_version{CurrentVersion()};
    std::unique_ptr<Table> m_mapTable = std::make_unique<Table>();
    std::unique_ptr<Table> m_productTable = std::make_unique<Table>();
    Field* m_mapKey;
    Field* m_mapProduct;
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
    page.AddFieldRep(NewSyncControl(m_mapProduct));
    page.AddFieldVariableMap(new FieldVariableMap{m_mapProduct, NewVariable("Product")});
    page.SetHeader("Map products");
    page.SetReport(report.get());
    page.AddReportVariableMap(new ReportVariableMap{reportVariable.get(), nullptr});
    page.AddReportVariableMap(nullptr);

    // The tables outlive the page, as in a module.
    std::unique_ptr<Table> table;
    std::unique_ptr<MapForm> loaded(LoadObject<MapForm>(SaveObject(&page)));

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
    const ArchiveBytes controls =
        ArchiveBytes().Int(1).NewClass("FieldRep").Null().Null().Null().Null().Int(1);
    const std::vector<RecordPart> parts = PartsOf(
        PageParts("M"),
        {Always(ArchiveBytes().Null().Null().Int(0).Int(0)), Always(controls),
         Always(ArchiveBytes().Int(2).ClassRef(3).Null().Null().Null().Null().Int(0).Null()),
         Always(ArchiveBytes().Str("Head").Null().Int(2).Null().Null().Null().Null())});
    const std::unique_ptr<MapForm> loaded = ReadRecordAndSentinel<MapForm>(
        ArchiveBytes(RecordAt("MapForm", parts, CurrentVersion(), false)), CurrentVersion());

    ASSERT_EQ(loaded->GetTopInputFieldReps().size(), 1u);
    EXPECT_TRUE(loaded->GetTopInputFieldReps()[0]->IsMandatory());
    // The null entry is dropped.
    ASSERT_EQ(loaded->GetBottomInputFieldReps().size(), 1u);
    EXPECT_FALSE(loaded->GetBottomInputFieldReps()[0]->IsMandatory());
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

TEST_F(MapFormRecordTest, LoadedPageSharesItsMasterFormsObjectsAndFreesEachOnce)
{
    // The master form's key map and its own control of the name are shared; a control added
    // by a sync is not.
    Field* name = NewField("Name", m_productTable.get());
    auto form = std::make_unique<Form>();
    form->SetTable(m_productTable.get());
    form->AddFieldVariableMap(new FieldVariableMap{
        NewField("Products_id", m_productTable.get(), true), NewVariable("Products_id")});
    form->AddFieldVariableMap(new FieldVariableMap{name, NewVariable("Name")});
    form->AddFieldRep(NewSyncControl(name));
    form->AddFieldRep(NewSyncControl(NewField("Note", m_productTable.get()), true));
    MapForm page;
    page.SetMappingTable(m_mapTable.get());
    page.AddFieldRep(NewSyncControl(m_mapProduct));
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
