#include "entities/ApplicationReport.h"
#include "entities/AspFile.h"
#include "entities/Form.h"
#include "entities/MapForm.h"
#include "entities/Procedure.h"
#include "entities/Variable.h"
#include "model/EntityUsageSet.h"
#include "model/EventRecmpFields.h"
#include "model/FieldRep.h"
#include "model/FieldRepData.h"
#include "model/ListAccess.h"
#include "model/RefField.h"
#include "tests/entities/PageOperationsSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{

// A control with data of the caption.
FieldRep* NewInput(Field* field, const char* caption = "")
{
    auto* rep = new FieldRep(field);
    rep->AttachFieldRepData(new FieldRepData);
    rep->GetFieldRepData()->SetCaption(caption);
    return rep;
}

// The map form "ProductMap" over the mapping table "Product Map" with the fields Product and
// Store.
class MapFormOperationsTest : public PageOperationsTest
{
protected:
    MapFormOperationsTest()
    {
        m_page.SetName("ProductMap");
        m_mapTable.SetTableName("Product Map");
        m_mapKey = NewField("ProductMap_id", &m_mapTable, true);
        m_product = NewField("Product", &m_mapTable);
        m_store = NewField("Store", &m_mapTable);
        m_page.SetMappingTable(&m_mapTable);
    }

    Table m_mapTable;
    Field* m_mapKey;
    Field* m_product;
    Field* m_store;
    MapForm m_page;
};

TEST_F(MapFormOperationsTest, FieldListAccessorsAndGuards)
{
    m_page.AddTopField(m_product);
    m_page.AddBottomField(m_store);

    EXPECT_EQ(m_product, m_page.GetTopFieldAt(0));
    EXPECT_EQ(nullptr, m_page.GetTopFieldAt(1));
    EXPECT_EQ(nullptr, m_page.GetBottomFieldAt(-1));
    EXPECT_EQ(nullptr, m_page.GetTopInputFieldRepAt(0));
    EXPECT_EQ(nullptr, m_page.GetBottomInputFieldRepAt(0));
    EXPECT_TRUE(m_page.HasTopField(m_product));
    EXPECT_FALSE(m_page.HasTopField(m_store));
    EXPECT_TRUE(m_page.HasField(m_store));
    EXPECT_FALSE(m_page.HasField(m_mapKey));

    m_page.RemoveBottomField(m_store);
    m_page.RemoveTopField(m_store);
    EXPECT_FALSE(m_page.HasField(m_store));
    EXPECT_TRUE(m_page.HasField(m_product));
}

TEST_F(MapFormOperationsTest, InputControlsGetVariablesNamedAfterTableAndField)
{
    FieldRep* quantity = NewInput(m_product, "Quantity");
    FieldRep* note = NewInput(nullptr, "Stock note");
    m_page.AddTopInputFieldRep(quantity);
    m_page.AddBottomInputFieldRep(note);
    m_page.AddTopInputFieldRep(nullptr);

    ASSERT_EQ(2u, m_page.GetFieldVariableMaps().size());
    const FieldVariableMap* first = m_page.GetFieldVariableMaps()[0];
    EXPECT_EQ(m_product, first->field);
    EXPECT_EQ("Product_Map_Product_Var", first->variable->GetFieldName());
    EXPECT_EQ(Variable::parameterKind, first->variable->GetKind());
    EXPECT_EQ("Product_Map_Stock_note_Var",
              m_page.GetFieldVariableMaps()[1]->variable->GetFieldName());
    EXPECT_EQ(quantity, m_page.GetTopInputFieldRepAt(0));
    EXPECT_EQ(note, m_page.GetBottomInputFieldRepAt(0));
    // Maps without field are matched against the top input controls only.
    EXPECT_EQ(nullptr, m_page.FindFieldRepForFieldVariableMap(m_page.GetFieldVariableMaps()[1]));
}

