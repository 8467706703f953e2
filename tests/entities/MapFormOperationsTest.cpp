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
#include "model/ReferenceList.h"
#include "tests/entities/PageOperationsSupport.h"
#include "tests/support/ListedRelease.h"
#include "tests/support/PageReferences.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{

using Reps = std::vector<FieldRep*>;

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

TEST_F(MapFormOperationsTest, FieldsOfBothPartsAndControlsOfFieldsOnThePageBeforeTheInputs)
{
    m_page.AddTopField(m_product);
    m_page.AddBottomField(m_store);
    EXPECT_FALSE(m_page.HasTopField(m_store));
    EXPECT_TRUE(m_page.HasField(m_store));
    m_page.RemoveTopField(m_store);
    m_page.RemoveBottomField(m_store);
    EXPECT_FALSE(m_page.HasField(m_store));

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

TEST_F(MapFormOperationsTest, ItsListLetsGoOfAFieldInEitherPartAndOfItsInputControls)
{
    m_page.AddTopField(m_product);
    m_page.AddBottomField(m_store);
    m_page.AddBottomField(m_product);
    m_page.AddTopInputFieldRep(NewInput(m_product, "Product"));
    FieldRep* storeInput = NewInput(m_store, "Store");
    m_page.AddBottomInputFieldRep(storeInput);
    ReferenceList list;
    m_page.ListReferences(list);

    // The top and bottom field, the input control and its variable's map, which loses the field.
    EXPECT_EQ(4, list.Release({m_product}));
    EXPECT_EQ(nullptr, m_page.FindFieldVariableMapByField(m_product));
    EXPECT_EQ(2u, m_page.GetFieldVariableMaps().size());

    EXPECT_TRUE(m_page.GetTopFields().empty());
    EXPECT_EQ(std::vector<Field*>{m_store}, m_page.GetBottomFields());
    EXPECT_TRUE(m_page.GetTopInputFieldReps().empty());
    EXPECT_EQ(Reps{storeInput}, m_page.GetBottomInputFieldReps());
    EXPECT_EQ(&m_mapTable, m_page.GetMappingTable());
}

TEST_F(MapFormOperationsTest, InputControlsGetVariablesNamedAsTheLoadNamesThemAndLoseThemOnRemoval)
{
    FieldRep* quantity = NewInput(m_product, "Quantity");
    FieldRep* note = NewInput(nullptr, "Stock note");
    FieldRep* other = NewInput(m_store, "Other");
    m_page.AddTopInputFieldRep(quantity);
    m_page.AddTopInputFieldRep(note);
    m_page.AddTopInputFieldRep(nullptr);
    m_page.AddBottomInputFieldRep(other);

    ASSERT_EQ(3u, m_page.GetFieldVariableMaps().size());
    const FieldVariableMap* first = m_page.GetFieldVariableMaps()[0];
    EXPECT_EQ(m_product, first->field);
    EXPECT_EQ(m_product->GetFieldName(), first->variable->GetFieldName());
    EXPECT_EQ(Variable::pageKind, first->variable->GetKind());
    EXPECT_EQ(nullptr, m_page.GetFieldVariableMaps()[1]->field);
    EXPECT_EQ("Product_Map_Stock_note_Var",
              m_page.GetFieldVariableMaps()[1]->variable->GetFieldName());
    EXPECT_EQ(other, m_page.GetBottomInputFieldRepAt(0));

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

TEST_F(MapFormOperationsTest, InputControlsAreFoundByCaptionAndByTheirMaps)
{
    FieldRep* topNote = NewInput(nullptr, "Note");
    FieldRep* remark = NewInput(nullptr, "Remark");
    m_page.AddBottomInputFieldRep(NewInput(nullptr, "Note"));
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
    // Maps without field are matched against the top input controls only.
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
    // Named after the new field, as the next load would name it.
    EXPECT_EQ("Stock note", m_page.GetFieldVariableMaps()[0]->variable->GetFieldName());
    EXPECT_EQ(m_product, quantity->GetField());
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

    Reps reps{store};
    m_page.GetTopFieldReps(reps);
    EXPECT_EQ((Reps{topInput, product}), reps);
    m_page.GetBottomFieldReps(reps);
    EXPECT_EQ((Reps{store}), reps);
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

    Reps reps{input};
    m_page.GetEventFieldReps(reps);

    EXPECT_TRUE(m_page.IsEventFieldRep(product));
    EXPECT_EQ((Reps{product, input}), reps);
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

    m_page.DeleteFieldRep(quantity);

    EXPECT_TRUE(m_page.GetTopInputFieldReps().empty());
    EXPECT_FALSE(total->GetFieldRepData()->HasClassRecomputeFor(quantity));
    m_page.DeleteFieldRep(AddControl(m_page, m_product));
    m_page.DeleteFieldRep(nullptr);
    EXPECT_TRUE(m_page.GetFieldReps().empty());
    EXPECT_EQ((Reps{total}), m_page.GetBottomInputFieldReps());

    auto control = std::make_unique<FieldRep>(m_product);
    m_page.AddFieldRep(control.get());
    m_page.AddFieldRep(control.get());
    m_page.DetachFieldRep(control.get());
    EXPECT_TRUE(m_page.GetFieldReps().empty());
}

TEST_F(MapFormOperationsTest, FieldAndProcedureReferencesReachTheInputControls)
{
    Procedure procedure;
    FieldRep* top = NewInput(nullptr, "Top");
    top->GetFieldRepData()->SetBackField(m_product);
    m_page.AddTopInputFieldRep(top);
    m_page.AddBottomInputFieldRep(NewInput(nullptr, "Bottom"));
    EXPECT_EQ(top->GetFieldRepData(), m_page.FindExtraFieldRepDataUsingField(m_product));
    EXPECT_EQ(nullptr, m_page.FindExtraFieldRepDataUsingField(nullptr));
    ReleaseListed(m_page, {m_product});
    EXPECT_EQ(nullptr, top->GetFieldRepData()->GetBackField());

    for (FieldRep* input : {top, m_page.GetBottomInputFieldRepAt(0)})
        input->GetFieldRepData()->SetDataProcedure(CallOfProcedure(&procedure));
    EXPECT_EQ(PageUsersOf(m_page, {&procedure}), std::vector<CString>{"ProductMap"});
    ReleaseListed(m_page, {&procedure});
    EXPECT_TRUE(PageUsersOf(m_page, {&procedure}).empty());
    EXPECT_EQ(nullptr, top->GetFieldRepData()->GetDataProcedure());
}

TEST_F(MapFormOperationsTest, ReportLinkGivesFilesFlagsUsagesAndMappedControls)
{
    ApplicationReport report;
    Variable reportVariable;
    Variable pageVariable;
    m_page.SetReport(&report);
    pageVariable.SetName("Product_Map_Product_Var");
    m_page.AddReportVariableMap(new ReportVariableMap{&reportVariable, &pageVariable});
    m_page.AddReportVariableMap(nullptr);

    ASSERT_EQ(2u, m_page.GetAspFiles().size());
    EXPECT_EQ(3, m_page.GetAspFiles()[0]->GetOwnerKind());
    m_page.SyncTableFlags();
    m_page.SyncTableFlags();
    ASSERT_EQ(1u, m_page.GetTableFlagsList().size());
    EXPECT_EQ(&m_mapTable, m_page.GetTableFlagsList()[0].table);

    EXPECT_TRUE(m_page.IsFieldRepMappedToReportVariable(AddControl(m_page, m_product)));
    EXPECT_FALSE(m_page.IsFieldRepMappedToReportVariable(AddControl(m_page, m_store)));

    CString list;
    m_page.CollectReportVariableUsage(&reportVariable, list);
    EXPECT_EQ("ProductMap_Report variable Mapped with variable", list);
    EXPECT_TRUE(ReferenceList::Reaches(m_page, {&report}));
    EXPECT_TRUE(Contains(UsageSet().GetMapForms(), &m_page));
    ReferenceList listed;
    m_page.ListReferences(listed);
    EXPECT_TRUE(listed.Refers({&m_mapTable}));

    m_page.RemoveReport();
    EXPECT_EQ(nullptr, m_page.GetReport());
    EXPECT_TRUE(m_page.GetReportVariableMaps().empty());
    EXPECT_TRUE(m_page.GetTableFlagsList().empty());

    FormInterface& base = m_page;
    EXPECT_EQ("MapForm", base.GetClassName());
    m_page.AddVariableForField(m_mapKey);
    ASSERT_NE(nullptr, m_page.GetKeyFieldVariableMap());
    EXPECT_EQ(m_mapKey, m_page.GetKeyFieldVariableMap()->field);
}

// The map form takes over only the key map of a master form, and never its Is_Deleted map,
// even when that field is flagged as key; the form alone frees what is shared, also a control
// the page deletes.
TEST_F(MapFormOperationsTest, MasterFormSharesNeitherIsDeletedNorMapsOfFieldsWithoutControl)
{
    Table products;
    products.SetTableName("Products");
    Field* key = NewField("Products_id", &products, true);
    Field* name = NewField("Name", &products);
    Field* deleted = NewField("Is_Deleted", &products, true);
    Form form;
    form.SetTable(&products);
    form.AddFieldVariableMap(new FieldVariableMap{key, NewVariable("Products_id")});
    form.AddFieldVariableMap(new FieldVariableMap{deleted, NewVariable("Is_Deleted")});
    form.AddFieldVariableMap(new FieldVariableMap{name, NewVariable("Name")});
    form.AddFieldRep(NewInput(name, "Name"));
    form.AddFieldRep(NewInput(deleted, "Deleted"));
    {
        MapForm page;
        page.SetMappingTable(&m_mapTable);
        page.SetBottomMasterForm(&form);

        EXPECT_EQ((std::vector<FieldVariableMap*>{form.GetFieldVariableMaps()[0]}),
                  page.GetFieldVariableMaps());
        EXPECT_EQ(form.GetFieldReps(), page.GetFieldReps());
        Reps bottom{form.GetFieldReps()[0]};
        page.GetBottomFieldReps(bottom);
        EXPECT_EQ(form.GetFieldReps(), bottom);
        page.DeleteFieldRep(form.GetFieldReps()[1]);
        EXPECT_EQ(Reps{form.GetFieldReps()[0]}, page.GetFieldReps());
    }
    ASSERT_EQ(2u, form.GetFieldReps().size());
    EXPECT_EQ("Deleted", form.GetFieldReps()[1]->GetFieldRepData()->GetCaption());
    ASSERT_EQ(3u, form.GetFieldVariableMaps().size());
    EXPECT_EQ("Name", form.GetFieldVariableMaps()[2]->variable->GetFieldName());
    EXPECT_EQ(name, form.GetFieldRepForField(name)->GetField());
}

} // namespace
