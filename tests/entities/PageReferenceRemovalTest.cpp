#include "entities/AspFile.h"
#include "entities/Class.h"
#include "entities/ClassInvokation.h"
#include "entities/DerivedField.h"
#include "entities/Form.h"
#include "entities/FormulaTreeNode.h"
#include "entities/Function.h"
#include "entities/MapForm.h"
#include "entities/Procedure.h"
#include "entities/ProcedureInvokation.h"
#include "entities/ProcedureTable.h"
#include "entities/RDLCReport.h"
#include "entities/Transaction.h"
#include "entities/UniquenessProcedureTable.h"
#include "model/EventRecmpFields.h"
#include "model/FieldVisibility.h"
#include "model/Module.h"
#include "model/ModuleLoadPasses.h"
#include "model/RefField.h"
#include "tests/entities/PageOperationsSupport.h"
#include "tests/entities/PageTestSupport.h"
#include "tests/support/ListedRelease.h"
#include "tests/support/PageReferences.h"

namespace
{

class PageReferenceRemovalTest : public OrdersPageTest<Form>
{
protected:
    PageReferenceRemovalTest() { m_amount = NewField("Amount", &m_table); }

    // An event list of the control's data, appended to it.
    static EventRecmpFields* AddEventList(FieldRep* rep)
    {
        auto* list = new EventRecmpFields;
        rep->GetFieldRepData()->AddEventRecmpFields(list);
        return list;
    }