TEST_F(MapFormOperationsTest, RemovingInputControlsDropsTheirMapsAndFreesThem)
{
    FieldRep* quantity = NewInput(m_product, "Quantity");
    FieldRep* note = NewInput(nullptr, "Stock note");
    FieldRep* other = NewInput(m_store, "Other");
    m_page.AddTopInputFieldRep(quantity);
    m_page.AddTopInputFieldRep(note);
    m_page.AddBottomInputFieldRep(other);

    m_page.RemoveBottomInputFieldRep(quantity);
    EXPECT_EQ(3u, m_page.GetFieldVariableMaps().size());

    m_page.RemoveTopInputFieldRep(note);
    m_page.RemoveTopInputFieldRep(quantity);
    m_page.RemoveTopInputFieldRep(nullptr);

    EXPECT_TRUE(m_page.GetTopInputFieldReps().empty());
    ASSERT_EQ(1u, m_page.GetFieldVariableMaps().size());
    EXPECT_EQ(m_store, m_page.GetFieldVariableMaps()[0]->field);
    m_page.DeleteBottomInputFieldReps();
    EXPECT_TRUE(m_page.GetBottomInputFieldReps().empty());
}

TEST_F(MapFormOperationsTest, TopInputControlsMoveWithinTheList)
{
    FieldRep* first = NewInput(nullptr, "A");
    FieldRep* second = NewInput(nullptr, "B");
    m_page.AddTopInputFieldRep(first);
    m_page.AddTopInputFieldRep(second);

    m_page.MoveTopInputFieldRepUp(first);
    m_page.MoveTopInputFieldRepDown(second);
    m_page.MoveTopInputFieldRepDown(nullptr);
    EXPECT_EQ((std::vector<FieldRep*>{first, second}), m_page.GetTopInputFieldReps());

    m_page.MoveTopInputFieldRepDown(first);
    EXPECT_EQ((std::vector<FieldRep*>{second, first}), m_page.GetTopInputFieldReps());
    m_page.MoveTopInputFieldRepUp(first);
    EXPECT_EQ((std::vector<FieldRep*>{first, second}), m_page.GetTopInputFieldReps());
}

TEST_F(MapFormOperationsTest, InputControlsAreFoundByCaptionAndByTheirMaps)
{
    FieldRep* topNote = NewInput(nullptr, "Note");
    FieldRep* bottomNote = NewInput(nullptr, "Note");
    FieldRep* remark = NewInput(nullptr, "Remark");
    m_page.AddBottomInputFieldRep(bottomNote);
    m_page.AddTopInputFieldRep(topNote);
    m_page.AddBottomInputFieldRep(remark);
    FieldRep* product = AddControl(m_page, m_product);

    EXPECT_EQ(topNote, m_page.FindInputFieldRepByCaption("Note"));
    EXPECT_EQ(remark, m_page.FindInputFieldRepByCaption("Remark"));
    EXPECT_EQ(nullptr, m_page.FindInputFieldRepByCaption("note"));

    FieldVariableMap byField{m_product, nullptr};
    EXPECT_EQ(product, m_page.FindFieldRepForFieldVariableMap(&byField));
    Variable noteVariable;
    noteVariable.SetName("x_Note_Var");
    FieldVariableMap byName{m_store, &noteVariable};
    EXPECT_EQ(topNote, m_page.FindFieldRepForFieldVariableMap(&byName));
    noteVariable.SetName("x_Remark_Var");
    EXPECT_EQ(nullptr, m_page.FindFieldRepForFieldVariableMap(&byName));
    EXPECT_EQ(nullptr, m_page.FindFieldRepForFieldVariableMap(nullptr));
}

TEST_F(MapFormOperationsTest, InputControlsWithoutFieldGetPageFieldsOverTheMappingTable)
{
    FieldRep* note = NewInput(nullptr, "Stock note");
    FieldRep* quantity = NewInput(m_product, "Quantity");
    m_page.AddTopInputFieldRep(note);
    m_page.AddBottomInputFieldRep(quantity);

    m_page.CreateFieldsForInputControls();

    ASSERT_NE(nullptr, note->GetField());
    EXPECT_EQ("Stock note", note->GetField()->GetFieldName());
    EXPECT_EQ("Stock note", note->GetField()->GetDisplayName());
    ASSERT_EQ(1u, m_page.GetRefFields().size());
    EXPECT_EQ(note->GetField(), m_page.GetRefFields()[0]->GetField());
    EXPECT_EQ(&m_mapTable, m_page.GetRefFields()[0]->GetTable());
    EXPECT_EQ(note->GetField(), m_page.GetFieldVariableMaps()[0]->field);
    EXPECT_EQ(m_product, quantity->GetField());
    EXPECT_EQ(note, m_page.GetFieldRepForField(note->GetField()));
}

TEST_F(MapFormOperationsTest, PartsListInputControlsThenControlsOfTheirFieldsWithData)
{
    FieldRep* topInput = NewInput(nullptr, "Top");
    m_page.AddTopInputFieldRep(topInput);
    m_page.AddTopField(m_product);
    m_page.AddTopField(m_mapKey);
    m_page.AddBottomField(m_store);
    FieldRep* product = AddControl(m_page, m_product);
    m_page.AddFieldRep(new FieldRep(m_mapKey));
    FieldRep* store = AddControl(m_page, m_store);

    std::vector<FieldRep*> reps{store};
    m_page.GetTopFieldReps(reps);
    EXPECT_EQ((std::vector<FieldRep*>{topInput, product}), reps);
    m_page.GetBottomFieldReps(reps);
    EXPECT_EQ((std::vector<FieldRep*>{store}), reps);
}

TEST_F(MapFormOperationsTest, EventControlsIncludeTheLastTopFieldAndInputsWithRecomputes)
{
    FieldRep* product = AddControl(m_page, m_product);
    EXPECT_FALSE(m_page.IsEventFieldRep(product));
    EXPECT_FALSE(m_page.IsEventFieldRep(nullptr));
    m_page.AddTopField(m_store);
    m_page.AddTopField(m_product);
    FieldRep* input = NewInput(nullptr, "Input");
    auto* recomputes = new EventRecmpFields;
    recomputes->AddProcedureRecompute(product, nullptr);
    input->GetFieldRepData()->AddEventRecmpFields(recomputes);
    m_page.AddBottomInputFieldRep(input);
    m_page.AddTopInputFieldRep(NewInput(nullptr, "Quiet"));

    std::vector<FieldRep*> reps{input};
    m_page.GetEventFieldReps(reps);

    EXPECT_TRUE(m_page.IsEventFieldRep(product));
    EXPECT_EQ((std::vector<FieldRep*>{product, input}), reps);
}

TEST_F(MapFormOperationsTest, ControlsOfFieldsAreFoundOnThePageBeforeTheInputs)
{
    FieldRep* topInput = NewInput(m_store, "Top");
    FieldRep* bottomInput = NewInput(m_mapKey, "Bottom");
    m_page.AddTopInputFieldRep(topInput);
    m_page.AddBottomInputFieldRep(bottomInput);

    EXPECT_EQ(topInput, m_page.GetFieldRepForField(m_store));
    EXPECT_EQ(bottomInput, m_page.GetFieldRepForField(m_mapKey));
    FieldRep* pageControl = AddControl(m_page, m_store);
    EXPECT_EQ(pageControl, m_page.GetFieldRepForField(m_store));
    EXPECT_EQ(nullptr, m_page.GetFieldRepForField(m_product));
    EXPECT_EQ(nullptr, m_page.GetFieldRepForField(nullptr));
}

TEST_F(MapFormOperationsTest, DeletingAnInputControlFreesItAndItsRecomputesElsewhere)
{
    FieldRep* quantity = NewInput(nullptr, "Quantity");
    FieldRep* total = NewInput(nullptr, "Total");
    m_page.AddTopInputFieldRep(quantity);
    m_page.AddBottomInputFieldRep(total);
    auto* list = new EventRecmpFields;
    list->AddClassRecompute(quantity);
    total->GetFieldRepData()->AddEventRecmpFields(list);
    EXPECT_TRUE(m_page.IsFieldRepUsedElsewhere(quantity));
    EXPECT_FALSE(m_page.IsFieldRepUsedElsewhere(total));
    EXPECT_FALSE(m_page.IsFieldRepUsedElsewhere(nullptr));

    m_page.DeleteFieldRep(quantity);

    EXPECT_TRUE(m_page.GetTopInputFieldReps().empty());
    EXPECT_FALSE(total->GetFieldRepData()->HasClassRecomputeFor(quantity));
    FieldRep* pageControl = AddControl(m_page, m_product);
    m_page.DeleteFieldRep(pageControl);
    m_page.DeleteFieldRep(nullptr);
    EXPECT_TRUE(m_page.GetFieldReps().empty());
    EXPECT_EQ((std::vector<FieldRep*>{total}), m_page.GetBottomInputFieldReps());
}