    Field* m_amount;
};

TEST_F(PageReferenceRemovalTest, DeletingATableDeletesAdjacentControlsOfItsFields)
{
    Table other;
    Field* name = NewField("Name", &other);
    AddControl(m_page, m_price);
    AddControl(m_page, m_amount);
    FieldRep* kept = AddControl(m_page, name);
    AddControl(m_page, m_price);

    ReleaseListed(m_page, {&m_table, m_price, m_amount});

    ASSERT_EQ(m_page.GetFieldReps().size(), 1u);
    EXPECT_EQ(m_page.GetFieldReps().front(), kept);
}

TEST_F(PageReferenceRemovalTest, DeletingAControlDropsItsRecomputesAndVisibilities)
{
    FieldRep* deleted = AddControl(m_page, m_price);
    FieldRep* other = AddControl(m_page, m_amount);
    EventRecmpFields* list = AddEventList(other);
    list->AddClassRecompute(deleted);
    EventRecmpFields* kept = AddEventList(other);
    kept->AddClassRecompute(other);
    auto* file = new AspFile;
    file->AddFieldVisibility(new FieldVisibility(m_price));
    m_page.AddAspFile(file);

    FieldRep stranger(m_amount);
    m_page.DeleteFieldRep(nullptr);
    m_page.DeleteFieldRep(&stranger);
    m_page.DeleteFieldRep(deleted);

    ASSERT_EQ(m_page.GetFieldReps().size(), 1u);
    ASSERT_EQ(other->GetFieldRepData()->GetEventRecmpFieldsList().size(), 1u);
    EXPECT_EQ(other->GetFieldRepData()->GetEventRecmpFieldsList().front(), kept);
    EXPECT_TRUE(file->GetFieldVisibilities().empty());
}

TEST_F(PageReferenceRemovalTest, RemovingAProcedureDropsEveryCallOfIt)
{
    Procedure procedure;
    Procedure other;
    Field* alias = NewField("Total");
    procedure.AddAliasField(alias, false);
    auto* aliasMap = new FieldVariableMap{alias, NewVariable("Total")};
    m_page.AddFieldVariableMap(aliasMap);
    m_page.AddUniquenessProcedureTable(
        new UniquenessProcedureTable(&m_table, CallOfProcedure(&procedure)));
    m_page.AddUniquenessProcedureTable(
        new UniquenessProcedureTable(&m_table, CallOfProcedure(&procedure)));
    m_page.AddUniquenessProcedureTable(
        new UniquenessProcedureTable(&m_table, CallOfProcedure(&other)));
    m_page.AddProcedureTable(new ProcedureTable(&m_table, CallOfProcedure(&procedure),
                                                ProcedureTable::recordDeleteKind));
    FieldRep* rep = AddControl(m_page, m_price);
    rep->GetFieldRepData()->SetDataProcedure(CallOfProcedure(&procedure));
    rep->GetFieldRepData()->SetFrontField(m_amount);
    EventRecmpFields* list = AddEventList(rep);
    list->AddProcedureRecompute(rep, CallOfProcedure(&procedure));
    list->AddClassRecompute(rep);

    ReleaseListed(m_page, procedure.FreedWithIt());

    ASSERT_EQ(m_page.GetUniquenessProcedureTables().size(), 1u);
    EXPECT_EQ(m_page.GetUniquenessProcedure(&m_table), &other);
    EXPECT_TRUE(m_page.GetProcedureTables().empty());
    EXPECT_EQ(rep->GetFieldRepData()->GetDataProcedure(), nullptr);
    EXPECT_TRUE(list->GetProcedureRecomputes().empty());
    EXPECT_FALSE(m_page.IsProcedureRecomputed(&procedure));
    // The computed column's map keeps its variable, which others may hold, and loses the column.
    ASSERT_EQ(m_page.GetFieldVariableMaps(), std::vector<FieldVariableMap*>{aliasMap});
    EXPECT_EQ(aliasMap->field, nullptr);
}

TEST_F(PageReferenceRemovalTest, RemovingAReferenceFieldDeletesItsControlAndMap)
{
    auto* pageField = NewField("Customer");
    auto* refField = new RefField(pageField, &m_table);
    m_page.AddRefField(refField);
    FieldRep* shown = AddControl(m_page, pageField);
    FieldRep* other = AddControl(m_page, m_price);
    AddEventList(other)->AddClassRecompute(shown);
    m_page.AddFieldVariableMap(new FieldVariableMap{pageField, NewVariable("Customer")});
    FieldVariableMap* map = m_page.GetFieldVariableMaps().front();

    EXPECT_TRUE(m_page.RemoveRefField(refField));

    EXPECT_TRUE(m_page.GetRefFields().empty());
    ASSERT_EQ(m_page.GetFieldReps().size(), 1u);
    EXPECT_TRUE(other->GetFieldRepData()->GetEventRecmpFieldsList().empty());
    EXPECT_TRUE(m_page.GetFieldVariableMaps().empty());
    delete map->variable;
    delete map;

    RefField stranger;
    EXPECT_FALSE(m_page.RemoveRefField(&stranger));
}

TEST_F(PageReferenceRemovalTest, ADerivedFieldInAnothersFormulaStays)
{
    auto* usedField = NewField("Net");
    auto* used = new DerivedField(usedField, &m_table);
    FieldRep* usedControl = AddControl(m_page, usedField);
    auto* userField = NewField("Gross");
    auto* user = new DerivedField(userField, &m_table);
    auto* leaf = new FormulaTreeNode;
    leaf->SetOperand(usedControl);
    user->SetFormula(leaf);
    m_page.AddDerivedField(used);
    m_page.AddDerivedField(user);
    AddControl(m_page, userField);

    m_page.RemoveDerivedField(used);
    EXPECT_EQ(m_page.GetDerivedFields().size(), 2u);

    m_page.RemoveDerivedField(user);
    ASSERT_EQ(m_page.GetDerivedFields().size(), 1u);
    EXPECT_EQ(m_page.GetDerivedFields().front(), used);
    EXPECT_EQ(m_page.GetFieldReps().size(), 1u);
}

TEST_F(PageReferenceRemovalTest, CleaningRemovesAdjacentEventListsWithoutClassRecomputes)
{
    FieldRep* rep = AddControl(m_page, m_price);
    FieldRep* target = AddControl(m_page, m_amount);
    AddEventList(rep)->AddProcedureRecompute(target, nullptr);
    AddEventList(rep);
    EventRecmpFields* kept = AddEventList(rep);
    kept->AddClassRecompute(target);
    kept->AddClassRecompute(nullptr);
    kept->AddProcedureRecompute(nullptr, nullptr);

    m_page.CleanEmptyClassRecomputes();

    ASSERT_EQ(rep->GetFieldRepData()->GetEventRecmpFieldsList().size(), 1u);
    EXPECT_EQ(rep->GetFieldRepData()->GetEventRecmpFieldsList().front(), kept);
    ASSERT_EQ(kept->GetClassRecomputes().size(), 1u);
    EXPECT_EQ(kept->GetClassRecomputes().front()->fieldRep, target);
    EXPECT_TRUE(kept->GetProcedureRecomputes().empty());
}

TEST_F(PageReferenceRemovalTest, ModulePassCleansFormsMapFormsAndTransactions)
{
    Module module("Sales");
    auto* form = new Form;
    auto* mapForm = new MapForm;
    auto* transaction = new Transaction;
    module.Append(form);
    module.Append(mapForm);
    module.Append(transaction);
    std::vector<FieldRep*> reps;
    for (FormInterface* page : std::initializer_list<FormInterface*>{form, mapForm, transaction})
    {
        FieldRep* rep = AddControl(*page, nullptr);
        AddEventList(rep);
        reps.push_back(rep);
    }

    ModuleLoadPasses::CleanPageClassRecomputes(module);

    for (const FieldRep* rep : reps)
        EXPECT_TRUE(rep->GetFieldRepData()->GetEventRecmpFieldsList().empty());
}

TEST_F(PageReferenceRemovalTest, FunctionRecomputesAreAllRemoved)
{
    Class dataClass;
    auto* function = new Function;
    dataClass.AddFunction(function);
    ClassInvokation call;
    call.SetFunction(&dataClass, function);
    FieldRep* rep = AddControl(m_page, m_price);
    FieldRep* target = AddControl(m_page, m_amount);
    EventRecmpFields* list = AddEventList(rep);
    for (int i = 0; i < 3; ++i)
    {
        list->AddClassRecompute(target);
        list->GetClassRecomputes().back()->classInvokation = &call;
        if (i == 0)
        {
            EXPECT_FALSE(PageUsersOf(m_page, {function}).empty()) << "one class entry only";
        }
    }
    list->AddProcedureRecompute(target, nullptr);

    ReleaseListed(m_page, {function});

    EXPECT_TRUE(list->GetClassRecomputes().empty());
    EXPECT_EQ(list->GetProcedureRecomputes().size(), 1u);
    EXPECT_TRUE(PageUsersOf(m_page, {function}).empty());
}

TEST_F(PageReferenceRemovalTest, ClearingAProcedureFieldClearsTheFrontFieldFirstAFieldBoth)
{
    Procedure procedure;
    FieldRep* rep = AddControl(m_page, nullptr);
    rep->GetFieldRepData()->SetDataProcedure(CallOfProcedure(&procedure));
    rep->GetFieldRepData()->SetFrontField(m_price);
    rep->GetFieldRepData()->SetBackField(m_price);

    m_page.ClearProcedureFieldFrontBack(m_price, &procedure);

    EXPECT_EQ(rep->GetFieldRepData()->GetFrontField(), nullptr);
    EXPECT_EQ(rep->GetFieldRepData()->GetBackField(), m_price);
    EXPECT_EQ(m_page.FindFieldRepDataUsingField(m_price, &procedure), rep->GetFieldRepData());
    EXPECT_EQ(m_page.FindFieldRepDataUsingField(m_amount, nullptr), nullptr);

    rep->GetFieldRepData()->SetFrontField(m_price);
    EXPECT_TRUE(m_page.IsFrontOrBackFieldOfAnyControl(m_price));
    ReleaseListed(m_page, {m_price});
    EXPECT_FALSE(m_page.IsFrontOrBackFieldOfAnyControl(m_price));
}

TEST_F(PageReferenceRemovalTest, DeletingAControlOfAnRdlcReportDropsItsFirstFieldMapping)
{
    RDLCReport report;
    FieldRep* rep = AddControl(report, m_price);
    report.AddTableAdapterMap(TableAdapterMap{nullptr, {{"a", m_amount}, {"b", m_price}}});
    report.AddTableAdapterMap(TableAdapterMap{nullptr, {{"c", m_price}}});

    report.DeleteFieldRep(rep);

    EXPECT_TRUE(report.GetFieldReps().empty());
    ASSERT_EQ(report.GetTableAdapterMaps()[0].m_pairs.size(), 1u);
    EXPECT_EQ(report.GetTableAdapterMaps()[0].m_pairs[0].m_field, m_amount);
    EXPECT_EQ(report.GetTableAdapterMaps()[1].m_pairs.size(), 1u);
}

TEST_F(PageReferenceRemovalTest, RemovingAMapOfASharedVariableKeepsTheVariable)
{
    Variable shared;
    shared.SetKind(Variable::sharedKind);
    FieldVariableMap map{m_price, &shared};
    m_page.AddFieldVariableMap(&map);

    m_page.RemoveFieldVariableMapAt(0);

    EXPECT_TRUE(m_page.GetFieldVariableMaps().empty());
    EXPECT_EQ(shared.GetKind(), Variable::sharedKind);
}

TEST_F(PageReferenceRemovalTest, VisibilityRemovalRunsOnEveryPageFile)
{
    Variable variable;
    for (int i = 0; i < 2; ++i)
    {
        auto* file = new AspFile;
        file->AddFieldVisibility(new FieldVisibility(m_price));
        file->AddFieldVisibility(new FieldVisibility(m_amount));
        m_page.AddAspFile(file);
    }

    EXPECT_TRUE(m_page.RemoveFieldVisibilities(m_price));
    m_page.RemoveVisibilityDataOf(&variable);

    for (const AspFile* file : m_page.GetAspFiles())
    {
        ASSERT_EQ(file->GetFieldVisibilities().size(), 1u);
        EXPECT_EQ(file->GetFieldVisibilities().front()->GetField(), m_amount);
    }
    EXPECT_FALSE(m_page.CheckVisibilityDataUse(nullptr));
}

} // namespace