TEST_F(MapFormOperationsTest, ClearingAFrontOrBackFieldReachesTheInputControls)
{
    FieldRep* input = NewInput(nullptr, "Input");
    input->GetFieldRepData()->SetBackField(m_product);
    m_page.AddBottomInputFieldRep(input);
    EXPECT_EQ(input->GetFieldRepData(), m_page.FindExtraFieldRepDataUsingField(m_product));
    EXPECT_EQ(nullptr, m_page.FindExtraFieldRepDataUsingField(nullptr));

    m_page.ClearFrontBackField(m_product);

    EXPECT_EQ(nullptr, input->GetFieldRepData()->GetBackField());
}

TEST_F(MapFormOperationsTest, ProcedureCallsOfBothPartsAreListedAndRemoved)
{
    Procedure procedure;
    for (const char* caption : {"Top", "Bottom"})
    {
        FieldRep* input = NewInput(nullptr, caption);
        input->GetFieldRepData()->SetDataProcedure(CallOfProcedure(&procedure));
        if (CString(caption) == "Top")
            m_page.AddTopInputFieldRep(input);
        else
            m_page.AddBottomInputFieldRep(input);
    }
    CString list;
    EXPECT_FALSE(m_page.CollectExtraProcedureUsage(nullptr, list));

    EXPECT_TRUE(m_page.CollectExtraProcedureUsage(&procedure, list));
    EXPECT_EQ("ProductMap\nProductMap\n", list);

    m_page.RemoveProcedureReferences(&procedure);
    list.Empty();
    EXPECT_FALSE(m_page.CollectExtraProcedureUsage(&procedure, list));
    EXPECT_TRUE(list.IsEmpty());
}

class MapFormReportTest : public MapFormOperationsTest
{
protected:
    MapFormReportTest()
    {
        m_page.SetReport(&m_report);
        m_pageVariable.SetName("Product_Map_Product_Var");
        m_page.AddReportVariableMap(new ReportVariableMap{&m_reportVariable, &m_pageVariable});
        m_page.AddReportVariableMap(nullptr);
    }

    ApplicationReport m_report;
    Variable m_reportVariable;
    Variable m_pageVariable;
};

TEST_F(MapFormReportTest, ReportLinkGivesFilesFlagsUsagesAndMappedControls)
{
    ASSERT_EQ(2u, m_page.GetAspFiles().size());
    EXPECT_EQ(3, m_page.GetAspFiles()[0]->GetOwnerKind());
    m_page.SyncTableFlags();
    m_page.SyncTableFlags();
    ASSERT_EQ(1u, m_page.GetTableFlagsList().size());
    EXPECT_EQ(&m_mapTable, m_page.GetTableFlagsList()[0].table);

    EXPECT_TRUE(m_page.IsFieldRepMappedToReportVariable(AddControl(m_page, m_product)));
    EXPECT_FALSE(m_page.IsFieldRepMappedToReportVariable(AddControl(m_page, m_store)));

    CString list;
    m_page.CollectReportUsage(nullptr, list);
    m_page.CollectReportUsage(&m_report, list);
    m_page.CollectReportVariableUsage(&m_reportVariable, list);
    m_page.CollectTableUsage(&m_mapTable, list);
    m_page.CollectTableUsage(nullptr, list);
    EXPECT_EQ("ProductMap\nProductMap_Report variable Mapped with variableProductMap\n", list);
    EXPECT_TRUE(Contains(UsageSet().GetMapForms(), &m_page));

    m_page.RemoveReport();
    EXPECT_EQ(nullptr, m_page.GetReport());
    EXPECT_TRUE(m_page.GetReportVariableMaps().empty());
    EXPECT_TRUE(m_page.GetTableFlagsList().empty());
}

TEST_F(MapFormReportTest, ClassNameKeyMapAndDetachedControls)
{
    FormInterface& base = m_page;
    EXPECT_EQ("MapForm", base.GetClassName());
    EXPECT_EQ(nullptr, m_page.GetKeyFieldVariableMap());
    m_page.AddVariableForField(m_mapKey);
    ASSERT_NE(nullptr, m_page.GetKeyFieldVariableMap());
    EXPECT_EQ(m_mapKey, m_page.GetKeyFieldVariableMap()->field);

    auto control = std::make_unique<FieldRep>(m_product);
    m_page.AddFieldRep(control.get());
    m_page.AddFieldRep(control.get());
    m_page.DetachFieldRep(control.get());
    EXPECT_TRUE(m_page.GetFieldReps().empty());
}

// A master form over Products shares its maps and controls with the bottom part of a map form;
// both are freed by the form alone.
class MapFormMasterFormTest : public MapFormOperationsTest
{
protected:
    MapFormMasterFormTest()
    {
        m_products.SetTableName("Products");
        m_productsKey = NewField("Products_id", &m_products, true);
        m_name = NewField("Name", &m_products);
        // Flagged as key so that only its name keeps its map from being taken over.
        m_deleted = NewField("Is_Deleted", &m_products, true);
        m_form->SetTable(&m_products);
        m_form->AddFieldVariableMap(
            new FieldVariableMap{m_productsKey, NewVariable("Products_id")});
        m_form->AddFieldVariableMap(new FieldVariableMap{m_deleted, NewVariable("Is_Deleted")});
        m_form->AddFieldVariableMap(new FieldVariableMap{m_name, NewVariable("Name")});
        m_nameControl = NewInput(m_name, "Name");
        m_form->AddFieldRep(m_nameControl);
        m_deletedControl = NewInput(m_deleted, "Deleted");
        m_form->AddFieldRep(m_deletedControl);
    }

    Table m_products;
    Field* m_productsKey;
    Field* m_name;
    Field* m_deleted;
    std::unique_ptr<Form> m_form = std::make_unique<Form>();
    FieldRep* m_nameControl;
    FieldRep* m_deletedControl;
};

TEST_F(MapFormMasterFormTest, SharedObjectsSurviveTheMapFormAndNeverIncludeIsDeleted)
{
    {
        MapForm page;
        page.SetMappingTable(&m_mapTable);
        page.SetBottomMasterForm(m_form.get());

        // The name's map is not taken: the page had no control of the name yet.
        EXPECT_EQ((std::vector<FieldVariableMap*>{m_form->GetFieldVariableMaps()[0]}),
                  page.GetFieldVariableMaps());
        EXPECT_EQ(m_form->GetFieldReps(), page.GetFieldReps());
        std::vector<FieldRep*> bottom{m_nameControl};
        page.GetBottomFieldReps(bottom);
        EXPECT_EQ(m_form->GetFieldReps(), bottom);
    }

    ASSERT_EQ(3u, m_form->GetFieldVariableMaps().size());
    EXPECT_EQ("Name", m_form->GetFieldVariableMaps()[2]->variable->GetFieldName());
    EXPECT_EQ(m_name, m_form->GetFieldRepForField(m_name)->GetField());
}

TEST_F(MapFormMasterFormTest, ClearingTheMasterFormKeepsThePagesOwnEntries)
{
    FieldRep* own = AddControl(m_page, m_product);
    m_page.AddVariableForField(m_product);
    m_page.SetBottomMasterForm(m_form.get());
    EXPECT_EQ(m_form.get(), m_page.GetBottomMasterForm());

    m_page.SetBottomMasterForm(nullptr);

    EXPECT_EQ((std::vector<FieldRep*>{own}), m_page.GetFieldReps());
    ASSERT_EQ(1u, m_page.GetFieldVariableMaps().size());
    EXPECT_EQ(m_product, m_page.GetFieldVariableMaps()[0]->field);
    EXPECT_EQ(2u, m_form->GetFieldReps().size());
}

} // namespace
